#pragma once
// Helpers of the Qt drawing tests: pixel colours and the folder of the screenshots.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>

namespace tambrel::testing {

inline int luminance(QRgb c) {
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

inline QString shotPath(const QString& name) {
    QDir().mkpath(QStringLiteral(TAMBREL_SHOTS_DIR));
    return QStringLiteral(TAMBREL_SHOTS_DIR "/") + name;
}

} // namespace tambrel::testing
