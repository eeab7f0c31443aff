// The round trip of the chord language: every chord-type row on every root, every voicing the
// search finds for it in standard tuning up to fret 24, named back from its frets; and every
// best reading typed into the symbol box composing the chord again.
#include "tests/window/window_test_support.h"

#include "music/chord_vocabulary.h"
#include "music/fingering_names.h"
#include "music/lookup_translation.h"
#include "music/plain_names.h"
#include "search/voicing_search.h"
#include "tuning/tunings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <set>

using namespace tambrel;
using namespace tambrel::testing;

namespace {

std::vector<int> sorted(std::vector<int> pitches) {
    std::sort(pitches.begin(), pitches.end());
    pitches.erase(std::unique(pitches.begin(), pitches.end()), pitches.end());
    return pitches;
}

std::vector<int> pitchesOf(const PlainReading& reading) {
    std::vector<int> pitches{reading.bass};
    for (const ChordTone& tone : reading.spelling.tones)
        pitches.push_back((reading.root + tone.offset) % 12);
    return sorted(pitches);
}

std::vector<int> pitchesOf(const std::string& intervals, int root) {
    std::vector<int> pitches;
    for (std::size_t i = 0; i + 1 < intervals.size(); i += 3)
        pitches.push_back((root + std::stoi(intervals.substr(i, 2))) % 12);
    return sorted(pitches);
}

class RoundTripTest : public WindowTest {};

} // namespace

TEST_F(RoundTripTest, EveryVoicingOfEveryChordTypeNamesItsChordAndItsBestReadingTypesBack) {
    const MidiNoteTable midi = midiNoteTableFor(kStandardTuning);
    long voicings = 0;
    int chords = 0;
    std::map<std::string, int> unexpressed; // best readings typed back as another chord, by why
    std::set<std::string> examples;
    for (int row = 0; row < kChordTypeCount; ++row) {
        for (int root = 0; root < 12; ++root) {
            const std::string intervals = chordTypeTable()[row].intervals;
            const std::vector<int> chord = pitchesOf(intervals, root);
            SearchInputs inputs;
            inputs.rootNote = inputs.bassNote = root;
            inputs.maxFret = 24;
            const SearchResult found =
                findVoicings(buildSearchRequest(intervals, root, root), inputs);
            ASSERT_FALSE(found.voicingList.empty()) << "row " << row << " root " << root;
            for (const Voicing& voicing : found.voicingList) {
                // Named from its sounding notes, lowest first: an open string below the bass
                // fret makes a slash reading, still of the chord's pitch classes.
                const FingeringNames named = nameFingering(voicing.frets, midi, noteNames());
                ++voicings;
                const bool listed =
                    std::any_of(named.readings.begin(), named.readings.end(),
                                [&chord](const PlainReading& r) { return pitchesOf(r) == chord; });
                ASSERT_TRUE(listed) << "row " << row << " root " << root << ": " << voicing;
            }

            // The chord's plain name, as the window shows it over the chord's own bass.
            const auto readings = plainReadings(found.chordTones, root, noteNames());
            ASSERT_FALSE(readings.empty());
            const std::string best = readings.front().symbol;

            ++chords;
            const SymbolForLookup symbol = symbolForLookup(best);
            typeSymbol(symbol.text);
            std::vector<int> composed = pitchesOf(state().chordIntervals, state().rootNote);
            composed.push_back(state().bassNote);
            if (sorted(composed) != chord) {
                const std::string why = symbol.translated ? "the tension list cannot write it"
                                                          : "the lookup reads it as its own words";
                ++unexpressed[why];
                examples.insert(best);
            }
        }
    }
    int typedOtherwise = 0;
    for (const auto& [why, count] : unexpressed) typedOtherwise += count;
    std::cout << "round trip: " << chords << " chords, " << voicings << " voicings named; "
              << chords - typedOtherwise << " best readings type back to their chord";
    for (const auto& [why, count] : unexpressed)
        std::cout << "; " << count << " (" << 100.0 * count / chords << "%) " << why;
    std::cout << ":";
    for (const std::string& example : examples) std::cout << ' ' << example;
    std::cout << '\n';
    EXPECT_GT(voicings, 90000);
    // Only the lookup's own readings of "9" and "m9" (an added ninth) stand between a best
    // reading and its chord: every other best reading types back.
    EXPECT_EQ(unexpressed.count("the tension list cannot write it"), 0u);
    for (const std::string& example : examples) {
        const std::size_t nine = example.find('9');
        EXPECT_TRUE(nine != std::string::npos && nine + 1 == example.size()) << example;
    }
}
