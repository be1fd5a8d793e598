# qpz_add_test(NAME SOURCES... LIBS ...)
# One Qt Test executable per subsystem, registered with CTest and run headless.
function(qpz_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE
    QPZ_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    QPZ_BIN_DIR="${QPZ_OUTPUT_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;DBUS_SESSION_BUS_ADDRESS=disabled:"
    TIMEOUT 300)
endfunction()
