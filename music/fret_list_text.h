#pragma once
// Fret lists as guitarists write them, low string first: "x32010", "x 10 12 12 11 10",
// "X-3-2-0-1-0", "x,10,12,12,11,10". The one reader and the one writer of them.
#include "music/fretting.h"

#include <optional>
#include <string>
#include <string_view>

namespace tambrel {

constexpr int kHighestNamedFret = 24;

struct FretListReading {
    std::optional<Fretting> frets; // 99 muted, 0 open, 1..24 fretted; string 0 (lowest) first
    std::string error;             // why the text is no fret list, when it is not
};

// Six entries, low string first, each "x" or "X" for a muted string or a fret 0..24. Written
// either as six characters with nothing between them (frets 0..9 only) or separated by
// blanks, commas, dots or slashes, or by hyphens alone ("X-3-2-0-1-0").
FretListReading readFretList(std::string_view text);

enum class FretSeparator {
    Compact, // nothing between the frets while all are 0..9 ("x32010"), else blanks
    Blanks,  // "x 3 2 0 1 0"
    Hyphens, // "x-3-2-0-1-0"
};

struct FretListStyle {
    FretSeparator separator = FretSeparator::Compact;
    char muted = 'x';
};

// The fingering's frets as a fret list, barres aside: "x32010", "x 10 12 12 11 10".
std::string writeFretList(const Fretting& fretting, FretListStyle style = {});

} // namespace tambrel
