# Runs `tambrel-cli --script` on one script file and checks the expectations written in the
# script's own comment lines, which the session skips:
#
#   #! exit N              the exit status
#   #lines N               the number of lines printed
#   #= L path JSON         member `path` (dots between keys or indices) of printed line L
#                          (counted from 0) equals JSON
#   #~ L path TEXT         that member is a text containing TEXT
#
# Usage: cmake -DCLI=<tambrel-cli> -DSCRIPT=<file> -P run_script.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT CLI OR NOT SCRIPT)
  message(FATAL_ERROR "usage: cmake -DCLI=<tambrel-cli> -DSCRIPT=<file> -P run_script.cmake")
endif()

execute_process(
  COMMAND "${CLI}" --script
  INPUT_FILE "${SCRIPT}"
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)

string(REGEX REPLACE "\n$" "" output "${output}")
if(output STREQUAL "")
  set(printed "")
else()
  string(REPLACE "\n" ";" printed "${output}")
endif()
list(LENGTH printed printed_count)

set(failures 0)
macro(fail text)
  message(SEND_ERROR "${text}")
  math(EXPR failures "${failures} + 1")
endmacro()

# The member at `path` of printed line `index`, with its JSON type.
function(member index path out_value out_type)
  if(index GREATER_EQUAL printed_count)
    set(${out_type} "MISSING-LINE" PARENT_SCOPE)
    return()
  endif()
  list(GET printed ${index} line)
  string(REPLACE "." ";" keys "${path}")
  string(JSON type ERROR_VARIABLE problem TYPE "${line}" ${keys})
  if(problem)
    set(${out_type} "MISSING: ${problem}" PARENT_SCOPE)
    return()
  endif()
  string(JSON value GET "${line}" ${keys})
  set(${out_value} "${value}" PARENT_SCOPE)
  set(${out_type} "${type}" PARENT_SCOPE)
endfunction()

set(expected_status 0)
set(expected_lines "")
file(STRINGS "${SCRIPT}" script_lines ENCODING UTF-8)
foreach(line IN LISTS script_lines)
  if(line MATCHES "^#! exit ([0-9]+)$")
    set(expected_status "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^#lines ([0-9]+)$")
    set(expected_lines "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^#= ([0-9]+) ([^ ]+) (.+)$")
    set(index "${CMAKE_MATCH_1}")
    set(path "${CMAKE_MATCH_2}")
    set(expected "${CMAKE_MATCH_3}")
    member(${index} "${path}" actual actual_type)
    string(JSON expected_type ERROR_VARIABLE problem TYPE "[${expected}]" 0)
    if(problem)
      fail("bad expectation '${line}': ${problem}")
    elseif(NOT actual_type STREQUAL expected_type)
      fail("line ${index} ${path}: expected ${expected} (${expected_type}), got ${actual_type} ${actual}")
    elseif(actual_type STREQUAL "ARRAY" OR actual_type STREQUAL "OBJECT")
      string(JSON same EQUAL "${actual}" "${expected}")
      if(NOT same)
        fail("line ${index} ${path}: expected ${expected}, got ${actual}")
      endif()
    else()
      string(JSON expected_value GET "[${expected}]" 0)
      if(NOT actual STREQUAL expected_value)
        fail("line ${index} ${path}: expected '${expected_value}', got '${actual}'")
      endif()
    endif()
  elseif(line MATCHES "^#~ ([0-9]+) ([^ ]+) (.+)$")
    set(index "${CMAKE_MATCH_1}")
    set(path "${CMAKE_MATCH_2}")
    set(part "${CMAKE_MATCH_3}")
    member(${index} "${path}" actual actual_type)
    string(FIND "${actual}" "${part}" at)
    if(NOT actual_type STREQUAL "STRING" OR at EQUAL -1)
      fail("line ${index} ${path}: expected a text containing '${part}', got ${actual_type} '${actual}'")
    endif()
  endif()
endforeach()

if(NOT status STREQUAL expected_status)
  fail("exit status ${status}, expected ${expected_status}")
endif()
if(NOT expected_lines STREQUAL "" AND NOT printed_count EQUAL expected_lines)
  fail("${printed_count} lines printed, expected ${expected_lines}")
endif()
if(NOT errors STREQUAL "")
  fail("standard error: ${errors}")
endif()
if(failures GREATER 0)
  message(FATAL_ERROR "${SCRIPT}: ${failures} expectation(s) failed; output was:\n${output}")
endif()
