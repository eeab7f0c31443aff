#include "app/export_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "app/sheet_panel.h"

namespace tambrel {

namespace {

const char* const kFormatCaptions[] = {"SVG picture", "PDF document", "PNG picture"};

QString filters() {
    return QStringLiteral("SVG picture (*.svg);;PDF document (*.pdf);;PNG picture (*.png)");
}

} // namespace

ExportDialog::ExportDialog(const QString& caption, const QString& path,
                           const SheetExportOptions& options, QWidget* parent)
    : QDialog(parent), leftHanded_(options.leftHanded) {
    setObjectName(QStringLiteral("ExportDialog"));
    setWindowTitle(caption);
    auto* form = new QFormLayout(this);

    path_ = new QLineEdit(path);
    path_->setObjectName(QStringLiteral("ExportPath"));
    path_->setMinimumWidth(320);
    auto* browse = new QPushButton(QStringLiteral("Browse..."));
    browse->setObjectName(QStringLiteral("ExportBrowse"));
    auto* file = new QHBoxLayout;
    file->addWidget(path_, 1);
    file->addWidget(browse);
    form->addRow(QStringLiteral("File:"), file);

    format_ = new QComboBox;
    format_->setObjectName(QStringLiteral("ExportFormat"));
    for (const char* name : kFormatCaptions) format_->addItem(QString::fromLatin1(name));
    format_->setCurrentIndex(static_cast<int>(options.format));
    form->addRow(QStringLiteral("Format:"), format_);

    perRow_ = new QSpinBox;
    perRow_->setObjectName(QStringLiteral("ExportPerRow"));
    perRow_->setRange(1, kMaxPerRow);
    perRow_->setValue(options.perRow);
    form->addRow(QStringLiteral("Diagrams per row:"), perRow_);

    paper_ = new QComboBox;
    paper_->setObjectName(QStringLiteral("ExportPaper"));
    paper_->addItems({QStringLiteral("A4"), QStringLiteral("Letter")});
    paper_->setCurrentIndex(options.paper == PaperSize::Letter ? 1 : 0);
    form->addRow(QStringLiteral("Paper (PDF):"), paper_);

    scale_ = new QSpinBox;
    scale_->setObjectName(QStringLiteral("ExportScale"));
    scale_->setRange(1, kMaxPngScale);
    scale_->setSuffix(QStringLiteral(" x"));
    scale_->setValue(options.pngScale);
    form->addRow(QStringLiteral("Scale (PNG):"), scale_);

    labels_ = new QComboBox;
    labels_->setObjectName(QStringLiteral("ExportDotLabels"));
    labels_->addItems(dotLabelsCaptions());
    labels_->setCurrentIndex(static_cast<int>(options.labels));
    form->addRow(QStringLiteral("Dots show:"), labels_);

    title_ = new QLineEdit(QString::fromStdString(options.title));
    title_->setObjectName(QStringLiteral("ExportTitle"));
    form->addRow(QStringLiteral("Title:"), title_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Export"));
    form->addRow(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &ExportDialog::browse);
    connect(path_, &QLineEdit::textEdited, this, &ExportDialog::followPath);
    connect(format_, &QComboBox::activated, this, &ExportDialog::followFormat);
    connect(path_, &QLineEdit::textChanged, this, &ExportDialog::showEnabled);
    followPath();
    showEnabled();
}

QString ExportDialog::path() const {
    return path_->text().trimmed();
}

SheetExportOptions ExportDialog::options() const {
    SheetExportOptions options;
    options.format = static_cast<SheetFormat>(format_->currentIndex());
    options.perRow = perRow_->value();
    options.paper = paper_->currentIndex() == 1 ? PaperSize::Letter : PaperSize::A4;
    options.pngScale = scale_->value();
    options.labels = static_cast<DotLabels>(labels_->currentIndex());
    options.leftHanded = leftHanded_;
    options.title = title_->text().trimmed().toStdString();
    return options;
}

void ExportDialog::browse() {
    QString selected = QString::fromLatin1(kFormatCaptions[format_->currentIndex()]);
    selected += QStringLiteral(" (*.%1)").arg(QString::fromStdString(
        sheetFormatSuffix(static_cast<SheetFormat>(format_->currentIndex()))));
    const QString chosen =
        QFileDialog::getSaveFileName(this, windowTitle(), path_->text(), filters(), &selected);
    if (chosen.isEmpty()) return;
    path_->setText(chosen);
    followPath();
}

void ExportDialog::followPath() {
    if (const auto format = sheetFormatOfPath(path().toStdString()))
        format_->setCurrentIndex(static_cast<int>(*format));
    showEnabled();
}

void ExportDialog::followFormat() {
    const QString suffix = QString::fromStdString(
        sheetFormatSuffix(static_cast<SheetFormat>(format_->currentIndex())));
    QString text = path();
    const QFileInfo info(text);
    if (!text.isEmpty()) {
        const QString ending = info.suffix();
        if (sheetFormatOfPath(text.toStdString())) text.chop(ending.size() + 1);
        path_->setText(text + QLatin1Char('.') + suffix);
    }
    showEnabled();
}

void ExportDialog::showEnabled() {
    const auto format = static_cast<SheetFormat>(format_->currentIndex());
    paper_->setEnabled(format == SheetFormat::Pdf);
    scale_->setEnabled(format == SheetFormat::Png);
}

} // namespace tambrel
