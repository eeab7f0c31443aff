// The real window under thousands of seeded random actions: every control by mouse and keys,
// typed garbage, resizes, the menus and the About box, the results canvas, the neck and
// scrolling. After every action the window must still show the model's state.
//
// TAMBREL_MONKEY_SEED and TAMBREL_MONKEY_ACTIONS choose another run; a failure prints the seed
// and the last actions, and the same two values replay it. TAMBREL_MONKEY_TRACE=1 prints
// every action as it is made.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDockWidget>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWheelEvent>
#include <array>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "app/Unitabout.h"
#include "app/midi_output.h"
#include "tests/app/window_fixture.h"
#include "window/search_options.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAMBREL_MONKEY_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TAMBREL_MONKEY_SANITIZED 1
#endif
#ifdef TAMBREL_MONKEY_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// The last actions as text, kept ready for a crash: a signal handler or a sanitizer's death
// callback can only write out what is already there.
char lastActionsText[16384];
std::size_t lastActionsLength = 0;

void writeLastActions() {
    const char* next = lastActionsText;
    std::size_t left = lastActionsLength;
    while (left > 0) {
        const ssize_t written = ::write(STDERR_FILENO, next, left);
        if (written <= 0) return;
        next += written;
        left -= static_cast<std::size_t>(written);
    }
}

} // namespace

extern "C" void tambrelMonkeyCrashed(int signal) {
    writeLastActions();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

namespace tambrel::testing {
namespace {

constexpr std::uint64_t kDefaultSeed = 0x7A3B'2024;
constexpr std::uint64_t kDefaultActions = 10'000;
constexpr int kLoggedActions = 30;

// Reads a number from the environment; `fallback` when it is not set. False when it is set
// but is not a number, so that a mistyped replay does not quietly run another one.
bool environmentNumber(const char* name, std::uint64_t fallback, std::uint64_t& value) {
    const QByteArray text = qgetenv(name);
    value = fallback;
    if (text.isEmpty()) return true;
    bool ok = false;
    value = text.trimmed().toULongLong(&ok, 0);
    return ok;
}

// The offscreen platform says, for every menu and list it opens, what it cannot do (raise a
// window, grab the keyboard), and the fonts, for every script of typed text, that they lack
// its tables; everything else is passed on.
QtMessageHandler previousMessageHandler = nullptr;

void quietOffscreenPlatform(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    if (type == QtWarningMsg &&
        (message.startsWith(QLatin1String("This plugin does not support")) ||
         message.contains(QLatin1String("OpenType support missing"))))
        return;
    if (previousMessageHandler != nullptr) previousMessageHandler(type, context, message);
}

class Random {
  public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}
    // 0 .. n-1; the same sequence from the same seed with any standard library.
    int below(int n) {
        return n <= 1 ? 0 : static_cast<int>(engine_() % static_cast<std::uint64_t>(n));
    }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }
    template <typename T> const T& pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

  private:
    std::mt19937_64 engine_;
};

// The recent actions, each with what happened inside it (menus driven, boxes closed).
class ActionLog {
  public:
    void begin(int index, const std::string& what) {
        entries_.push_back("#" + std::to_string(index) + " " + what);
        if (entries_.size() > kLoggedActions) entries_.pop_front();
        if (trace_) std::fprintf(stderr, "%s\n", entries_.back().c_str());
        prepareCrashText();
    }
    void note(const std::string& detail) {
        if (entries_.empty()) entries_.emplace_back();
        entries_.back() += "; " + detail;
        if (trace_) std::fprintf(stderr, "    %s\n", detail.c_str());
        prepareCrashText();
    }
    void setHeader(const std::string& header) {
        header_ = header;
        prepareCrashText();
    }
    void setTrace(bool trace) { trace_ = trace; }
    bool tracing() const { return trace_; }
    std::string text() const { return std::string(lastActionsText, lastActionsLength); }

  private:
    void prepareCrashText() {
        std::string text = header_ + "\nLast actions, oldest first:\n";
        for (const std::string& entry : entries_) text += "  " + entry + "\n";
        lastActionsLength = std::min(text.size(), sizeof lastActionsText);
        std::copy_n(text.data(), lastActionsLength, lastActionsText);
    }

    std::deque<std::string> entries_;
    std::string header_;
    bool trace_ = false;
};

// An output with two devices to choose from that checks every message it is sent: a status
// of note-on or program change on channel 1, or a bare data byte under running status, and
// data bytes below 0x80.
class CheckingOutput : public MidiOutput {
  public:
    void shortMessage(std::uint32_t message) override {
        ++messages;
        if (!wellFormed(message) && badMessage == 0) badMessage = message;
    }
    void setVolume(std::uint32_t) override {}
    void pause(int milliseconds) override {
        if ((milliseconds < 1 || milliseconds > 1000) && badPause == 0) badPause = milliseconds;
    }
    std::vector<std::string> deviceNames() const override {
        return {"Built-in synthesiser", "Port A"};
    }
    int selectedDevice() const override { return selected; }
    void selectDevice(int index) override { selected = index; }

    static bool wellFormed(std::uint32_t message) {
        const std::uint32_t status = message & 0xFF;
        const std::uint32_t first = (message >> 8) & 0xFF;
        const std::uint32_t second = (message >> 16) & 0xFF;
        if ((message >> 24) != 0) return false;
        if (status < 0x80) return first == 0 && second == 0;
        if (status == 0xC0) return first < 0x80 && second == 0;
        return status == 0x90 && first < 0x80 && second < 0x80;
    }

    long messages = 0;
    std::uint32_t badMessage = 0;
    int badPause = 0;
    int selected = 0;
};

// Takes the addresses that the About box's link asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    int opened = 0;
  public slots:
    void open(const QUrl&) { ++opened; }
};

class Monkey;

// Answers whatever window pops up, modal or not, once its event loop runs: the About box,
// the error box, the menus.
class PopUpAnswerer : public QObject {
  public:
    explicit PopUpAnswerer(Monkey& monkey) : monkey_(monkey) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Monkey& monkey_;
};

class Monkey : public WindowTest {
  protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(output_);
        form->showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        settle();

        canvas_ = find<ResultsCanvas>("Image1");
        neck_ = find<NeckView>("Image2");
        scrollBox_ = find<QScrollArea>("ScrollBoxViolao");
        edit_ = find<QLineEdit>("EditAcorde");
        tensions_ = find<TensionList>("CheckListBox1");
        chordTypes_ = find<PickGrid>("StringGrid1");
        rootGrid_ = find<PickGrid>("StringGridAcorde");
        bassGrid_ = find<PickGrid>("StringGridBaixo");
        patch_ = find<QComboBox>("ComboBoxPatch");
        tuningButton_ = find<QToolButton>("ToolButton5");
        tuningMenu_ = find<QMenu>("PopupMenu1");
        tempo_ = find<QSlider>("TrackBarTempoAcorde");
        for (int n = 0; n < 6; ++n)
            tuners_[n] = find<QSlider>(QStringLiteral("TrackBar%1").arg(n + 1).toLatin1());
        for (int n = 0; n < 6; ++n)
            tunerLabels_[n] =
                find<QLabel>(QStringLiteral("lbAfinacaoCorda%1").arg(n + 1).toLatin1());
        combos_ = {find<QComboBox>("ComboBox1"), find<QComboBox>("ComboBox2"), patch_};
        checkBoxes_ = {find<QCheckBox>("CheckBoxOmit3"), find<QCheckBox>("CheckBoxOmit5"),
                       find<QCheckBox>("CheckBoxNSI"), find<QCheckBox>("CheckBoxCanhoto"),
                       find<QCheckBox>("CheckBoxPestanas")};
        for (const char* name : {"SpeedButton5", "SpeedButton6", "SpeedButton7", "SpeedButton8",
                                 "SpeedButton9", "SpeedButton10", "SpeedButton11", "SpeedButton12"})
            flatButtons_.push_back(find<QToolButton>(name));
        splitters_ = {find<QSplitter>("Splitter2"), find<QSplitter>("Splitter3")};
        fileMenu_ = find<QMenu>("Arquivo1");
        helpMenu_ = find<QMenu>("Ajuda1");
        close_ = find<QAction>("Sair1");
        ASSERT_NE(form->findChild<QMenu*>(QStringLiteral("MidiOutputMenu")), nullptr);

        QDesktopServices::setUrlHandler(QStringLiteral("https"), &urls_, "open");
        qApp->installEventFilter(&answerer_);
        previousMessageHandler = qInstallMessageHandler(quietOffscreenPlatform);
    }

    void TearDown() override {
        qInstallMessageHandler(previousMessageHandler);
        qApp->removeEventFilter(&answerer_);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        WindowTest::TearDown();
    }

    using WindowTest::find;
    template <typename Widget> Widget* find(const QByteArray& name) const {
        return WindowTest::find<Widget>(name.constData());
    }

    // --- The actions -----------------------------------------------------------------------

    void act(int index) {
        using Action = void (Monkey::*)();
        // Weighted: the controls that search are used most, the slow ones least.
        static const std::vector<std::pair<int, Action>> actions = {
            {8, &Monkey::noteGridByMouse},
            {5, &Monkey::noteGridByKeys},
            {5, &Monkey::chordTypeByMouse},
            {3, &Monkey::chordTypeByKeys},
            {10, &Monkey::tensionByMouse},
            {4, &Monkey::tensionByKeys},
            {8, &Monkey::flatButton},
            {6, &Monkey::typeSymbol},
            {4, &Monkey::editSymbol},
            {5, &Monkey::searchButton},
            {5, &Monkey::optionCombo},
            {5, &Monkey::checkBox},
            {3, &Monkey::tuningButton},
            {3, &Monkey::tuningMenu},
            {6, &Monkey::tuner},
            {3, &Monkey::instrumentByChoice},
            {3, &Monkey::instrumentByText},
            {3, &Monkey::tempoBar},
            {3, &Monkey::resize},
            {2, &Monkey::menuBar},
            {1, &Monkey::about},
            {10, &Monkey::canvasClick},
            {3, &Monkey::canvasDrag},
            {2, &Monkey::neckClick},
            {4, &Monkey::scroll},
            {1, &Monkey::splitter},
            {3, &Monkey::anyKey},
            {6, &Monkey::songPanel},
        };
        static const int total = [] {
            int sum = 0;
            for (const auto& action : actions) sum += action.first;
            return sum;
        }();
        index_ = index;
        int roll = random_.below(total);
        for (const auto& action : actions) {
            if (roll < action.first) {
                (this->*action.second)();
                break;
            }
            roll -= action.first;
        }
        settle();
        closeLeftOverPopUps();
        if (log_.tracing()) {
            const WindowState& w = state();
            std::fprintf(
                stderr, "    -> %s, %s voicings, %s, width %d; list %d/%d types %d/%d results %d\n",
                text(shown(w.editAcorde)).c_str(), w.labelTotal.c_str(),
                w.tuningButtonCaption.bytes().c_str(), w.canvasWidth, tensions_->currentRow(),
                tensions_->verticalScrollBar()->value(), chordTypes_->currentRow(),
                chordTypes_->verticalScrollBar()->value(),
                scrollBox_->verticalScrollBar()->value());
        }
    }

    void begin(const std::string& what) { log_.begin(index_, what); }
    void note(const std::string& detail) { log_.note(detail); }

    static std::string text(const QString& value) {
        std::string shortened = value.left(40).toStdString();
        if (value.size() > 40) shortened += "...(" + std::to_string(value.size()) + " chars)";
        return '"' + shortened + '"';
    }
    static std::string at(QPoint point) {
        return "(" + std::to_string(point.x()) + ", " + std::to_string(point.y()) + ")";
    }

    QPoint somewhereIn(const QWidget* widget, int overshoot = 0) {
        // Drawn in order, x first, whichever compiler evaluates the arguments.
        const int x = random_.between(-overshoot, widget->width() - 1 + overshoot);
        return {x, random_.between(-overshoot, widget->height() - 1 + overshoot)};
    }

    Qt::MouseButton anyButton() {
        const int roll = random_.below(10);
        return roll < 8 ? Qt::LeftButton : roll == 8 ? Qt::RightButton : Qt::MiddleButton;
    }

    PickGrid* noteGrid() { return random_.percent(50) ? rootGrid_ : bassGrid_; }

    // A press on a row of a grid, or on its empty part; a user scrolls the row into view
    // first, or presses whatever shows.
    void pressInGrid(PickGrid* grid, const char* name) {
        QPoint point;
        if (random_.percent(80)) {
            const int row = random_.below(grid->rowCount());
            grid->scrollToItem(grid->item(row, 0));
            point = grid->visualItemRect(grid->item(row, 0)).center();
            begin(std::string(name) + " row " + std::to_string(row));
        } else {
            point = somewhereIn(grid->viewport());
            begin(std::string(name) + " press at " + at(point));
        }
        if (random_.percent(15)) {
            note("double click");
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, point);
        } else {
            QTest::mouseClick(grid->viewport(), anyButton(), {}, point);
        }
    }

    void keysInGrid(PickGrid* grid, const char* name) {
        static const std::vector<Qt::Key> keys = {Qt::Key_Up,       Qt::Key_Down,  Qt::Key_PageUp,
                                                  Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End,
                                                  Qt::Key_Left,     Qt::Key_Right, Qt::Key_Space,
                                                  Qt::Key_Return,   Qt::Key_Tab,   Qt::Key_A};
        pressKeys(grid, keys, 4, name);
    }

    // One to `most` keys from `keys` at `widget`, which takes the focus first.
    void pressKeys(QWidget* widget, const std::vector<Qt::Key>& keys, int most,
                   const std::string& name) {
        const int count = random_.between(1, most);
        begin(name + " " + std::to_string(count) + " keys");
        widget->setFocus(Qt::TabFocusReason);
        for (int k = 0; k < count; ++k) {
            const Qt::Key key = random_.pick(keys);
            note(QKeySequence(key).toString().toStdString());
            QTest::keyClick(widget, key);
        }
    }

    void noteGridByMouse() {
        PickGrid* grid = noteGrid();
        pressInGrid(grid, grid == rootGrid_ ? "root grid" : "bass grid");
    }
    void noteGridByKeys() {
        PickGrid* grid = noteGrid();
        keysInGrid(grid, grid == rootGrid_ ? "root grid" : "bass grid");
    }
    // The chord-type table and the tension list share a place: a user shows the one he
    // wants with "mod1" or "mod2" first.
    void showChordList(bool chordTypes) {
        QToolButton* button = flatButtons_[chordTypes ? 3 : 2];
        if (!button->isChecked()) QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }
    void chordTypeByMouse() {
        showChordList(true);
        pressInGrid(chordTypes_, "chord types");
    }
    void chordTypeByKeys() {
        showChordList(true);
        keysInGrid(chordTypes_, "chord types");
    }

    void tensionByMouse() {
        showChordList(false);
        QPoint point;
        if (random_.percent(85)) {
            const int item = random_.below(tensions_->count());
            tensions_->scrollToItem(tensions_->item(item));
            point = tensions_->visualItemRect(tensions_->item(item)).center();
            begin("tension " + std::to_string(item) + " " + text(tensions_->item(item)->text()));
        } else {
            point = somewhereIn(tensions_->viewport());
            begin("tension list at " + at(point));
        }
        const int roll = random_.below(10);
        if (roll == 0) {
            note("double click");
            QTest::mouseDClick(tensions_->viewport(), Qt::LeftButton, {}, point);
        } else if (roll == 1) {
            // Pressed on one item, released on another.
            const QPoint elsewhere = somewhereIn(tensions_->viewport());
            note("released at " + at(elsewhere));
            drag(tensions_->viewport(), point, elsewhere);
        } else {
            QTest::mouseClick(tensions_->viewport(), anyButton(), {}, point);
        }
    }

    void tensionByKeys() {
        showChordList(false);
        // No letters or digits here or at the focus: a list takes the keys typed within a
        // moment of each other as one search, which would tie a run to the build's speed.
        static const std::vector<Qt::Key> keys = {Qt::Key_Up,     Qt::Key_Down,  Qt::Key_PageUp,
                                                  Qt::Key_Home,   Qt::Key_End,   Qt::Key_PageDown,
                                                  Qt::Key_Space,  Qt::Key_Space, Qt::Key_Space,
                                                  Qt::Key_Return, Qt::Key_Select};
        pressKeys(tensions_, keys, 5, "tension list");
    }

    void flatButton() {
        QToolButton* button = random_.pick(flatButtons_);
        begin("button " + button->objectName().toStdString() + " " + text(button->text()));
        QTest::mouseClick(button, anyButton());
    }

    // Text a user might type or paste: chord symbols, near misses, other alphabets, signs
    // outside Windows-1252, control characters, and very long runs of any of these.
    QString garbage() {
        static const std::vector<QString> pieces = {
            QStringLiteral("C"),      QStringLiteral("Cm7/G"),   QStringLiteral("F#m7b5"),
            QStringLiteral("Bbmaj9"), QStringLiteral("G7(#11)"), QStringLiteral("Dsus4"),
            QStringLiteral("E/"),     QStringLiteral("/A"),      QStringLiteral("//"),
            QStringLiteral("m"),      QStringLiteral("7"),       QStringLiteral("9"),
            QStringLiteral("13"),     QStringLiteral("add"),     QStringLiteral("aug"),
            QStringLiteral("#"),      QStringLiteral("b"),       QStringLiteral("("),
            QStringLiteral(")"),      QStringLiteral("+"),       QStringLiteral("-"),
            QStringLiteral(" "),      QStringLiteral("º"),       QStringLiteral("°"),
            QStringLiteral("ø"),      QStringLiteral("♯"),       QStringLiteral("♭"),
            QStringLiteral("Δ"),      QStringLiteral("€"),       QStringLiteral("中文"),
            QStringLiteral("🎸"),      QStringLiteral("𝄪"),       QStringLiteral("e\u0301"),
            QStringLiteral("\u200B"), QStringLiteral("\u202E"),  QStringLiteral("\uFEFF"),
            QStringLiteral("\uFFFD"), QStringLiteral("\t"),      QStringLiteral("\n"),
            QStringLiteral("\r"),     QStringLiteral("\x01"),    QStringLiteral("\x1B"),
            QStringLiteral("\x7F"),   QStringLiteral("%s%n"),    QStringLiteral("00 04 07"),
            QStringLiteral("99"),     QStringLiteral("-1"),      QStringLiteral("2147483648"),
            QStringLiteral("\\"),     QStringLiteral("\""),      QStringLiteral("'"),
        };
        QString result;
        const int roll = random_.below(20);
        const int count = roll == 0 ? random_.between(200, 3000) : random_.between(1, 6);
        for (int k = 0; k < count; ++k) {
            if (random_.percent(25)) {
                // Any single character of the Basic Multilingual Plane but the surrogates.
                char16_t unit = static_cast<char16_t>(random_.between(1, 0xFFFD));
                if (unit >= 0xD800 && unit <= 0xDFFF) unit = u'?';
                result += QChar(unit);
            } else {
                result += random_.pick(pieces);
            }
        }
        return result;
    }

    // Types `text` into `edit`: key by key, or at once as an input method commits it.
    void typeInto(QLineEdit* edit, const QString& typed) {
        edit->setFocus(Qt::MouseFocusReason);
        if (random_.percent(70)) {
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_Delete);
        }
        if (typed.size() > 60 || random_.percent(40)) {
            note("committed at once");
            QInputMethodEvent commit;
            commit.setCommitString(typed);
            QApplication::sendEvent(edit, &commit);
            return;
        }
        // One key event per character, with the character as its text, as a keyboard of any
        // layout sends it.
        for (int k = 0; k < typed.size(); ++k) {
            int length = 1;
            if (typed[k].isHighSurrogate() && k + 1 < typed.size()) length = 2;
            const QString character = typed.mid(k, length);
            k += length - 1;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
            QApplication::sendEvent(edit, &press);
            QApplication::sendEvent(edit, &release);
        }
    }

    void typeSymbol() {
        const QString typed = garbage();
        begin("type symbol " + text(typed));
        typeInto(edit_, typed);
        if (random_.percent(60)) {
            note("search");
            QTest::mouseClick(find<QToolButton>("SpeedButton2"), Qt::LeftButton);
        }
    }

    void editSymbol() {
        static const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
            {Qt::Key_Backspace, {}},
            {Qt::Key_Delete, {}},
            {Qt::Key_Home, {}},
            {Qt::Key_End, {}},
            {Qt::Key_Left, Qt::ShiftModifier},
            {Qt::Key_Right, {}},
            {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_Y, Qt::ControlModifier},
            {Qt::Key_A, Qt::ControlModifier},
            {Qt::Key_Return, {}},
            {Qt::Key_M, {}},
            {Qt::Key_7, {}},
            {Qt::Key_Slash, {}},
        };
        const int count = random_.between(1, 6);
        begin("edit symbol " + std::to_string(count) + " keys");
        edit_->setFocus(Qt::MouseFocusReason);
        for (int k = 0; k < count; ++k) {
            const auto& key = random_.pick(keys);
            note(QKeySequence(QKeyCombination(key.second, key.first)).toString().toStdString());
            QTest::keyClick(edit_, key.first, key.second);
        }
        if (random_.percent(50)) {
            note("search");
            QTest::mouseClick(find<QToolButton>("SpeedButton2"), Qt::LeftButton);
        }
    }

    void searchButton() {
        begin("search button, symbol " + text(edit_->text()));
        QTest::mouseClick(find<QToolButton>("SpeedButton2"), anyButton());
    }

    // A list of a combo box, opened and answered by keys; the item under a mouse release is
    // not taken so soon after opening, so the keys are what keeps a run repeatable.
    void chooseFromPopup(QComboBox* combo) {
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        if (!list->isVisible()) {
            note("the list did not open");
            return;
        }
        const int steps = random_.between(0, combo->count());
        const Qt::Key direction = random_.percent(50) ? Qt::Key_Down : Qt::Key_Up;
        for (int k = 0; k < steps; ++k) QTest::keyClick(list, direction);
        const bool take = random_.percent(80);
        note(std::to_string(steps) + (direction == Qt::Key_Down ? " down" : " up") +
             (take ? ", return" : ", escape"));
        QTest::keyClick(list, take ? Qt::Key_Return : Qt::Key_Escape);
    }

    void driveCombo(QComboBox* combo) {
        QWidget* keyTarget = combo->isEditable() ? static_cast<QWidget*>(combo->lineEdit()) : combo;
        const int roll = random_.below(4);
        if (roll == 0) {
            note("list");
            if (random_.percent(50)) {
                // The arrow at the right end opens the list.
                QTest::mouseClick(combo, Qt::LeftButton, {},
                                  QPoint(combo->width() - 6, combo->height() / 2));
                if (combo->view()->isVisible()) {
                    QTest::keyClick(combo->view(), Qt::Key_Escape);
                    note("opened by the arrow");
                }
            }
            chooseFromPopup(combo);
        } else if (roll == 1) {
            static const std::vector<Qt::Key> keys = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home,
                                                      Qt::Key_End, Qt::Key_PageDown};
            const Qt::Key key = random_.pick(keys);
            note("key " + QKeySequence(key).toString().toStdString());
            keyTarget->setFocus(Qt::TabFocusReason);
            QTest::keyClick(keyTarget, key);
        } else if (roll == 2) {
            const int delta = random_.percent(50) ? 120 : -120;
            note("wheel " + std::to_string(delta));
            wheel(combo, combo->rect().center(), delta);
        } else {
            note("click");
            const Qt::MouseButton button = anyButton();
            QTest::mouseClick(combo, button, {}, somewhereIn(combo));
            if (combo->view()->isVisible()) QTest::keyClick(combo->view(), Qt::Key_Escape);
        }
    }

    void optionCombo() {
        QComboBox* combo = combos_[static_cast<std::size_t>(random_.below(2))];
        begin("combo " + combo->objectName().toStdString());
        driveCombo(combo);
    }

    void checkBox() {
        QCheckBox* box = random_.pick(checkBoxes_);
        begin("check box " + box->objectName().toStdString());
        if (random_.percent(30)) {
            note("space");
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClick(box, Qt::Key_Space);
        } else {
            const Qt::MouseButton button = anyButton();
            QTest::mouseClick(box, button, {}, somewhereIn(box));
        }
    }

    // The tool button's own part chooses standard tuning; its arrow opens the presets.
    void tuningButton() {
        const bool arrow = random_.percent(50);
        begin(std::string("tuning button ") + (arrow ? "arrow" : "face"));
        const QPoint point = arrow ? QPoint(tuningButton_->width() - 4, tuningButton_->height() / 2)
                                   : QPoint(8, tuningButton_->height() / 2);
        QTest::mouseClick(tuningButton_, Qt::LeftButton, {}, point);
    }

    void tuningMenu() {
        const QList<QAction*> items = tuningMenu_->actions();
        QAction* item = items[static_cast<int>(random_.below(static_cast<int>(items.size())))];
        begin("tuning preset " + text(item->text()));
        item->trigger();
    }

    void slide(QSlider* slider) {
        const int roll = random_.below(4);
        if (roll == 0) {
            static const std::vector<Qt::Key> keys = {
                Qt::Key_Up,   Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                Qt::Key_Home, Qt::Key_End,  Qt::Key_Left,   Qt::Key_Right};
            const Qt::Key key = random_.pick(keys);
            note("key " + QKeySequence(key).toString().toStdString());
            slider->setFocus(Qt::TabFocusReason);
            QTest::keyClick(slider, key);
        } else if (roll == 1) {
            const int delta = random_.percent(50) ? 120 : -120;
            note("wheel " + std::to_string(delta));
            wheel(slider, slider->rect().center(), delta);
        } else if (roll == 2) {
            const QPoint point = somewhereIn(slider);
            note("click at " + at(point));
            QTest::mouseClick(slider, Qt::LeftButton, {}, point);
        } else {
            // Dragged from one place to another.
            const QPoint from = somewhereIn(slider);
            const QPoint to = somewhereIn(slider, 30);
            note("drag " + at(from) + " to " + at(to));
            drag(slider, from, to);
        }
    }

    void tuner() {
        const int n = random_.below(6);
        begin("tuner " + std::to_string(n + 1));
        slide(tuners_[static_cast<std::size_t>(n)]);
    }

    void tempoBar() {
        begin("tempo bar");
        slide(tempo_);
    }

    void instrumentByChoice() {
        begin("instrument by choice");
        driveCombo(patch_);
    }

    void instrumentByText() {
        QString typed;
        const int roll = random_.below(4);
        if (roll == 0)
            typed = patch_->itemText(random_.below(patch_->count()));
        else if (roll == 1)
            typed = patch_->itemText(random_.below(patch_->count())).left(4);
        else if (roll == 2)
            typed = patch_->itemText(random_.below(patch_->count())).toUpper();
        else
            typed = garbage();
        begin("instrument typed " + text(typed));
        typeInto(patch_->lineEdit(), typed);
        if (random_.percent(40)) {
            note("return");
            QTest::keyClick(patch_->lineEdit(), Qt::Key_Return);
        }
    }

    void resize() {
        const int roll = random_.below(10);
        if (roll == 0) {
            begin("maximise");
            form->showMaximized();
        } else if (roll == 1) {
            begin("normal");
            form->showNormal();
        } else {
            QSize size;
            // Tiny, huge or in between; the arguments are drawn in order, width first.
            const std::array<int, 4> range = roll == 2   ? std::array{1, 120, 1, 90}
                                             : roll == 3 ? std::array{2500, 4000, 1500, 3000}
                                                         : std::array{300, 1600, 200, 1200};
            const int width = random_.between(range[0], range[1]);
            size = QSize(width, random_.between(range[2], range[3]));
            begin("resize " + std::to_string(size.width()) + " x " + std::to_string(size.height()));
            form->setWindowState(Qt::WindowNoState);
            form->resize(size);
        }
        settle();
    }

    // Opens "File" or "&Help" on the menu bar, by mouse or by its Alt key; the answerer then
    // drives the open menu.
    void menuBar() {
        QMenuBar* bar = form->menuBar();
        const bool file = random_.percent(50);
        QMenu* menu = file ? fileMenu_ : helpMenu_;
        if (random_.percent(70)) {
            begin(std::string("menu bar ") + (file ? "File" : "Help") + " by mouse");
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              bar->actionGeometry(menu->menuAction()).center());
        } else {
            begin(std::string("menu bar ") + (file ? "File" : "Help") + " by keys");
            QTest::keyClick(form.get(), file ? Qt::Key_F : Qt::Key_H, Qt::AltModifier);
        }
    }

    void about() {
        begin("about");
        find<QAction>("Sobre1")->trigger();
    }

    void canvasClick() {
        // Mostly on diagrams; sometimes anywhere, beyond the canvas too, as a release after a
        // press that left the canvas is.
        QPoint point;
        if (!canvas_->cells().empty() && random_.percent(70)) {
            const int cell = random_.below(static_cast<int>(canvas_->cells().size()));
            const QRect rect = canvas_->cellRect(cell);
            const int x = random_.between(rect.left(), rect.right());
            point = QPoint(x, random_.between(rect.top(), rect.bottom()));
            begin("canvas cell " + std::to_string(cell) + " at " + at(point));
            scrollBox_->ensureVisible(point.x(), point.y());
        } else {
            point = somewhereIn(canvas_, random_.percent(20) ? 5000 : 0);
            begin("canvas at " + at(point));
        }
        const int roll = random_.below(10);
        if (roll == 0) {
            note("double click");
            QTest::mouseDClick(canvas_, Qt::LeftButton, {}, point);
        } else if (roll == 1) {
            note("release only");
            QTest::mouseRelease(canvas_, anyButton(), {}, point);
        } else if (roll == 2) {
            note("press only");
            QTest::mousePress(canvas_, anyButton(), {}, point);
        } else {
            QTest::mouseClick(canvas_, anyButton(), {}, point);
        }
    }

    void canvasDrag() {
        const QPoint from = somewhereIn(canvas_);
        const QPoint to = somewhereIn(canvas_, 400);
        begin("canvas drag " + at(from) + " to " + at(to));
        drag(canvas_, from, to);
    }

    void neckClick() {
        const QPoint point = somewhereIn(neck_, 20);
        begin("neck at " + at(point));
        if (random_.percent(50)) {
            QTest::mouseClick(neck_, anyButton(), {}, point);
        } else {
            QTest::mousePress(neck_, Qt::LeftButton, {}, point);
            QTest::mouseRelease(neck_, Qt::LeftButton, {}, somewhereIn(neck_, 20));
        }
    }

    // Pressed at `from`, moved with the button down and released at `to`.
    static void drag(QWidget* widget, QPoint from, QPoint to) {
        QTest::mousePress(widget, Qt::LeftButton, {}, from);
        QTest::mouseMove(widget, to);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
    }

    static void wheel(QWidget* widget, QPoint point, int delta) {
        QWheelEvent event(point, widget->mapToGlobal(point), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &event);
    }

    void scroll() {
        const int roll = random_.below(5);
        const int delta = random_.between(-3, 3) * 120;
        if (roll == 0) {
            begin("wheel on the canvas " + std::to_string(delta));
            wheel(canvas_, somewhereIn(canvas_), delta);
        } else if (roll == 1) {
            begin("wheel on the results " + std::to_string(delta));
            wheel(scrollBox_->viewport(), somewhereIn(scrollBox_->viewport()), delta);
        } else if (roll == 2) {
            static const std::vector<QAbstractSlider::SliderAction> steps = {
                QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
                QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
            const auto step = random_.pick(steps);
            begin("results scroll bar step " + std::to_string(step));
            scrollBox_->verticalScrollBar()->triggerAction(step);
        } else if (roll == 3) {
            PickGrid* grid =
                random_.pick(std::vector<PickGrid*>{rootGrid_, bassGrid_, chordTypes_});
            begin("wheel on " + grid->objectName().toStdString() + " " + std::to_string(delta));
            wheel(grid->viewport(), somewhereIn(grid->viewport()), delta);
        } else {
            begin("wheel on the tension list " + std::to_string(delta));
            wheel(tensions_->viewport(), somewhereIn(tensions_->viewport()), delta);
        }
    }

    void splitter() {
        QSplitter* split = random_.pick(splitters_);
        QSplitterHandle* handle = split->handle(1);
        const QPoint from = handle->rect().center();
        const QPoint to = from + QPoint(0, random_.between(-400, 400));
        begin("drag " + split->objectName().toStdString() + " by " +
              std::to_string(to.y() - from.y()));
        drag(handle, from, to);
    }

    // The song panel: a song typed (chords, bars, repeats, garbage), its chords clicked, pinned
    // and unpinned, the capo, the shapes, transposition, the best capo, play and stop.
    void songPanel() {
        auto* dock = find<QDockWidget>("SongDock");
        if (!dock->isVisible()) {
            begin("song panel shown");
            dock->show();
            settle();
        }
        static const std::vector<QString> words = {
            QStringLiteral("C"),      QStringLiteral("Am"),  QStringLiteral("F"),
            QStringLiteral("G7"),     QStringLiteral("Dm7"), QStringLiteral("Bbmaj7"),
            QStringLiteral("F#m7b5"), QStringLiteral("|"),   QStringLiteral("%"),
            QStringLiteral("N.C."),   QStringLiteral("Hm"),  QStringLiteral("E/G#"),
            QStringLiteral("C13#11"), QStringLiteral("\n"),  QStringLiteral("x2")};
        switch (random_.below(10)) {
        case 0:
        case 1: {
            QString song;
            const int count = random_.between(0, 12);
            for (int k = 0; k < count; ++k) {
                const QString word = random_.percent(10) ? garbage() : random_.pick(words);
                song += word + ' ';
            }
            begin("song text " + text(song));
            find<QPlainTextEdit>("SongText")->setPlainText(song);
            QTest::mouseClick(find<QPushButton>("SongArrange"), Qt::LeftButton);
            break;
        }
        case 2: {
            auto* chords = find<QWidget>("SongChords");
            const QPoint point = somewhereIn(chords);
            begin("song chord at " + at(point));
            QTest::mouseClick(chords, Qt::LeftButton, {}, point);
            break;
        }
        case 3: {
            const int fret = random_.between(0, 11);
            begin("song capo " + std::to_string(fret));
            find<QSpinBox>(random_.percent(50) ? "SongCapo" : "SpinCapo")->setValue(fret);
            break;
        }
        case 4: {
            auto* box = find<QCheckBox>(random_.percent(50) ? "SongShapes" : "CheckBoxShapes");
            begin("shapes " + box->objectName().toStdString());
            QTest::mouseClick(box, Qt::LeftButton);
            break;
        }
        case 5: {
            const char* name = random_.percent(50) ? "SongTransposeUp" : "SongTransposeDown";
            begin(std::string("song ") + name);
            QTest::mouseClick(find<QToolButton>(name), Qt::LeftButton);
            break;
        }
        case 6:
            begin("song best capo");
            QTest::mouseClick(find<QPushButton>("SongBestCapo"), Qt::LeftButton);
            break;
        case 7: {
            auto* alternatives = find<QComboBox>("SongAlternatives");
            begin("song alternatives");
            if (alternatives->count() > 0 && alternatives->isEnabled()) {
                const int item = random_.below(alternatives->count());
                note("item " + std::to_string(item));
                alternatives->setCurrentIndex(item);
                emit alternatives->activated(item);
            }
            break;
        }
        case 8: {
            const QString frets = random_.percent(50) ? QStringLiteral("x32010") : garbage();
            begin("song pin " + text(frets));
            typeInto(find<QLineEdit>("SongFrets"), frets);
            QTest::mouseClick(find<QPushButton>(random_.percent(80) ? "SongPin" : "SongUnpin"),
                              Qt::LeftButton);
            break;
        }
        default: {
            const bool play = random_.percent(60);
            begin(play ? "song play" : "song stop");
            QTest::mouseClick(find<QToolButton>(play ? "SongPlay" : "SongStop"), Qt::LeftButton);
            break;
        }
        }
    }

    // Keys at whatever has the focus, Tab among them.
    void anyKey() {
        static const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
            {Qt::Key_Tab, {}},    {Qt::Key_Backtab, Qt::ShiftModifier},
            {Qt::Key_Up, {}},     {Qt::Key_Down, {}},
            {Qt::Key_Space, {}},  {Qt::Key_Return, {}},
            {Qt::Key_Escape, {}}, {Qt::Key_PageDown, {}},
            {Qt::Key_End, {}},    {Qt::Key_F1, {}},
            {Qt::Key_F10, {}},    {Qt::Key_X, Qt::AltModifier},
            {Qt::Key_Left, {}},   {Qt::Key_Delete, {}},
        };
        const int count = random_.between(1, 5);
        begin("keys at the focus " + std::to_string(count));
        for (int k = 0; k < count; ++k) {
            QWidget* focus = QApplication::focusWidget();
            if (focus == nullptr || focus->window() != form.get()) focus = form.get();
            const auto& key = random_.pick(keys);
            note(QKeySequence(QKeyCombination(key.second, key.first)).toString().toStdString() +
                 " at " + focus->objectName().toStdString());
            QTest::keyClick(focus, key.first, key.second);
            closeLeftOverPopUps();
        }
    }

    // --- What pops up ----------------------------------------------------------------------

  public:
    void answer(QWidget* window) {
        if (auto* box = qobject_cast<QMessageBox*>(window)) {
            ++errorBoxes_;
            note("error box " + text(box->text()) + " closed");
            QTest::keyClick(box, Qt::Key_Return);
            if (box->isVisible()) box->close();
        } else if (auto* about = qobject_cast<TForm2*>(window)) {
            ++aboutBoxes_;
            if (random_.percent(30)) {
                note("about: link");
                auto* link = about->findChild<QLabel*>(QStringLiteral("Label3"));
                QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
            }
            const bool escape = random_.percent(30);
            note(escape ? "about: escape" : "about: close box");
            if (escape) QTest::keyClick(about, Qt::Key_Escape);
            if (about->isVisible()) about->close();
        } else if (auto* menu = qobject_cast<QMenu*>(window)) {
            driveMenu(menu);
        } else if (auto* dialog = qobject_cast<QDialog*>(window)) {
            // Any other dialog is cancelled as it comes up.
            note("dialog " + dialog->objectName().toStdString() + " cancelled");
            dialog->reject();
        }
    }

  protected:
    // Chooses an item of an open menu by mouse or keys, or leaves it; "&Close" only when the
    // run is over.
    void driveMenu(QMenu* menu) {
        if (!menu->isVisible()) return;
        std::vector<QAction*> items;
        for (QAction* item : menu->actions())
            if (!item->isSeparator() && item->isVisible() && (item != close_ || closing_))
                items.push_back(item);
        if (closing_) {
            if (menu != fileMenu_) return;
            note("menu: close");
            menu->setActiveAction(close_);
            QTest::keyClick(menu, Qt::Key_Return);
            return;
        }
        if (items.empty() || random_.percent(20)) {
            note("menu " + menu->objectName().toStdString() + ": escape");
            QTest::keyClick(menu, Qt::Key_Escape);
            return;
        }
        QAction* item = random_.pick(items);
        if (item->menu() == nullptr && random_.percent(50)) {
            note("menu " + menu->objectName().toStdString() + ": click " + text(item->text()));
            const QPoint point = menu->actionGeometry(item).center();
            QTest::mouseMove(menu, point);
            QTest::mouseClick(menu, Qt::LeftButton, {}, point);
        } else {
            note("menu " + menu->objectName().toStdString() + ": return on " + text(item->text()));
            menu->setActiveAction(item);
            QTest::keyClick(menu, Qt::Key_Return);
        }
    }

    // A menu or list that an action left open is closed, so that the next action's keys
    // reach the window and not a menu.
    void closeLeftOverPopUps() {
        for (int k = 0; k < 5; ++k) {
            QWidget* popUp = QApplication::activePopupWidget();
            if (popUp == nullptr) break;
            popUp->close();
        }
    }

    // --- The invariants --------------------------------------------------------------------

    // What holds after any action: the window shows the model, the count matches the
    // voicings, nothing is left open, the MIDI sent was well formed.
    void expectConsistent() {
        const WindowState& w = state();
        // Right after typing, the symbol box shows the text as typed, which the model keeps
        // beside its single-byte form; typing changes nothing else, so the whole window was
        // checked against the model the action before.
        const QString box = edit_->text();
        if (!w.typedSymbol.empty() && box.toStdString() == w.typedSymbol &&
            box != shown(w.editAcorde)) {
            EXPECT_EQ(utf8ToCp1252(w.typedSymbol), w.editAcorde);
        } else {
            expectShowsModel();
        }
        EXPECT_EQ(find<QLabel>("LabelTotal")->text().toInt(),
                  static_cast<int>(model().search().voicingList.size()));
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

        EXPECT_EQ(combos_[0]->currentIndex(), fretItemOf(model().search().maxFret));
        EXPECT_EQ(combos_[1]->currentIndex(), w.distanceItem);
        const std::array<bool, 5> options{w.omit3, w.omit5, w.easyChords, w.leftHanded,
                                          w.noBarreChords};
        for (std::size_t k = 0; k < options.size(); ++k)
            EXPECT_EQ(checkBoxes_[k]->isChecked(), options[k])
                << checkBoxes_[k]->objectName().toStdString();
        const std::array<bool, 8> down{w.rootSharpDown,
                                       !w.rootSharpDown,
                                       w.view == ChordPanelView::Tensions,
                                       w.view == ChordPanelView::ChordTypes,
                                       !w.bassSharpDown,
                                       w.bassSharpDown,
                                       w.electricNeck,
                                       !w.electricNeck};
        for (std::size_t k = 0; k < down.size(); ++k)
            EXPECT_EQ(flatButtons_[k]->isChecked(), down[k])
                << flatButtons_[k]->objectName().toStdString();
        EXPECT_EQ(tensions_->isVisible(), w.view == ChordPanelView::Tensions);
        EXPECT_EQ(chordTypes_->isVisible(), w.view == ChordPanelView::ChordTypes);
        for (std::size_t n = 0; n < 6; ++n) {
            EXPECT_EQ(tuners_[n]->value(), w.tunerPositions[n]) << "tuner " << n + 1;
            EXPECT_EQ(tunerLabels_[n]->text(), shown(w.tunerLabels[n])) << "tuner " << n + 1;
        }
        EXPECT_EQ(tuningButton_->text(), shown(w.tuningButtonCaption));
        EXPECT_EQ(tempo_->value(), w.tempoPosition);
        if (w.patchItem >= 0) {
            EXPECT_EQ(patch_->currentIndex(), w.patchItem);
        }
        EXPECT_EQ(neck_->electric(), w.electricNeck);
        EXPECT_EQ(neck_->voicing(), w.neckVoicing);
        for (int index : w.highlighted) {
            EXPECT_GE(index, 0);
            EXPECT_LT(index, static_cast<int>(canvas_->cells().size()));
            EXPECT_TRUE(canvas_->isHighlighted(index)) << index;
        }
        EXPECT_EQ(output_.badMessage, 0u) << "malformed MIDI message " << output_.badMessage;
        EXPECT_EQ(output_.badPause, 0) << "pause out of range";
    }

    // Runs `count` actions from `seed`; false once an invariant failed or an exception came
    // out of the window.
    bool run(std::uint64_t seed, int count) {
        random_ = Random(seed);
        const std::string replay = "TAMBREL_MONKEY_SEED=" + std::to_string(seed) +
                                   " TAMBREL_MONKEY_ACTIONS=" + std::to_string(count);
        log_.setHeader("Monkey run " + replay);
        log_.setTrace(!qgetenv("TAMBREL_MONKEY_TRACE").isEmpty());
        if (log_.tracing())
            QObject::connect(
                tensions_, &QListWidget::currentRowChanged, tensions_,
                [this](int row) { note("tension list current row " + std::to_string(row)); });
        std::printf("Monkey run %s\n", replay.c_str());
        for (int index = 0; index < count; ++index) {
            try {
                act(index);
            } catch (const std::exception& error) {
                ADD_FAILURE() << "exception out of action " << index << ": " << error.what();
            } catch (...) {
                ADD_FAILURE() << "unknown exception out of action " << index;
            }
            expectConsistent();
            if (HasFailure()) {
                ADD_FAILURE() << "after action " << index
                              << "; replay with TAMBREL_MONKEY_SEED=" << seed
                              << " TAMBREL_MONKEY_ACTIONS=" << index + 1 << "\n"
                              << log_.text();
                return false;
            }
        }
        std::printf("%d actions: %ld MIDI messages, %d error boxes, %d About boxes, %d links\n",
                    count, output_.messages, errorBoxes_, aboutBoxes_, urls_.opened);
        return true;
    }

    // Ends the run the way a user ends the program: "File", "&Close".
    bool closeFromTheMenu() {
        closing_ = true;
        index_ = -1;
        begin("File > Close");
        bool stopped = false;
        QObject scope;
        QTimer::singleShot(0, &scope, [this] {
            QMenuBar* bar = form->menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              bar->actionGeometry(fileMenu_->menuAction()).center());
        });
        QTimer::singleShot(10000, &scope, [&] {
            stopped = true;
            QApplication::exit(1);
        });
        return QApplication::exec() == 0 && !stopped && !form->isVisible();
    }

    friend class PopUpAnswerer;

    CheckingOutput output_;
    UrlCatcher urls_;
    PopUpAnswerer answerer_{*this};
    Random random_{kDefaultSeed};
    ActionLog log_;
    int index_ = 0;
    bool closing_ = false;
    int errorBoxes_ = 0;
    int aboutBoxes_ = 0;

    ResultsCanvas* canvas_ = nullptr;
    NeckView* neck_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    QLineEdit* edit_ = nullptr;
    TensionList* tensions_ = nullptr;
    PickGrid* chordTypes_ = nullptr;
    PickGrid* rootGrid_ = nullptr;
    PickGrid* bassGrid_ = nullptr;
    QComboBox* patch_ = nullptr;
    QToolButton* tuningButton_ = nullptr;
    QMenu* tuningMenu_ = nullptr;
    QSlider* tempo_ = nullptr;
    std::array<QSlider*, 6> tuners_{};
    std::array<QLabel*, 6> tunerLabels_{};
    std::vector<QComboBox*> combos_;
    std::vector<QCheckBox*> checkBoxes_;
    std::vector<QToolButton*> flatButtons_;
    std::vector<QSplitter*> splitters_;
    QMenu* fileMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* close_ = nullptr;
};

bool PopUpAnswerer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const bool answerable = qobject_cast<QMessageBox*>(widget) != nullptr ||
                                qobject_cast<TForm2*>(widget) != nullptr ||
                                qobject_cast<QMenu*>(widget) != nullptr ||
                                qobject_cast<QDialog*>(widget) != nullptr;
        // Answered from its own event loop, or from the next round of the window's.
        if (widget->isWindow() && answerable)
            QTimer::singleShot(0, widget, [this, widget] { monkey_.answer(widget); });
    }
    return false;
}

TEST_F(Monkey, RandomActionsLeaveTheWindowShowingTheModel) {
    std::uint64_t seed = 0;
    std::uint64_t count = 0;
    ASSERT_TRUE(environmentNumber("TAMBREL_MONKEY_SEED", kDefaultSeed, seed));
    ASSERT_TRUE(environmentNumber("TAMBREL_MONKEY_ACTIONS", kDefaultActions, count));
    ASSERT_LE(count, 100'000'000u);

    // A crash prints the last actions too: the sanitizers after their report, a signal
    // otherwise (the sanitizers keep the faults for themselves; an abort is left to us).
#ifdef TAMBREL_MONKEY_SANITIZED
    __sanitizer_set_death_callback(writeLastActions);
    const std::vector<int> crashSignals{SIGABRT};
#else
    const std::vector<int> crashSignals{SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
#endif
    for (int signal : crashSignals) std::signal(signal, tambrelMonkeyCrashed);

    if (run(seed, static_cast<int>(count))) {
        EXPECT_TRUE(closeFromTheMenu()) << log_.text();
    }

    for (int signal : crashSignals) std::signal(signal, SIG_DFL);
#ifdef TAMBREL_MONKEY_SANITIZED
    __sanitizer_set_death_callback(nullptr);
#endif
}

} // namespace
} // namespace tambrel::testing

#include "monkey_test.moc"
