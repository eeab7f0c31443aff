// Selecting a diagram, the options, the tunings and the sound, driven through the widgets.
#include <QMenu>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>

#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

bool isBlue(const QColor& colour) {
    return colour.blue() > colour.red() + 60;
}
bool isDark(const QColor& colour) {
    return colour.lightness() < 110;
}

// Colours of the grid pictures' backgrounds: normal and highlighted.
const QColor kNormalGrid(252, 252, 252);
const QColor kHighlightedGrid(236, 233, 216);

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3 &&
           std::abs(a.blue() - b.blue()) <= 3;
}

class Results : public WindowTest {
  protected:
    // A pixel of cell `index`'s grid between the nut and the first finger row, where no mark
    // is ever drawn.
    QColor gridBackground(int index) const {
        const QRect cell = find<ResultsCanvas>("Image1")->cellRect(index);
        return canvasPixel(cell.left() + 30, cell.top() + 8);
    }

    // Whether the centre of the mark below column `column` of cell `index` is dark: a filled
    // dot or a cross, not a ring.
    bool darkMark(int index, int column) const {
        const QRect cell = find<ResultsCanvas>("Image1")->cellRect(index);
        return isDark(canvasPixel(cell.left() + 21 + 11 * column + 3, cell.top() + 91 + 3));
    }

    int indexOf(const FretList& frets) const {
        const auto lists = model().diagramFretLists();
        const auto at = std::find(lists.begin(), lists.end(), frets);
        return at == lists.end() ? -1 : static_cast<int>(at - lists.begin());
    }

    void clickCell(int index) {
        const QRect cell = find<ResultsCanvas>("Image1")->cellRect(index);
        clickCanvas(cell.center().x(), cell.center().y());
    }

    // Chooses an item of a drop-down list with the arrow keys.
    void choose(const char* name, int index) {
        auto* combo = find<QComboBox>(name);
        combo->setFocus();
        for (int guard = 0; guard < 20 && combo->currentIndex() != index; ++guard)
            QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(combo->currentIndex(), index) << name;
    }
};

TEST_F(Results, ClickOnADiagramHighlightsItShowsItsFormationAndTheNeck) {
    // The open C chord: muted low E, then 3 2 0 1 0.
    const int open = indexOf({99, 3, 2, 0, 1, 0});
    ASSERT_GE(open, 0);
    const int other = open == 0 ? 1 : 0;
    EXPECT_TRUE(near(gridBackground(open), kNormalGrid));
    midi.takeLog();

    clickCell(open);
    EXPECT_EQ(state().highlighted, std::vector<int>{open});
    EXPECT_TRUE(find<ResultsCanvas>("Image1")->isHighlighted(open));
    EXPECT_TRUE(near(gridBackground(open), kHighlightedGrid));
    EXPECT_TRUE(near(gridBackground(other), kNormalGrid));
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), QStringLiteral("X 3 2 0 1 0 "));
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), shown(state().formation));

    auto* neck = find<NeckView>("Image2");
    ASSERT_TRUE(neck->voicing().has_value());
    EXPECT_EQ(*neck->voicing(), (FretList{99, 3, 2, 0, 1, 0}));
    // Open balls at the nut for strings 5 and 3, numbered balls behind frets 1, 2 and 3,
    // nothing for the muted string.
    EXPECT_TRUE(isBlue(neckPixel(6, 6)));
    EXPECT_TRUE(isBlue(neckPixel(6, 34)));
    EXPECT_FALSE(isBlue(neckPixel(6, 76)));
    EXPECT_TRUE(isBlue(neckPixel(40 + 3, 14 + 6)));  // finger 1, string 4, fret 1
    EXPECT_TRUE(isBlue(neckPixel(83 + 3, 42 + 6)));  // finger 2, string 2, fret 2
    EXPECT_TRUE(isBlue(neckPixel(124 + 3, 56 + 6))); // finger 3, string 1, fret 3

    // The strum, lowest sounding string first, after the picture.
    EXPECT_EQ(midi.takeLog(), (std::vector<std::string>{
                                  "0x00643090", "pause 75", "0x00643490", "pause 75", "0x00643790",
                                  "pause 75", "0x00643C90", "pause 75", "0x00644090", "pause 75"}));
    expectShowsModel();

    // The next click moves the highlight; any button selects; the strip right of the last
    // column and the area below the last diagram select nothing.
    const QPoint otherCentre = find<ResultsCanvas>("Image1")->cellRect(other).center();
    QTest::mouseClick(find<ResultsCanvas>("Image1"), Qt::RightButton, {}, otherCentre);
    EXPECT_EQ(state().highlighted, std::vector<int>{other});
    EXPECT_TRUE(near(gridBackground(open), kNormalGrid));
    EXPECT_TRUE(near(gridBackground(other), kHighlightedGrid));
    clickCanvas(state().columns * 100 - 4, 10);
    clickCanvas(10, state().canvasHeight - 5);
    EXPECT_EQ(state().highlighted, std::vector<int>{other});
}

TEST_F(Results, NeckButtonsSwitchThePictureAndDropTheMarks) {
    clickCell(2);
    ASSERT_TRUE(find<NeckView>("Image2")->voicing().has_value());
    click("SpeedButton11"); // "Eletric"
    EXPECT_TRUE(find<NeckView>("Image2")->electric());
    EXPECT_FALSE(find<NeckView>("Image2")->voicing().has_value());
    EXPECT_TRUE(find<QAbstractButton>("SpeedButton11")->isChecked());
    EXPECT_FALSE(find<QAbstractButton>("SpeedButton12")->isChecked());
    // The selection stays on the canvas.
    EXPECT_TRUE(find<ResultsCanvas>("Image1")->isHighlighted(2));
    clickCell(2);
    EXPECT_TRUE(find<NeckView>("Image2")->electric());
    EXPECT_TRUE(find<NeckView>("Image2")->voicing().has_value());
}

TEST_F(Results, LeftHandChordsMirrorTheDiagramsWithTheSameCountAndOrder) {
    const auto before = model().diagramFretLists();
    auto darkPattern = [&](int index) {
        std::vector<bool> dark;
        dark.reserve(6);
        for (int column = 0; column < 6; ++column) dark.push_back(darkMark(index, column));
        return dark;
    };
    std::vector<std::vector<bool>> rightHanded;
    rightHanded.reserve(4);
    for (int index = 0; index < 4; ++index) rightHanded.push_back(darkPattern(index));

    click("CheckBoxCanhoto");
    EXPECT_TRUE(state().leftHanded);
    EXPECT_TRUE(find<ResultsCanvas>("Image1")->leftHanded());
    EXPECT_EQ(model().diagramFretLists(), before);
    EXPECT_EQ(find<QLabel>("LabelTotal")->text(), QStringLiteral("165"));
    expectShowsModel();

    for (int index = 0; index < 4; ++index) {
        // The marks row read from the right: the filled dot of the lowest sounding string
        // and the crosses of muted strings sit in the mirrored columns.
        std::vector<bool> mirrored = darkPattern(index);
        std::reverse(mirrored.begin(), mirrored.end());
        EXPECT_EQ(mirrored, rightHanded[index]) << "diagram " << index;
        const FretList& frets = before[index].frets();
        const int lowest = static_cast<int>(
            std::find_if(frets.begin(), frets.end(), [](int f) { return f != 99; }) -
            frets.begin());
        EXPECT_TRUE(darkMark(index, 5 - lowest)) << "diagram " << index;
    }
    click("CheckBoxCanhoto");
    EXPECT_FALSE(find<ResultsCanvas>("Image1")->leftHanded());
    EXPECT_EQ(model().diagramFretLists(), before);
}

TEST_F(Results, OptionsSearchAgain) {
    choose("ComboBox1", 3); // "Up to fret" 24
    EXPECT_EQ(model().search().maxFret, 24);
    EXPECT_EQ(find<QLabel>("LabelTotal")->text(), QStringLiteral("341"));
    expectShowsModel();
    choose("ComboBox1", 1);
    EXPECT_EQ(find<QLabel>("LabelTotal")->text(), QStringLiteral("165"));

    click("CheckBoxOmit5");
    EXPECT_EQ(find<QLabel>("LabelTotal")->text(), QStringLiteral("28"));
    click("CheckBoxOmit5");
    click("CheckBoxPestanas");
    EXPECT_EQ(find<QLabel>("LabelTotal")->text(), QStringLiteral("145"));
    click("CheckBoxPestanas");

    // "Easy chords" picks Distance "3", and "5" again when unticked, whatever it was.
    choose("ComboBox2", 2);
    click("CheckBoxNSI");
    EXPECT_EQ(find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("3"));
    expectShowsModel();
    click("CheckBoxNSI");
    EXPECT_EQ(find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("5"));
    EXPECT_EQ(find<QLabel>("LabelTotal")->text(), QStringLiteral("165"));
    choose("ComboBox2", 0);
    EXPECT_EQ(find<QLabel>("LabelTotal")->text(), QStringLiteral("12"));
}

TEST_F(Results, TuningPresetsTheButtonAndTheTuners) {
    // A preset chosen from the menu that the button's arrow opens.
    auto* button = find<QToolButton>("ToolButton5");
    auto* menu = find<QMenu>("PopupMenu1");
    bool menuShown = false;
    QTimer::singleShot(0, [&] {
        menuShown = menu->isVisible();
        QAction* dropD = find<QAction>("DropD1");
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(dropD).center());
        if (menu->isVisible()) menu->close();
    });
    button->showMenu();
    settle();
    EXPECT_TRUE(menuShown);
    EXPECT_EQ(button->text(), QStringLiteral("Drop D"));
    EXPECT_TRUE(find<QAction>("DropD1")->isChecked());
    EXPECT_FALSE(find<QAction>("StandardTunning1")->isChecked());
    EXPECT_EQ(find<QSlider>("TrackBar1")->value(), 2);
    EXPECT_EQ(find<QLabel>("lbAfinacaoCorda1")->text(), QStringLiteral("D"));
    EXPECT_EQ(model().search().midiNoteTable[0][0], 38);
    expectShowsModel();

    find<QAction>("Afinaoemsolmenor1")->trigger();
    EXPECT_EQ(button->text(), QStringLiteral("G minor tuning"));
    QStringList labels;
    for (int n = 1; n <= 6; ++n)
        labels << find<QLabel>(QStringLiteral("lbAfinacaoCorda%1").arg(n).toLatin1().constData())
                      ->text();
    EXPECT_EQ(labels, QStringList({"G", "Bb", "D", "G", "Bb", "D"}));

    // The button itself restores standard tuning and leaves the menu's mark alone.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, button->height() / 2));
    EXPECT_EQ(button->text(), QStringLiteral("Standard Tuning"));
    EXPECT_TRUE(find<QAction>("Afinaoemsolmenor1")->isChecked());
    EXPECT_EQ(find<QSlider>("TrackBar2")->value(), 9);
    expectShowsModel();

    // A tuner renames its string and changes the note, and searches nothing.
    const auto diagrams = model().diagramFretLists();
    auto* tuner = find<QSlider>("TrackBar1");
    tuner->setFocus();
    QTest::keyClick(tuner, Qt::Key_Down);
    EXPECT_EQ(tuner->value(), 3);
    EXPECT_EQ(find<QLabel>("lbAfinacaoCorda1")->text(), QStringLiteral("D#"));
    EXPECT_EQ(model().search().stringNote[0], 3);
    EXPECT_EQ(model().search().midiNoteTable[0][0], 40);
    EXPECT_EQ(model().diagramFretLists(), diagrams);
    EXPECT_EQ(button->text(), QStringLiteral("Standard Tuning"));
}

TEST_F(Results, InstrumentAndTempoShapeTheSound) {
    midi.takeLog();
    choose("ComboBoxPatch", 3); // "Muted guitar", from no item selected
    settle();
    std::vector<std::string> log = midi.takeLog();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(
        std::vector<std::string>(log.end() - 4, log.end()),
        (std::vector<std::string>{"0x000000C0", "0x0000001C", "volume 0x0000FFFF", "0x00000090"}));
    EXPECT_EQ(find<QComboBox>("ComboBoxPatch")->currentText(), QStringLiteral("Muted guitar"));

    // A typed name that is no instrument sends nothing.
    auto* patch = find<QComboBox>("ComboBoxPatch");
    QTest::keyClick(patch->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(patch->currentText(), QStringLiteral("Muted guita"));
    EXPECT_TRUE(midi.takeLog().empty());

    auto* tempo = find<QSlider>("TrackBarTempoAcorde");
    tempo->setFocus();
    QTest::keyClick(tempo, Qt::Key_Right);
    EXPECT_EQ(state().tempoPosition, 3);
    // A barre voicing: its first string plays the barre's fret.
    const auto lists = model().diagramFretLists();
    const auto barre = std::find_if(lists.begin(), lists.end(),
                                    [](const Fretting& frets) { return frets.barres() != 0; });
    ASSERT_NE(barre, lists.end());
    const int openNotes[] = {40, 45, 50, 55, 59, 64};
    std::vector<std::string> expected;
    for (int s = 0; s < 6; ++s) {
        if (barre->muted(s)) continue;
        const int note = openNotes[s] + barre->fret(s);
        char message[16];
        std::snprintf(message, sizeof message, "0x%08X", 0x00640090u + note * 0x100u);
        expected.emplace_back(message);
        expected.emplace_back("pause 100");
    }
    clickCell(static_cast<int>(barre - lists.begin()));
    EXPECT_EQ(midi.takeLog(), expected);
}

} // namespace
} // namespace tambrel::testing
