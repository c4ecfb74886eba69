# cmake -DROOT=<src> -DFILES=<files under ROOT> -DOWNERS=<file=component...>
#       -P ReelkitLayering.cmake
#
# Fails when a file includes something its library may not use. A file
# belongs to the library OWNERS names for it, else to core; the umbrella
# headers (reel/*.h) hold all three and no file of a library includes them.
#   core     reel headers of core; no Qt module but Qt Core; no curl
#   widgets  core and widgets; Qt Core, Gui, Widgets and OpenGL; no curl
#   network  core and network; Qt Core and curl
cmake_policy(VERSION 3.21)
set(allowed_core core)
set(allowed_widgets core widgets)
set(allowed_network core network)
set(qt_core QtCore)
set(qt_widgets QtCore QtGui QtWidgets QtOpenGL)
set(qt_network QtCore)

foreach(pair IN LISTS OWNERS)
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 file)
  list(GET pair 1 component)
  set("owner_${file}" ${component})
endforeach()

function(owner_of file result)
  if(DEFINED "owner_${file}")
    set(${result} ${owner_${file}} PARENT_SCOPE)
  elseif(file MATCHES "^reel/[^/]+\\.h$")
    set(${result} umbrella PARENT_SCOPE)
  else()
    set(${result} core PARENT_SCOPE)
  endif()
endfunction()

set(faults "")
foreach(file IN LISTS FILES)
  owner_of(${file} component)
  if(component STREQUAL "umbrella")
    continue()
  endif()
  file(STRINGS ${ROOT}/${file} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(NOT line MATCHES "#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
      continue()
    endif()
    set(included ${CMAKE_MATCH_1})
    if(included MATCHES "^reel/")
      owner_of(${included} theirs)
      if(NOT theirs IN_LIST allowed_${component})
        list(APPEND faults "${file} (${component}) includes ${included} (${theirs})")
      endif()
    elseif(included MATCHES "^(Qt[A-Za-z]+)/")
      if(NOT CMAKE_MATCH_1 IN_LIST qt_${component})
        list(APPEND faults "${file} (${component}) includes ${included}")
      endif()
    elseif(included MATCHES "^curl/" AND NOT component STREQUAL "network")
      list(APPEND faults "${file} (${component}) includes ${included}")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "reelkit: a library includes what it may not use:\n  ${text}")
endif()
