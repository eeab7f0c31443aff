#pragma once
// Songbooks as ChordPro writes them: lyrics with the chords in brackets where they fall
// ("[C]Twinkle, twinkle, [F]little [C]star"), directives in braces, one a line ("{title: ...}",
// "{capo: 2}", "{define: C7 base-fret 1 frets x 3 2 3 1 0}"), and "#" comment lines.
//
// What Tambrel takes from it:
// - the chords in the order they stand, each read by readChordSymbol as the symbol box reads
//   it; one it cannot read is a problem with its line and column, the rest read on. "[*...]" is
//   an annotation, not a chord; "[N.C.]" is no chord.
// - "{title}" ("{t}"), "{key}", "{capo}" (0..11) and "{transpose}" (-11..11);
// - the file's own fingerings, "{define: NAME base-fret B frets F F F F F F [fingers ...]}" and
//   "{define NAME: ...}": frets counted from the base fret (base fret 1 is the nut, or the
//   capo), "x", "X" or "-1" muted, 0 open. Tambrel writes and reads the chord names as the
//   chords that sound and the frets counted from the capo, as its own diagrams count them.
// Every other directive and every line of lyrics is left as it stands: the text is the file.
// Plain C++ on the music library alone, so that the song panel reads it as it reads a lead
// sheet.
#include "music/fretting.h"
#include "music/song_text.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tambrel {

// A directive line: "{name: value}" or "{name value}". The name in lower case, the value
// trimmed.
struct ChordProDirective {
    std::string name;
    std::string value;
};

// The directive the line holds (leading and trailing blanks aside), or none.
std::optional<ChordProDirective> readChordProDirective(std::string_view line);

// A fingering of the file's own.
struct ChordProDefine {
    std::string name;
    int baseFret = 1;
    Fretting frets; // counted from the nut (the capo): fret f of the file is baseFret + f - 1
    std::array<int, kStringCount> fingers{}; // 0 for no finger; all 0 when none were given
    int line = 0;
};

// The define the directive holds, from "define"'s value in either form; none for another
// directive, or a define that is no six-string fingering (a "copy", a missing fret).
std::optional<ChordProDefine> readChordProDefine(const ChordProDirective& directive);

struct ChordProSong {
    SongText reading; // the chords in order, and the ones that cannot be read
    std::string title;
    std::string key;
    std::optional<int> capo;
    std::optional<int> transpose;
    std::vector<ChordProDefine> defines; // in the file's order; a later one of a name wins
};

// Whether the text is ChordPro rather than a lead sheet: a directive line, an annotation
// ("[*Rit.]"), a chord symbol in brackets ("[C] [Am]") or brackets joined to a word
// ("[C]Twinkle", "star[G]"). A lead sheet's "[N.C.]" or lyrics in brackets ("[in brackets]")
// leave it a lead sheet.
bool looksLikeChordPro(std::string_view utf8);

// Lines end at "\n" ("\r\n" too); a UTF-8 byte order mark at the start is skipped. Lines and
// columns count from 1, columns in UTF-8 characters. The time grows linearly with the text.
ChordProSong readChordPro(std::string_view utf8);

} // namespace tambrel
