// Songs opened and saved through "File": the file chosen in the dialog, a ChordPro song's capo
// and fingerings taken, the song written back, and what cannot be read or written said in a
// message box that changes nothing.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "app/song_panel.h"
#include "music/fret_list_text.h"
#include "song_files/whole_file.h"
#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

class SongFilesWindowTest : public WindowTest {
  protected:
    // Triggers `item`, picks `path` in its file dialog, and returns the message box's text
    // that follows, if any.
    std::string chooseIn(const char* item, const QString& path) {
        std::string message;
        whileModal(
            [&] { find<QAction>(item)->trigger(); },
            [&](QWidget* modal) {
                if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                    // Typed into the dialog's own name box, as a user types a path.
                    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
                    static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
                    return true;
                }
                if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                    message = box->text().toStdString();
                    box->accept();
                    return true;
                }
                return false;
            });
        return message;
    }
    QString write(const QString& name, const std::string& bytes) {
        const QString path = folder.filePath(name);
        EXPECT_FALSE(writeWholeFile(path.toStdString(), bytes));
        return path;
    }
    std::vector<std::string> frets() const {
        std::vector<std::string> list;
        for (const ArrangedChord& chord : model().song().arrangement().chords)
            list.push_back(chord.fingering ? writeFretList(*chord.fingering) : "none");
        return list;
    }
    QTemporaryDir folder;
};

TEST_F(SongFilesWindowTest, AChordProFileOpensWithItsCapoAndFingeringsAndSavesBack) {
    const std::string song = "{title: Open}\r\n{capo: 2}\r\n"
                             "{define: C base-fret 1 frets x 3 2 0 1 0}\r\n"
                             "[C]la [G]la [*Rit.]\r\n";
    EXPECT_EQ(chooseIn("OpenSong", write("open.cho", song)), "");
    EXPECT_EQ(model().song().text(), song); // every byte, "\r\n" too
    EXPECT_EQ(model().search().capo, 2);
    ASSERT_EQ(frets().size(), 2U);
    // Under capo 2, x32010 sounds D, not C: the define is no fingering of C here.
    EXPECT_TRUE(model().song().pins().empty());
    EXPECT_TRUE(find<SongPanel>("SongDock")->isVisible());
    EXPECT_EQ(find<QPlainTextEdit>("SongText")->toPlainText().toStdString().substr(0, 13),
              "{title: Open}");

    const QString saved = folder.filePath("saved.cho");
    EXPECT_EQ(chooseIn("SaveSongChordPro", saved), "");
    const FileReading back = readSongFile(saved.toStdString());
    ASSERT_TRUE(back.bytes);
    EXPECT_TRUE(back.bytes->starts_with("{title: Open}\r\n{capo: 2}\r\n{define: C base-fret"));
    EXPECT_TRUE(back.bytes->ends_with("[C]la [G]la [*Rit.]\r\n"));
    const std::vector<std::string> chosen = frets();

    // Read back: the same fingerings, now the file's own pins.
    EXPECT_EQ(chooseIn("OpenSong", saved), "");
    EXPECT_EQ(frets(), chosen);
    EXPECT_EQ(model().song().pins().size(), 2U);
}

TEST_F(SongFilesWindowTest, WhatCannotBeReadOrWrittenChangesNothing) {
    EXPECT_EQ(chooseIn("OpenSong", write("song.txt", "| C Am | F G7 |\n")), "");
    EXPECT_EQ(frets().size(), 4U);
    const std::string before = model().song().text();
    EXPECT_NE(
        chooseIn("OpenSong", write("letter.txt", "Dear all, see you soon.\n")).find("no chords"),
        std::string::npos);
    EXPECT_NE(chooseIn("OpenSong", write("binary.cho", std::string("C\0Am", 4))).find("no text"),
              std::string::npos);
    EXPECT_EQ(model().song().text(), before);

    const QString nowhere = folder.filePath("missing/song.cho");
    EXPECT_NE(chooseIn("SaveSongChordPro", nowhere).find("cannot be written"), std::string::npos);
    EXPECT_FALSE(QDir(folder.filePath("missing")).exists());
    EXPECT_EQ(model().song().text(), before);
}

} // namespace
} // namespace tambrel::testing
