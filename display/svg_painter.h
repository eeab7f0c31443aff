#pragma once
// A painter that writes SVG text, plain C++: each picture a drawing uses is described once in
// the document's <defs>, from its shapes (assets/artwork_shapes.h), and placed by <use>
// references; texts are <text> elements in the program's font. Draws the chord diagrams, the
// neck view and the sheet's cells, as the Qt painters do.
#include <map>
#include <string>
#include <string_view>

#include "assets/artwork_shapes.h"
#include "display/sheet_layout.h"

namespace tambrel {

class SvgPainter : public SheetPainter {
  public:
    void drawArtwork(Artwork artwork, int x, int y) override;
    // Black text on a white box, top-left corner at (x, y), as the canvas writes the base fret.
    void drawText(const std::string& text, int x, int y) override;
    void drawTextLeftOf(const std::string& text, int x, int y, int right) override;
    void drawLabelledMark(const std::string& label, int x, int y) override;
    void drawStringCaption(const std::string& label, int x, int y) override;
    // The name, centred in its band and shortened with an ellipsis when it does not fit.
    void drawCaption(const std::string& text, int left, int top, int width) override;

    // A group of what is drawn until endGroup(), moved to (x, y), with a title that a reader
    // program shows for it; an empty id or class is left out.
    void beginGroup(const std::string& id, const std::string& className, const std::string& title,
                    int x, int y);
    void endGroup();
    // A rectangle of one colour, (x, y) its top-left corner.
    void fillRect(int x, int y, int width, int height, Rgba colour);
    // A bold black text of `pixelSize` with its line box's top-left corner at (x, y).
    void drawHeading(const std::string& text, int x, int y, int pixelSize,
                     const std::string& className);

    // The document: `width` x `height` units, its title and description, the pictures used and
    // what was drawn.
    std::string document(int width, int height, const std::string& title,
                         const std::string& description) const;

  private:
    void use(const std::string& id, PixelPoint at);
    void openLine();
    void writeText(std::string_view className, double x, double y, int pixelSize, bool bold,
                   const std::string& text, std::string_view anchor = {});

    std::string body_;
    int depth_ = 1;
    // The pictures used, by id, in the order of their ids.
    std::map<std::string, ArtPicture, std::less<>> pictures_;
};

// `text` as XML character data: markup escaped, control characters and what is not UTF-8
// replaced, as XML has no place for them.
std::string xmlText(std::string_view text);

} // namespace tambrel
