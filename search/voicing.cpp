#include "voicing.h"

#include <charconv>
#include <ostream>

namespace tambrel {

namespace {

void appendNumber(std::string& out, int value) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

} // namespace

std::string fretText(const FretList& frets) {
    std::string text;
    text.reserve(3 * kStringCount + 4);
    for (int v : frets) {
        appendNumber(text, v);
        text += ' ';
    }
    return text;
}

std::string entryText(const Voicing& voicing) {
    std::string text;
    text.reserve(7 + 3 * kStringCount + 4);
    if (voicing.promoted) {
        text = "000000";
    } else {
        appendNumber(text, voicing.position);
        appendNumber(text, voicing.stringSet);
        appendNumber(text, voicing.top);
    }
    text += ' ';
    text += fretText(voicing.frets);
    return text;
}

bool operator==(const Voicing& voicing, std::string_view entry) {
    return entryText(voicing) == entry;
}

std::ostream& operator<<(std::ostream& out, const Voicing& voicing) {
    return out << entryText(voicing);
}

} // namespace tambrel
