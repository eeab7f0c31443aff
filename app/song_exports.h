#pragma once
// File > "Export song as MusicXML..." and "Export song as MIDI...": the song panel's song as a
// lead sheet with its diagrams, and as a MIDI file of it played at the panel's tempo with the
// window's instrument and strum. It reads the model and the panel; neither knows of it.
#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMainWindow;

namespace tambrel {

class MainWindowModel;
class SongPanel;

class SongExports : public QObject {
    Q_OBJECT
  public:
    SongExports(QMainWindow& window, const MainWindowModel& model, SongPanel& panel);

    // The two items, for the File menu.
    QList<QAction*> items() const { return {musicXml_, midi_}; }

    // The user's actions: ask where, then write.
    void exportMusicXml();
    void exportMidi();
    // Writes the song as it stands to `path`, whole or not at all; a message box says why
    // not. Returns whether the file was written.
    bool writeMusicXml(const QString& path);
    bool writeMidi(const QString& path);

  private:
    // The path the user chose, with the format's ending when it has none; empty when the user
    // went back, or when there is no song to export (a message box says so).
    QString askPath(const QString& title, const QString& filter, const QString& suffix);
    bool write(const QString& path, const std::string& bytes);

    QMainWindow& window_;
    const MainWindowModel& model_;
    SongPanel& panel_;
    QAction* musicXml_ = nullptr;
    QAction* midi_ = nullptr;
};

} // namespace tambrel
