// The order of the diagrams and the common voicings beside the search options, and what the
// window tells of each diagram's playability.
#include "tests/window/window_test_support.h"

#include "search/voicing_search.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <string>

using namespace tambrel;
using namespace tambrel::testing;
using ::testing::HasSubstr;

namespace {

using ChoicesTest = WindowTest;

std::vector<std::string> sortedTexts(const std::vector<Voicing>& list) {
    std::vector<std::string> texts;
    texts.reserve(list.size());
    for (const Voicing& v : list) texts.push_back(entryText(v));
    std::sort(texts.begin(), texts.end());
    return texts;
}

TEST_F(ChoicesTest, StartAtThePositionOrderWithoutCommonVoicings) {
    EXPECT_EQ(shown().orderItem, 0);
    EXPECT_FALSE(shown().commonVoicings);
    const SearchResult plain = findVoicings("0 4 7", window.searchInputs());
    EXPECT_EQ(state().voicingList, plain.voicingList);
    EXPECT_EQ(shown().playabilityScores.size(), plain.voicingList.size());
    EXPECT_FALSE(window.easiestDiagram().has_value());
}

TEST_F(ChoicesTest, EasiestFirstReordersTheSameDiagramsAndBackAgain) {
    const std::vector<Voicing> position = state().voicingList;
    const std::string total = shown().labelTotal;
    const int height = shown().canvasHeight;

    window.ComboBoxOrderChange(1);
    EXPECT_EQ(shown().orderItem, 1);
    EXPECT_NE(state().voicingList, position);
    EXPECT_EQ(sortedTexts(state().voicingList), sortedTexts(position));
    EXPECT_EQ(shown().labelTotal, total);
    EXPECT_EQ(shown().canvasHeight, height);
    EXPECT_EQ(state().voicingList.front().frets, (FretList{kMuted, 3, 2, 0, 1, 0}));
    EXPECT_TRUE(std::is_sorted(shown().playabilityScores.begin(), shown().playabilityScores.end()));
    EXPECT_EQ(window.easiestDiagram(), 0);

    window.ComboBoxOrderChange(0);
    EXPECT_EQ(state().voicingList, position);
    // An item the list does not have changes nothing.
    window.ComboBoxOrderChange(2);
    window.ComboBoxOrderChange(-1);
    EXPECT_EQ(shown().orderItem, 0);
    EXPECT_EQ(state().voicingList, position);
}

TEST_F(ChoicesTest, CommonVoicingsAddTheSeventhWithoutItsFifth) {
    ASSERT_TRUE(window.clickTension(kSeven));
    const std::size_t full = state().voicingList.size();
    const std::vector<int> tones = state().chordTones;

    window.CheckBoxCommonClick(true);
    EXPECT_GT(state().voicingList.size(), full);
    EXPECT_EQ(shown().labelTotal, std::to_string(state().voicingList.size()));
    EXPECT_EQ(state().chordTones, tones);
    const auto c7 =
        std::find_if(state().voicingList.begin(), state().voicingList.end(),
                     [](const Voicing& v) { return v.frets == FretList{kMuted, 3, 2, 3, 1, 0}; });
    ASSERT_NE(c7, state().voicingList.end());
    const int index = static_cast<int>(c7 - state().voicingList.begin());
    EXPECT_THAT(window.diagramExplanation(index), HasSubstr("; no fifth"));

    window.ComboBoxOrderChange(1);
    EXPECT_EQ(state().voicingList.front().frets, (FretList{kMuted, 3, 2, 3, 1, 0}));

    window.CheckBoxCommonClick(false);
    EXPECT_EQ(state().voicingList.size(), full);
}

TEST_F(ChoicesTest, ExplainsEachDiagramAsItWasScored) {
    EXPECT_EQ(window.diagramExplanation(0),
              "score 5.5: span 3 frets, 3 fingers, no barre, open strings 2, 2 fingers arched, "
              "1 muted, root in bass");
    EXPECT_EQ(window.diagramExplanation(-1), "");
    EXPECT_EQ(window.diagramExplanation(static_cast<int>(state().voicingList.size())), "");
    // A tuner moved without a search: the diagrams, and what is said of them, stay.
    const std::string before = window.diagramExplanation(0);
    window.TrackBarChange(1, 2);
    EXPECT_EQ(window.diagramExplanation(0), before);
}

TEST_F(ChoicesTest, ASymbolWithoutARootGivesNothingToOrderOrExplain) {
    window.ComboBoxOrderChange(1);
    window.CheckBoxCommonClick(true);
    typeSymbol("Hm");
    EXPECT_TRUE(state().voicingList.empty());
    EXPECT_TRUE(shown().playabilityScores.empty());
    EXPECT_EQ(window.diagramExplanation(0), "");
    EXPECT_FALSE(window.easiestDiagram().has_value());
}

} // namespace
