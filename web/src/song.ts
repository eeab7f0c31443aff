// The song panel: the song's text, each chord's chosen fingering, transposition, the best capo,
// the song on the sheet and as ChordPro, and playing it through.
import { byId, download, element, inlineSvg, setText } from './dom';
import type { Page, View } from './page';
import type { PageState } from './state';

// The song is read once the user stops typing for this long, as in the window.
const ARRANGE_AFTER_MS = 600;
// The largest file the window opens as a song.
const LARGEST_SONG_FILE = 1024 * 1024;

export class Song implements View {
  private readonly text = byId<HTMLTextAreaElement>('song-text');
  private readonly chords = byId('song-chords');
  private typing = 0;
  private shown = '';
  private ticking = 0;
  private chosen = -1; // the chord clicked last, which Pin and Unpin act on

  constructor(private readonly page: Page) {
    this.text.addEventListener('input', () => {
      clearTimeout(this.typing);
      this.typing = window.setTimeout(() => this.arrange(), ARRANGE_AFTER_MS);
    });
    byId('song-arrange').addEventListener('click', () => this.arrange());
    byId('transpose-down').addEventListener('click', () => page.act('transpose -1'));
    byId('transpose-up').addEventListener('click', () => page.act('transpose 1'));
    byId('song-best-capo').addEventListener('click', () => {
      let offer = '';
      page.perform(() => (offer = page.session.useBestCapo()));
      setText(byId('song-best-offer'), offer ? `Best: ${offer}` : '');
    });
    byId('song-to-sheet').addEventListener('click', () => page.perform(() => page.session.addSongToSheet()));
    byId('song-chordpro').addEventListener('click', () =>
      download('song.cho', new Blob([page.session.songChordPro()], { type: 'text/plain' })),
    );
    byId('song-midi').addEventListener('click', () => {
      const bytes = page.session.songMidiFile(this.bpm(), this.beats());
      if (bytes.length > 0) download('song.mid', new Blob([bytes], { type: 'audio/midi' }));
    });
    const open = byId<HTMLInputElement>('song-open');
    open.addEventListener('change', () => void this.open(open));
    byId('song-play').addEventListener('click', () => this.play());
    byId('song-stop').addEventListener('click', () => this.stop());
    this.chords.addEventListener('click', (event) => {
      const chord = (event.target as Element).closest<HTMLElement>('[data-chord]');
      if (!chord) return;
      this.chosen = Number(chord.dataset.chord);
      page.perform(() => page.session.strumSongChord(this.chosen));
    });
    byId('song-pin-form').addEventListener('submit', (event) => {
      event.preventDefault();
      const frets = byId<HTMLInputElement>('song-pin-frets').value.replace(/[\r\n]/g, ' ');
      if (this.chosen < 0) return;
      // A text that is no fret list is refused and marked, as in the window.
      let refused = false;
      page.perform(() => (refused = page.session.execute(`pin ${this.chosen} ${frets}`).startsWith('{"error"')));
      byId('song-pin-frets').setAttribute('aria-invalid', String(refused));
    });
    const alternatives = byId<HTMLSelectElement>('song-alternatives');
    alternatives.addEventListener('change', () => {
      if (this.chosen >= 0 && alternatives.value !== '')
        page.perform(() => page.session.pinSongChord(this.chosen, Number(alternatives.value)));
    });
    byId('song-unpin').addEventListener('click', () => {
      if (this.chosen >= 0) page.act(`unpin ${this.chosen}`);
    });
  }

  private arrange(): void {
    clearTimeout(this.typing);
    setText(byId('song-best-offer'), ''); // an offer for another song
    this.page.perform(() => this.page.session.setSongText(this.text.value));
  }

  // A song file: read as the window reads one, ChordPro or a lead sheet alike.
  private async open(input: HTMLInputElement): Promise<void> {
    const file = input.files?.[0];
    input.value = '';
    if (!file) return;
    if (file.size > LARGEST_SONG_FILE) {
      setText(byId('status'), `${file.name} is larger than a song file can be (1 MB).`);
      return;
    }
    this.text.value = await file.text();
    this.arrange();
  }

  private bpm(): number {
    return Number(byId<HTMLInputElement>('song-bpm').value) || 90;
  }

  private beats(): number {
    return Number(byId<HTMLInputElement>('song-beats').value) || 4;
  }

  private play(): void {
    this.stop();
    this.page.perform(() => this.page.session.playSong(this.bpm(), this.beats(), performance.now()));
    // Most ticks strike nothing: the page is read anew only when the next chord sounds or the
    // song ends, so that a long result list is not parsed sixty times a second.
    this.ticking = window.setInterval(() => {
      const session = this.page.session;
      const sounding = session.songCurrentChord();
      this.page.performIf(() => {
        session.songTick(performance.now());
        return session.songCurrentChord() !== sounding || !session.songPlaying();
      });
      if (!session.songPlaying()) this.stop();
    }, 15);
  }

  private stop(): void {
    if (this.ticking) clearInterval(this.ticking);
    this.ticking = 0;
    if (this.page.session.songPlaying()) this.page.perform(() => this.page.session.stopSong());
  }

  // The chosen chord's fingerings, the easiest first, its own selected when it is one of them.
  private showAlternatives(state: PageState): void {
    const select = byId<HTMLSelectElement>('song-alternatives');
    const chord = state.song.chords[this.chosen];
    const list = chord ? (JSON.parse(this.page.session.songAlternativesJson(this.chosen)) as string[]) : [];
    const own = chord?.frets || 'none';
    const texts = [own, ...list];
    if (Array.from(select.options, (option) => option.text).join('|') !== texts.join('|')) {
      select.replaceChildren(
        element('option', { value: '' }, own),
        ...list.map((frets, index) => element('option', { value: String(index) }, frets)),
      );
    }
    select.value = chord && chord.alternative >= 0 && chord.alternative < list.length ? String(chord.alternative) : '';
    select.disabled = !chord;
    // The fret list box shows the chosen chord's fingering, unless the user is typing one.
    const frets = byId<HTMLInputElement>('song-pin-frets');
    if (document.activeElement !== frets && chord && frets.value !== chord.frets) frets.value = chord.frets;
    byId<HTMLButtonElement>('song-unpin').disabled = !chord?.pinned;
  }

  show(state: PageState, page: Page): void {
    const song = state.song;
    if (document.activeElement !== this.text && this.text.value !== song.text) this.text.value = song.text;
    byId('song-problems').replaceChildren(
      ...song.problems.map((problem) =>
        element('li', {}, `Line ${problem.line}, column ${problem.column}: ${problem.message}`),
      ),
    );
    if (this.chosen >= song.chords.length) this.chosen = -1;
    const chosen = song.chords[this.chosen];
    setText(byId('song-chosen'), chosen ? `${this.chosen + 1}. ${state.view.shapeNames && chosen.shape ? chosen.shape : chosen.symbol}` : '–');
    this.showAlternatives(state);
    const key = JSON.stringify([song.chords, song.playing, state.session.options.lefthand, this.chosen]);
    if (key === this.shown) return;
    this.shown = key;
    this.chords.replaceChildren(
      ...song.chords.map((chord, index) => {
        const classes = ['song-chord'];
        if (index === song.playing) classes.push('playing');
        if (chord.pinned) classes.push('pinned');
        if (index === this.chosen) classes.push('chosen');
        const item = element('li', { class: classes.join(' '), 'data-chord': String(index) });
        const name = state.view.shapeNames && chord.shape ? chord.shape : chord.symbol;
        item.append(element('span', { class: 'song-chord-name' }, name));
        const svg = page.session.songChordSvg(index);
        if (svg) item.append(inlineSvg(svg, `c${index}-`, `${name}: ${chord.frets}`));
        else item.append(element('span', { class: 'message' }, 'no fingering'));
        return item;
      }),
    );
    setText(byId('song-cost'), song.chords.length ? `Cost ${(song.cost / 100).toFixed(1)}` : '');
  }
}
