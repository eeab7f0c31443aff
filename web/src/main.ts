// The page's start: the module is loaded, the session starts as the window does (C major, the
// first search done), every view shows it, and only then does the sound's SoundFont load.
import createTambrel from 'tambrel-module';
import { ChordEntry } from './chord_entry';
import { byId, setText } from './dom';
import { Naming } from './naming';
import { Options, Tuning } from './options';
import { Page } from './page';
import { Results } from './results';
import { Sheet } from './sheet';
import { Song } from './song';
import { Sound } from './sound';
import { SoundPanel } from './sound_panel';
import type { Vocabulary } from './state';

declare global {
  interface Window {
    // For anyone testing the page: the page and its session.
    tambrelPage?: Page;
  }
}

async function start(): Promise<void> {
  const module = await createTambrel({ locateFile: (path) => path });
  const session = new module.WebSession();
  const vocabulary = JSON.parse(module.WebSession.vocabularyJson()) as Vocabulary;
  const sound = new Sound();
  const status = byId('status');
  const page = new Page(session, vocabulary, sound, (message) => setText(status, message));
  // A new action's message replaces the last one; a quiet action clears it.
  page.onShown((state) => {
    if (state.view.error) setText(status, state.view.error);
    else if (state.naming.lookupNotice) setText(status, state.naming.lookupNotice);
  });
  page.add(new ChordEntry(page));
  page.add(new Options(page));
  page.add(new Tuning(page));
  page.add(new Results(page));
  page.add(new Naming(page));
  page.add(new SoundPanel(page));
  page.add(new Sheet(page));
  page.add(new Song(page));
  page.show();
  window.tambrelPage = page;
  document.body.classList.add('ready');
  requestAnimationFrame(() => setTimeout(() => sound.fetchSoundFont(), 0));
  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('service_worker.js').catch(() => undefined);
}

start().catch((error) => {
  setText(byId('status'), `Tambrel could not start: ${String(error)}`);
});
