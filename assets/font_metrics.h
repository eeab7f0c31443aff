#pragma once
// The program's font, Liberation Sans, measured without a font engine: its advance widths are
// those of the common sans-serif metric set, so a text's width and line box come out as the
// font's own to a fraction of a pixel. Plain C++, for writers that place text themselves (SVG).
#include <string>
#include <string_view>

namespace tambrel {

inline constexpr std::string_view kFontFamily = "Liberation Sans";

// The width of `utf8` at `pixelSize` pixels. Characters outside ASCII count as a digit wide,
// the dash and the ellipsis as an em.
double textAdvance(std::string_view utf8, double pixelSize, bool bold);
// The line box in whole pixels, as a font engine rounds it: ascent above the baseline, and
// the height of ascent and descent together.
int textAscent(int pixelSize);
int textHeight(int pixelSize);
// The height of a capital letter (or a digit) above the baseline.
double capHeight(double pixelSize);
// `utf8` shortened, at a character's boundary, with an ellipsis ("…") so that it is at most
// `width` pixels wide; unchanged when it fits.
std::string elidedText(std::string_view utf8, double width, double pixelSize, bool bold);

} // namespace tambrel
