#pragma once
// A chord symbol as a lead sheet's harmony element holds it: the root, one of the kinds that
// notation programs know, the degrees that the symbol adds to that kind, alters in it or leaves
// out, and the bass.
#include "music/chord_symbol.h"

#include <string>
#include <vector>

namespace tambrel {

// A degree as the harmony element writes it: counted on the major scale above the root,
// altered by semitones (-1 for "b7", +1 for "#11").
struct HarmonyDegree {
    enum class Type { Add, Alter, Subtract };
    int value = 1;
    int alter = 0;
    Type type = Type::Add;

    friend bool operator==(const HarmonyDegree&, const HarmonyDegree&) = default;
};

struct HarmonyNote {
    char step = 'C';
    int alter = 0; // -1 flat, 1 sharp
};

struct Harmony {
    HarmonyNote root;
    std::string kind;     // "major", "minor-seventh", "suspended-fourth", ...
    std::string kindText; // the symbol as written less its root and bass: "m7", "maj7(#11)"
    std::vector<HarmonyDegree> degrees;
    bool hasBass = false;
    HarmonyNote bass;
};

// The harmony of `chord`, read from `written` (the symbol as the song shows it, UTF-8). The kind
// is the one that leaves the fewest degrees to write, the plainer on a tie.
Harmony harmonyOf(const StandardChord& chord, const std::string& written);

// "add", "alter" or "subtract".
const char* degreeTypeName(HarmonyDegree::Type type);

} // namespace tambrel
