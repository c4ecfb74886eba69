# cmake -DROOT=<src> -DFILES=<files under ROOT> -P ReelkitLayering.cmake
#
# Fails when a file includes something its folder may not use. Folders are
# libraries: reel/widgets/ (and reel/widgets.h) is the widgets library,
# reel/network/ (and reel/network.h) the network library, every other folder
# core; reel/reel.h holds all three.
#   core     reel headers of core; no Qt module but Qt Core; no curl
#   widgets  core and widgets; Qt Core, Gui, Widgets, OpenGL and D-Bus; no curl
#   network  core and network; Qt Core and curl
# Subsystems are layered, lowest first: a folder includes from its own layer
# and those below it only, so the include graph has no cycle.
cmake_policy(VERSION 3.21)
set(layers base plist core strings dialogs files prefs numbers task text media system network widgets)
set(allowed_core core)
set(allowed_widgets core widgets)
set(allowed_network core network)
set(qt_core QtCore)
set(qt_widgets QtCore QtGui QtWidgets QtOpenGL QtDBus)
set(qt_network QtCore)

# The subsystem of a path under reel/ ("" for the umbrella headers) and its
# library ("umbrella" for reel/reel.h).
function(place_of file subsystem library)
  set(sub "")
  if(file MATCHES "^reel/([^/]+)/")
    set(sub ${CMAKE_MATCH_1})
  elseif(file MATCHES "^reel/([^/]+)\\.h$")
    set(sub ${CMAKE_MATCH_1})
  endif()
  if(file STREQUAL "reel/reel.h")
    set(lib umbrella)
  elseif(sub STREQUAL "widgets" OR sub STREQUAL "network")
    set(lib ${sub})
  else()
    set(lib core)
  endif()
  set(${subsystem} ${sub} PARENT_SCOPE)
  set(${library} ${lib} PARENT_SCOPE)
endfunction()

set(faults "")
foreach(file IN LISTS FILES)
  place_of(${file} mine component)
  if(component STREQUAL "umbrella")
    continue()
  endif()
  list(FIND layers "${mine}" myLayer)
  file(STRINGS ${ROOT}/${file} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(NOT line MATCHES "#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
      continue()
    endif()
    set(included ${CMAKE_MATCH_1})
    if(included MATCHES "^reel/")
      place_of(${included} theirSub theirs)
      if(NOT theirs IN_LIST allowed_${component})
        list(APPEND faults "${file} (${component}) includes ${included} (${theirs})")
      else()
        list(FIND layers "${theirSub}" theirLayer)
        if(myLayer GREATER_EQUAL 0 AND theirLayer GREATER myLayer)
          list(APPEND faults "${file} (${mine}) includes ${included} (${theirSub}, a higher layer)")
        endif()
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
