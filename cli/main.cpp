// tambrel-cli: the chord dictionary in a terminal, and the headless session of the window.
#include "main_window_model.h"
#include "note_names.h"
#include "script_session.h"
#include "text_diagram.h"
#include "text_encoding.h"
#include "tunings.h"
#include "voicing_search.h"

#include <CLI/CLI.hpp>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

using namespace tambrel;

constexpr int kUsageError = 2;

int terminalWidth() {
    winsize size{};
    if (isatty(STDOUT_FILENO) && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    if (const char* columns = std::getenv("COLUMNS")) {
        const int width = std::atoi(columns);
        if (width > 0) return width;
    }
    return 80;
}

int runScript() {
    ScriptSession session;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (auto output = session.execute(line)) std::cout << *output << '\n';
    }
    std::cout.flush();
    return session.hadError() ? 1 : 0;
}

// A tuning as a preset's caption ("Drop D", "Open G") or six note names from the lowest string.
bool readTuning(const std::string& text, StringNotes& notes, int& preset) {
    preset = tuningPresetByCaption(utf8ToCp1252(text));
    if (preset >= 0) {
        notes = tuningPresets()[preset].notes;
        return true;
    }
    std::istringstream in(text);
    std::string name;
    int count = 0;
    while (in >> name) {
        const int pitch = noteIndexOf(name);
        if (pitch == kNoNote || count == kStringCount) return false;
        notes[count++] = pitch;
    }
    return count == kStringCount;
}

struct Options {
    std::string symbol;
    std::string intervals;
    std::string root;
    std::string bass;
    int upToFret = 12;
    int distance = 0; // 0: the window's choice (5, or 3 with easy chords)
    bool omit3 = false;
    bool omit5 = false;
    bool easy = false;
    bool noBarre = false;
    bool leftHand = false;
    std::string tuning;
    bool entries = false;
};

void printVoicings(const std::vector<std::string>& voicingList, const Options& options) {
    if (options.entries) {
        for (const std::string& entry : voicingList) std::cout << entry << '\n';
        return;
    }
    std::cout << "Results: founded " << voicingList.size() << "\n\n";
    std::vector<FretList> frets;
    for (const std::string& entry : voicingList) frets.push_back(fretListOfEntry(entry));
    std::cout << textDiagramRows(frets, options.leftHand, terminalWidth());
}

int fail(const std::string& message) {
    std::cerr << "tambrel-cli: " << message << '\n';
    return kUsageError;
}

// First form: a chord as an interval list on a root, searched directly.
int searchIntervals(const Options& options) {
    SearchInputs inputs;
    inputs.rootNote = noteIndexOf(options.root);
    if (inputs.rootNote == kNoNote) return fail("'" + options.root + "' is not a note name");
    inputs.bassNote = options.bass.empty() ? inputs.rootNote : noteIndexOf(options.bass);
    if (inputs.bassNote == kNoNote) return fail("'" + options.bass + "' is not a note name");
    int preset = -1;
    if (!options.tuning.empty() && !readTuning(options.tuning, inputs.stringNote, preset))
        return fail("'" + options.tuning + "' is neither a tuning preset nor six note names");
    inputs.maxFret = options.upToFret;
    inputs.distance = options.distance ? options.distance : (options.easy ? 3 : 5);
    inputs.omit3 = options.omit3;
    inputs.omit5 = options.omit5;
    inputs.easyChords = options.easy;
    inputs.noBarreChords = options.noBarre;
    try {
        const std::string request =
            buildSearchRequest(options.intervals, inputs.rootNote, inputs.bassNote);
        printVoicings(findVoicings(request, inputs).voicingList, options);
    } catch (const InvalidIntegerError& error) {
        return fail(error.what());
    }
    return 0;
}

// Second form: a typed chord symbol, read as the window's search button reads it.
int searchSymbol(const Options& options) {
    RecordingMidiSink silent;
    MainWindowModel window(silent, kSessionResultsWidth);
    StringNotes notes{};
    int preset = -1;
    if (!options.tuning.empty()) {
        if (!readTuning(options.tuning, notes, preset))
            return fail("'" + options.tuning + "' is neither a tuning preset nor six note names");
        if (preset >= 0)
            window.StandardTunning1Click(preset);
        else
            for (int s = 0; s < kStringCount; ++s) window.TrackBarChange(s + 1, notes[s]);
    }
    const auto fret = std::find(kFretItems.begin(), kFretItems.end(), options.upToFret);
    window.ComboBox1Change(static_cast<int>(fret - kFretItems.begin()));
    if (options.easy) window.CheckBoxNSIClick(true);
    if (options.distance) window.ComboBox2Change(options.distance - 2);
    if (options.noBarre) window.CheckBoxPestanasClick(true);
    if (options.leftHand) window.CheckBoxCanhotoClick(true);
    if (options.omit3) window.CheckBoxOmit3Click(true);
    if (options.omit5) window.CheckBoxOmit5Click(true);
    window.setSymbolText(utf8ToCp1252(options.symbol));
    window.SpeedButton2Click();

    if (!options.entries) {
        std::cout << cp1252ToUtf8(window.window().editAcorde) << "\n\n";
        for (const std::string& name : window.window().chordNames)
            std::cout << cp1252ToUtf8(name) << '\n';
        std::cout << '\n';
    }
    printVoicings(window.search().voicingList, options);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"tambrel-cli: every playable fingering of a chord on the six-string guitar.\n\n"
                 "  tambrel-cli SYMBOL [options]          a typed chord symbol, e.g. Cm7/G\n"
                 "  tambrel-cli --intervals \"00 04 07\" --root C [options]\n"
                 "  tambrel-cli --script                  the window's headless session:\n"
                 "                                        one command a line on standard input",
                 "tambrel-cli"};
    Options options;
    bool script = false;
    app.add_option("symbol", options.symbol,
                   "Chord symbol as typed in the window's symbol box (root, tensions, /bass)");
    app.add_option(
        "--intervals", options.intervals,
        "Chord formula: semitones above the root, two digits each, e.g. \"00 04 07 10\"");
    app.add_option("--root", options.root, "Root note with --intervals: C, C#, Db, ... B");
    app.add_option("--bass", options.bass, "Bass note for a slash chord (default: the root)");
    app.add_option("--up-to-fret", options.upToFret, "Highest fret for the bass: 6, 12, 18 or 24")
        ->check(CLI::IsMember({6, 12, 18, 24}));
    app.add_option("--distance", options.distance,
                   "Finger stretch: fretted notes span fewer frets than this, 2..5 (default 5, "
                   "or 3 with --easy)")
        ->check(CLI::Range(2, 5));
    app.add_flag("--omit3", options.omit3, "Leave out the chord's third");
    app.add_flag("--omit5", options.omit5, "Leave out the chord's fifth");
    app.add_flag("--easy", options.easy, "Easy chords: mute only the two lowest strings");
    app.add_flag("--no-barre", options.noBarre, "No barre chords");
    app.add_flag("--left-hand", options.leftHand, "Draw the diagrams for left-handed players");
    app.add_option("--tuning", options.tuning,
                   "A tuning preset (\"Drop D\", \"Open G\", ...) or six note names from the "
                   "lowest string (\"D A D G B E\"); default standard tuning");
    app.add_flag("--entries", options.entries,
                 "Print only the voicing entries as the search stores them, one a line");
    app.add_flag("--script", script, "Run the headless session on standard input");
    app.footer("Presets: Standard Tunning, Open E, Open A, Lute Tunning, Blues Tunning, Rain Song, "
               "Open D, Drop D, Open G, C 6th, G Minor Tunning, Dorvane.\n"
               "Output: the count, then each fingering as a diagram: X muted, O open, the base "
               "fret beside the first row, finger numbers 1-4, a barre as 1-1-1.");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return kUsageError;
    }

    if (script) return runScript();
    if (!options.symbol.empty() && !options.intervals.empty())
        return fail("give either a chord symbol or --intervals, not both");
    if (!options.intervals.empty() || !options.root.empty()) {
        if (options.intervals.empty()) return fail("--root needs --intervals");
        if (options.root.empty()) return fail("--intervals needs --root");
        return searchIntervals(options);
    }
    if (!options.bass.empty())
        return fail("--bass goes with --intervals; type the bass in the symbol (C/E)");
    if (options.symbol.empty())
        return fail("give a chord symbol, --intervals with --root, or --script (see --help)");
    return searchSymbol(options);
}
