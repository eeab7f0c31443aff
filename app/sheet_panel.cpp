#include "app/sheet_panel.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "display/qt_sheet_painter.h"

namespace tambrel {

namespace {

constexpr QSize kIconSize(50, 65); // half a diagram cell

QToolButton* panelButton(const char* name, const QString& caption, const QString& hint) {
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

// The diagram as it will be exported, at half size: its cell without the name band.
QIcon diagramIcon(const SheetDiagram& diagram, DotLabels labels, bool leftHanded, qreal dpr) {
    const QSize cell(kSheetCellWidth, kSheetCellHeight - kSheetNameBand);
    QImage image(cell * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtSheetPainter cells(painter, ArtworkDrawing::Cached);
    SheetDiagram unnamed = diagram;
    unnamed.name.clear();
    drawSheetCell(cells, unnamed, -kSheetNameBand, 0, labels, leftHanded);
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

QStringList dotLabelsCaptions() {
    return {QStringLiteral("Finger numbers"), QStringLiteral("Note names"),
            QStringLiteral("Intervals")};
}

SheetPanel::SheetPanel(QWidget* parent) : QDockWidget(QStringLiteral("Sheet"), parent) {
    setObjectName(QStringLiteral("SheetDock"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("SheetPanel"));
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    add_ = panelButton("SheetAdd", QStringLiteral("Add to sheet"),
                       QStringLiteral("Add the selected diagram to the sheet (Ctrl+D)"));
    addAll_ = panelButton("SheetAddAll", QStringLiteral("Add all results"),
                          QStringLiteral("Add every diagram of the results to the sheet"));
    auto* adding = new QHBoxLayout;
    adding->setSpacing(2);
    adding->addWidget(add_);
    adding->addWidget(addAll_);
    layout->addLayout(adding);

    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("SheetList"));
    list_->setIconSize(kIconSize);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setDragDropMode(QAbstractItemView::InternalMove);
    list_->setDefaultDropAction(Qt::MoveAction);
    list_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setMinimumWidth(170);
    layout->addWidget(list_, 1);

    up_ = panelButton("SheetUp", QStringLiteral("Up"), QStringLiteral("Move the diagram up"));
    down_ =
        panelButton("SheetDown", QStringLiteral("Down"), QStringLiteral("Move the diagram down"));
    rename_ = panelButton("SheetRename", QStringLiteral("Rename"),
                          QStringLiteral("Edit the diagram's name (F2)"));
    remove_ = panelButton("SheetRemove", QStringLiteral("Remove"),
                          QStringLiteral("Remove the diagram from the sheet (Delete)"));
    auto* editing = new QGridLayout;
    editing->setSpacing(2);
    editing->addWidget(up_, 0, 0);
    editing->addWidget(down_, 0, 1);
    editing->addWidget(rename_, 1, 0);
    editing->addWidget(remove_, 1, 1);
    layout->addLayout(editing);

    auto* labelsRow = new QHBoxLayout;
    labelsRow->addWidget(new QLabel(QStringLiteral("Dots:")));
    labels_ = new QComboBox;
    labels_->setObjectName(QStringLiteral("SheetDotLabels"));
    labels_->addItems(dotLabelsCaptions());
    labels_->setToolTip(QStringLiteral("What the dots of every diagram show"));
    labelsRow->addWidget(labels_, 1);
    layout->addLayout(labelsRow);

    export_ = panelButton("SheetExport", QStringLiteral("Export sheet..."),
                          QStringLiteral("Save the sheet as SVG, PDF or PNG (Ctrl+E)"));
    print_ = panelButton("SheetPrint", QStringLiteral("Print sheet..."),
                         QStringLiteral("Print the sheet, with a preview (Ctrl+P)"));
    auto* output = new QHBoxLayout;
    output->setSpacing(2);
    output->addWidget(export_);
    output->addWidget(print_);
    layout->addLayout(output);
    setWidget(body);

    connect(add_, &QToolButton::clicked, this, &SheetPanel::addSelectedRequested);
    connect(addAll_, &QToolButton::clicked, this, &SheetPanel::addAllRequested);
    connect(export_, &QToolButton::clicked, this, &SheetPanel::exportRequested);
    connect(print_, &QToolButton::clicked, this, &SheetPanel::printRequested);
    connect(up_, &QToolButton::clicked, this, [this] {
        if (const int row = currentRow(); row > 0) emit moveRequested(row, row - 1);
    });
    connect(down_, &QToolButton::clicked, this, [this] {
        const int row = currentRow();
        if (row >= 0 && row + 1 < list_->count()) emit moveRequested(row, row + 1);
    });
    connect(rename_, &QToolButton::clicked, this, [this] {
        if (QListWidgetItem* item = list_->currentItem()) list_->editItem(item);
    });
    connect(remove_, &QToolButton::clicked, this, [this] {
        if (const int row = currentRow(); row >= 0) emit removeRequested(row);
    });
    connect(labels_, &QComboBox::activated, this,
            [this](int index) { emit dotLabelsChosen(static_cast<DotLabels>(index)); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { showButtons(); });
    connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!showing_) emit renameRequested(list_->row(item), item->text());
    });
    // A drag has already moved the item in the list; the sheet follows, then the list is
    // shown again from the sheet once the view is done with the drop.
    connect(list_->model(), &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int start, int, const QModelIndex&, int destination) {
                if (showing_) return;
                const int to = destination > start ? destination - 1 : destination;
                QTimer::singleShot(0, this, [this, start, to] { emit moveRequested(start, to); });
            });
    auto* removeKey =
        new QAction(QStringLiteral("Remove the diagram selected in the sheet"), list_);
    removeKey->setShortcut(QKeySequence::Delete);
    removeKey->setShortcutContext(Qt::WidgetShortcut);
    list_->addAction(removeKey);
    connect(removeKey, &QAction::triggered, this, [this] {
        if (const int row = currentRow(); row >= 0) emit removeRequested(row);
    });
    connect(list_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const int row = list_->row(list_->itemAt(at));
        if (row < 0) return;
        QMenu menu(this);
        menu.addAction(QStringLiteral("Copy diagram"), this,
                       [this, row] { emit copyRequested(row); });
        menu.addAction(QStringLiteral("Rename"), this,
                       [this, row] { list_->editItem(list_->item(row)); });
        menu.addAction(QStringLiteral("Remove"), this, [this, row] { emit removeRequested(row); });
        menu.exec(list_->viewport()->mapToGlobal(at));
    });
    showButtons();
}

void SheetPanel::showEntries(const std::vector<SheetDiagram>& entries, DotLabels labels,
                             bool leftHanded) {
    showing_ = true;
    const int current = currentRow();
    const qreal dpr = devicePixelRatioF();
    list_->clear();
    for (const SheetDiagram& entry : entries) {
        auto* item = new QListWidgetItem(diagramIcon(entry, labels, leftHanded, dpr),
                                         QString::fromStdString(entry.name), list_);
        item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled);
        item->setToolTip(QString::fromStdString(sheetDiagramTitle(entry)));
    }
    if (list_->count() > 0) list_->setCurrentRow(std::clamp(current, 0, list_->count() - 1));
    showing_ = false;
    showButtons();
}

void SheetPanel::showDotLabels(DotLabels labels) {
    labels_->setCurrentIndex(static_cast<int>(labels));
}

void SheetPanel::showCanAdd(bool canAdd, bool hasResults) {
    add_->setEnabled(canAdd);
    addAll_->setEnabled(hasResults);
}

int SheetPanel::currentRow() const {
    return list_->currentRow();
}

void SheetPanel::setCurrentRow(int row) {
    list_->setCurrentRow(row);
}

void SheetPanel::showButtons() {
    const int row = currentRow();
    const int count = list_->count();
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < count);
    rename_->setEnabled(row >= 0);
    remove_->setEnabled(row >= 0);
    export_->setEnabled(count > 0);
    print_->setEnabled(count > 0);
}

} // namespace tambrel
