# cmake -DROOT=<app/convert> -DFILES=<files under ROOT> -P rooms.cmake
#
# Fails when a file of the converter includes from a room above its own, or
# from the other front end. Files outside the rooms (main.cpp) may include
# anything.
cmake_policy(VERSION 3.21)
set(below_model "")
set(below_probing model)
set(below_jobs model probing)
set(below_terminal model probing jobs)
set(below_window model probing jobs)

set(faults "")
foreach(file IN LISTS FILES)
  if(NOT file MATCHES "^([a-z]+)/")
    continue()
  endif()
  set(room ${CMAKE_MATCH_1})
  file(STRINGS ${ROOT}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    if(NOT line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      continue()
    endif()
    set(included ${CMAKE_MATCH_1})
    if(NOT included MATCHES "^([a-z]+)/")
      list(APPEND faults "${file} includes ${included}, which names no room")
      continue()
    endif()
    set(theirs ${CMAKE_MATCH_1})
    if(NOT theirs STREQUAL room AND NOT theirs IN_LIST below_${room})
      list(APPEND faults "${file} (${room}) includes ${included} (${theirs})")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "reelkit-convert: a room includes from a room it may not use:\n  ${text}")
endif()
