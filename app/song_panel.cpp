#include "app/song_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/sheet_panel.h"
#include "app/sheet_tools.h"
#include "app/widget_helpers.h"
#include "music/fret_list_text.h"
#include "window/chord_sheet.h"
#include "window/main_window_model.h"

namespace tambrel {

namespace {

QPushButton* button(const char* name, const QString& caption, const QString& hint) {
    auto* made = new QPushButton(caption);
    made->setObjectName(QString::fromLatin1(name));
    made->setToolTip(hint);
    made->setAutoDefault(false);
    return made;
}

QToolButton* toolButton(const char* name, const QString& caption, const QString& hint) {
    auto* made = new QToolButton;
    made->setObjectName(QString::fromLatin1(name));
    made->setText(caption);
    made->setToolTip(hint);
    made->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return made;
}

QSpinBox* spin(const char* name, int low, int high, int value, const QString& hint) {
    auto* made = new QSpinBox;
    made->setObjectName(QString::fromLatin1(name));
    made->setRange(low, high);
    made->setValue(value);
    made->setToolTip(hint);
    return made;
}

QString transpositionText(int semitones) {
    if (semitones == 0) return QStringLiteral("as written");
    return QStringLiteral("%1%2")
        .arg(semitones > 0 ? QStringLiteral("+") : QString())
        .arg(semitones);
}

} // namespace

SongPanel::SongPanel(QMainWindow& window, SheetTools& sheet)
    : QDockWidget(QStringLiteral("Song"), &window), sheet_(sheet) {
    setObjectName(QStringLiteral("SongDock"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    clock_.start();
    idle_.setSingleShot(true);
    idle_.setInterval(kIdleMilliseconds);
    ticker_.setInterval(kTickMilliseconds);

    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("SongPanel"));
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("SongText"));
    text_->setPlaceholderText(QStringLiteral("Type or paste the chords: | C Am | F G7 |"));
    text_->setToolTip(QStringLiteral("The song's chords, with bar lines or without, among lyrics "
                                     "and headings"));
    text_->setMaximumHeight(64);
    layout->addWidget(text_);
    problems_ = label("SongProblems", QString());
    problems_->setWordWrap(true);
    QPalette red = problems_->palette();
    red.setColor(QPalette::WindowText, QColor(170, 0, 0));
    problems_->setPalette(red);
    problems_->hide();
    layout->addWidget(problems_);
    layout->addWidget(buildTools());

    chords_ = new SongChords;
    chords_->setObjectName(QStringLiteral("SongChords"));
    chords_->setToolTip(QStringLiteral("Click a chord to hear it and to choose its fingering"));
    scroll_ = new QScrollArea;
    scroll_->setObjectName(QStringLiteral("SongChordsScroll"));
    scroll_->setWidget(chords_);
    scroll_->setWidgetResizable(false);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setBackgroundRole(QPalette::Base);
    scroll_->setMinimumHeight(SongChords::kCellHeight + 4);
    scroll_->viewport()->installEventFilter(this);
    layout->addWidget(scroll_, 1);
    layout->addWidget(buildChordTools());
    setWidget(body);

    window.addDockWidget(Qt::RightDockWidgetArea, this);
    window.tabifyDockWidget(sheet.panel(), this);
    hide();
    QAction* showPanel = toggleViewAction();
    showPanel->setObjectName(QStringLiteral("ShowSong"));
    showPanel->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
    showPanel->setToolTip(QStringLiteral("Show or hide the song panel"));
    window.addAction(showPanel);
}

QWidget* SongPanel::buildTools() {
    auto* tools = new QWidget;
    auto* rows = new QVBoxLayout(tools);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);

    auto* keyRow = new QHBoxLayout;
    auto* arrange = button("SongArrange", QStringLiteral("Choose fingerings"),
                           QStringLiteral("Read the text now and choose the fingerings"));
    QObject::connect(arrange, &QPushButton::clicked, this, &SongPanel::readText);
    keyRow->addWidget(arrange);
    keyRow->addWidget(label("SongCapoLabel", QStringLiteral("Capo")));
    capo_ = capoSpin("SongCapo");
    keyRow->addWidget(capo_);
    bestCapo_ = button("SongBestCapo", QStringLiteral("Best capo"),
                       QStringLiteral("Put the capo where the song's fingerings are easiest"));
    keyRow->addWidget(bestCapo_);
    shapes_ = shapesCheckBox("SongShapes");
    keyRow->addWidget(shapes_);
    keyRow->addStretch();
    rows->addLayout(keyRow);
    bestCapoOffer_ = label("SongBestCapoOffer", QString());
    rows->addWidget(bestCapoOffer_);

    auto* playRow = new QHBoxLayout;
    playRow->addWidget(label("SongTransposeLabel", QStringLiteral("Key")));
    auto* down = toolButton("SongTransposeDown", QStringLiteral("\u2212"),
                            QStringLiteral("Transpose the song a semitone down"));
    auto* up = toolButton("SongTransposeUp", QStringLiteral("+"),
                          QStringLiteral("Transpose the song a semitone up"));
    transposition_ = label("SongTransposition", transpositionText(0));
    playRow->addWidget(down);
    playRow->addWidget(transposition_);
    playRow->addWidget(up);
    playRow->addSpacing(8);
    bpm_ =
        spin("SongBpm", kSlowestBpm, kFastestBpm, 90, QStringLiteral("Tempo, in beats a minute"));
    bpm_->setSuffix(QStringLiteral(" BPM"));
    beats_ = spin("SongBeats", 1, 16, 4, QStringLiteral("Beats to each chord"));
    beats_->setSuffix(QStringLiteral(" beats"));
    playRow->addWidget(bpm_);
    playRow->addWidget(beats_);
    play_ = toolButton("SongPlay", QStringLiteral("Play"), QStringLiteral("Play the song"));
    stop_ = toolButton("SongStop", QStringLiteral("Stop"), QStringLiteral("Stop the song"));
    playRow->addWidget(play_);
    playRow->addWidget(stop_);
    playRow->addStretch();
    rows->addLayout(playRow);

    QObject::connect(down, &QToolButton::clicked, this, [this] {
        if (model_ != nullptr) forward_([this] { model_->transposeSong(-1); });
    });
    QObject::connect(up, &QToolButton::clicked, this, [this] {
        if (model_ != nullptr) forward_([this] { model_->transposeSong(1); });
    });
    return tools;
}

QWidget* SongPanel::buildChordTools() {
    auto* tools = new QWidget;
    auto* rows = new QVBoxLayout(tools);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
    auto* choose = new QHBoxLayout;
    chordLabel_ = label("SongChordLabel", QString());
    chordLabel_->setMinimumWidth(60);
    alternatives_ = new QComboBox;
    alternatives_->setObjectName(QStringLiteral("SongAlternatives"));
    alternatives_->setToolTip(QStringLiteral("The chord's fingerings, the easiest first: "
                                             "choosing one pins it"));
    alternatives_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    unpin_ = button("SongUnpin", QStringLiteral("Unpin"),
                    QStringLiteral("Let the chord's fingering be chosen with the others again"));
    choose->addWidget(chordLabel_);
    choose->addWidget(alternatives_, 1);
    choose->addWidget(unpin_);
    rows->addLayout(choose);

    auto* own = new QHBoxLayout;
    frets_ = new QLineEdit;
    frets_->setObjectName(QStringLiteral("SongFrets"));
    frets_->setPlaceholderText(QStringLiteral("Frets, e.g. x32010"));
    frets_->setToolTip(QStringLiteral("A fingering of your own for the chord, frets counted from "
                                      "the capo"));
    pin_ =
        button("SongPin", QStringLiteral("Pin"), QStringLiteral("Hold the chord to these frets"));
    toSheet_ = button("SongToSheet", QStringLiteral("Add song to sheet"),
                      QStringLiteral("Add each chord's fingering, named as shown, to the sheet"));
    own->addWidget(frets_, 1);
    own->addWidget(pin_);
    own->addWidget(toSheet_);
    rows->addLayout(own);
    return tools;
}

void SongPanel::connect(MainWindowModel& model, const ModelForward& forward) {
    model_ = &model;
    forward_ = forward;
    QObject::connect(text_, &QPlainTextEdit::textChanged, &idle_, [this] { idle_.start(); });
    QObject::connect(&idle_, &QTimer::timeout, this, &SongPanel::readText);
    QObject::connect(capo_, &QSpinBox::valueChanged, this,
                     [this](int fret) { forward_([this, fret] { model_->setCapo(fret); }); });
    QObject::connect(bestCapo_, &QPushButton::clicked, this, [this] {
        std::string offer;
        forward_([this, &offer] {
            offer = model_->bestCapoOffer().text();
            model_->useBestCapo();
        });
        setText(bestCapoOffer_, QStringLiteral("Best: %1").arg(shown(offer)));
    });
    QObject::connect(shapes_, &QCheckBox::toggled, this,
                     [this](bool on) { forward_([this, on] { model_->setShapeNames(on); }); });
    QObject::connect(play_, &QToolButton::clicked, this, [this] { playOrStop(true); });
    QObject::connect(stop_, &QToolButton::clicked, this, [this] { playOrStop(false); });
    QObject::connect(&ticker_, &QTimer::timeout, this, &SongPanel::tick);
    QObject::connect(chords_, &SongChords::clicked, this, [this](int chord) {
        selected_ = chord;
        forward_([this, chord] { model_->strumSongChord(chord); });
    });
    QObject::connect(alternatives_, &QComboBox::activated, this, [this](int alternative) {
        forward_([this, alternative] { model_->pinSongChord(selected_, alternative); });
    });
    const auto pinTyped = [this] {
        const std::string typed = frets_->text().toStdString();
        bool pinned = false;
        forward_([this, &typed, &pinned] { pinned = model_->pinSongFrets(selected_, typed); });
        frets_->setStyleSheet(pinned ? QString() : QStringLiteral("color: #b00000"));
    };
    QObject::connect(pin_, &QPushButton::clicked, this, pinTyped);
    QObject::connect(frets_, &QLineEdit::returnPressed, this, pinTyped);
    QObject::connect(unpin_, &QPushButton::clicked, this,
                     [this] { forward_([this] { model_->unpinSongChord(selected_); }); });
    QObject::connect(toSheet_, &QPushButton::clicked, this,
                     [this] { sheet_.addDiagrams(songSheetDiagrams(*model_)); });
}

int SongPanel::bpm() const {
    return bpm_->value();
}

int SongPanel::beatsPerChord() const {
    return beats_->value();
}

void SongPanel::readText() {
    idle_.stop();
    if (model_ == nullptr) return;
    const std::string text = text_->toPlainText().toStdString();
    if (text == model_->song().text()) return;
    ticker_.stop();
    setText(bestCapoOffer_, QString()); // an offer for another song
    forward_([this, &text] { model_->setSongText(text); });
}

void SongPanel::openText(const std::string& utf8) {
    if (model_ == nullptr) return;
    {
        // The model reads the file's bytes, not the editor's copy of them.
        const QSignalBlocker quiet(text_);
        text_->setPlainText(QString::fromStdString(utf8));
    }
    idle_.stop();
    ticker_.stop();
    setText(bestCapoOffer_, QString());
    forward_([this, &utf8] { model_->setSongText(utf8); });
    show();
    raise();
}

void SongPanel::playOrStop(bool play) {
    if (model_ == nullptr) return;
    if (play) {
        readText();
        const int bpm = bpm_->value();
        const int beats = beats_->value();
        forward_([this, bpm, beats] { model_->playSong(bpm, beats, clock_.elapsed()); });
        if (model_->songPlayer().playing()) ticker_.start();
    } else {
        ticker_.stop();
        forward_([this] { model_->stopSong(); });
    }
}

void SongPanel::tick() {
    // The model never waits: the panel asks it, at each tick, whether a chord is due, and the
    // window is free between two ticks.
    const SongPlayer& player = model_->songPlayer();
    const qint64 now = clock_.elapsed();
    if (player.playing() && player.millisecondsToNext(now) > 0) return;
    forward_([this, now] { model_->songTick(now); });
    if (!model_->songPlayer().playing()) ticker_.stop();
}

void SongPanel::selectChord(int chord) {
    selected_ = chord;
    if (model_ != nullptr) showSong(*model_);
}

void SongPanel::showSong(const MainWindowModel& model) {
    const Song& song = model.song();
    const auto& chords = song.arrangement().chords;
    const int count = song.empty() ? 0 : static_cast<int>(chords.size());
    selected_ = std::clamp(selected_, 0, std::max(count - 1, 0));

    QStringList problems;
    for (const SongProblem& problem : song.reading().problems)
        problems << QStringLiteral("Line %1, column %2: \u201C%3\u201D %4")
                        .arg(problem.line)
                        .arg(problem.column)
                        .arg(shown(problem.symbol), shown(problem.message));
    setText(problems_, problems.join(QLatin1Char('\n')));
    problems_->setVisible(!problems.isEmpty());

    std::vector<SongChordCell> cells;
    cells.reserve(count);
    for (int k = 0; k < count; ++k)
        cells.push_back({shown(model.songChordName(k)), chords[k].fingering, chords[k].pinned});
    const SongPlayer& player = model.songPlayer();
    chords_->showChords(cells, player.playing() ? player.current() : -1, count > 0 ? selected_ : -1,
                        model.window().leftHanded);

    setValue(capo_, model.search().capo);
    setChecked(shapes_, model.window().shapeNames);
    shapes_->setEnabled(model.search().capo > 0);
    setText(transposition_, transpositionText(song.transposition()));
    play_->setEnabled(count > 0);
    stop_->setEnabled(player.playing());
    toSheet_->setEnabled(count > 0);
    showChordTools(model);
}

void SongPanel::showChordTools(const MainWindowModel& model) {
    const auto& chords = model.song().arrangement().chords;
    const bool any = !model.song().empty() && selected_ < static_cast<int>(chords.size());
    alternatives_->setEnabled(any);
    frets_->setEnabled(any);
    pin_->setEnabled(any);
    bestCapo_->setEnabled(!model.song().empty());
    if (!any) {
        setText(chordLabel_, QString());
        alternatives_->clear();
        shownAlternatives_ = nullptr;
        unpin_->setEnabled(false);
        return;
    }
    const ArrangedChord& chord = chords[selected_];
    setText(chordLabel_,
            QStringLiteral("%1. %2").arg(selected_ + 1).arg(shown(model.songChordName(selected_))));
    unpin_->setEnabled(chord.pinned);
    const RankedVoicings* list = chord.alternatives.get();
    if (list != shownAlternatives_ || selected_ != shownChord_) {
        shownAlternatives_ = list;
        shownChord_ = selected_;
        const QSignalBlocker blocker(alternatives_);
        alternatives_->clear();
        if (list != nullptr) {
            const int shownCount = std::min(static_cast<int>(list->result.voicingList.size()),
                                            kAlternativesConsidered);
            for (int k = 0; k < shownCount; ++k)
                alternatives_->addItem(shown(writeFretList(list->result.voicingList[k].frets, {})));
        }
    }
    setCurrentIndex(alternatives_,
                    chord.alternative < alternatives_->count() ? chord.alternative : -1);
    alternatives_->setPlaceholderText(chord.fingering ? shown(writeFretList(*chord.fingering, {}))
                                                      : QStringLiteral("none"));
}

bool SongPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize)
        chords_->fitWidth(scroll_->viewport()->width());
    return QDockWidget::eventFilter(watched, event);
}

} // namespace tambrel
