#pragma once
// The exhaustive voicing search: from a search request (bass, then chord tones) to the sorted
// list of voicing entries, under a tuning, a fret limit, a finger distance and the options.
#include "music/fretboard.h"
#include "search/voicing.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace tambrel {

// A malformed number in an interval list or a search request. The message is the one the
// user sees: "'x' is not a valid integer value".
class InvalidIntegerError : public std::runtime_error {
  public:
    explicit InvalidIntegerError(const std::string& text);
};

// Reads a decimal integer the way the search reads its fields; throws InvalidIntegerError.
int readInteger(const std::string& text);

// Everything the search reads besides the request: the chord's root and bass, the tuning,
// the limits and the options as they stand when it runs.
struct SearchInputs {
    int rootNote = 0;
    int bassNote = 0;
    StringNotes stringNote = kStandardTuning;
    int maxFret = 12; // "Up to fret": 6, 12, 18 or 24
    int distance = 5; // "Distance": 2..5
    bool omit3 = false;
    bool omit5 = false;
    bool easyChords = false;
    bool noBarreChords = false;
    int thirdInterval = 4;
    int fifthInterval = 7;
    friend bool operator==(const SearchInputs&, const SearchInputs&) = default;
};

struct SearchResult {
    std::vector<int> chordTones;      // after the omissions, root first
    std::vector<Voicing> voicingList; // in display order
};

// The chord-tone part of a request: each interval of the list as the pitch class
// (interval + root) mod 12, each followed by a blank; the root interval is skipped when the
// bass is the root. Throws InvalidIntegerError on a malformed list.
std::string searchRequestFor(const std::string& intervals, int root, int rootNote, int bassNote);

// The request every caller hands to the search: the decimal bass, a blank, then the chord
// tones, trailing blanks removed.
std::string buildSearchRequest(const std::string& intervals, int rootNote, int bassNote);

// Runs the search for one request. Throws InvalidIntegerError for a token that is not an
// integer; then nothing is returned, never a partial list.
SearchResult findVoicings(const std::string& request, const SearchInputs& inputs);

// The fret list written in a voicing entry text (its text after the seven-character key), as
// `--entries` and the session exchange it; for a voicing at hand, simply its frets.
FretList fretListOfEntry(const std::string& entry);
inline const FretList& fretListOfEntry(const Voicing& voicing) {
    return voicing.frets;
}

} // namespace tambrel
