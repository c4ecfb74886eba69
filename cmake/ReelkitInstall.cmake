# Install the library, its headers and a package configuration so that other
# projects can say find_package(reelkit) and link reelkit::reelkit.
include(CMakePackageConfigHelpers)

install(TARGETS reelkit EXPORT reelkitTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/reel
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h")

set(_reelkit_cmakedir ${CMAKE_INSTALL_LIBDIR}/cmake/reelkit)
install(EXPORT reelkitTargets NAMESPACE reelkit:: DESTINATION ${_reelkit_cmakedir})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/reelkitConfig.cmake.in
  ${PROJECT_BINARY_DIR}/reelkitConfig.cmake
  INSTALL_DESTINATION ${_reelkit_cmakedir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/reelkitConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/reelkitConfig.cmake
  ${PROJECT_BINARY_DIR}/reelkitConfigVersion.cmake
  ${PROJECT_SOURCE_DIR}/cmake/ReelkitBundle.cmake
  ${PROJECT_SOURCE_DIR}/cmake/Info.plist.in
  DESTINATION ${_reelkit_cmakedir})
