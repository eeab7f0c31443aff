// The page's one loop: every control's event becomes one action on the module's session, then
// the whole state is read back and every view shows it. Nothing is decided here that the
// session decides: the page only shows and forwards.
import type { WebSession } from 'tambrel-module';
import type { NamingState, PageState, SessionState, SongState, ViewState, Vocabulary } from './state';

export interface View {
  show(state: PageState, page: Page): void;
}

// What plays the MIDI the session sent since the last state: the browser's synthesiser or a
// MIDI port.
export interface MidiOut {
  play(messages: string[]): void;
}

export class Page {
  state: PageState;
  private readonly views: View[] = [];
  private readonly listeners: ((state: PageState) => void)[] = [];

  constructor(
    readonly session: WebSession,
    readonly vocabulary: Vocabulary,
    private readonly midi: MidiOut,
    private readonly report: (message: string) => void,
  ) {
    this.state = this.read();
  }

  add(view: View): void {
    this.views.push(view);
  }

  // Called after every action, once the views have shown its state.
  onShown(listener: (state: PageState) => void): void {
    this.listeners.push(listener);
  }

  // One command of the session, as `tambrel-cli --script` takes it. A refused line changes
  // nothing; its reason goes to the status line.
  act(line: string): void {
    this.perform(() => {
      const printed = this.session.execute(line);
      if (printed.startsWith('{"error"')) this.report((JSON.parse(printed) as { error: string }).error);
    });
  }

  // Any other action on the session, then the state shown.
  perform(action: () => void, changed: () => boolean = () => true): void {
    try {
      action();
    } catch (error) {
      this.report(`Something went wrong: ${String(error)}`);
    }
    if (changed()) this.show();
  }

  // An action that may change nothing: the state is shown only when it says it did.
  performIf(action: () => boolean): void {
    let changed = true;
    this.perform(() => {
      changed = action();
    }, () => changed);
  }

  show(): void {
    this.state = this.read();
    for (const view of this.views) view.show(this.state, this);
    if (this.state.session.midi.length > 0) this.midi.play(this.state.session.midi);
    for (const listener of this.listeners) listener(this.state);
  }

  private read(): PageState {
    return {
      session: JSON.parse(this.session.state()) as SessionState,
      view: JSON.parse(this.session.viewJson()) as ViewState,
      naming: JSON.parse(this.session.execute('naming')) as NamingState,
      song: JSON.parse(this.session.execute('songstate')) as SongState,
    };
  }
}
