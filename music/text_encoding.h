#pragma once
// The program keeps its texts as single-byte Windows-1252, as chord symbols and the
// diminished sign (byte 0xBA) are compared byte by byte. These convert at the edges.
#include <string>

namespace tambrel {

std::string cp1252ToUtf8(const std::string& text);
// Characters with no single-byte form (and malformed UTF-8) become '?'.
std::string utf8ToCp1252(const std::string& text);

} // namespace tambrel
