# reelkit_add_bundle(<target> NAME <name> [IDENTIFIER <id>] [VERSION <v>]
#                    [OUTPUT_DIRECTORY <dir>] [RESOURCES <dir>...]
#                    [TOOL_TARGETS <target>...])
#
# Lays out a runnable application bundle for an executable target:
#
#   <dir>/<name>.app/Contents/Info.plist
#   <dir>/<name>.app/Contents/MacOS/<executable>
#   <dir>/<name>.app/Contents/Resources/...       copied from RESOURCES
#   <dir>/<name>.app/Contents/Resources/tools/    links to the media tools
#
# The tools folder links the installed ffmpeg, mplayer, mpeg2enc, spumux,
# dvdauthor and normalize (normalize-audio on Debian), and the executables of
# TOOL_TARGETS (programs built by the project itself). A tool that is not
# installed is left out. reel::Bundle::main() finds the bundle from the
# executable's place in it.

function(reelkit_add_bundle target)
  cmake_parse_arguments(ARG "" "NAME;IDENTIFIER;VERSION;OUTPUT_DIRECTORY" "RESOURCES;TOOL_TARGETS" ${ARGN})
  if(NOT ARG_NAME)
    set(ARG_NAME ${target})
  endif()
  if(NOT ARG_OUTPUT_DIRECTORY)
    set(ARG_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  endif()

  set(contents ${ARG_OUTPUT_DIRECTORY}/${ARG_NAME}.app/Contents)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${contents}/MacOS)
  get_target_property(executable ${target} OUTPUT_NAME)
  if(NOT executable)
    set(executable ${target})
  endif()
  reelkit_layout_bundle(${ARG_OUTPUT_DIRECTORY}/${ARG_NAME}.app NAME ${ARG_NAME}
    IDENTIFIER "${ARG_IDENTIFIER}" VERSION "${ARG_VERSION}" EXECUTABLE ${executable}
    RESOURCES ${ARG_RESOURCES})

  foreach(tool IN LISTS ARG_TOOL_TARGETS)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E make_directory ${contents}/Resources/tools
      COMMAND ${CMAKE_COMMAND} -E create_symlink $<TARGET_FILE:${tool}>
              ${contents}/Resources/tools/$<TARGET_FILE_NAME:${tool}>
      VERBATIM)
    add_dependencies(${target} ${tool})
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
  file(MAKE_DIRECTORY ${tools_dir})
  # link name = program searched for
  set(tools ffmpeg=ffmpeg ffprobe=ffprobe mplayer=mplayer mpeg2enc=mpeg2enc spumux=spumux
            dvdauthor=dvdauthor normalize=normalize-audio)
  foreach(pair IN LISTS tools)
    string(REPLACE "=" ";" pair ${pair})
    list(GET pair 0 link)
    list(GET pair 1 program)
    # NO_CACHE keeps the result in a normal variable, and find_program does
    # not search again while that is set: clear both.
    unset(_reelkit_tool)
    unset(_reelkit_tool CACHE)
    find_program(_reelkit_tool NAMES ${program} NO_CACHE)
    if(_reelkit_tool)
      file(CREATE_LINK ${_reelkit_tool} ${tools_dir}/${link} SYMBOLIC)
    endif()
  endforeach()
endfunction()
