# The test framework's headers, compiled once per test program instead of once per file: they cost
# more to read than most test files themselves. Without its time stamp clang's header can come out
# of ccache like any object.
function(tolvex_precompile_test_headers name)
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <gmock/gmock.h>)
  target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:Clang>:-Xclang -fno-pch-timestamp>)
endfunction()

# A GoogleTest program over the game library. Tests run without a display or a
# sound card (tests/support/HeadlessDrivers.cpp), inside the build folder.
function(tolvex_add_test_program name)
  add_executable(${name} ${ARGN} ${PROJECT_SOURCE_DIR}/tests/support/HeadlessDrivers.cpp)
  target_link_libraries(${name} PRIVATE tolvex_core GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  tolvex_precompile_test_headers(${name})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DISCOVERY_TIMEOUT 60)
endfunction()
