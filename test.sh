#!/usr/bin/env bash
# Installs what is missing, builds Tambrel and runs the whole test suite: the browser edition
# (its page tested in Chromium within the normal build's tests), the normal build,
# then the logic and the window again under AddressSanitizer and UndefinedBehaviorSanitizer
# with the fuzzer's regression corpus (the window's tests record their MIDI: no sound devices
# there), then the sound devices' player thread under ThreadSanitizer. The program's sources
# are held to .clang-tidy after the normal build.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
tambrel_install_packages

export QT_QPA_PLATFORM=offscreen
# The browser edition first: the normal build's tests hold its page and module to the terminal.
tambrel_build_web
# Explicitly on: ./run.sh builds the same tree without them. The suite reads no debugger's
# information, and writing it is a third of the build's time: the same optimisation without it.
tambrel_build -DTAMBREL_TESTS=ON -DTAMBREL_BENCH=ON -DTAMBREL_GUI=ON -DTAMBREL_SOUND=ON \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG" "-DTAMBREL_WEB_BUILD=$TAMBREL_WEB_BUILD"
(cd "$TAMBREL_BUILD" && ctest --output-on-failure -j"$(nproc)")

# The logic's sources under the fault-finding checks of .clang-tidy (the headers they include
# with them); any finding fails the suite. The Qt views are left to the sanitized run below:
# parsing the toolkit's headers for every one of them would take a quarter of the suite's time.
# `TAMBREL_TIDY_ALL=1 ./test.sh` holds every folder to it.
TIDIED="music|search|tuning|sound|window|session|song_files|cli|web"
[[ "${TAMBREL_TIDY_ALL:-0}" == 1 ]] && TIDIED="$TIDIED|display|app|assets"
run-clang-tidy -p "$TAMBREL_BUILD" -j "$(nproc)" -quiet "$TAMBREL_ROOT/($TIDIED)/.*\.cpp$" \
  > "$TAMBREL_BUILD/clang-tidy.log" 2>&1 || { grep -E "(warning|error):" "$TAMBREL_BUILD/clang-tidy.log" >&2; echo "clang-tidy found faults: see $TAMBREL_BUILD/clang-tidy.log" >&2; exit 1; }

SANITIZED="$TAMBREL_ROOT/build-sanitize"
CC=clang CXX=clang++ TAMBREL_BUILD="$SANITIZED" tambrel_build \
  -DTAMBREL_GUI=ON -DTAMBREL_SOUND=OFF -DTAMBREL_BENCH=OFF -DTAMBREL_SANITIZE=ON -DTAMBREL_FUZZ=ON
(cd "$SANITIZED" && ctest --output-on-failure -j"$(nproc)")

# Only the sound tests: the player thread, the synthesiser's audio thread and the diagnostics
# they share. The memory test is left out: its figure means nothing under the sanitizer.
THREADED="$TAMBREL_ROOT/build-tsan"
CC=clang CXX=clang++ cmake -S "$TAMBREL_ROOT" -B "$THREADED" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAMBREL_TSAN=ON -DTAMBREL_GUI=OFF -DTAMBREL_SOUND=ON -DTAMBREL_TESTS=ON -DTAMBREL_BENCH=OFF \
  >/dev/null
cmake --build "$THREADED" -j"$(nproc)" --target sound_device_tests
# On a busy machine the sanitizer's slowdown can make the player miss a timing test's tolerance,
# so a test that fails is run again, up to three times. A race gets no second chance:
# ThreadSanitizer writes every report to a file, and any report fails the suite.
REPORTS="$THREADED/thread-reports"
rm -rf "$REPORTS" && mkdir -p "$REPORTS"
(cd "$THREADED" && TSAN_OPTIONS="log_path=$REPORTS/race" \
  ctest -L sound --output-on-failure --repeat until-pass:3)
if compgen -G "$REPORTS/race.*" >/dev/null; then
  cat "$REPORTS"/race.* >&2
  echo "ThreadSanitizer found a data race in the sound tests" >&2
  exit 1
fi
