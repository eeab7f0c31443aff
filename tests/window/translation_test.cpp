// Standard chord symbols put into the tension list's words: typed into the symbol box, each
// translation composes exactly the symbol's pitch classes, less what the note limit left out.
#include "tests/window/window_test_support.h"

#include "music/chord_symbol.h"
#include "music/lookup_tokens.h"
#include "music/lookup_translation.h"
#include "tests/music/symbol_cases.h"

#include <gmock/gmock.h>

#include <algorithm>

using namespace tambrel;
using namespace tambrel::testing;

namespace {

class TranslationTest : public WindowTest {
  protected:
    // The pitch classes the lookup composed: the formula on the root, and the bass.
    std::vector<int> composed() const {
        std::vector<int> pitches;
        const std::string& intervals = state().chordIntervals;
        for (std::size_t i = 0; i + 1 < intervals.size(); i += 3)
            pitches.push_back((state().rootNote + std::stoi(intervals.substr(i, 2))) % 12);
        pitches.push_back(state().bassNote);
        std::sort(pitches.begin(), pitches.end());
        pitches.erase(std::unique(pitches.begin(), pitches.end()), pitches.end());
        return pitches;
    }

    LookupTranslation translated(const std::string& symbol) {
        const SymbolReading reading = readChordSymbol(symbol);
        EXPECT_TRUE(reading.chord.has_value()) << symbol;
        if (!reading.chord) return {};
        const auto translation = translateForLookup(*reading.chord);
        EXPECT_TRUE(translation.has_value()) << symbol;
        return translation.value_or(LookupTranslation{});
    }
};

std::vector<int> withoutDropped(const StandardChord& chord, const LookupTranslation& t) {
    std::vector<int> pitches = chord.pitchClasses();
    for (const ChordTone& tone : t.dropped) {
        const int pitch = (chord.root + tone.offset) % 12;
        if (pitch != chord.bass) std::erase(pitches, pitch);
    }
    for (const ChordTone& tone : t.kept) pitches.push_back((chord.root + tone.offset) % 12);
    std::sort(pitches.begin(), pitches.end());
    pitches.erase(std::unique(pitches.begin(), pitches.end()), pitches.end());
    return pitches;
}

} // namespace

TEST_F(TranslationTest, EverySymbolOfEveryFamilyComposesItsPitchClasses) {
    int changed = 0;
    for (const SymbolFamily& family : symbolFamilies()) {
        for (const SymbolCase& c : family.cases) {
            SCOPED_TRACE(c.symbol);
            const SymbolReading reading = readChordSymbol(c.symbol);
            ASSERT_TRUE(reading.chord.has_value());
            const auto translation = translateForLookup(*reading.chord);
            ASSERT_TRUE(translation.has_value());
            typeSymbol(translation->text);
            EXPECT_EQ(composed(), translation->pitchClasses) << translation->text;
            EXPECT_EQ(translation->pitchClasses, withoutDropped(*reading.chord, *translation));
            // Nothing is refused by the note limit: the translation leaves out what does not fit.
            for (const LookupToken& token : readLookupTokens(translation->text).tokens) {
                if (token.item >= 0) {
                    EXPECT_TRUE(shown().ticked[token.item]) << token.text;
                }
            }
            if (!translation->dropped.empty() || !translation->kept.empty()) ++changed;
        }
    }
    // Only chords of seven or more notes, and symbols that leave out a fifth, change.
    EXPECT_LT(changed, 30);
}

TEST_F(TranslationTest, EverydaySymbolsInTheTensionListsWords) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"Cmaj7", "C7+"},
        {"Cm7b5", "Cm7/5-"},
        {"C7#9", "C7/9+"},
        {"C7b9", "C7/9-"},
        {"Cdim7", "Cdim"},
        {"C7sus4", "C7/sus4"},
        {"Caug7", "C7/5+"},
        {"C+", "C5+"},
        {"Csus", "Csus4"},
        {"cm7", "Cm7"},
        {"Cmaj9", "C7+/9"},
        {"F#m7b5", "F#m7/5-"},
        {"CM", "C"},
        {"Cmaj7/E", "C7+/E"},
        {"Bbmaj7/Ab", "Bb7+/Ab"},
        {"C9", "C7/9"},
        {"C69", "C6/9"},
        {"Cm(maj7)", "Cm7+"},
        {"C\xC2\xB0", "Cm5-"},
        {"E#7", "F7"},
        {"C\xE2\x99\xAF"
         "m7",
         "C#m7"},
    };
    for (const auto& [symbol, text] : cases) {
        SCOPED_TRACE(symbol);
        EXPECT_EQ(translated(symbol).text, text);
    }
}

TEST_F(TranslationTest, AlteredDominantThroughTheLookup) {
    const LookupTranslation t = translated("C7(b9,#11)");
    typeSymbol(t.text);
    EXPECT_EQ(composed(), (std::vector<int>{0, 1, 4, 6, 7, 10}));
    EXPECT_EQ(state().chordIntervals, "00 04 07 10 01 06");
    EXPECT_TRUE(t.dropped.empty());
}

TEST_F(TranslationTest, TheShownSymbolIsTheProgramsOwn) {
    typeSymbol(translated("Cmaj7").text);
    EXPECT_EQ(shown().editAcorde, "C7+ ");
    EXPECT_EQ(state().chordIntervals, "00 04 07 11");
    typeSymbol(translated("Cm7b5").text);
    EXPECT_EQ(shown().editAcorde, "Cm/7/5- ");
    EXPECT_EQ(state().chordSuffix, "m/7/5-");
    EXPECT_EQ(state().fifthInterval, 6);
}

TEST_F(TranslationTest, WhatDoesNotFitIsLeftOutAndSaid) {
    // Seven notes, six strings: the eleventh goes, the fifth cannot (nothing stands in for it).
    const SymbolReading m13 = readChordSymbol("Cm13");
    ASSERT_TRUE(m13.chord.has_value());
    const auto t = translateForLookup(*m13.chord);
    ASSERT_TRUE(t.has_value());
    ASSERT_EQ(t->dropped.size(), 1u);
    EXPECT_EQ(t->dropped[0], (ChordTone{11, 5, false}));
    EXPECT_EQ(translationNotice("Cm13", *m13.chord, *t),
              "Cm13: a chord holds six notes; left out F (11)");
    typeSymbol(t->text);
    EXPECT_EQ(composed(), (std::vector<int>{0, 2, 3, 7, 9, 10}));

    // With a #11 in its place the fifth goes first.
    const SymbolReading lydian = readChordSymbol("C13#11");
    ASSERT_TRUE(lydian.chord.has_value());
    const auto l = translateForLookup(*lydian.chord);
    ASSERT_TRUE(l.has_value());
    ASSERT_EQ(l->dropped.size(), 1u);
    EXPECT_EQ(l->dropped[0], (ChordTone{5, 7, false}));

    // Five notes and the bass: a tone the bass sounds leaves the formula unsaid.
    const SymbolReading slash = readChordSymbol("C13/E");
    ASSERT_TRUE(slash.chord.has_value());
    const auto s = translateForLookup(*slash.chord);
    ASSERT_TRUE(s.has_value());
    EXPECT_TRUE(s->dropped.empty());
    typeSymbol(s->text);
    EXPECT_EQ(state().bassNote, 4);
    EXPECT_EQ(composed(), (std::vector<int>{0, 2, 4, 7, 9, 10}));

    // Over a foreign bass only five notes fit above it.
    const SymbolReading eleven = readChordSymbol("C11/F#");
    ASSERT_TRUE(eleven.chord.has_value());
    const auto e = translateForLookup(*eleven.chord);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->dropped.size(), 1u);
    typeSymbol(e->text);
    EXPECT_EQ(composed(), e->pitchClasses);
    EXPECT_EQ(composed().size(), 6u);
}

TEST_F(TranslationTest, AFifthTheListCannotLeaveOutIsKeptAndSaid) {
    const SymbolReading reading = readChordSymbol("C7(no5)");
    ASSERT_TRUE(reading.chord.has_value());
    const auto t = translateForLookup(*reading.chord);
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->text, "C7");
    ASSERT_EQ(t->kept.size(), 1u);
    EXPECT_THAT(translationNotice("C7(no5)", *reading.chord, *t),
                ::testing::HasSubstr("kept G (5)"));
}
