// The window's menus: every command in "File", "View" and "Help" in its place with its shortcut,
// each item doing what its shortcut does, and the list of shortcuts that "Help" shows.
#include <QDockWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTreeWidget>
#include <utility>

#include "app/sheet_tools.h"
#include "app/shortcuts_dialog.h"
#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

// An item as the menu shows it: its caption and its shortcut; a separator is {"-", ""}.
using Item = std::pair<std::string, std::string>;

std::vector<Item> itemsOf(const QMenu* menu) {
    std::vector<Item> items;
    for (const QAction* action : menu->actions())
        items.emplace_back(action->isSeparator() ? "-" : action->text().toStdString(),
                           action->shortcut().toString().toStdString());
    return items;
}

class Menus : public WindowTest {
  protected:
    // Opens `menu` with a click on its title in the menu bar, then clicks `item` in it.
    void choose(const char* menu, const char* item) {
        QMenuBar* bar = form->menuBar();
        auto* opened = find<QMenu>(menu);
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(opened->menuAction()).center());
        ASSERT_TRUE(opened->isVisible()) << menu;
        const QPoint at = opened->actionGeometry(find<QAction>(item)).center();
        QTest::mouseMove(opened, at);
        QTest::mouseClick(opened, Qt::LeftButton, {}, at);
        settle();
    }

    // The object name and title of the dialog that `action` brings up, which is then left; empty
    // when none comes up.
    static std::string dialogOf(const std::function<void()>& action) {
        std::string seen;
        whileModal(action, [&](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            if (dialog == nullptr || !seen.empty()) return false;
            seen =
                (dialog->objectName() + QStringLiteral(": ") + dialog->windowTitle()).toStdString();
            dialog->reject();
            return true;
        });
        return seen;
    }

    // Shortcuts go to the active window: the window is made active again after a dialog.
    // A shortcut of one widget alone is pressed with the focus in it.
    void pressKeys(const QKeySequence& keys, QWidget* at = nullptr) {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        if (at != nullptr) at->setFocus();
        QTest::keySequence(at != nullptr ? at : form.get(), keys);
        settle();
    }

    // A diagram selected and on the sheet, so that every command of the menus can act.
    void addADiagram() {
        // The panel shows first: the results narrowed by it are searched again, unselected.
        find<QDockWidget>("SheetDock")->show();
        settle();
        const QRect cell = find<ResultsCanvas>("Image1")->cellRect(2);
        clickCanvas(cell.center().x(), cell.center().y());
        find<QAction>("AddToSheet")->trigger();
        settle();
        ASSERT_FALSE(form->sheetTools()->sheet().empty());
        ASSERT_EQ(state().highlighted, std::vector<int>{2});
    }
};

TEST_F(Menus, HoldEveryCommandInOrderWithItsShortcut) {
    const QList<QAction*> titles = form->menuBar()->actions();
    ASSERT_EQ(titles.size(), 3);
    EXPECT_EQ(titles[0]->menu(), find<QMenu>("Arquivo1"));
    EXPECT_EQ(titles[1]->menu(), find<QMenu>("ViewMenu"));
    EXPECT_EQ(titles[2]->menu(), find<QMenu>("Ajuda1"));

    EXPECT_EQ(itemsOf(find<QMenu>("Arquivo1")),
              (std::vector<Item>{{"Export results...", "Ctrl+Shift+E"},
                                 {"Export sheet...", "Ctrl+E"},
                                 {"Print sheet...", "Ctrl+P"},
                                 {"-", ""},
                                 {"Open song...", "Ctrl+O"},
                                 {"Save song as ChordPro...", "Ctrl+S"},
                                 {"-", ""},
                                 {"Export song as MusicXML...", ""},
                                 {"Export song as MIDI...", ""},
                                 {"-", ""},
                                 {"&Close", "Ctrl+Q"}}));
    EXPECT_EQ(itemsOf(find<QMenu>("ViewMenu")),
              (std::vector<Item>{{"Sheet", "Ctrl+Shift+S"}, {"Song", "Ctrl+Shift+G"}}));
    EXPECT_EQ(itemsOf(find<QMenu>("Ajuda1")),
              (std::vector<Item>{{"&Keyboard shortcuts", "F1"}, {"&About", ""}}));

    // The items are the sheet's own actions, not copies: one shortcut, one handler each.
    EXPECT_EQ(find<QMenu>("Arquivo1")->actions()[1], find<QAction>("ExportSheet"));
    QAction* sheet = find<QMenu>("ViewMenu")->actions()[0];
    EXPECT_EQ(sheet, find<QDockWidget>("SheetDock")->toggleViewAction());
    EXPECT_TRUE(sheet->isCheckable());
    EXPECT_FALSE(sheet->isChecked());
}

TEST_F(Menus, EachItemDoesWhatItsShortcutDoes) {
    // View > Sheet shows the panel and hides it again, as its keys do.
    auto* dock = find<QDockWidget>("SheetDock");
    choose("ViewMenu", "ShowSheet");
    EXPECT_TRUE(dock->isVisible());
    EXPECT_TRUE(find<QAction>("ShowSheet")->isChecked());
    pressKeys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_FALSE(dock->isVisible());
    choose("ViewMenu", "ShowSheet");
    EXPECT_TRUE(dock->isVisible());

    // The dialogs, from the menus and from the keys.
    addADiagram();
    const struct {
        const char* menu;
        const char* item;
        QKeySequence keys;
        const char* dialog;
    } dialogs[] = {
        {"Arquivo1", "ExportResults", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
         "ExportDialog: Export results"},
        {"Arquivo1", "ExportSheet", QKeySequence(Qt::CTRL | Qt::Key_E),
         "ExportDialog: Export sheet"},
        {"Arquivo1", "PrintSheet", QKeySequence::Print, "SheetPrintPreview: Print sheet"},
        {"Arquivo1", "OpenSong", QKeySequence(Qt::CTRL | Qt::Key_O), "OpenSongDialog: Open song"},
        // No song yet: the message says so.
        {"Arquivo1", "SaveSongChordPro", QKeySequence(Qt::CTRL | Qt::Key_S),
         "SongFileMessage: Save song as ChordPro"},
        {"Ajuda1", "KeyboardShortcuts", QKeySequence(Qt::Key_F1),
         "ShortcutsDialog: Keyboard shortcuts"},
    };
    for (const auto& expected : dialogs) {
        EXPECT_EQ(dialogOf([&] { choose(expected.menu, expected.item); }), expected.dialog);
        EXPECT_EQ(dialogOf([&] { pressKeys(expected.keys); }), expected.dialog);
    }
    EXPECT_EQ(dialogOf([&] { choose("Ajuda1", "Sobre1"); }), "TForm2: About Tambrel");
    // The song's exports: without a song, a box says there is none; with one, where to.
    EXPECT_EQ(dialogOf([&] { choose("Arquivo1", "ExportSongMidi"); }), "NoSongToExport: Tambrel");
    find<QPlainTextEdit>("SongText")->setPlainText(QStringLiteral("C Am F G"));
    EXPECT_EQ(dialogOf([&] { choose("Arquivo1", "ExportSongMusicXml"); }),
              "SongExportDialog: Export song as MusicXML");
    EXPECT_EQ(dialogOf([&] { choose("Arquivo1", "ExportSongMidi"); }),
              "SongExportDialog: Export song as MIDI");

    // Nothing to export or print on an empty sheet: the items are greyed, as their keys do
    // nothing.
    pressKeys(QKeySequence::Delete, find<QListWidget>("SheetList"));
    ASSERT_TRUE(form->sheetTools()->sheet().empty());
    EXPECT_FALSE(find<QAction>("ExportSheet")->isEnabled());
    EXPECT_FALSE(find<QAction>("PrintSheet")->isEnabled());
    EXPECT_EQ(dialogOf([&] { pressKeys(QKeySequence(Qt::CTRL | Qt::Key_E)); }), "");

    // File > Close closes the window.
    choose("Arquivo1", "Sair1");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Menus, EveryShortcutFiresOnceAndNoneIsBoundTwice) {
    addADiagram();
    const QList<QAction*> actions = ShortcutsDialog::actionsWithShortcuts(*form);
    QStringList keys;
    for (const QAction* action : actions) keys << ShortcutsDialog::keysOf(*action);
    // Qt ignores a shortcut bound twice in one window.
    const QString all = keys.join(' ');
    EXPECT_EQ(keys.removeDuplicates(), 0) << all.toStdString();
    for (const char* expected : {"Ctrl+D", "Ctrl+Shift+D", "Ctrl+Shift+C", "Ctrl+E", "Ctrl+Shift+E",
                                 "Ctrl+P", "Ctrl+Shift+S", "Ctrl+Q", "F1", "Del"})
        EXPECT_TRUE(keys.contains(QString::fromLatin1(expected)))
            << expected << " in " << all.toStdString();

    // Each pressed where it works: on the window, or on the widget that it belongs to. Closing
    // comes last.
    QAction* close = find<QAction>("Sair1");
    QList<QAction*> pressed = actions;
    pressed.removeOne(close);
    pressed.append(close);
    for (QAction* action : pressed) {
        ASSERT_TRUE(action->isEnabled()) << action->text().toStdString();
        QWidget* target = nullptr;
        if (action->shortcutContext() == Qt::WidgetShortcut) {
            target = qobject_cast<QWidget*>(action->parent());
            ASSERT_NE(target, nullptr);
        }
        QSignalSpy fired(action, &QAction::triggered);
        dialogOf([&] { pressKeys(action->shortcut(), target); });
        EXPECT_EQ(fired.count(), 1) << action->text().toStdString();
    }
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Menus, TheShortcutsListIsReadFromTheWindowsActions) {
    std::vector<std::string> rows;
    whileModal([&] { choose("Ajuda1", "KeyboardShortcuts"); },
               [&](QWidget* modal) {
                   auto* list = modal->findChild<QTreeWidget*>("ShortcutsList");
                   if (list == nullptr) return false;
                   for (int row = 0; row < list->topLevelItemCount(); ++row)
                       rows.push_back((list->topLevelItem(row)->text(0) + " = " +
                                       list->topLevelItem(row)->text(1))
                                          .toStdString());
                   // Every row shows without scrolling.
                   EXPECT_FALSE(list->verticalScrollBar()->isVisible());
                   qobject_cast<QDialog*>(modal)->reject();
                   return true;
               });
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "Add all results = Ctrl+Shift+D", "Add to sheet = Ctrl+D",
                        "Close Tambrel = Ctrl+Q", "Copy diagram = Ctrl+Shift+C",
                        "Export results = Ctrl+Shift+E", "Export sheet = Ctrl+E",
                        "Keyboard shortcuts = F1", "Open song = Ctrl+O", "Print sheet = Ctrl+P",
                        "Remove the diagram selected in the sheet = Del",
                        "Save song as ChordPro = Ctrl+S", "Show or hide the sheet = Ctrl+Shift+S",
                        "Show or hide the song panel = Ctrl+Shift+G"}));

    // A command that the window gains is listed the next time the dialog opens.
    auto* added = new QAction(QStringLiteral("&Transpose..."), form.get());
    added->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    form->addAction(added);
    ShortcutsDialog dialog(*form);
    EXPECT_EQ(dialog.list()->topLevelItemCount(), static_cast<int>(rows.size()) + 1);
    const QList<QTreeWidgetItem*> found = dialog.list()->findItems("Transpose", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0]->text(1).toStdString(), "Ctrl+T");
}

} // namespace
} // namespace tambrel::testing
