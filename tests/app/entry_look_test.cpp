// The chord entry as the keyboard and the eye meet it: where the focus is, and chord names
// that fit their list.
#include <QDir>
#include <QScrollBar>

#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

class EntryLook : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // Three times the size, pixel for pixel, so that a dotted line can be seen.
    void save(QWidget* widget, const QString& name) {
        QDir().mkpath(QStringLiteral(TAMBREL_SCREENSHOT_DIR));
        const QImage shot = widget->grab().toImage();
        EXPECT_TRUE(shot.scaled(shot.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                        .save(QStringLiteral(TAMBREL_SCREENSHOT_DIR "/%1.png").arg(name)));
    }

    // Where the list shows its focus: the pixels that change when it takes the focus, and how
    // many of them change plainly (in brightness, not by a shade).
    static QRect focusChange(QAbstractItemView* list, int& plain) {
        list->clearFocus();
        settle();
        const QImage without = list->viewport()->grab().toImage();
        list->setFocus(Qt::TabFocusReason);
        settle();
        EXPECT_TRUE(list->hasFocus());
        const QImage with = list->viewport()->grab().toImage();
        QRect changed;
        plain = 0;
        for (int y = 0; y < with.height(); ++y) {
            for (int x = 0; x < with.width(); ++x) {
                if (with.pixel(x, y) == without.pixel(x, y)) continue;
                changed |= QRect(x, y, 1, 1);
                if (std::abs(qGray(with.pixel(x, y)) - qGray(without.pixel(x, y))) >= 80) ++plain;
            }
        }
        return changed;
    }
};

TEST_F(EntryLook, KeyboardFocusShowsOnTheCurrentRow) {
    pressRow("StringGridAcorde", 4);
    pressRow("StringGridBaixo", 7);
    const char* names[] = {"StringGridAcorde", "StringGridBaixo", "CheckListBox1", "StringGrid1"};
    for (const char* name : names) {
        if (QString::fromLatin1(name) == QStringLiteral("StringGrid1")) click("SpeedButton8");
        auto* list = find<QAbstractItemView>(name);
        // A list that nothing was chosen in yet takes its first item as current with the focus.
        if (!list->currentIndex().isValid()) list->setFocus(Qt::TabFocusReason);
        const QModelIndex index = list->currentIndex();
        const QRect current = list->visualRect(index).united(list->visualRect(
                                  index.siblingAtColumn(list->model()->columnCount() - 1))) &
                              list->viewport()->rect();
        ASSERT_TRUE(current.isValid()) << name;
        int plain = 0;
        const QRect changed = focusChange(list, plain);
        // A mark all around the current row, and nothing elsewhere.
        EXPECT_FALSE(changed.isEmpty()) << name;
        EXPECT_TRUE(current.adjusted(-1, -1, 1, 1).contains(changed)) << name;
        EXPECT_GE(changed.height(), current.height() - 2) << name;
        EXPECT_GE(changed.width(), current.width() - 4) << name;
        // A dotted frame darkens or lightens every other pixel of its line.
        EXPECT_GE(plain, (current.width() + current.height()) / 2) << name;
        save(find<QWidget>("PanelMenuTopo"), QStringLiteral("focus-%1").arg(name));
    }
}

TEST_F(EntryLook, TabWalksThroughTheChordEntry) {
    find<QLineEdit>("EditAcorde")->setFocus(Qt::TabFocusReason);
    std::vector<QString> reached;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.push_back(QApplication::focusWidget()->objectName());
    }
    for (const char* name : {"StringGridAcorde", "CheckListBox1", "StringGridBaixo", "ListBox1"})
        EXPECT_NE(std::find(reached.begin(), reached.end(), QString::fromLatin1(name)),
                  reached.end())
            << name;
}

TEST_F(EntryLook, TheNamesOfCMajorFitTheList) {
    auto* names = find<QListWidget>("ListBox1");
    ASSERT_TRUE(
        names->findItems(QStringLiteral("Gadd11/add13/C (no3) (no5)"), Qt::MatchExactly).size() ==
        1);
    // A window with room beside its panels widens the chord column first; also in a low window,
    // where the list scrolls up and down.
    for (const QSize size :
         {QSize(1100, 700), QSize(1280, 800), QSize(1920, 1080), QSize(1280, 420)}) {
        resizeWindow(size);
        EXPECT_FALSE(names->horizontalScrollBar()->isVisible()) << size.width();
    }
    save(find<QWidget>("Panel1"), QStringLiteral("chord-names"));
}

} // namespace
} // namespace tambrel::testing
