# Runs tambrel-cli once with the arguments of ARGS (a ;-list) and checks what it did:
#
#   STATUS       the exit status (default 0)
#   LINES        the number of lines on standard output
#   FIRST        the first line of standard output, exactly; a "$" at its end marks where the
#                line ends, so that trailing blanks survive the command line
#   CONTAINS     a line that standard output must hold, exactly
#   ERROR        a text that standard error must contain; without it, standard error is empty
#   SAME_AS      other arguments, joined by "|", whose standard output must be the same
#
# Usage: cmake -DCLI=<tambrel-cli> -DARGS=... [checks] -P run_cli.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT CLI)
  message(FATAL_ERROR "usage: cmake -DCLI=<tambrel-cli> -DARGS=... -P run_cli.cmake")
endif()
if(DEFINED FIRST)
  string(REGEX REPLACE "\\$$" "" FIRST "${FIRST}")
endif()
if(DEFINED SAME_AS)
  string(REPLACE "|" ";" SAME_AS "${SAME_AS}")
endif()
if(NOT DEFINED STATUS)
  set(STATUS 0)
endif()

execute_process(COMMAND "${CLI}" ${ARGS}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)

set(failures "")
if(NOT status STREQUAL STATUS)
  string(APPEND failures "exit status ${status}, expected ${STATUS}\n")
endif()

# Lines as a list; entries end in a blank, which must survive.
string(REPLACE ";" "\\;" escaped "${output}")
string(REGEX REPLACE "\n$" "" escaped "${escaped}")
if(escaped STREQUAL "")
  set(printed "")
else()
  string(REPLACE "\n" ";" printed "${escaped}")
endif()
list(LENGTH printed count)

if(DEFINED LINES AND NOT count EQUAL LINES)
  string(APPEND failures "${count} lines printed, expected ${LINES}\n")
endif()
if(DEFINED FIRST)
  if(count EQUAL 0)
    string(APPEND failures "nothing printed, expected first line '${FIRST}'\n")
  else()
    list(GET printed 0 first)
    if(NOT first STREQUAL FIRST)
      string(APPEND failures "first line '${first}', expected '${FIRST}'\n")
    endif()
  endif()
endif()
if(DEFINED CONTAINS)
  list(FIND printed "${CONTAINS}" at)
  if(at EQUAL -1)
    string(APPEND failures "no line '${CONTAINS}'\n")
  endif()
endif()
if(DEFINED ERROR)
  string(FIND "${errors}" "${ERROR}" at)
  if(at EQUAL -1)
    string(APPEND failures "standard error lacks '${ERROR}': ${errors}\n")
  endif()
elseif(NOT errors STREQUAL "")
  string(APPEND failures "standard error: ${errors}\n")
endif()
if(DEFINED SAME_AS)
  execute_process(COMMAND "${CLI}" ${SAME_AS} OUTPUT_VARIABLE other RESULT_VARIABLE other_status)
  if(output STREQUAL "")
    string(APPEND failures "nothing printed to compare\n")
  elseif(NOT other STREQUAL output)
    string(APPEND failures "output differs from that of: ${SAME_AS}\n")
  endif()
endif()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "tambrel-cli ${ARGS}:\n${failures}output was:\n${output}")
endif()
