#include "music/text_encoding.h"

#include "music/single_byte_text.h"

#include <ostream>

#include <array>
#include <cstdint>

namespace tambrel {
namespace {

// Code points of the bytes 0x80..0x9F; 0 where Windows-1252 leaves the byte undefined.
constexpr std::array<std::uint16_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::uint32_t codePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const std::uint16_t cp = kHighControls[byte - 0x80];
        return cp ? cp : byte; // undefined bytes map to the C1 control of the same value
    }
    return byte;
}

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int byteOf(std::uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == cp && cp != 0) return 0x80 + i;
        if (kHighControls[i] == 0 && cp == static_cast<std::uint32_t>(0x80 + i)) return 0x80 + i;
    }
    return -1;
}

} // namespace

std::string cp1252ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (unsigned char byte : text) appendUtf8(out, codePointOf(byte));
    return out;
}

bool readCodePoint(std::string_view text, std::size_t& at, std::uint32_t& cp) {
    const auto lead = static_cast<unsigned char>(text[at]);
    int length = 0;
    cp = 0;
    if (lead < 0x80) {
        length = 1;
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    }
    bool valid = length > 0 && at + length <= text.size();
    for (int k = 1; valid && k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80)
            valid = false;
        else
            cp = (cp << 6) | (next & 0x3F);
    }
    at += valid ? length : 1;
    return valid;
}

std::size_t blankLength(std::string_view text, std::size_t at) {
    if (at >= text.size()) return 0;
    if (text[at] == ' ' || text[at] == '\t') return 1;
    return text.substr(at, 2) == "\xC2\xA0" ? 2 : 0;
}

std::string utf8ToCp1252(const std::string& text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::uint32_t cp = 0;
        if (!readCodePoint(text, i, cp)) {
            out += '?';
            continue;
        }
        const int byte = byteOf(cp);
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

std::ostream& operator<<(std::ostream& out, const SingleByteText& text) {
    return out << text.bytes();
}

} // namespace tambrel
