#pragma once
// The window's keyboard shortcuts, each with what it does, read from the window's actions when
// the dialog opens: whatever the window offers is listed, and nothing that it no longer offers.
#include <QDialog>
#include <QList>

class QAction;
class QTreeWidget;

namespace tambrel {

class ShortcutsDialog : public QDialog {
    Q_OBJECT
  public:
    // Lists the shortcuts of `window`'s actions; the dialog is `window`'s.
    explicit ShortcutsDialog(QWidget& window);

    // The actions in `window` that have a shortcut, in the order the dialog lists them: by
    // what they do.
    static QList<QAction*> actionsWithShortcuts(const QWidget& window);
    // An action's shortcuts as the desktop writes them, and what the action does.
    static QString keysOf(const QAction& action);
    static QString meaningOf(const QAction& action);

    QTreeWidget* list() const { return list_; }

  private:
    QTreeWidget* list_ = nullptr;
};

} // namespace tambrel
