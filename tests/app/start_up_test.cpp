// The window right after start: every control with its caption, hint, items and start value.
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>

#include "app/Unitabout.h"
#include "music/chord_vocabulary.h"
#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

class StartUp : public WindowTest {};

TEST_F(StartUp, ShowsCMajorWithEveryDefault) {
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tambrel"));
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("C"));
    EXPECT_EQ(shownTicks(), std::vector<int>{0});

    EXPECT_TRUE(find<QAbstractButton>("SpeedButton7")->isChecked()); // "mod1"
    EXPECT_FALSE(find<QAbstractButton>("SpeedButton8")->isChecked());
    EXPECT_TRUE(find<QWidget>("CheckListBox1")->isVisible());
    EXPECT_FALSE(find<QWidget>("StringGrid1")->isVisible());
    EXPECT_TRUE(find<QAbstractButton>("SpeedButton5")->isChecked()); // both "#"
    EXPECT_FALSE(find<QAbstractButton>("SpeedButton6")->isChecked());
    EXPECT_TRUE(find<QAbstractButton>("SpeedButton10")->isChecked());
    EXPECT_FALSE(find<QAbstractButton>("SpeedButton9")->isChecked());
    EXPECT_TRUE(find<QAbstractButton>("SpeedButton12")->isChecked()); // "Classic"
    EXPECT_FALSE(find<QAbstractButton>("SpeedButton11")->isChecked());

    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentText(), QStringLiteral("12"));
    EXPECT_EQ(find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("5"));
    EXPECT_EQ(find<QSlider>("TrackBarTempoAcorde")->value(), 2);
    EXPECT_EQ(find<QComboBox>("ComboBoxPatch")->currentText(), QStringLiteral("Nylon guitar"));
    EXPECT_EQ(find<QComboBox>("ComboBoxPatch")->currentIndex(), -1);
    for (const char* box :
         {"CheckBoxOmit3", "CheckBoxOmit5", "CheckBoxNSI", "CheckBoxCanhoto", "CheckBoxPestanas"})
        EXPECT_FALSE(find<QCheckBox>(box)->isChecked()) << box;

    // C major over C in standard tuning.
    EXPECT_EQ(find<QLabel>("LabelTotal")->text(), QStringLiteral("165"));
    EXPECT_TRUE(find<QLineEdit>("Edit1")->text().isEmpty());
    expectShowsModel();

    // The classic neck without marks: no ball at the nut.
    auto* neck = find<NeckView>("Image2");
    EXPECT_FALSE(neck->electric());
    EXPECT_FALSE(neck->voicing().has_value());
    for (int s = 0; s < 6; ++s) {
        const QColor nut = neckPixel(6, (5 - s) * 14 + 6);
        EXPECT_FALSE(nut.blue() > nut.red() + 60) << "string " << s;
    }

    // Opening the output sends nothing, and the About box waits hidden.
    EXPECT_TRUE(midi.log().empty());
    ASSERT_NE(form->aboutBox(), nullptr);
    EXPECT_FALSE(form->aboutBox()->isVisible());
}

TEST_F(StartUp, LaysTheResultsOutForTheShownWidth) {
    const int width = find<QScrollArea>("ScrollBoxViolao")->viewport()->width();
    EXPECT_NE(width, TForm1::kDesignResultsWidth);
    EXPECT_EQ(state().canvasWidth, width);
    EXPECT_EQ(state().columns, width / 100);
    EXPECT_EQ(find<ResultsCanvas>("Image1")->width(), width);
    EXPECT_EQ(find<ResultsCanvas>("Image1")->height(), (165 / state().columns) * 130 + 260);
}

TEST_F(StartUp, NoteGridsTunersAndTuningButton) {
    const char* names[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    for (const char* grid : {"StringGridAcorde", "StringGridBaixo"}) {
        auto* table = find<PickGrid>(grid);
        ASSERT_EQ(table->rowCount(), 12);
        for (int row = 0; row < 12; ++row)
            EXPECT_EQ(table->item(row, 0)->text(), QString::fromLatin1(names[row])) << grid;
        EXPECT_EQ(table->currentRow(), 0);
        EXPECT_TRUE(table->isEnabled());
    }

    const int positions[] = {4, 9, 2, 7, 11, 4};
    const char* labels[] = {"E", "A", "D", "G", "B", "E"};
    for (int n = 1; n <= 6; ++n) {
        auto* bar = find<QSlider>(QStringLiteral("TrackBar%1").arg(n).toLatin1().constData());
        EXPECT_EQ(bar->orientation(), Qt::Vertical);
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 11);
        EXPECT_EQ(bar->value(), positions[n - 1]);
        auto* label =
            find<QLabel>(QStringLiteral("lbAfinacaoCorda%1").arg(n).toLatin1().constData());
        EXPECT_EQ(label->text(), QString::fromLatin1(labels[n - 1]));
    }
    auto* button = find<QToolButton>("ToolButton5");
    EXPECT_EQ(button->text(), QStringLiteral("Standard Tuning"));
    EXPECT_EQ(button->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(button->menu(), find<QMenu>("PopupMenu1"));
    EXPECT_TRUE(find<QAction>("StandardTunning1")->isChecked());
}

TEST_F(StartUp, CaptionsHintsAndItems) {
    const std::pair<const char*, const char*> hints[] = {
        {"SpeedButton2", "search for chord"},
        {"ComboBox1", "Display positions up to selected fret"},
        {"ComboBox2", "Distance between your fingers"},
        {"ToolButton5", "Change the guitar's tuning"},
        {"CheckBoxNSI", "Display the common chord charts"},
        {"CheckBoxCanhoto", "Positions for left-handed players"},
        {"CheckBoxPestanas", "Hide all chords with barre chords"},
        {"ComboBoxPatch", "Change the sound of the chord"},
        {"TrackBarTempoAcorde", "Ajust the tempo of the chord's sound"},
    };
    for (const auto& [name, hint] : hints)
        EXPECT_EQ(find<QWidget>(name)->toolTip(), QString::fromLatin1(hint)) << name;

    const std::pair<const char*, const char*> captions[] = {
        {"CheckBoxOmit3", "(omit3)"},
        {"CheckBoxOmit5", "(omit5)"},
        {"CheckBoxNSI", "Easy chords"},
        {"CheckBoxCanhoto", "Left-hand chords"},
        {"CheckBoxPestanas", "No barre chords"},
        {"SpeedButton5", "#"},
        {"SpeedButton6", "b"},
        {"SpeedButton7", "mod1"},
        {"SpeedButton8", "mod2"},
        {"SpeedButton9", "b"},
        {"SpeedButton10", "#"},
        {"SpeedButton11", "Eletric"},
        {"SpeedButton12", "Classic"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(find<QAbstractButton>(name)->text(), QString::fromLatin1(caption)) << name;
    const std::pair<const char*, const char*> labels[] = {
        {"Label1", "Formation:"}, {"Label5", "Results: founded"}, {"Label3", "Distance"},
        {"Label2", "Up to fret"}, {"Label6", "Tempo:"},
    };
    for (const auto& [name, caption] : labels)
        EXPECT_EQ(find<QLabel>(name)->text(), QString::fromLatin1(caption)) << name;

    auto items = [](QComboBox* combo) {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
        return texts;
    };
    EXPECT_EQ(items(find<QComboBox>("ComboBox1")), QStringList({"6", "12", "18", "24"}));
    EXPECT_EQ(items(find<QComboBox>("ComboBox2")), QStringList({"2", "3", "4", "5"}));
    EXPECT_FALSE(find<QComboBox>("ComboBox1")->isEditable());
    EXPECT_FALSE(find<QComboBox>("ComboBox2")->isEditable());
    EXPECT_TRUE(find<QComboBox>("ComboBoxPatch")->isEditable());
    EXPECT_EQ(items(find<QComboBox>("ComboBoxPatch")),
              QStringList({"Nylon guitar", "Jazz guitar", "Clean guitar", "Muted guitar",
                           "Acoustic grand piano", "Bright acoustic piano", "Electric grand piano",
                           "Honky-tonk-piano", "Chorused piano"}));

    // The tension list and the chord-type list, with the diminished sign.
    auto* tensions = find<TensionList>("CheckListBox1");
    ASSERT_EQ(tensions->count(), kTensionCount);
    EXPECT_EQ(tensions->item(0)->text(), QString());
    EXPECT_EQ(tensions->item(4)->text(), QString::fromUtf8("\u00BA"));
    EXPECT_EQ(tensions->item(50)->text(), QStringLiteral("sus11"));
    auto* types = find<PickGrid>("StringGrid1");
    ASSERT_EQ(types->rowCount(), kChordTypeCount);
    EXPECT_EQ(types->item(1, 0)->text(), QString::fromUtf8("\u00BA"));
    EXPECT_EQ(types->item(34, 0)->text(), QStringLiteral("m7/9"));
    EXPECT_EQ(types->item(34, 1)->text(), QStringLiteral("00 02 03 07 10"));

    // Menus: "File" > "&Close", "&View", "&Help" > "&About"; the tuning presets.
    auto* bar = find<QMenuBar>("MainMenu1");
    ASSERT_EQ(bar->actions().size(), 3);
    EXPECT_EQ(bar->actions()[0]->text(), QStringLiteral("File"));
    EXPECT_EQ(bar->actions()[1]->text(), QStringLiteral("&View"));
    EXPECT_EQ(bar->actions()[2]->text(), QStringLiteral("&Help"));
    EXPECT_EQ(find<QAction>("Sair1")->text(), QStringLiteral("&Close"));
    EXPECT_EQ(find<QAction>("Sobre1")->text(), QStringLiteral("&About"));
    const QList<QAction*> presets = find<QMenu>("PopupMenu1")->actions();
    ASSERT_EQ(presets.size(), 12);
    EXPECT_EQ(presets[0]->objectName(), QStringLiteral("StandardTunning1"));
    EXPECT_EQ(presets[0]->text(), QStringLiteral("Standard Tunning"));
    EXPECT_EQ(presets[3]->text(), QStringLiteral("Lute Tunning"));
    EXPECT_EQ(presets[10]->objectName(), QStringLiteral("Afinaoemsolmenor1"));
    EXPECT_EQ(presets[10]->text(), QStringLiteral("G Minor Tunning"));
    for (QAction* preset : presets) EXPECT_TRUE(preset->isCheckable());

    // The banner and the neck picture at their sizes, the status bar's three empty panels.
    EXPECT_EQ(find<QWidget>("PanelBanner")->height(), 48);
    EXPECT_EQ(find<QWidget>("Image3")->geometry(), QRect(0, -16, 450, 80));
    EXPECT_EQ(find<QWidget>("Image2")->size(), QSize(625, 89));
    QList<QLabel*> panels = find<QStatusBar>("StatusBar1")->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 3);
    EXPECT_EQ(panels[0]->width(), 200);
    EXPECT_EQ(panels[1]->width(), 50);
    EXPECT_EQ(panels[2]->width(), 50);
    for (QLabel* panel : panels) EXPECT_TRUE(panel->text().isEmpty());
}

} // namespace
} // namespace tambrel::testing
