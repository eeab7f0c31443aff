// The page's speed, served from this machine to headless Chromium:
//   node bench/web/page_speed.mjs --page BUILD_WEB/page
// - from the start of loading to the first painted results, best of five loads: under 1.5 s;
// - the page's WebAssembly, JavaScript and CSS compressed (the SoundFont apart): under 1 MB;
// - the largest result, 2066 diagrams (A7/11 over E up to fret 24), from the click that searches
//   it to the painted page: under 250 ms.
// Prints one JSON line; exits 1 when a target is missed.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { openBrowser, openPage, options } from '../../tests/web/browser.mjs';

const LOAD_MS = 1500;
const BYTES = 1024 * 1024;
const LARGEST_MS = 250;

const shipped = ['tambrel.js', 'tambrel.css', 'tambrel.wasm', 'index.html', 'service_worker.js', 'manifest.webmanifest',
  'sound/libfluidsynth.js', 'sound/js-synthesizer.worklet.js'];
const compressed = shipped.reduce((sum, file) => sum + gzipSync(readFileSync(join(options.page, file)), { level: 9 }).length, 0);

const browser = await openBrowser();
const loads = [];
for (let n = 0; n < 5; ++n) {
  const context = await browser.browser.newContext({ viewport: { width: 1400, height: 1000 } });
  const page = await context.newPage();
  await page.goto(browser.url, { waitUntil: 'commit' });
  // Time since the navigation started, taken in the frame after the first diagram is drawn.
  loads.push(await page.evaluate(() => new Promise((painted) => {
    const look = () => {
      if (document.querySelector('#results svg[data-frets] use')) requestAnimationFrame(() => painted(performance.now()));
      else requestAnimationFrame(look);
    };
    look();
  })));
  await context.close();
}

const { page } = await openPage(browser.browser, browser.url);
const largest = await page.evaluate(() => {
  const session = window.tambrelPage;
  for (const line of ['fret 24', 'root 9', 'bass 4', 'view mod2']) session.act(line);
  const row = document.querySelector('#chord-types button:nth-child(19)');
  return new Promise((painted) => {
    const start = performance.now();
    row.click();
    requestAnimationFrame(() => setTimeout(() => painted({
      ms: performance.now() - start,
      diagrams: document.querySelectorAll('#results svg[data-frets]').length,
    }), 0));
  });
});
await browser.close();

const report = {
  loadMs: Math.round(Math.min(...loads)),
  compressedBytes: compressed,
  largestDiagrams: largest.diagrams,
  largestMs: Math.round(largest.ms),
};
console.log(JSON.stringify(report));
const missed = [];
if (report.loadMs > LOAD_MS) missed.push(`load ${report.loadMs} ms > ${LOAD_MS}`);
if (compressed > BYTES) missed.push(`${compressed} bytes compressed > ${BYTES}`);
if (largest.diagrams !== 2066) missed.push(`the largest result has ${largest.diagrams} diagrams, not 2066`);
if (report.largestMs > LARGEST_MS) missed.push(`the largest result took ${report.largestMs} ms > ${LARGEST_MS}`);
if (missed.length) {
  console.error(missed.join('\n'));
  process.exit(1);
}
