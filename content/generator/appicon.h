#pragma once

#include <QImage>
#include <QList>
#include <QString>

// The program's icon. One vector design in a 256-unit square gives every
// raster size and the scalable file, so they all agree.
namespace AppIcon {

// The sizes desktops look for in the hicolor theme.
QList<int> rasterSizes();

// The icon drawn on a transparent square of size x size pixels.
QImage render(int size);

// The same design as a self-contained SVG document (shapes only, no text,
// so it does not depend on the fonts of the machine that shows it).
QByteArray svg();

// Writes <dir>/hicolor/<n>x<n>/apps/<name>.png for every raster size and
// <dir>/hicolor/scalable/apps/<name>.svg; false with a reason on failure.
bool writeTheme(const QString& dir, const QString& name, QString* error);

} // namespace AppIcon
