#pragma once
// The chord vocabulary's tables and the lookup of chord symbols are single-byte Windows-1252,
// as chord symbols and the diminished sign (byte 0xBA) are compared byte by byte; the rest of
// the program is UTF-8. These convert between the two (single_byte_text.h keeps them apart).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tambrel {

std::string cp1252ToUtf8(const std::string& text);
// Characters with no single-byte form (and malformed UTF-8) become '?'.
std::string utf8ToCp1252(const std::string& text);

// Decodes the UTF-8 character at `at` into cp and moves `at` past it; false for a malformed
// one, past which `at` moves by one byte.
bool readCodePoint(std::string_view text, std::size_t& at, std::uint32_t& cp);

// The bytes of the blank at `at` that a chord symbol may be padded with: 1 for a space or a
// tab, 2 for a no-break space, 0 for anything else.
std::size_t blankLength(std::string_view text, std::size_t at);

} // namespace tambrel
