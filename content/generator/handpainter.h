#pragma once

#include "handshapes.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// Bump when the drawing changes, so every stamped picture is drawn again.
constexpr int kHandPainterVersion = 3;

struct HandPaintOptions
{
    bool arrow = true;    // draw the movement as an arrow
    qreal phase = -1;     // 0..1: where along its movement the hand is (videos); <0: at rest
};

// Paints the right hand of `shape` inside `area`. The hand keeps one scale
// for every letter (set by the area's height), centred in the area.
void paintHand(QPainter& painter, const HandShape& shape, const QRectF& area,
               const HandPaintOptions& options = {});

// A hand picture on a light card, with `caption` (the letter) in small type
// in the top left corner when it is not empty.
QImage handPicture(const HandShape& shape, const QSize& size, const QString& caption);
