#pragma once
// The chord sheet: fingerings the user collects from the results, each with its name, to
// export, print or copy. It lives for the run, like everything else of the window. Plain C++:
// the desktop window's sheet panel and the terminal's --sheet both fill this one sheet.
#include "display/dot_labels.h"
#include "display/sheet_layout.h"
#include "window/main_window_model.h"

#include <optional>
#include <string>
#include <vector>

namespace tambrel {

class ChordSheet {
  public:
    const std::vector<SheetDiagram>& entries() const { return entries_; }
    int size() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }

    void add(SheetDiagram entry);
    void add(const std::vector<SheetDiagram>& entries);
    // Each returns whether the sheet changed; an index outside the sheet changes nothing.
    // A name is UTF-8; control characters become blanks and blanks at the ends go.
    bool rename(int index, const std::string& name);
    bool remove(int index);
    // Moves the entry at `from` so that it stands at `to` afterwards.
    bool move(int from, int to);
    void clear() { entries_.clear(); }

  private:
    std::vector<SheetDiagram> entries_;
};

// The name a diagram of the current results gets on a sheet (UTF-8): the plain standard name
// of the chord searched ("Cm7b5", "C/E"). With sheetNameOfTones, the one place where that
// choice is made.
std::string sheetNameOf(const MainWindowModel& window);

// The same for a chord searched from a symbol: its plain name, else the symbol as the program
// writes it (single-byte `symbol`).
std::string sheetNameOfSymbol(const std::vector<int>& chordTones, int rootNote, int bassNote,
                              const NoteNames& names, const SingleByteText& symbol);

// The same for a chord given by its tones alone (the terminal's interval lists); the root's
// name and the intervals where the chord has no plain name.
std::string sheetNameOfTones(const std::vector<int>& chordTones, int rootNote, int bassNote,
                             const NoteNames& names, const std::string& intervals);

// What the diagrams of the current results need to label their notes: the tuning searched,
// the chord's root and tones, and the root grid's sharps or flats.
DiagramNotes diagramNotesOf(const MainWindowModel& window);
DiagramNotes diagramNotesFor(const StringNotes& tuning, int rootNote,
                             const std::vector<int>& chordTones, bool flatNames);

// Diagram `index` of the current results as a sheet entry; none outside the results.
std::optional<SheetDiagram> resultSheetDiagram(const MainWindowModel& window, int index);
// The diagram the user selected, that is the one drawn highlighted; none after a search.
std::optional<SheetDiagram> selectedSheetDiagram(const MainWindowModel& window);
// Every diagram of the current results, in display order.
std::vector<SheetDiagram> resultSheetDiagrams(const MainWindowModel& window);

// The song's chords with their chosen fingerings, named as the song panel names them, and
// under a capo with it: "C (capo 3)". A chord that comes again with the same fingering is
// given once; chords without a fingering are left out.
std::vector<SheetDiagram> songSheetDiagrams(const MainWindowModel& window);

} // namespace tambrel
