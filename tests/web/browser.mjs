// What the page's browser tests share: the built page served on a free port, Debian's
// Chromium driven headless by playwright-core, and the terminal's session to compare with.
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

const webDir = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'web');
const { chromium } = createRequire(join(webDir, 'package.json'))('playwright-core');
const { servePage } = await import(join(webDir, 'serve.mjs'));

export const options = parseArgs({
  options: { page: { type: 'string' }, cli: { type: 'string' }, shots: { type: 'string' }, actions: { type: 'string' } },
  strict: false,
}).values;

// The browser as the machine runs it: no sandbox as root, no network beyond the page's server,
// sound allowed without a gesture (the tests' clicks are gestures all the same).
export async function openBrowser() {
  const server = await servePage(options.page, 0);
  const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required'],
  });
  const url = `http://127.0.0.1:${server.address().port}/`;
  return {
    url,
    browser,
    async close() {
      await browser.close();
      server.close();
    },
  };
}

// A page of its own, with every console error and uncaught exception kept.
export async function openPage(browser, url, viewport = { width: 1400, height: 1000 }) {
  const context = await browser.newContext({ viewport });
  const page = await context.newPage();
  const problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warning') problems.push(`console ${message.type()}: ${message.text()}`);
  });
  page.on('pageerror', (error) => problems.push(`uncaught: ${error.message}`));
  await page.goto(url);
  await page.waitForFunction(() => document.body.classList.contains('ready'));
  return { page, problems, context };
}

// The terminal's session after `lines`: each printed line, parsed.
export function cliSession(lines) {
  const printed = execFileSync(options.cli, ['--script'], { input: `${lines.join('\n')}\n`, encoding: 'utf8' });
  return printed.trim().split('\n').filter(Boolean).map((line) => JSON.parse(line));
}

// The six frets of a state's voicing entry as the page's data-frets write them.
export function fretText(entry) {
  return entry.trim().split(' ').slice(1, 7).map((fret) => (fret === '99' ? 'x' : String(Math.abs(Number(fret))))).join(' ');
}

// What the page shows of the session's state, read from its hooks.
export function shown(page) {
  return page.evaluate(() => ({
    symbol: document.querySelector('#symbol').value,
    count: Number(document.querySelector('#count').textContent),
    frets: Array.from(document.querySelectorAll('#results svg[data-frets]'), (svg) => svg.getAttribute('data-frets')),
    names: Array.from(document.querySelectorAll('#names > *'), (item) => item.textContent),
    plainName: document.querySelector('#plain-name').textContent,
    formation: document.querySelector('#formation').textContent,
  }));
}
