# A GoogleTest program over the game library. Tests run without a display or a
# sound card (tests/support/HeadlessDrivers.cpp), inside the build folder.
function(tolvex_add_test_program name)
  add_executable(${name} ${ARGN} ${PROJECT_SOURCE_DIR}/tests/support/HeadlessDrivers.cpp)
  target_link_libraries(${name} PRIVATE tolvex_core GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DISCOVERY_TIMEOUT 60)
endfunction()
