#include "search/voice_leading.h"

#include "music/fret_list_text.h"
#include "search/voicing_choices.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tambrel {
namespace {

Fretting frets(const std::string& text) {
    return *readFretList(text).frets;
}

TEST(MoveCost, PartsOfTheChangesGuitaristsKnow) {
    // C to Am: the fingers on D and B stay down, the top E rings on, the third finger goes
    // from the A string to the G string (one lifted, one placed).
    const MoveCost cToAm = moveCost(frets("x32010"), frets("x02210"));
    EXPECT_EQ(cToAm.shift, 0);
    EXPECT_EQ(cToAm.lifted, 10);
    EXPECT_EQ(cToAm.placed, 50);
    EXPECT_EQ(cToAm.moved, 0);
    EXPECT_EQ(cToAm.kept, -125); // two fingers stay down, the open top string rings on
    EXPECT_EQ(cToAm.total(), -65);
    // In the open position nothing shifts, however the fingers change.
    const MoveCost gToD = moveCost(frets("320003"), frets("xx0232"));
    EXPECT_EQ(gToD.shift, 0);
    EXPECT_EQ(gToD.moved, 50); // the top string, third fret to second
    EXPECT_EQ(gToD.placed, 100);
    EXPECT_EQ(gToD.lifted, 20);

    // A bar is one finger set down, however many strings it takes; the strings pressed before
    // at the same fret stay down.
    const MoveCost amToF = moveCost(frets("x02210"), Fretting{-1, 3, 3, 2, 1, 1});
    EXPECT_EQ(amToF.placed, 100); // the bar, and the A string's third fret
    EXPECT_EQ(amToF.moved, 50);   // the D string from the second fret to the third
    EXPECT_EQ(amToF.kept, -100);  // the G and B strings
    EXPECT_EQ(moveCost(frets("x02210"), frets("133211")).placed, 150); // fingertips each

    // A barre shape slid two frets up keeps every finger in its place within the hand: only
    // the shift costs.
    const MoveCost slide = moveCost(frets("133211"), frets("355433"));
    EXPECT_EQ(slide.moved, 0);
    EXPECT_EQ(slide.kept, 0);
    EXPECT_GT(slide.shift, 0);
    EXPECT_EQ(slide.total(), slide.shift);
    // Further is dearer, and down costs what up costs.
    EXPECT_GT(moveCost(frets("133211"), frets("577655")).shift, slide.shift);
    EXPECT_EQ(moveCost(frets("355433"), frets("133211")), slide);

    // Open strings only: the hand is free, nothing shifts.
    EXPECT_EQ(moveCost(frets("x00000"), frets("x79987")).shift, 0);
    // The same fingering twice: every sounding string kept, nothing else.
    const MoveCost same = moveCost(frets("x24432"), frets("x24432"));
    EXPECT_EQ(same.total(), same.kept);
    EXPECT_EQ(same.kept, -250);
}

TEST(HandPosition, IsTheLowestFrettedFret) {
    EXPECT_EQ(handPosition(frets("x32010")), 1);
    EXPECT_EQ(handPosition(frets("x 10 12 12 11 10")), 10);
    EXPECT_EQ(handPosition(frets("xx0000")), 0);
}

// Every combination of the alternatives, counted by hand.
int bruteForceCost(const std::vector<ChordAlternatives>& chords) {
    std::vector<int> chosen(chords.size(), -1);
    int best = -1;
    bool any = false;
    auto walk = [&](auto&& self, std::size_t i) -> void {
        if (i == chords.size()) {
            const int cost = costOfChoice(chords, chosen);
            if (!any || cost < best) best = cost;
            any = true;
            return;
        }
        const int count = static_cast<int>(chords[i].fingerings.size());
        if (count == 0) return self(self, i + 1);
        for (int c = 0; c < count; ++c) {
            if (chords[i].pinned >= 0 && c != chords[i].pinned) continue;
            chosen[i] = c;
            self(self, i + 1);
        }
        chosen[i] = -1;
    };
    walk(walk, 0);
    return best;
}

TEST(ChooseFingerings, EqualsEveryCombinationCountedOnRandomSongs) {
    // The alternatives are real ones: the easiest fingerings of chords on random roots, with
    // now and then a chord that has none and a pin.
    const std::vector<std::string> formulas = {"00 04 07",    "00 03 07",    "00 04 07 10",
                                               "00 03 07 10", "00 04 07 11", "00 03 06 10"};
    std::mt19937 random(19);
    for (int round = 0; round < 60; ++round) {
        const int length = 1 + static_cast<int>(random() % 5);
        std::vector<ChordAlternatives> song;
        for (int i = 0; i < length; ++i) {
            ChordAlternatives chord;
            if (random() % 7 != 0) {
                SearchInputs inputs;
                inputs.rootNote = inputs.bassNote = static_cast<int>(random() % 12);
                const RankedVoicings ranked = searchWithChoices(
                    formulas[random() % formulas.size()], inputs, {VoicingOrder::EasiestFirst});
                const std::size_t take = std::min<std::size_t>(6, ranked.scores.size());
                for (std::size_t v = 0; v < take; ++v) {
                    chord.fingerings.push_back(ranked.result.voicingList[v].frets);
                    chord.handScores.push_back(ranked.scores[v]);
                }
                if (take > 0 && random() % 5 == 0) chord.pinned = static_cast<int>(random() % take);
            }
            song.push_back(chord);
        }
        const SongChoice choice = chooseFingerings(song);
        ASSERT_EQ(choice.chosen.size(), song.size());
        EXPECT_EQ(choice.cost, bruteForceCost(song)) << "round " << round;
        // The cost is the sum of its parts, and the choice honours what it must.
        EXPECT_EQ(choice.cost, costOfChoice(song, choice.chosen));
        for (std::size_t i = 0; i < song.size(); ++i) {
            EXPECT_EQ(choice.chosen[i] < 0, song[i].fingerings.empty());
            if (song[i].pinned >= 0) {
                EXPECT_EQ(choice.chosen[i], song[i].pinned);
            }
        }
    }
}

TEST(ChooseFingerings, EmptySongsAndPinsOutsideTheAlternatives) {
    EXPECT_TRUE(chooseFingerings({}).chosen.empty());
    const SongChoice nothing = chooseFingerings({ChordAlternatives{}, ChordAlternatives{}});
    EXPECT_EQ(nothing.chosen, (std::vector<int>{-1, -1}));
    EXPECT_EQ(nothing.cost, 0);

    ChordAlternatives c{{frets("x32010"), frets("x35553")}, {300, 700}, 5};
    const SongChoice one = chooseFingerings({c});
    EXPECT_EQ(one.chosen, std::vector<int>{0}); // the pin holds nothing; the easier wins
    EXPECT_EQ(one.cost, 300);
}

TEST(ChooseFingerings, AMoveCanOutweighTheEasierFingering) {
    // Alone, each chord's first alternative is easier; together, staying up the neck wins.
    ChordAlternatives first{{frets("x 10 12 12 12 10")}, {900}};
    ChordAlternatives second{{frets("320003"), frets("x 10 12 12 12 10")}, {400, 600}};
    const SongChoice choice = chooseFingerings({first, second});
    EXPECT_EQ(choice.chosen, (std::vector<int>{0, 1}));
    EXPECT_EQ(choice.cost, 900 + 600 + moveCost(first.fingerings[0], first.fingerings[0]).total());
}

} // namespace
} // namespace tambrel
