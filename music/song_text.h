#pragma once
// A song as lead sheets and songbooks write its chords: symbols in order, with or without bar
// lines, over one line or many, between lines of lyrics and headings.
//
// How the text is read:
// - Lines end at "\n" ("\r\n" too); words are parted by blanks (spaces, tabs, no-break spaces).
//   A UTF-8 byte order mark at the start is skipped.
// - Bar lines are runs of "|" and ":" holding at least one "|": "|", "||", "|:", ":|", ":||:".
//   They need no blanks around them ("|C|G|").
// - A chord line is a line with a bar line, or one where more than half of the words read as
//   chords ("%" , "N.C." and repeat counts among them). Any other line is lyrics or a title and
//   is left out whole, its unreadable words too: "A day in the life" is lyrics.
// - A heading before the chords, up to the first word ending in ":" ("Verse 1:", "Intro:"), is
//   left out.
// - On a line with bar lines, a bar runs from one bar line to the next (the line's start and end
//   close bars too); on a line without, each word is its own bar. A bar counts when it holds a
//   word that is no repeat count; bars are numbered from 1 over the whole song.
// - "%" (or "𝄎") alone in its bar repeats the chords of the bar before, which may be on an
//   earlier line; the repeated chords take the position of the "%". A "%" with no bar before
//   it, or beside other words in its bar, is a problem.
// - "N.C." (no chord; also "NC", "N.C", in any case, in brackets) is a bar without a chord: it
//   is not listed, and a "%" after it repeats nothing.
// - Repeat counts ("x2", "2x", "×3", "(x2)") are read and left out: the chords are listed once,
//   as written.
// - Every other word goes to readChordSymbol; one it cannot read is a problem, and the rest of
//   the song is read on.
// Lines and columns count from 1, columns in UTF-8 characters (a malformed byte is one column).
// The time taken grows linearly with the text.
#include <string>
#include <string_view>
#include <vector>

namespace tambrel {

struct SongChord {
    std::string symbol; // as written, UTF-8
    int line = 0;
    int column = 0;
    int bar = 0;

    friend bool operator==(const SongChord&, const SongChord&) = default;
};

struct SongProblem {
    std::string symbol; // the word as written
    int line = 0;
    int column = 0;
    std::string message;
};

struct SongText {
    std::vector<SongChord> chords;
    std::vector<SongProblem> problems;
};

SongText readSongText(std::string_view utf8);

// Whether `word` says "no chord": "N.C.", "NC", "N.C", in any case, in brackets or not.
bool isNoChord(std::string_view word);

} // namespace tambrel
