#include "text_diagram.h"

#include "chord_diagram.h"

#include <algorithm>

namespace tambrel {
namespace {

// Turns the drawn pictures back into cells of a character grid: string columns are 11 pixels
// apart from x = 21 (marks) or x = 18 (barre segments), fret rows 16 pixels apart from y = 11.
// A barre shows the finger number it takes on every string it crosses, joined by dashes.
class TextPainter : public DiagramPainter {
  public:
    static constexpr int kRows = 5;
    static constexpr int kIndent = 5; // room for the base fret, "12fr" at most

    void drawArtwork(Artwork artwork, int x, int y) override {
        const int row = (y - 11) / 16;
        if (artwork >= Artwork::dedo1 && artwork <= Artwork::dedo4) {
            finger_ = static_cast<int>(artwork) - static_cast<int>(Artwork::dedo1) + 1;
            barreRow_ = -1;
            put(row, (x - 21) / 11, static_cast<char>('0' + finger_), 0);
        } else if (artwork == Artwork::dedo6) {
            // Segments of one barre come one after another; anything else starts a new one.
            if (barreRow_ != row) {
                ++finger_;
                ++barreId_;
                barreRow_ = row;
            }
            put(row, (x - 18) / 11, finger_ <= 4 ? static_cast<char>('0' + finger_) : '#',
                barreId_);
        }
    }

    void drawText(const std::string& text, int, int) override { base_ = text; }

    std::vector<std::string> lines(const FretList& frets, bool leftHanded) const {
        const std::string indent(kIndent, ' ');
        std::string marks = indent;
        for (int c = 0; c < kStringCount; ++c) {
            const int v = frets[leftHanded ? 5 - c : c];
            marks += v == kMuted ? 'X' : (v == 0 ? 'O' : ' ');
            if (c < 5) marks += ' ';
        }
        std::vector<std::string> out{marks,
                                     indent + (base_ == "1" ? "===========" : "-----------")};
        for (int r = 0; r < kRows; ++r) {
            std::string line = indent;
            for (int c = 0; c < kStringCount; ++c) {
                line += cells_[r][c] ? cells_[r][c] : '|';
                if (c < 5) {
                    const bool joined = barres_[r][c] != 0 && barres_[r][c] == barres_[r][c + 1];
                    line += joined ? '-' : ' ';
                }
            }
            if (r == 0 && base_ != "1") {
                std::string label = base_ + "fr";
                label.resize(kIndent, ' ');
                line.replace(0, kIndent, label);
            }
            out.push_back(line);
        }
        return out;
    }

  private:
    void put(int row, int column, char mark, int barre) {
        if (row < 0 || row >= kRows || column < 0 || column >= kStringCount) return;
        cells_[row][column] = mark;
        barres_[row][column] = barre;
    }

    std::array<std::array<char, kStringCount>, kRows> cells_{};
    std::array<std::array<int, kStringCount>, kRows> barres_{};
    int finger_ = 0;
    int barreRow_ = -1;
    int barreId_ = 0;
    std::string base_ = "1";
};

} // namespace

std::vector<std::string> textDiagram(const FretList& frets, bool leftHanded) {
    TextPainter painter;
    drawChordDiagram(painter, frets, 0, 0, DiagramStyle::Normal, leftHanded);
    return painter.lines(frets, leftHanded);
}

std::string textDiagramRows(const std::vector<FretList>& voicings, bool leftHanded, int width) {
    constexpr int kGap = 3;
    const int blockWidth =
        static_cast<int>(textDiagram(FretList{0, 0, 0, 0, 0, 0}, false)[1].size());
    const int perRow = std::max(1, (width + kGap) / (blockWidth + kGap));
    std::string out;
    for (std::size_t first = 0; first < voicings.size(); first += perRow) {
        const std::size_t last = std::min(voicings.size(), first + perRow);
        std::vector<std::vector<std::string>> blocks;
        for (std::size_t i = first; i < last; ++i)
            blocks.push_back(textDiagram(voicings[i], leftHanded));
        for (std::size_t line = 0; line < blocks.front().size(); ++line) {
            std::string text;
            for (std::size_t b = 0; b < blocks.size(); ++b) {
                if (b > 0) text += std::string(kGap, ' ');
                std::string piece = blocks[b][line];
                piece.resize(blockWidth, ' ');
                text += piece;
            }
            while (!text.empty() && text.back() == ' ') text.pop_back();
            out += text + "\n";
        }
        if (last < voicings.size()) out += "\n";
    }
    return out;
}

} // namespace tambrel
