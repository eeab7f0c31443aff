// The chord sheet: fingerings collected from the results and the song, renamed, reordered,
// saved as SVG or PNG, or printed through the browser's own print.
import { byId, download, element, inlineSvg, setText } from './dom';
import type { Page, View } from './page';
import type { PageState, SheetEntry } from './state';

// A PNG is drawn at twice the sheet's units, as the window's export does by default.
const PNG_SCALE = 2;

export class Sheet implements View {
  private readonly entries = byId('sheet-entries');
  private readonly title = byId<HTMLInputElement>('sheet-title-text');
  private readonly perRow = byId<HTMLInputElement>('sheet-per-row');
  private shown = '';

  constructor(private readonly page: Page) {
    byId('sheet-add').addEventListener('click', () => page.perform(() => page.session.addSelectedToSheet()));
    byId('sheet-add-all').addEventListener('click', () => page.perform(() => page.session.addResultsToSheet()));
    byId('sheet-clear').addEventListener('click', () => page.perform(() => page.session.clearSheet()));
    byId('sheet-svg').addEventListener('click', () => this.saveSvg());
    byId('sheet-png').addEventListener('click', () => void this.savePng());
    byId('sheet-print').addEventListener('click', () => this.print());
    this.entries.addEventListener('click', (event) => {
      const button = (event.target as Element).closest<HTMLElement>('[data-do]');
      if (!button) return;
      const index = Number(button.dataset.index);
      const session = page.session;
      page.perform(() => {
        if (button.dataset.do === 'remove') session.removeSheetEntry(index);
        else if (button.dataset.do === 'up') session.moveSheetEntry(index, index - 1);
        else session.moveSheetEntry(index, index + 1);
      });
    });
    this.entries.addEventListener('change', (event) => {
      const input = event.target as HTMLInputElement;
      if (input.dataset.index) page.perform(() => page.session.renameSheetEntry(Number(input.dataset.index), input.value));
    });
  }

  show(state: PageState, page: Page): void {
    const json = page.session.sheetJson();
    const key = `${json}#${state.view.dotLabels}#${state.session.options.lefthand}`;
    if (key === this.shown) return;
    this.shown = key;
    const entries = JSON.parse(json) as SheetEntry[];
    this.entries.replaceChildren(
      ...entries.map((entry, index) => {
        const item = element('li', { class: 'sheet-entry' });
        item.append(inlineSvg(page.session.sheetDiagramSvg(index), `s${index}-`, `${entry.name}: ${entry.frets}`));
        const name = element('input', { 'data-index': String(index), 'aria-label': `Name of entry ${index + 1}` });
        name.value = entry.name;
        const tools = element('div', { class: 'entry-tools' });
        tools.append(
          name,
          element('button', { type: 'button', 'data-do': 'up', 'data-index': String(index), 'aria-label': `Move entry ${index + 1} up` }, '↑'),
          element('button', { type: 'button', 'data-do': 'down', 'data-index': String(index), 'aria-label': `Move entry ${index + 1} down` }, '↓'),
          element('button', { type: 'button', 'data-do': 'remove', 'data-index': String(index), 'aria-label': `Remove entry ${index + 1}` }, '×'),
        );
        item.append(tools);
        return item;
      }),
    );
    for (const id of ['sheet-svg', 'sheet-png', 'sheet-print', 'sheet-clear'])
      byId<HTMLButtonElement>(id).disabled = entries.length === 0;
  }

  // The sheet as the window's SVG file; "" when it is empty or the row is out of range.
  private document(): string {
    const perRow = Math.round(Number(this.perRow.value));
    const svg = this.page.session.sheetSvg(Number.isFinite(perRow) ? perRow : 0, this.title.value);
    if (svg === '') setText(byId('status'), 'The sheet is empty, or a row must hold 1 to 12 diagrams.');
    return svg;
  }

  private fileName(suffix: string): string {
    const title = this.title.value.trim().replace(/[\\/:*?"<>|]+/g, ' ');
    return `${title || 'chord sheet'}.${suffix}`;
  }

  private saveSvg(): void {
    const svg = this.document();
    if (svg) download(this.fileName('svg'), new Blob([svg], { type: 'image/svg+xml' }));
  }

  private async savePng(): Promise<void> {
    const svg = this.document();
    if (!svg) return;
    const url = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
    try {
      const picture = new Image();
      picture.src = url;
      await picture.decode();
      const canvas = element('canvas');
      canvas.width = picture.naturalWidth * PNG_SCALE;
      canvas.height = picture.naturalHeight * PNG_SCALE;
      const context = canvas.getContext('2d');
      if (!context) return;
      context.fillStyle = '#ffffff';
      context.fillRect(0, 0, canvas.width, canvas.height);
      context.drawImage(picture, 0, 0, canvas.width, canvas.height);
      const png = await new Promise<Blob | null>((resolve) => canvas.toBlob(resolve, 'image/png'));
      if (png) download(this.fileName('png'), png);
    } finally {
      URL.revokeObjectURL(url);
    }
  }

  private print(): void {
    const svg = this.document();
    if (!svg) return;
    byId('print-sheet').replaceChildren(inlineSvg(svg, 'p-', this.title.value || 'Chord sheet'));
    window.print();
  }
}
