// The order held against a public database of human-chosen guitar fingerings, in which each
// chord's first position is the one players use most. The database is test data that is not
// part of the tree: TAMBREL_CHORDS_DB names its guitar.json (or the package folder holding
// lib/guitar.json); otherwise the copy that the test-data step installs into the build tree
// is used. Without either the test is skipped.
#include "search/voicing.h"
#include "search/voicing_choices.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>

namespace tambrel {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path> databasePath() {
    std::vector<fs::path> candidates;
    if (const char* given = std::getenv("TAMBREL_CHORDS_DB")) {
        candidates.emplace_back(given);
        candidates.emplace_back(fs::path(given) / "lib" / "guitar.json");
    }
    candidates.emplace_back(TAMBREL_CHORDS_DB_DEFAULT);
    for (const fs::path& path : candidates) {
        std::error_code error;
        if (fs::is_regular_file(path, error)) return path;
    }
    return std::nullopt;
}

// The database's chord names as interval lists, written as the tension list composes them.
// Its "alt" chord names no fixed set of tones and is left out.
const std::map<std::string, std::string>& formulas() {
    static const std::map<std::string, std::string> table{
        {"major", "00 04 07"},
        {"minor", "00 03 07"},
        {"dim", "00 03 06"},
        {"dim7", "00 03 06 09"},
        {"sus2", "00 07 02"},
        {"sus4", "00 07 05"},
        {"7sus4", "00 07 05 10"},
        {"aug", "00 04 08"},
        {"6", "00 04 07 09"},
        {"69", "00 04 07 09 02"},
        {"7", "00 04 07 10"},
        {"7b5", "00 04 06 10"},
        {"aug7", "00 04 08 10"},
        {"9", "00 04 07 10 02"},
        {"9b5", "00 04 06 10 02"},
        {"aug9", "00 04 08 10 02"},
        {"7b9", "00 04 07 10 01"},
        {"7#9", "00 04 07 10 03"},
        {"11", "00 04 07 10 02 05"},
        {"9#11", "00 04 07 10 02 06"},
        {"13", "00 04 07 10 02 09"},
        {"maj7", "00 04 07 11"},
        {"maj7b5", "00 04 06 11"},
        {"maj7#5", "00 04 08 11"},
        {"maj9", "00 04 07 11 02"},
        {"maj11", "00 04 07 11 02 05"},
        {"maj13", "00 04 07 11 02 09"},
        {"m6", "00 03 07 09"},
        {"m69", "00 03 07 09 02"},
        {"m7", "00 03 07 10"},
        {"m7b5", "00 03 06 10"},
        {"m9", "00 03 07 10 02"},
        {"m11", "00 03 07 10 02 05"},
        {"mmaj7", "00 03 07 11"},
        {"mmaj7b5", "00 03 06 11"},
        {"mmaj9", "00 03 07 11 02"},
        {"mmaj11", "00 03 07 11 02 05"},
        {"add9", "00 04 07 02"},
        {"madd9", "00 03 07 02"},
    };
    return table;
}

const std::map<std::string, int>& keys() {
    static const std::map<std::string, int> table{
        {"C", 0},      {"Csharp", 1}, {"D", 2},  {"Eb", 3}, {"E", 4},   {"F", 5},
        {"Fsharp", 6}, {"G", 7},      {"Ab", 8}, {"A", 9},  {"Bb", 10}, {"B", 11}};
    return table;
}

struct Chord {
    std::string name;
    std::string intervals;
    int root = 0;
    FretList frets{}; // absolute frets, 99 muted
};

// The first position of every chord whose lowest sounding note is its root.
std::vector<Chord> firstPositionsOverTheirRoot(const fs::path& path) {
    std::ifstream in(path);
    const nlohmann::json db = nlohmann::json::parse(in);
    std::vector<Chord> chords;
    for (const auto& [key, list] : db.at("chords").items()) {
        const int root = keys().at(key);
        for (const auto& chord : list) {
            const auto formula = formulas().find(chord.at("suffix").get<std::string>());
            if (formula == formulas().end()) continue;
            const auto& position = chord.at("positions").at(0);
            const int base = position.at("baseFret").get<int>();
            Chord c{key + chord.at("suffix").get<std::string>(), formula->second, root, {}};
            int bass = -1;
            for (int s = 0; s < kStringCount; ++s) {
                const int f = position.at("frets").at(s).get<int>();
                c.frets[s] = f < 0 ? kMuted : (f == 0 ? 0 : f + base - 1);
                if (bass < 0 && f >= 0) bass = (kStandardTuning[s] + c.frets[s]) % 12;
            }
            if (bass == root) chords.push_back(c);
        }
    }
    return chords;
}

// Where the fingering stands in a list, barre marks aside; -1 when it is not there.
int rankOf(const FretList& frets, const std::vector<Voicing>& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].frets.frets() == frets) return static_cast<int>(i);
    }
    return -1;
}

// How often a list puts the database's first position first, and in its first three.
struct Placings {
    int first = 0;
    int firstThree = 0;
    void count(int rank) {
        first += rank == 0;
        firstThree += rank >= 0 && rank < 3;
    }
};

std::ostream& operator<<(std::ostream& out, const Placings& placings) {
    return out << "first " << placings.first << ", in the first three " << placings.firstThree;
}

TEST(ChordDatabase, CommonVoicingsFindTheFirstPositionsAndEasiestFirstPutsThemNearTheTop) {
    const auto path = databasePath();
    if (!path) GTEST_SKIP() << "the chord database is not installed";
    const std::vector<Chord> chords = firstPositionsOverTheirRoot(*path);
    ASSERT_GT(chords.size(), 400U);

    int foundPlain = 0;
    int firstPlain = 0;
    int foundCommon = 0;
    int firstEasiest = 0;
    int topThreeEasiest = 0;
    // Each order with and without the common voicings.
    Placings position;
    Placings positionCommon;
    Placings easiestPlain;
    const bool report = std::getenv("TAMBREL_CHORDS_DB_REPORT") != nullptr;
    for (const Chord& chord : chords) {
        SearchInputs inputs;
        inputs.rootNote = chord.root;
        inputs.bassNote = chord.root;
        const RankedVoicings plain = searchWithChoices(chord.intervals, inputs, {});
        const int plainRank = rankOf(chord.frets, plain.result.voicingList);
        foundPlain += plainRank >= 0;
        firstPlain += plainRank == 0;
        position.count(plainRank);
        positionCommon.count(rankOf(
            chord.frets, searchWithChoices(chord.intervals, inputs, {VoicingOrder::Position, true})
                             .result.voicingList));
        easiestPlain.count(
            rankOf(chord.frets,
                   searchWithChoices(chord.intervals, inputs, {VoicingOrder::EasiestFirst, false})
                       .result.voicingList));

        const RankedVoicings easiest =
            searchWithChoices(chord.intervals, inputs, {VoicingOrder::EasiestFirst, true});
        const int rank = rankOf(chord.frets, easiest.result.voicingList);
        foundCommon += rank >= 0;
        firstEasiest += rank == 0;
        topThreeEasiest += rank >= 0 && rank < 3;
        if (report && (rank < 0 || rank >= 3)) {
            std::cout << chord.name << " " << fretText(chord.frets) << "rank " << rank;
            if (!easiest.result.voicingList.empty())
                std::cout << "; first " << fretText(easiest.result.voicingList[0].frets) << " ["
                          << explainEntry(easiest, 0) << "]";
            if (rank >= 0)
                std::cout << "; it " << explainEntry(easiest, static_cast<std::size_t>(rank));
            std::cout << '\n';
        }
    }
    const auto n = static_cast<double>(chords.size());
    std::cout << chords.size() << " first positions over their root. Position order: found "
              << foundPlain << ", first " << firstPlain << ". Common voicings: found "
              << foundCommon << " (" << 100.0 * foundCommon / n << "%); easiest first: first "
              << firstEasiest << ", in the first three " << topThreeEasiest << " ("
              << 100.0 * topThreeEasiest / n << "%)\n"
              << "Position order: " << position << "; easiest first: " << easiestPlain
              << ". With common voicings, position order: " << positionCommon
              << "; easiest first: first " << firstEasiest << ", in the first three "
              << topThreeEasiest << "\n";
    EXPECT_GE(foundCommon, 0.95 * n);
    EXPECT_GE(topThreeEasiest, 0.76 * n);
    // Easiest first puts the players' choice higher than the search's own order does, with
    // the common voicings and without.
    EXPECT_GT(easiestPlain.first, position.first);
    EXPECT_GT(easiestPlain.firstThree, position.firstThree);
    EXPECT_GT(firstEasiest, positionCommon.first);
    EXPECT_GT(topThreeEasiest, positionCommon.firstThree);
}

} // namespace
} // namespace tambrel
