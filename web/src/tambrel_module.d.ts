// The WebAssembly module's JavaScript face: the session class as web_bindings.cpp binds it.
declare module 'tambrel-module' {
  export interface WebSession {
    execute(line: string): string;
    state(): string;
    viewJson(): string;
    diagramCount(): number;
    diagramSvg(index: number): string;
    diagramExplanation(index: number): string;
    clickDiagram(index: number): void;
    neckSvg(): string;
    setDotLabels(labels: number): boolean;
    dotLabels(): number;
    addSelectedToSheet(): boolean;
    addResultsToSheet(): boolean;
    addSongToSheet(): boolean;
    renameSheetEntry(index: number, name: string): boolean;
    removeSheetEntry(index: number): boolean;
    moveSheetEntry(from: number, to: number): boolean;
    clearSheet(): void;
    sheetJson(): string;
    sheetDiagramSvg(index: number): string;
    sheetSvg(perRow: number, title: string): string;
    chooseNeck(electric: boolean): void;
    setSongText(text: string): void;
    playSong(bpm: number, beatsPerChord: number, nowMs: number): void;
    songTick(nowMs: number): void;
    stopSong(): void;
    songPlaying(): boolean;
    songCurrentChord(): number;
    strumSongChord(chord: number): void;
    songAlternativesJson(chord: number): string;
    pinSongChord(chord: number, alternative: number): boolean;
    useBestCapo(): string;
    songChordPro(): string;
    songMidiFile(bpm: number, beatsPerChord: number): Uint8Array<ArrayBuffer>;
    songChordSvg(chord: number): string;
  }
  export interface TambrelModule {
    WebSession: { new (): WebSession; vocabularyJson(): string };
  }
  export default function createTambrel(options?: { locateFile?: (path: string) => string }): Promise<TambrelModule>;
}
