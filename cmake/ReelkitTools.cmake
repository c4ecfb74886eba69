# The tools folder of a bundle: links to the installed media tools and to the
# programs the bundle ships.
#
# Included, it defines reelkit_link_tools(). Run as a script, it fills one
# folder:
#   cmake -DTOOLS_DIR=<dir> [-DLINKS=<name>=<path>;...] -P ReelkitTools.cmake
# which the bundle's build step does on every build, so a tool installed after
# the configure is linked then, and one removed since is unlinked.

# reelkit_link_tools(<tools dir> [<name>=<path>...])
# Links ffmpeg, ffprobe, mplayer, mpeg2enc, spumux, dvdauthor and normalize
# (normalize-audio on Debian) where they are installed, and each <name> to its
# <path>. A link is only rewritten when it changes.
function(reelkit_link_tools tools_dir)
  file(MAKE_DIRECTORY ${tools_dir})
  # link name = program searched for
  set(media ffmpeg=ffmpeg ffprobe=ffprobe mplayer=mplayer mpeg2enc=mpeg2enc spumux=spumux
            dvdauthor=dvdauthor normalize=normalize-audio)
  foreach(pair IN LISTS media)
    string(REPLACE "=" ";" pair ${pair})
    list(GET pair 0 link)
    list(GET pair 1 program)
    # NO_CACHE keeps the result in a normal variable, and find_program does
    # not search again while that is set: clear both.
    unset(_reelkit_tool)
    unset(_reelkit_tool CACHE)
    find_program(_reelkit_tool NAMES ${program} NO_CACHE)
    _reelkit_tool_link(${tools_dir}/${link} "${_reelkit_tool}")
  endforeach()
  foreach(pair IN LISTS ARGN)
    string(FIND "${pair}" "=" at)
    string(SUBSTRING "${pair}" 0 ${at} link)
    math(EXPR at "${at} + 1")
    string(SUBSTRING "${pair}" ${at} -1 target)
    _reelkit_tool_link(${tools_dir}/${link} "${target}")
  endforeach()
endfunction()

# Points link at target; with no target, removes a link left from before.
function(_reelkit_tool_link link target)
  if(target)
    if(IS_SYMLINK ${link})
      file(READ_SYMLINK ${link} current)
      if(current STREQUAL target)
        return()
      endif()
    endif()
    file(CREATE_LINK ${target} ${link} SYMBOLIC)
  elseif(IS_SYMLINK ${link})
    file(REMOVE ${link})
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  cmake_policy(VERSION 3.21)
  reelkit_link_tools(${TOOLS_DIR} ${LINKS})
endif()
