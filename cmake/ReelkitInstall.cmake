# Installs the libraries, their headers, gettimestamps, and what other
# projects find them with: a CMake package with one component per library
# (find_package(reelkit COMPONENTS core) loads core alone) and a pkg-config
# file per library, plus reelkit.pc for all three.
include(CMakePackageConfigHelpers)

set(_reelkit_cmakedir ${CMAKE_INSTALL_LIBDIR}/cmake/reelkit)
set(_reelkit_pcdir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

foreach(component IN LISTS REELKIT_COMPONENTS)
  install(TARGETS reelkit_${component} EXPORT reelkit-${component}Targets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
endforeach()
# The time-stamp tool goes with core, whose media helpers run it.
if(TARGET gettimestamps)
  install(TARGETS gettimestamps EXPORT reelkit-coreTargets
    RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/reelkit)
endif()
foreach(component IN LISTS REELKIT_COMPONENTS)
  install(EXPORT reelkit-${component}Targets NAMESPACE reelkit:: DESTINATION ${_reelkit_cmakedir})
endforeach()

# Private headers ("*_p.h") declare what the libraries do not export.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/reel
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h" PATTERN "*_p.h" EXCLUDE)

# What a static library needs from its users' link: the modules of its
# private dependencies.
if(BUILD_SHARED_LIBS)
  set(REELKIT_STATIC FALSE)
else()
  set(REELKIT_STATIC TRUE)
endif()
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/reelkitConfig.cmake.in
  ${PROJECT_BINARY_DIR}/reelkitConfig.cmake
  INSTALL_DESTINATION ${_reelkit_cmakedir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/reelkitConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/reelkitConfig.cmake
  ${PROJECT_BINARY_DIR}/reelkitConfigVersion.cmake
  ${PROJECT_SOURCE_DIR}/cmake/ReelkitBundle.cmake
  ${PROJECT_SOURCE_DIR}/cmake/ReelkitTools.cmake
  ${PROJECT_SOURCE_DIR}/cmake/ReelkitWidgetsLink.cpp
  ${PROJECT_SOURCE_DIR}/cmake/Info.plist.in
  ${PROJECT_SOURCE_DIR}/cmake/reelkit-application.svg
  DESTINATION ${_reelkit_cmakedir})

# pkg-config: the prefix is found from the .pc file's own place, so an install
# moved elsewhere (or made with --prefix) still answers right.
file(RELATIVE_PATH _reelkit_pc_to_prefix /root/${_reelkit_pcdir} /root)
string(REGEX REPLACE "/$" "" _reelkit_pc_to_prefix "${_reelkit_pc_to_prefix}")
function(_reelkit_pc_dir variable dir)
  if(IS_ABSOLUTE ${dir})
    set(${variable} ${dir} PARENT_SCOPE)
  else()
    set(${variable} "\${prefix}/${dir}" PARENT_SCOPE)
  endif()
endfunction()
_reelkit_pc_dir(_reelkit_pc_libdir ${CMAKE_INSTALL_LIBDIR})
_reelkit_pc_dir(_reelkit_pc_includedir ${CMAKE_INSTALL_INCLUDEDIR})
_reelkit_pc_dir(_reelkit_pc_libexecdir ${CMAKE_INSTALL_LIBEXECDIR})

# _reelkit_write_pc(<name> <description> REQUIRES <module>...
#                   PRIVATE <target name>=<module>... LIBS <text> CFLAGS <text>)
function(_reelkit_write_pc name description)
  cmake_parse_arguments(ARG "" "LIBS;CFLAGS" "REQUIRES;PRIVATE" ${ARGN})
  set(requires "")
  foreach(module IN LISTS ARG_REQUIRES)
    string(REGEX REPLACE "([<>=]+)" " \\1 " module "${module}")
    list(APPEND requires "${module}")
  endforeach()
  list(JOIN requires ", " requires)
  # A static library's users link what it links: the libraries of its
  # dependencies (as pkg-config gave them to this build, not their own
  # static dependencies: a shared libcurl needs none of those).
  set(private "")
  if(REELKIT_STATIC)
    foreach(pair IN LISTS ARG_PRIVATE)
      string(FIND "${pair}" "=" at)
      string(SUBSTRING "${pair}" 0 ${at} dependency)
      foreach(dir IN LISTS ${dependency}_LIBRARY_DIRS)
        if(NOT dir IN_LIST CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES)
          list(APPEND private "-L${dir}")
        endif()
      endforeach()
      foreach(library IN LISTS ${dependency}_LIBRARIES)
        list(APPEND private "-l${library}")
      endforeach()
    endforeach()
  endif()
  list(JOIN private " " private)
  set(text "prefix=\${pcfiledir}/${_reelkit_pc_to_prefix}
exec_prefix=\${prefix}
libdir=${_reelkit_pc_libdir}
includedir=${_reelkit_pc_includedir}
libexecdir=${_reelkit_pc_libexecdir}
gettimestamps=\${libexecdir}/reelkit/gettimestamps

Name: ${name}
Description: ${description}
Version: ${PROJECT_VERSION}
Requires: ${requires}
")
  if(ARG_LIBS)
    string(APPEND text "Libs: -L\${libdir} ${ARG_LIBS}\n")
  endif()
  if(private)
    string(APPEND text "Libs.private: ${private}\n")
  endif()
  string(APPEND text "Cflags: -I\${includedir}${ARG_CFLAGS}\n")
  file(WRITE ${PROJECT_BINARY_DIR}/pkgconfig/${name}.pc "${text}")
  install(FILES ${PROJECT_BINARY_DIR}/pkgconfig/${name}.pc DESTINATION ${_reelkit_pcdir})
endfunction()

_reelkit_write_pc(reelkit-core
  "reelkit without a display: tools, files, text, preferences, numbers, media, probes"
  REQUIRES Qt6Core PRIVATE ${REELKIT_CORE_PRIVATE_DEPENDENCIES}
  LIBS "-lreelkit-core"
  # Qt's libraries need position-independent code in the programs that use
  # them (Qt's CMake package says so, its pkg-config files do not): built as
  # a position-independent executable, a program would compare Qt's
  # meta-objects with copies of its own, and qobject_cast would fail.
  CFLAGS " -fPIC")
# The widgets library is kept in the link even when nothing refers to it:
# its presenter is what shows the toolkit's alerts.
_reelkit_write_pc(reelkit-widgets
  "reelkit's Qt Widgets side: the alert presenter, control enabling, the application shell, notifications"
  REQUIRES reelkit-core Qt6Widgets Qt6Gui Qt6DBus PRIVATE ${REELKIT_WIDGETS_PRIVATE_DEPENDENCIES}
  LIBS "-Wl,--undefined=reelkit_widgets_linked -Wl,--push-state,--no-as-needed -lreelkit-widgets -Wl,--pop-state")
_reelkit_write_pc(reelkit-network
  "reelkit's web page fetch and connection check, through libcurl"
  REQUIRES reelkit-core PRIVATE ${REELKIT_NETWORK_PRIVATE_DEPENDENCIES}
  LIBS "-lreelkit-network")
_reelkit_write_pc(reelkit
  "Toolkit for Linux desktop video-conversion programs: all of reelkit"
  REQUIRES reelkit-core reelkit-widgets reelkit-network)
