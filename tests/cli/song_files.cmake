# tambrel-cli's songs in files: a file read as the same text typed, a file too large refused, a
# place that cannot be written refused with nothing left behind, and the ChordPro written read
# back to the same lines; with CHORDII, that chordii draws every chord of the written file.
#
# Usage: cmake -DCLI=<tambrel-cli> -DSONGS=<folder of songs> -DWORK=<scratch folder>
#              [-DCHORDII=<chordii>] -P song_files.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(failures "")

function(run out err status)
  execute_process(COMMAND "${CLI}" ${ARGN} WORKING_DIRECTORY "${WORK}"
    OUTPUT_VARIABLE o ERROR_VARIABLE e RESULT_VARIABLE s)
  set(${out} "${o}" PARENT_SCOPE)
  set(${err} "${e}" PARENT_SCOPE)
  set(${status} "${s}" PARENT_SCOPE)
endfunction()

# Appends `text` to the failures unless the condition (the remaining arguments) holds.
function(expect text)
  if(NOT (${ARGN}))
    set(failures "${failures}${text}\n" PARENT_SCOPE)
  endif()
endfunction()

if(CHORDII)
  # Chords chordii does not know: it says so, until Tambrel's defines draw them.
  file(WRITE "${WORK}/hard.cho"
    "{title: Hard chords}\n[G#6]one [Bbmaj7]two [C7#9]three\n[Dm7b5]four [F/A]five\n")
  execute_process(COMMAND "${CHORDII}" -o hard.ps hard.cho WORKING_DIRECTORY "${WORK}"
    OUTPUT_QUIET ERROR_VARIABLE before)
  expect("chordii knew G#6 already: ${before}"
  before MATCHES "chord 'G#6' has never been defined")
  run(out err status --song hard.cho --chordpro drawn.cho --no-fingers)
  expect("--chordpro for chordii: status ${status}: ${err}"
  status EQUAL 0)
  execute_process(COMMAND "${CHORDII}" -o drawn.ps drawn.cho WORKING_DIRECTORY "${WORK}"
    OUTPUT_QUIET ERROR_VARIABLE after RESULT_VARIABLE drawn)
  expect("chordii failed on Tambrel's file: ${after}"
  drawn EQUAL 0)
  expect("chordii still warns: ${after}"
  NOT after MATCHES "never been defined|syntax error")
  file(SIZE "${WORK}/drawn.ps" size)
  expect("chordii drew nothing"
  size GREATER 1000)
  return()
endif()

# A file gives what its text typed gives.
run(typed typedErr typedStatus --song "| C Am | F G7 |")
run(read readErr readStatus --song "${SONGS}/lead_sheet.txt")
expect("a lead sheet file: ${read}${readErr}"
  typed STREQUAL read AND readStatus EQUAL 0)

# ChordPro: its capo and its define hold; annotations are no chords.
run(out err status --song "${SONGS}/four_chords.cho")
expect("four_chords.cho: ${out}${err}"
  out MATCHES "^C\t[^\n]*\nAm\tx x 4 2 2 2\nF\t[^\n]*\nG7\t[^\n]*\ncapo 3\n$")
# Written and read back: the same lines, the file's own lines kept.
run(written err status --song "${SONGS}/four_chords.cho" --chordpro again.cho)
expect("--chordpro changed the output: ${written}${err}"
  written STREQUAL out AND status EQUAL 0)
run(back err status --song again.cho)
expect("read back: ${back}${err}"
  back STREQUAL out)
file(READ "${WORK}/again.cho" again)
expect("the written file: ${again}"
  again MATCHES "^{title: Four chords}\n{capo: 3}\n{define: C base-fret")
expect("the written file: ${again}"
  again MATCHES "\n{define: Am base-fret 1 frets x x 4 2 2 2 fingers 0 0 4 1 2 3}\n")
expect("the lyrics: ${again}"
  again MATCHES "\n\\[C\\]Here they \\[Am\\]come, the \\[F\\]four\n\\[G7\\]chords \\[\\*Rit.\\] again\n$")

# Refusals.
string(REPEAT "C Am F G7\n" 110000 huge)
file(WRITE "${WORK}/huge.txt" "${huge}")
run(out err status --song huge.txt)
expect("a file too large: ${status} ${err}"
  status EQUAL 1 AND err MATCHES "larger than" AND NOT out MATCHES ".")
run(out err status --song "${SONGS}/lead_sheet.txt" --chordpro "${WORK}/no/such/folder/x.cho")
expect("an unwritable place: ${status} ${err}"
  status EQUAL 1 AND err MATCHES "cannot be written")
expect("something was left behind"
  NOT EXISTS "${WORK}/no")
run(out err status --chordpro x.cho C)
expect("--chordpro without --song: ${status}"
  status EQUAL 2)

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
