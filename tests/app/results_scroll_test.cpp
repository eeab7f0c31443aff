// Where the results stand in their scroll box: at the top after a search for another chord,
// tuning or limit; at the same diagram after a resize.
#include <QAction>
#include <QDir>
#include <QScrollBar>
#include <QSlider>
#include <algorithm>

#include "display/fingering.h"
#include "display/results_layout.h"
#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

class ResultsScroll : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        resizeWindow(QSize(1280, 800));
    }

    QScrollBar* bar() const { return find<QScrollArea>("ScrollBoxViolao")->verticalScrollBar(); }

    void scrollToBottom() {
        bar()->setValue(bar()->maximum());
        settle();
        ASSERT_GT(bar()->value(), 0);
    }

    // The first diagram whose cell shows at the top of the scroll box.
    int firstVisibleDiagram() const {
        return bar()->value() / kCellHeight * std::max(state().columns, 1);
    }

    void save(const char* name) {
        QDir().mkpath(QStringLiteral(TAMBREL_SCREENSHOT_DIR));
        EXPECT_TRUE(form->grab().save(QStringLiteral(TAMBREL_SCREENSHOT_DIR "/%1.png").arg(name)));
    }
};

TEST_F(ResultsScroll, AnotherChordShowsItsFirstDiagrams) {
    scrollToBottom();
    save("scrolled-c-major");
    pressRow("StringGridAcorde", 2); // D
    settle();
    EXPECT_EQ(state().editAcorde, "D");
    EXPECT_EQ(bar()->value(), 0);
    save("after-choosing-d");

    scrollToBottom();
    clickTension(15); // "7"
    EXPECT_EQ(bar()->value(), 0);

    scrollToBottom();
    typeSymbol(QStringLiteral("Am"));
    click("SpeedButton2");
    EXPECT_EQ(bar()->value(), 0);
}

TEST_F(ResultsScroll, AnotherTuningOrLimitShowsTheFirstDiagrams) {
    scrollToBottom();
    find<QAction>("DropD1")->trigger();
    settle();
    EXPECT_EQ(state().tuningMark, 7);
    EXPECT_EQ(bar()->value(), 0);

    // A tuner alone searches nothing; the next search is for the new tuning.
    scrollToBottom();
    const int offset = bar()->value();
    auto* tuner = find<QSlider>("TrackBar6");
    tuner->setValue(tuner->value() + 1);
    EXPECT_EQ(bar()->value(), offset);
    pressRow("StringGridAcorde", 0);
    EXPECT_EQ(bar()->value(), 0);

    scrollToBottom();
    emit find<QComboBox>("ComboBox1")->activated(3); // "Up to fret" 24
    EXPECT_EQ(bar()->value(), 0);

    scrollToBottom();
    click("CheckBoxPestanas");
    EXPECT_EQ(bar()->value(), 0);
}

TEST_F(ResultsScroll, TheSameResultsKeepTheirPlace) {
    scrollToBottom();
    const int offset = bar()->value();
    // The selected row again, a click on a diagram and the mirrored drawing search nothing new.
    pressRow("StringGridAcorde", 0);
    clickCanvas(150, offset + 60);
    click("CheckBoxCanhoto");
    settle();
    EXPECT_EQ(bar()->value(), offset);
}

TEST_F(ResultsScroll, AResizeKeepsTheFirstVisibleDiagramInView) {
    // Row 5 of the diagrams at the top, half of its cell scrolled off.
    bar()->setValue(5 * kCellHeight + 65);
    settle();
    const int first = firstVisibleDiagram();
    ASSERT_GT(first, 0);
    for (const QSize size : {QSize(900, 800), QSize(1280, 700), QSize(700, 600)}) {
        form->resize(size);
        settle();
        const QRect view(0, bar()->value(), state().canvasWidth,
                         find<QScrollArea>("ScrollBoxViolao")->viewport()->height());
        EXPECT_TRUE(view.intersects(find<ResultsCanvas>("Image1")->cellRect(first)))
            << size.width() << " x " << size.height();
        EXPECT_LE(firstVisibleDiagram(), first);
    }
}

// A picture of the diagrams far up the neck, for a person to look at their base frets.
TEST_F(ResultsScroll, DiagramsAtTheTwentiethFret) {
    emit find<QComboBox>("ComboBox1")->activated(3); // "Up to fret" 24
    settle();
    const auto lists = model().diagramFretLists();
    const auto high = std::find_if(lists.begin(), lists.end(), [](const Fretting& frets) {
        return fingeringOf(frets).baseFret == 20;
    });
    ASSERT_NE(high, lists.end());
    const int index = static_cast<int>(high - lists.begin());
    bar()->setValue(find<ResultsCanvas>("Image1")->cellRect(index).top());
    settle();
    save("base-fret-20");
}

} // namespace
} // namespace tambrel::testing
