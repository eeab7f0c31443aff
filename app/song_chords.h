#pragma once
// The song's chords in order, one chord diagram each with its name above, wrapped to the width
// they are given: the chord sounding now drawn highlighted, the chord the panel's tools act on
// framed, a pinned chord marked with a pin. A click on a diagram is reported; what it does is
// the panel's.
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "music/fretting.h"

namespace tambrel {

struct SongChordCell {
    QString name;
    std::optional<Fretting> fingering; // none: the chord has no fingering
    bool pinned = false;
    friend bool operator==(const SongChordCell&, const SongChordCell&) = default;
};

class SongChords : public QWidget {
    Q_OBJECT
  public:
    // A cell: the name's band over a diagram's 100 x 130, with a margin either side.
    static constexpr int kCellWidth = 108;
    static constexpr int kNameHeight = 18;
    static constexpr int kCellHeight = kNameHeight + 130 + 4;

    explicit SongChords(QWidget* parent = nullptr);

    // Repaints only what changed.
    void showChords(const std::vector<SongChordCell>& cells, int playing, int selected,
                    bool leftHanded);
    // Lays the cells out in as many columns as `width` holds, and takes the height they need.
    void fitWidth(int width);
    // The cell under a point of the widget, -1 for none.
    int cellAt(QPoint at) const;
    // The top-left corner of cell `index`.
    QPoint cellOrigin(int index) const;
    int count() const { return static_cast<int>(cells_.size()); }

  signals:
    void clicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void fitCells();

    std::vector<SongChordCell> cells_;
    int playing_ = -1;
    int selected_ = -1;
    bool leftHanded_ = false;
    int width_ = kCellWidth;
    int columns_ = 1;
};

} // namespace tambrel
