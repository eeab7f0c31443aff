#pragma once
// The results canvas: one chord diagram per cell of the results layout (results_layout.h). Only
// the cells that a paint event exposes are painted, from the list of cells and their styles;
// nothing of the canvas is kept as a bitmap.
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "display/dot_labels.h"
#include "music/fretboard.h"
#include "music/fretting.h"

namespace tambrel {

class ResultsCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit ResultsCanvas(QWidget* parent = nullptr);

    // The cells of the last layout, in display order (cell k at column k % columns, row
    // k / columns, corner (100*col, 130*row)); highlighted: indices drawn in the highlighted
    // style. A column count below 1 lays the cells out in one column.
    void showResults(const std::vector<Fretting>& cells, int columns, int canvasWidth,
                     int canvasHeight, const std::vector<int>& highlighted, bool leftHanded);

    // What the finger marks carry, and the notes to name them by; finger numbers at start.
    void showDotLabels(DotLabels labels, const DiagramNotes& notes);
    DotLabels dotLabels() const { return labels_; }

    const std::vector<Fretting>& cells() const { return cells_; }
    int columns() const { return columns_; }
    bool isHighlighted(int index) const;
    bool leftHanded() const { return leftHanded_; }
    // The canvas rectangle of cell `index`.
    QRect cellRect(int index) const;

    // The small mark of the easiest diagram, on that cell or on none.
    void markEasiest(std::optional<int> index);
    std::optional<int> markedEasiest() const { return marked_; }
    // Where the tooltip of a diagram comes from: its index in, the text out.
    void setToolTipSource(std::function<QString(int)> source) {
        toolTipSource_ = std::move(source);
    }
    // The tooltip shown over canvas point (x, y): its diagram's text, or none off the diagrams.
    QString toolTipAt(int x, int y) const;

  signals:
    // A mouse button was released at (x, y) in canvas pixels, any button.
    void released(int x, int y);
    // After `released` for the right button: where to open the canvas's menu, on the screen,
    // and the release point in canvas pixels.
    void menuRequested(const QPoint& globalPosition, int x, int y);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::vector<Fretting> cells_;
    std::vector<bool> highlighted_; // one flag per cell
    int columns_ = 1;
    bool leftHanded_ = false;
    std::optional<int> marked_;
    std::function<QString(int)> toolTipSource_;
    DotLabels labels_ = DotLabels::Fingers;
    DiagramNotes notes_;
};

} // namespace tambrel
