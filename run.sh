#!/usr/bin/env bash
# Installs what is missing, builds Tambrel and starts it.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
tambrel_install_packages
tambrel_build -DTAMBREL_TESTS=OFF -DTAMBREL_BENCH=OFF
exec "$TAMBREL_BUILD/app/tambrel" "$@"
