#include "app/application.h"

#include <QApplication>

#include "assets/artwork.h"

namespace tambrel {

void initialiseApplication() {
    QApplication::setApplicationName(QStringLiteral("Tambrel"));
    QApplication::setApplicationVersion(QStringLiteral(TAMBREL_VERSION));
    // Ties the windows to the desktop entry, which carries the icon on Wayland.
    QApplication::setDesktopFileName(QStringLiteral("tambrel"));
    QApplication::setWindowIcon(appIcon());
    QApplication::setFont(interfaceFont(9));
}

QFont interfaceFont(qreal pointSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace tambrel
