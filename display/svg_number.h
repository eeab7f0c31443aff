#pragma once
// Numbers as the SVG documents write them.
#include <string>

namespace tambrel {

// The text std::to_chars writes for `value` in its shortest form: the fewest digits that read
// back as the value, plain or with an exponent, whichever is shorter, plain on a tie ("12.5",
// "0.0125", "1e+05"). Written by hand for standard libraries that cannot write a floating-point
// number (the browser's build), so that every build draws the same documents.
std::string shortestDecimal(double value);

} // namespace tambrel
