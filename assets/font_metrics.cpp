#include "assets/font_metrics.h"

#include <array>
#include <cmath>

namespace tambrel {

namespace {

// Advance widths in thousandths of an em, characters 32 to 126.
constexpr std::array<short, 95> kRegular{
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};
constexpr std::array<short, 95> kBold{
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611, 975, 722, 722, 722, 722, 667,
    611, 778, 722, 278, 556, 722, 611, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667,
    667, 611, 333, 278, 333, 584, 556, 333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556,
    278, 889, 611, 611, 611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};
constexpr int kDigitWidth = 556;
constexpr int kEmWidth = 1000;
// The font's vertical metrics in thousandths of an em.
constexpr double kAscent = 905.3;
constexpr double kDescent = 211.9;
constexpr double kCapHeight = 688.0;
constexpr std::string_view kEllipsis = "\u2026";

// The length of the UTF-8 sequence that starts with `lead`.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0xc0) return 1;
    if (lead < 0xe0) return 2;
    if (lead < 0xf0) return 3;
    return 4;
}

int characterWidth(std::string_view character, bool bold) {
    const auto lead = static_cast<unsigned char>(character.front());
    if (lead >= 32 && lead < 127) return (bold ? kBold : kRegular)[lead - 32];
    if (lead < 0x80) return 0; // control characters
    if (character == "\u2014" || character == kEllipsis) return kEmWidth;
    return kDigitWidth;
}

} // namespace

double textAdvance(std::string_view utf8, double pixelSize, bool bold) {
    int units = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length =
            std::min(sequenceLength(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
        units += characterWidth(utf8.substr(at, length), bold);
        at += length;
    }
    return units * pixelSize / 1000.0;
}

int textAscent(int pixelSize) {
    return static_cast<int>(std::lround(kAscent * pixelSize / 1000.0));
}

int textHeight(int pixelSize) {
    return textAscent(pixelSize) + static_cast<int>(std::lround(kDescent * pixelSize / 1000.0));
}

double capHeight(double pixelSize) {
    return kCapHeight * pixelSize / 1000.0;
}

std::string elidedText(std::string_view utf8, double width, double pixelSize, bool bold) {
    if (textAdvance(utf8, pixelSize, bold) <= width) return std::string(utf8);
    const double room = width - textAdvance(kEllipsis, pixelSize, bold);
    double used = 0;
    std::size_t kept = 0;
    while (kept < utf8.size()) {
        const std::size_t length =
            std::min(sequenceLength(static_cast<unsigned char>(utf8[kept])), utf8.size() - kept);
        used += textAdvance(utf8.substr(kept, length), pixelSize, bold);
        if (used > room) break;
        kept += length;
    }
    return std::string(utf8.substr(0, kept)) + std::string(kEllipsis);
}

} // namespace tambrel
