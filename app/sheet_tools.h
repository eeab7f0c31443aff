#pragma once
// The chord sheet in the desktop window: the sheet panel, the actions that add to it, export,
// print and copy (with their shortcuts, on the window, in its menus and in the canvas's menu),
// and the dots' labels of the window's diagrams. It keeps the sheet and reads the window's
// model; the model itself knows nothing of it.
#include <QList>
#include <QObject>
#include <QString>
#include <vector>

#include "display/sheet_export.h"
#include "window/chord_sheet.h"

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QPoint;

namespace tambrel {

class ResultsCanvas;
class SheetPanel;

class SheetTools : public QObject {
    Q_OBJECT
  public:
    // Adds the sheet panel to `window`, hidden until the sheet is first used, and the actions
    // to the window.
    SheetTools(QMainWindow& window, const MainWindowModel& model, ResultsCanvas& canvas);

    const ChordSheet& sheet() const { return sheet_; }
    SheetPanel* panel() const { return panel_; }
    DotLabels dotLabels() const { return labels_; }

    // Shows what depends on the model: the canvas's labels, what can be added and exported.
    void showModelState();

    // The user's actions.
    void addSelected();
    void addAllResults();
    // Adds `diagrams` at the sheet's end and shows them in its panel.
    void addDiagrams(const std::vector<SheetDiagram>& diagrams);
    void copySelected();
    void copySheetEntry(int row);
    void setDotLabels(DotLabels labels);
    void renameEntry(int row, const QString& name);
    void moveEntry(int from, int to);
    void removeEntry(int row);
    void exportSheet();   // asks where and how, then writes
    void exportResults(); // the same for every diagram of the results
    void printSheet();    // the print preview, and from it the printer
    // Writes the diagrams as the export dialog's button does: with a progress dialog while it
    // takes long, and a message box when it cannot. A path without a known ending gets the
    // format's; a known ending chooses the format. Returns whether the file was written.
    bool exportTo(const std::vector<SheetDiagram>& diagrams, SheetExportOptions options,
                  QString path);

    // The canvas's menu, as the right button's release opens it.
    QMenu* canvasMenu() const { return canvasMenu_; }
    // Export results, export sheet and print sheet, in the order the menus show them.
    QList<QAction*> outputItems() const { return {exportResults_, exportSheet_, print_}; }

  private:
    void showSheet();
    void exportWithDialog(const QString& caption, const std::vector<SheetDiagram>& diagrams,
                          const QString& fileName, const std::string& title);
    SheetExportOptions currentOptions() const;
    void copy(const SheetDiagram& diagram);
    QAction* action(const char* name, const QString& caption, const QKeySequence& shortcut);

    QMainWindow& window_;
    const MainWindowModel& model_;
    ResultsCanvas& canvas_;
    SheetPanel* panel_ = nullptr;
    QMenu* canvasMenu_ = nullptr;
    ChordSheet sheet_;
    DotLabels labels_ = DotLabels::Fingers;
    SheetExportOptions lastOptions_; // the export dialog's last choices
    QString lastFolder_;

    QAction* add_ = nullptr;
    QAction* addAll_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* exportSheet_ = nullptr;
    QAction* exportResults_ = nullptr;
    QAction* print_ = nullptr;
    QActionGroup* labelChoices_ = nullptr;
};

} // namespace tambrel
