#include "app/song_exports.h"

#include "app/song_panel.h"
#include "song_files/midi_file_song.h"
#include "song_files/musicxml_writer.h"
#include "song_files/whole_file.h"
#include "window/main_window_model.h"

#include <QAction>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>

namespace tambrel {

SongExports::SongExports(QMainWindow& window, const MainWindowModel& model, SongPanel& panel)
    : QObject(&window), window_(window), model_(model), panel_(panel) {
    musicXml_ = new QAction(QStringLiteral("Export song as MusicXML..."), &window);
    musicXml_->setObjectName(QStringLiteral("ExportSongMusicXml"));
    musicXml_->setToolTip(QStringLiteral("The song as a lead sheet, each chord with its diagram"));
    midi_ = new QAction(QStringLiteral("Export song as MIDI..."), &window);
    midi_->setObjectName(QStringLiteral("ExportSongMidi"));
    midi_->setToolTip(QStringLiteral("The song as it is played, at the song panel's tempo"));
    connect(musicXml_, &QAction::triggered, this, [this] { exportMusicXml(); });
    connect(midi_, &QAction::triggered, this, [this] { exportMidi(); });
}

QString SongExports::askPath(const QString& title, const QString& filter, const QString& suffix) {
    panel_.readTypedText();
    if (model_.song().empty()) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Tambrel"),
                        QStringLiteral("The song has no chords to export: type them in the "
                                       "song panel (View > Song)."),
                        QMessageBox::Ok, &window_);
        box.setObjectName(QStringLiteral("NoSongToExport"));
        box.exec();
        return {};
    }
    QFileDialog dialog(&window_, title);
    dialog.setObjectName(QStringLiteral("SongExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void SongExports::exportMusicXml() {
    const QString path =
        askPath(QStringLiteral("Export song as MusicXML"),
                QStringLiteral("MusicXML (*.musicxml *.xml)"), QStringLiteral("musicxml"));
    if (!path.isEmpty()) writeMusicXml(path);
}

void SongExports::exportMidi() {
    const QString path = askPath(QStringLiteral("Export song as MIDI"),
                                 QStringLiteral("MIDI file (*.mid *.midi)"), QStringLiteral("mid"));
    if (!path.isEmpty()) writeMidi(path);
}

bool SongExports::writeMusicXml(const QString& path) {
    return write(path, musicXmlOf(model_.song()));
}

bool SongExports::writeMidi(const QString& path) {
    const SearchState& search = model_.search();
    MidiFilePerformance performance;
    performance.bpm = panel_.bpm();
    performance.beatsPerChord = panel_.beatsPerChord();
    performance.instrument = model_.window().patchItem;
    performance.tempoPosition = model_.window().tempoPosition;
    return write(path, midiFileOf(model_.song().arrangement(), search.stringNote, performance));
}

bool SongExports::write(const QString& path, const std::string& bytes) {
    const auto problem = writeWholeFile(path.toStdString(), bytes);
    if (!problem) return true;
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Tambrel"),
        QStringLiteral("The song could not be exported: %1").arg(QString::fromStdString(*problem)),
        QMessageBox::Ok, &window_);
    box.setObjectName(QStringLiteral("SongExportFailed"));
    box.exec();
    return false;
}

} // namespace tambrel
