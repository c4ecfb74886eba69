# cmake -DSOURCE_DIR=<reelkit> -DFIXTURE=<folder> -P layering.cmake
# Runs the dependency check on a core file that includes the network
# library, a subsystem above its own, a Qt module beyond Core and curl: each
# must be named.
execute_process(
  COMMAND ${CMAKE_COMMAND} -DROOT=${FIXTURE} "-DFILES=reel/core/leaky.cpp"
          -P ${SOURCE_DIR}/cmake/ReelkitLayering.cmake
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(rc EQUAL 0)
  message(FATAL_ERROR "the check let a leaky core file through")
endif()
foreach(fault "reel/core/leaky.cpp (core) includes reel/network/network.h (network)"
              "reel/core/leaky.cpp (core) includes reel/files/listing.h (files, a higher layer)"
              "reel/core/leaky.cpp (core) includes QtWidgets/QWidget"
              "reel/core/leaky.cpp (core) includes curl/curl.h")
  string(FIND "${out}" "${fault}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "not named: ${fault}\n${out}")
  endif()
endforeach()
string(FIND "${out}" "reel/core/log.h" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "a core header was named:\n${out}")
endif()
