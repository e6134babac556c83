#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

// Where a window of the given size goes on a screen's available area:
// centred, but never above or left of it, so that its top-left corner (the
// menus) stays within reach on a screen smaller than the window.
inline QPoint windowPlacement(const QRect& available, const QSize& size)
{
    const int x = available.x() + qMax(0, (available.width() - size.width()) / 2);
    const int y = available.y() + qMax(0, (available.height() - size.height()) / 2);
    return {x, y};
}
