#include "music/chord_vocabulary.h"

namespace tambrel {

const std::array<ChordType, kChordTypeCount>& chordTypeTable() {
    static const std::array<ChordType, kChordTypeCount> table{{
        {" ", "00 04 07"},          {"\xBA", "00 03 06 09"},
        {"aug", "00 04 08"},        {"add4", "00 04 05 07"},
        {"add9", "00 02 04 07"},    {"add11", "00 04 05 07"},
        {"2", "00 02 04 07"},       {"4", "00 05 07"},
        {"4/7", "00 04 05 07 10"},  {"5", "00 07"},
        {"5-", "00 04 06"},         {"5+", "00 04 08"},
        {"6", "00 04 07 09"},       {"6-", "00 04 07 08"},
        {"6+", "00 04 07 10"},      {"7", "00 04 07 10"},
        {"7/4", "00 04 05 07 10"},  {"7/9", "00 02 04 07 10"},
        {"7/11", "00 05 07 10"},    {"7/sus4", "00 05 07 10"},
        {"7+", "00 04 07 11"},      {"9", "00 02 04 07"},
        {"9/7", "00 02 04 07 10"},  {"11", "00 05 07"},
        {"11/7", "00 05 07 10"},    {"sus2", "00 02 07"},
        {"sus4", "00 05 07"},       {"sus4/7", "00 05 07 10"},
        {"sus9", "00 02 07"},       {"m7", "00 03 07 10"},
        {"m7/5-", "00 03 06 10"},   {"m9", "00 02 03 07"},
        {"m11", "00 03 05 07"},     {"m6", "00 03 07 09"},
        {"m7/9", "00 02 03 07 10"},
    }};
    return table;
}

const std::array<Tension, kTensionCount>& tensionList() {
    static const std::array<Tension, kTensionCount> list{{
        {"", "00 04 07"},        {"m", "00 03 07"}, {"aug", "508"},    {"dim", "00 03 06 09"},
        {"\xBA", "00 03 06 09"}, {"2", " 02"},      {"4-", " 04"},     {"4", " 05"},
        {"4+", " 06"},           {"5-", "506"},     {"5", "00 07"},    {"5+", "508"},
        {"6-", " 08"},           {"6", " 09"},      {"6+", " 10"},     {"7", " 10"},
        {"7+", " 11"},           {"9-", " 01"},     {"9", " 02"},      {"9+", " 03"},
        {"11-", " 04"},          {"11", " 05"},     {"11+", " 06"},    {"13-", " 08"},
        {"13", " 09"},           {"13+", " 10"},    {"add4-", " 04"},  {"add4", " 05"},
        {"add4+", " 06"},        {"add6-", " 08"},  {"add6", " 09"},   {"add6+", " 10"},
        {"add9-", " 01"},        {"add9", " 02"},   {"add9+", " 03"},  {"add11-", " 04"},
        {"add11", " 05"},        {"add11+", " 06"}, {"add13-", " 08"}, {"add13", " 09"},
        {"add13+", " 10"},       {"b4", " 04"},     {"b5", "506"},     {"b6", " 08"},
        {"b9", " 01"},           {"b11", " 04"},    {"b13", " 08"},    {"sus2", "302"},
        {"sus4", "305"},         {"sus9", "302"},   {"sus11", "305"},
    }};
    return list;
}

std::string trimBlanks(const std::string& text) {
    // Blanks and control characters at both ends, as the toolkit's trim does.
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return text.substr(first, last - first);
}

std::string chordTypeSuffix(int row) {
    return trimBlanks(chordTypeTable().at(row).suffix);
}

TensionKind classifyTension(const std::string& code) {
    if (code.size() > 3) return TensionKind::Base;
    if (!code.empty() && code[0] == '5') return TensionKind::Fifth;
    if (!code.empty() && code[0] == '3') return TensionKind::Third;
    return TensionKind::Add;
}

std::string tensionTone(const std::string& code) {
    return " " + code.substr(code.size() - 2);
}

} // namespace tambrel
