#include "music/chord_symbol.h"

#include "music/text_encoding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

namespace tambrel {
namespace {

// Signs that have no ASCII form are read as these placeholders.
constexpr char kTriangle = '\x01'; // Δ, ∆, △: the major seventh
constexpr char kDimSign = '\x02';  // °, º, ˚: diminished
constexpr char kHalfDim = '\x03';  // ø, Ø, ∅: half-diminished

// The text as ASCII with placeholders; false for a character that no chord symbol holds.
bool normalise(std::string_view utf8, std::string& out, std::string& error) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += lead == '\t' ? ' ' : static_cast<char>(lead);
            ++i;
            continue;
        }
        std::uint32_t cp = 0;
        if (!readCodePoint(utf8, i, cp)) {
            error = "the text is not UTF-8";
            return false;
        }
        switch (cp) {
        case 0x266F:
            out += '#';
            break; // ♯
        case 0x266D:
            out += 'b';
            break;   // ♭
        case 0x0394: // Δ
        case 0x2206: // ∆
        case 0x25B3:
            out += kTriangle;
            break;   // △
        case 0x00B0: // °
        case 0x00BA: // º
        case 0x02DA:
            out += kDimSign;
            break;   // ˚
        case 0x00F8: // ø
        case 0x00D8: // Ø
        case 0x2205:
            out += kHalfDim;
            break;   // ∅
        case 0x2212: // − minus sign
        case 0x2013: // – en dash
        case 0x2010:
            out += '-';
            break; // ‐ hyphen
        case 0x00A0:
            out += ' ';
            break; // no-break space
        default:
            error = "a character that no chord symbol holds";
            return false;
        }
    }
    return true;
}

bool isSeparator(char c) {
    return c == '(' || c == ')' || c == ',' || c == '/' || c == ' ' || c == '.' || c == '\\' ||
           c == '[' || c == ']';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int letterPitch(char upper) {
    static constexpr std::array<int, 7> pitches{9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    return pitches[upper - 'A'];
}

// What the quality word says before any number.
enum class Quality { Major, Minor, Diminished, HalfDiminished, Augmented };

class Reader {
  public:
    explicit Reader(std::string text) : s_(std::move(text)) {}

    SymbolReading read();

  private:
    // A note name at pos: letter, optional accidental. Lower case only where allowed.
    bool noteName(bool lowerAllowed, int& pitch, std::string& name);
    bool word(std::string_view w, bool anyCase);
    bool atDigit() const { return pos_ < s_.size() && isDigit(s_[pos_]); }
    char peek(std::size_t ahead = 0) const {
        return pos_ + ahead < s_.size() ? s_[pos_ + ahead] : '\0';
    }
    bool number(int& value);
    bool fail(const std::string& why) {
        error_ = why;
        return false;
    }

    bool quality();
    bool majorSeventhMarker(bool triangle);
    bool mainNumber(int n);
    bool tension(int degree, int delta, bool added);
    bool rest();
    bool restElement();
    bool slashBass();

    void setSeventh(int offset) { seventh_ = offset; }
    int seventhKind() const {
        if (majorSeventh_) return 11;
        if (quality_ == Quality::Diminished) return 9;
        return 10;
    }
    void build(StandardChord& chord) const;

    std::string s_;
    std::size_t pos_ = 0;
    std::string error_;

    Quality quality_ = Quality::Major;
    int third_ = 4;
    std::vector<int> fifths_{7};
    int seventh_ = -1;
    bool majorSeventh_ = false;
    bool sixth_ = false;
    std::vector<int> ninths_, elevenths_, thirteenths_;
    std::vector<ChordTone> extras_;
    bool sus2_ = false;
    bool sus4_ = false;
    bool power_ = false;
    std::vector<int> omitted_;
    int bass_ = -1;
    std::string bassName_;
};

bool Reader::noteName(bool lowerAllowed, int& pitch, std::string& name) {
    const char c = peek();
    char upper = 0;
    if (c >= 'A' && c <= 'G')
        upper = c;
    else if (lowerAllowed && c >= 'a' && c <= 'g')
        upper = static_cast<char>(c - 32);
    else
        return false;
    ++pos_;
    pitch = letterPitch(upper);
    name = std::string(1, upper);
    if (peek() == '#') {
        pitch = (pitch + 1) % 12;
        name += '#';
        ++pos_;
    } else if (peek() == 'b') {
        pitch = (pitch + 11) % 12;
        name += 'b';
        ++pos_;
    }
    return true;
}

bool Reader::word(std::string_view w, bool anyCase) {
    if (pos_ + w.size() > s_.size()) return false;
    for (std::size_t k = 0; k < w.size(); ++k) {
        const char c = s_[pos_ + k];
        const bool same = anyCase ? std::tolower(static_cast<unsigned char>(c)) == w[k] : c == w[k];
        if (!same) return false;
    }
    pos_ += w.size();
    return true;
}

// One or two digits; "69" is read whole, any other pair only when it is a tension number.
bool Reader::number(int& value) {
    if (!atDigit()) return false;
    value = s_[pos_++] - '0';
    if (atDigit()) {
        const int two = value * 10 + (s_[pos_] - '0');
        if (two == 11 || two == 13 || two == 69) {
            value = two;
            ++pos_;
        }
    }
    return true;
}

SymbolReading Reader::read() {
    SymbolReading reading;
    // Blanks at either end are no part of the symbol.
    while (!s_.empty() && s_.back() == ' ') s_.pop_back();
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;

    StandardChord chord;
    if (!noteName(true, chord.root, chord.rootName)) {
        reading.error = "a chord symbol starts with a note name, A to G";
        return reading;
    }
    if (!quality() || !rest()) {
        reading.error = error_;
        return reading;
    }
    chord.bass = bass_;
    chord.bassName = bassName_;
    build(chord);
    reading.chord = std::move(chord);
    return reading;
}

// The quality right after the root: minor, major seventh, diminished, half-diminished or
// augmented, then the main number, whose stack the quality decides.
bool Reader::quality() {
    auto one = [this](char c) {
        if (peek() != c) return false;
        ++pos_;
        return true;
    };
    // "madd9" is minor with an added tone, "Madd9" major with one.
    const bool minorAdd = s_.compare(pos_, 4, "madd") == 0;
    const bool majorAdd = s_.compare(pos_, 4, "Madd") == 0;
    if (minorAdd || majorAdd) ++pos_;
    // The longer words first: "maj" before "m", "MI" (minor) before "M" (major).
    const bool majorName =
        !minorAdd && !majorAdd &&
        (word("maj", true) || word("ma", false) || word("Ma", false) || word("MA", false));
    const bool minorName =
        minorAdd || (!majorAdd && !majorName &&
                     (word("min", true) || word("mi", false) || word("Mi", false) ||
                      word("MI", false) || one('m') || one('-')));
    const bool majorWord = majorName || (!majorAdd && !minorName && one('M'));
    if (minorName) {
        quality_ = Quality::Minor;
    } else if (majorWord || majorAdd) {
        // the major triad, or a major seventh chord with a number after the word
    } else if (word("dim", true) || one(kDimSign) ||
               (s_.compare(pos_, 4, "omit") != 0 && one('o'))) {
        quality_ = Quality::Diminished;
    } else if (one(kHalfDim)) {
        quality_ = Quality::HalfDiminished;
    } else if (word("aug", true) || one('+')) {
        quality_ = Quality::Augmented;
    } else if (one(kTriangle) || one('^') || one('j')) {
        return majorSeventhMarker(true);
    }

    switch (quality_) {
    case Quality::Major:
        break;
    case Quality::Minor:
        third_ = 3;
        break;
    case Quality::Diminished:
        third_ = 3;
        fifths_ = {6};
        break;
    case Quality::HalfDiminished:
        third_ = 3;
        fifths_ = {6};
        seventh_ = 10;
        break;
    case Quality::Augmented:
        fifths_ = {8};
        break;
    }
    if (majorWord) return majorSeventhMarker(false);

    // A minor, diminished or augmented chord may take a major seventh: "mMaj7", "-Δ7", "+M7".
    if (quality_ != Quality::Major && quality_ != Quality::HalfDiminished) {
        if (word("maj", true) || word("ma", false) || word("Ma", false) || word("MA", false) ||
            (peek() == 'M' && (++pos_, true)))
            return majorSeventhMarker(false);
        if (peek() == kTriangle || peek() == '^' || peek() == 'j') {
            ++pos_;
            return majorSeventhMarker(true);
        }
    }
    if (!atDigit()) return true;
    // A number followed by "+" or "-" is one altered tension ("C7+", "C9-"), not the main one.
    const std::size_t start = pos_;
    int n = 0;
    number(n);
    if ((peek() == '+' || peek() == '-') && !isDigit(peek(1))) {
        pos_ = start;
        return true;
    }
    if (peek() == 'M' && (n == 7 || n == 9 || n == 11 || n == 13)) {
        ++pos_; // "7M": the major seventh written after the number
        majorSeventh_ = true;
    }
    return mainNumber(n);
}

// "maj", "M", "Δ" and the like. A number after the marker stacks up to it with a major
// seventh; without one, the triangle is the major seventh chord and so is a word followed by
// an alteration, while a word alone is the major triad.
bool Reader::majorSeventhMarker(bool triangle) {
    if (atDigit()) {
        int n = 0;
        number(n);
        if (n == 6) return mainNumber(6); // "maj6" is the sixth chord
        if (n != 7 && n != 9 && n != 11 && n != 13)
            return fail("a major seventh chord stacks up to 7, 9, 11 or 13");
        majorSeventh_ = true;
        return mainNumber(n);
    }
    // "Cmaj#11" is the major seventh chord with the raised eleventh.
    const bool altered =
        (peek() == '#' || peek() == 'b' || peek() == '+' || peek() == '-') && isDigit(peek(1));
    if (triangle || altered || quality_ != Quality::Major) {
        majorSeventh_ = true;
        setSeventh(11);
    }
    return true;
}

// The number that names the chord: its seventh and the tensions stacked below it.
bool Reader::mainNumber(int n) {
    switch (n) {
    case 5:
        if (quality_ == Quality::Augmented) return true; // "C+5" is the augmented triad
        if (quality_ != Quality::Major || majorSeventh_)
            return fail("a power chord has no quality");
        power_ = true;
        return true;
    case 2:
        extras_.push_back({2, 2, false});
        return true;
    case 4:
        sus4_ = true;
        return true;
    case 6:
        sixth_ = true;
        return true;
    case 69:
        sixth_ = true;
        ninths_ = {2};
        return true;
    case 7:
        if (quality_ != Quality::HalfDiminished || majorSeventh_) setSeventh(seventhKind());
        return true;
    case 9:
    case 11:
    case 13:
        if (quality_ != Quality::HalfDiminished || majorSeventh_) setSeventh(seventhKind());
        ninths_ = {2};
        // The eleventh belongs to an eleventh chord and to a minor thirteenth; beside a major
        // third it clashes, so a major or dominant thirteenth leaves it out.
        if (n == 11 || (n == 13 && third_ == 3)) elevenths_ = {5};
        if (n == 13) thirteenths_ = {9};
        return true;
    default:
        return fail("no chord is named by the number " + std::to_string(n));
    }
}

// Removes the plain tone of a degree's list before its altered form enters.
void alterIn(std::vector<int>& tones, int natural, int offset, int delta) {
    if (delta != 0) tones.erase(std::remove(tones.begin(), tones.end(), natural), tones.end());
    if (std::find(tones.begin(), tones.end(), offset) == tones.end()) tones.push_back(offset);
}

// One tension: a degree raised or lowered by delta semitones, or written with "add".
bool Reader::tension(int degree, int delta, bool added) {
    int natural = 0;
    switch (degree) {
    case 2:
    case 9:
        natural = 2;
        break;
    case 3:
        natural = 4;
        break;
    case 4:
    case 11:
        natural = 5;
        break;
    case 5:
        natural = 7;
        break;
    case 6:
    case 13:
        natural = 9;
        break;
    case 7:
        natural = 10;
        break;
    default:
        return fail("no tension has the degree " + std::to_string(degree));
    }
    // The seventh of a chord symbol is already the minor one: "b7" is that seventh, "#7" or
    // "7+" the major seventh.
    const int offset = degree == 7 ? (delta > 0 ? 11 : 10) : (natural + delta + 12) % 12;
    if (added) {
        extras_.push_back({degree, offset, true});
        return true;
    }
    switch (degree) {
    case 2:
    case 4:
        extras_.push_back({degree, offset, false});
        break;
    case 3:
        if (delta > 0) return fail("a third cannot be raised");
        third_ = offset;
        break;
    case 5:
        alterIn(fifths_, 7, offset, delta);
        break;
    case 6:
        if (delta == 0)
            sixth_ = true;
        else
            extras_.push_back({6, offset, false});
        break;
    case 7:
        setSeventh(offset);
        break;
    case 9:
        alterIn(ninths_, 2, offset, delta);
        break;
    case 11:
        alterIn(elevenths_, 5, offset, delta);
        break;
    case 13:
        alterIn(thirteenths_, 9, offset, delta);
        break;
    default:
        break;
    }
    return true;
}

bool Reader::rest() {
    while (pos_ < s_.size()) {
        if (!restElement()) return false;
    }
    return true;
}

// A slash followed by nothing but a note name (and closing signs) is the bass.
bool Reader::slashBass() {
    const std::size_t start = pos_;
    ++pos_; // the slash
    while (peek() == ' ') ++pos_;
    int pitch = 0;
    std::string name;
    if (noteName(true, pitch, name)) {
        std::size_t end = pos_;
        while (end < s_.size() && (s_[end] == ' ' || s_[end] == ')' || s_[end] == ']')) ++end;
        // Only the very end can be the bass: "C/b9" is a tension after a slash, not a bass B.
        if (end == s_.size()) {
            bass_ = pitch;
            bassName_ = name;
            pos_ = end;
            return true;
        }
    }
    pos_ = start;
    return false;
}

bool Reader::restElement() {
    const char c = peek();
    if (c == '/' && slashBass()) return true;
    if (isSeparator(c)) {
        ++pos_;
        return true;
    }
    if (word("add", true)) {
        while (peek() == ' ') ++pos_;
        if (word("maj7", true) || word("M7", false) ||
            word(std::string_view(&kTriangle, 1), false)) {
            extras_.push_back({7, 11, true});
            return true;
        }
        int delta = 0;
        if (peek() == 'b' || peek() == '-') delta = -1;
        if (peek() == '#' || peek() == '+') delta = 1;
        if (delta != 0) ++pos_;
        int n = 0;
        if (!number(n)) return fail("\"add\" takes a number");
        if (n == 69) return tension(6, 0, true) && tension(9, 0, true);
        return tension(n, delta, true);
    }
    if (word("omit", true) || word("no", true)) {
        while (peek() == ' ') ++pos_;
        int n = 0;
        if (!number(n)) return fail("\"omit\" and \"no\" take a number");
        if (n != 3 && n != 5 && n != 7 && n != 9 && n != 11 && n != 13)
            return fail("no chord leaves out the degree " + std::to_string(n));
        // "no3rd", "omit5th"
        if (!word("rd", true)) word("th", true);
        omitted_.push_back(n);
        return true;
    }
    if (word("sus", true)) {
        // "sus" alone is sus4; "sus9" and "sus11" put the ninth or eleventh in the third's
        // place, as the tension list has them.
        if (word("24", false) || word("42", false)) {
            sus2_ = sus4_ = true;
        } else if (word("2", false) || word("9", false)) {
            sus2_ = true;
        } else {
            if (!word("4", false)) word("11", false);
            sus4_ = true;
        }
        return true;
    }
    if (word("alt", true)) {
        // The altered dominant: every alteration of the fifth and the ninth, no plain one.
        if (seventh_ < 0) setSeventh(10);
        fifths_.clear();
        ninths_ = {1, 3};
        elevenths_ = {6};
        thirteenths_ = {8};
        return true;
    }
    if (word("maj", true) || word(std::string_view(&kTriangle, 1), false) ||
        (c == 'M' && isDigit(peek(1)) && (++pos_, true)) || (c == '^' && (++pos_, true))) {
        if (atDigit()) {
            int n = 0;
            number(n);
            if (n != 7 && n != 9 && n != 11 && n != 13)
                return fail("a major seventh stacks up to 7, 9, 11 or 13");
            majorSeventh_ = true;
            setSeventh(11);
            if (n >= 9) alterIn(ninths_, 2, 2, 0);
            if (n == 11 || (n == 13 && third_ == 3)) alterIn(elevenths_, 5, 5, 0);
            if (n == 13) alterIn(thirteenths_, 9, 9, 0);
        } else {
            majorSeventh_ = true;
            setSeventh(11);
        }
        return true;
    }
    if (word("aug", true) || (c == '+' && !isDigit(peek(1)) && (++pos_, true))) {
        alterIn(fifths_, 7, 8, 1);
        return true;
    }
    // An altered tension: the sign before the number ("b9", "#11", "+5", "-9") or after it
    // ("9-", "5+", and "7+" for the major seventh).
    int delta = 0;
    if ((c == 'b' || c == '-') && isDigit(peek(1))) delta = -1;
    if ((c == '#' || c == '+') && isDigit(peek(1))) delta = 1;
    if (delta != 0) ++pos_;
    int n = 0;
    if (!number(n)) return fail(std::string("cannot read '") + c + "'");
    if (delta == 0 && (peek() == '+' || peek() == '-') && !isDigit(peek(1))) {
        delta = peek() == '+' ? 1 : -1;
        ++pos_;
        if (n == 7 && delta < 0) {
            setSeventh(9); // "7-": the seventh lowered once more, the diminished one
            return true;
        }
    } else if (delta == 0 && n == 7 && peek() == 'M') {
        ++pos_;
        delta = 1;
    }
    if (n == 69) return tension(6, 0, false) && tension(9, 0, false);
    return tension(n, delta, false);
}

void Reader::build(StandardChord& chord) const {
    auto omits = [this](int degree) {
        return std::find(omitted_.begin(), omitted_.end(), degree) != omitted_.end();
    };
    std::vector<ChordTone> tones{{1, 0, false}};
    if (!power_ && !omits(3)) {
        if (sus2_ || sus4_) {
            if (sus2_) tones.push_back({2, 2, false});
            if (sus4_) tones.push_back({4, 5, false});
        } else if (third_ >= 0) {
            tones.push_back({3, third_, false});
        }
    }
    if (!omits(5))
        for (int f : fifths_) tones.push_back({5, f, false});
    if (sixth_) tones.push_back({6, 9, false});
    if (seventh_ >= 0 && !omits(7)) tones.push_back({7, seventh_, false});
    if (!omits(9))
        for (int t : ninths_) tones.push_back({9, t, false});
    if (!omits(11))
        for (int t : elevenths_) tones.push_back({11, t, false});
    if (!omits(13))
        for (int t : thirteenths_) tones.push_back({13, t, false});
    for (const ChordTone& extra : extras_) {
        // An omitted degree stays out even when a later word brings it in.
        if (omits(extra.degree)) continue;
        tones.push_back(extra);
    }
    std::stable_sort(tones.begin() + 1, tones.end(),
                     [](const ChordTone& a, const ChordTone& b) { return a.degree < b.degree; });
    chord.tones = std::move(tones);
    chord.omitted = omitted_;
}

} // namespace

std::vector<int> StandardChord::offsets() const {
    std::vector<int> result;
    for (const ChordTone& tone : tones) result.push_back(tone.offset);
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

std::vector<int> StandardChord::pitchClasses() const {
    std::vector<int> result;
    for (const ChordTone& tone : tones) result.push_back((root + tone.offset) % 12);
    if (bass >= 0) result.push_back(bass);
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

SymbolReading readChordSymbol(std::string_view utf8) {
    std::string text;
    std::string error;
    if (!normalise(utf8, text, error)) return SymbolReading{std::nullopt, error};
    return Reader(std::move(text)).read();
}

} // namespace tambrel
