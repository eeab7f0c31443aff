#include "music/transposition.h"

#include "music/chord_symbol.h"
#include "music/note_names.h"
#include "music/text_encoding.h"

#include <array>
#include <cstddef>

namespace tambrel {
namespace {

constexpr std::string_view kSharpSign = "\xE2\x99\xAF"; // ♯
constexpr std::string_view kFlatSign = "\xE2\x99\xAD";  // ♭

int pitchClass(int n) {
    return (n % 12 + 12) % 12;
}

bool writesSigns(std::string_view symbol) {
    return symbol.find(kSharpSign) != std::string_view::npos ||
           symbol.find(kFlatSign) != std::string_view::npos;
}

// The bytes of a text where a note name the reader found is written: [begin, end).
struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// The bytes the accidental of a note name takes in the text when it starts at `at`: none for a
// plain letter, three for "♯" or "♭", one for "#" or "b".
std::size_t accidentalLength(std::string_view text, std::size_t at, const std::string& name) {
    if (name.size() < 2) return 0;
    const std::string_view written = text.substr(at, 3);
    return written == kSharpSign || written == kFlatSign ? 3 : 1;
}

bool sameLetter(char written, char name) {
    return written == name || written == name + ('a' - 'A');
}

// The reader takes blanks at either end of a symbol as no part of it.
std::size_t blankBefore(std::string_view text, std::size_t end) {
    if (end >= 1 && blankLength(text, end - 1) == 1) return 1;
    if (end >= 2 && blankLength(text, end - 2) == 2) return 2;
    return 0;
}

// The root comes first after any blanks.
std::optional<Span> rootSpan(std::string_view text, const StandardChord& chord) {
    std::size_t begin = 0;
    while (const std::size_t n = blankLength(text, begin)) begin += n;
    if (begin >= text.size() || !sameLetter(text[begin], chord.rootName[0])) return std::nullopt;
    return Span{begin, begin + 1 + accidentalLength(text, begin + 1, chord.rootName)};
}

// A slash bass is read only at the very end of the symbol, where blanks and closing brackets
// may still follow it.
std::optional<Span> bassSpan(std::string_view text, const StandardChord& chord, std::size_t after) {
    std::size_t end = text.size();
    while (end > after) {
        if (text[end - 1] == ')' || text[end - 1] == ']') {
            --end;
        } else if (const std::size_t n = blankBefore(text, end)) {
            end -= n;
        } else {
            break;
        }
    }
    std::size_t length = 1;
    if (chord.bassName.size() > 1) {
        const bool sign = end >= 3 && (text.substr(end - 3, 3) == kSharpSign ||
                                       text.substr(end - 3, 3) == kFlatSign);
        length += sign ? 3 : 1;
    }
    if (end < after + length || !sameLetter(text[end - length], chord.bassName[0]))
        return std::nullopt;
    return Span{end - length, end};
}

// The name of a pitch class in the spelling, in the case of the letter it replaces.
std::string noteName(int pitch, KeySpelling spelling, char writtenLetter) {
    NoteNames names = noteNames();
    if (spelling.flats) applyFlatNames(names);
    std::string name = names[static_cast<std::size_t>(pitch)];
    if (writtenLetter >= 'a' && writtenLetter <= 'g') name[0] = static_cast<char>(name[0] + 32);
    if (spelling.signs && name.size() > 1) {
        name.pop_back();
        name += spelling.flats ? kFlatSign : kSharpSign;
    }
    return name;
}

} // namespace

KeySpelling spellingOfKey(int tonicPitchClass, bool minor) {
    // Indexed by the tonic's pitch class, C to B.
    static constexpr std::array<bool, 12> kFlatMajor{true, true,  false, true,  false, true,
                                                     true, false, true,  false, true,  false};
    static constexpr std::array<bool, 12> kFlatMinor{true,  false, true,  true,  false, true,
                                                     false, true,  false, false, true,  false};
    const auto tonic = static_cast<std::size_t>(pitchClass(tonicPitchClass));
    return KeySpelling{minor ? kFlatMinor[tonic] : kFlatMajor[tonic]};
}

std::string transposeSymbol(std::string_view symbol, int semitones, KeySpelling spelling) {
    const SymbolReading reading = readChordSymbol(symbol);
    if (!reading.chord) return std::string(symbol);
    const StandardChord& chord = *reading.chord;
    const std::optional<Span> root = rootSpan(symbol, chord);
    if (!root) return std::string(symbol);
    std::optional<Span> bass;
    if (chord.bass >= 0) {
        bass = bassSpan(symbol, chord, root->end);
        if (!bass) return std::string(symbol);
    }
    spelling.signs = spelling.signs || writesSigns(symbol);
    const int shift = pitchClass(semitones);

    std::string out(symbol.substr(0, root->begin));
    out += noteName(pitchClass(chord.root + shift), spelling, symbol[root->begin]);
    const std::size_t restEnd = bass ? bass->begin : symbol.size();
    out += symbol.substr(root->end, restEnd - root->end);
    if (bass) {
        out += noteName(pitchClass(chord.bass + shift), spelling, symbol[bass->begin]);
        out += symbol.substr(bass->end);
    }
    return out;
}

std::optional<SongKey> keyOfSong(const std::vector<std::string>& symbols) {
    for (const std::string& symbol : symbols) {
        const SymbolReading reading = readChordSymbol(symbol);
        if (!reading.chord) continue;
        bool minor = false;
        for (const ChordTone& tone : reading.chord->tones)
            minor = minor || (tone.degree == 3 && tone.offset == 3);
        return SongKey{reading.chord->root, minor};
    }
    return std::nullopt;
}

std::vector<std::string> transposeSong(const std::vector<std::string>& symbols, int semitones) {
    KeySpelling spelling;
    if (const std::optional<SongKey> key = keyOfSong(symbols))
        spelling = spellingOfKey(key->tonic + pitchClass(semitones), key->minor);
    for (const std::string& symbol : symbols)
        spelling.signs = spelling.signs || writesSigns(symbol);

    std::vector<std::string> out;
    out.reserve(symbols.size());
    for (const std::string& symbol : symbols)
        out.push_back(transposeSymbol(symbol, semitones, spelling));
    return out;
}

} // namespace tambrel
