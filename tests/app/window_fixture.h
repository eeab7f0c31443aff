#pragma once
// A shown main window with a recorded MIDI output, and the ways a user reaches its controls.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/entry_widgets.h"
#include "display/neck_widget.h"
#include "display/results_canvas.h"
#include "music/single_byte_text.h"
#include "music/text_encoding.h"
#include "sound/recording_midi_sink.h"

namespace tambrel::testing {

inline QString shown(const std::string& cp1252) {
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

inline QString shown(const SingleByteText& text) {
    return QString::fromStdString(text.utf8());
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(midi);
        form->showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        settle();
    }

    void TearDown() override { form.reset(); }

    // Lets the window handle what is queued: layout, the resize search, painting.
    static void settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }

    // The window no longer maximised, at `size`, laid out again.
    void resizeWindow(const QSize& size) {
        form->setWindowState(Qt::WindowNoState);
        form->resize(size);
        settle();
    }

    template <typename Widget> Widget* find(const char* name) const {
        auto* widget = form->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    const MainWindowModel& model() const { return form->model(); }
    const WindowState& state() const { return form->model().window(); }

    // Clicks an item of the tension list as a user does.
    void clickTension(int item) {
        auto* list = find<TensionList>("CheckListBox1");
        list->scrollToItem(list->item(item));
        const QPoint at = list->visualItemRect(list->item(item)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    // Presses a row of one of the grids.
    void pressRow(const char* grid, int row) {
        auto* table = find<PickGrid>(grid);
        table->scrollToItem(table->item(row, 0));
        const QPoint at = table->visualItemRect(table->item(row, 0)).center();
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, at);
    }

    // Replaces the text of the chord symbol box by typing, as a user does.
    void typeSymbol(const QString& text) {
        auto* edit = find<QLineEdit>("EditAcorde");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    void click(const char* button) {
        QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton);
    }

    // Releases the mouse at (x, y) of the results canvas.
    void clickCanvas(int x, int y) {
        auto* canvas = find<ResultsCanvas>("Image1");
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(x, y));
    }

    // The ticks that the tension list shows.
    std::vector<int> shownTicks() const {
        auto* list = find<TensionList>("CheckListBox1");
        std::vector<int> ticked;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->checkState() == Qt::Checked) ticked.push_back(i);
        return ticked;
    }

    std::vector<int> modelTicks() const {
        std::vector<int> ticked;
        for (int i = 0; i < kTensionCount; ++i)
            if (state().ticked[i]) ticked.push_back(i);
        return ticked;
    }

    // The window shows the model's chord entry, results and count.
    void expectShowsModel() const {
        EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), shown(state().editAcorde));
        EXPECT_EQ(shownTicks(), modelTicks());
        auto* list = find<TensionList>("CheckListBox1");
        for (int i = 0; i < kTensionCount; ++i)
            EXPECT_EQ(bool(list->item(i)->flags() & Qt::ItemIsEnabled), state().itemEnabled[i])
                << "item " << i;
        EXPECT_EQ(find<QLabel>("LabelTotal")->text(), shown(state().labelTotal));
        EXPECT_EQ(find<QLabel>("LabelTotal")->text().toInt(),
                  static_cast<int>(model().search().voicingList.size()));
        auto* canvas = find<ResultsCanvas>("Image1");
        EXPECT_EQ(canvas->cells(), model().diagramFretLists());
        EXPECT_EQ(canvas->columns(), std::max(state().columns, 1));
        EXPECT_EQ(canvas->height(), state().canvasHeight);
        auto* names = find<QListWidget>("ListBox1");
        ASSERT_EQ(names->count(), static_cast<int>(state().chordNames.size()));
        for (int i = 0; i < names->count(); ++i)
            EXPECT_EQ(names->item(i)->text(), shown(state().chordNames[i]));
        EXPECT_EQ(find<QLineEdit>("Edit1")->text(), shown(state().formation));
        EXPECT_EQ(find<PickGrid>("StringGridBaixo")->isEnabled(), state().bassGrid.enabled);
        EXPECT_EQ(find<PickGrid>("StringGridAcorde")->currentRow(), state().rootGrid.row);
        EXPECT_EQ(find<PickGrid>("StringGridBaixo")->currentRow(), state().bassGrid.row);
    }

    // Runs `onModal` on each modal window that comes up while `action` runs, until it returns
    // true (done with that window).
    static void whileModal(const std::function<void()>& action,
                           const std::function<bool(QWidget*)>& onModal) {
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget())
                if (onModal(modal)) QApplication::processEvents();
        });
        poll.start();
        action();
        poll.stop();
        settle();
    }

    // The colour of one pixel of the canvas as it is painted now.
    QColor canvasPixel(int x, int y) const {
        auto* canvas = find<ResultsCanvas>("Image1");
        return canvas->grab(QRect(x, y, 1, 1)).toImage().pixelColor(0, 0);
    }

    QColor neckPixel(int x, int y) const {
        auto* neck = find<NeckView>("Image2");
        return neck->grab(QRect(x, y, 1, 1)).toImage().pixelColor(0, 0);
    }

    RecordingMidiSink midi;
    std::unique_ptr<TForm1> form;
};

} // namespace tambrel::testing
