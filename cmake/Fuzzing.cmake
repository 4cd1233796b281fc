include_guard(GLOBAL)
# The fuzzing build (-DTOLVEX_FUZZ=ON, clang only): the game library and the fuzz targets carry
# libFuzzer's coverage hooks, AddressSanitizer and UndefinedBehaviorSanitizer; the build-time
# tools stay uninstrumented, so drawing the artwork costs no more than in a normal build.
option(TOLVEX_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(TOLVEX_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "TOLVEX_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang")
endif()
set(TOLVEX_FUZZ_SANITIZERS address,undefined)

# Instruments a library for fuzzing; does nothing in other builds.
function(tolvex_instrument_for_fuzzing target)
  if(TOLVEX_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,${TOLVEX_FUZZ_SANITIZERS}
                           -fno-sanitize-recover=all -fno-omit-frame-pointer)
  endif()
endfunction()

# Makes a libFuzzer program: the instrumented entry linked with libFuzzer's own main.
function(tolvex_link_fuzzer target)
  tolvex_instrument_for_fuzzing(${target})
  target_link_options(${target} PRIVATE -fsanitize=fuzzer,${TOLVEX_FUZZ_SANITIZERS})
endfunction()
