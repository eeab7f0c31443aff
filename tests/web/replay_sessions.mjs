// Random sessions replayed through the WebAssembly session and through `tambrel-cli --script`:
// the two must print the same lines, byte for byte, and agree on the exit status. Both run the
// same C++; what can tell them apart is the library beneath it (libc++ against libstdc++: sort
// order among equals, number formatting, hash containers' order, floating point) and the text
// crossing into JavaScript and back as UTF-8.
//
//   node tests/web/replay_sessions.mjs --module-dir build-web/web --cli build/cli/tambrel-cli
//        [--sessions 200] [--seed 1]
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { loadTambrel } from './tambrel_node.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..');

function readArguments(argv) {
  const options = {
    moduleDir: path.join(root, 'build-web', 'web'),
    cli: path.join(root, 'build', 'cli', 'tambrel-cli'),
    sessions: 200,
    seed: 1,
  };
  const names = { '--module-dir': 'moduleDir', '--cli': 'cli', '--sessions': 'sessions', '--seed': 'seed' };
  for (let i = 0; i < argv.length; i += 2) {
    const name = names[argv[i]];
    if (!name || i + 1 >= argv.length) {
      throw new Error(`usage: replay_sessions.mjs [--module-dir DIR] [--cli PATH] [--sessions N] [--seed S]; not '${argv[i]}'`);
    }
    options[name] = argv[i + 1];
  }
  for (const name of ['sessions', 'seed']) {
    const value = Number(options[name]);
    if (!Number.isInteger(value) || value < 0) throw new Error(`--${name} takes a whole number`);
    options[name] = value;
  }
  return options;
}

// mulberry32: small, seeded, the same sessions from the same seed on every machine.
function randomSource(seed) {
  let a = seed >>> 0;
  const next = () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const int = (low, high) => low + Math.floor(next() * (high - low + 1));
  const pick = (list) => list[int(0, list.length - 1)];
  const chance = (p) => next() < p;
  return { next, int, pick, chance };
}

const kSymbols = [
  'C', 'Cmaj7', 'F#m7b5', 'Bb7(b9,#11)/Ab', 'C/E', 'Dsus4', 'N.C.', 'Am', 'G7', 'E/G#', 'Am/G',
  'C5', 'H/E', 'C/b5', 'Aº', 'C  7', 'F#m7/C#', 'Cm7/5-', 'Gsus2/D', 'G7/9+', 'B7/4', 'Bb7/Ab',
  'Gb/Bb', 'A#m/add9', 'Dm/7/9', 'C7/9/11/E', 'Ebm9', 'Abmaj9#11', 'D7sus4', 'Fadd9', 'C6/9',
  'Bdim7', 'G+', 'Eaug', 'A13', 'Db7#9', 'Cm(maj7)', 'F#7b13', 'Esus2', 'Gm11', 'Bø7', 'CΔ7',
  'C♭', 'F♯m', 'Xm7', 'c', 'cmaj7', 'B#', 'Fb', 'Cb/Eb', 'G/F#', 'D/F#', 'A7(b9)', 'E7(#9)',
  'C7alt', 'Cmaj13', 'Am7/G', 'D9', 'Bb6', 'Em7b5/Bb', 'NC', 'n.c.', '',
  // Numbers past what an int holds, and degrees no chord has.
  'C7/2147483648', 'Cadd4294967296', 'C(b99999999999)', 'C-2147483649', 'C9/11/13/15/17', 'C0',
];
const kFretLists = [
  'x32010', 'x 3 2 0 1 0', 'x 10 12 12 11 10', '320003', '022100', 'xx0232', '133211',
  '8 10 10 9 8 8', 'x x x x x x', 'xxxxxx', '000000', '0 0 0 0 0 0 0', '25 x x x x x',
  '10 -11 -11 -11 -11 11', 'x3201', '3 2 0 0 0 3', 'x 24 24 24 24 24', '-1 2 2 2 2 2', 'x32o1o',
];
const kGlyphs = [
  ...'abcdefgmnxABCDEFGMNX0123456789',
  ' ', ' ', '/', '#', 'b', '(', ')', ',', '+', '-', '.', '|', '"', '\\', '\t', '{', '}', ':',
  '€', 'ñ', '♭', '♯', 'ß', 'é', 'º', '°', 'Δ', 'ø', '½', '中', '😀',
  '\r', '\u0000', '\u0001', '\u007f', '\u00a0', '\ufeff',
];

function garbageText(r, longest = 12) {
  let text = '';
  const length = r.int(0, longest);
  for (let i = 0; i < length; ++i) text += r.pick(kGlyphs);
  return text;
}

// A word in place of a number: another number's form, or no number at all.
function garbageWord(r) {
  return r.pick(['', '+1', '1.5', '0x3', '1e2', 'one', '٣', '３', '€', 'ñ', '-', '--1', ' 1',
    '99999999999999', garbageText(r, 6)]);
}

// Each command's arguments: in range, out of range, or garbage. `heavy` marks what makes the
// search long (the widest frets, a new width), which the generator rations.
const kCommands = [
  { word: 'root', args: (r) => [r.int(0, 11)], out: (r) => [r.pick([12, -1, 100, '012'])] },
  { word: 'bass', args: (r) => [r.int(0, 11)], out: (r) => [r.pick([12, -1, 999])] },
  { word: 'type', args: (r) => [r.int(0, 34)], out: (r) => [r.pick([35, -1, 1000])] },
  { word: 'tick', args: (r) => [r.int(0, 50)], out: (r) => [r.pick([51, -1, 77])] },
  { word: 'symbol', rest: (r) => (r.chance(0.8) ? r.pick(kSymbols) : garbageText(r)) },
  { word: 'frets', rest: (r) => (r.chance(0.75) ? r.pick(kFretLists) : garbageText(r)) },
  { word: 'sharp', args: (r) => [r.pick(['root', 'bass'])], out: () => ['both'] },
  { word: 'flat', args: (r) => [r.pick(['root', 'bass'])], out: () => ['Root'] },
  { word: 'view', args: (r) => [r.pick(['mod1', 'mod2'])], out: () => ['mod3'] },
  { word: 'fret', args: (r) => [r.pick([6, 12, 18, 24])], out: (r) => [r.pick([0, 7, 25, 30])] },
  { word: 'distance', args: (r) => [r.int(2, 5)], out: (r) => [r.pick([0, 1, 6, 10])] },
  ...['omit3', 'omit5', 'easy', 'lefthand', 'nobarre', 'common', 'shapes'].map((word) => ({
    word, args: (r) => [r.pick(['on', 'off'])], out: () => ['yes'],
  })),
  { word: 'order', args: (r) => [r.pick(['position', 'easiest'])], out: () => ['hardest'] },
  { word: 'explain', args: () => [] },
  { word: 'preset', args: (r) => [r.int(0, 11)], out: (r) => [r.pick([12, -1])] },
  { word: 'standard', args: () => [] },
  { word: 'tuner', args: (r) => [r.int(1, 6), r.int(0, 11)],
    out: (r) => r.pick([[0, 3], [7, 3], [2, 12], [3, -1]]) },
  { word: 'width', args: (r) => [r.pick([r.int(0, 1200), 50, 99, 100, 150, 644, 800])],
    out: (r) => [r.pick([-1, 1000001])] },
  { word: 'click', args: (r) => [r.int(-20, 700), r.int(-20, 2000)],
    out: () => [1000000001, 5] },
  { word: 'patch', args: (r) => [r.int(0, 8)], out: (r) => [r.pick([9, -1])] },
  { word: 'tempo', args: (r) => [r.int(0, 5)], out: (r) => [r.pick([6, -1])] },
  { word: 'neck', args: (r) => [r.pick(['input', 'picture'])], out: () => ['output'] },
  { word: 'neckclick', args: (r) => [r.int(-5, 630), r.int(-5, 90)],
    out: () => [-1000000001, 0] },
  { word: 'reading', args: (r) => [r.int(0, 5)], out: (r) => [r.pick([-1, 100])] },
  { word: 'naming', args: () => [] },
  { word: 'song', rest: (r) => songText(r) },
  { word: 'capo', args: (r) => [r.chance(0.2) ? 'best' : r.int(0, 11)], out: (r) => [r.pick([12, -1, 'worst'])] },
  { word: 'transpose', args: (r) => [r.int(-11, 11)], out: (r) => [r.pick([12, -12])] },
  { word: 'pin', rest: (r) => `${r.int(0, 8)} ${r.pick(kFretLists)}`,
    out: (r) => r.pick(['', '3', `x ${r.pick(kFretLists)}`, `100001 x32010`, `1 ${garbageText(r, 5)}`]) },
  { word: 'unpin', args: (r) => [r.int(0, 8)], out: (r) => [r.pick([-1, 100001])] },
  { word: 'songstate', args: () => [] },
  { word: 'state', args: () => [] },
];
const byWord = Object.fromEntries(kCommands.map((c) => [c.word, c]));

function songText(r) {
  if (r.chance(0.15)) return garbageText(r, 20);
  const parts = [];
  const chords = r.int(0, 10);
  for (let i = 0; i < chords; ++i) {
    if (r.chance(0.25)) parts.push('|');
    parts.push(r.chance(0.9) ? r.pick(kSymbols.filter((s) => s && !s.includes(' '))) : garbageText(r, 4));
  }
  if (parts.length && r.chance(0.5)) parts.push('|');
  return parts.join(' ');
}

function commandLine(r, command) {
  if (command.rest) {
    const text = command.out && r.chance(0.3) ? command.out(r) : command.rest(r);
    return text === '' && r.chance(0.5) ? command.word : `${command.word} ${text}`;
  }
  let args = command.args(r);
  const roll = r.next();
  if (roll < 0.12 && command.out) args = command.out(r);
  else if (roll < 0.2) args = args.length ? [garbageWord(r), ...args.slice(1)] : [garbageWord(r)];
  else if (roll < 0.23) args = [...args, r.int(0, 3)]; // a word too many
  else if (roll < 0.25 && args.length) args = args.slice(1); // a word too few
  return [command.word, ...args].join(' ');
}

// A line that is no command, or a command written askew.
function strayLine(r) {
  return r.pick([
    () => garbageText(r, 20),
    () => `${r.pick(kCommands).word.toUpperCase()} 1`,
    () => ` ${commandLine(r, r.pick(kCommands))}`, // a leading blank
    () => `${commandLine(r, r.pick(kCommands))} `, // a trailing blank
    () => commandLine(r, r.pick(kCommands)).replace(' ', '  '), // two blanks
    () => `${commandLine(r, r.pick(kCommands))}\r`, // a line ended as on Windows
    () => `root${r.pick(['€', 'ñ', '♭', 'ß'])} 1`,
  ])();
}

// The widest frets and a new width search and lay out everything again: a session holds only
// a few of them, so that the whole replay stays short.
const kHeavyLines = 3;
function isHeavy(line) {
  return /^(fret (18|24)|width \d+|common on|capo best|preset \d+|tuner \d \d+)$/.test(line);
}

function makeSession(r) {
  const lines = [];
  const count = r.int(20, 60);
  let heavy = 0;
  while (lines.length < count) {
    const roll = r.next();
    let line;
    if (roll < 0.1) line = 'state';
    else if (roll < 0.15) line = r.pick(['naming', 'explain', 'songstate']);
    else if (roll < 0.18) line = '';
    else if (roll < 0.21) line = `# ${garbageText(r)}`;
    else if (roll < 0.28) line = strayLine(r);
    else line = commandLine(r, r.pick(kCommands));
    if (isHeavy(line.trimEnd())) {
      if (heavy === kHeavyLines) continue;
      ++heavy;
    }
    lines.push(line);
  }
  return lines;
}

// The WebAssembly side: each line through a fresh session, the printed lines in order, each with
// the input line that printed it.
function runWeb(module, lines) {
  const session = new module.WebSession();
  const printed = [];
  try {
    for (const line of lines) {
      const output = session.execute(line);
      if (output !== '') printed.push({ output, line });
    }
  } finally {
    session.delete();
  }
  const status = printed.some((p) => p.output.startsWith('{"error":')) ? 1 : 0;
  return { printed, status };
}

function runNative(cli, text) {
  const run = spawnSync(cli, ['--script'], { input: text, maxBuffer: 1 << 28 });
  if (run.error) throw run.error;
  if (run.signal) throw new Error(`tambrel-cli --script ended by ${run.signal}`);
  return { stdout: run.stdout, status: run.status };
}

function firstDifference(webLines, nativeLines) {
  const n = Math.max(webLines.length, nativeLines.length);
  for (let i = 0; i < n; ++i) if (webLines[i] !== nativeLines[i]) return i;
  return -1;
}

function reportDifference(index, text, web, native, why) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'tambrel-replay-'));
  const file = path.join(dir, `session_${index}.script`);
  fs.writeFileSync(file, text);
  console.error(`session ${index}: ${why}; its script: ${file}`);
  const nativeLines = native.stdout.toString('utf8').split('\n');
  const webLines = [...web.printed.map((p) => p.output), ''];
  const at = firstDifference(webLines, nativeLines);
  if (at >= 0) {
    const a = webLines[at];
    const b = nativeLines[at];
    let column = 0;
    while (a !== undefined && b !== undefined && column < a.length && a[column] === b[column]) ++column;
    // A state line runs to thousands of characters: shown around where the two part.
    const excerpt = (text) => {
      if (text === undefined) return '(none)';
      if (text.length <= 240) return text;
      const from = Math.max(0, column - 80);
      return `${from > 0 ? '...' : ''}${text.slice(from, from + 200)}${from + 200 < text.length ? '...' : ''}`;
    };
    console.error(`first differing output line ${at + 1}, from character ${column + 1}` +
      (web.printed[at] ? `, printed for ${JSON.stringify(web.printed[at].line)}` : ''));
    console.error(`  WebAssembly: ${excerpt(a)}`);
    console.error(`  native:      ${excerpt(b)}`);
  }
  console.error(`  exit status: WebAssembly ${web.status}, native ${native.status}`);
}

async function main() {
  const options = readArguments(process.argv.slice(2));
  const started = process.hrtime.bigint();
  const module = await loadTambrel(options.moduleDir);
  const r = randomSource(options.seed);
  let lineCount = 0;
  for (let index = 0; index < options.sessions; ++index) {
    const lines = makeSession(r);
    lineCount += lines.length;
    const text = `${lines.join('\n')}\n`;
    const web = runWeb(module, lines);
    const native = runNative(options.cli, text);
    // Compared as bytes: text that went wrong on its way through UTF-8 must not be let through
    // by a decoder's replacement characters.
    const webBytes = Buffer.from(web.printed.map((p) => `${p.output}\n`).join(''), 'utf8');
    let why = null;
    if (!webBytes.equals(native.stdout)) why = 'the printed lines differ';
    else if (web.status !== native.status) why = 'the exit status differs';
    if (why) {
      reportDifference(index, text, web, native, why);
      process.exit(1);
    }
  }
  const seconds = Number(process.hrtime.bigint() - started) / 1e9;
  console.log(`${options.sessions} sessions (${lineCount} lines, seed ${options.seed}) ` +
    `answered alike in ${seconds.toFixed(1)} s`);
}

main().catch((error) => {
  console.error(error.stack || String(error));
  process.exit(1);
});
