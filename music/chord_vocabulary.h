#pragma once
// The two vocabularies a chord's quality is chosen from: the table of named chord types and
// the list of tickable tensions with their codes. Texts are Windows-1252 bytes: the
// diminished sign is the byte 0xBA.
#include <array>
#include <string>

namespace tambrel {

constexpr int kChordTypeCount = 35;
constexpr int kTensionCount = 51;

struct ChordType {
    const char* suffix;    // row 0's single blank stands for the plain major chord
    const char* intervals; // interval list, e.g. "00 04 07"
};

struct Tension {
    const char* text; // as shown in the list (item 0 is empty: the major triad)
    const char* code; // a whole interval list, or three characters: " nn", "5nn" or "3nn"
};

const std::array<ChordType, kChordTypeCount>& chordTypeTable();
const std::array<Tension, kTensionCount>& tensionList();

// Suffix of a chord-type row as used in the symbol: surrounding blanks removed.
std::string chordTypeSuffix(int row);

enum class TensionKind { Base, Add, Fifth, Third };

// A code longer than three characters is a base formula; otherwise its first character
// tells: '5' replaces the fifth, '3' the third, a blank adds a tone.
TensionKind classifyTension(const std::string& code);

// The tone a three-character code brings into the formula: a blank and its two digits.
std::string tensionTone(const std::string& code);

// Tension items referred to by position.
enum TensionItem : int {
    kItemMajor = 0,
    kItemMinor = 1,
    kItemAug = 2,
    kItemDim = 3,
    kItemFlatFive = 9,
    kItemPowerFive = 10,
};

std::string trimBlanks(const std::string& text);

} // namespace tambrel
