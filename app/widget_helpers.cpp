#include "app/widget_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

namespace tambrel {

QString shown(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString shown(const SingleByteText& text) {
    return QString::fromStdString(text.utf8());
}

QToolButton* speedButton(const char* name, const QString& caption, int width, int height) {
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFixedSize(width, height);
    return button;
}

QFrame* raisedPanel(const char* name, int width, int height) {
    auto* panel = new QFrame;
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setFixedSize(width, height);
    return panel;
}

QFrame* bevel(const char* name, QFrame::Shape shape) {
    auto* line = new QFrame;
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* label(const char* name, const QString& caption) {
    auto* text = new QLabel(caption);
    text->setObjectName(QString::fromLatin1(name));
    return text;
}

QCheckBox* checkBox(const char* name, const QString& caption, const QString& hint) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(hint);
    return box;
}

QComboBox* pickList(const char* name, const QStringList& items, const QString& hint) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(items);
    combo->setToolTip(hint);
    return combo;
}

void setText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

void setText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

void setChecked(QAbstractButton* button, bool checked) {
    const QSignalBlocker blocker(button);
    if (button->isChecked() != checked) button->setChecked(checked);
}

void setCurrentIndex(QComboBox* combo, int index) {
    const QSignalBlocker blocker(combo);
    if (combo->currentIndex() != index) combo->setCurrentIndex(index);
}

void setValue(QSlider* slider, int value) {
    const QSignalBlocker blocker(slider);
    if (slider->value() != value) slider->setValue(value);
}

void setValue(QSpinBox* spin, int value) {
    const QSignalBlocker blocker(spin);
    if (spin->value() != value) spin->setValue(value);
}

QCheckBox* shapesCheckBox(const char* name) {
    return checkBox(name, QStringLiteral("Shapes"),
                    QStringLiteral("Under a capo, name the chords the fingers play (the shapes) "
                                   "rather than the chords that sound"));
}

QSpinBox* capoSpin(const char* name) {
    auto* spin = new QSpinBox;
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(0, 11);
    spin->setSpecialValueText(QStringLiteral("None"));
    spin->setToolTip(QStringLiteral("The capo's fret: the strings sound higher and the frets of "
                                    "every diagram are counted from it"));
    return spin;
}

void setItems(QListWidget* list, const QStringList& items) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, list);
        item->setToolTip(text);
    }
}

} // namespace tambrel
