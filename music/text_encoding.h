#pragma once
// The program keeps its texts as single-byte Windows-1252, as chord symbols and the
// diminished sign (byte 0xBA) are compared byte by byte. These convert at the edges.
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

} // namespace tambrel
