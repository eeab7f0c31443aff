// The order list, "Common voicings", the diagrams' tooltips and the mark of the easiest,
// driven through the widgets.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QTest>

#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

class VoicingChoicesGui : public WindowTest {
  protected:
    void chooseOrder(int item) {
        auto* combo = find<QComboBox>("ComboBoxOrder");
        combo->setFocus();
        for (int guard = 0; guard < 5 && combo->currentIndex() != item; ++guard)
            QTest::keyClick(combo, combo->currentIndex() < item ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(combo->currentIndex(), item);
        settle();
    }
};

TEST_F(VoicingChoicesGui, TheOrderListAndTheBoxStartAtTheirDefaults) {
    auto* order = find<QComboBox>("ComboBoxOrder");
    ASSERT_EQ(order->count(), 2);
    EXPECT_EQ(order->itemText(0), QStringLiteral("Position"));
    EXPECT_EQ(order->itemText(1), QStringLiteral("Easiest first"));
    EXPECT_EQ(order->currentIndex(), 0);
    auto* common = find<QCheckBox>("CheckBoxCommon");
    EXPECT_EQ(common->text(), QStringLiteral("Common voicings"));
    EXPECT_FALSE(common->isChecked());
    EXPECT_FALSE(find<ResultsCanvas>("Image1")->markedEasiest().has_value());
}

TEST_F(VoicingChoicesGui, EasiestFirstReordersTheDiagramsAndMarksTheFirst) {
    const auto position = model().diagramFretLists();
    chooseOrder(1);
    EXPECT_EQ(state().orderItem, 1);
    auto* canvas = find<ResultsCanvas>("Image1");
    EXPECT_EQ(canvas->cells(), model().diagramFretLists());
    EXPECT_EQ(canvas->cells().size(), position.size());
    EXPECT_EQ(canvas->cells().front(), (FretList{99, 3, 2, 0, 1, 0}));
    EXPECT_EQ(canvas->markedEasiest(), 0);
    // The mark is a green disc right of the first grid's top.
    const QRect cell = canvas->cellRect(0);
    const QColor mark = canvasPixel(cell.left() + 89, cell.top() + 5);
    EXPECT_GT(mark.green(), mark.red() + 60) << mark.name().toStdString();

    chooseOrder(0);
    EXPECT_EQ(canvas->cells(), position);
    EXPECT_FALSE(canvas->markedEasiest().has_value());
}

TEST_F(VoicingChoicesGui, EachDiagramTellsItsPlayabilityOnHover) {
    auto* canvas = find<ResultsCanvas>("Image1");
    const QRect cell = canvas->cellRect(1);
    EXPECT_EQ(canvas->toolTipAt(cell.center().x(), cell.center().y()),
              QString::fromStdString(model().diagramExplanation(1)));
    EXPECT_TRUE(canvas->toolTipAt(cell.center().x(), cell.center().y()).startsWith("score "));
    // Past the last diagram there is nothing to tell.
    EXPECT_TRUE(canvas->toolTipAt(5, canvas->height() - 5).isEmpty());
}

TEST_F(VoicingChoicesGui, CommonVoicingsJoinTheListAndTheirTipsSayWhatTheyLeaveOut) {
    clickTension(15); // "7"
    const std::size_t full = model().diagramFretLists().size();
    click("CheckBoxCommon");
    settle();
    EXPECT_TRUE(state().commonVoicings);
    EXPECT_GT(model().diagramFretLists().size(), full);
    chooseOrder(1);
    auto* canvas = find<ResultsCanvas>("Image1");
    EXPECT_EQ(canvas->cells().front(), (FretList{99, 3, 2, 3, 1, 0}));
    const QRect cell = canvas->cellRect(0);
    EXPECT_TRUE(canvas->toolTipAt(cell.center().x(), cell.center().y()).endsWith("; no fifth"));

    // A picture for a person to look at, on a common laptop screen.
    form->setWindowState(Qt::WindowNoState);
    form->resize(1280, 800);
    settle();
    QDir().mkpath(QStringLiteral(TAMBREL_SCREENSHOT_DIR));
    form->grab().toImage().save(QStringLiteral(TAMBREL_SCREENSHOT_DIR "/easiest-common.png"));
}

} // namespace
} // namespace tambrel::testing
