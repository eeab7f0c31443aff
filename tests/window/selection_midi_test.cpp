// Selecting a diagram with the mouse, the "Formation:" text, and what goes to the MIDI device.
#include "tests/window/window_test_support.h"

#include "search/voicing_search.h"

#include <gmock/gmock.h>

#include <algorithm>

using namespace tambrel;
using namespace tambrel::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Log = std::vector<std::string>;

namespace {

using SelectionTest = WindowTest;
using MidiTest = WindowTest;

const Log kCMajorStrum{"0x00643090", "pause 75",   "0x00643490", "pause 75",   "0x00643790",
                       "pause 75",   "0x00643C90", "pause 75",   "0x00644090", "pause 75"};
const Log kFMajorBarreStrum{"0x00642990", "pause 75", "0x00643090", "pause 75",
                            "0x00643590", "pause 75", "0x00643990", "pause 75",
                            "0x00643C90", "pause 75", "0x00644190", "pause 75"};

TEST_F(SelectionTest, HitTestAtSixColumns) {
    ASSERT_EQ(shown().columns, 6);
    window.Image1MouseUp(595, 10);
    EXPECT_THAT(shown().highlighted, ElementsAre(5));
    EXPECT_EQ(state().selectedFrets, fretListOfEntry(state().voicingList[5]));
    const auto formation = shown().formation;
    midi.takeLog();

    // The last five pixels of the last column, the strip beyond it, and points off the canvas.
    const std::pair<int, int> outside[] = {{596, 10}, {640, 10}, {-1, 10}, {10, -1}};
    for (auto [x, y] : outside) {
        window.Image1MouseUp(x, y);
        EXPECT_THAT(shown().highlighted, ElementsAre(5)) << x << "," << y;
        EXPECT_EQ(shown().formation, formation);
        EXPECT_EQ(state().lastClickX, 595);
    }
    EXPECT_THAT(midi.log(), IsEmpty());
}

TEST_F(SelectionTest, CellsAfterTheLastDiagramSelectNothing) {
    // 165 diagrams: row 27 holds 162, 163 and 164.
    window.Image1MouseUp(350, 27 * 130 + 10);
    EXPECT_THAT(shown().highlighted, IsEmpty());
    EXPECT_THAT(midi.log(), IsEmpty());
    window.Image1MouseUp(250, 27 * 130 + 129);
    EXPECT_THAT(shown().highlighted, ElementsAre(164));
}

TEST_F(SelectionTest, SevenResultsInSixColumns) {
    window.ComboBox2Change(0);
    tick({kDimSign});
    ASSERT_EQ(state().voicingList.size(), 7u);
    window.Image1MouseUp(150, 140);
    EXPECT_THAT(shown().highlighted, IsEmpty());
    EXPECT_EQ(shown().formation, "");
    window.Image1MouseUp(50, 140);
    EXPECT_THAT(shown().highlighted, ElementsAre(6));
    EXPECT_EQ(state().selectedFrets, fretListOfEntry(state().voicingList[6]));
}

TEST_F(SelectionTest, FirstClickAfterASearchAndAgainOnTheSameDiagram) {
    EXPECT_THAT(shown().highlighted, IsEmpty());
    clickDiagram(3);
    EXPECT_THAT(shown().highlighted, ElementsAre(3));
    const auto formation = shown().formation;
    const Log firstStrum = midi.takeLog();
    ASSERT_FALSE(firstStrum.empty());

    clickDiagram(3);
    EXPECT_THAT(shown().highlighted, ElementsAre(3));
    EXPECT_EQ(shown().formation, formation);
    EXPECT_EQ(midi.takeLog(), firstStrum);

    clickDiagram(0);
    EXPECT_THAT(shown().highlighted, ElementsAre(0));
}

TEST_F(SelectionTest, FormationShowsMutedStringsAsXAndDropsBarreMarks) {
    window.Image1MouseUp(10, 10);
    EXPECT_EQ(shown().formation, "X 3 2 0 1 0 ");
    EXPECT_THAT(state().selectedFrets, ElementsAre(99, 3, 2, 0, 1, 0));

    window.StringGridAcordeSelectCell(5); // F major: the barre shape comes first
    ASSERT_EQ(state().voicingList.front(), "000000 -1 3 3 2 1 1 ");
    window.Image1MouseUp(99, 0);
    EXPECT_EQ(shown().formation, "1 3 3 2 1 1 ");
    EXPECT_THAT(state().selectedFrets, ElementsAre(-1, 3, 3, 2, 1, 1));
}

TEST_F(SelectionTest, FormationShowsTheWholeFretTextOfLongEntries) {
    // Cm7 up to fret 24 has a fingering with four two-digit barre marks: 21 characters.
    tick({kMinor, kSeven});
    window.ComboBox1Change(3);
    const std::string entry = "283030 20 18 -20 -20 -20 20 ";
    const auto& list = state().voicingList;
    const auto found = std::find(list.begin(), list.end(), entry);
    ASSERT_NE(found, list.end());
    clickDiagram(static_cast<int>(found - list.begin()));
    EXPECT_EQ(shown().formation, "20 18 20 20 20 20 ");
    EXPECT_THAT(state().selectedFrets, ElementsAre(20, 18, -20, -20, -20, 20));
    EXPECT_EQ(midi.log(),
              (Log{"0x00643C90", "pause 75", "0x00643F90", "pause 75", "0x00644690", "pause 75",
                   "0x00644B90", "pause 75", "0x00644F90", "pause 75", "0x00645490", "pause 75"}));
}

TEST_F(SelectionTest, SearchForgetsTheClickButKeepsTheShownSelection) {
    clickDiagram(2);
    const auto frets = state().selectedFrets;
    const auto formation = shown().formation;
    ASSERT_TRUE(shown().neckVoicing.has_value());
    window.ComboBox1Change(1);
    EXPECT_EQ(state().lastClickX, 0);
    EXPECT_EQ(state().lastClickY, 0);
    EXPECT_THAT(shown().highlighted, IsEmpty());
    EXPECT_EQ(state().selectedFrets, frets);
    EXPECT_EQ(shown().formation, formation);
    EXPECT_EQ(shown().neckVoicing, frets);
}

TEST_F(SelectionTest, NarrowResultsAreaIsOneColumn) {
    window.FormResize(50);
    EXPECT_EQ(shown().columns, 1);
    EXPECT_EQ(shown().canvasHeight, 165 * 130 + 260);
    window.Image1MouseUp(95, 3 * 130 + 5);
    EXPECT_THAT(shown().highlighted, ElementsAre(3));
    window.Image1MouseUp(96, 10);
    EXPECT_THAT(shown().highlighted, ElementsAre(3));
}

TEST_F(SelectionTest, ResizeLaysOutForTheNewWidth) {
    // 165 diagrams in 4 columns: 41 full rows and two empty ones below.
    window.FormResize(400);
    EXPECT_EQ(shown().columns, 4);
    EXPECT_EQ(shown().canvasHeight, 41 * 130 + 260);
    window.Image1MouseUp(395, 130);
    EXPECT_THAT(shown().highlighted, ElementsAre(7));
}

TEST_F(MidiTest, OpeningSendsNothing) {
    EXPECT_THAT(midi.log(), IsEmpty());
}

TEST_F(MidiTest, InstrumentChangeSequence) {
    window.ComboBoxPatchChange(3); // "Muted guitar"
    EXPECT_EQ(midi.takeLog(), (Log{"0x000000C0", "0x0000001C", "volume 0x0000FFFF", "0x00000090"}));
    EXPECT_EQ(shown().patchText, "Muted guitar");

    window.ComboBoxPatchChange(4); // "Acoustic grand piano"
    EXPECT_EQ(midi.takeLog(), (Log{"0x000000C0", "0x00000000", "volume 0x0000FFFF", "0x00000090"}));

    window.ComboBoxPatchChange(4); // chosen again: applied again
    EXPECT_EQ(midi.takeLog(), (Log{"0x000000C0", "0x00000000", "volume 0x0000FFFF", "0x00000090"}));

    window.ComboBoxPatchChange(0); // "Nylon guitar"
    EXPECT_EQ(midi.takeLog(), (Log{"0x000000C0", "0x00000018", "volume 0x0000FFFF", "0x00000090"}));
}

TEST_F(MidiTest, StrumSkipsMutedStringsAndPausesAfterEveryNote) {
    window.Image1MouseUp(10, 10);
    EXPECT_EQ(midi.takeLog(), kCMajorStrum);
}

TEST_F(MidiTest, BarreStringPlaysItsFretAndLeftHandDoesNotChangeTheOrder) {
    window.StringGridAcordeSelectCell(5);
    window.Image1MouseUp(10, 10);
    EXPECT_EQ(midi.takeLog(), kFMajorBarreStrum);

    window.CheckBoxCanhotoClick(true);
    window.Image1MouseUp(10, 10);
    EXPECT_EQ(midi.takeLog(), kFMajorBarreStrum);
}

TEST_F(MidiTest, TempoSetsThePause) {
    window.setTempo(5);
    window.Image1MouseUp(10, 10);
    Log expected = kCMajorStrum;
    std::replace(expected.begin(), expected.end(), std::string("pause 75"),
                 std::string("pause 150"));
    EXPECT_EQ(midi.takeLog(), expected);

    window.setTempo(0);
    window.Image1MouseUp(10, 10);
    EXPECT_EQ(midi.takeLog()[1], "pause 25");
}

TEST_F(MidiTest, StringsSoundTheOldTuningUntilAPresetRebuildsTheNotes) {
    window.TrackBarChange(1, 2); // string 0 to D
    window.ComboBox1Change(1);
    const auto& list = state().voicingList;
    const auto onTenth = std::find_if(list.begin(), list.end(), [](const Voicing& entry) {
        return std::abs(fretListOfEntry(entry)[0]) == 10; // C on the D string
    });
    ASSERT_NE(onTenth, list.end());
    const Voicing entry = *onTenth;

    clickDiagram(static_cast<int>(onTenth - list.begin()));
    EXPECT_EQ(midi.takeLog().front(), "0x00643290"); // 40 + 10: still the E string's notes

    window.ToolButton5Click(); // rebuilds from standard tuning
    window.TrackBarChange(1, 2);
    window.StandardTunning1Click(7); // Drop D: the same notes, now rebuilt
    const auto again = std::find(state().voicingList.begin(), state().voicingList.end(), entry);
    ASSERT_NE(again, state().voicingList.end());
    clickDiagram(static_cast<int>(again - state().voicingList.begin()));
    EXPECT_EQ(midi.takeLog().front(), "0x00643090"); // 38 + 10
}

} // namespace
