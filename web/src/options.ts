// The search's options, the order of the diagrams, the dots' labels, the tuning with its
// presets and six tuners, and the capo.
import { byId, element, setText } from './dom';
import type { Page, View } from './page';
import type { PageState } from './state';

const NOTE_NAMES = ['C', 'C#', 'D', 'D#', 'E', 'F', 'F#', 'G', 'G#', 'A', 'A#', 'B'];
const BOXES = ['omit3', 'omit5', 'easy', 'lefthand', 'nobarre'] as const;

function fill(select: HTMLSelectElement, texts: string[], values?: string[]): void {
  texts.forEach((text, index) => select.append(element('option', { value: values?.[index] ?? String(index) }, text)));
}

function setValue(control: HTMLSelectElement | HTMLInputElement, value: string): void {
  if (control.value !== value) control.value = value;
}

export class Options implements View {
  private readonly maxFret = byId<HTMLSelectElement>('max-fret');
  private readonly distance = byId<HTMLSelectElement>('distance');
  private readonly order = byId<HTMLSelectElement>('order');
  private readonly common = byId<HTMLInputElement>('common');
  private readonly labels = byId<HTMLSelectElement>('dot-labels');

  constructor(page: Page) {
    const frets = page.vocabulary.fretItems.map(String);
    fill(this.maxFret, frets, frets);
    this.maxFret.addEventListener('change', () => page.act(`fret ${this.maxFret.value}`));
    this.distance.addEventListener('change', () => page.act(`distance ${this.distance.value}`));
    for (const box of BOXES) {
      const input = byId<HTMLInputElement>(box);
      input.addEventListener('change', () => page.act(`${box} ${input.checked ? 'on' : 'off'}`));
    }
    this.order.addEventListener('change', () => page.act(`order ${this.order.value}`));
    this.common.addEventListener('change', () => page.act(`common ${this.common.checked ? 'on' : 'off'}`));
    this.labels.addEventListener('change', () => page.perform(() => page.session.setDotLabels(Number(this.labels.value))));
  }

  show(state: PageState): void {
    const s = state.session;
    setValue(this.maxFret, String(s.maxFret));
    setValue(this.distance, String(s.distance));
    for (const box of BOXES) byId<HTMLInputElement>(box).checked = s.options[box];
    setValue(this.order, state.view.order);
    this.common.checked = state.view.common;
    setValue(this.labels, String(['fingers', 'notes', 'intervals'].indexOf(state.view.dotLabels)));
  }
}

export class Tuning implements View {
  private readonly standard = byId<HTMLButtonElement>('standard');
  private readonly preset = byId<HTMLSelectElement>('preset');
  private readonly capo = byId<HTMLSelectElement>('capo');
  private readonly shapes = byId<HTMLInputElement>('shapes');
  private readonly tuners: HTMLSelectElement[] = [];
  private readonly tunerLabels: HTMLElement[] = [];

  constructor(page: Page) {
    this.standard.addEventListener('click', () => page.act('standard'));
    fill(this.preset, page.vocabulary.tunings);
    this.preset.addEventListener('change', () => page.act(`preset ${this.preset.value}`));
    fill(this.capo, Array.from({ length: 12 }, (_, fret) => (fret === 0 ? 'None' : String(fret))));
    this.capo.addEventListener('change', () => page.act(`capo ${this.capo.value}`));
    this.shapes.addEventListener('change', () => page.act(`shapes ${this.shapes.checked ? 'on' : 'off'}`));
    const tuners = byId('tuners');
    for (let tuner = 1; tuner <= 6; ++tuner) {
      const select = element('select', { id: `tuner-${tuner}` });
      fill(select, NOTE_NAMES);
      select.addEventListener('change', () => page.act(`tuner ${tuner} ${select.value}`));
      const name = element('span', { class: 'tuner-label' });
      const label = element('label', { class: 'tuner', for: `tuner-${tuner}` });
      label.append(element('span', { class: 'sr-only' }, `String ${7 - tuner} `), name);
      const box = element('div', { class: 'tuner-box' });
      box.append(label, select);
      tuners.append(box);
      this.tuners.push(select);
      this.tunerLabels.push(name);
    }
  }

  show(state: PageState): void {
    const s = state.session;
    setText(this.standard, s.tuningButton);
    setValue(this.preset, String(s.tuningMark));
    this.tuners.forEach((select, index) => {
      setValue(select, String(s.tunerPositions[index]));
      setText(this.tunerLabels[index], s.tunerLabels[index]);
    });
    setValue(this.capo, String(state.view.capo));
    this.shapes.checked = state.view.shapeNames;
  }
}
