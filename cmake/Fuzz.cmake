# The libFuzzer target for the design file reader, built only with -DTARNWELL_FUZZ=ON. The core
# library is instrumented for coverage and the sanitizers; the target links libFuzzer's main and
# nothing of the window.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "TARNWELL_FUZZ needs clang, which brings libFuzzer; this compiler is "
                      "${CMAKE_CXX_COMPILER_ID}. Configure a fresh build folder with CC=clang CXX=clang++ "
                      "(scripts/fuzz.sh does).")
endif()

set(TARNWELL_FUZZ_CHECKS -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
target_compile_options(tarnwell_core PRIVATE -fsanitize=fuzzer-no-link,address,undefined ${TARNWELL_FUZZ_CHECKS})
# Whatever links the instrumented library needs the sanitizers' runtime.
target_link_options(tarnwell_core INTERFACE -fsanitize=address,undefined)

add_executable(fuzz_readdesign ${CMAKE_SOURCE_DIR}/fuzz/fuzz_readdesign.cpp)
target_compile_options(fuzz_readdesign PRIVATE -fsanitize=fuzzer,address,undefined ${TARNWELL_FUZZ_CHECKS})
target_link_options(fuzz_readdesign PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_libraries(fuzz_readdesign PRIVATE tarnwell_core)
