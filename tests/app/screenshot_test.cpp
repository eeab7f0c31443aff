// Pictures of the whole window, kept under the build tree for a person to look at.
#include <QDir>

#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

class Screenshots : public WindowTest {
  protected:
    // A common laptop screen.
    void SetUp() override {
        WindowTest::SetUp();
        form->setWindowState(Qt::WindowNoState);
        form->resize(1280, 800);
        settle();
    }

    QString save(const char* name) {
        QDir().mkpath(QStringLiteral(TAMBREL_SCREENSHOT_DIR));
        QString path = QStringLiteral(TAMBREL_SCREENSHOT_DIR "/%1.png").arg(name);
        const QImage picture = form->grab().toImage();
        EXPECT_EQ(picture.size(), QSize(1280, 800));
        EXPECT_TRUE(picture.save(path)) << path.toStdString();
        return path;
    }
};

TEST_F(Screenshots, AfterStartAndAfterAClickOnADiagram) {
    // The resize laid the diagrams out for the new width.
    EXPECT_EQ(state().canvasWidth, find<QScrollArea>("ScrollBoxViolao")->viewport()->width());
    save("start");

    // The fourth diagram of C major, with its highlight, its text and the neck.
    clickCanvas(350, 60);
    ASSERT_EQ(state().highlighted, std::vector<int>{3});
    save("click");

    // A fuller picture: a slash chord with flats, the chord-type list and the electric neck.
    click("SpeedButton9");
    pressRow("StringGridAcorde", 10);
    pressRow("StringGridBaixo", 8);
    click("SpeedButton8");
    pressRow("StringGrid1", 15);
    click("SpeedButton11");
    click("CheckBoxCanhoto");
    clickCanvas(150, 60);
    settle();
    EXPECT_EQ(find<QLineEdit>("EditAcorde")->text(), QStringLiteral("Bb7/Ab"));
    save("slash-chord");
}

} // namespace
} // namespace tambrel::testing
