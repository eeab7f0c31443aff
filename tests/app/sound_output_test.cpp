// The window's MIDI output: the strum after the picture, the choice of device, and the
// program's own output on a machine without sound.
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <chrono>
#include <functional>

#include "tests/app/paint_counter.h"
#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

// Notes what the window shows at the moment the first note of a strum arrives.
class WitnessSink : public MidiSink {
  public:
    std::function<void()> onFirstNote;
    std::vector<std::string> log;

    void shortMessage(std::uint32_t message) override {
        if ((message & 0xF0) == 0x90 && !noteSeen_) {
            noteSeen_ = true;
            if (onFirstNote) onFirstNote();
        }
        recording_.shortMessage(message);
    }
    void setVolume(std::uint32_t volume) override { recording_.setVolume(volume); }
    void pause(int milliseconds) override { recording_.pause(milliseconds); }
    std::vector<std::string> takeLog() { return recording_.takeLog(); }

  private:
    bool noteSeen_ = false;
    RecordingMidiSink recording_;
};

TEST(SoundOutput, TheChordIsPaintedSelectedBeforeItsFirstNote) {
    WitnessSink sink;
    TForm1 form(sink);
    form.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (int i = 0; i < 3; ++i) QApplication::processEvents();

    auto* canvas = form.findChild<ResultsCanvas*>(QStringLiteral("Image1"));
    auto* formation = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    PaintCounter painted(canvas);
    bool highlightedAtFirstNote = false;
    int paintsAtFirstNote = -1;
    QString formationAtFirstNote;
    sink.onFirstNote = [&] {
        highlightedAtFirstNote = canvas->isHighlighted(0);
        paintsAtFirstNote = painted.paints;
        formationAtFirstNote = formation->text();
    };
    sink.takeLog();
    QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->cellRect(0).center());

    EXPECT_TRUE(highlightedAtFirstNote);
    EXPECT_GT(paintsAtFirstNote, 0);
    EXPECT_FALSE(formationAtFirstNote.isEmpty());
    EXPECT_EQ(formationAtFirstNote, shown(form.model().window().formation));
    // All of the strum went out, in order, once the window was painted.
    const std::vector<std::string> strum = sink.takeLog();
    ASSERT_FALSE(strum.empty());
    EXPECT_EQ(strum.back().rfind("pause ", 0), 0u);
}

// An output that offers two devices and notes which is chosen.
class TwoDeviceOutput : public MidiOutput {
  public:
    void shortMessage(std::uint32_t message) override { recording.shortMessage(message); }
    void setVolume(std::uint32_t volume) override { recording.setVolume(volume); }
    void pause(int milliseconds) override { recording.pause(milliseconds); }

    std::vector<std::string> deviceNames() const override { return names; }
    int selectedDevice() const override { return selected; }
    void selectDevice(int index) override {
        selected = index;
        chosen.push_back(index);
    }

    std::vector<std::string> names{"Built-in synthesiser", "Port A"};
    int selected = 0;
    std::vector<int> chosen;
    RecordingMidiSink recording;
};

std::vector<QString> itemTexts(const QMenu* menu) {
    std::vector<QString> texts;
    for (const QAction* action : menu->actions()) texts.push_back(action->text());
    return texts;
}

TEST(SoundOutput, FileMenuOffersTheDevicesBuiltInSynthesiserFirst) {
    TwoDeviceOutput output;
    TForm1 form(output);
    auto* file = form.findChild<QMenu*>(QStringLiteral("Arquivo1"));
    ASSERT_NE(file, nullptr);
    auto* devices = form.findChild<QMenu*>(QStringLiteral("MidiOutputMenu"));
    ASSERT_NE(devices, nullptr);

    // After the sheet's exports and printing, the song's files and its exports: "MIDI output",
    // a separator, then "&Close" as the last item, as before.
    const QList<QAction*> fileItems = file->actions();
    ASSERT_EQ(fileItems.size(), 13);
    EXPECT_EQ(fileItems[10]->menu(), devices);
    EXPECT_EQ(fileItems[10]->text(), QStringLiteral("MIDI output"));
    EXPECT_TRUE(fileItems[11]->isSeparator());
    EXPECT_EQ(fileItems[12]->text(), QStringLiteral("&Close"));

    EXPECT_EQ(itemTexts(devices), (std::vector<QString>{QStringLiteral("Built-in synthesiser"),
                                                        QStringLiteral("Port A")}));
    EXPECT_TRUE(devices->actions()[0]->isChecked());
    EXPECT_FALSE(devices->actions()[1]->isChecked());

    devices->actions()[1]->trigger();
    EXPECT_EQ(output.chosen, std::vector<int>{1});

    // A port plugged in meanwhile is offered the next time the menu opens, with the device in
    // use still checked.
    output.names.emplace_back("Port B");
    QMetaObject::invokeMethod(devices, "aboutToShow");
    ASSERT_EQ(devices->actions().size(), 3);
    EXPECT_EQ(devices->actions()[2]->text(), QStringLiteral("Port B"));
    EXPECT_FALSE(devices->actions()[0]->isChecked());
    EXPECT_TRUE(devices->actions()[1]->isChecked());
    devices->actions()[0]->trigger();
    EXPECT_EQ(output.chosen, (std::vector<int>{1, 0}));
}

TEST(SoundOutput, WithoutAChoiceTheFileMenuHasNoMidiOutput) {
    RecordingMidiSink sink;
    TForm1 form(sink);
    EXPECT_EQ(form.findChild<QMenu*>(QStringLiteral("MidiOutputMenu")), nullptr);
    auto* file = form.findChild<QMenu*>(QStringLiteral("Arquivo1"));
    // The sheet's exports and printing, a separator, the song's files, a separator, its
    // exports, a separator, and "&Close".
    ASSERT_EQ(file->actions().size(), 11);
    EXPECT_TRUE(file->actions()[3]->isSeparator());
    EXPECT_TRUE(file->actions()[6]->isSeparator());
    EXPECT_TRUE(file->actions()[9]->isSeparator());
    EXPECT_EQ(file->actions()[10]->text(), QStringLiteral("&Close"));
}

// The program's own output, on whatever this machine has (here: no audio device at all).
TEST(SoundOutput, ProgramStartsStrumsAndClosesWithItsOwnOutput) {
    using Clock = std::chrono::steady_clock;
    const auto opening = Clock::now();
    std::unique_ptr<MidiOutput> output = openMidiOutput();
    // The SoundFont loads in the background: opening never waits for it.
    EXPECT_LT(Clock::now() - opening, std::chrono::seconds(1));

    {
        TForm1 form(*output);
        form.showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
        auto* canvas = form.findChild<ResultsCanvas*>(QStringLiteral("Image1"));
        // Two strums in a row: the second queues behind the first, and neither holds up the
        // window.
        const auto clicking = Clock::now();
        QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->cellRect(0).center());
        QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->cellRect(1).center());
        // One strum alone lasts some 400 ms on the player.
        EXPECT_LT(Clock::now() - clicking, std::chrono::milliseconds(600));
        EXPECT_EQ(form.model().window().highlighted, std::vector<int>{1});

        bool ended = false;
        QTimer::singleShot(0, &form, [&] { form.close(); });
        QTimer::singleShot(5000, &form, [] { QApplication::exit(1); });
        ended = QApplication::exec() == 0;
        EXPECT_TRUE(ended);
    }
    // The player stops at once, strums still queued or not.
    const auto closing = Clock::now();
    output.reset();
    EXPECT_LT(Clock::now() - closing, std::chrono::seconds(2));
}

} // namespace
} // namespace tambrel::testing
