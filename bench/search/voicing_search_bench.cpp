// The voicing search for every chord type on every root at the widest limits.
#include "bench/search/chord_sweep.h"
#include "music/chord_vocabulary.h"
#include "search/voicing_choices.h"
#include "search/voicing_search.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tambrel;

// All 420 chords (35 chord types on 12 roots) in one iteration.
void BM_SweepEveryChordType(benchmark::State& state) {
    std::size_t voicings = 0;
    for (auto _ : state) {
        voicings = sweepEveryChordType();
        benchmark::DoNotOptimize(voicings);
    }
    state.counters["voicings"] = static_cast<double>(voicings);
}
BENCHMARK(BM_SweepEveryChordType)->Unit(benchmark::kMillisecond);

// The same sweep with every voicing scored and the list put easiest first, and then with the
// common voicings that leave tones out joined to each list: beside the plain sweep above,
// the cost of the two choices.
void sweepWithChoices(benchmark::State& state, VoicingChoices choices) {
    std::size_t voicings = 0;
    for (auto _ : state) {
        voicings = 0;
        for (int root = 0; root < 12; ++root) {
            for (const ChordType& type : chordTypeTable()) {
                const auto ranked =
                    searchWithChoices(type.intervals, widestSearchInputs(root), choices);
                voicings += ranked.result.voicingList.size();
            }
        }
        benchmark::DoNotOptimize(voicings);
    }
    state.counters["voicings"] = static_cast<double>(voicings);
}

void BM_SweepScoredEasiestFirst(benchmark::State& state) {
    sweepWithChoices(state, {VoicingOrder::EasiestFirst, false});
}
BENCHMARK(BM_SweepScoredEasiestFirst)->Unit(benchmark::kMillisecond);

void BM_SweepCommonVoicingsEasiestFirst(benchmark::State& state) {
    sweepWithChoices(state, {VoicingOrder::EasiestFirst, true});
}
BENCHMARK(BM_SweepCommonVoicingsEasiestFirst)->Unit(benchmark::kMillisecond);

// One chord at a time: the slowest of them is the one to watch.
void BM_OneChord(benchmark::State& state) {
    const int root = static_cast<int>(state.range(0));
    const ChordType& type = chordTypeTable()[state.range(1)];
    const std::string request = buildSearchRequest(type.intervals, root, root);
    const SearchInputs in = widestSearchInputs(root);
    std::size_t count = 0;
    for (auto _ : state) {
        count = findVoicings(request, in).voicingList.size();
        benchmark::DoNotOptimize(count);
    }
    state.counters["voicings"] = static_cast<double>(count);
}
BENCHMARK(BM_OneChord)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 11, 1), benchmark::CreateDenseRange(0, 34, 1)})
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
