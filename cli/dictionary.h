#pragma once
// The chord dictionary in a terminal: a chord stated as a typed symbol or as an interval list on
// a root, read by the chord panel's own rules into a chord query, searched, and printed.
#include "music/plain_names.h"
#include "search/chord_query.h"
#include "search/voicing_choices.h"
#include "window/symbol_search.h"

#include <optional>
#include <string>

namespace tambrel {

constexpr int kUsageError = 2;
constexpr int kUnreadableSymbol = 1; // a typed symbol of which the lookup read nothing

struct DictionaryOptions {
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
    std::string frets;              // --name: a fret list to name
    bool readingsOnly = false;      // --readings: only the readings' symbols, one a line
    std::string order = "position"; // "position" or "easiest"
    bool common = false;            // "Common voicings"
    bool explain = false;           // each voicing's playability in words
    int capo = 0;                   // frets are counted from a capo here
};

// The search inputs and the order the options state, as the window's controls would state
// them after the same choices (no chord yet: root and bass are C); or the message for an
// option that cannot be read.
std::optional<std::string> readSearchOptions(const DictionaryOptions& options, ChordQuery& query);

// The query of the first form: the interval list on --root over --bass, checked, under the
// options; or the message for what cannot be read.
std::optional<std::string> queryOfArguments(const DictionaryOptions& options, ChordQuery& query);

// First form: the interval list on the root (and bass), checked, then searched directly; the
// count, the chord names and the diagrams. Returns the exit status.
int searchIntervals(const DictionaryOptions& options);

// Second form: a typed chord symbol, read as the window's search button reads it; a symbol of
// which nothing could be read is refused with kUnreadableSymbol.
int searchSymbol(const DictionaryOptions& options);

// Third form: a fret list named under the tuning: the notes string by string, then the
// readings best first; with readingsOnly only the readings' symbols. Returns the exit status.
int nameFrets(const DictionaryOptions& options);

// Prints `message` on standard error as the program's own; returns kUsageError.
int fail(const std::string& message);

} // namespace tambrel
