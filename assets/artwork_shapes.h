#pragma once
// What each picture of the program looks like, as a short list of vector shapes at the
// picture's logical size: the one description that the Qt painter (artwork.cpp) and the SVG
// writer (display/svg_painter.h) both draw. Plain C++.
#include <cstdint>
#include <string>
#include <vector>

#include "assets/artwork_names.h"

namespace tambrel {

struct Rgba {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

struct ArtPoint {
    double x = 0;
    double y = 0;
};

struct ColourStop {
    double offset = 0; // 0 to 1 along the gradient
    Rgba colour;
};

// What fills a shape: nothing, one colour, or a gradient in the picture's coordinates.
struct ArtPaint {
    enum class Kind { None, Solid, Linear, Radial };
    Kind kind = Kind::None;
    Rgba colour;    // Solid
    ArtPoint start; // Linear: where the first stop is; Radial: the centre
    ArtPoint end;   // Linear: where the last stop is; Radial: the focal point
    double radius = 0;
    std::vector<ColourStop> stops;

    static ArtPaint solid(Rgba colour);
    static ArtPaint linear(ArtPoint start, ArtPoint end, std::vector<ColourStop> stops);
    static ArtPaint radial(ArtPoint centre, double radius, ArtPoint focal,
                           std::vector<ColourStop> stops);
};

// The outline of a shape; none when `width` is 0.
struct ArtStroke {
    Rgba colour;
    double width = 0;
    bool roundCap = false;
};

// One step of a path.
struct PathStep {
    enum class Kind { Move, Line, Cubic };
    Kind kind = Kind::Move;
    ArtPoint to;
    ArtPoint control1; // Cubic
    ArtPoint control2; // Cubic
};

struct ArtShape {
    enum class Kind {
        Rect,    // x, y, width, height; corners rounded by `radius`
        Ellipse, // in the box x, y, width, height
        Path,    // `path`
        Text,    // `text` centred on (x, y); see TextCentre
    };
    // How the edges meet the pixels: antialiased, hard, or hard on whole device pixels with
    // every line at least one device pixel thick (so that one-unit lines stay equally thick
    // on screens of a fractional scale).
    enum class Edges { Smooth, Sharp, DevicePixels };
    // A text is centred by its ink (a digit in the middle of a disc) or across by its advance
    // and up and down by the capital height (a label read as a word).
    enum class TextCentre { Ink, Advance };

    Kind kind = Kind::Rect;
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    double radius = 0;
    std::vector<PathStep> path;
    ArtPaint fill;
    ArtStroke stroke;
    Edges edges = Edges::Smooth;

    std::string text; // UTF-8, in the bold program font
    double textSize = 0;
    TextCentre centre = TextCentre::Ink;
    double fitWidth = 0; // squeezed across to this width when wider; 0: never
};

struct ArtPicture {
    int width = 0;
    int height = 0;
    bool clipped = false; // shapes reach past the edges: the picture ends at its size
    std::vector<ArtShape> shapes;
};

// The picture of `artwork`, built once.
const ArtPicture& artworkPicture(Artwork artwork);

// The labelled marks of a chord diagram: a black disc with a short white label in place of a
// finger mark (11 x 11, one unit wider than the 9 x 9 finger mark on every side, same centre),
// and a small black label under an open string's ring (16 x 8, centred under the 6 x 6 mark).
ArtPicture labelledMarkPicture(const std::string& label);
ArtPicture stringCaptionPicture(const std::string& label);
// The top-left corners of those pictures for a finger mark, or a string mark, at (x, y).
struct PixelPoint {
    int x = 0;
    int y = 0;
};
PixelPoint labelledMarkCorner(int x, int y);
PixelPoint stringCaptionCorner(int x, int y);

} // namespace tambrel
