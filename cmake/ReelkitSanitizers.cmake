# The test build runs under AddressSanitizer and UndefinedBehaviorSanitizer;
# any report aborts the process, so a memory error or undefined behaviour fails
# the test that caused it.
if(REELKIT_SANITIZE)
  set(_reelkit_san
    -fsanitize=address,undefined,float-cast-overflow
    -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  add_compile_options(${_reelkit_san})
  add_link_options(${_reelkit_san})
endif()
