# Where the tests find the build's programs and generated files: one generated header, included
# only by the tests that need it, so every other test file compiles alike in any build folder and
# ccache serves it from another checkout's build.
set(TOLVEX_TEST_PATHS_DIR ${CMAKE_BINARY_DIR}/generated/tests)
file(GENERATE OUTPUT ${TOLVEX_TEST_PATHS_DIR}/BuildPaths.h CONTENT "#pragma once
// Where this build keeps what the tests run and read (written by cmake/TolvexTest.cmake).
#define TOLVEX_PROGRAM \"$<TARGET_FILE:tolvex>\"
#define TOLVEX_SERVER_PROGRAM \"$<TARGET_FILE:tolvex-highscore-server>\"
#define TOLVEX_GFX_DIR \"${TOLVEX_GFX_DIR}\"
#define TOLVEX_SFX_DIR \"${TOLVEX_SFX_DIR}\"
#define TOLVEX_MUSIC_DIR \"${TOLVEX_GAME_DIR}/music\"
#define TOLVEX_PARTICLEGEN \"$<TARGET_FILE:tolvex_particlegen>\"
#define TOLVEX_FONTGEN \"$<TARGET_FILE:tolvex_fontgen>\"
#define TOLVEX_UIGEN \"$<TARGET_FILE:tolvex_uigen>\"
#define TOLVEX_PLANETGEN \"$<TARGET_FILE:tolvex_planetgen>\"
#define TOLVEX_FUZZ_INPUTS \"${PROJECT_SOURCE_DIR}/tests/fuzz\"
#define TOLVEX_TEST_OUTPUT_DIR \"${CMAKE_BINARY_DIR}/tests/ui\"
")

# What every test program shares: the build paths header, and the test framework's headers compiled
# once per program instead of once per file (they cost more to read than most test files
# themselves); without its time stamp clang's precompiled header comes out of ccache like any object.
function(tolvex_prepare_test_program name)
  target_include_directories(${name} PRIVATE ${TOLVEX_TEST_PATHS_DIR})
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <gmock/gmock.h>)
  target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:Clang>:-Xclang -fno-pch-timestamp>)
endfunction()

# A GoogleTest program over the game library. Tests run without a display or a
# sound card (tests/support/HeadlessDrivers.cpp), inside the build folder.
function(tolvex_add_test_program name)
  add_executable(${name} ${ARGN} ${PROJECT_SOURCE_DIR}/tests/support/HeadlessDrivers.cpp)
  target_link_libraries(${name} PRIVATE tolvex_core GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  tolvex_prepare_test_program(${name})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DISCOVERY_TIMEOUT 60)
endfunction()
