#include "song_files/musicxml_harmony.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

namespace tambrel {
namespace {

// A degree's semitones above the root on the major scale: 1, 2, 3, ... 13.
int naturalOffset(int degree) {
    static constexpr std::array<int, 7> kScale{0, 2, 4, 5, 7, 9, 11};
    return kScale[static_cast<std::size_t>((degree - 1) % 7)];
}

// The alteration from the major scale's degree to `offset`, nearest way round: -1 for a flat
// seventh, +1 for a sharp eleventh.
int alterationOf(int degree, int offset) {
    const int difference = ((offset - naturalOffset(degree)) % 12 + 12) % 12;
    return difference > 6 ? difference - 12 : difference;
}

struct Tone {
    int degree;
    int offset;
};

struct Kind {
    const char* name;
    std::vector<Tone> tones;
};

// The kinds a lead sheet's symbols come to, plainest first; each with the degrees it holds.
// A thirteenth chord is taken without its eleventh, as guitarists voice and name it.
const std::vector<Kind>& kinds() {
    static const std::vector<Kind> table{
        {"major", {{1, 0}, {3, 4}, {5, 7}}},
        {"minor", {{1, 0}, {3, 3}, {5, 7}}},
        {"augmented", {{1, 0}, {3, 4}, {5, 8}}},
        {"diminished", {{1, 0}, {3, 3}, {5, 6}}},
        {"suspended-fourth", {{1, 0}, {4, 5}, {5, 7}}},
        {"suspended-second", {{1, 0}, {2, 2}, {5, 7}}},
        {"dominant", {{1, 0}, {3, 4}, {5, 7}, {7, 10}}},
        {"major-seventh", {{1, 0}, {3, 4}, {5, 7}, {7, 11}}},
        {"minor-seventh", {{1, 0}, {3, 3}, {5, 7}, {7, 10}}},
        {"diminished-seventh", {{1, 0}, {3, 3}, {5, 6}, {7, 9}}},
        {"half-diminished", {{1, 0}, {3, 3}, {5, 6}, {7, 10}}},
        {"augmented-seventh", {{1, 0}, {3, 4}, {5, 8}, {7, 10}}},
        {"major-minor", {{1, 0}, {3, 3}, {5, 7}, {7, 11}}},
        {"major-sixth", {{1, 0}, {3, 4}, {5, 7}, {6, 9}}},
        {"minor-sixth", {{1, 0}, {3, 3}, {5, 7}, {6, 9}}},
        {"dominant-ninth", {{1, 0}, {3, 4}, {5, 7}, {7, 10}, {9, 2}}},
        {"major-ninth", {{1, 0}, {3, 4}, {5, 7}, {7, 11}, {9, 2}}},
        {"minor-ninth", {{1, 0}, {3, 3}, {5, 7}, {7, 10}, {9, 2}}},
        {"dominant-11th", {{1, 0}, {3, 4}, {5, 7}, {7, 10}, {9, 2}, {11, 5}}},
        {"major-11th", {{1, 0}, {3, 4}, {5, 7}, {7, 11}, {9, 2}, {11, 5}}},
        {"minor-11th", {{1, 0}, {3, 3}, {5, 7}, {7, 10}, {9, 2}, {11, 5}}},
        {"dominant-13th", {{1, 0}, {3, 4}, {5, 7}, {7, 10}, {9, 2}, {13, 9}}},
        {"major-13th", {{1, 0}, {3, 4}, {5, 7}, {7, 11}, {9, 2}, {13, 9}}},
        {"minor-13th", {{1, 0}, {3, 3}, {5, 7}, {7, 10}, {9, 2}, {13, 9}}},
        // Last: a seventh chord without its third is a dominant less its third.
        {"power", {{1, 0}, {5, 7}}},
    };
    return table;
}

// What turns `kind` into the chord's tones: its degrees altered, those the chord lacks left
// out, the chord's others added, in order of degree.
std::vector<HarmonyDegree> degreesFrom(const Kind& kind, const std::vector<ChordTone>& tones) {
    std::vector<HarmonyDegree> degrees;
    for (const Tone& held : kind.tones) {
        const auto same = std::find_if(tones.begin(), tones.end(), [&](const ChordTone& tone) {
            return tone.degree == held.degree;
        });
        if (same == tones.end())
            degrees.push_back({held.degree, 0, HarmonyDegree::Type::Subtract});
        else if (same->offset != held.offset)
            degrees.push_back(
                {held.degree, alterationOf(held.degree, same->offset), HarmonyDegree::Type::Alter});
    }
    for (auto tone = tones.begin(); tone != tones.end(); ++tone) {
        const auto atDegree = [&](const auto& other) { return other.degree == tone->degree; };
        // A second tone at one degree ("7(b9,#9)") is added beside the first.
        if (std::none_of(kind.tones.begin(), kind.tones.end(), atDegree) ||
            std::any_of(tones.begin(), tone, atDegree))
            degrees.push_back(
                {tone->degree, alterationOf(tone->degree, tone->offset), HarmonyDegree::Type::Add});
    }
    std::stable_sort(
        degrees.begin(), degrees.end(),
        [](const HarmonyDegree& a, const HarmonyDegree& b) { return a.value < b.value; });
    return degrees;
}

HarmonyNote noteOf(const std::string& name) {
    HarmonyNote note;
    if (name.empty()) return note;
    note.step = name[0];
    if (name.size() > 1) note.alter = name[1] == '#' ? 1 : name[1] == 'b' ? -1 : 0;
    return note;
}

// The symbol less its root letter with its sign ("#", "b", "♯", "♭") and less its slash bass.
std::string kindTextOf(const std::string& written, bool hasBass) {
    std::size_t begin = written.empty() ? 0 : 1;
    for (const char* sign : {"#", "b", "\u266F", "\u266D"}) {
        if (written.compare(begin, std::char_traits<char>::length(sign), sign) == 0) {
            begin += std::char_traits<char>::length(sign);
            break;
        }
    }
    std::size_t end = written.size();
    if (hasBass) {
        const std::size_t slash = written.rfind('/');
        if (slash != std::string::npos && slash >= begin) end = slash;
    }
    return written.substr(begin, end - begin);
}

} // namespace

const char* degreeTypeName(HarmonyDegree::Type type) {
    switch (type) {
    case HarmonyDegree::Type::Alter:
        return "alter";
    case HarmonyDegree::Type::Subtract:
        return "subtract";
    case HarmonyDegree::Type::Add:
        break;
    }
    return "add";
}

Harmony harmonyOf(const StandardChord& chord, const std::string& written) {
    Harmony harmony;
    harmony.root = noteOf(chord.rootName);
    const Kind* best = nullptr;
    for (const Kind& kind : kinds()) {
        std::vector<HarmonyDegree> degrees = degreesFrom(kind, chord.tones);
        if (best == nullptr || degrees.size() < harmony.degrees.size()) {
            best = &kind;
            harmony.degrees = std::move(degrees);
        }
    }
    harmony.kind = best->name;
    harmony.hasBass = chord.bass >= 0;
    if (harmony.hasBass) harmony.bass = noteOf(chord.bassName);
    harmony.kindText = kindTextOf(written, harmony.hasBass);
    return harmony;
}

} // namespace tambrel
