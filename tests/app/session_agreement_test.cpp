// The window and a headless script session given the same user actions end in the same state:
// the window forwards every event to the model and adds no behaviour of its own.
#include <QAction>
#include <QSlider>
#include <QToolButton>
#include <functional>

#include "session/script_session.h"
#include "session/session_json.h"
#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

class SessionAgreement : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        // The session's results area as wide as the window's.
        ASSERT_FALSE(session.execute("width " + std::to_string(state().canvasWidth)).has_value());
        midi.takeLog();
    }

    // One user action on both sides.
    void act(const std::string& command, const std::function<void()>& onWindow) {
        SCOPED_TRACE(command);
        onWindow();
        const std::optional<std::string> reply = session.execute(command);
        EXPECT_FALSE(reply.has_value()) << *reply;
    }

    void expectSameState(const char* where) {
        SCOPED_TRACE(where);
        const std::optional<std::string> headless = session.execute("state");
        ASSERT_TRUE(headless.has_value());
        EXPECT_EQ(sessionStateJson(form->model(), midi.takeLog()), *headless);
    }

    void searchSymbol(const QString& text) {
        typeSymbol(text);
        click("SpeedButton2");
    }

    void arrowKeys(const char* name, Qt::Key key, int times) {
        auto* widget = find<QWidget>(name);
        widget->setFocus();
        for (int i = 0; i < times; ++i) QTest::keyClick(widget, key);
    }

    ScriptSession session;
};

TEST_F(SessionAgreement, ChordEntry) {
    act("tick 15", [&] { clickTension(15); });
    act("tick 18", [&] { clickTension(18); });
    act("root 9", [&] { pressRow("StringGridAcorde", 9); });
    act("bass 4", [&] { pressRow("StringGridBaixo", 4); });
    expectSameState("after root and bass");
    act("tick 21", [&] { clickTension(21); }); // refused: the bass leaves no room
    act("flat bass", [&] { click("SpeedButton9"); });
    act("root 1", [&] { pressRow("StringGridAcorde", 1); });
    act("root 1", [&] { pressRow("StringGridAcorde", 1); });
    act("sharp root", [&] { click("SpeedButton5"); });
    expectSameState("after accidentals");
    act("symbol Bb7/Ab", [&] { searchSymbol(QStringLiteral("Bb7/Ab")); });
    expectSameState("after a typed symbol");
    act("view mod2", [&] { click("SpeedButton8"); });
    act("type 29", [&] { pressRow("StringGrid1", 29); });
    act("type 29", [&] { pressRow("StringGrid1", 29); });
    act("view mod1", [&] { click("SpeedButton7"); });
    act("tick 1", [&] { clickTension(1); });
    act("symbol Cº9", [&] { searchSymbol(QString::fromUtf8("C\u00BA9")); });
    expectSameState("after the chord-type list");
}

TEST_F(SessionAgreement, OptionsTuningSelectionAndSound) {
    act("fret 24", [&] { arrowKeys("ComboBox1", Qt::Key_Down, 2); });
    act("distance 3", [&] { arrowKeys("ComboBox2", Qt::Key_Up, 2); });
    act("omit5 on", [&] { click("CheckBoxOmit5"); });
    act("easy on", [&] { click("CheckBoxNSI"); });
    act("lefthand on", [&] { click("CheckBoxCanhoto"); });
    act("nobarre on", [&] { click("CheckBoxPestanas"); });
    expectSameState("after the options");
    act("easy off", [&] { click("CheckBoxNSI"); });
    act("omit5 off", [&] { click("CheckBoxOmit5"); });
    act("preset 7", [&] { find<QAction>("DropD1")->trigger(); });
    act("tuner 2 10", [&] { arrowKeys("TrackBar2", Qt::Key_Up, 1); });
    act("click 250 60", [&] { clickCanvas(250, 60); });
    expectSameState("after a tuner and a click");
    act("standard", [&] {
        auto* button = find<QToolButton>("ToolButton5");
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, button->height() / 2));
    });
    act("patch 0", [&] { arrowKeys("ComboBoxPatch", Qt::Key_Down, 1); });
    act("tempo 4", [&] { arrowKeys("TrackBarTempoAcorde", Qt::Key_Right, 2); });
    act("click 150 200", [&] { clickCanvas(150, 200); });
    act("click 150 200", [&] { clickCanvas(150, 200); });
    expectSameState("after the sound");
}

} // namespace
} // namespace tambrel::testing
