#include "music/chord_spelling.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tambrel {
namespace {

std::string join(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += separator;
        text += part;
    }
    return text;
}

} // namespace

SpelledChord spellChord(const std::vector<int>& offsets) {
    std::array<bool, 12> has{};
    for (int o : offsets)
        if (o >= 0 && o < 12) has[o] = true;
    std::array<bool, 12> used{};
    SpelledChord out;
    auto take = [&](int offset, int degree, bool added = false) {
        used[offset] = true;
        out.tones.push_back({degree, offset, added});
    };
    take(0, 1);

    int third = -1;
    if (has[4])
        third = 4;
    else if (has[3])
        third = 3;
    if (third >= 0) take(third, 3);

    std::vector<int> fifths;
    if (has[7]) {
        fifths = {7};
    } else {
        if (has[6]) fifths.push_back(6);
        if (has[8]) fifths.push_back(8);
    }
    for (int f : fifths) take(f, 5);

    bool sus4 = false;
    bool sus2 = false;
    if (third < 0 && has[5]) {
        sus4 = true;
        take(5, 4);
    } else if (third < 0 && has[2]) {
        sus2 = true;
        take(2, 2);
    }
    const bool noThird = third < 0 && !sus4 && !sus2;
    const bool halfOrDim = third == 3 && fifths == std::vector<int>{6};

    int seventh = -1;
    if (has[10])
        seventh = 10;
    else if (has[11])
        seventh = 11;
    else if (halfOrDim && has[9])
        seventh = 9;
    if (seventh >= 0) take(seventh, 7);
    const bool extraMajorSeventh = seventh == 10 && has[11];

    auto free = [&](int o) { return has[o] && !used[o]; };
    std::vector<std::string> alterations;
    std::vector<std::string> parenthesised;

    // The quality word, with the stacked number standing for the seventh.
    std::string word;
    std::string number;
    std::string after; // what follows the number inside the quality: "b5" of "m7b5"
    bool fifthIntrinsic = false;

    if (seventh < 0) {
        if (third == 4 && fifths == std::vector<int>{8}) {
            word = "aug";
            fifthIntrinsic = true;
        } else if (halfOrDim) {
            word = "dim";
            fifthIntrinsic = true;
        } else if (third == 3) {
            word = "m";
        }
        const bool sixthChord = word.empty() || word == "m";
        if (sixthChord && free(9)) {
            take(9, 6);
            number = "6";
            if (free(2)) {
                take(2, 9);
                number = "6/9";
            }
        }
        if (noThird && offsets.size() == 2 && has[7]) {
            number = "5"; // the power chord
        }
    } else {
        if (third == 3 && seventh == 9) {
            word = "dim";
            number = "7";
            fifthIntrinsic = true;
        } else if (halfOrDim && seventh == 10) {
            word = "m";
            number = "7";
            after = "b5";
            fifthIntrinsic = true;
        } else {
            word = third == 3 ? "m" : "";
            number = "7";
        }
        if (seventh != 9) {
            // The plain tensions stack up to the highest one whose lower ones are all there.
            // A plain tension beside its own alteration is added, not stacked: in "C13b9" the
            // b9 takes the ninth's place.
            const bool ninth = free(2) && !has[1] && !(has[3] && third == 4);
            const bool eleventh = free(5) && !free(6);
            const bool thirteenth = free(9) && !free(8);
            int n = 7;
            if (ninth) {
                n = 9;
                if (eleventh) n = 11;
                if (thirteenth && (third != 3 || eleventh)) n = 13;
            }
            if (n >= 9) take(2, 9);
            if (n == 11 || (n == 13 && third == 3)) take(5, 11);
            if (n == 13) take(9, 13);
            number = std::to_string(n);
        }
        if (seventh == 11) {
            // "maj7", and "m(maj9)" where the minor third comes first.
            number = third == 3 ? "(maj" + number + ")" : "maj" + number;
        }
    }

    if (!fifthIntrinsic) {
        for (int f : fifths) {
            if (f == 6) alterations.emplace_back("b5");
            if (f == 8) alterations.emplace_back("#5");
        }
    }
    // Tensions left over: altered ones are written as alterations beside a seventh, every
    // tone as an "add" without one.
    struct Leftover {
        int offset;
        int degree;
        const char* name;
        bool altered;
    };
    static constexpr std::array<Leftover, 7> kLeftovers{{{1, 9, "b9", true},
                                                         {2, 9, "9", false},
                                                         {3, 9, "#9", true},
                                                         {5, 11, "11", false},
                                                         {6, 11, "#11", true},
                                                         {8, 13, "b13", true},
                                                         {9, 13, "13", false}}};
    for (const Leftover& t : kLeftovers) {
        if (!free(t.offset)) continue;
        if (seventh >= 0 && t.altered) {
            take(t.offset, t.degree);
            alterations.emplace_back(t.name);
        } else {
            take(t.offset, t.degree, true);
            parenthesised.push_back(std::string("add") + t.name);
            // An altered tone added without a seventh ("addb13") is both added and altered:
            // two steps from a plain chord, so that "Fmaj7/A" reads before "Am(addb13)".
            ++out.added;
            if (t.altered) ++out.altered;
        }
    }
    if (extraMajorSeventh) {
        take(11, 7, true);
        parenthesised.emplace_back("addmaj7");
        ++out.added;
    }
    if (noThird && number != "5") {
        parenthesised.emplace_back("no3");
        ++out.omitted;
    }
    if (fifths.empty()) {
        parenthesised.emplace_back("no5");
        ++out.omitted;
    }
    const std::string sus = sus4 ? "sus4" : sus2 ? "sus2" : "";
    if (sus4 || sus2) ++out.altered;
    out.altered += static_cast<int>(alterations.size());

    out.quality = word + number + after + sus;
    out.suffix = out.quality;
    if (!alterations.empty()) {
        // Without a number an alteration stands in parentheses, lest "Cb5" read as C flat.
        if (number.empty() || number.back() == ')')
            parenthesised.insert(parenthesised.begin(), alterations.begin(), alterations.end());
        else
            out.suffix += join(alterations, "");
    }
    if (!parenthesised.empty()) out.suffix += "(" + join(parenthesised, ",") + ")";

    // Listed up the scale: a sus tone in the third's place, a sixth before the seventh.
    std::stable_sort(out.tones.begin() + 1, out.tones.end(),
                     [](const ChordTone& a, const ChordTone& b) { return a.degree < b.degree; });
    return out;
}

int qualityRank(const std::string& quality) {
    static constexpr std::array<std::string_view, 30> kCommon{
        "",   "m",   "7",    "m7",    "maj7",  "5",     "sus4",    "sus2",  "6",     "m6",
        "9",  "m9",  "maj9", "7sus4", "dim",   "dim7",  "aug",     "m7b5",  "6/9",   "m6/9",
        "11", "m11", "13",   "m13",   "maj13", "9sus4", "m(maj7)", "7sus2", "maj11", "m(maj9)"};
    const auto it = std::find(kCommon.begin(), kCommon.end(), quality);
    return it == kCommon.end() ? static_cast<int>(kCommon.size())
                               : static_cast<int>(it - kCommon.begin());
}

std::string spellNote(const std::string& rootName, int degree, int offset) {
    static constexpr std::string_view kLetters = "CDEFGAB";
    static constexpr std::array<int, 7> kNaturals{0, 2, 4, 5, 7, 9, 11};
    static constexpr std::array<const char*, 12> kSharps{"C",  "C#", "D",  "D#", "E",  "F",
                                                         "F#", "G",  "G#", "A",  "A#", "B"};
    static constexpr std::array<const char*, 12> kFlats{"C",  "Db", "D",  "Eb", "E",  "F",
                                                        "Gb", "G",  "Ab", "A",  "Bb", "B"};
    const std::size_t letter =
        rootName.empty() ? std::string_view::npos : kLetters.find(rootName[0]);
    if (letter == std::string_view::npos) return "?";
    int rootPitch = kNaturals[letter];
    bool flatRoot = false;
    for (std::size_t i = 1; i < rootName.size(); ++i) {
        if (rootName[i] == '#') rootPitch += 1;
        if (rootName[i] == 'b') {
            rootPitch -= 1;
            flatRoot = true;
        }
    }
    const int pitch = ((rootPitch + offset) % 12 + 12) % 12;
    const int step = (degree - 1) % 7;
    const std::size_t toneLetter = (letter + static_cast<std::size_t>(step)) % 7;
    const int difference = ((pitch - kNaturals[toneLetter]) % 12 + 12) % 12;
    std::string name(1, kLetters[toneLetter]);
    if (difference == 0) return name;
    // E#, B#, Cb and Fb read as the white keys they are.
    const bool whiteKey = kNaturals[(toneLetter + (difference == 1 ? 1 : 6)) % 7] == pitch;
    if (difference == 1 && !whiteKey) return name + "#";
    if (difference == 11 && !whiteKey) return name + "b";
    return flatRoot ? kFlats[pitch] : kSharps[pitch];
}

} // namespace tambrel
