#pragma once
// A song written as ChordPro, with the fingerings Tambrel chose or the user pinned, so that any
// songbook program draws those diagrams and Tambrel reads them back as pins.
//
// - One "{define: NAME base-fret B frets F F F F F F fingers N N N N N N}" a distinct chord, in
//   the order the chords first come: NAME the chord that sounds, the frets of its first
//   fingering in the song counted from the base fret the diagram shows (1 is the capo), "x"
//   muted, "0" open, the finger numbers the diagram shows (0 for none). A chord without a
//   fingering gets none.
// - "{capo: N}" when a capo is used, "{transpose: N}" when the song is transposed.
// - A song opened as ChordPro keeps every other line byte for byte: its define lines for the
//   song's chords and its capo and transpose lines are replaced, the new lines go after the
//   directives the file opens with (its "\r\n" kept).
// - A lead sheet becomes a small ChordPro file: "{title}" when one is given, then a line a
//   line of the lead sheet, its bars kept: "| [C] [Am] | [F] [G7] |".
#include "window/song.h"

#include <string>

namespace tambrel {

struct ChordProStyle {
    // Finger numbers after the frets, as ChordPro 6 reads them; older readers (and chordii)
    // refuse a define that has them.
    bool fingers = true;
    std::string title; // for a lead sheet, which has none of its own; "" for none
};

// `song` as arranged last (its fingerings and capo).
std::string writeChordPro(const Song& song, const ChordProStyle& style = {});

// The define line of `frets` for the chord `name`, without the line's end.
std::string chordProDefine(const std::string& name, const Fretting& frets, bool fingers);

} // namespace tambrel
