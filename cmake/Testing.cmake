# kalvenrod_add_test(NAME SOURCES src... LIBS lib...)
# A GoogleTest program in build/tests, its cases listed to CTest one by one.
# Tests run off screen (QT_QPA_PLATFORM=offscreen) with their own config folder.
set(KALVENROD_TEST_DIR ${CMAKE_BINARY_DIR}/tests)

function(kalvenrod_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  set_target_properties(${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${KALVENROD_TEST_DIR}
    BUILD_RPATH "${KALVENROD_BIN_DIR}")
  target_compile_definitions(${name} PRIVATE
    KALVENROD_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    KALVENROD_BIN_DIR="${KALVENROD_BIN_DIR}"
    KALVENROD_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${KALVENROD_TEST_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${KALVENROD_TEST_DIR}/config-${name}")
endfunction()
