// How long the sheet writers take for the largest result, on Qt's offscreen platform: every
// diagram of A7/11 over E at "Up to fret" 24 (2066 voicings), to PDF, SVG and PNG.
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

#include "display/sheet_export.h"
#include "sound/recording_midi_sink.h"
#include "window/chord_sheet.h"

namespace {

using namespace tambrel;

constexpr int kMostVoicings = 2066;

std::vector<SheetDiagram> largestResult() {
    RecordingMidiSink silent;
    MainWindowModel window(silent, 644);
    window.ComboBox1Change(3); // "Up to fret" 24
    window.StringGridAcordeSelectCell(9);
    window.chooseBass(4);
    window.SpeedButton8Click(); // "mod2"
    window.chooseChordType(18); // "7/11"
    return resultSheetDiagrams(window);
}

void exportLargest(benchmark::State& state, SheetFormat format, int perRow) {
    const std::vector<SheetDiagram> diagrams = largestResult();
    if (diagrams.size() != kMostVoicings) {
        state.SkipWithError("not the largest result");
        return;
    }
    QTemporaryDir folder;
    SheetExportOptions options;
    options.format = format;
    options.perRow = perRow;
    options.pngScale = 1;
    options.title = "A7/11/E \u2014 2066 fingerings";
    const std::string path = folder
                                 .filePath(QStringLiteral("largest.") +
                                           QString::fromStdString(sheetFormatSuffix(format)))
                                 .toStdString();
    for (auto _ : state) {
        const SheetExportResult result = exportSheet(diagrams, options, path);
        if (!result.written()) {
            state.SkipWithError(result.message.c_str());
            break;
        }
    }
    state.counters["diagrams"] = kMostVoicings;
}

void BM_LargestResultToPdf(benchmark::State& state) {
    exportLargest(state, SheetFormat::Pdf, 4);
}
BENCHMARK(BM_LargestResultToPdf)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

void BM_LargestResultToSvg(benchmark::State& state) {
    exportLargest(state, SheetFormat::Svg, 4);
}
BENCHMARK(BM_LargestResultToSvg)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

void BM_LargestResultToPng(benchmark::State& state) {
    exportLargest(state, SheetFormat::Png, 12);
}
BENCHMARK(BM_LargestResultToPng)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
