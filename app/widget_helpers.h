#pragma once
// The small pieces the window's panels are made of, and the updates that show the model's state
// in a control: each changes the control only where the state differs from what it shows, and
// without the control reporting the change as the user's.
#include <QFrame>
#include <QString>
#include <QStringList>
#include <string>

#include "music/single_byte_text.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSlider;
class QSpinBox;
class QToolButton;

namespace tambrel {

// A text of the model as the toolkit shows it: UTF-8, or the single-byte texts of the symbol
// box, the chord names, the captions and the vocabulary's tables.
QString shown(const std::string& utf8);
QString shown(const SingleByteText& text);

// A flat, checkable text button of a fixed size that never takes the focus.
QToolButton* speedButton(const char* name, const QString& caption, int width, int height);
// A raised frame of a fixed size: one panel of the bottom row.
QFrame* raisedPanel(const char* name, int width, int height);
// A sunken line between controls.
QFrame* bevel(const char* name, QFrame::Shape shape);
QLabel* label(const char* name, const QString& caption);
QCheckBox* checkBox(const char* name, const QString& caption, const QString& hint = {});
// A drop-down list of fixed items.
QComboBox* pickList(const char* name, const QStringList& items, const QString& hint);

void setText(QLineEdit* edit, const QString& text);
void setText(QLabel* label, const QString& text);
void setChecked(QAbstractButton* button, bool checked);
void setCurrentIndex(QComboBox* combo, int index);
void setValue(QSlider* slider, int value);
void setValue(QSpinBox* spin, int value);
// A spin box of the capo, 0..11, that reads "None" at 0.
QSpinBox* capoSpin(const char* name);
// The "Shapes" toggle beside a capo: names under it, the shapes or the sounding chords.
QCheckBox* shapesCheckBox(const char* name);
// Fills `list` with `items` afresh, each with its text as hint, for long items in a narrow list.
void setItems(QListWidget* list, const QStringList& items);

} // namespace tambrel
