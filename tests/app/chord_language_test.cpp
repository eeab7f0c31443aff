// The chord language in the window: a standard symbol typed and searched, the plain name over
// the results, the notice in the status bar, and naming a fingering on the neck.
#include <QDir>
#include <QStatusBar>
#include <QToolButton>

#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

class ChordLanguage : public WindowTest {
  protected:
    // Types any characters, as a keyboard with those signs would.
    void typeUnicode(const QString& text) {
        auto* edit = find<QLineEdit>("EditAcorde");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void search(const QString& symbol) {
        typeUnicode(symbol);
        click("SpeedButton2");
        settle();
    }
    void clickNeck(int x, int y) {
        QTest::mouseClick(find<NeckView>("Image2"), Qt::LeftButton, {}, QPoint(x, y));
        settle();
    }
    // At a common laptop screen's size, for a person to look at.
    void save(const char* name) {
        form->setWindowState(Qt::WindowNoState);
        form->resize(1280, 800);
        settle();
        QDir().mkpath(QStringLiteral(TAMBREL_SCREENSHOT_DIR));
        form->grab().toImage().save(QStringLiteral(TAMBREL_SCREENSHOT_DIR "/%1.png").arg(name));
    }
};

TEST_F(ChordLanguage, AStandardSymbolTypedInUnicodeIsSearchedAndNamed) {
    search(QString::fromUtf8("B\u266D\u03947"));
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("Bb7+ "));
    EXPECT_EQ(model().search().chordIntervals, "00 04 07 11");
    EXPECT_EQ(find<QLabel>("LabelPlainName")->text(), QString::fromUtf8("Bbmaj7 \u2014 Bb D F A"));
    expectShowsModel();
    EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());

    search(QStringLiteral("C13#11"));
    EXPECT_EQ(form->statusBar()->currentMessage(),
              QStringLiteral("C13#11: a chord holds six notes; left out G (5)"));
    save("chord-language");
}

TEST_F(ChordLanguage, TheNeckNamesWhatIsPlayedAndAReadingFindsIt) {
    click("SpeedButtonNeckInput");
    settle();
    EXPECT_TRUE(state().neckInput);
    // x32010: A at 3, D at 2, B at 1, G and high E open.
    clickNeck(130, 60);
    clickNeck(88, 44);
    clickNeck(45, 19);
    clickNeck(3, 30);
    clickNeck(3, 2);
    EXPECT_EQ(state().enteredFrets, (FretList{kMuted, 3, 2, 0, 1, 0}));
    EXPECT_EQ(find<QLineEdit>("EditFrets")->text(), QStringLiteral("x32010"));
    auto* readings = find<QListWidget>("ListBoxReadings");
    ASSERT_GT(readings->count(), 0);
    EXPECT_EQ(readings->item(0)->text(), QString::fromUtf8("C \u2014 C E G"));
    EXPECT_EQ(find<NeckView>("Image2")->voicing(), std::optional<FretList>(state().enteredFrets));

    QTest::mouseClick(readings->viewport(), Qt::LeftButton, {},
                      readings->visualItemRect(readings->item(0)).center());
    settle();
    ASSERT_EQ(state().highlighted.size(), 1u);
    EXPECT_EQ(model().search().voicingList[state().highlighted[0]].frets,
              (FretList{kMuted, 3, 2, 0, 1, 0}));
    EXPECT_TRUE(
        form->statusBar()->currentMessage().startsWith(QStringLiteral("x32010 is diagram")));
    save("naming");
}

TEST_F(ChordLanguage, AFretListTypedIntoItsBoxAndWhyTheSearchLeavesItOut) {
    auto* box = find<QLineEdit>("EditFrets");
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("x 3 2 3 4 x"));
    QTest::keyClick(box, Qt::Key_Return);
    settle();
    auto* readings = find<QListWidget>("ListBoxReadings");
    ASSERT_GT(readings->count(), 0);
    EXPECT_EQ(readings->item(0)->text(), QString::fromUtf8("C7#9(no5) \u2014 C E Bb D#"));
    QTest::mouseClick(readings->viewport(), Qt::LeftButton, {},
                      readings->visualItemRect(readings->item(0)).center());
    settle();
    EXPECT_EQ(form->statusBar()->currentMessage(),
              QStringLiteral("x3234x is not among the results: it leaves out the fifth, G: tick "
                             "\"(omit5)\""));

    // A text that is no fret list says so and changes nothing.
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("x3201"));
    QTest::keyClick(box, Qt::Key_Return);
    settle();
    EXPECT_TRUE(form->statusBar()->currentMessage().contains(QStringLiteral("has 5 strings")));
    EXPECT_EQ(state().enteredFrets, (FretList{kMuted, 3, 2, 3, 4, kMuted}));
}

} // namespace
} // namespace tambrel::testing
