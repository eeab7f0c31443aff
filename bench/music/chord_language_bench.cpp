// Reading what a guitarist types and naming what a guitarist holds, once per user action:
// each must stay well under 100 microseconds.
#include "music/chord_symbol.h"
#include "music/fingering_names.h"
#include "music/lookup_tokens.h"
#include "music/lookup_translation.h"
#include "music/text_encoding.h"
#include "tuning/tunings.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using namespace tambrel;

const std::array<const char*, 8> kSymbols{"Cmaj7",
                                          "F#m7b5",
                                          "Bb7(b9,#11)",
                                          "C13#11",
                                          "E\xE2\x99\xAD\xCE\x94"
                                          "9",
                                          "Dsus4/A",
                                          "Cm13",
                                          "G7alt"};

// The symbol as the search button takes it: does the lookup read it wholly, and if not, the
// standard reading and its translation.
void BM_ReadSymbol(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const char* text = kSymbols[i++ % kSymbols.size()];
        const bool wholly = lookupReadsWholly(readLookupTokens(utf8ToCp1252(text)));
        benchmark::DoNotOptimize(wholly);
        const SymbolReading reading = readChordSymbol(text);
        if (reading.chord) benchmark::DoNotOptimize(translateForLookup(*reading.chord));
    }
}
BENCHMARK(BM_ReadSymbol)->Unit(benchmark::kMicrosecond);

void BM_ReadSymbolOnly(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(readChordSymbol(kSymbols[i++ % kSymbols.size()]));
}
BENCHMARK(BM_ReadSymbolOnly)->Unit(benchmark::kMicrosecond);

const std::array<const char*, 6> kFingerings{"x32010",        "x3234x",           "133211",
                                             "8 10 10 9 8 8", "x,10,12,12,11,10", "3x2210"};

MidiNoteTable standardMidi() {
    return midiNoteTableFor(kStandardTuning);
}

// From the typed fret list to the ranked readings and the engine's list.
void BM_NameFingering(benchmark::State& state) {
    const MidiNoteTable midi = standardMidi();
    std::size_t i = 0;
    for (auto _ : state) {
        const FretListReading frets = readFretList(kFingerings[i++ % kFingerings.size()]);
        benchmark::DoNotOptimize(nameFingering(*frets.frets, midi, noteNames()));
    }
}
BENCHMARK(BM_NameFingering)->Unit(benchmark::kMicrosecond);

// The worst a fingering can be: six different notes.
void BM_NameSixNoteFingering(benchmark::State& state) {
    const MidiNoteTable midi = standardMidi();
    for (auto _ : state)
        benchmark::DoNotOptimize(nameFingering({1, 3, 1, 2, 2, 3}, midi, noteNames()));
}
BENCHMARK(BM_NameSixNoteFingering)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
