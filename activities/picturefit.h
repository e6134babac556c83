#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// A word's picture as the picture holder shows it: turned upright as the
// camera recorded it, and scaled to fit the holder with its aspect kept.
QPixmap fittedPicture(const QString& path, const QSize& holder);
