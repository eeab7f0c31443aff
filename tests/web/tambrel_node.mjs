// The WebAssembly session for Node: the module that web/CMakeLists.txt builds as tambrel-node.cjs
// beside tambrel-node.wasm, loaded from that folder.
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';

// The module's factory, ready: `new module.WebSession()` is a fresh session. Node's own fetch
// cannot read a file path, so the module is handed the WebAssembly bytes instead of fetching them.
export async function loadTambrel(moduleDir) {
  const cjsPath = path.resolve(moduleDir, 'tambrel-node.cjs');
  const wasmPath = path.resolve(moduleDir, 'tambrel-node.wasm');
  for (const file of [cjsPath, wasmPath]) {
    if (!fs.existsSync(file)) {
      throw new Error(`${file} is missing: build the target tambrel_node with emcmake first`);
    }
  }
  const createTambrel = createRequire(import.meta.url)(cjsPath);
  return createTambrel({ wasmBinary: fs.readFileSync(wasmPath) });
}
