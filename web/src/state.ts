// What the module answers, as the page reads it: the session's state object, the page's view
// of what that object leaves out, the naming panel, the song and the lists' texts.

export interface SessionState {
  symbol: string;
  rootNote: number;
  bassNote: number;
  chordIntervals: string;
  maxFret: number;
  distance: number;
  options: { omit3: boolean; omit5: boolean; easy: boolean; lefthand: boolean; nobarre: boolean };
  view: 'mod1' | 'mod2';
  ticked: number[];
  disabled: number[];
  bassGridEnabled: boolean;
  rootGridNames: string[];
  bassGridNames: string[];
  rootGridRow: number;
  bassGridRow: number;
  tunerPositions: number[];
  tunerLabels: string[];
  tuningButton: string;
  tuningMark: number;
  count: number;
  voicings: string[];
  names: string[];
  columns: number;
  highlighted: number[];
  formation: string;
  selectedFrets: number[];
  midi: string[];
}

export interface ViewState {
  order: 'position' | 'easiest';
  common: boolean;
  patchItem: number;
  patchText: string;
  tempo: number;
  electricNeck: boolean;
  capo: number;
  shapeNames: boolean;
  capoCaption: string;
  easiest: number;
  dotLabels: string;
  error: string;
}

export interface NamingState {
  plainName: string;
  lookupNotice: string;
  neckInput: boolean;
  enteredFrets: number[];
  fretList: string;
  stringNotes: string[];
  readings: string[];
  chosenReading: number;
  namingMessage: string;
}

export interface SongChord {
  symbol: string;
  shape: string;
  frets: string;
  alternative: number;
  alternatives: number;
  pinned: boolean;
}

export interface SongState {
  text: string;
  capo: number;
  transpose: number;
  shapeNames: boolean;
  chords: SongChord[];
  problems: { symbol: string; line: number; column: number; message: string }[];
  cost: number;
  playing: number;
}

export interface SheetEntry {
  name: string;
  frets: string;
}

export interface Vocabulary {
  tensions: string[];
  chordTypes: { suffix: string; intervals: string }[];
  tunings: string[];
  instruments: string[];
  fretItems: number[];
}

// The whole of what the page shows, read afresh after every action.
export interface PageState {
  session: SessionState;
  view: ViewState;
  naming: NamingState;
  song: SongState;
}

// The six frets of an entry's text as a guitarist writes them, low string first: the entry is
// its key, a blank, then each fret followed by a blank (99 muted, a barre's first string as a
// negative fret).
export function fretTextOfEntry(entry: string): string {
  const frets = entry.trim().split(' ').slice(1, 7);
  return frets.map((fret) => (fret === '99' ? 'x' : String(Math.abs(Number(fret))))).join(' ');
}
