// Sound: the session's MIDI messages, with their strum pauses, played by a General MIDI
// synthesiser in the browser (FluidSynth compiled for the web, on an audio worklet), or sent to
// a MIDI port when the browser offers one and the user picks it. The SoundFont is fetched once
// the first results are painted, so that it never holds up the page.
import { AudioWorkletNodeSynthesizer } from 'js-synthesizer';
import { byId, element, setText } from './dom';
import type { MidiOut } from './page';

export const SOUNDFONT = 'sound/TimGM6mb.sf2';

// One step of the session's MIDI log: a short message's three bytes, a volume, or a pause.
type Step = { bytes: number[] } | { volume: number } | { pause: number };

export function readMidiLog(log: string[]): Step[] {
  const steps: Step[] = [];
  for (const line of log) {
    if (line.startsWith('pause ')) steps.push({ pause: Number(line.slice(6)) });
    else if (line.startsWith('volume ')) {
      // The device's two channels, left in the low word: the louder counts.
      const value = Number.parseInt(line.slice(9), 16);
      steps.push({ volume: Math.max(value & 0xffff, value >>> 16) / 0xffff });
    } else {
      const value = Number.parseInt(line.slice(2), 16);
      const status = value & 0xff;
      const length = status >= 0xc0 && status < 0xe0 ? 2 : 3;
      steps.push({ bytes: [status, (value >> 8) & 0xff, (value >> 16) & 0xff].slice(0, length) });
    }
  }
  return steps;
}

// What the tests read: whether the audio runs, every note handed to the synthesiser, and the
// loudest sample the synthesiser has put out since the audio started.
export interface SoundProbe {
  contextState: string;
  notes: number[];
  peak: number;
}

declare global {
  interface Window {
    tambrelSound?: SoundProbe;
  }
}

export class Sound implements MidiOut {
  private soundFont: Promise<ArrayBuffer> | null = null;
  private synth: Promise<AudioWorkletNodeSynthesizer> | null = null;
  private context: AudioContext | null = null;
  private ports: MIDIAccess | null = null; // once the user has let the page list them
  private port: MIDIOutput | null = null;
  private volume = 1;
  private readonly probe: SoundProbe = { contextState: 'none', notes: [], peak: 0 };
  private readonly status = byId('sound-status');

  constructor() {
    window.tambrelSound = this.probe;
    const output = byId<HTMLSelectElement>('midi-output');
    // The browser asks the user before it lists the ports: only when the user opens the list.
    output.addEventListener('focus', () => void this.listPorts(output), { once: true });
    output.addEventListener('change', () => void this.choosePort(output.value));
    // Audio may only start from a user's gesture.
    const start = () => void this.startAudio();
    document.addEventListener('pointerdown', start, { once: true, capture: true });
    document.addEventListener('keydown', start, { once: true, capture: true });
  }

  // After the first results are painted.
  fetchSoundFont(): void {
    this.soundFont ??= fetch(SOUNDFONT).then((response) => {
      if (!response.ok) throw new Error(`no SoundFont (${response.status})`);
      return response.arrayBuffer();
    });
    this.soundFont.catch((error) => setText(this.status, `No built-in sound: ${String(error)}`));
  }

  play(log: string[]): void {
    const steps = readMidiLog(log);
    if (this.port) {
      this.sendToPort(this.port, steps);
      return;
    }
    this.startAudio()
      .then((synth) => this.sendToSynth(synth, steps))
      .catch((error) => setText(this.status, `No sound: ${String(error)}`));
  }

  private startAudio(): Promise<AudioWorkletNodeSynthesizer> {
    this.synth ??= (async () => {
      this.fetchSoundFont();
      const context = new AudioContext();
      this.context = context;
      context.addEventListener('statechange', () => (this.probe.contextState = context.state));
      this.probe.contextState = context.state;
      await context.audioWorklet.addModule('sound/libfluidsynth.js');
      await context.audioWorklet.addModule('sound/js-synthesizer.worklet.js');
      const synth = new AudioWorkletNodeSynthesizer();
      synth.init(context.sampleRate);
      const node = synth.createAudioNode(context);
      node.connect(context.destination);
      this.measure(context, node);
      await synth.loadSFont((await this.soundFont!).slice(0));
      if (context.state !== 'running') await context.resume();
      this.probe.contextState = context.state;
      setText(this.status, '');
      return synth;
    })();
    return this.synth;
  }

  // A meter beside the speakers: the probe's peak, read every frame while notes ring.
  private measure(context: AudioContext, node: AudioNode): void {
    const meter = context.createAnalyser();
    node.connect(meter);
    const samples = new Float32Array(meter.fftSize);
    const read = () => {
      meter.getFloatTimeDomainData(samples);
      for (const sample of samples) this.probe.peak = Math.max(this.probe.peak, Math.abs(sample));
      requestAnimationFrame(read);
    };
    read();
  }

  private sendToSynth(synth: AudioWorkletNodeSynthesizer, steps: Step[]): void {
    if (this.context && this.context.state !== 'running') void this.context.resume();
    let delay = 0;
    for (const step of steps) {
      if ('pause' in step) delay += step.pause;
      else if ('volume' in step) this.volume = step.volume;
      else {
        const bytes = step.bytes;
        if ((bytes[0] & 0xf0) === 0x90 && bytes[2] > 0) this.probe.notes.push(bytes[1]);
        const send = () => this.toSynth(synth, bytes);
        if (delay === 0) send();
        else setTimeout(send, delay);
      }
    }
  }

  private toSynth(synth: AudioWorkletNodeSynthesizer, [status, data1, data2]: number[]): void {
    const channel = status & 0x0f;
    switch (status & 0xf0) {
      case 0x90:
        if (data2 > 0) synth.midiNoteOn(channel, data1, Math.round(data2 * this.volume));
        else synth.midiNoteOff(channel, data1);
        break;
      case 0x80:
        synth.midiNoteOff(channel, data1);
        break;
      case 0xb0:
        synth.midiControl(channel, data1, data2);
        break;
      case 0xc0:
        synth.midiProgramChange(channel, data1);
        break;
      default:
        break;
    }
  }

  private sendToPort(port: MIDIOutput, steps: Step[]): void {
    let at = performance.now();
    for (const step of steps) {
      if ('pause' in step) at += step.pause;
      else if ('bytes' in step) port.send(step.bytes, at);
    }
  }

  private async listPorts(select: HTMLSelectElement): Promise<void> {
    if (!navigator.requestMIDIAccess) return;
    try {
      const access = await navigator.requestMIDIAccess();
      for (const output of access.outputs.values())
        select.append(element('option', { value: output.id }, output.name ?? output.id));
      this.ports = access;
    } catch {
      setText(this.status, 'The browser gives no MIDI ports.');
    }
  }

  private choosePort(id: string): void {
    this.port = (id && this.ports?.outputs.get(id)) || null;
  }
}
