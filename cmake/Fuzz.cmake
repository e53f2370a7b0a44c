# The libFuzzer target for the design file reader, built only with -DTARNWELL_FUZZ=ON. The
# libraries are instrumented for coverage and the sanitizers; the target links libFuzzer's main.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "TARNWELL_FUZZ needs clang, which brings libFuzzer; this compiler is "
                      "${CMAKE_CXX_COMPILER_ID}. Configure a fresh build folder with CC=clang CXX=clang++ "
                      "(scripts/fuzz.sh does).")
endif()

set(TARNWELL_FUZZ_CHECKS -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
foreach(library tarnwell_core tarnwell_window)
  target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link,address,undefined ${TARNWELL_FUZZ_CHECKS})
  # Whatever links the instrumented libraries needs the sanitizers' runtime.
  target_link_options(${library} INTERFACE -fsanitize=address,undefined)
endforeach()

add_executable(fuzz_readdesign ${CMAKE_SOURCE_DIR}/fuzz/fuzz_readdesign.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/designchecks.cpp ${CMAKE_SOURCE_DIR}/tests/support/payloadchecks.cpp)
target_include_directories(fuzz_readdesign PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_options(fuzz_readdesign PRIVATE -fsanitize=fuzzer,address,undefined ${TARNWELL_FUZZ_CHECKS})
target_link_options(fuzz_readdesign PRIVATE -fsanitize=fuzzer,address,undefined)
# The window checks it shares with the tests see the toolkit as the tests do.
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(fuzz_readdesign PRIVATE tarnwell_window Qt6::Test)
