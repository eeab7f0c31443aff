#include "assets/artwork_shapes.h"

#include <array>
#include <utility>

namespace tambrel {

ArtPaint ArtPaint::solid(Rgba colour) {
    ArtPaint paint;
    paint.kind = Kind::Solid;
    paint.colour = colour;
    return paint;
}

ArtPaint ArtPaint::linear(ArtPoint start, ArtPoint end, std::vector<ColourStop> stops) {
    ArtPaint paint;
    paint.kind = Kind::Linear;
    paint.start = start;
    paint.end = end;
    paint.stops = std::move(stops);
    return paint;
}

ArtPaint ArtPaint::radial(ArtPoint centre, double radius, ArtPoint focal,
                          std::vector<ColourStop> stops) {
    ArtPaint paint;
    paint.kind = Kind::Radial;
    paint.start = centre;
    paint.end = focal;
    paint.radius = radius;
    paint.stops = std::move(stops);
    return paint;
}

namespace {

constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kWhite{255, 255, 255, 255};

ArtShape rect(double x, double y, double width, double height, ArtPaint fill,
              ArtShape::Edges edges) {
    ArtShape shape;
    shape.kind = ArtShape::Kind::Rect;
    shape.x = x;
    shape.y = y;
    shape.width = width;
    shape.height = height;
    shape.fill = std::move(fill);
    shape.edges = edges;
    return shape;
}

ArtShape ellipse(ArtPoint centre, double radius, ArtPaint fill, ArtStroke stroke = {}) {
    ArtShape shape;
    shape.kind = ArtShape::Kind::Ellipse;
    shape.x = centre.x - radius;
    shape.y = centre.y - radius;
    shape.width = 2 * radius;
    shape.height = 2 * radius;
    shape.fill = std::move(fill);
    shape.stroke = stroke;
    return shape;
}

ArtShape path(std::vector<PathStep> steps, ArtStroke stroke) {
    ArtShape shape;
    shape.kind = ArtShape::Kind::Path;
    shape.path = std::move(steps);
    shape.stroke = stroke;
    return shape;
}

ArtShape text(std::string label, ArtPoint centre, double size, Rgba colour,
              ArtShape::TextCentre centring, double fitWidth) {
    ArtShape shape;
    shape.kind = ArtShape::Kind::Text;
    shape.x = centre.x;
    shape.y = centre.y;
    shape.text = std::move(label);
    shape.textSize = size;
    shape.fill = ArtPaint::solid(colour);
    shape.centre = centring;
    shape.fitWidth = fitWidth;
    return shape;
}

// A digit in the middle of a small disc, centred by its ink.
ArtShape centredDigit(int digit, ArtPoint centre, double size) {
    return text(std::to_string(digit), centre, size, kWhite, ArtShape::TextCentre::Ink, 0);
}

PathStep moveTo(double x, double y) {
    return {PathStep::Kind::Move, {x, y}, {}, {}};
}

PathStep lineTo(double x, double y) {
    return {PathStep::Kind::Line, {x, y}, {}, {}};
}

// Small deterministic generator for the wood grain, so that every run paints the same neck.
class Grain {
  public:
    explicit Grain(std::uint32_t seed) : state_(seed) {}
    double next() { // uniform in [0, 1)
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

  private:
    std::uint32_t state_;
};

// ---------------------------------------------------------------- chord diagram pictures

constexpr std::array<int, 6> kGridStringX{0, 11, 22, 33, 44, 55};
constexpr std::array<int, 5> kGridFretY{18, 34, 50, 66, 82};
constexpr int kGridWidth = 56;
constexpr int kGridHeight = 83;

// One-unit lines on whole device pixels, so that every line is equally thick.
ArtPicture grid(Rgba background, Rgba ink) {
    constexpr auto kPixels = ArtShape::Edges::DevicePixels;
    ArtPicture picture{kGridWidth, kGridHeight, false, {}};
    picture.shapes.push_back(
        rect(0, 0, kGridWidth, kGridHeight, ArtPaint::solid(background), ArtShape::Edges::Sharp));
    // The strings end on the last fret.
    for (int x : kGridStringX)
        picture.shapes.push_back(rect(x, 0, 1, kGridHeight, ArtPaint::solid(ink), kPixels));
    picture.shapes.push_back(rect(0, 0, kGridWidth, 3, ArtPaint::solid(ink), kPixels)); // the nut
    for (int y : kGridFretY)
        picture.shapes.push_back(rect(0, y, kGridWidth, 1, ArtPaint::solid(ink), kPixels));
    return picture;
}

ArtPicture fingerMark(int digit) {
    return {
        9,
        9,
        false,
        {ellipse({4.5, 4.5}, 4.5, ArtPaint::solid(kBlack)), centredDigit(digit, {4.5, 4.5}, 8)}};
}

ArtPicture barSegment() {
    // Segments overlap along a bar, so only its two ends show the rounding.
    ArtShape bar = rect(0, 0, 15, 4, ArtPaint::solid(kBlack), ArtShape::Edges::Smooth);
    bar.radius = 1.6;
    return {15, 4, false, {bar}};
}

ArtPicture stringMark(Artwork mark) {
    ArtPicture picture{6, 6, false, {}};
    switch (mark) {
    case Artwork::omin1:
        picture.shapes.push_back(ellipse({3, 3}, 3, ArtPaint::solid(kBlack)));
        break;
    case Artwork::omin2:
        picture.shapes.push_back(ellipse({3, 3}, 2.45, ArtPaint::solid(kWhite), {kBlack, 1.1}));
        break;
    default: // the cross of a muted string
        picture.shapes.push_back(
            path({moveTo(0.75, 0.75), lineTo(5.25, 5.25), moveTo(5.25, 0.75), lineTo(0.75, 5.25)},
                 {kBlack, 1.3, true}));
        break;
    }
    return picture;
}

// ---------------------------------------------------------------- neck pictures

constexpr int kNeckWidth = 625;
constexpr int kNeckHeight = 85;
constexpr int kNutEnd = 9; // last pixel column of the nut
constexpr std::array<int, 24> kFretWireX{59,  104, 144, 180, 213, 245, 275, 303,
                                         329, 355, 380, 403, 425, 446, 467, 487,
                                         507, 527, 546, 563, 579, 594, 607, 619};
// Pixel row of each string, string 0 (lowest) first: the highest string is at the top.
constexpr std::array<int, 6> kNeckStringY{76, 62, 48, 34, 20, 7};

void addWoodGrain(ArtPicture& neck, std::uint32_t seed, Rgba light, Rgba dark) {
    Grain grain(seed);
    for (int i = 0; i < 110; ++i) {
        const double y = grain.between(0.5, kNeckHeight - 0.5);
        const double x0 = grain.between(-120, kNeckWidth - 20);
        const double length = grain.between(80, 320);
        Rgba colour = grain.next() < 0.45 ? light : dark;
        colour.alpha = static_cast<std::uint8_t>(colour.alpha * grain.between(0.5, 1.0));
        const double rise1 = grain.between(-1.4, 1.4);
        const double rise2 = grain.between(-1.4, 1.4);
        const double rise3 = grain.between(-1.0, 1.0);
        PathStep curve{PathStep::Kind::Cubic,
                       {x0 + length, y + rise3},
                       {x0 + length / 3, y + rise1},
                       {x0 + 2 * length / 3, y + rise2}};
        neck.shapes.push_back(path({moveTo(x0, y), curve}, {colour, grain.between(0.35, 1.1)}));
    }
}

void addPositionDot(ArtPicture& neck, ArtPoint centre) {
    neck.shapes.push_back(ellipse(
        centre, 3.8,
        ArtPaint::radial(centre, 4.0, {centre.x - 1.2, centre.y - 1.2},
                         {{0.0, {255, 253, 246}}, {0.6, {228, 222, 206}}, {1.0, {186, 178, 160}}}),
        {{0, 0, 0, 90}, 0.6}));
}

void addPositionDots(ArtPicture& neck) {
    const auto spaceCentre = [](int fret) {
        const int left = fret == 1 ? kNutEnd : kFretWireX[fret - 2];
        return (left + kFretWireX[fret - 1] + 1) / 2.0;
    };
    for (int fret : {3, 5, 7, 9, 15, 17, 19, 21})
        addPositionDot(neck, {spaceCentre(fret), 42}); // between strings 2 and 3
    for (int fret : {12, 24}) {
        addPositionDot(neck, {spaceCentre(fret), 28}); // between strings 3 and 4
        addPositionDot(neck, {spaceCentre(fret), 56}); // between strings 1 and 2
    }
}

ArtShape sharpRect(double x, double y, double width, double height, ArtPaint fill) {
    return rect(x, y, width, height, std::move(fill), ArtShape::Edges::Sharp);
}

void addFretWires(ArtPicture& neck, Rgba crown, Rgba flank) {
    for (int x : kFretWireX) {
        neck.shapes.push_back(sharpRect(x - 1, 0, 1, kNeckHeight, ArtPaint::solid(flank)));
        neck.shapes.push_back(sharpRect(x, 0, 1, kNeckHeight, ArtPaint::solid(crown)));
        if (x + 1 < kNeckWidth)
            neck.shapes.push_back(
                sharpRect(x + 1, 0, 1, kNeckHeight, ArtPaint::solid({0, 0, 0, 95})));
    }
}

void addNut(ArtPicture& neck) {
    neck.shapes.push_back(
        sharpRect(0, 0, kNutEnd + 1, kNeckHeight,
                  ArtPaint::linear(
                      {0, 0}, {kNutEnd + 1, 0},
                      {{0.0, {214, 204, 178}}, {0.35, {248, 243, 228}}, {1.0, {218, 208, 182}}})));
    neck.shapes.push_back(
        sharpRect(kNutEnd + 1, 0, 1, kNeckHeight, ArtPaint::solid({0, 0, 0, 120})));
}

void addBoardEdges(ArtPicture& neck, Rgba binding) {
    neck.shapes.push_back(sharpRect(0, 0, kNeckWidth, 1, ArtPaint::solid(binding)));
    neck.shapes.push_back(sharpRect(0, kNeckHeight - 1, kNeckWidth, 1, ArtPaint::solid(binding)));
    neck.shapes.push_back(sharpRect(0, 1, kNeckWidth, 1, ArtPaint::solid({0, 0, 0, 70})));
    neck.shapes.push_back(
        sharpRect(0, kNeckHeight - 2, kNeckWidth, 1, ArtPaint::solid({0, 0, 0, 70})));
}

// The soft shadow of a string on the board below it.
void addStringShadow(ArtPicture& neck, double centre, double width, std::uint8_t alpha) {
    neck.shapes.push_back(rect(kNutEnd + 1, centre + width / 2 + 0.4, kNeckWidth - kNutEnd - 1, 1.0,
                               ArtPaint::solid({0, 0, 0, alpha}), ArtShape::Edges::Smooth));
}

// A plain string: a light line, shaded from `light` above to `dark` below when it is thick
// enough to show it, over its shadow.
void addPlainString(ArtPicture& neck, int row, double width, Rgba colour, Rgba light, Rgba dark) {
    const double centre = row + 0.5;
    addStringShadow(neck, centre, width, 80);
    const double top = centre - width / 2;
    neck.shapes.push_back(
        rect(0, top, kNeckWidth, width,
             width > 1.2 ? ArtPaint::linear({0, top}, {0, top + width}, {{0.0, light}, {1.0, dark}})
                         : ArtPaint::solid(colour),
             ArtShape::Edges::Smooth));
}

// A wound string: copper with the slanted turns of its winding.
void addWoundString(ArtPicture& neck, int row, double width) {
    const double centre = row + 0.5;
    const double top = centre - width / 2;
    addStringShadow(neck, centre, width, 90);
    neck.shapes.push_back(rect(
        0, top, kNeckWidth, width,
        ArtPaint::linear({0, top}, {0, top + width},
                         {{0.0, {246, 190, 128}}, {0.45, {200, 124, 62}}, {1.0, {120, 66, 28}}}),
        ArtShape::Edges::Smooth));
    std::vector<PathStep> turns;
    for (double x = 0; x < kNeckWidth; x += 1.8) {
        turns.push_back(moveTo(x, top));
        turns.push_back(lineTo(x + 1.1, top + width));
    }
    neck.shapes.push_back(path(std::move(turns), {{92, 46, 16, 150}, 0.5}));
}

ArtPicture neck(bool electric) {
    ArtPicture picture{kNeckWidth, kNeckHeight, true, {}};
    const std::vector<ColourStop> board =
        electric
            ? std::vector<ColourStop>{{0.0, {46, 36, 32}}, {0.5, {28, 22, 20}}, {1.0, {42, 33, 29}}}
            : std::vector<ColourStop>{
                  {0.0, {96, 58, 38}}, {0.5, {68, 41, 27}}, {1.0, {88, 53, 35}}};
    picture.shapes.push_back(sharpRect(0, 0, kNeckWidth, kNeckHeight,
                                       ArtPaint::linear({0, 0}, {0, kNeckHeight}, board)));
    if (electric) // ebony
        addWoodGrain(picture, 0x5eedu, {150, 130, 115, 22}, {0, 0, 0, 60});
    else // rosewood
        addWoodGrain(picture, 0xa11ceu, {196, 140, 100, 34}, {24, 12, 6, 70});
    addBoardEdges(picture, electric ? Rgba{236, 230, 212} : Rgba{120, 78, 52});
    addPositionDots(picture);
    if (electric)
        addFretWires(picture, {236, 236, 232}, {150, 150, 146});
    else
        addFretWires(picture, {226, 220, 204}, {150, 140, 120});
    addNut(picture);

    if (electric) {
        constexpr std::array<double, 3> kPlainWidth{1.5, 1.2, 1.0}; // strings 3, 4, 5
        constexpr std::array<double, 3> kWoundWidth{2.8, 2.4, 2.0}; // strings 0, 1, 2
        for (int s = 0; s < 3; ++s) addWoundString(picture, kNeckStringY[s], kWoundWidth[s]);
        for (int s = 3; s < 6; ++s)
            addPlainString(picture, kNeckStringY[s], kPlainWidth[s - 3], {226, 229, 234},
                           {253, 254, 255}, {192, 194, 198});
    } else {
        // Nylon: bass strings silvery, trebles the colour of clear nylon.
        constexpr std::array<double, 6> kWidth{2.6, 2.2, 1.8, 1.6, 1.3, 1.0};
        for (int s = 0; s < 6; ++s) {
            if (s < 3)
                addPlainString(picture, kNeckStringY[s], kWidth[s], {222, 222, 216},
                               {249, 249, 242}, {188, 188, 183});
            else
                addPlainString(picture, kNeckStringY[s], kWidth[s], {242, 236, 220},
                               {255, 253, 248}, {205, 200, 186});
        }
    }
    return picture;
}

// A blue ball on the neck in a box `width` x 12, with its finger number when it has one
// (0: none).
ArtPicture ball(int width, int digit) {
    // A mark's top edge is six pixels above its string, so the ball sits a little below the
    // middle of its box to lie on the string.
    constexpr double kRadius = 5.2; // and a 0.8 outline
    const ArtPoint centre{width / 2.0, 6.2};
    ArtPicture picture{width, 12, false, {}};
    picture.shapes.push_back(ellipse(
        centre, kRadius,
        ArtPaint::radial(centre, kRadius, {centre.x - kRadius * 0.38, centre.y - kRadius * 0.42},
                         {{0.0, {150, 198, 255}}, {0.45, {42, 112, 226}}, {1.0, {14, 52, 152}}}),
        {{6, 26, 88}, 0.8}));
    if (digit > 0) picture.shapes.push_back(centredDigit(digit, centre, 9));
    return picture;
}

ArtPicture buildPicture(Artwork artwork) {
    switch (artwork) {
    case Artwork::braco:
        return grid({252, 252, 252}, kBlack);
    case Artwork::braco2:
        return grid({236, 233, 216}, {18, 18, 12});
    case Artwork::dedo1:
        return fingerMark(1);
    case Artwork::dedo2:
        return fingerMark(2);
    case Artwork::dedo3:
        return fingerMark(3);
    case Artwork::dedo4:
        return fingerMark(4);
    case Artwork::dedo6:
        return barSegment();
    case Artwork::omin1:
    case Artwork::omin2:
    case Artwork::x:
        return stringMark(artwork);
    case Artwork::ImageBracoEletrico:
        return neck(false);
    case Artwork::Image5:
        return neck(true);
    case Artwork::d0:
        return ball(12, 0);
    case Artwork::d1:
        return ball(13, 1);
    case Artwork::d2:
        return ball(13, 2);
    case Artwork::d3:
        return ball(13, 3);
    case Artwork::d4:
        return ball(13, 4);
    }
    return {};
}

constexpr int kArtworkCount = static_cast<int>(Artwork::d4) + 1;

// ---------------------------------------------------------------- labelled marks

constexpr int kDiscSize = 11;
constexpr int kCaptionWidth = 16;
constexpr int kCaptionHeight = 8;

// Longer labels get smaller letters: one character fills the disc, three ("b13") still fit.
double discTextSize(const std::string& label) {
    switch (label.size()) {
    case 0:
    case 1:
        return 8;
    case 2:
        return 7;
    default:
        return 6;
    }
}

} // namespace

const ArtPicture& artworkPicture(Artwork artwork) {
    static const std::array<ArtPicture, kArtworkCount> pictures = [] {
        std::array<ArtPicture, kArtworkCount> all;
        for (int a = 0; a < kArtworkCount; ++a) all[a] = buildPicture(static_cast<Artwork>(a));
        return all;
    }();
    return pictures[static_cast<int>(artwork)];
}

ArtPicture labelledMarkPicture(const std::string& label) {
    constexpr double kMiddle = kDiscSize / 2.0;
    return {kDiscSize,
            kDiscSize,
            false,
            {ellipse({kMiddle, kMiddle}, kMiddle, ArtPaint::solid(kBlack)),
             text(label, {kMiddle, kMiddle}, discTextSize(label), kWhite,
                  ArtShape::TextCentre::Advance, kDiscSize - 1.5)}};
}

ArtPicture stringCaptionPicture(const std::string& label) {
    return {kCaptionWidth,
            kCaptionHeight,
            false,
            {text(label, {kCaptionWidth / 2.0, kCaptionHeight / 2.0}, 7, kBlack,
                  ArtShape::TextCentre::Advance, kCaptionWidth)}};
}

PixelPoint labelledMarkCorner(int x, int y) {
    return {x - 1, y - 1};
}

PixelPoint stringCaptionCorner(int x, int y) {
    // Centred under the 6-unit mark, a unit below it.
    return {x + 3 - kCaptionWidth / 2, y + 7};
}

} // namespace tambrel
