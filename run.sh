#!/usr/bin/env bash
# Installs what is missing, builds Tambrel and starts it. With --web: builds the browser edition
# and serves it on http://localhost:8080 (TAMBREL_WEB_PORT chooses another port).
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
tambrel_install_packages
if [ "${1:-}" = "--web" ]; then
  tambrel_build_web
  exec node "$TAMBREL_ROOT/web/serve.mjs" "$TAMBREL_WEB_BUILD/page" "${TAMBREL_WEB_PORT:-8080}"
fi
tambrel_build -DTAMBREL_TESTS=OFF -DTAMBREL_BENCH=OFF
exec "$TAMBREL_BUILD/app/tambrel" "$@"
