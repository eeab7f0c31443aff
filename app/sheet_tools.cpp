#include "app/sheet_tools.h"

#include <QAction>
#include <QActionGroup>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTimer>

#include "app/export_dialog.h"
#include "app/sheet_panel.h"
#include "display/results_canvas.h"
#include "display/sheet_pictures.h"

namespace tambrel {

namespace {

// Exporting draws in steps: at least this often the window gets to repaint, and a long export
// shows its progress.
constexpr int kFrameMilliseconds = 15;
constexpr int kProgressDelayMilliseconds = 250;

QString defaultFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

} // namespace

SheetTools::SheetTools(QMainWindow& window, const MainWindowModel& model, ResultsCanvas& canvas)
    : QObject(&window), window_(window), model_(model), canvas_(canvas) {
    setObjectName(QStringLiteral("SheetTools"));
    lastOptions_.format = SheetFormat::Pdf;
    lastFolder_ = defaultFolder();

    panel_ = new SheetPanel(&window);
    window.addDockWidget(Qt::RightDockWidgetArea, panel_);
    panel_->hide();

    add_ = action("AddToSheet", QStringLiteral("Add to sheet"), QKeySequence(Qt::CTRL | Qt::Key_D));
    addAll_ = action("AddAllResults", QStringLiteral("Add all results"),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    copy_ = action("CopyDiagram", QStringLiteral("Copy diagram"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    exportSheet_ = action("ExportSheet", QStringLiteral("Export sheet..."),
                          QKeySequence(Qt::CTRL | Qt::Key_E));
    exportResults_ = action("ExportResults", QStringLiteral("Export results..."),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    print_ = action("PrintSheet", QStringLiteral("Print sheet..."), QKeySequence::Print);
    QAction* showPanel = panel_->toggleViewAction();
    // Named by the panel's title, "Sheet", as the window's "View" menu shows it.
    showPanel->setObjectName(QStringLiteral("ShowSheet"));
    showPanel->setToolTip(QStringLiteral("Show or hide the sheet"));
    showPanel->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    window.addAction(showPanel);

    labelChoices_ = new QActionGroup(this);
    labelChoices_->setExclusive(true);
    const QStringList captions = dotLabelsCaptions();
    const char* names[] = {"DotLabelsFingers", "DotLabelsNotes", "DotLabelsIntervals"};
    for (int k = 0; k < captions.size(); ++k) {
        QAction* choice = labelChoices_->addAction(captions[k]);
        choice->setObjectName(QString::fromLatin1(names[k]));
        choice->setCheckable(true);
        choice->setChecked(k == 0);
        connect(choice, &QAction::triggered, this,
                [this, k] { setDotLabels(static_cast<DotLabels>(k)); });
    }

    canvasMenu_ = new QMenu(&window);
    canvasMenu_->setObjectName(QStringLiteral("CanvasMenu"));
    canvasMenu_->addAction(add_);
    canvasMenu_->addAction(addAll_);
    canvasMenu_->addAction(copy_);
    canvasMenu_->addSeparator();
    QMenu* labels = canvasMenu_->addMenu(QStringLiteral("Dots show"));
    labels->setObjectName(QStringLiteral("DotLabelsMenu"));
    labels->addActions(labelChoices_->actions());
    canvasMenu_->addSeparator();
    canvasMenu_->addActions(outputItems());
    canvasMenu_->addSeparator();
    canvasMenu_->addAction(showPanel);

    connect(add_, &QAction::triggered, this, &SheetTools::addSelected);
    connect(addAll_, &QAction::triggered, this, &SheetTools::addAllResults);
    connect(copy_, &QAction::triggered, this, &SheetTools::copySelected);
    connect(exportSheet_, &QAction::triggered, this, &SheetTools::exportSheet);
    connect(exportResults_, &QAction::triggered, this, &SheetTools::exportResults);
    connect(print_, &QAction::triggered, this, &SheetTools::printSheet);
    connect(&canvas, &ResultsCanvas::menuRequested, this,
            [this](const QPoint& at, int, int) { canvasMenu_->popup(at); });

    connect(panel_, &SheetPanel::addSelectedRequested, this, &SheetTools::addSelected);
    connect(panel_, &SheetPanel::addAllRequested, this, &SheetTools::addAllResults);
    connect(panel_, &SheetPanel::exportRequested, this, &SheetTools::exportSheet);
    connect(panel_, &SheetPanel::printRequested, this, &SheetTools::printSheet);
    connect(panel_, &SheetPanel::renameRequested, this, &SheetTools::renameEntry);
    connect(panel_, &SheetPanel::moveRequested, this, &SheetTools::moveEntry);
    connect(panel_, &SheetPanel::removeRequested, this, &SheetTools::removeEntry);
    connect(panel_, &SheetPanel::copyRequested, this, &SheetTools::copySheetEntry);
    connect(panel_, &SheetPanel::dotLabelsChosen, this, &SheetTools::setDotLabels);
    showSheet();
}

QAction* SheetTools::action(const char* name, const QString& caption,
                            const QKeySequence& shortcut) {
    auto* item = new QAction(caption, this);
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(shortcut);
    // On the window itself, so that the shortcuts work wherever the focus is in it.
    window_.addAction(item);
    return item;
}

void SheetTools::showModelState() {
    canvas_.showDotLabels(labels_, diagramNotesOf(model_));
    const std::vector<int>& highlighted = model_.window().highlighted;
    const bool selected =
        !highlighted.empty() &&
        highlighted.front() < static_cast<int>(model_.search().voicingList.size());
    const bool results = !model_.search().voicingList.empty();
    add_->setEnabled(selected);
    copy_->setEnabled(selected);
    addAll_->setEnabled(results);
    exportResults_->setEnabled(results);
    panel_->showCanAdd(selected, results);
}

void SheetTools::showSheet() {
    panel_->showEntries(sheet_.entries(), labels_, model_.window().leftHanded);
    exportSheet_->setEnabled(!sheet_.empty());
    print_->setEnabled(!sheet_.empty());
}

void SheetTools::addSelected() {
    const std::optional<SheetDiagram> selected = selectedSheetDiagram(model_);
    if (!selected) return;
    sheet_.add(*selected);
    showSheet();
    panel_->setCurrentRow(sheet_.size() - 1);
    panel_->show();
}

void SheetTools::addAllResults() {
    addDiagrams(resultSheetDiagrams(model_));
}

void SheetTools::addDiagrams(const std::vector<SheetDiagram>& diagrams) {
    if (diagrams.empty()) return;
    const int first = sheet_.size();
    sheet_.add(diagrams);
    showSheet();
    panel_->setCurrentRow(first);
    panel_->show();
}

void SheetTools::renameEntry(int row, const QString& name) {
    if (!sheet_.rename(row, name.toStdString())) return;
    // The edited item is still the view's own while this runs: the list is shown afresh after.
    QTimer::singleShot(0, this, [this, row] {
        showSheet();
        panel_->setCurrentRow(row);
    });
}

void SheetTools::moveEntry(int from, int to) {
    if (!sheet_.move(from, to)) return;
    showSheet();
    panel_->setCurrentRow(to);
}

void SheetTools::removeEntry(int row) {
    if (!sheet_.remove(row)) return;
    showSheet();
    if (!sheet_.empty()) panel_->setCurrentRow(std::min(row, sheet_.size() - 1));
}

void SheetTools::setDotLabels(DotLabels labels) {
    labels_ = labels;
    labelChoices_->actions()[static_cast<int>(labels)]->setChecked(true);
    panel_->showDotLabels(labels);
    canvas_.showDotLabels(labels_, diagramNotesOf(model_));
    const int row = panel_->currentRow();
    showSheet();
    if (row >= 0) panel_->setCurrentRow(row);
}

SheetExportOptions SheetTools::currentOptions() const {
    SheetExportOptions options = lastOptions_;
    options.labels = labels_;
    options.leftHanded = model_.window().leftHanded;
    return options;
}

void SheetTools::copySelected() {
    if (const std::optional<SheetDiagram> selected = selectedSheetDiagram(model_)) copy(*selected);
}

void SheetTools::copySheetEntry(int row) {
    if (row >= 0 && row < sheet_.size()) copy(sheet_.entries()[row]);
}

void SheetTools::copy(const SheetDiagram& diagram) {
    SheetExportOptions options = currentOptions();
    options.perRow = 1;
    options.pngScale = 2;
    options.title.clear();
    const std::vector<SheetDiagram> one{diagram};
    auto* data = new QMimeData;
    if (const std::optional<QImage> image = sheetImage(one, options); image && !image->isNull()) {
        data->setImageData(*image);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image->save(&buffer, "PNG");
        data->setData(QStringLiteral("image/png"), png);
    }
    if (const std::optional<QByteArray> svg = sheetSvg(one, options))
        data->setData(QStringLiteral("image/svg+xml"), *svg);
    data->setText(QString::fromStdString(sheetDiagramTitle(diagram)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void SheetTools::exportSheet() {
    if (sheet_.empty()) return;
    exportWithDialog(QStringLiteral("Export sheet"), sheet_.entries(),
                     QStringLiteral("chord-sheet"), "Chord sheet");
}

void SheetTools::exportResults() {
    const std::vector<SheetDiagram> results = resultSheetDiagrams(model_);
    if (results.empty()) return;
    const std::string name = sheetNameOf(model_);
    exportWithDialog(QStringLiteral("Export results"), results, QStringLiteral("chord-results"),
                     name + " \u2014 " + std::to_string(results.size()) + " fingerings");
}

void SheetTools::exportWithDialog(const QString& caption, const std::vector<SheetDiagram>& diagrams,
                                  const QString& fileName, const std::string& title) {
    SheetExportOptions options = currentOptions();
    options.title = title;
    const QString path = QDir(lastFolder_)
                             .filePath(fileName + QLatin1Char('.') +
                                       QString::fromStdString(sheetFormatSuffix(options.format)));
    ExportDialog dialog(caption, path, options, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    // The diagrams as they were when asked: the sheet may not change meanwhile anyway.
    exportTo(diagrams, dialog.options(), dialog.path());
}

bool SheetTools::exportTo(const std::vector<SheetDiagram>& diagrams, SheetExportOptions options,
                          QString path) {
    if (const auto format = sheetFormatOfPath(path.toStdString()))
        options.format = *format;
    else if (!path.isEmpty())
        path += QLatin1Char('.') + QString::fromStdString(sheetFormatSuffix(options.format));

    const int count = static_cast<int>(diagrams.size());
    QProgressDialog progress(QStringLiteral("Exporting %1 diagrams...").arg(count),
                             QStringLiteral("Cancel"), 0, count, &window_);
    progress.setObjectName(QStringLiteral("ExportProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMilliseconds);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QElapsedTimer sinceFrame;
    sinceFrame.start();
    const SheetProgress step = [&](int done, int) {
        if (sinceFrame.elapsed() >= kFrameMilliseconds) {
            // Once shown, the modal progress dialog lets the window repaint itself; before,
            // the window repaints but takes no input.
            progress.setValue(done);
            if (!progress.isVisible())
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sinceFrame.restart();
        }
        return !progress.wasCanceled();
    };
    const SheetExportResult result =
        tambrel::exportSheet(diagrams, options, path.toStdString(), step);
    progress.close();

    if (result.status == SheetExportResult::Status::Failed) {
        QMessageBox::warning(&window_, QStringLiteral("Tambrel"),
                             QString::fromStdString(result.message));
        return false;
    }
    if (!result.written()) return false;
    lastOptions_ = options;
    lastFolder_ = QFileInfo(path).absolutePath();
    return true;
}

void SheetTools::printSheet() {
    if (sheet_.empty()) return;
    SheetExportOptions options = currentOptions();
    options.title = "Chord sheet";
    const std::vector<SheetDiagram> diagrams = sheet_.entries();

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Chord sheet"));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPrintPreviewDialog preview(&printer, &window_);
    preview.setObjectName(QStringLiteral("SheetPrintPreview"));
    preview.setWindowTitle(QStringLiteral("Print sheet"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&diagrams, &options](QPrinter* target) {
                QPainter painter(target);
                paintSheetPages(painter, *target, diagrams, options);
            });
    preview.exec();
}

} // namespace tambrel
