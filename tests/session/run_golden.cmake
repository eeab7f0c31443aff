# Runs `tambrel-cli --script` on a recorded session and compares what it prints, byte for byte,
# with the answer recorded when the session was made (NAME.expected beside NAME.script). The
# exit status is 1 when the recorded answer holds an error line, else 0.
#
# Usage: cmake -DCLI=<tambrel-cli> -DSCRIPT=<file> -DACTUAL=<file to write> -P run_golden.cmake
cmake_minimum_required(VERSION 3.25)

string(REGEX REPLACE "\\.script$" ".expected" expected "${SCRIPT}")
execute_process(
  COMMAND "${CLI}" --script
  INPUT_FILE "${SCRIPT}"
  OUTPUT_FILE "${ACTUAL}"
  RESULT_VARIABLE status)

file(READ "${expected}" answer)
string(FIND "${answer}" "{\"error\":" first_error)
if(first_error EQUAL -1)
  set(wanted_status 0)
else()
  set(wanted_status 1)
endif()
if(NOT status EQUAL wanted_status)
  message(SEND_ERROR "exit status ${status}, expected ${wanted_status}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${ACTUAL}" "${expected}"
                RESULT_VARIABLE different)
if(different)
  message(SEND_ERROR "the session's output differs from ${expected}: see ${ACTUAL} "
                     "(for instance: diff ${ACTUAL} ${expected})")
endif()
