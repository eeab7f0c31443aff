// The About box, closing the window and resizing it.
#include <QDesktopServices>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "app/Unitabout.h"
#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

// Receives the addresses the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened << url; }
};

class Lifecycle : public WindowTest {
  protected:
    // Chooses "&About" and closes the box with its close box once it is up; returns the
    // modal window that was shown.
    QWidget* showAndCloseAbout() {
        QWidget* shownBox = nullptr;
        QTimer::singleShot(0, [&] {
            shownBox = QApplication::activeModalWidget();
            if (shownBox != nullptr) {
                EXPECT_TRUE(shownBox->isVisible());
                shownBox->close();
            }
        });
        find<QAction>("Sobre1")->trigger();
        settle();
        return shownBox;
    }
};

TEST_F(Lifecycle, AboutBoxShowsTwiceAndLeavesTheWindowUnchanged) {
    clickTension(15);
    clickCanvas(150, 60);
    const std::string symbol = state().editAcorde.bytes();
    const std::vector<int> highlighted = state().highlighted;

    TForm2* about = form->aboutBox();
    EXPECT_EQ(showAndCloseAbout(), about);
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(showAndCloseAbout(), about);
    EXPECT_FALSE(about->isVisible());

    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Tambrel"));
    EXPECT_EQ(about->size(), QSize(209, 136));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_TRUE(about->windowFlags() & Qt::Tool);
    EXPECT_TRUE(about->findChild<QLabel*>("Label1")->text().contains(QStringLiteral("Tambrel")));
    EXPECT_TRUE(about->findChild<QLabel*>("Label1")->text().contains(QStringLiteral("1.0")));
    EXPECT_EQ(about->findChild<QWidget*>("Image1")->geometry(), QRect(0, 0, 209, 41));

    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(state().editAcorde, symbol);
    EXPECT_EQ(state().highlighted, highlighted);
    expectShowsModel();
}

TEST_F(Lifecycle, AboutBoxLinkOpensTheWebPage) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    auto* link = form->aboutBox()->findChild<QLabel*>("Label3");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(link->font().underline());
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0], TForm2::webPage());
}

// Runs the application's event loop until it ends by itself, as it does when the last
// window closes; `action` runs once the loop is going. False when it had to be stopped.
bool eventLoopEndsAfter(const std::function<void()>& action) {
    bool stoppedByTimeout = false;
    // The timers die with this object, so none of them fires into a later test.
    QObject scope;
    QTimer::singleShot(0, &scope, action);
    QTimer::singleShot(5000, &scope, [&] {
        stoppedByTimeout = true;
        QApplication::exit(1);
    });
    const int code = QApplication::exec();
    return code == 0 && !stoppedByTimeout;
}

TEST_F(Lifecycle, CloseFromTheMenuEndsTheProgram) {
    EXPECT_TRUE(eventLoopEndsAfter([&] { find<QAction>("Sair1")->trigger(); }));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Lifecycle, CloseBoxEndsTheProgramTheSameWay) {
    // What the window's own close box does.
    EXPECT_TRUE(eventLoopEndsAfter([&] { form->close(); }));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Lifecycle, ResizeLaysTheDiagramsOutForTheNewWidth) {
    const auto diagrams = model().diagramFretLists();
    clickCanvas(150, 60);
    form->setWindowState(Qt::WindowNoState);
    form->resize(1000, 700);
    settle();
    const int width = find<QScrollArea>("ScrollBoxViolao")->viewport()->width();
    EXPECT_EQ(state().canvasWidth, width);
    EXPECT_EQ(state().columns, width / 100);
    EXPECT_EQ(model().diagramFretLists(), diagrams);
    // The search ran again: the selection is gone from the canvas.
    EXPECT_TRUE(state().highlighted.empty());
    expectShowsModel();

    // A taller window leaves the layout, and the selection, alone.
    clickCanvas(150, 60);
    form->resize(1000, 760);
    settle();
    EXPECT_EQ(state().highlighted, std::vector<int>{1});
}

} // namespace
} // namespace tambrel::testing

#include "lifecycle_test.moc"
