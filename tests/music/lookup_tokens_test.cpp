// The lookup's own reading of a typed symbol: root, tokens, bass, and whether it reads the
// whole text as written.
#include "music/chord_formula.h"
#include "music/chord_vocabulary.h"
#include "music/fretboard.h"
#include "music/lookup_tokens.h"
#include "music/lookup_translation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace tambrel;
using ::testing::ElementsAre;

namespace {

std::vector<std::string> texts(const LookupTokens& read) {
    std::vector<std::string> out;
    for (const LookupToken& token : read.tokens) out.push_back(token.text);
    return out;
}

} // namespace

TEST(LookupTokens, RootTheMinorSplitAndTheTokens) {
    const LookupTokens read = readLookupTokens("Cm7/5-");
    EXPECT_EQ(read.root, 0);
    EXPECT_EQ(read.rootText, "C");
    EXPECT_EQ(read.text, "Cm/7/5- ");
    EXPECT_THAT(texts(read), ElementsAre("m", "7", "5-"));
    EXPECT_EQ(read.tokens[0].separator, '/');
    EXPECT_EQ(read.tokens[2].separator, ' ');
    EXPECT_EQ(read.bass, kNoNote);
    EXPECT_TRUE(lookupReadsWholly(read));
}

TEST(LookupTokens, TwoCharacterRootWinsAndOnlyTheLastTokenIsABass) {
    const LookupTokens flat = readLookupTokens("Cb5");
    EXPECT_EQ(flat.root, 11);
    EXPECT_EQ(flat.rootText, "Cb");
    EXPECT_THAT(texts(flat), ElementsAre("5"));

    const LookupTokens slash = readLookupTokens("Bb7/Ab");
    EXPECT_EQ(slash.root, 10);
    EXPECT_EQ(slash.bass, 8);
    EXPECT_TRUE(lookupReadsWholly(slash));

    // A note name before the end is an ignored token.
    const LookupTokens early = readLookupTokens("C/E/7");
    EXPECT_EQ(early.bass, kNoNote);
    EXPECT_FALSE(lookupReadsWholly(early));
}

TEST(LookupTokens, CaseFoldedMatchesTickButDoNotEnterTheFormula) {
    const LookupTokens read = readLookupTokens("CM");
    ASSERT_EQ(read.tokens.size(), 1u);
    EXPECT_EQ(read.tokens[0].item, kItemMinor);
    EXPECT_FALSE(read.tokens[0].exact);
    EXPECT_FALSE(lookupReadsWholly(read));

    const LookupTokens sus = readLookupTokens("CSUS4");
    EXPECT_EQ(sus.tokens[0].item, 48);
    EXPECT_FALSE(lookupReadsWholly(sus));
}

TEST(LookupTokens, WhatTheLookupReadsWhollyKeepsItsReading) {
    for (const char* text :
         {"C",  "C9",         "C7/9+", "Cm7/5-", "C6/9",   "Cdim",  "C7+",   "C11",   "C13",
          "Cm", "Cm7",        "C7/E",  "C/E",    "Bb7/Ab", "Db",    "C(b9)", "Csus4", "Caug",
          "C5", "C7/9/11/13", "Cb5",   "Cadd9",  "C\xBA",  "Am7/G", "C4/7",  "C2"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(lookupReadsWholly(readLookupTokens(text)));
    }
}

TEST(LookupTokens, WhatTheLookupMisreads) {
    for (const char* text :
         {"Cmaj7", "Cmaj9", "Cm7b5", "F#m7b5", "C7#9",   "C7b9",  "Cdim7",  "C7sus4",   "Caug7",
          "C+",    "Csus",  "cm7",   "c",      "H",      "",      "CM",     "CM7",      "Cmaj",
          "Cmin",  "C-",    "C69",   "C\xB0",  "C7(#9)", "C/E/G", "C7 foo", "Cm(maj7)", "C?"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(lookupReadsWholly(readLookupTokens(text)));
    }
}

TEST(LookupFormula, BaseAndTensionsInListOrderUnderTheLimit) {
    EXPECT_EQ(composeLookupFormula({"m", "7", "5-"}, 17).intervals, "00 03 06 10");
    EXPECT_EQ(composeLookupFormula({"sus4"}, 17).intervals, "00 07 05");
    EXPECT_EQ(composeLookupFormula({"dim", "5"}, 17).intervals, "00 07");
    EXPECT_EQ(composeLookupFormula({}, 17).intervals, "00 04 07");

    const LookupFormula full = composeLookupFormula({"7", "9", "11", "13"}, 17);
    EXPECT_EQ(full.intervals, "00 04 07 10 02 05");
    EXPECT_THAT(full.refused, ElementsAre(24));

    // With a separate bass the limit is 14 characters.
    const LookupFormula slash = composeLookupFormula({"7", "9", "11"}, 14);
    EXPECT_EQ(slash.intervals, "00 04 07 10 02");
    EXPECT_THAT(slash.refused, ElementsAre(21));
}

TEST(LookupFormula, AReplacementMakesRoomForItsOwnTone) {
    FormulaBuilder formula(17, "00 04 07 10 02");
    EXPECT_TRUE(formula.addTension(" 05"));
    EXPECT_TRUE(formula.full());
    EXPECT_TRUE(formula.addTension("506"));
    EXPECT_EQ(formula.formula(), "00 04 10 02 06 05");
    EXPECT_FALSE(formula.addTension(" 09"));
    EXPECT_TRUE(formula.addTension(" 06")); // already there
}

TEST(SymbolForLookup, TheLookupKeepsWhatItReadsAndGetsTranslationsOfTheRest) {
    // Read rightly today: unchanged, and nothing to say.
    for (const char* text :
         {"C9", "C7/9+", "Cm7/5-", "C6/9", "Cdim", "C7+", "C11", "C13", "C\xC2\xBA"}) {
        SCOPED_TRACE(text);
        const SymbolForLookup symbol = symbolForLookup(text);
        EXPECT_FALSE(symbol.translated);
        EXPECT_TRUE(symbol.notice.empty());
    }
    EXPECT_EQ(symbolForLookup("C\xC2\xBA").text, "C\xBA"); // in the single-byte code page

    const SymbolForLookup maj7 = symbolForLookup("Cmaj7");
    EXPECT_TRUE(maj7.translated);
    EXPECT_EQ(maj7.text, "C7+");
    EXPECT_EQ(symbolForLookup("c").text, "C");
    EXPECT_EQ(symbolForLookup("CM").text, "C");
    EXPECT_EQ(symbolForLookup("D\xE2\x99\xAD"
                              "7")
                  .text,
              "Db7");

    // "Cm13" the lookup reads as its own "m" and "13"; a symbol it misreads says what the
    // note limit left out.
    EXPECT_FALSE(symbolForLookup("Cm13").translated);
    EXPECT_EQ(symbolForLookup("C13#11").notice, "C13#11: a chord holds six notes; left out G (5)");

    // Neither reading: the lookup as it is, on the single-byte text.
    for (const char* text : {"H", "C7 foo", "C\xE2\x99\xAD\xE2\x99\xAD"}) {
        SCOPED_TRACE(text);
        const SymbolForLookup symbol = symbolForLookup(text);
        EXPECT_FALSE(symbol.translated);
    }
    EXPECT_EQ(symbolForLookup("C7 \xE2\x82\xAC").text, "C7 \x80");
    EXPECT_EQ(symbolForLookup("C7 \xE2\x99\xAD").text, "C7 ?");
}
