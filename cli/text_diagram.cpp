#include "cli/text_diagram.h"

#include "display/fingering.h"

#include <algorithm>
#include <array>

namespace tambrel {

namespace {

constexpr int kIndent = 5; // room for the base fret, "12fr" at most

} // namespace

std::vector<std::string> textDiagram(const Fretting& frets, bool leftHanded) {
    const Fingering fingering = fingeringOf(frets);
    const int base = fingering.baseFret;

    // The five fret rows as a character grid; a barre shows the finger number it takes on
    // every string it crosses, joined by dashes.
    std::array<std::array<char, kStringCount>, kDiagramFrets> cells{};
    std::array<std::array<int, kStringCount>, kDiagramFrets> barreOf{}; // 0: no barre
    for (int i = 0; i < fingering.placementCount; ++i) {
        const FingerPlacement& p = fingering.placements[i];
        const int row = p.fret - base;
        if (row >= kDiagramFrets) break;
        if (!p.barre) {
            if (p.finger <= 4)
                cells[row][diagramColumn(p.strings[0], leftHanded)] =
                    static_cast<char>('0' + p.finger);
            continue;
        }
        const char mark = p.finger <= 4 ? static_cast<char>('0' + p.finger) : '#';
        for (int k = 0; k < p.stringCount; ++k) {
            const int column = diagramColumn(p.strings[k], leftHanded);
            cells[row][column] = mark;
            barreOf[row][column] = i + 1;
        }
    }

    const std::string indent(kIndent, ' ');
    std::string marks = indent;
    for (int c = 0; c < kStringCount; ++c) {
        const int v = frets.fret(diagramColumn(c, leftHanded));
        marks += v == kMuted ? 'X' : (v == 0 ? 'O' : ' ');
        if (c < kStringCount - 1) marks += ' ';
    }
    std::vector<std::string> lines{marks, indent + (base == 1 ? "===========" : "-----------")};
    for (int r = 0; r < kDiagramFrets; ++r) {
        std::string line = indent;
        for (int c = 0; c < kStringCount; ++c) {
            line += cells[r][c] ? cells[r][c] : '|';
            if (c < kStringCount - 1) {
                const bool joined = barreOf[r][c] != 0 && barreOf[r][c] == barreOf[r][c + 1];
                line += joined ? '-' : ' ';
            }
        }
        if (r == 0 && base != 1) {
            std::string label = std::to_string(base) + "fr";
            label.resize(kIndent, ' ');
            line.replace(0, kIndent, label);
        }
        lines.push_back(line);
    }
    return lines;
}

std::string textDiagramRows(const std::vector<Fretting>& voicings, bool leftHanded, int width) {
    constexpr int kGap = 3;
    const int blockWidth = kIndent + 2 * kStringCount - 1;
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
