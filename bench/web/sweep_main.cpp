// The search's sweep of every chord type on every root, timed without a benchmark library, so
// that the same program runs natively and as WebAssembly under Node and the two can be set side
// by side. One JSON line: the best of a few runs in milliseconds and the voicings found.
#include "bench/search/chord_sweep.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    // The runs: the first also warms the tables built on first use.
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    double bestMs = 0;
    std::size_t voicings = 0;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        voicings = tambrel::sweepEveryChordType();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        bestMs = run == 0 ? took.count() : std::min(bestMs, took.count());
    }
    std::printf("{\"sweep\":\"every chord type\",\"runs\":%d,\"bestMs\":%.2f,\"voicings\":%zu}\n",
                runs, bestMs, voicings);
    return 0;
}
