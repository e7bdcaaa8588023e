# Lists a QtTest binary's functions and data rows and writes one add_test per row.
# EMULATOR runs a cross-built binary (wine for Windows); it goes into the test commands too.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${EMULATOR} ${TEST_EXE} -datatags
  OUTPUT_VARIABLE listing
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TEST_EXE} -datatags failed: ${result}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(content "")
foreach(line IN LISTS lines)
  string(STRIP "${line}" line)
  if(line STREQUAL "")
    continue()
  endif()
  # "<Class> <function>" or "<Class> <function> <data tag with spaces>"
  if(NOT line MATCHES "^([^ ]+) ([^ ]+)( (.*))?$")
    continue()
  endif()
  set(function "${CMAKE_MATCH_2}")
  set(tag "${CMAKE_MATCH_4}")
  if(function STREQUAL "initTestCase" OR function STREQUAL "cleanupTestCase")
    continue()
  endif()
  if(tag STREQUAL "")
    set(selector "${function}")
  else()
    set(selector "${function}:${tag}")
  endif()
  string(REPLACE "\"" "\\\"" quoted "${selector}")
  set(command "")
  foreach(part IN LISTS EMULATOR)
    string(APPEND command "\"${part}\" ")
  endforeach()
  string(APPEND content
    "add_test(\"${TEST_NAME}.${quoted}\" ${command}\"${TEST_EXE}\" \"${quoted}\")\n"
    "set_tests_properties(\"${TEST_NAME}.${quoted}\" PROPERTIES ENVIRONMENT \"QT_QPA_PLATFORM=offscreen\" TIMEOUT 600)\n")
endforeach()
file(WRITE ${OUT_FILE} "${content}")
