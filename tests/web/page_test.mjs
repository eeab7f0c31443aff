// The page in a real browser, driven as a user drives it, held to the terminal's session: after
// each action it must show what `tambrel-cli --script` shows for the same commands.
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { cliSession, fretText, openBrowser, openPage, options, shown } from './browser.mjs';

let browser;
let tab;
const lines = []; // the session's commands the page's actions stand for, so far

before(async () => {
  browser = await openBrowser();
  tab = await openPage(browser.browser, browser.url);
});

after(async () => {
  await browser?.close();
});

// Checks that the page shows the terminal's state after the commands so far.
async function showsTheSession(commands = []) {
  lines.push(...commands);
  const [state, naming] = cliSession([...lines, 'state', 'naming']);
  const page = await shown(tab.page);
  assert.equal(page.count, state.count);
  assert.deepEqual(page.frets, state.voicings.map(fretText));
  assert.deepEqual(page.names, state.names);
  assert.equal(page.symbol, state.symbol);
  assert.equal(page.formation, state.formation);
  assert.equal(page.plainName, naming.plainName);
  assert.deepEqual(tab.problems, []);
}

test('start-up shows C major\'s 165 diagrams', async () => {
  const page = await shown(tab.page);
  assert.equal(page.count, 165);
  assert.equal(page.frets.length, 165);
  assert.equal(page.frets[0], 'x 3 2 0 1 0');
  await showsTheSession();
});

test('a typed symbol and Enter give the terminal\'s count and fingerings', async () => {
  await tab.page.fill('#symbol', 'Cmaj7');
  await tab.page.press('#symbol', 'Enter');
  await showsTheSession(['symbol Cmaj7']);
  assert.equal((await shown(tab.page)).count, 209);
});

test('a tension tick, a chord type, sharps and flats', async () => {
  await tab.page.click('#root-grid [data-row="9"]');
  await tab.page.click('label[for="tension-1"]');
  await showsTheSession(['root 9', 'tick 1']);
  await tab.page.click('#flat-root');
  await tab.page.click('#view-mod2');
  await tab.page.click('#chord-types button:nth-child(5)');
  await showsTheSession(['flat root', 'view mod2', 'type 4']);
  await tab.page.click('#view-mod1');
  await tab.page.click('#bass-grid [data-row="4"]');
  await showsTheSession(['view mod1', 'bass 4']);
});

test('every option searches again', async () => {
  await tab.page.fill('#symbol', 'G7');
  await tab.page.click('#search');
  await showsTheSession(['symbol G7']);
  await tab.page.selectOption('#max-fret', '24');
  await tab.page.selectOption('#distance', '3');
  await showsTheSession(['fret 24', 'distance 3']);
  for (const box of ['omit3', 'omit5', 'easy', 'lefthand', 'nobarre']) {
    await tab.page.check(`#${box}`);
    await showsTheSession([`${box} on`]);
    await tab.page.uncheck(`#${box}`);
    await showsTheSession([`${box} off`]);
  }
  await tab.page.selectOption('#order', 'easiest');
  await tab.page.check('#common');
  await showsTheSession(['order easiest', 'common on']);
  await tab.page.selectOption('#order', 'position');
  await tab.page.uncheck('#common');
  await tab.page.selectOption('#max-fret', '12');
  await showsTheSession(['order position', 'common off', 'fret 12']);
});

test('a tuning preset, a tuner and the standard tuning', async () => {
  await tab.page.selectOption('#preset', '3');
  await showsTheSession(['preset 3']);
  assert.equal(await tab.page.textContent('#standard'), cliSession([...lines, 'state'])[0].tuningButton);
  await tab.page.selectOption('#tuner-1', '2');
  await showsTheSession(['tuner 1 2']);
  await tab.page.click('#standard');
  await showsTheSession(['standard']);
});

test('a clicked diagram shows its frets and the neck, and is strummed', async () => {
  await tab.page.fill('#symbol', 'C');
  await tab.page.press('#symbol', 'Enter');
  await tab.page.click('#results .diagram:nth-child(3)');
  // The middle of the third cell of the six-column canvas the session starts with.
  await showsTheSession(['symbol C', 'click 250 65']);
  const third = fretText(cliSession([...lines, 'state'])[0].voicings[2]);
  assert.equal((await tab.page.textContent('#formation')).replaceAll('X', 'x').trim(), third);
  assert.equal(await tab.page.getAttribute('#results .diagram:nth-child(3)', 'class'), 'diagram highlighted');
  // The neck shows the fingering: its picture is titled with the frets.
  assert.equal(await tab.page.textContent('#neck svg title'), third);
  // The audio runs and the strum's six notes reach the synthesiser once the SoundFont is in.
  await tab.page.waitForFunction(() => window.tambrelSound?.notes.length >= 5, null, { timeout: 20000 });
  assert.equal(await tab.page.evaluate(() => window.tambrelSound.contextState), 'running');
  // And they are heard: the synthesiser's output rises well above silence.
  await tab.page.waitForFunction(() => window.tambrelSound.peak > 0.02, null, { timeout: 10000 });
  assert.deepEqual(tab.problems, []);
});

test('naming a fingering by its fret list and on the neck', async () => {
  await tab.page.fill('#fret-list', 'x 3 2 0 1 0');
  await tab.page.press('#fret-list', 'Enter');
  const naming = cliSession([...lines, 'frets x 3 2 0 1 0', 'naming'])[0];
  lines.push('frets x 3 2 0 1 0');
  assert.deepEqual(await tab.page.$$eval('#readings button', (items) => items.map((item) => item.textContent)), naming.readings);
  await tab.page.click('#readings button >> nth=1');
  await showsTheSession(['reading 1']);
  // The neck as an input: a click at the nut of the lowest string mutes or opens it.
  await tab.page.click('#neck-input');
  const box = await tab.page.locator('#neck svg').boundingBox();
  await tab.page.mouse.click(box.x + (5 * box.width) / 625, box.y + (80 * box.height) / 85);
  await showsTheSession(['neck input', 'neckclick 5 80']);
  assert.equal(await tab.page.inputValue('#fret-list'), cliSession([...lines, 'naming'])[0].fretList);
  await tab.page.click('#neck-input');
  await showsTheSession(['neck picture']);
});

test('the keyboard reaches the diagrams and clicks them', async () => {
  await tab.page.focus('#results .diagram >> nth=4');
  await tab.page.keyboard.press('Enter');
  await showsTheSession(['click 450 65']);
  await tab.page.focus('#root-grid [aria-checked="true"]');
  await tab.page.keyboard.press('ArrowDown');
  const row = cliSession([...lines, 'state'])[0].rootGridRow;
  await showsTheSession([`root ${(row + 1) % 12}`]);
});

test('a song: its chords with their fingerings, transposed', async () => {
  await tab.page.fill('#song-text', '| C | Am | F | G7 |');
  await tab.page.click('#song-arrange');
  await tab.page.click('#transpose-up');
  const song = cliSession([...lines, 'song | C | Am | F | G7 |', 'transpose 1', 'songstate'])[0];
  lines.push('song | C | Am | F | G7 |', 'transpose 1');
  assert.deepEqual(
    await tab.page.$$eval('#song-chords svg title', (titles) => titles.map((title) => title.textContent)),
    song.chords.map((chord) => chord.frets),
  );
  assert.deepEqual(
    await tab.page.$$eval('#song-chords .song-chord-name', (names) => names.map((name) => name.textContent)),
    song.chords.map((chord) => chord.symbol),
  );
  // The second chord, clicked, held to another fingering: the rest is chosen around it.
  await tab.page.click('#song-chords li >> nth=1');
  await tab.page.fill('#song-pin-frets', 'x 1 3 3 2 1');
  await tab.page.press('#song-pin-frets', 'Enter');
  const pinned = cliSession([...lines, 'pin 1 x 1 3 3 2 1', 'songstate'])[0];
  lines.push('pin 1 x 1 3 3 2 1');
  assert.ok(pinned.chords[1].pinned);
  assert.deepEqual(
    await tab.page.$$eval('#song-chords svg title', (titles) => titles.map((title) => title.textContent)),
    pinned.chords.map((chord) => chord.frets),
  );
  assert.equal(await tab.page.locator('#song-chords li.pinned').count(), 1);
  await tab.page.click('#song-unpin');
  lines.push('unpin 1');
  assert.equal(await tab.page.locator('#song-chords li.pinned').count(), 0);
  // A text that is no fret list is refused and marked.
  await tab.page.fill('#song-pin-frets', 'x 3 q');
  await tab.page.press('#song-pin-frets', 'Enter');
  assert.equal(await tab.page.getAttribute('#song-pin-frets', 'aria-invalid'), 'true');
  assert.equal(await tab.page.locator('#song-chords li.pinned').count(), 0);
  // Or to one of the fingerings offered, the easiest first.
  await tab.page.selectOption('#song-alternatives', '2');
  const offered = await tab.page.evaluate(() => JSON.parse(window.tambrelPage.session.execute('songstate')).chords[1]);
  assert.equal(offered.alternative, 2);
  assert.ok(offered.pinned);
  assert.equal(await tab.page.textContent('#song-chords li.pinned svg title'), offered.frets);
  await tab.page.click('#song-unpin');
  await showsTheSession([]);
  // Saved as ChordPro and as a MIDI file, and a ChordPro file opened.
  const [chordPro] = await Promise.all([tab.page.waitForEvent('download'), tab.page.click('#song-chordpro')]);
  assert.match(readFileSync(await chordPro.path(), 'utf8'), /^\{transpose: 1\}\n\{define: Db base-fret /);
  const [midi] = await Promise.all([tab.page.waitForEvent('download'), tab.page.click('#song-midi')]);
  assert.equal(readFileSync(await midi.path()).subarray(0, 4).toString('latin1'), 'MThd');
  await tab.page.setInputFiles('#song-open', {
    name: 'two.cho',
    mimeType: 'text/plain',
    buffer: Buffer.from('{title: Two}\n[Am]Some [E7]words\n'),
  });
  await tab.page.waitForFunction(() => document.querySelectorAll('#song-chords li').length === 2);
  // Played through: each chord is shown playing in its turn, then none.
  await tab.page.fill('#song-bpm', '300');
  await tab.page.fill('#song-beats', '1');
  await tab.page.click('#song-play');
  await tab.page.waitForSelector('#song-chords li.playing[data-chord="1"]');
  await tab.page.waitForFunction(() => !document.querySelector('#song-chords li.playing'));
  await tab.page.click('#song-best-capo');
  const capo = await tab.page.evaluate(() => JSON.parse(window.tambrelPage.session.viewJson()).capo);
  assert.match(await tab.page.textContent('#song-best-offer'), new RegExp(`^Best: Capo ${capo}: `));
  assert.equal(await tab.page.inputValue('#capo'), String(capo));
  assert.deepEqual(
    await tab.page.$$eval('#song-chords .song-chord-name', (names) => names.map((name) => name.textContent)),
    ['Am', 'E7'],
  );
});

test('what cannot be read leaves everything as it was, without an error', async () => {
  const before = await shown(tab.page);
  await tab.page.fill('#symbol', 'H#$%&');
  await tab.page.press('#symbol', 'Enter');
  await showsTheSession(['symbol H#$%&']);
  await tab.page.fill('#fret-list', 'x 3 q 0 1 0');
  await tab.page.press('#fret-list', 'Enter');
  await showsTheSession(['frets x 3 q 0 1 0']);
  assert.notEqual(await tab.page.textContent('#naming-message'), '');
  // Values no list offers, set from outside: refused, and the page goes on.
  await tab.page.evaluate(() => {
    const tuner = document.querySelector('#tuner-2');
    tuner.append(new Option('far', '99'));
    tuner.value = '99';
    tuner.dispatchEvent(new Event('change'));
    const fret = document.querySelector('#max-fret');
    fret.append(new Option('7', '7'));
    fret.value = '7';
    fret.dispatchEvent(new Event('change'));
  });
  await showsTheSession([]);
  assert.match(await tab.page.textContent('#status'), /out of range|expected/);
  assert.ok(before.count > 0);
});

test('the sheet: collected, saved as SVG and PNG, printed', async () => {
  await tab.page.fill('#symbol', 'Am');
  await tab.page.press('#symbol', 'Enter');
  await tab.page.click('#results .diagram >> nth=0');
  await tab.page.click('#sheet-add');
  lines.push('symbol Am', 'click 50 65');
  assert.equal(await tab.page.locator('#sheet-entries li').count(), 1);
  await tab.page.fill('#sheet-title-text', 'Practice');
  const [svgFile] = await Promise.all([tab.page.waitForEvent('download'), tab.page.click('#sheet-svg')]);
  assert.equal(svgFile.suggestedFilename(), 'Practice.svg');
  const [pngFile] = await Promise.all([tab.page.waitForEvent('download'), tab.page.click('#sheet-png')]);
  assert.equal(pngFile.suggestedFilename(), 'Practice.png');
  await tab.page.evaluate(() => {
    window.printed = 0;
    window.print = () => (window.printed += 1);
  });
  await tab.page.click('#sheet-print');
  assert.equal(await tab.page.evaluate(() => window.printed), 1);
  assert.equal(await tab.page.locator('#print-sheet svg').count(), 1);
  assert.deepEqual(tab.problems, []);
});

test('once loaded, the page works offline', async () => {
  const offline = await openPage(browser.browser, browser.url);
  // The worker is ready once it has kept every file of the page.
  await offline.page.evaluate(() => navigator.serviceWorker.ready.then(() => undefined));
  await offline.context.setOffline(true);
  await offline.page.reload();
  await offline.page.waitForFunction(() => document.body.classList.contains('ready'));
  assert.equal((await shown(offline.page)).count, 165);
  const manifest = await offline.page.evaluate(() =>
    fetch(document.querySelector('link[rel=manifest]').href).then((response) => response.json()));
  assert.equal(manifest.display, 'standalone');
  assert.deepEqual(offline.problems, []);
  await offline.context.close();
});

test('the page at desktop and phone widths', async () => {
  if (!options.shots) return;
  mkdirSync(options.shots, { recursive: true });
  for (const [name, viewport] of [['desktop', { width: 1400, height: 1000 }], ['phone', { width: 360, height: 780 }]]) {
    const wide = await openPage(browser.browser, browser.url, viewport);
    // Nothing is wider than the screen but the neck's own scroll box.
    const overflow = await wide.page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
    assert.ok(overflow <= 0, `${name}: the page is ${overflow} pixels wider than the screen`);
    await wide.page.screenshot({ path: join(options.shots, `${name}.png`) });
    assert.deepEqual(wide.problems, []);
    await wide.context.close();
  }
});
