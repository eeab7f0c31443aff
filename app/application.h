#pragma once
// The application as a whole: its name, version, icon and fonts.
#include <QFont>

namespace tambrel {

// Names the application "Tambrel", version 1.0, and sets its icon and interface font. Called
// once the QApplication exists and before any window is created.
void initialiseApplication();

// The interface font: Liberation Sans, metric-compatible with the fonts the layout was
// designed for, in points.
QFont interfaceFont(qreal pointSize, bool bold = false);

} // namespace tambrel
