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

// A window wanted at a place: there when it fits the available area, else
// moved back just enough to lie whole inside it (top-left first).
inline QPoint placeWithin(const QRect& available, const QPoint& wanted, const QSize& size)
{
    const int x = qMax(available.left(), qMin(wanted.x(), available.right() + 1 - size.width()));
    const int y = qMax(available.top(), qMin(wanted.y(), available.bottom() + 1 - size.height()));
    return {x, y};
}
