#include "display/svg_number.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace tambrel {
namespace {

// `value` written by printf's `format` with the fewest digits that read back as the value.
std::string firstReadingBack(double value, const char* format) {
    std::array<char, 48> buffer{};
    for (int digits = 0; digits <= 17; ++digits) {
        std::snprintf(buffer.data(), buffer.size(), format, digits, value);
        if (std::strtod(buffer.data(), nullptr) == value) break;
    }
    return buffer.data();
}

} // namespace

std::string shortestDecimal(double value) {
    std::string plain = firstReadingBack(value, "%.*f");
    std::string exponent = firstReadingBack(value, "%.*e");
    return exponent.size() < plain.size() ? exponent : plain;
}

} // namespace tambrel
