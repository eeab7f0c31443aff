// The chord sheet: its entries' order and names, and the entries the window's results give.
#include "music/note_names.h"
#include "window/chord_sheet.h"

#include "tests/window/window_test_support.h"

namespace tambrel::testing {
namespace {

SheetDiagram entry(const std::string& name, int fret = 0) {
    return {{99, fret, 2, 0, 1, 0}, {}, name};
}

std::vector<std::string> names(const ChordSheet& sheet) {
    std::vector<std::string> shown;
    for (const SheetDiagram& d : sheet.entries()) shown.push_back(d.name);
    return shown;
}

TEST(ChordSheet, ReorderRenameAndRemove) {
    ChordSheet sheet;
    EXPECT_TRUE(sheet.empty());
    sheet.add(entry("C"));
    sheet.add({entry("Am"), entry("F"), entry("G7")});
    EXPECT_EQ(names(sheet), (std::vector<std::string>{"C", "Am", "F", "G7"}));

    EXPECT_TRUE(sheet.move(0, 2)); // down: it stands at 2 afterwards
    EXPECT_EQ(names(sheet), (std::vector<std::string>{"Am", "F", "C", "G7"}));
    EXPECT_TRUE(sheet.move(3, 0)); // up to the top
    EXPECT_EQ(names(sheet), (std::vector<std::string>{"G7", "Am", "F", "C"}));
    EXPECT_FALSE(sheet.move(1, 1));
    EXPECT_FALSE(sheet.move(-1, 0));
    EXPECT_FALSE(sheet.move(0, 4));

    EXPECT_TRUE(sheet.rename(1, "  A minor\t"));
    EXPECT_EQ(sheet.entries()[1].name, "A minor");
    EXPECT_FALSE(sheet.rename(1, "A minor")); // no change
    EXPECT_TRUE(sheet.rename(2, "F\nmaj\x01"));
    EXPECT_EQ(sheet.entries()[2].name, "F maj");   // no control characters reach a file
    EXPECT_TRUE(sheet.rename(3, "C\xe2\x96\xb3")); // UTF-8 kept as it is
    EXPECT_EQ(sheet.entries()[3].name, "C\xe2\x96\xb3");
    EXPECT_TRUE(sheet.rename(0, "   "));
    EXPECT_EQ(sheet.entries()[0].name, "");
    EXPECT_FALSE(sheet.rename(4, "X"));

    EXPECT_TRUE(sheet.remove(0));
    EXPECT_FALSE(sheet.remove(3));
    EXPECT_EQ(names(sheet), (std::vector<std::string>{"A minor", "F maj", "C\xe2\x96\xb3"}));
    sheet.add(entry("C")); // the same fingering twice is allowed
    sheet.add(entry("C"));
    EXPECT_EQ(sheet.size(), 5);
    sheet.clear();
    EXPECT_TRUE(sheet.empty());
}

TEST(ChordSheet, TheNameOfAChordGivenByItsTones) {
    const NoteNames& sharps = noteNames();
    EXPECT_EQ(sheetNameOfTones({4, 8, 11}, 4, 4, sharps, "00 04 07"), "E");
    EXPECT_EQ(sheetNameOfTones({0, 3, 7, 10}, 0, 0, sharps, "00 03 07 10"), "Cm7");
    EXPECT_EQ(sheetNameOfTones({0, 4, 7}, 0, 4, sharps, "00 04 07"), "C/E");
    NoteNames flats = sharps;
    applyFlatNames(flats);
    EXPECT_EQ(sheetNameOfTones({10, 2, 5}, 10, 10, flats, "00 04 07"), "Bb");
    EXPECT_EQ(sheetNameOfTones({0, 4, 7}, kNoNote, 0, sharps, "00 04 07"), "00 04 07");
}

class SheetOfTheWindow : public WindowTest {};

TEST_F(SheetOfTheWindow, NothingIsSelectedAfterASearch) {
    EXPECT_FALSE(selectedSheetDiagram(window).has_value());
    window.Image1MouseUp(350, 60); // the fourth diagram
    const std::optional<SheetDiagram> selected = selectedSheetDiagram(window);
    ASSERT_TRUE(selected.has_value());
    EXPECT_EQ(selected->frets, state().voicingList[3].frets);
    EXPECT_EQ(selected->name, "C");
    // A search leaves nothing highlighted, so nothing to add.
    window.clickTension(kSeven);
    EXPECT_FALSE(selectedSheetDiagram(window).has_value());
    EXPECT_FALSE(resultSheetDiagram(window, -1).has_value());
    EXPECT_FALSE(resultSheetDiagram(window, static_cast<int>(state().voicingList.size())));
}

TEST_F(SheetOfTheWindow, EveryResultInDisplayOrderWithItsName) {
    window.clickTension(kSeven);
    const std::vector<SheetDiagram> all = resultSheetDiagrams(window);
    ASSERT_EQ(all.size(), state().voicingList.size());
    for (std::size_t k = 0; k < all.size(); ++k) {
        EXPECT_EQ(all[k].frets, state().voicingList[k].frets);
        EXPECT_EQ(all[k].name, "C7");
    }
}

TEST_F(SheetOfTheWindow, TheNameIsThePlainNameOfTheChordSearched) {
    window.typeSymbol("Cm7b5");
    window.SpeedButton2Click();
    EXPECT_EQ(sheetNameOf(window), "Cm7b5");
    EXPECT_EQ(shown().plainName.rfind(sheetNameOf(window) + " \u2014 ", 0), 0u);
    // Typing alone searches nothing: the results, and their name, stay Cm7b5's.
    window.typeSymbol("Dm");
    EXPECT_EQ(sheetNameOf(window), "Cm7b5");
    window.typeSymbol("C/E");
    window.SpeedButton2Click();
    EXPECT_EQ(sheetNameOf(window), "C/E");
    // Chosen in the lists, a chord is named the same way.
    window.StringGridAcordeSelectCell(9);
    window.clickTension(kMinor);
    window.clickTension(kSeven);
    EXPECT_EQ(sheetNameOf(window), "Am7");
}

TEST_F(SheetOfTheWindow, NotesOfTheResultsFollowTuningRootAndFlats) {
    window.StringGridAcordeSelectCell(9); // A
    window.clickTension(kMinor);
    DiagramNotes notes = diagramNotesOf(window);
    EXPECT_EQ(notes.tuning, kStandardTuning);
    EXPECT_EQ(notes.rootNote, 9);
    EXPECT_EQ(notes.chordMask, (1u << 0) | (1u << 3) | (1u << 7));
    EXPECT_FALSE(notes.flatNames);
    window.SpeedButton6Click(); // "b" of the root grid
    EXPECT_TRUE(diagramNotesOf(window).flatNames);

    window.StandardTunning1Click(7); // Drop D
    notes = diagramNotesOf(window);
    EXPECT_EQ(notes.tuning, state().stringNote);
    EXPECT_EQ(dotLabel(DotLabels::Notes, notes, 0, 0), "D");
    ASSERT_FALSE(state().voicingList.empty());
    EXPECT_EQ(resultSheetDiagram(window, 0)->notes, notes);
}

TEST_F(SheetOfTheWindow, UnderACapoTheNameSaysItAndTheDotsNameTheNotesThatSound) {
    window.StringGridAcordeSelectCell(9); // A
    window.clickTension(kMinor);
    window.setCapo(3);
    EXPECT_EQ(sheetNameOf(window), "Am (capo 3)");
    const DiagramNotes notes = diagramNotesOf(window);
    // The open low string sounds G behind a capo at the third fret.
    EXPECT_EQ(dotLabel(DotLabels::Notes, notes, 0, 0), "G");
    window.setCapo(0);
    EXPECT_EQ(sheetNameOf(window), "Am");
    EXPECT_EQ(diagramNotesOf(window).tuning, kStandardTuning);
}

} // namespace
} // namespace tambrel::testing
