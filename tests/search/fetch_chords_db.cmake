# Test data: installs the public chord database (npm @tombatossals/chords-db, MIT) into the
# build tree when it is not there yet. Without npm or a network the step says so and ends
# well: the test that reads the data then skips.
if(EXISTS "${DEST}/node_modules/@tombatossals/chords-db/lib/guitar.json")
  return()
endif()
find_program(NPM npm)
if(NOT NPM)
  message(STATUS "npm not found: the chord database test will skip")
  return()
endif()
file(MAKE_DIRECTORY "${DEST}")
execute_process(
  COMMAND "${NPM}" install --prefix "${DEST}" --no-audit --no-fund --no-save
          --fetch-retries=0 --fetch-timeout=20000 @tombatossals/chords-db@0.5.1
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors TIMEOUT 120)
if(NOT result EQUAL 0)
  message(STATUS "the chord database could not be installed (${result}): the test will skip")
endif()
