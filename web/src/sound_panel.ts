// The instrument list and the tempo of the strum, as the window's sound panel has them.
import { byId, element } from './dom';
import type { Page, View } from './page';
import type { PageState } from './state';

export class SoundPanel implements View {
  private readonly patch = byId<HTMLSelectElement>('patch');
  private readonly tempo = byId<HTMLInputElement>('tempo');

  constructor(page: Page) {
    page.vocabulary.instruments.forEach((name, item) => this.patch.append(element('option', { value: String(item) }, name)));
    this.patch.addEventListener('change', () => page.act(`patch ${this.patch.value}`));
    this.tempo.addEventListener('change', () => page.act(`tempo ${this.tempo.value}`));
  }

  show(state: PageState): void {
    // No item is chosen at start: the list reads "Nylon guitar", its first.
    const item = String(Math.max(state.view.patchItem, 0));
    if (this.patch.value !== item) this.patch.value = item;
    const tempo = String(state.view.tempo);
    if (this.tempo.value !== tempo) this.tempo.value = tempo;
  }
}
