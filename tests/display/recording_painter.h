#pragma once
// A DiagramPainter that writes down what it is asked to draw.
#include <ostream>
#include <string>
#include <vector>

#include "display/diagram_painter.h"

namespace tambrel::testing {

struct Drawn {
    std::string what; // the artwork's name, or "text:" and the text
    int x = 0;
    int y = 0;
    bool operator==(const Drawn&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Drawn& d) {
    return out << d.what << "@(" << d.x << "," << d.y << ")";
}

class RecordingPainter : public DiagramPainter {
  public:
    void drawArtwork(Artwork artwork, int x, int y) override {
        calls.push_back({std::string(artworkName(artwork)), x, y});
    }
    void drawText(const std::string& text, int x, int y) override {
        calls.push_back({"text:" + text, x, y});
    }
    void drawLabelledMark(const std::string& label, int x, int y) override {
        calls.push_back({"mark:" + label, x, y});
    }
    void drawStringCaption(const std::string& label, int x, int y) override {
        calls.push_back({"caption:" + label, x, y});
    }

    // The calls that drew `what`, in order.
    std::vector<Drawn> of(const std::string& what) const {
        std::vector<Drawn> found;
        for (const Drawn& d : calls)
            if (d.what == what) found.push_back(d);
        return found;
    }
    // The calls that drew any of the names starting with `prefix`.
    std::vector<Drawn> startingWith(const std::string& prefix) const {
        std::vector<Drawn> found;
        for (const Drawn& d : calls)
            if (d.what.rfind(prefix, 0) == 0) found.push_back(d);
        return found;
    }

    std::vector<Drawn> calls;
};

} // namespace tambrel::testing
