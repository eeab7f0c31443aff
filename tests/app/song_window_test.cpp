// The song panel and the capo in the window: a typed song's chords and their diagrams, pins
// from the alternatives, the capo's two spin boxes and its caption, the song played without
// blocking the window, and the song on the chord sheet.
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "app/sheet_tools.h"
#include "app/song_exports.h"
#include "app/song_panel.h"
#include "music/fret_list_text.h"
#include "tests/app/window_fixture.h"

#include <algorithm>
#include <utility>

namespace tambrel::testing {
namespace {

class SongWindowTest : public WindowTest {
  protected:
    // Types the song into the panel's text box and waits for the idle delay to read it.
    void typeSong(const QString& text) {
        form->songPanelItem()->trigger();
        auto* edit = find<QPlainTextEdit>("SongText");
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, text);
        QTRY_COMPARE_WITH_TIMEOUT(model().song().text(), text.toStdString(), 5000);
        settle();
    }
    void click(const char* name) { find<QAbstractButton>(name)->click(); }
    const std::vector<ArrangedChord>& chords() const { return model().song().arrangement().chords; }
};

TEST_F(SongWindowTest, TheDockShowsATypedSongsChords) {
    auto* dock = find<SongPanel>("SongDock");
    EXPECT_FALSE(dock->isVisible()); // hidden until asked for
    EXPECT_TRUE(form->songPanelItem()->isCheckable());
    typeSong(QStringLiteral("| C Am | F G7 | Q7 |"));
    EXPECT_TRUE(dock->isVisible());
    ASSERT_EQ(chords().size(), 4U);
    EXPECT_EQ(dock->chords()->count(), 4);
    // The unreadable symbol is listed with its place.
    auto* problems = find<QLabel>("SongProblems");
    EXPECT_TRUE(problems->isVisible());
    EXPECT_TRUE(problems->text().contains(QStringLiteral("Line 1, column 17")))
        << problems->text().toStdString();
    // A click on a diagram strums it and chooses it for the tools.
    midi.takeLog();
    const QPoint second = dock->chords()->cellOrigin(1) + QPoint(50, 80);
    QTest::mouseClick(dock->chords(), Qt::LeftButton, {}, second);
    EXPECT_FALSE(midi.takeLog().empty());
    EXPECT_EQ(dock->selectedChord(), 1);
    EXPECT_EQ(find<QLabel>("SongChordLabel")->text(), QStringLiteral("2. Am"));
}

TEST_F(SongWindowTest, PinningFromTheAlternativesAndTypedFretsChangesTheModel) {
    typeSong(QStringLiteral("C Am F G"));
    auto* dock = find<SongPanel>("SongDock");
    dock->selectChord(2);
    auto* alternatives = find<QComboBox>("SongAlternatives");
    ASSERT_GT(alternatives->count(), 2);
    const int other = chords()[2].alternative == 1 ? 2 : 1;
    // The list is the chord's own, easiest first.
    EXPECT_EQ(alternatives->itemText(0).toStdString(),
              writeFretList(chords()[2].alternatives->result.voicingList[0].frets, {}));
    alternatives->setCurrentIndex(other);
    emit alternatives->activated(other);
    EXPECT_TRUE(chords()[2].pinned);
    EXPECT_EQ(chords()[2].alternative, other);
    EXPECT_EQ(alternatives->currentIndex(), other);
    EXPECT_TRUE(find<QPushButton>("SongUnpin")->isEnabled());
    click("SongUnpin");
    EXPECT_FALSE(chords()[2].pinned);

    dock->selectChord(0);
    auto* frets = find<QLineEdit>("SongFrets");
    frets->setText(QStringLiteral("x35553"));
    click("SongPin");
    EXPECT_TRUE(chords()[0].pinned);
    EXPECT_EQ(writeFretList(*chords()[0].fingering, {}), "x35553");
    frets->setText(QStringLiteral("not frets"));
    click("SongPin");
    EXPECT_EQ(writeFretList(*chords()[0].fingering, {}), "x35553"); // refused, kept
}

TEST_F(SongWindowTest, BothCapoSpinsSetTheCapoAndTheResultsSayIt) {
    auto* windowCapo = find<QSpinBox>("SpinCapo");
    auto* songCapo = find<QSpinBox>("SongCapo");
    auto* shapes = find<QCheckBox>("CheckBoxShapes");
    auto* caption = find<QLabel>("LabelCapoCaption");
    EXPECT_EQ(windowCapo->text(), QStringLiteral("None"));
    EXPECT_FALSE(shapes->isEnabled());
    EXPECT_TRUE(caption->text().isEmpty());
    typeSong(QStringLiteral("C Am"));

    windowCapo->setValue(3);
    EXPECT_EQ(model().search().capo, 3);
    EXPECT_EQ(songCapo->value(), 3);
    EXPECT_EQ(chords()[0].shape, "A");
    EXPECT_EQ(caption->text(), QString::fromStdString(model().capoCaption()));
    EXPECT_TRUE(caption->text().startsWith(QStringLiteral("Capo 3")));
    ASSERT_TRUE(shapes->isEnabled());
    shapes->click();
    EXPECT_TRUE(state().shapeNames);
    // The song panel's own toggle shows the same choice and sets it back.
    auto* songShapes = find<QCheckBox>("SongShapes");
    EXPECT_TRUE(songShapes->isChecked());
    songShapes->click();
    EXPECT_FALSE(state().shapeNames);
    EXPECT_FALSE(shapes->isChecked());
    songShapes->click();
    auto* dock = find<SongPanel>("SongDock");
    dock->selectChord(0);
    EXPECT_EQ(find<QLabel>("SongChordLabel")->text(), QStringLiteral("1. A"));

    songCapo->setValue(0);
    EXPECT_EQ(model().search().capo, 0);
    EXPECT_EQ(windowCapo->value(), 0);
    EXPECT_TRUE(caption->text().isEmpty());

    // The best capo for a flat key, applied from its button.
    typeSong(QStringLiteral("Eb Cm Ab Bb"));
    click("SongBestCapo");
    EXPECT_GT(model().search().capo, 0);
    EXPECT_EQ(windowCapo->value(), model().search().capo);
    // The offer is shown with its shapes.
    const QString offer = find<QLabel>("SongBestCapoOffer")->text();
    EXPECT_TRUE(offer == QStringLiteral("Best: Capo 3: C Am F G") ||
                offer == QStringLiteral("Best: Capo 1: D Bm G A"))
        << offer.toStdString();
}

TEST_F(SongWindowTest, PlayingRunsOnTheEventLoopAndStopsAtOnce) {
    typeSong(QStringLiteral("C Am F G7"));
    find<QSpinBox>("SongBpm")->setValue(300);
    find<QSpinBox>("SongBeats")->setValue(1); // a chord each 200 ms
    midi.takeLog();
    click("SongPlay");
    EXPECT_TRUE(model().songPlayer().playing());
    EXPECT_EQ(model().songPlayer().current(), 0);
    // The window keeps handling events while the song moves on: the loop turns many times
    // between two chords.
    int turns = 0;
    QElapsedTimer waited;
    waited.start();
    while (model().songPlayer().current() < 1 && waited.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        ++turns;
    }
    EXPECT_EQ(model().songPlayer().current(), 1);
    EXPECT_GT(turns, 5);
    EXPECT_TRUE(find<QToolButton>("SongStop")->isEnabled());
    click("SongStop");
    EXPECT_FALSE(model().songPlayer().playing());
    midi.takeLog();
    QTest::qWait(450);
    EXPECT_TRUE(midi.takeLog().empty()); // nothing after the stop
    EXPECT_FALSE(model().songPlayer().playing());

    // Played through, the song ends by itself.
    click("SongPlay");
    QTRY_VERIFY_WITH_TIMEOUT(!model().songPlayer().playing(), 5000);
}

TEST_F(SongWindowTest, TheSongGoesToTheSheetNamedWithItsCapo) {
    typeSong(QStringLiteral("| C Am | C Am |"));
    find<QSpinBox>("SpinCapo")->setValue(2);
    click("SongToSheet");
    const std::vector<SheetDiagram>& entries = form->sheetTools()->sheet().entries();
    // Each chord's fingering once, in the song's order: a repeat played the same way adds
    // nothing.
    std::vector<std::pair<std::string, Fretting>> distinct;
    for (const ArrangedChord& chord : chords()) {
        const std::pair<std::string, Fretting> entry{chord.symbol + " (capo 2)", *chord.fingering};
        if (std::find(distinct.begin(), distinct.end(), entry) == distinct.end())
            distinct.push_back(entry);
    }
    ASSERT_EQ(entries.size(), distinct.size());
    ASSERT_GE(entries.size(), 2U);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].name, distinct[i].first);
        EXPECT_EQ(entries[i].frets, distinct[i].second);
    }
    EXPECT_EQ(entries[0].name, "C (capo 2)");
}

TEST_F(SongWindowTest, TheSongIsExportedAtThePanelsTempoOrAMessageSaysWhyNot) {
    typeSong(QStringLiteral("| C Am | F G7 |"));
    find<QSpinBox>("SpinCapo")->setValue(3);
    find<QSpinBox>("SongBpm")->setValue(120);
    const QString folder = QDir::temp().filePath(
        QStringLiteral("tambrel-song-export-%1").arg(QCoreApplication::applicationPid()));
    QDir(folder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(folder));
    SongExports* exports = form->songExports();

    ASSERT_TRUE(exports->writeMidi(folder + QStringLiteral("/song.mid")));
    QFile midi(folder + QStringLiteral("/song.mid"));
    ASSERT_TRUE(midi.open(QIODevice::ReadOnly));
    const QByteArray bytes = midi.readAll();
    // 120 BPM is 500000 microseconds a beat; the nylon guitar the window names at first.
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("ff510307a120")));
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("c018")));

    ASSERT_TRUE(exports->writeMusicXml(folder + QStringLiteral("/song.musicxml")));
    QFile xml(folder + QStringLiteral("/song.musicxml"));
    ASSERT_TRUE(xml.open(QIODevice::ReadOnly));
    const QByteArray sheet = xml.readAll();
    EXPECT_TRUE(sheet.contains("<capo>3</capo>"));
    EXPECT_EQ(sheet.count("<harmony>"), 4);

    // A place that cannot be written: a message box, and nothing left there.
    const QString nowhere = folder + QStringLiteral("/missing/song.mid");
    std::string box;
    whileModal([&] { EXPECT_FALSE(exports->writeMidi(nowhere)); },
               [&](QWidget* modal) {
                   box = modal->objectName().toStdString();
                   qobject_cast<QDialog*>(modal)->reject();
                   return true;
               });
    EXPECT_EQ(box, "SongExportFailed");
    EXPECT_FALSE(QFile::exists(nowhere));
    QDir(folder).removeRecursively();
}

} // namespace
} // namespace tambrel::testing
