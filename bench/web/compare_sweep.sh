#!/usr/bin/env bash
# The search's sweep of every chord type, natively and as WebAssembly under Node, side by side.
#   bench/web/compare_sweep.sh BUILD BUILD_WEB [RUNS]
# BUILD holds tambrel_sweep_native (bench/web), BUILD_WEB the Emscripten build's
# tambrel-sweep.js (web). Prints both JSON lines and the ratio; exits 1 when the WebAssembly
# sweep is more than 3 times slower, or when the two found a different number of voicings.
set -euo pipefail

if [[ $# -lt 2 || $# -gt 3 ]]; then
  echo "usage: $0 BUILD BUILD_WEB [RUNS]" >&2
  exit 2
fi
native_program="$1/bench/web/tambrel_sweep_native"
wasm_program="$2/web/tambrel-sweep.js"
runs="${3:-5}"
for program in "$native_program" "$wasm_program"; do
  if [[ ! -f "$program" ]]; then
    echo "$program is missing: build tambrel_sweep_native and, with emcmake, tambrel_sweep_wasm" >&2
    exit 2
  fi
done

native="$("$native_program" "$runs")"
wasm="$(node "$wasm_program" "$runs")"
echo "native:      $native"
echo "WebAssembly: $wasm"

# The JSON is read by Node, which the WebAssembly side needs anyway.
NATIVE="$native" WASM="$wasm" node -e '
  const native = JSON.parse(process.env.NATIVE);
  const wasm = JSON.parse(process.env.WASM);
  const ratio = wasm.bestMs / native.bestMs;
  console.log(`WebAssembly / native: ${ratio.toFixed(2)}`);
  let failed = false;
  if (ratio > 3) {
    console.error(`the WebAssembly sweep is ${ratio.toFixed(2)} times slower than the native one (more than 3)`);
    failed = true;
  }
  if (wasm.voicings !== native.voicings) {
    console.error(`the voicing counts differ: native ${native.voicings}, WebAssembly ${wasm.voicings}`);
    failed = true;
  }
  process.exit(failed ? 1 : 0);
'
