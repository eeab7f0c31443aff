#include "app/shortcuts_dialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tambrel {

ShortcutsDialog::ShortcutsDialog(QWidget& window) : QDialog(&window) {
    setObjectName(QStringLiteral("ShortcutsDialog"));
    setWindowTitle(QStringLiteral("Keyboard shortcuts"));
    auto* layout = new QVBoxLayout(this);

    list_ = new QTreeWidget;
    list_->setObjectName(QStringLiteral("ShortcutsList"));
    list_->setHeaderLabels({QStringLiteral("Action"), QStringLiteral("Keys")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    for (const QAction* action : actionsWithShortcuts(window))
        new QTreeWidgetItem(list_, {meaningOf(*action), keysOf(*action)});
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    // Every row shows without scrolling.
    const int rows = list_->topLevelItemCount();
    const int rowHeight = rows > 0 ? list_->sizeHintForRow(0) : 0;
    list_->setMinimumSize(360, list_->header()->sizeHint().height() + rows * rowHeight +
                                   2 * list_->frameWidth());
    layout->addWidget(list_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QList<QAction*> ShortcutsDialog::actionsWithShortcuts(const QWidget& window) {
    QList<QAction*> actions = window.findChildren<QAction*>();
    actions.removeIf([](const QAction* action) { return action->shortcuts().isEmpty(); });
    std::stable_sort(actions.begin(), actions.end(), [](const QAction* a, const QAction* b) {
        return meaningOf(*a).compare(meaningOf(*b), Qt::CaseInsensitive) < 0;
    });
    return actions;
}

QString ShortcutsDialog::keysOf(const QAction& action) {
    QStringList keys;
    for (const QKeySequence& shortcut : action.shortcuts())
        keys << shortcut.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
}

QString ShortcutsDialog::meaningOf(const QAction& action) {
    // The tip says more where the caption is short; without one it is the caption, without
    // its "&" and "...".
    return action.toolTip();
}

} // namespace tambrel
