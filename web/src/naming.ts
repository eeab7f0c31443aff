// The neck with the clicked fingering, "Classic" and "Eletric", the "Formation:" box, and
// naming a fingering: typed as a fret list, or placed on the neck made an input.
import { byId, element, inlineSvg, setPressed, setText } from './dom';
import type { Page, View } from './page';
import type { PageState } from './state';

export class Naming implements View {
  private readonly neck = byId('neck');
  private readonly fretList = byId<HTMLInputElement>('fret-list');
  private shownNeck = '';
  private shownFretList = '';

  constructor(page: Page) {
    byId('classic').addEventListener('click', () => page.perform(() => page.session.chooseNeck(false)));
    byId('electric').addEventListener('click', () => page.perform(() => page.session.chooseNeck(true)));
    byId('neck-input').addEventListener('click', () =>
      page.act(`neck ${page.state.naming.neckInput ? 'picture' : 'input'}`),
    );
    this.neck.addEventListener('click', (event) => {
      const svg = this.neck.querySelector('svg');
      if (!svg) return;
      // The module reads the picture's own pixels, whatever size it is shown at.
      const box = svg.getBoundingClientRect();
      const viewBox = svg.viewBox.baseVal;
      const x = Math.floor(((event.clientX - box.left) * viewBox.width) / box.width);
      const y = Math.floor(((event.clientY - box.top) * viewBox.height) / box.height);
      page.act(`neckclick ${x} ${y}`);
    });
    byId('fret-form').addEventListener('submit', (event) => {
      event.preventDefault();
      page.act(`frets ${this.fretList.value.replace(/[\r\n]/g, ' ')}`);
    });
    byId('readings').addEventListener('click', (event) => {
      const reading = (event.target as Element).closest<HTMLElement>('[data-reading]');
      if (reading) page.act(`reading ${reading.dataset.reading}`);
    });
  }

  show(state: PageState, page: Page): void {
    const naming = state.naming;
    setPressed(byId('classic'), !state.view.electricNeck);
    setPressed(byId('electric'), state.view.electricNeck);
    setPressed(byId('neck-input'), naming.neckInput);
    this.neck.classList.toggle('input', naming.neckInput);
    const neck = page.session.neckSvg();
    if (neck !== this.shownNeck) {
      this.shownNeck = neck;
      this.neck.replaceChildren(inlineSvg(neck, 'neck-', 'The neck, with the fingering on it'));
    }
    setText(byId('formation'), state.session.formation);
    setText(byId('plain-name'), naming.plainName);
    setText(byId('capo-caption'), state.view.capoCaption);
    if (
      naming.fretList !== this.shownFretList ||
      (document.activeElement !== this.fretList && this.fretList.value !== naming.fretList)
    ) {
      this.fretList.value = naming.fretList;
      this.shownFretList = naming.fretList;
    }
    setText(byId('naming-message'), naming.namingMessage);
    setText(
      byId('string-notes'),
      naming.stringNotes.some((note) => note !== '') ? naming.stringNotes.map((note) => note || '×').join(' ') : '',
    );
    const readings = byId('readings');
    const shown = Array.from(readings.children, (item) => item.textContent).join('\n');
    const chosen = readings.querySelector('[aria-current]')?.getAttribute('data-reading') ?? '-1';
    if (shown !== naming.readings.join('\n') || chosen !== String(naming.chosenReading)) {
      readings.replaceChildren(
        ...naming.readings.map((reading, index) => {
          const item = element('li');
          const button = element('button', { type: 'button', 'data-reading': String(index) }, reading);
          if (index === naming.chosenReading) button.setAttribute('aria-current', 'true');
          item.append(button);
          return item;
        }),
      );
    }
  }
}
