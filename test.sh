#!/usr/bin/env bash
# Installs what is missing, builds Tambrel and runs the whole test suite: the normal build,
# then the logic again under AddressSanitizer and UndefinedBehaviorSanitizer with the fuzzer's
# regression corpus.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
tambrel_install_packages

export QT_QPA_PLATFORM=offscreen
# Explicitly on: ./run.sh builds the same tree without them.
tambrel_build -DTAMBREL_TESTS=ON -DTAMBREL_BENCH=ON -DTAMBREL_GUI=ON -DTAMBREL_SOUND=ON
(cd "$TAMBREL_BUILD" && ctest --output-on-failure -j"$(nproc)")

SANITIZED="$TAMBREL_ROOT/build-sanitize"
CC=clang CXX=clang++ TAMBREL_BUILD="$SANITIZED" tambrel_build \
  -DTAMBREL_GUI=OFF -DTAMBREL_SOUND=OFF -DTAMBREL_BENCH=OFF -DTAMBREL_SANITIZE=ON -DTAMBREL_FUZZ=ON
(cd "$SANITIZED" && ctest --output-on-failure -j"$(nproc)")
