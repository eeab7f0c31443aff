// The window's layout wherever its panels have room, as on a common laptop's screen: every panel
// where it belongs, nothing scrolled. (The chord column is as wide as the chord names need.)
#include <QScrollBar>

#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

class Layout : public WindowTest {
  protected:
    // The place and size of `name` inside `parent`.
    QRect geometryIn(const char* name, const char* parent) const {
        QWidget* widget = find<QWidget>(name);
        return {widget->mapTo(find<QWidget>(parent), QPoint(0, 0)), widget->size()};
    }
};

TEST_F(Layout, ThePanelsStandWhereTheyAreDesigned) {
    for (const QSize size : {QSize(1100, 700), QSize(1280, 800)}) {
        resizeWindow(size);
        const std::string at = std::to_string(size.width()) + " x " + std::to_string(size.height());

        EXPECT_EQ(find<QWidget>("PanelBanner")->height(), 48) << at;
        EXPECT_EQ(geometryIn("PanelMenuTopo", "Panel1"),
                  QRect(6, 6, find<QWidget>("Panel1")->width() - 12, 251))
            << at;
        EXPECT_EQ(geometryIn("StringGridAcorde", "PanelMenuTopo"), QRect(0, 24, 33, 209)) << at;
        EXPECT_EQ(find<QWidget>("StringGridBaixo")->size(), QSize(33, 209)) << at;
        EXPECT_EQ(geometryIn("SpeedButton5", "PanelMenuTopo").topLeft(), QPoint(0, 234)) << at;
        EXPECT_EQ(geometryIn("ScrollBoxViolao", "PanelScrollBox").topLeft(), QPoint(6, 27)) << at;

        // The bottom panels, all in view.
        EXPECT_EQ(find<QWidget>("PanelBraco")->height(), 220) << at;
        EXPECT_EQ(geometryIn("PanelInfo", "PanelBraco"), QRect(6, 0, 185, 89)) << at;
        EXPECT_EQ(geometryIn("Panel4", "PanelBraco"), QRect(198, 0, 153, 90)) << at;
        EXPECT_EQ(geometryIn("Panel2", "PanelBraco"), QRect(358, 0, 139, 90)) << at;
        EXPECT_EQ(geometryIn("Panel6", "PanelBraco"), QRect(504, 0, 145, 89)) << at;
        EXPECT_EQ(geometryIn("Panel5", "PanelBraco"), QRect(6, 97, 643, 121)) << at;
        EXPECT_EQ(geometryIn("Image2", "Panel5"), QRect(9, 31, 625, 89)) << at;
        EXPECT_EQ(geometryIn("PanelNaming", "PanelBraco"), QRect(656, 97, 230, 121)) << at;
        auto* bottom = find<QScrollArea>("PanelBracoScroll");
        EXPECT_FALSE(bottom->horizontalScrollBar()->isVisible()) << at;
        EXPECT_EQ(bottom->height(), 220) << at;
    }
}

} // namespace
} // namespace tambrel::testing
