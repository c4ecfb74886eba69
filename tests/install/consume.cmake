# cmake -P script: install, configure the consumer, build it, run it.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
set(flags "")
if(SANITIZE)
  set(flags "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined,float-cast-overflow"
            "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined,float-cast-overflow")
endif()
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/consumer -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} ${flags})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
set(ENV{ASAN_OPTIONS} "detect_leaks=0")
# The toolkit makes its temporary folder (<Name>-<uid>) on first use: here,
# not in the system's.
file(MAKE_DIRECTORY ${WORK_DIR}/tmp)
set(ENV{TMPDIR} ${WORK_DIR}/tmp)
run(${WORK_DIR}/build/Consumer.app/Contents/MacOS/consumer)
string(FIND "${last_output}" "${WORK_DIR}/tmp/Consumer-" at)
if(NOT at EQUAL 0 OR NOT last_output MATCHES "/Consumer-[0-9]+\n$")
  message(FATAL_ERROR "unexpected output: ${last_output}")
endif()
