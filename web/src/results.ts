// The results: one <svg> a diagram in display order, drawn by the module as the window draws
// its canvas. A result can hold two thousand diagrams: each is painted when it comes into view.
import { byId, element, setText, SVG_NS, svgBody } from './dom';
import type { Page, View } from './page';
import { fretTextOfEntry } from './state';
import type { PageState } from './state';

export class Results implements View {
  private readonly results = byId('results');
  private readonly names = byId('names');
  private readonly observer: IntersectionObserver;
  private diagrams: SVGSVGElement[] = [];
  private painted: boolean[] = [];
  private shownKey = '';
  private highlighted = new Set<number>();

  constructor(private readonly page: Page) {
    this.observer = new IntersectionObserver((entries) => {
      for (const entry of entries) {
        if (!entry.isIntersecting) continue;
        this.paint(Number((entry.target as HTMLElement).dataset.index));
      }
    }, { rootMargin: '300px' });
    this.results.addEventListener('click', (event) => {
      const cell = (event.target as Element).closest<HTMLElement>('.diagram');
      if (cell) page.perform(() => page.session.clickDiagram(Number(cell.dataset.index)));
    });
    this.results.addEventListener('mouseover', (event) => {
      const cell = (event.target as Element).closest<HTMLElement>('.diagram');
      if (cell && !cell.title) cell.title = page.session.diagramExplanation(Number(cell.dataset.index));
    });
  }

  show(state: PageState): void {
    const s = state.session;
    setText(byId('count'), String(s.count));
    const key = `${s.voicings.join('|')}#${state.view.dotLabels}#${s.options.lefthand}#${state.view.easiest}`;
    if (key !== this.shownKey) {
      this.shownKey = key;
      this.rebuild(state);
    } else {
      const now = new Set(s.highlighted);
      for (const index of new Set([...now, ...this.highlighted])) {
        if (now.has(index) === this.highlighted.has(index)) continue;
        this.painted[index] = false;
        this.paint(index);
      }
    }
    this.highlighted = new Set(s.highlighted);
    for (const [index, svg] of this.diagrams.entries()) {
      const cell = svg.parentElement as HTMLElement;
      cell.classList.toggle('highlighted', this.highlighted.has(index));
    }
    this.showNames(s.names);
  }

  private rebuild(state: PageState): void {
    this.observer.disconnect();
    this.results.replaceChildren();
    const s = state.session;
    this.diagrams = [];
    this.painted = [];
    const cells = document.createDocumentFragment();
    s.voicings.forEach((entry, index) => {
      const frets = fretTextOfEntry(entry);
      const cell = element('button', {
        type: 'button',
        class: index === state.view.easiest ? 'diagram easiest' : 'diagram',
        'data-index': String(index),
        'aria-label': `Fingering ${index + 1}: ${frets}${index === state.view.easiest ? ', the easiest' : ''}`,
      });
      const svg = document.createElementNS(SVG_NS, 'svg');
      svg.setAttribute('viewBox', '0 0 100 130');
      svg.setAttribute('data-frets', frets);
      svg.setAttribute('aria-hidden', 'true');
      cell.append(svg);
      cells.append(cell);
      this.diagrams.push(svg);
      this.painted.push(false);
    });
    this.results.append(cells);
    for (const svg of this.diagrams) this.observer.observe(svg.parentElement as Element);
    this.highlighted = new Set();
  }

  private paint(index: number): void {
    if (this.painted[index] !== false) return;
    this.painted[index] = true;
    this.diagrams[index].innerHTML = svgBody(this.page.session.diagramSvg(index), `d${index}-`);
  }

  private showNames(names: string[]): void {
    const shown = Array.from(this.names.children, (item) => item.textContent);
    if (shown.length === names.length && shown.every((text, index) => text === names[index])) return;
    this.names.replaceChildren(...names.map((name) => element('li', {}, name)));
  }
}
