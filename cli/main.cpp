// tambrel-cli: the chord dictionary in a terminal, and the headless session of the window.
#include "cli/dictionary.h"
#include "cli/sheet_command.h"
#include "cli/song_command.h"
#include "cli/song_export_command.h"
#include "session/script_session.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace {

using namespace tambrel;

int runScript() {
    ScriptSession session;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (auto output = session.execute(line)) std::cout << *output << '\n';
    }
    std::cout.flush();
    return session.hadError() ? 1 : 0;
}

int runCli(int argc, char** argv) {
    CLI::App app{"tambrel-cli: every playable fingering of a chord on the six-string guitar.\n\n"
                 "  tambrel-cli SYMBOL [options]          a typed chord symbol, e.g. Cm7/G\n"
                 "  tambrel-cli --intervals \"00 04 07\" --root C [options]\n"
                 "  tambrel-cli --name x32010 [--tuning T] what a fingering reads as\n"
                 "  tambrel-cli --script                  the window's headless session:\n"
                 "                                        one command a line on standard input\n"
                 "  tambrel-cli SYMBOL --pdf FILE         the diagrams to a file (also --svg,\n"
                 "                                        --png, and with --intervals)\n"
                 "  tambrel-cli --sheet \"C Am F G7\" --pdf FILE\n"
                 "                                        the first diagram of each chord\n"
                 "  tambrel-cli --song \"| C Am | F G7 |\" [--capo N|best] [--transpose N]\n"
                 "                                        one fingering a chord, flowing\n"
                 "  tambrel-cli --song \"C Am F G\" --musicxml FILE --midi FILE [--bpm N]\n"
                 "                                        the song as a lead sheet, as played\n"
                 "  tambrel-cli --song FILE [--chordpro OUT.cho]\n"
                 "                                        a lead sheet or ChordPro file; the\n"
                 "                                        song written back as ChordPro",
                 "tambrel-cli"};
    DictionaryOptions options;
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
                   "A tuning preset in any letter case (\"Drop D\", \"open g\", \"standard\", ...) "
                   "or six note names from the lowest string (\"D A D G B E\"); default standard "
                   "tuning");
    app.add_flag("--entries", options.entries,
                 "Print only the voicing entries as the search stores them, one a line");
    const CLI::Option* nameOption =
        app.add_option("--name", options.frets,
                       "Name a fingering: six frets or x, low string first (\"x32010\", "
                       "\"x 10 12 12 11 10\"), under --tuning");
    app.add_flag("--readings", options.readingsOnly,
                 "With --name: only the readings, one a line, best first");
    app.add_option("--order", options.order,
                   "Order of the fingerings: position (the search's own, default) or easiest "
                   "(easiest to play first)")
        ->check(CLI::IsMember({"position", "easiest"}));
    app.add_flag("--common", options.common,
                 "Common voicings: also the fingerings that leave out the tones guitarists "
                 "leave out (the fifth; in 11th and 13th chords also the 3rd, 9th or 11th)");
    app.add_flag("--explain", options.explain,
                 "Say how easy each fingering is to play, and why (its score and its parts)");
    app.add_flag("--script", script, "Run the headless session on standard input");
    SongOptions song;
    const CLI::Option* songOption = app.add_option(
        "--song", song.text,
        "A song: chord symbols in order as a lead sheet writes them, bars \"|\" and \"%\" (the "
        "bar before again) allowed; prints one fingering a chord, chosen so that they flow. "
        "A file's name reads the file: a lead sheet or ChordPro (its capo, transposition and "
        "own fingerings hold)");
    app.add_option("--capo", song.capo,
                   "Capo at fret 0..11: frets are counted from it; with --song also \"best\" "
                   "(the capo 0..7 under which the song is easiest)");
    app.add_option("--transpose", song.transpose,
                   "With --song: semitones up (negative: down), spelled for the new key");
    app.add_flag("--shapes", song.shapes,
                 "With --song and a capo: name the chords the fingers play, not those that sound");
    app.add_option("--chordpro", song.chordPro,
                   "With --song: also write the song to this file as ChordPro, a define of its "
                   "fingering for each chord and the capo");
    app.add_flag("--no-fingers", song.noFingers,
                 "With --chordpro: defines without finger numbers, as ChordPro 4 readers (chordii) "
                 "require");
    SheetFileOptions files;
    addSheetOptions(app, files);
    SongExportOptions songFiles;
    addSongExportOptions(app, songFiles);
    app.footer("Presets: Standard Tunning, Open E, Open A, Lute Tunning, Blues Tunning, Rain Song, "
               "Open D, Drop D, Open G, C 6th, G Minor Tunning, Dorvane.\n"
               "Output: the count, the chord's names, then each fingering as a diagram: X muted, O "
               "open, the base fret beside the first row, finger numbers 1-4, a barre as 1-1-1. "
               "With --explain "
               "(or --common), a numbered line for each fingering follows; with --entries it "
               "follows the entry behind \"  # \".\n"
               "The session's commands for the same: order position|easiest, common on|off, and "
               "explain (prints {\"explain\": [...]}, one text per diagram).\n"
               "With --svg, --pdf or --png the diagrams go to the files and nothing is printed; "
               "a file is written whole or not at all (exit status 1 when it cannot be).\n"
               "Exit status: 0 when the chord was read (also when nothing is found), 1 for a "
               "symbol of which nothing could be read, 2 for unreadable arguments.");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return kUsageError;
    }

    if (script) return runScript();
    if (songOption->count() > 0) {
        if (!options.symbol.empty() || !options.intervals.empty())
            return fail("give --song alone, not with a chord symbol or --intervals");
        if (songFiles.wanted() && !song.chordPro.empty())
            return fail("write --chordpro in a run of its own, apart from --musicxml and --midi");
        if (songFiles.wanted()) return exportSong(options, song, songFiles);
        return printSong(options, song);
    }
    if (song.transpose != 0 || song.shapes) return fail("--transpose and --shapes go with --song");
    if (songFiles.wanted()) return fail("--musicxml and --midi go with --song");
    if (!song.chordPro.empty() || song.noFingers) return fail("--chordpro goes with --song");
    if (!song.capo.empty()) {
        if (const auto problem = readCapo(song.capo, options.capo)) return fail(*problem);
        if (options.capo < 0) return fail("--capo best goes with --song");
    }
    if (nameOption->count() > 0 || options.readingsOnly) {
        if (nameOption->count() == 0) return fail("--readings goes with --name");
        if (!options.symbol.empty() || !options.intervals.empty())
            return fail("give --name alone, not with a chord symbol or --intervals");
        return nameFrets(options);
    }
    if (files.wanted()) return exportDiagrams(options, files);
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

} // namespace

int main(int argc, char** argv) {
    // Whatever escapes the program's own checks (memory running out, an output that fails) is
    // said, not left to abort the program.
    try {
        return runCli(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "tambrel-cli: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "tambrel-cli: unexpected failure\n";
    }
    return 1;
}
