// How fast the desktop window answers and starts, and how much memory a large result takes,
// measured on Qt's offscreen platform.
//
// The chord with the most voicings at "Up to fret" 24 is A7/11 over E (2066 voicings): the
// chord-type row "7/11" on root A with bass E, or "7" and "sus4" ticked in the tension list.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "app/Unit1.h"
#include "app/application.h"
#include "app/entry_widgets.h"
#include "app/midi_output.h"
#include "display/results_canvas.h"
#include "tests/app/paint_counter.h"

namespace {

using tambrel::PaintCounter;

constexpr int kMostVoicings = 2066;

// Handles queued events until `counter` has seen a paint after `before`.
bool waitForPaint(const PaintCounter& counter, int before) {
    for (int i = 0; i < 1000 && counter.paints == before; ++i) QCoreApplication::processEvents();
    return counter.paints != before;
}

// A shown window of 1280 x 800, driven through its widgets as a user drives it.
class Window {
  public:
    Window() : midi_(tambrel::openMidiOutput()), form_(std::make_unique<TForm1>(*midi_)) {
        form_->resize(1280, 800);
        form_->show();
        (void)QTest::qWaitForWindowExposed(form_.get());
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }

    TForm1& form() { return *form_; }
    template <typename Widget> Widget* find(const char* name) {
        return form_->findChild<Widget*>(QString::fromLatin1(name));
    }

    void pressRow(const char* grid, int row) {
        auto* table = find<tambrel::PickGrid>(grid);
        table->scrollToItem(table->item(row, 0));
        const QPoint at = table->visualItemRect(table->item(row, 0)).center();
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, at);
    }

    void clickTension(int item) {
        auto* list = find<tambrel::TensionList>("CheckListBox1");
        list->scrollToItem(list->item(item));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(item)).center());
    }

    void click(const char* button) {
        QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton);
    }

    // "Up to fret" 24, root A, bass E.
    void chooseFret24OverAE() {
        auto* frets = find<QComboBox>("ComboBox1");
        frets->setFocus();
        while (frets->currentIndex() < 3) QTest::keyClick(frets, Qt::Key_Down);
        pressRow("StringGridAcorde", 9);
        pressRow("StringGridBaixo", 4);
    }

    std::size_t voicings() const { return form_->model().search().voicingList.size(); }

  private:
    std::unique_ptr<tambrel::MidiOutput> midi_;
    std::unique_ptr<TForm1> form_;
};

// A tension click that turns A7/E into A7/sus4/E, to the painted results.
void BM_TensionClickToPaintedWindow(benchmark::State& state) {
    Window window;
    window.chooseFret24OverAE();
    window.clickTension(15); // "7"
    PaintCounter canvas(window.find<QWidget>("Image1"));
    for (auto _ : state) {
        const int before = canvas.paints;
        QElapsedTimer timer;
        timer.start();
        window.clickTension(48); // "sus4"
        const bool painted = waitForPaint(canvas, before);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        if (!painted || window.voicings() != kMostVoicings) {
            state.SkipWithError("the click did not paint the largest result");
            break;
        }
        window.clickTension(48); // back to A7/E, not timed
        waitForPaint(canvas, canvas.paints);
    }
    state.counters["voicings"] = kMostVoicings;
}
BENCHMARK(BM_TensionClickToPaintedWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// "Left-hand chords" on and off over the largest result: every visible diagram is redrawn.
void BM_OptionChangeToPaintedWindow(benchmark::State& state) {
    Window window;
    window.chooseFret24OverAE();
    window.click("SpeedButton8");       // "mod2"
    window.pressRow("StringGrid1", 18); // "7/11"
    if (window.voicings() != kMostVoicings) {
        state.SkipWithError("not the largest result");
        return;
    }
    PaintCounter canvas(window.find<QWidget>("Image1"));
    for (auto _ : state) {
        const int before = canvas.paints;
        QElapsedTimer timer;
        timer.start();
        window.click("CheckBoxCanhoto");
        const bool painted = waitForPaint(canvas, before);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        if (!painted) {
            state.SkipWithError("the option change painted nothing");
            break;
        }
    }
    state.counters["voicings"] = static_cast<double>(window.voicings());
}
BENCHMARK(BM_OptionChangeToPaintedWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A click on a diagram of the largest result: highlight, text and neck.
void BM_DiagramClickToPaintedWindow(benchmark::State& state) {
    Window window;
    window.chooseFret24OverAE();
    window.click("SpeedButton8");
    window.pressRow("StringGrid1", 18);
    auto* canvasWidget = window.find<QWidget>("Image1");
    PaintCounter canvas(canvasWidget);
    int cell = 0;
    for (auto _ : state) {
        const int before = canvas.paints;
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(canvasWidget, Qt::LeftButton, {}, QPoint(50 + 100 * cell, 60));
        const bool painted = waitForPaint(canvas, before);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        if (!painted) {
            state.SkipWithError("the click painted nothing");
            break;
        }
        cell = (cell + 1) % 5;
    }
}
BENCHMARK(BM_DiagramClickToPaintedWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Creating and showing the window until its results are first painted, in a running
// application (fonts and style already loaded after the first iteration).
void BM_WindowCreationToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        auto midi = tambrel::openMidiOutput();
        auto form = std::make_unique<TForm1>(*midi);
        PaintCounter canvas(form->findChild<QWidget*>(QStringLiteral("Image1")));
        form->showMaximized();
        const bool painted = waitForPaint(canvas, 0);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        if (!painted) {
            state.SkipWithError("the window was not painted");
            break;
        }
    }
}
BENCHMARK(BM_WindowCreationToFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The whole start of a fresh process: the application, the window, the first search and
// the first paint. The child is this program in its start-up mode.
QString childProgram;

void BM_ProcessStartToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(childProgram, {QStringLiteral("--first-paint")});
        bool painted = false;
        while (child.waitForReadyRead(5000)) {
            if (child.readAll().contains("painted")) {
                painted = true;
                break;
            }
        }
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        child.waitForFinished(5000);
        if (!painted) {
            state.SkipWithError("the child did not report its first paint");
            break;
        }
    }
}
BENCHMARK(BM_ProcessStartToFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// Resident memory of a fresh process showing the largest result, every part of the canvas
// painted once by scrolling through it.
void BM_ResidentMemoryWithLargestResult(benchmark::State& state) {
    double residentMb = 0;
    double peakMb = 0;
    double voicings = 0;
    for (auto _ : state) {
        QProcess child;
        child.start(childProgram, {QStringLiteral("--memory")});
        child.waitForFinished(60000);
        const QList<QByteArray> numbers = child.readAllStandardOutput().trimmed().split(' ');
        if (numbers.size() != 3) {
            state.SkipWithError("the child did not report its memory");
            break;
        }
        voicings = numbers[0].toDouble();
        residentMb = numbers[1].toDouble() / 1024.0;
        peakMb = numbers[2].toDouble() / 1024.0;
    }
    state.counters["voicings"] = voicings;
    state.counters["resident_MB"] = residentMb;
    state.counters["peak_resident_MB"] = peakMb;
}
BENCHMARK(BM_ResidentMemoryWithLargestResult)->Iterations(1)->Unit(benchmark::kMillisecond);

// "VmRSS" or "VmHWM" of this process, in kB.
long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field) + 1));
    }
    return -1;
}

int firstPaintChild(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tambrel::initialiseApplication();
    auto midi = tambrel::openMidiOutput();
    TForm1 form(*midi);
    PaintCounter canvas(form.findChild<QWidget*>(QStringLiteral("Image1")));
    form.showMaximized();
    if (!waitForPaint(canvas, 0)) return 1;
    std::printf("painted\n");
    std::fflush(stdout);
    return 0;
}

int memoryChild(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tambrel::initialiseApplication();
    Window window;
    window.chooseFret24OverAE();
    window.click("SpeedButton8");
    window.pressRow("StringGrid1", 18);
    auto* scroll = window.find<QScrollArea>("ScrollBoxViolao")->verticalScrollBar();
    for (int at = 0; at <= scroll->maximum(); at += scroll->pageStep()) {
        scroll->setValue(at);
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }
    window.click("CheckBoxCanhoto");
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    std::printf("%zu %ld %ld\n", window.voicings(), statusKb("VmRSS:"), statusKb("VmHWM:"));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], "--first-paint") == 0) return firstPaintChild(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--memory") == 0) return memoryChild(argc, argv);

    QApplication application(argc, argv);
    tambrel::initialiseApplication();
    childProgram = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
