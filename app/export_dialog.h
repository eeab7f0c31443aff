#pragma once
// The choices of an export: the file, its format (by the file's ending or chosen here), the
// diagrams in a row, the paper of a PDF, the scale of a PNG, the dots' labels and a title.
#include <QDialog>

#include "display/sheet_export.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace tambrel {

class ExportDialog : public QDialog {
    Q_OBJECT
  public:
    ExportDialog(const QString& caption, const QString& path, const SheetExportOptions& options,
                 QWidget* parent = nullptr);

    QString path() const;
    SheetExportOptions options() const;

  private:
    void browse();
    // The format follows the file's ending, and the ending follows a chosen format.
    void followPath();
    void followFormat();
    void showEnabled();

    QLineEdit* path_ = nullptr;
    QComboBox* format_ = nullptr;
    QSpinBox* perRow_ = nullptr;
    QComboBox* paper_ = nullptr;
    QSpinBox* scale_ = nullptr;
    QComboBox* labels_ = nullptr;
    QLineEdit* title_ = nullptr;
    bool leftHanded_ = false;
};

} // namespace tambrel
