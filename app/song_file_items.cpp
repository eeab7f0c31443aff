#include "app/song_file_items.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>

#include "app/song_panel.h"
#include "music/song_text.h"
#include "song_files/chordpro_reader.h"
#include "song_files/chordpro_writer.h"
#include "song_files/whole_file.h"
#include "window/main_window_model.h"

namespace tambrel {

namespace {

const QString kSongFiles = QStringLiteral("Songs (*.cho *.chordpro *.chopro *.crd *.pro *.txt);;"
                                          "All files (*)");

QAction* fileItem(QMainWindow& window, QObject* owner, const char* name, const QString& caption,
                  const QKeySequence& shortcut) {
    auto* item = new QAction(caption, owner);
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(shortcut);
    // On the window itself, so that the shortcut works wherever the focus is in it.
    window.addAction(item);
    return item;
}

// Why the bytes are no song, or "" when they are one: ChordPro, or a lead sheet with a chord.
std::string whyNoSong(const std::string& bytes) {
    if (bytes.find('\0') != std::string::npos) return "is no text file";
    if (looksLikeChordPro(bytes)) return "";
    const SongText read = readSongText(bytes);
    if (read.chords.empty() && read.problems.empty()) return "holds no chords";
    return "";
}

} // namespace

SongFileItems::SongFileItems(QMainWindow& window, MainWindowModel& model, SongPanel& panel)
    : QObject(&window), window_(window), model_(model), panel_(panel),
      lastFolder_(QDir::homePath()) {
    open_ = fileItem(window, this, "OpenSong", QStringLiteral("Open song..."),
                     QKeySequence(Qt::CTRL | Qt::Key_O));
    save_ = fileItem(window, this, "SaveSongChordPro", QStringLiteral("Save song as ChordPro..."),
                     QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(open_, &QAction::triggered, this, &SongFileItems::openSong);
    connect(save_, &QAction::triggered, this, &SongFileItems::saveSong);
}

QList<QAction*> SongFileItems::items() const {
    return {open_, save_};
}

QString SongFileItems::chooseFile(const char* name, const QString& caption, bool saving,
                                  const QString& suggested) {
    QFileDialog dialog(&window_, caption, suggested, kSongFiles);
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving) dialog.setDefaultSuffix(QStringLiteral("cho"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString path = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}

void SongFileItems::warn(const QString& caption, const std::string& message) {
    QMessageBox box(QMessageBox::Warning, caption, QString::fromStdString(message), QMessageBox::Ok,
                    &window_);
    box.setObjectName(QStringLiteral("SongFileMessage"));
    box.exec();
}

void SongFileItems::openSong() {
    const QString path =
        chooseFile("OpenSongDialog", QStringLiteral("Open song"), false, lastFolder_);
    if (path.isEmpty()) return;
    const std::string file = path.toStdString();
    const FileReading read = readSongFile(file);
    if (!read.bytes) return warn(QStringLiteral("Open song"), read.error);
    if (const std::string why = whyNoSong(*read.bytes); !why.empty())
        return warn(QStringLiteral("Open song"), "'" + file + "' " + why + ": no song is read.");
    panel_.openText(*read.bytes);
}

void SongFileItems::saveSong() {
    const Song& song = model_.song();
    if (song.empty())
        return warn(QStringLiteral("Save song as ChordPro"),
                    "There is no song to save: type one in the song panel or open one.");
    const std::string title = song.chordPro() ? song.chordPro()->title : "";
    QString name = title.empty() ? QStringLiteral("song") : QString::fromStdString(title);
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString path = chooseFile("SaveSongDialog", QStringLiteral("Save song as ChordPro"), true,
                                    QDir(lastFolder_).filePath(name + ".cho"));
    if (path.isEmpty()) return;
    if (const auto problem = writeWholeFile(path.toStdString(), writeChordPro(song)))
        warn(QStringLiteral("Save song as ChordPro"), *problem);
}

} // namespace tambrel
