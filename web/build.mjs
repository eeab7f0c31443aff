// Builds the page: one folder of static files that can be served from anywhere as it is.
//   node build.mjs --module-dir BUILD_WEB/web --out BUILD_WEB/page
// The WebAssembly module comes from the Emscripten build; the synthesiser from npm; the
// SoundFont from Debian's timgm6mb-soundfont package; the icons are drawn from the program's.
import { build } from 'esbuild';
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, readdirSync, rmSync, statSync } from 'node:fs';
import { dirname, join, relative, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

const here = dirname(fileURLToPath(import.meta.url));
const { values } = parseArgs({ options: { 'module-dir': { type: 'string' }, out: { type: 'string' } } });
if (!values['module-dir'] || !values.out) {
  console.error('usage: node build.mjs --module-dir DIR --out DIR');
  process.exit(2);
}
const moduleDir = resolve(values['module-dir']);
const out = resolve(values.out);
const SOUNDFONT = '/usr/share/sounds/sf2/TimGM6mb.sf2';
const synth = join(here, 'node_modules', 'js-synthesizer');

rmSync(out, { recursive: true, force: true });
mkdirSync(join(out, 'sound'), { recursive: true });

await build({
  entryPoints: [join(here, 'src', 'main.ts')],
  outfile: join(out, 'tambrel.js'),
  bundle: true,
  format: 'esm',
  target: 'es2022',
  minify: true,
  sourcemap: false,
  legalComments: 'none',
  alias: { 'tambrel-module': join(moduleDir, 'tambrel.mjs') },
  logLevel: 'warning',
});
await build({
  entryPoints: [join(here, 'page', 'tambrel.css')],
  outfile: join(out, 'tambrel.css'),
  bundle: true,
  minify: true,
  logLevel: 'warning',
});

const copy = (from, to) => copyFileSync(from, join(out, to));
copy(join(here, 'page', 'index.html'), 'index.html');
copy(join(here, 'page', 'manifest.webmanifest'), 'manifest.webmanifest');
copy(join(here, '..', 'assets', 'tambrel.svg'), 'tambrel.svg');
copy(join(moduleDir, 'tambrel.wasm'), 'tambrel.wasm');
copy(join(synth, 'externals', 'libfluidsynth-2.4.6.js'), 'sound/libfluidsynth.js');
copy(join(synth, 'dist', 'js-synthesizer.worklet.min.js'), 'sound/js-synthesizer.worklet.js');
copy(SOUNDFONT, 'sound/TimGM6mb.sf2');
for (const size of [192, 512])
  execFileSync('rsvg-convert', ['-w', String(size), '-h', String(size), '-o', join(out, `tambrel-${size}.png`),
    join(here, '..', 'assets', 'tambrel.svg')]);

// The service worker keeps every file of this build, under a name that changes with them.
const files = [];
const walk = (folder) => {
  for (const name of readdirSync(folder)) {
    const path = join(folder, name);
    if (statSync(path).isDirectory()) walk(path);
    else files.push(relative(out, path));
  }
};
walk(out);
files.sort();
const version = createHash('sha256');
for (const file of files) version.update(file).update(readFileSync(join(out, file)));
await build({
  entryPoints: [join(here, 'src', 'service_worker.ts')],
  outfile: join(out, 'service_worker.js'),
  bundle: true,
  format: 'iife',
  target: 'es2022',
  minify: true,
  define: {
    PAGE_FILES: JSON.stringify(['./', ...files]),
    PAGE_VERSION: JSON.stringify(version.digest('hex').slice(0, 16)),
  },
  logLevel: 'warning',
});
console.log(`The page is in ${out}`);
