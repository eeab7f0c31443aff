#!/usr/bin/env bash
# Installs what Tambrel needs on a Debian 12 machine (only what is missing) and builds it.
# Sourced by run.sh and test.sh.
set -euo pipefail

TAMBREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TAMBREL_BUILD="${TAMBREL_BUILD:-$TAMBREL_ROOT/build}"
TAMBREL_WEB_BUILD="${TAMBREL_WEB_BUILD:-$TAMBREL_ROOT/build-web}"

TAMBREL_PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev fonts-liberation2 poppler-utils
  libfluidsynth-dev fluid-soundfont-gm librtmidi-dev
  nlohmann-json3-dev libcli11-dev libpugixml-dev
  chordii python3-mido ghostscript
  libgtest-dev libgmock-dev libbenchmark-dev
  clang clang-tidy libclang-rt-14-dev
  dpkg-dev file lintian appstream man-db
  emscripten chromium timgm6mb-soundfont librsvg2-bin
)

tambrel_install_packages() {
  local missing=()
  for package in "${TAMBREL_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  # Node.js with npm may come from Debian or from elsewhere; Debian's only when there is none.
  command -v npm >/dev/null || missing+=(nodejs npm)
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then sudo=(sudo); else
      echo "Tambrel needs these packages, and installing them needs root: ${missing[*]}" >&2
      return 1
    fi
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

tambrel_build() {
  cmake -S "$TAMBREL_ROOT" -B "$TAMBREL_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$TAMBREL_BUILD" -j"$(nproc)"
}

# The browser edition: the logic compiled to WebAssembly by Emscripten, then the page around it
# built from its npm packages (as the committed lock file fixes them) into $TAMBREL_WEB_BUILD/page.
tambrel_build_web() {
  # Emscripten's JavaScript optimiser needs Debian's Node modules.
  export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
  emcmake cmake -S "$TAMBREL_ROOT" -B "$TAMBREL_WEB_BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$TAMBREL_WEB_BUILD" -j"$(nproc)" --target tambrel_web tambrel_node
  local web="$TAMBREL_ROOT/web"
  if [ ! -f "$web/node_modules/.package-lock.json" ] || [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
    (cd "$web" && npm ci --no-audit --no-fund --loglevel=error)
  fi
  node "$web/build.mjs" --module-dir "$TAMBREL_WEB_BUILD/web" --out "$TAMBREL_WEB_BUILD/page"
}
