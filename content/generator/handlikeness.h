#pragma once

#include <QImage>

// How alike two single hand pictures look at a glance. Each picture is
// reduced to a coarse silhouette (everything drawn on the card) and a
// coarse outline (the dark strokes of fingers, nails and edges); colour and
// shading are left out, as a child telling letters apart does.

// The reduction: a 56 × 59 picture, silhouette coverage in red, outline
// coverage in green.
QImage handLikenessImage(const QImage& picture);

// Cell by cell: 0 for the same picture up to 1 for pictures with nothing in
// common. Small, but not zero, when only a movement's mark differs.
qreal handPictureDistance(const QImage& a, const QImage& b);

// By how the hands are built: every row and every column of the reduction
// counts the parts and strokes it crosses, and the two pictures' counts are
// compared as histograms. Position and a slight turn of the hand do not
// count; the number of fingers shown, where the thumb lies and fingers
// crossing over each other do. 0 for the same build up to 1.
qreal handShapeDistance(const QImage& a, const QImage& b);
