#include "cli/sheet_command.h"

#include "music/note_names.h"
#include "music/text_encoding.h"
#include "window/chord_sheet.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <sstream>

namespace tambrel {

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The diagrams of a typed symbol's fingerings, named and labelled as the window's sheet does
// it; the notice of what its standard reading left out is said, as the dictionary says it.
SheetDiagrams diagramsOfSymbol(const ChordQuery& options, const std::string& symbol) {
    const SymbolSearch found = searchTypedSymbol(symbol, options);
    if (!found.notice.empty()) std::cerr << "tambrel-cli: " << found.notice << '\n';
    const SymbolLookup& chord = found.chord;
    const std::vector<int>& tones = found.found.result.chordTones;
    const DiagramNotes notes =
        diagramNotesFor(tuningUnderCapo(options.inputs.stringNote, options.inputs.capo),
                        chord.rootNote, tones, chord.rootFlats);
    const std::string name = sheetNameOfSymbol(
        tones, chord.rootNote, chord.bassNote, found.rootNames,
        chord.rootName.bytes() + chord.chordSuffix.bytes() + chord.bassSuffix.bytes());
    SheetDiagrams sheet;
    for (const Voicing& voicing : found.found.result.voicingList)
        sheet.diagrams.push_back({voicing.frets, notes, name});
    return sheet;
}

SheetDiagrams sheetOfSymbols(const ChordQuery& options, const std::string& symbols) {
    SheetDiagrams sheet;
    std::istringstream words(symbols);
    std::string symbol;
    while (words >> symbol) {
        const SheetDiagrams chord = diagramsOfSymbol(options, symbol);
        if (chord.diagrams.empty()) {
            sheet.problem = "'" + symbol + "' has no fingering under these options";
            return sheet;
        }
        sheet.diagrams.push_back(chord.diagrams.front());
    }
    if (sheet.diagrams.empty()) sheet.problem = "--sheet names no chord";
    sheet.title = "Chord sheet";
    if (options.inputs.capo > 0)
        sheet.title += " \u2014 Capo " + std::to_string(options.inputs.capo);
    return sheet;
}

// The first form: the interval list on the root, searched as the dictionary searches it.
SheetDiagrams diagramsOfIntervals(const DictionaryOptions& options, ChordQuery query) {
    SheetDiagrams sheet;
    const int root = noteIndexOf(options.root);
    const int bass = options.bass.empty() ? root : noteIndexOf(options.bass);
    if (root == kNoNote || bass == kNoNote) {
        sheet.problem =
            "'" + (root == kNoNote ? options.root : options.bass) + "' is not a note name";
        return sheet;
    }
    query.inputs.rootNote = root;
    query.inputs.bassNote = bass;
    SearchResult result;
    try {
        result = findVoicings(queryOfIntervals(options.intervals, query.inputs));
    } catch (const InvalidIntegerError& error) {
        sheet.problem = error.what();
        return sheet;
    }
    const bool flatNames = options.root.find('b') != std::string::npos;
    const DiagramNotes notes =
        diagramNotesFor(tuningUnderCapo(query.inputs.stringNote, query.inputs.capo), root,
                        result.chordTones, flatNames);
    NoteNames names = noteNames();
    if (flatNames) applyFlatNames(names);
    const std::string name =
        sheetNameOfTones(result.chordTones, root, bass, names, trimBlanks(options.intervals));
    for (const Voicing& voicing : result.voicingList)
        sheet.diagrams.push_back({voicing.frets, notes, name});
    return sheet;
}

} // namespace

void addSheetOptions(CLI::App& app, SheetFileOptions& files) {
    // Any of these options makes the program write files.
    const auto sheetOption = [&files](CLI::Option* option) {
        option->each([&files](const std::string&) { files.anyGiven = true; })
            ->group("Chord sheets (files)");
        return option;
    };
    sheetOption(app.add_option("--svg", files.svg,
                               "Write the diagrams to FILE as SVG, each a titled group"));
    sheetOption(app.add_option(
        "--pdf", files.pdf,
        "Write the diagrams to FILE as PDF: rows of diagrams, a title, page numbers"));
    sheetOption(
        app.add_option("--png", files.png, "Write the diagrams to FILE as one PNG picture"));
    sheetOption(app.add_option("--scale", files.scale,
                               "PNG pixels per pixel of the window's diagrams, 1..8"))
        ->check(CLI::Range(1, kMaxPngScale));
    sheetOption(app.add_option("--first", files.first, "Write only the first N diagrams"))
        ->check(CLI::PositiveNumber);
    sheetOption(
        app.add_option("--sheet", files.sheet,
                       "One sheet of the first diagram of each chord symbol: \"C Am F G7\""));
    sheetOption(app.add_option("--per-row", files.perRow, "Diagrams in a row, 1..12 (default 4)"))
        ->check(CLI::Range(1, kMaxPerRow));
    sheetOption(app.add_option("--paper", files.paper, "PDF paper: A4 (default) or Letter"));
    sheetOption(app.add_option("--labels", files.labels,
                               "What the dots show: fingers (default), notes or intervals"));
    sheetOption(app.add_option("--title", files.title,
                               "Title above the diagrams (default: the chord and its count, or "
                               "\"Chord sheet\"); \"\" for none"))
        ->each([&files](const std::string&) { files.titleGiven = true; });
}

SheetDiagrams sheetDiagramsFor(const DictionaryOptions& options, const SheetFileOptions& files) {
    SheetDiagrams sheet;
    ChordQuery query;
    if (auto problem = readSearchOptions(options, query)) {
        sheet.problem = *problem;
        return sheet;
    }
    if (!files.sheet.empty()) return sheetOfSymbols(query, files.sheet);
    sheet = options.intervals.empty() ? diagramsOfSymbol(query, options.symbol)
                                      : diagramsOfIntervals(options, query);
    if (!sheet.problem.empty()) return sheet;
    if (sheet.diagrams.empty()) {
        sheet.problem = "the chord has no fingering under these options: nothing to write";
        return sheet;
    }
    if (files.first > 0 && static_cast<std::size_t>(files.first) < sheet.diagrams.size())
        sheet.diagrams.resize(files.first);
    sheet.title = sheet.diagrams.front().name + " \u2014 " + std::to_string(sheet.diagrams.size()) +
                  " fingerings";
    // Frets counted from a capo read wrongly without it.
    if (query.inputs.capo > 0) sheet.title += " \u2014 Capo " + std::to_string(query.inputs.capo);
    return sheet;
}

int exportDiagrams(const DictionaryOptions& options, const SheetFileOptions& files) {
    if (files.svg.empty() && files.pdf.empty() && files.png.empty())
        return fail("a chord sheet needs a file to write: --svg, --pdf or --png");
    if (!files.sheet.empty() && (!options.symbol.empty() || !options.intervals.empty()))
        return fail("give either --sheet or a chord, not both");
    if (!files.sheet.empty() && files.first > 0)
        return fail("--first goes with a chord's diagrams; --sheet takes one of each chord");
    if (files.sheet.empty()) {
        if (!options.symbol.empty() && !options.intervals.empty())
            return fail("give either a chord symbol or --intervals, not both");
        if (options.intervals.empty() && !options.root.empty())
            return fail("--root needs --intervals");
        if (!options.intervals.empty() && options.root.empty())
            return fail("--intervals needs --root");
        if (options.symbol.empty() && options.intervals.empty())
            return fail("give a chord symbol, --intervals with --root, or --sheet to write");
    }
    if (!options.bass.empty() && options.intervals.empty())
        return fail("--bass goes with --intervals; type the bass in the symbol (C/E)");

    SheetExportOptions base;
    const std::optional<DotLabels> labels = dotLabelsOfWord(lower(files.labels));
    if (!labels) return fail("--labels is fingers, notes or intervals, not '" + files.labels + "'");
    base.labels = *labels;
    const std::string paper = lower(files.paper);
    if (paper != "a4" && paper != "letter")
        return fail("--paper is A4 or Letter, not '" + files.paper + "'");
    base.paper = paper == "letter" ? PaperSize::Letter : PaperSize::A4;
    base.perRow = files.perRow;
    base.pngScale = files.scale;
    base.leftHanded = options.leftHand;

    const SheetDiagrams sheet = sheetDiagramsFor(options, files);
    if (!sheet.problem.empty()) return fail(sheet.problem);
    base.title = files.titleGiven ? files.title : sheet.title;
    return writeSheetFiles(sheet.diagrams, files, base);
}

} // namespace tambrel
