// The window on a small screen at a scale factor of 2 (this test runs with QT_SCALE_FACTOR=2):
// 800 x 500 logical pixels, where every control must still be reachable.
#include <QDir>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

// Every control of the window a user works with or reads.
const char* const kControls[] = {
    "EditAcorde",       "SpeedButton2",
    "StringGridAcorde", "CheckListBox1",
    "StringGridBaixo",  "SpeedButton5",
    "SpeedButton6",     "SpeedButton7",
    "SpeedButton8",     "SpeedButton10",
    "SpeedButton9",     "ListBox1",
    "ScrollBoxViolao",  "Edit1",
    "LabelTotal",       "CheckBoxOmit5",
    "CheckBoxOmit3",    "ComboBox2",
    "ComboBox1",        "ToolButton5",
    "TrackBar1",        "TrackBar6",
    "lbAfinacaoCorda1", "lbAfinacaoCorda6",
    "CheckBoxNSI",      "CheckBoxCanhoto",
    "CheckBoxPestanas", "ComboBoxPatch",
    "Label6",           "TrackBarTempoAcorde",
    "SpeedButton11",    "SpeedButton12",
    "Image2",           "EditFrets",
    "ListBoxReadings",  "ComboBoxOrder",
    "CheckBoxCommon",
};

class SmallScreen : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_EQ(form->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
        resizeWindow(QSize(800, 500));
    }

    void save(const char* name) {
        QDir().mkpath(QStringLiteral(TAMBREL_SCREENSHOT_DIR));
        EXPECT_TRUE(form->grab().save(QStringLiteral(TAMBREL_SCREENSHOT_DIR "/%1.png").arg(name)));
    }

    // Scrolls every panel around `control` so that it shows, as a user would.
    static void bringIntoView(QWidget* control) {
        for (QWidget* w = control->parentWidget(); w != nullptr; w = w->parentWidget()) {
            auto* area = qobject_cast<QScrollArea*>(w);
            if (area == nullptr || area->widget() == nullptr ||
                !area->widget()->isAncestorOf(control))
                continue;
            // The whole control, not only the text cursor of an edit box.
            const QRect rect(control->mapTo(area->widget(), QPoint(0, 0)), control->size());
            area->ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2 + 1,
                                rect.height() / 2 + 1);
        }
        settle();
    }
};

TEST_F(SmallScreen, TheWindowTakesTheScreenSize) {
    EXPECT_EQ(form->size(), QSize(800, 500));
    save("small-screen-x2");
}

TEST_F(SmallScreen, EveryControlCanBeBroughtIntoView) {
    // Also with a title bar and a desktop panel taking their share of the screen.
    for (const QSize size : {QSize(800, 500), QSize(800, 440)}) {
        form->resize(size);
        settle();
        ASSERT_EQ(form->size(), size);
        for (const char* name : kControls) {
            auto* control = find<QWidget>(name);
            ASSERT_NE(control, nullptr);
            bringIntoView(control);
            EXPECT_TRUE(control->isVisible()) << name;
            const QRect shown = control->visibleRegion().boundingRect();
            // A control that fits shows whole; a larger one at least in part.
            if (control->width() <= size.width() / 2 && control->height() <= size.height() / 2)
                EXPECT_EQ(shown, control->rect()) << name << " at " << size.height();
            else
                EXPECT_FALSE(shown.isEmpty()) << name << " at " << size.height();
        }
    }
    save("small-screen-x2-neck-end");
}

TEST_F(SmallScreen, TheNoteGridsShowAllTwelveNames) {
    // As low as the window goes.
    form->resize(800, 300);
    settle();
    for (const char* name : {"StringGridAcorde", "StringGridBaixo"}) {
        auto* grid = find<PickGrid>(name);
        bringIntoView(grid);
        EXPECT_FALSE(grid->verticalScrollBar()->isVisible()) << name;
        EXPECT_EQ(grid->visibleRegion().boundingRect(), grid->rect()) << name;
        EXPECT_GE(grid->viewport()->height(), 12 * grid->rowHeight(0)) << name;
    }
}

} // namespace
} // namespace tambrel::testing
