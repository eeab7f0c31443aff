// The chord entry driven through its widgets: tensions, grids, accidentals, views and a typed
// symbol, each compared with what the window model holds.
#include <QApplication>
#include <QScrollBar>

#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

using ChordEntry = WindowTest;

TEST_F(ChordEntry, TensionClicksComposeTheChord) {
    clickTension(15); // "7"
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("C7"));
    EXPECT_EQ(shownTicks(), (std::vector<int>{0, 15}));
    EXPECT_EQ(model().search().chordIntervals, "00 04 07 10");
    expectShowsModel();

    clickTension(1); // "m" takes the place of the major triad
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("Cm/7"));
    EXPECT_EQ(shownTicks(), (std::vector<int>{1, 15}));
    expectShowsModel();

    clickTension(1); // and gives it back
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("C7"));
    EXPECT_EQ(shownTicks(), (std::vector<int>{0, 15}));

    // A press on one item and a release on another toggles nothing.
    auto* list = find<TensionList>("CheckListBox1");
    QTest::mousePress(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {},
                        list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(shownTicks(), (std::vector<int>{0, 15}));
}

TEST_F(ChordEntry, SpaceBarTogglesTheCurrentItem) {
    auto* list = find<TensionList>("CheckListBox1");
    list->setFocus();
    list->setCurrentRow(2); // "aug"
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("Caug"));
    EXPECT_EQ(model().search().chordIntervals, "00 04 08");
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("C"));
    expectShowsModel();
}

TEST_F(ChordEntry, DragOutOfTheTensionListLeavesTheListStill) {
    auto* list = find<TensionList>("CheckListBox1");
    const QPoint pressed = list->visualItemRect(list->item(2)).center();
    const QPoint below(pressed.x(), list->viewport()->height() + 40);
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, pressed);
    QTest::mouseMove(list->viewport(), below);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, below);
    const int row = list->currentRow();
    // Long enough for a list that scrolls after a drag to have moved several times.
    QTest::qWait(300);
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
    EXPECT_EQ(list->currentRow(), row);
    EXPECT_EQ(shownTicks(), std::vector<int>{0});
    expectShowsModel();
}

TEST_F(ChordEntry, AFullChordGreysTheAddItemsAndTheBassGrid) {
    clickTension(15); // "7"
    clickTension(18); // "9"
    clickTension(21); // "11": six notes, one per string
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("C7/9/11"));
    auto* list = find<TensionList>("CheckListBox1");
    auto* bass = find<PickGrid>("StringGridBaixo");
    EXPECT_FALSE(list->item(24)->flags() & Qt::ItemIsEnabled); // "13"
    EXPECT_TRUE(list->item(47)->flags() & Qt::ItemIsEnabled);  // "sus2" replaces a tone
    EXPECT_FALSE(bass->isEnabled());
    EXPECT_EQ(bass->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Window));
    expectShowsModel();

    // Neither the greyed item nor the greyed grid answers.
    const std::string count = state().labelTotal;
    clickTension(24);
    pressRow("StringGridBaixo", 4);
    EXPECT_EQ(shownTicks(), (std::vector<int>{0, 15, 18, 21}));
    EXPECT_EQ(state().bassGrid.row, 0);
    EXPECT_EQ(state().labelTotal, count);

    // Making room gives both back.
    clickTension(21);
    EXPECT_TRUE(list->item(24)->flags() & Qt::ItemIsEnabled);
    EXPECT_TRUE(bass->isEnabled());
    EXPECT_EQ(bass->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    expectShowsModel();
}

TEST_F(ChordEntry, GridsChooseRootAndBassEvenOnTheSelectedRow) {
    pressRow("StringGridAcorde", 2);
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("D"));
    pressRow("StringGridBaixo", 4);
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("D/E"));
    EXPECT_EQ(model().search().bassNote, 4);
    expectShowsModel();

    // The arrow keys move the choice too.
    auto* bass = find<PickGrid>("StringGridBaixo");
    bass->setFocus();
    QTest::keyClick(bass, Qt::Key_Down);
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("D/F"));
    EXPECT_EQ(bass->currentRow(), 5);

    // Choosing the selected root again searches again, which drops the selected diagram
    // and the separate bass.
    clickCanvas(150, 60);
    ASSERT_EQ(state().highlighted, std::vector<int>{1});
    pressRow("StringGridAcorde", 2);
    EXPECT_TRUE(state().highlighted.empty());
    EXPECT_FALSE(find<ResultsCanvas>("Image1")->isHighlighted(1));
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("D"));
    expectShowsModel();
}

TEST_F(ChordEntry, AccidentalButtonsRenameOnlyTheirGrid) {
    pressRow("StringGridAcorde", 3);
    click("SpeedButton6"); // "b" of the root grid
    auto* root = find<PickGrid>("StringGridAcorde");
    EXPECT_EQ(root->item(3, 0)->text(), QStringLiteral("Eb"));
    EXPECT_EQ(root->currentRow(), 3);
    EXPECT_EQ(find<PickGrid>("StringGridBaixo")->item(3, 0)->text(), QStringLiteral("D#"));
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("D#"));
    EXPECT_TRUE(find<QAbstractButton>("SpeedButton6")->isChecked());
    EXPECT_FALSE(find<QAbstractButton>("SpeedButton5")->isChecked());

    click("SpeedButton9"); // "b" of the bass grid: the root takes its name from there
    pressRow("StringGridAcorde", 1);
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("Db"));
    expectShowsModel();
}

TEST_F(ChordEntry, TypedSymbolIsReadWhenTheSearchButtonIsPressed) {
    typeSymbol(QStringLiteral("Cm7"));
    // Typing alone searches nothing, and other controls leave the typed text alone.
    EXPECT_EQ(find<QLabel>("LabelTotal")->text(), QStringLiteral("165"));
    click("SpeedButton10");
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("Cm7"));

    click("SpeedButton2");
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("Cm/7 "));
    EXPECT_EQ(shownTicks(), (std::vector<int>{0, 1, 15}));
    EXPECT_EQ(model().search().chordIntervals, "00 03 07 10");
    expectShowsModel();

    typeSymbol(QStringLiteral("Bb7/Ab"));
    click("SpeedButton2");
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("Bb7/Ab"));
    EXPECT_EQ(find<PickGrid>("StringGridAcorde")->item(10, 0)->text(), QStringLiteral("Bb"));
    EXPECT_EQ(find<PickGrid>("StringGridBaixo")->item(8, 0)->text(), QStringLiteral("Ab"));
    EXPECT_EQ(model().search().rootNote, 10);
    EXPECT_EQ(model().search().bassNote, 8);
    expectShowsModel();

    // The diminished sign goes to the model as the program's own byte and comes back.
    typeSymbol(QString::fromUtf8("C\u00BA"));
    click("SpeedButton2");
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QString::fromUtf8("C\u00BA "));
    EXPECT_EQ(shownTicks(), (std::vector<int>{0, 4}));
    expectShowsModel();

    // A symbol without a root finds nothing.
    typeSymbol(QStringLiteral("H"));
    click("SpeedButton2");
    EXPECT_EQ(find<QLabel>("LabelTotal")->text(), QStringLiteral("0"));
    EXPECT_EQ(find<QListWidget>("ListBox1")->count(), 0);
    expectShowsModel();
}

TEST_F(ChordEntry, ViewButtonsSwitchBetweenTensionsAndChordTypes) {
    click("SpeedButton8"); // "mod2"
    EXPECT_TRUE(find<QWidget>("StringGrid1")->isVisible());
    EXPECT_FALSE(find<QWidget>("CheckListBox1")->isVisible());
    EXPECT_EQ(find<QLabel>("LabelTotal")->text(), QStringLiteral("165"));

    pressRow("StringGrid1", 29); // "m7"
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("Cm7"));
    EXPECT_EQ(model().search().chordIntervals, "00 03 07 10");
    EXPECT_EQ(shownTicks(), std::vector<int>{0}); // the ticks stay
    EXPECT_EQ(find<PickGrid>("StringGrid1")->currentRow(), 29);
    expectShowsModel();

    click("SpeedButton7"); // "mod1"
    EXPECT_TRUE(find<QWidget>("CheckListBox1")->isVisible());
    EXPECT_FALSE(find<QWidget>("StringGrid1")->isVisible());
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("Cm7"));
}

} // namespace
} // namespace tambrel::testing
