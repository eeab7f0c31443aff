// The window's panels on their own, over a model of their own: each hands a control's event to
// the one forwarding path once, and shows the model's state without reporting it as the user's.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "app/Unit1.h"
#include "app/chord_column.h"
#include "app/naming_panel.h"
#include "app/options_panel.h"
#include "app/tuning_panel.h"
#include "app/widget_helpers.h"
#include "sound/recording_midi_sink.h"
#include "window/main_window_model.h"

namespace tambrel {
namespace {

class PanelTest : public ::testing::Test {
  protected:
    template <typename Widget> static Widget* find(QWidget* panel, const char* name) {
        auto* widget = panel->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    RecordingMidiSink midi;
    MainWindowModel model{midi, TForm1::kDesignResultsWidth};
    // The window's path runs the operation and shows the whole window; here it only counts.
    int forwarded = 0;
    ModelForward forward = [this](const std::function<void()>& operation) {
        ++forwarded;
        operation();
    };
};

TEST_F(PanelTest, OptionsForwardTheUsersChangesAndShowTheModelsSilently) {
    OptionsPanel panel;
    panel.connect(model, forward);
    panel.show(model);
    EXPECT_EQ(forwarded, 0);

    auto* omit3 = find<QCheckBox>(panel.limits(), "CheckBoxOmit3");
    omit3->click();
    EXPECT_EQ(forwarded, 1);
    EXPECT_TRUE(model.window().omit3);

    auto* upToFret = find<QComboBox>(panel.limits(), "ComboBox1");
    emit upToFret->activated(3);
    EXPECT_EQ(forwarded, 2);
    EXPECT_EQ(model.search().maxFret, 24);

    // A change made by the model alone shows without coming back as the user's.
    model.CheckBoxNSIClick(true);
    panel.show(model);
    EXPECT_TRUE(find<QCheckBox>(panel.kinds(), "CheckBoxNSI")->isChecked());
    EXPECT_EQ(find<QComboBox>(panel.limits(), "ComboBox2")->currentIndex(),
              model.window().distanceItem);
    EXPECT_EQ(forwarded, 2);
}

TEST_F(PanelTest, TunersShowTheTuningAndForwardOnlyTheUsersMove) {
    QWidget window;
    TuningPanel panel(&window);
    panel.connect(model, forward);
    panel.show(model);
    EXPECT_EQ(forwarded, 0);
    auto* lowString = find<QSlider>(panel.widget(), "TrackBar1");
    EXPECT_EQ(lowString->value(), model.window().tunerPositions[0]);
    EXPECT_EQ(find<QLabel>(panel.widget(), "lbAfinacaoCorda1")->text(),
              shown(model.window().tunerLabels[0]));
    // The presets' menu is the window's, where the window's tests look for it.
    EXPECT_NE(window.findChild<QMenu*>(QStringLiteral("PopupMenu1")), nullptr);

    const int lowered = (lowString->value() + 11) % 12;
    lowString->setValue(lowered);
    EXPECT_EQ(forwarded, 1);
    EXPECT_EQ(model.window().tunerPositions[0], lowered);
    panel.show(model);
    EXPECT_EQ(forwarded, 1);
}

TEST_F(PanelTest, NamingForwardsTheEnteredFretsAndTheChosenReading) {
    NamingPanel panel;
    panel.connect(model, forward);
    auto* frets = find<QLineEdit>(panel.widget(), "EditFrets");
    auto* readings = find<QListWidget>(panel.widget(), "ListBoxReadings");
    frets->setText(QStringLiteral("x32010"));
    emit frets->returnPressed();
    EXPECT_EQ(forwarded, 1);
    ASSERT_FALSE(model.window().readings.empty());

    panel.show(model);
    ASSERT_EQ(readings->count(), static_cast<int>(model.window().readings.size()));
    EXPECT_EQ(readings->item(0)->toolTip(), readings->item(0)->text());
    EXPECT_EQ(readings->currentRow(), model.window().chosenReading);
    EXPECT_EQ(forwarded, 1);

    emit readings->itemClicked(readings->item(0));
    EXPECT_EQ(forwarded, 2);
    EXPECT_EQ(model.window().chosenReading, 0);
}

TEST_F(PanelTest, ChordColumnWidensForTheNamesWithinTheWindow) {
    ChordColumn column;
    column.show(model);
    column.measureNames();
    column.fitWindow(100, 0);
    const int designed = column.widget()->width();
    column.fitWindow(5000, 0);
    const int needed = column.widget()->width();
    EXPECT_GT(needed, designed) << "C major's longest name needs more than the designed column";
    column.fitWindow(10000, 0);
    EXPECT_EQ(column.widget()->width(), needed);
    // Between the two, it takes what the window leaves beside the panels.
    const int between = (designed + needed) / 2;
    column.fitWindow(between + 600, 600);
    EXPECT_EQ(column.widget()->width(), between);
}

TEST(WidgetHelpers, UpdatesAreNotReportedAsTheUsers) {
    QCheckBox box;
    QComboBox combo;
    combo.addItems({QStringLiteral("a"), QStringLiteral("b")});
    QSlider slider;
    QListWidget list;
    QSignalSpy toggled(&box, &QCheckBox::toggled);
    QSignalSpy picked(&combo, &QComboBox::currentIndexChanged);
    QSignalSpy moved(&slider, &QSlider::valueChanged);
    QSignalSpy rows(&list, &QListWidget::currentRowChanged);

    setChecked(&box, true);
    setCurrentIndex(&combo, 1);
    setValue(&slider, 7);
    setItems(&list, {QStringLiteral("C — C E G"), QStringLiteral("Am7/C")});

    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(combo.currentIndex(), 1);
    EXPECT_EQ(slider.value(), 7);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1)->toolTip(), QStringLiteral("Am7/C"));
    EXPECT_EQ(toggled.count() + picked.count() + moved.count() + rows.count(), 0);
}

TEST(WidgetHelpers, AnUnchangedTextLeavesTheUsersCursor) {
    QLineEdit edit(QStringLiteral("x32010"));
    edit.setCursorPosition(2);
    setText(&edit, QStringLiteral("x32010"));
    EXPECT_EQ(edit.cursorPosition(), 2);
    setText(&edit, QStringLiteral("x02210"));
    EXPECT_EQ(edit.text(), QStringLiteral("x02210"));
}

} // namespace
} // namespace tambrel
