// The chord's entry: the symbol box, the root and bass grids with their sharps and flats, the
// tension list and the chord-type table with their toggle.
import { byId, element, setPressed, setText } from './dom';
import type { Page, View } from './page';
import type { PageState } from './state';

function noteGrid(container: HTMLElement, command: string, page: Page): HTMLButtonElement[] {
  const cells: HTMLButtonElement[] = [];
  for (let row = 0; row < 12; ++row) {
    const cell = element('button', { type: 'button', role: 'radio', 'data-row': String(row) });
    cell.addEventListener('click', () => page.act(`${command} ${row}`));
    container.append(cell);
    cells.push(cell);
  }
  // Arrow keys move along a grid as they move along the window's lists.
  container.addEventListener('keydown', (event) => {
    const step = event.key === 'ArrowDown' ? 1 : event.key === 'ArrowUp' ? -1 : 0;
    const at = cells.indexOf(document.activeElement as HTMLButtonElement);
    if (step === 0 || at < 0) return;
    event.preventDefault();
    const next = cells[(at + step + 12) % 12];
    next.focus();
    next.click();
  });
  return cells;
}

function showGrid(cells: HTMLButtonElement[], names: string[], row: number, enabled: boolean): void {
  cells.forEach((cell, index) => {
    setText(cell, names[index]);
    cell.setAttribute('aria-checked', String(index === row));
    cell.tabIndex = index === row ? 0 : -1;
    cell.disabled = !enabled;
  });
}

export class ChordEntry implements View {
  private readonly symbol = byId<HTMLInputElement>('symbol');
  private readonly rootCells: HTMLButtonElement[];
  private readonly bassCells: HTMLButtonElement[];
  private readonly tensionBoxes: HTMLInputElement[] = [];
  private readonly typeRows: HTMLButtonElement[] = [];
  private shownSymbol = '';

  constructor(page: Page) {
    byId('symbol-form').addEventListener('submit', (event) => {
      event.preventDefault();
      // One line of the session: a line break would end the command.
      page.act(`symbol ${this.symbol.value.replace(/[\r\n]/g, ' ')}`);
    });
    this.rootCells = noteGrid(byId('root-grid'), 'root', page);
    this.bassCells = noteGrid(byId('bass-grid'), 'bass', page);
    for (const [id, line] of [
      ['sharp-root', 'sharp root'],
      ['flat-root', 'flat root'],
      ['sharp-bass', 'sharp bass'],
      ['flat-bass', 'flat bass'],
      ['view-mod1', 'view mod1'],
      ['view-mod2', 'view mod2'],
    ])
      byId(id).addEventListener('click', () => page.act(line));

    const tensions = byId('tensions');
    page.vocabulary.tensions.forEach((text, item) => {
      const box = element('input', { type: 'checkbox', id: `tension-${item}` });
      box.addEventListener('change', () => page.act(`tick ${item}`));
      // Item 0 has no text: the plain major triad.
      const label = element('label', { for: `tension-${item}` }, text.trim() === '' ? 'major' : text);
      const row = element('div', { class: 'tension' });
      row.append(box, label);
      tensions.append(row);
      this.tensionBoxes.push(box);
    });
    const types = byId('chord-types');
    page.vocabulary.chordTypes.forEach((type, row) => {
      const suffix = type.suffix.trim() === '' ? 'major' : type.suffix.trim();
      const button = element('button', { type: 'button', role: 'radio', title: type.intervals });
      button.append(element('span', {}, suffix), element('span', { class: 'intervals' }, type.intervals));
      button.addEventListener('click', () => page.act(`type ${row}`));
      types.append(button);
      this.typeRows.push(button);
    });
  }

  show(state: PageState): void {
    const s = state.session;
    // The box shows what the program wrote into it. What the user is typing there stays while
    // other things happen (a song playing), until the program writes the box anew.
    if (s.symbol !== this.shownSymbol || (document.activeElement !== this.symbol && this.symbol.value !== s.symbol)) {
      this.symbol.value = s.symbol;
      this.shownSymbol = s.symbol;
    }
    showGrid(this.rootCells, s.rootGridNames, s.rootGridRow, true);
    showGrid(this.bassCells, s.bassGridNames, s.bassGridRow, s.bassGridEnabled);
    byId('bass-grid').classList.toggle('greyed', !s.bassGridEnabled);
    const flatNames = s.rootGridNames[1] !== 'C#';
    setPressed(byId('sharp-root'), !flatNames);
    setPressed(byId('flat-root'), flatNames);
    const flatBass = s.bassGridNames[1] !== 'C#';
    setPressed(byId('sharp-bass'), !flatBass);
    setPressed(byId('flat-bass'), flatBass);

    const mod2 = s.view === 'mod2';
    setPressed(byId('view-mod1'), !mod2);
    setPressed(byId('view-mod2'), mod2);
    byId('tensions').hidden = mod2;
    byId('chord-types').hidden = !mod2;
    const ticked = new Set(s.ticked);
    const disabled = new Set(s.disabled);
    this.tensionBoxes.forEach((box, item) => {
      box.checked = ticked.has(item);
      box.disabled = disabled.has(item);
    });
    // The table's chosen row is the one whose interval list the chord has.
    this.typeRows.forEach((row) => {
      row.setAttribute('aria-checked', String(mod2 && row.title === s.chordIntervals));
    });
  }
}
