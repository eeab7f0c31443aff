#pragma once
// The terminal's chord sheets: the diagrams of a chord, or the first diagram of each of
// several chords, written to SVG, PDF or PNG files by the same writers as the window's.
#include "cli/dictionary.h"
#include "display/sheet_export.h"

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace tambrel {

struct SheetFileOptions {
    std::string svg;
    std::string pdf;
    std::string png;
    int scale = 2;
    int first = 0;     // 0: every diagram
    std::string sheet; // chord symbols separated by blanks: "C Am F G7"
    int perRow = 4;
    std::string paper = "A4";
    std::string labels = "fingers";
    std::string title;
    bool titleGiven = false;
    bool anyGiven = false; // any of these options

    // Whether any option of these was given: then the program writes files, and prints nothing.
    bool wanted() const { return anyGiven; }
};

// Registers --svg, --pdf, --png, --scale, --first, --sheet, --per-row, --paper, --labels and
// --title on the command line.
void addSheetOptions(CLI::App& app, SheetFileOptions& files);

// The diagrams the options name, each with its name: the chord's (the first `files.first` of
// them when given), or the first diagram of each symbol of `files.sheet`. A message instead
// when there is nothing to write.
struct SheetDiagrams {
    std::vector<SheetDiagram> diagrams;
    std::string title;
    std::string problem;
};
SheetDiagrams sheetDiagramsFor(const DictionaryOptions& options, const SheetFileOptions& files);

// Writes the diagrams to each file given. Returns the exit status: 0, kUsageError for options
// that cannot be read, 1 when a file cannot be written (told on standard error; nothing is
// left of that file).
int exportDiagrams(const DictionaryOptions& options, const SheetFileOptions& files);

// Writes to the files through Qt (sheet_files.cpp), or says that this build cannot.
int writeSheetFiles(const std::vector<SheetDiagram>& diagrams, const SheetFileOptions& files,
                    const SheetExportOptions& base);

} // namespace tambrel
