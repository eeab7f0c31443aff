// A session of 1,000 random actions of the kind a user makes, searches included.
#include "session/script_session.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> randomActions(unsigned seed, int count) {
    std::mt19937 random(seed);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const std::vector<std::string> symbols{"Cm7/G", "F#m7/5-", "Bb7/Ab", "Dsus4", "E7/9",
                                           "Gadd9", "Am",      "C(b9)",  "Ebaug", "A5"};
    const std::vector<std::string> options{"omit3", "omit5", "easy", "lefthand", "nobarre"};
    std::vector<std::string> actions;
    for (int i = 0; i < count; ++i) {
        switch (pick(0, 12)) {
        case 0:
            actions.push_back("root " + std::to_string(pick(0, 11)));
            break;
        case 1:
            actions.push_back("bass " + std::to_string(pick(0, 11)));
            break;
        case 2:
        case 3:
            actions.push_back("tick " + std::to_string(pick(0, 50)));
            break;
        case 4:
            actions.push_back("symbol " + symbols[pick(0, 9)]);
            break;
        case 5:
            actions.push_back("fret " + std::to_string(6 * pick(1, 4)));
            break;
        case 6:
            actions.push_back("distance " + std::to_string(pick(2, 5)));
            break;
        case 7:
            actions.push_back(options[pick(0, 4)] + (pick(0, 1) ? " on" : " off"));
            break;
        case 8:
            actions.push_back("preset " + std::to_string(pick(0, 11)));
            break;
        case 9:
            actions.push_back("tuner " + std::to_string(pick(1, 6)) + " " +
                              std::to_string(pick(0, 11)));
            break;
        case 10:
            actions.push_back("click " + std::to_string(pick(0, 643)) + " " +
                              std::to_string(pick(0, 1200)));
            break;
        case 11:
            actions.emplace_back(pick(0, 1) ? "view mod2" : "view mod1");
            break;
        default:
            actions.push_back("type " + std::to_string(pick(0, 34)));
            break;
        }
    }
    return actions;
}

void BM_ThousandUserActions(benchmark::State& state) {
    const auto actions = randomActions(20261208, 1000);
    for (auto _ : state) {
        tambrel::ScriptSession session;
        for (const std::string& action : actions) session.execute(action);
        benchmark::DoNotOptimize(session.model().search().voicingList.size());
    }
}
BENCHMARK(BM_ThousandUserActions)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
