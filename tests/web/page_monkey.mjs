// A monkey on the page: random actions over every control, from a fixed seed, with no uncaught
// error, no console error, nothing the module refused to do, and after each action the page
// showing the module's own state.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { openBrowser, openPage, options } from './browser.mjs';

const ACTIONS = Number(options.actions ?? 1000);
const BATCH = 100;

let browser;
before(async () => {
  browser = await openBrowser();
});
after(async () => {
  await browser?.close();
});

// Runs in the page: `count` actions from `seed`; returns what went wrong, if anything.
function monkey({ seed, count }) {
  let state = seed >>> 0;
  const random = () => {
    // xorshift32: the same actions for the same seed.
    state ^= state << 13;
    state ^= state >>> 17;
    state ^= state << 5;
    return (state >>> 0) / 4294967296;
  };
  const pick = (items) => items[Math.floor(random() * items.length)];
  const all = (selector) => Array.from(document.querySelectorAll(selector));
  const usable = (element) => !element.disabled && element.offsetParent !== null;
  const SYMBOLS = ['C', 'Cmaj7', 'F#m7b5', 'Bb7(b9,#11)/Ab', 'C/E', 'Dsus4', 'G13', 'Ebadd9', 'A7#5', 'N.C.',
    '', '  ', 'H', 'Cm7/G', 'E7(#9)', 'Ab6/9', 'x', '€', 'C♭', 'Dß', '7(b9b13', 'C(((', 'Gm(maj7)'];
  const FRETS = ['x 3 2 0 1 0', 'x32010', '3 2 0 0 0 3', 'x 10 12 12 11 10', '0 0 0 0 0 0', 'x x x x x x',
    'abc', '1 2 3', '99 99 99 99 99 99', '-1 2 3 4 5 6', 'x 3 2 q 1 0', '25 25 25 25 25 25'];
  const SONGS = ['C Am F G', '| Dm7 G7 | Cmaj7 | % |', 'N.C. | C | Xyz G', '', 'Bb Gm Eb F\nC', 'lyrics only here'];
  const garbage = () => Array.from({ length: Math.floor(random() * 8) }, () => pick('ab#/7()m♯ñ€1 9'.split(''))).join('');
  const change = (control, value) => {
    control.value = value;
    control.dispatchEvent(new Event('change', { bubbles: true }));
  };
  window.print = () => undefined;

  const actions = [
    () => pick(all('#root-grid button, #bass-grid button').filter(usable))?.click(),
    () => pick(all('#tensions input').filter(usable))?.click(),
    () => pick(all('#chord-types button').filter(usable))?.click(),
    () => pick(all('.picker-head button, #standard, #classic, #electric, #neck-input').filter(usable))?.click(),
    () => {
      const select = pick(all('main select').filter(usable));
      if (select) change(select, pick(Array.from(select.options)).value);
    },
    () => pick(all('#options input[type=checkbox], #shapes').filter(usable))?.click(),
    () => change(document.querySelector('#tempo'), String(Math.floor(random() * 6))),
    () => {
      const cells = all('#results .diagram');
      if (cells.length) pick(cells).click();
    },
    () => {
      const neck = document.querySelector('#neck svg');
      if (!neck) return;
      const box = neck.getBoundingClientRect();
      neck.dispatchEvent(new MouseEvent('click', {
        bubbles: true, clientX: box.left + random() * box.width, clientY: box.top + random() * box.height,
      }));
    },
    () => {
      document.querySelector('#symbol').value = random() < 0.7 ? pick(SYMBOLS) : garbage();
      document.querySelector('#symbol-form').requestSubmit();
    },
    () => {
      document.querySelector('#fret-list').value = random() < 0.7 ? pick(FRETS) : garbage();
      document.querySelector('#fret-form').requestSubmit();
    },
    () => pick(all('#readings button'))?.click(),
    () => pick(all('#sheet button, #sheet-entries button').filter(usable))?.click(),
    () => {
      const name = pick(all('#sheet-entries input'));
      if (name) change(name, garbage());
    },
    () => {
      document.querySelector('#song-text').value = pick(SONGS);
      document.querySelector('#song-arrange').click();
    },
    () => pick(all('#song button, #song-chords li').filter((element) => element.id !== 'song-chordpro' && usable(element)))?.click(),
  ];

  const page = window.tambrelPage;
  for (let n = 0; n < count; ++n) {
    const which = Math.floor(random() * actions.length);
    actions[which]();
    const session = JSON.parse(page.session.execute('state'));
    const symbol = document.querySelector('#symbol').value;
    const shown = {
      count: Number(document.querySelector('#count').textContent),
      diagrams: document.querySelectorAll('#results svg[data-frets]').length,
      formation: document.querySelector('#formation').textContent,
      names: Array.from(document.querySelectorAll('#names > *'), (item) => item.textContent).join('\n'),
    };
    const wanted = { count: session.count, diagrams: session.voicings.length, formation: session.formation, names: session.names.join('\n') };
    const status = document.querySelector('#status').textContent;
    if (JSON.stringify(shown) !== JSON.stringify(wanted) || symbol !== session.symbol)
      return `action ${n} (kind ${which}): the page shows ${JSON.stringify({ ...shown, symbol })}, the module ${JSON.stringify({ ...wanted, symbol: session.symbol })}`;
    if (status.startsWith('Something went wrong')) return `action ${n} (kind ${which}): ${status}`;
  }
  document.querySelector('#song-stop').click();
  return '';
}

test(`${ACTIONS} random actions over every control`, async () => {
  const tab = await openPage(browser.browser, browser.url);
  for (let done = 0; done < ACTIONS; done += BATCH) {
    const failure = await tab.page.evaluate(monkey, { seed: 0x7a3b1 + done, count: Math.min(BATCH, ACTIONS - done) });
    assert.equal(failure, '');
    assert.deepEqual(tab.problems, []);
  }
});
