#pragma once
// The song's items in "File": "Open song..." reads a lead sheet or ChordPro file into the song
// panel, "Save song as ChordPro..." writes the song with a define of each chord's fingering and
// its capo. The files are chosen in Qt's own file dialog (the same on every desktop and under
// test); a file that cannot be read or written is said in a message box and changes nothing.
#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMainWindow;

namespace tambrel {

class MainWindowModel;
class SongPanel;

class SongFileItems : public QObject {
    Q_OBJECT
  public:
    SongFileItems(QMainWindow& window, MainWindowModel& model, SongPanel& panel);

    // For the "File" menu: opening, then saving.
    QList<QAction*> items() const;

  private:
    void openSong();
    void saveSong();
    // The file chosen in the dialog, or "" when it was cancelled.
    QString chooseFile(const char* name, const QString& caption, bool saving,
                       const QString& suggested);
    void warn(const QString& caption, const std::string& message);

    QMainWindow& window_;
    MainWindowModel& model_;
    SongPanel& panel_;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QString lastFolder_;
};

} // namespace tambrel
