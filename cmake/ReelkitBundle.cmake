# reelkit_add_bundle(<target> NAME <name> [IDENTIFIER <id>] [VERSION <v>]
#                    [OUTPUT_DIRECTORY <dir>] [RESOURCES <dir>...]
#                    [TOOL_TARGETS <target>...])
#
# Lays out a runnable application bundle for an executable target:
#
#   <dir>/<name>.app/Contents/Info.plist
#   <dir>/<name>.app/Contents/MacOS/<executable>
#   <dir>/<name>.app/Contents/Resources/...       copied from RESOURCES
#   <dir>/<name>.app/Contents/Resources/tools/    links to the tools
#
# The tools folder links the installed ffmpeg, ffprobe, mplayer, mpeg2enc,
# spumux, dvdauthor and normalize (normalize-audio on Debian), reelkit's
# time-stamp tool gettimestamps, and the executables of TOOL_TARGETS
# (programs the project builds itself). A build step that runs on every
# build refreshes it: a tool installed since the configure is linked, one
# removed is unlinked. reel::Bundle::main() finds the bundle from the
# executable's place in it.
#
# reelkit_install_bundle(<target> [DISPLAY_NAME <text>] [GENERIC_NAME <text>]
#                        [COMMENT <text>] [ICON <file.svg>] [ARGUMENTS <text>]
#                        [CATEGORIES <category>...] [MIME_TYPES <type>...]
#                        [MAN_PAGES <page.N>...] [BASH_COMPLETION <script>]
#                        [METAINFO <file.xml>])
#
# Has `cmake --install` install the bundle of <target> where a desktop finds
# it:
#
#   <prefix>/lib/<executable>/<name>.app/...                  the bundle
#   <prefix>/bin/<executable>                                 a link to its executable
#   <prefix>/share/applications/<id>.desktop                  the menu entry
#   <prefix>/share/icons/hicolor/scalable/apps/<id>.svg       its icon
#
#   <prefix>/share/man/manN/<page.N>                          MAN_PAGES, by their section
#   <prefix>/share/bash-completion/completions/<executable>   BASH_COMPLETION
#   <prefix>/share/metainfo/<id>.metainfo.xml                 METAINFO (AppStream)
#
# The completion goes where bash-completion's pkg-config file says, taken
# below the install's prefix. The metainfo's <launchable> should name
# <id>.desktop.
#
# The entry runs "<prefix>/bin/<executable> ARGUMENTS" (field codes such as
# %F allowed), is named DISPLAY_NAME (the bundle's name unless given) and
# listed under CATEGORIES (AudioVideo;Video; unless given). ICON defaults to
# reelkit's own. The installed tools folder links the tools found at install
# time and the installed gettimestamps; TOOL_TARGETS are copied into it.

function(reelkit_add_bundle target)
  cmake_parse_arguments(ARG "" "NAME;IDENTIFIER;VERSION;OUTPUT_DIRECTORY" "RESOURCES;TOOL_TARGETS" ${ARGN})
  if(NOT ARG_NAME)
    set(ARG_NAME ${target})
  endif()
  if(NOT ARG_IDENTIFIER)
    set(ARG_IDENTIFIER "org.reelkit.${ARG_NAME}")
  endif()
  if(NOT ARG_OUTPUT_DIRECTORY)
    set(ARG_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  endif()

  set(bundle ${ARG_OUTPUT_DIRECTORY}/${ARG_NAME}.app)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${bundle}/Contents/MacOS)
  get_target_property(executable ${target} OUTPUT_NAME)
  if(NOT executable)
    set(executable ${target})
  endif()
  reelkit_layout_bundle(${bundle} NAME ${ARG_NAME}
    IDENTIFIER "${ARG_IDENTIFIER}" VERSION "${ARG_VERSION}" EXECUTABLE ${executable}
    RESOURCES ${ARG_RESOURCES})

  # gettimestamps comes with every bundle, and is installed as a link to the
  # installed tool: named in TOOL_TARGETS, it is not copied a second time.
  set(own_tools ${ARG_TOOL_TARGETS})
  list(REMOVE_ITEM own_tools gettimestamps reelkit::gettimestamps)
  set(tools ${own_tools})
  if(TARGET reelkit::gettimestamps)
    list(PREPEND tools reelkit::gettimestamps)
  endif()
  set_target_properties(${target} PROPERTIES
    REELKIT_BUNDLE ${bundle}
    REELKIT_BUNDLE_NAME ${ARG_NAME}
    REELKIT_BUNDLE_IDENTIFIER ${ARG_IDENTIFIER}
    REELKIT_BUNDLE_EXECUTABLE ${executable}
    REELKIT_BUNDLE_TOOL_TARGETS "${own_tools}")
  reelkit_add_tools_step(${target}_bundle_tools ${bundle}/Contents/Resources/tools ${tools})
  add_dependencies(${target} ${target}_bundle_tools)
endfunction()

# reelkit_add_tools_step(<step target> <tools dir> [<tool target>...])
# A target that fills the tools folder every time it is built.
function(reelkit_add_tools_step step tools_dir)
  set(links "")
  foreach(tool IN LISTS ARGN)
    list(APPEND links "$<TARGET_FILE_NAME:${tool}>=$<TARGET_FILE:${tool}>")
  endforeach()
  list(JOIN links "$<SEMICOLON>" links)
  add_custom_target(${step}
    COMMAND ${CMAKE_COMMAND} -DTOOLS_DIR=${tools_dir} "-DLINKS=${links}"
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/ReelkitTools.cmake
    COMMENT "Linking the tools of ${tools_dir}"
    VERBATIM)
  foreach(tool IN LISTS ARGN)
    _reelkit_built_here(${tool} here)
    if(here)
      add_dependencies(${step} ${tool})
    endif()
  endforeach()
endfunction()

# reelkit_layout_bundle(<dir.app> NAME <name> [IDENTIFIER <id>] [VERSION <v>]
#                       [EXECUTABLE <file name>] [RESOURCES <dir>...])
# Writes Info.plist, copies the resources and links the media tools, at
# configure time; no executable is involved (tests use such bundles).
function(reelkit_layout_bundle bundle_dir)
  cmake_parse_arguments(ARG "" "NAME;IDENTIFIER;VERSION;EXECUTABLE" "RESOURCES" ${ARGN})
  set(contents ${bundle_dir}/Contents)
  set(REELKIT_BUNDLE_NAME ${ARG_NAME})
  set(REELKIT_BUNDLE_IDENTIFIER ${ARG_IDENTIFIER})
  set(REELKIT_BUNDLE_VERSION ${ARG_VERSION})
  set(REELKIT_BUNDLE_EXECUTABLE ${ARG_EXECUTABLE})
  if(NOT REELKIT_BUNDLE_IDENTIFIER)
    set(REELKIT_BUNDLE_IDENTIFIER "org.reelkit.${ARG_NAME}")
  endif()
  if(NOT REELKIT_BUNDLE_VERSION)
    set(REELKIT_BUNDLE_VERSION "${PROJECT_VERSION}")
  endif()
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/Info.plist.in ${contents}/Info.plist @ONLY)
  foreach(dir IN LISTS ARG_RESOURCES)
    file(COPY ${dir}/ DESTINATION ${contents}/Resources)
  endforeach()
  reelkit_link_media_tools(${contents}/Resources/tools)
endfunction()

# Links the installed media tools into a tools folder at configure time.
function(reelkit_link_media_tools tools_dir)
  reelkit_link_tools(${tools_dir})
endfunction()

function(reelkit_install_bundle target)
  cmake_parse_arguments(ARG "" "DISPLAY_NAME;GENERIC_NAME;COMMENT;ICON;ARGUMENTS;BASH_COMPLETION;METAINFO"
                        "CATEGORIES;MIME_TYPES;MAN_PAGES" ${ARGN})
  get_target_property(bundle ${target} REELKIT_BUNDLE)
  if(NOT bundle)
    message(FATAL_ERROR "reelkit_install_bundle: ${target} has no bundle (reelkit_add_bundle first)")
  endif()
  get_target_property(name ${target} REELKIT_BUNDLE_NAME)
  get_target_property(identifier ${target} REELKIT_BUNDLE_IDENTIFIER)
  get_target_property(executable ${target} REELKIT_BUNDLE_EXECUTABLE)
  get_target_property(tool_targets ${target} REELKIT_BUNDLE_TOOL_TARGETS)
  if(NOT ARG_DISPLAY_NAME)
    set(ARG_DISPLAY_NAME ${name})
  endif()
  if(NOT ARG_CATEGORIES)
    set(ARG_CATEGORIES AudioVideo Video)
  endif()
  if(NOT ARG_ICON)
    set(ARG_ICON ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/reelkit-application.svg)
  endif()
  include(GNUInstallDirs)

  set(app lib/${executable}/${name}.app)
  set(contents ${app}/Contents)

  # A shared reelkit is found from the installed executable: in the prefix's
  # library folder, or where the program linked it from.
  file(RELATIVE_PATH to_libdir /root/${contents}/MacOS /root/${CMAKE_INSTALL_LIBDIR})
  if(IS_ABSOLUTE ${CMAKE_INSTALL_LIBDIR})
    set(to_libdir ${CMAKE_INSTALL_LIBDIR})
  else()
    set(to_libdir "\$ORIGIN/${to_libdir}")
  endif()
  set_property(TARGET ${target} APPEND PROPERTY INSTALL_RPATH "${to_libdir}")
  set_target_properties(${target} PROPERTIES INSTALL_RPATH_USE_LINK_PATH ON)

  install(TARGETS ${target} RUNTIME DESTINATION ${contents}/MacOS)
  install(FILES ${bundle}/Contents/Info.plist DESTINATION ${contents})
  install(DIRECTORY ${bundle}/Contents/Resources/ DESTINATION ${contents}/Resources
          PATTERN tools EXCLUDE)
  foreach(tool IN LISTS tool_targets)
    install(PROGRAMS $<TARGET_FILE:${tool}> DESTINATION ${contents}/Resources/tools)
  endforeach()
  install(FILES ${ARG_ICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${identifier}.svg)
  foreach(page IN LISTS ARG_MAN_PAGES)
    string(REGEX MATCH "[1-9]$" section "${page}")
    if(NOT section)
      message(FATAL_ERROR "reelkit_install_bundle: ${page} ends in no manual section")
    endif()
    install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
  endforeach()
  if(ARG_BASH_COMPLETION)
    _reelkit_bash_completions_dir(completions)
    install(FILES ${ARG_BASH_COMPLETION} DESTINATION ${completions} RENAME ${executable})
  endif()
  if(ARG_METAINFO)
    install(FILES ${ARG_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
            RENAME ${identifier}.metainfo.xml)
  endif()

  # The installed gettimestamps: this project's own, or the one of the
  # reelkit package the program was built against.
  set(timestamps "")
  if(TARGET reelkit::gettimestamps)
    _reelkit_built_here(reelkit::gettimestamps here)
    if(here)
      set(timestamps "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/reelkit/$<TARGET_FILE_NAME:reelkit::gettimestamps>")
      if(IS_ABSOLUTE ${CMAKE_INSTALL_LIBEXECDIR})
        set(timestamps "${CMAKE_INSTALL_LIBEXECDIR}/reelkit/$<TARGET_FILE_NAME:reelkit::gettimestamps>")
      endif()
    else()
      set(timestamps "$<TARGET_FILE:reelkit::gettimestamps>")
    endif()
    set(timestamps "gettimestamps=${timestamps}")
  endif()

  file(RELATIVE_PATH launcher_target /root/${CMAKE_INSTALL_BINDIR} /root/${contents}/MacOS/${executable})
  list(JOIN ARG_CATEGORIES ";" categories)
  list(JOIN ARG_MIME_TYPES ";" mime_types)
  set(entry_extra "")
  if(ARG_GENERIC_NAME)
    string(APPEND entry_extra "GenericName=${ARG_GENERIC_NAME}\n")
  endif()
  if(ARG_COMMENT)
    string(APPEND entry_extra "Comment=${ARG_COMMENT}\n")
  endif()
  if(mime_types)
    string(APPEND entry_extra "MimeType=${mime_types};\n")
  endif()
  set(arguments "")
  if(ARG_ARGUMENTS)
    set(arguments " ${ARG_ARGUMENTS}")
  endif()
  set(display_name "${ARG_DISPLAY_NAME}")
  foreach(text entry_extra arguments display_name)
    _reelkit_escape_for_code(${text})
  endforeach()

  install(CODE "
    include(\"${CMAKE_CURRENT_FUNCTION_LIST_DIR}/ReelkitTools.cmake\")
    set(_root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    set(_tools \"\${_root}/${contents}/Resources/tools\")
    message(STATUS \"Linking the tools of: \${_tools}\")
    reelkit_link_tools(\"\${_tools}\" \"${timestamps}\")
    file(GLOB _links \"\${_tools}/*\")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \${_links})

    set(_launcher \"\${_root}/${CMAKE_INSTALL_BINDIR}/${executable}\")
    message(STATUS \"Installing: \${_launcher}\")
    file(MAKE_DIRECTORY \"\${_root}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"${launcher_target}\" \"\${_launcher}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_launcher}\")

    set(_exec \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${executable}\")
    set(_entry \"\${_root}/${CMAKE_INSTALL_DATADIR}/applications/${identifier}.desktop\")
    message(STATUS \"Installing: \${_entry}\")
    file(WRITE \"\${_entry}\" \"[Desktop Entry]
Type=Application
Name=${display_name}
${entry_extra}Icon=${identifier}
TryExec=\${_exec}
Exec=\\\"\${_exec}\\\"${arguments}
Terminal=false
Categories=${categories};
\")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_entry}\")
  ")
endfunction()

# bash-completion's completions folder relative to its own prefix (where
# this install's prefix takes its place); share/bash-completion/completions
# when the package is not there or names a folder outside its prefix.
function(_reelkit_bash_completions_dir result)
  set(dir ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
  find_package(PkgConfig QUIET)
  if(PKG_CONFIG_FOUND)
    pkg_get_variable(prefix bash-completion prefix)
    pkg_get_variable(completions bash-completion completionsdir)
    string(REGEX REPLACE "/+$" "" prefix "${prefix}")
    string(LENGTH "${prefix}/" length)
    string(LENGTH "${completions}" whole)
    if(prefix AND whole GREATER length)
      string(SUBSTRING "${completions}" 0 ${length} head)
      string(SUBSTRING "${completions}" ${length} -1 tail)
      if(head STREQUAL "${prefix}/")
        set(dir ${tail})
      endif()
    endif()
  endif()
  set(${result} ${dir} PARENT_SCOPE)
endfunction()

# Escapes a variable's text for a string of install(CODE).
macro(_reelkit_escape_for_code variable)
  string(REPLACE "\\" "\\\\" ${variable} "${${variable}}")
  string(REPLACE "\"" "\\\"" ${variable} "${${variable}}")
  string(REPLACE "$" "\\$" ${variable} "${${variable}}")
endmacro()

# Whether a target is built by this project (not imported from a package).
function(_reelkit_built_here target result)
  get_target_property(aliased ${target} ALIASED_TARGET)
  if(aliased)
    set(target ${aliased})
  endif()
  get_target_property(imported ${target} IMPORTED)
  if(imported)
    set(${result} FALSE PARENT_SCOPE)
  else()
    set(${result} TRUE PARENT_SCOPE)
  endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/ReelkitTools.cmake)
