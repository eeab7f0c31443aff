#pragma once
// One fingering that the search found: its six fret values with the barre marks, and the
// figures that order it among the others.
#include "music/fretboard.h"
#include "music/fretting.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace tambrel {

struct Voicing {
    Fretting frets;    // each string's fret and the strings where a barre beginsret f
    int position = 0;  // the lowest fretted fret + 10; 11 whenever the highest fret is 5 or lower
    int stringSet = 0; // 10 top four strings, 20 top five, 30 all six, 50 any other set
    int top = 0;       // the highest fret + 10 (a barre mark never counts as the highest)
    bool promoted = false; // a well-known shape, put before all others: its key reads 000000

    friend bool operator==(const Voicing&, const Voicing&) = default;
};

// The voicing as the fixed-width entry text that is shown and exchanged: the six-digit key,
// a blank, then each fret value followed by a blank ("112013 99 3 2 0 1 0 ", or
// "000000 3 2 0 0 3 3 " when promoted).
std::string entryText(const Voicing& voicing);

// The fret values as an entry writes them, each followed by a blank, a barre's first string
// as its negative fret: "99 3 2 0 1 0 ", "-1 3 3 2 1 1 ".
std::string fretText(const Fretting& frets);

// The same entry text, written into a buffer of its own: for code that reads the texts of
// many voicings without keeping them.
class EntryTextBuffer {
  public:
    explicit EntryTextBuffer(const Voicing& voicing);
    std::string_view text() const { return {chars_, size_}; }
    std::string_view fretText() const { return text().substr(keyLength_); }

  private:
    // The key (six digits and a blank), and at most four characters a fret value ("-28 ").
    char chars_[7 + 4 * kStringCount];
    std::size_t keyLength_ = 0;
    std::size_t size_ = 0;
};

// A voicing is equal to the entry text that stands for it; streamed, it writes that text.
bool operator==(const Voicing& voicing, std::string_view entry);
std::ostream& operator<<(std::ostream& out, const Voicing& voicing);

} // namespace tambrel
