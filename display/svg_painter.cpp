#include "display/svg_painter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "assets/font_metrics.h"
#include "display/svg_number.h"

namespace tambrel {

namespace {

constexpr int kTextSize = 11;      // the base fret, as the canvas writes it
constexpr int kCaptionSize = 12;   // the names over the sheet's diagrams, bold
constexpr double kPrecision = 1e4; // coordinates to a ten-thousandth of a unit

void appendNumber(std::string& out, double value) {
    value = std::round(value * kPrecision) / kPrecision;
    if (value == 0) value = 0; // no "-0"
#if defined(__cpp_lib_to_chars)
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
#else
    // The browser's standard library writes no floating-point number.
    out += shortestDecimal(value);
#endif
}

void appendAttribute(std::string& out, std::string_view name, double value) {
    out += ' ';
    out += name;
    out += "=\"";
    appendNumber(out, value);
    out += '"';
}

void appendAttribute(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    out += value;
    out += '"';
}

std::string hexColour(Rgba colour) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string text = "#";
    for (std::uint8_t part : {colour.red, colour.green, colour.blue}) {
        text += kDigits[part >> 4];
        text += kDigits[part & 15];
    }
    return text;
}

// A colour attribute and, when it is not opaque, its opacity.
void appendColour(std::string& out, std::string_view name, std::string_view opacityName,
                  Rgba colour) {
    appendAttribute(out, name, hexColour(colour));
    if (colour.alpha != 255) appendAttribute(out, opacityName, colour.alpha / 255.0);
}

// The label's bytes in hexadecimal: "#" and "b" are no safe part of an XML name.
std::string labelId(std::string_view kind, const std::string& label) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string id(kind);
    id += '-';
    for (char c : label) {
        const auto byte = static_cast<unsigned char>(c);
        id += kDigits[byte >> 4];
        id += kDigits[byte & 15];
    }
    return id;
}

void appendFont(std::string& out, int pixelSize, bool bold) {
    appendAttribute(out, "font-family", kFontFamily);
    appendAttribute(out, "font-size", pixelSize);
    if (bold) appendAttribute(out, "font-weight", "bold");
}

// The paint of a shape's fill: none, a colour, or a gradient written before the picture's
// group as `id`.
void appendFill(std::string& out, const ArtPaint& paint, const std::string& gradientId) {
    switch (paint.kind) {
    case ArtPaint::Kind::None:
        appendAttribute(out, "fill", "none");
        break;
    case ArtPaint::Kind::Solid:
        appendColour(out, "fill", "fill-opacity", paint.colour);
        break;
    case ArtPaint::Kind::Linear:
    case ArtPaint::Kind::Radial:
        appendAttribute(out, "fill", "url(#" + gradientId + ")");
        break;
    }
}

void appendGradient(std::string& out, const ArtPaint& paint, const std::string& id) {
    const bool linear = paint.kind == ArtPaint::Kind::Linear;
    out += linear ? "  <linearGradient" : "  <radialGradient";
    appendAttribute(out, "id", id);
    appendAttribute(out, "gradientUnits", "userSpaceOnUse");
    if (linear) {
        appendAttribute(out, "x1", paint.start.x);
        appendAttribute(out, "y1", paint.start.y);
        appendAttribute(out, "x2", paint.end.x);
        appendAttribute(out, "y2", paint.end.y);
    } else {
        appendAttribute(out, "cx", paint.start.x);
        appendAttribute(out, "cy", paint.start.y);
        appendAttribute(out, "r", paint.radius);
        appendAttribute(out, "fx", paint.end.x);
        appendAttribute(out, "fy", paint.end.y);
    }
    out += ">\n";
    for (const ColourStop& stop : paint.stops) {
        out += "   <stop";
        appendAttribute(out, "offset", stop.offset);
        appendColour(out, "stop-color", "stop-opacity", stop.colour);
        out += "/>\n";
    }
    out += linear ? "  </linearGradient>\n" : "  </radialGradient>\n";
}

void appendPathData(std::string& out, const std::vector<PathStep>& steps) {
    std::string data;
    for (const PathStep& step : steps) {
        if (!data.empty()) data += ' ';
        switch (step.kind) {
        case PathStep::Kind::Move:
            data += 'M';
            break;
        case PathStep::Kind::Line:
            data += 'L';
            break;
        case PathStep::Kind::Cubic:
            data += 'C';
            for (const ArtPoint& control : {step.control1, step.control2}) {
                appendNumber(data, control.x);
                data += ' ';
                appendNumber(data, control.y);
                data += ' ';
            }
            break;
        }
        appendNumber(data, step.to.x);
        data += ' ';
        appendNumber(data, step.to.y);
    }
    appendAttribute(out, "d", data);
}

// A text shape: centred across on its point, its capital height centred up and down; a text
// wider than its fit width squeezed to it.
void appendTextShape(std::string& out, const ArtShape& shape) {
    out += "  <text";
    appendAttribute(out, "x", shape.x);
    appendAttribute(out, "y", shape.y + capHeight(shape.textSize) / 2);
    appendAttribute(out, "text-anchor", "middle");
    appendFont(out, static_cast<int>(shape.textSize), true);
    appendColour(out, "fill", "fill-opacity", shape.fill.colour);
    if (shape.fitWidth > 0 && textAdvance(shape.text, shape.textSize, true) > shape.fitWidth) {
        appendAttribute(out, "textLength", shape.fitWidth);
        appendAttribute(out, "lengthAdjust", "spacingAndGlyphs");
    }
    out += '>';
    out += xmlText(shape.text);
    out += "</text>\n";
}

void appendShape(std::string& out, const ArtShape& shape, const std::string& gradientId) {
    switch (shape.kind) {
    case ArtShape::Kind::Rect:
        out += "  <rect";
        appendAttribute(out, "x", shape.x);
        appendAttribute(out, "y", shape.y);
        appendAttribute(out, "width", shape.width);
        appendAttribute(out, "height", shape.height);
        if (shape.radius > 0) {
            appendAttribute(out, "rx", shape.radius);
            appendAttribute(out, "ry", shape.radius);
        }
        break;
    case ArtShape::Kind::Ellipse:
        out += "  <ellipse";
        appendAttribute(out, "cx", shape.x + shape.width / 2);
        appendAttribute(out, "cy", shape.y + shape.height / 2);
        appendAttribute(out, "rx", shape.width / 2);
        appendAttribute(out, "ry", shape.height / 2);
        break;
    case ArtShape::Kind::Path:
        out += "  <path";
        appendPathData(out, shape.path);
        break;
    case ArtShape::Kind::Text:
        appendTextShape(out, shape);
        return;
    }
    appendFill(out, shape.fill, gradientId);
    if (shape.stroke.width > 0) {
        appendColour(out, "stroke", "stroke-opacity", shape.stroke.colour);
        appendAttribute(out, "stroke-width", shape.stroke.width);
        appendAttribute(out, "stroke-linecap", shape.stroke.roundCap ? "round" : "square");
    }
    if (shape.edges != ArtShape::Edges::Smooth)
        appendAttribute(out, "shape-rendering", "crispEdges");
    out += "/>\n";
}

// The picture as a group `id` of <defs>, its gradients before it.
void appendPicture(std::string& out, const std::string& id, const ArtPicture& picture) {
    const auto gradientId = [&id](std::size_t index) {
        return id + "-paint" + std::to_string(index + 1);
    };
    for (std::size_t k = 0; k < picture.shapes.size(); ++k) {
        const ArtPaint& fill = picture.shapes[k].fill;
        if (fill.kind == ArtPaint::Kind::Linear || fill.kind == ArtPaint::Kind::Radial)
            appendGradient(out, fill, gradientId(k));
    }
    if (picture.clipped) {
        out += "  <clipPath";
        appendAttribute(out, "id", id + "-clip");
        out += "><rect";
        appendAttribute(out, "width", picture.width);
        appendAttribute(out, "height", picture.height);
        out += "/></clipPath>\n";
    }
    out += "  <g";
    appendAttribute(out, "id", id);
    if (picture.clipped) appendAttribute(out, "clip-path", "url(#" + id + "-clip)");
    out += ">\n";
    for (std::size_t k = 0; k < picture.shapes.size(); ++k)
        appendShape(out, picture.shapes[k], gradientId(k));
    out += "  </g>\n";
}

// The code point of the UTF-8 sequence at `text[at]` and its length; none for a sequence that
// is not UTF-8 (a stray byte, an overlong form, a surrogate, beyond U+10FFFF).
std::pair<char32_t, std::size_t> decodeUtf8(std::string_view text, std::size_t at) {
    constexpr std::pair<char32_t, std::size_t> kInvalid{0xfffd, 1};
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (lead >= 0xc2 && lead < 0xe0) {
        length = 2;
        code = lead & 0x1fu;
        least = 0x80;
    } else if (lead >= 0xe0 && lead < 0xf0) {
        length = 3;
        code = lead & 0x0fu;
        least = 0x800;
    } else if (lead >= 0xf0 && lead < 0xf5) {
        length = 4;
        code = lead & 0x07u;
        least = 0x10000;
    } else {
        return kInvalid;
    }
    if (at + length > text.size()) return kInvalid;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xc0u) != 0x80) return kInvalid;
        code = (code << 6) | (next & 0x3fu);
    }
    if (code < least || code > 0x10ffff || (code >= 0xd800 && code < 0xe000)) return kInvalid;
    return {code, length};
}

} // namespace

std::string xmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto [code, length] = decodeUtf8(text, at);
        if (code < 0x20 || code == 0x7f) {
            out += ' ';
        } else if (code == 0xfffe || code == 0xffff || (code == 0xfffd && length == 1)) {
            out += "\uFFFD";
        } else {
            switch (code) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += text.substr(at, length);
                break;
            }
        }
        at += length;
    }
    return out;
}

void SvgPainter::openLine() {
    body_.append(static_cast<std::size_t>(depth_), ' ');
}

void SvgPainter::use(const std::string& id, PixelPoint at) {
    openLine();
    body_ += "<use";
    appendAttribute(body_, "xlink:href", "#" + id);
    appendAttribute(body_, "x", at.x);
    appendAttribute(body_, "y", at.y);
    body_ += "/>\n";
}

void SvgPainter::drawArtwork(Artwork artwork, int x, int y) {
    const std::string_view name = artworkName(artwork);
    auto found = pictures_.find(name);
    if (found == pictures_.end())
        found = pictures_.emplace(std::string(name), artworkPicture(artwork)).first;
    use(found->first, {x, y});
}

void SvgPainter::drawLabelledMark(const std::string& label, int x, int y) {
    const std::string id = labelId("disc", label);
    if (!pictures_.count(id)) pictures_.emplace(id, labelledMarkPicture(label));
    use(id, labelledMarkCorner(x, y));
}

void SvgPainter::drawStringCaption(const std::string& label, int x, int y) {
    const std::string id = labelId("caption", label);
    if (!pictures_.count(id)) pictures_.emplace(id, stringCaptionPicture(label));
    use(id, stringCaptionCorner(x, y));
}

void SvgPainter::writeText(std::string_view className, double x, double y, int pixelSize, bool bold,
                           const std::string& text, std::string_view anchor) {
    openLine();
    body_ += "<text";
    appendAttribute(body_, "class", className);
    appendAttribute(body_, "x", x);
    appendAttribute(body_, "y", y);
    if (!anchor.empty()) appendAttribute(body_, "text-anchor", anchor);
    appendFont(body_, pixelSize, bold);
    appendAttribute(body_, "fill", "#000000");
    body_ += '>';
    body_ += xmlText(text);
    body_ += "</text>\n";
}

void SvgPainter::drawText(const std::string& text, int x, int y) {
    fillRect(x, y, static_cast<int>(std::lround(textAdvance(text, kTextSize, false))),
             textHeight(kTextSize), {255, 255, 255, 255});
    writeText("base-fret", x, y + textAscent(kTextSize), kTextSize, false, text);
}

void SvgPainter::drawTextLeftOf(const std::string& text, int x, int y, int right) {
    drawText(text, leftClearOf(textAdvance(text, kTextSize, false), x, right), y);
}

void SvgPainter::drawCaption(const std::string& text, int left, int top, int width) {
    if (text.empty()) return;
    // The line box in the middle of the band.
    const int baseline =
        top + (kSheetNameBand - textHeight(kCaptionSize)) / 2 + textAscent(kCaptionSize);
    writeText("name", left + width / 2.0, baseline, kCaptionSize, true,
              elidedText(text, width, kCaptionSize, true), "middle");
}

void SvgPainter::drawHeading(const std::string& text, int x, int y, int pixelSize,
                             const std::string& className) {
    writeText(className, x, y + textAscent(pixelSize), pixelSize, true, text);
}

void SvgPainter::fillRect(int x, int y, int width, int height, Rgba colour) {
    openLine();
    body_ += "<rect";
    if (x != 0) appendAttribute(body_, "x", x);
    if (y != 0) appendAttribute(body_, "y", y);
    appendAttribute(body_, "width", width);
    appendAttribute(body_, "height", height);
    appendColour(body_, "fill", "fill-opacity", colour);
    body_ += "/>\n";
}

void SvgPainter::beginGroup(const std::string& id, const std::string& className,
                            const std::string& title, int x, int y) {
    openLine();
    body_ += "<g";
    if (!id.empty()) appendAttribute(body_, "id", xmlText(id));
    if (!className.empty()) appendAttribute(body_, "class", xmlText(className));
    std::string move = "translate(";
    appendNumber(move, x);
    move += ',';
    appendNumber(move, y);
    move += ')';
    appendAttribute(body_, "transform", move);
    body_ += ">\n";
    ++depth_;
    openLine();
    body_ += "<title>" + xmlText(title) + "</title>\n";
}

void SvgPainter::endGroup() {
    --depth_;
    openLine();
    body_ += "</g>\n";
}

std::string SvgPainter::document(int width, int height, const std::string& title,
                                 const std::string& description) const {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg";
    appendAttribute(out, "xmlns", "http://www.w3.org/2000/svg");
    appendAttribute(out, "xmlns:xlink", "http://www.w3.org/1999/xlink");
    appendAttribute(out, "version", "1.1");
    appendAttribute(out, "width", width);
    appendAttribute(out, "height", height);
    std::string box = "0 0 ";
    appendNumber(box, width);
    box += ' ';
    appendNumber(box, height);
    appendAttribute(out, "viewBox", box);
    out += ">\n <title>" + xmlText(title) + "</title>\n";
    out += " <desc>" + xmlText(description) + "</desc>\n";
    out += " <defs>\n";
    for (const auto& [id, picture] : pictures_) appendPicture(out, id, picture);
    out += " </defs>\n";
    out.reserve(out.size() + body_.size() + 8);
    out += body_;
    out += "</svg>\n";
    return out;
}

} // namespace tambrel
