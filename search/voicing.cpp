#include "search/voicing.h"

#include <charconv>
#include <ostream>

namespace tambrel {

EntryTextBuffer::EntryTextBuffer(const Voicing& voicing) {
    char* out = chars_;
    char* const end = chars_ + sizeof chars_;
    const auto write = [&out, end](int value) { out = std::to_chars(out, end, value).ptr; };
    if (voicing.promoted) {
        for (int i = 0; i < 6; ++i) *out++ = '0';
    } else {
        write(voicing.position);
        write(voicing.stringSet);
        write(voicing.top);
    }
    *out++ = ' ';
    keyLength_ = static_cast<std::size_t>(out - chars_);
    for (int s = 0; s < kStringCount; ++s) {
        if (voicing.frets.beginsBarre(s)) *out++ = '-';
        write(voicing.frets.fret(s));
        *out++ = ' ';
    }
    size_ = static_cast<std::size_t>(out - chars_);
}

std::string entryText(const Voicing& voicing) {
    return std::string(EntryTextBuffer(voicing).text());
}

std::string fretText(const Fretting& frets) {
    return std::string(EntryTextBuffer(Voicing{frets}).fretText());
}

bool operator==(const Voicing& voicing, std::string_view entry) {
    return entryText(voicing) == entry;
}

std::ostream& operator<<(std::ostream& out, const Voicing& voicing) {
    return out << entryText(voicing);
}

} // namespace tambrel
