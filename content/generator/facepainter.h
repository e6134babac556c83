#pragma once

#include <QImage>
#include <QString>

// Bump when the face drawing changes, so the lip videos are drawn again.
constexpr int kFacePainterVersion = 3;

// How the mouth is held, each value about 0..1 (width about 0.5..1.2).
struct MouthShape
{
    qreal open = 0;   // jaw opening
    qreal width = 1;  // 1: relaxed; less: rounded lips; more: spread
    qreal round = 0;  // lips pushed into a ring (o, u)
    qreal teeth = 0;  // how much of the teeth shows
    qreal tongue = 0; // tongue raised to the teeth (l, t, θ)
    qreal tuck = 0;   // lower lip under the upper teeth (f)

    bool operator==(const MouthShape& other) const;
};

// The mouth shape (viseme) of a Spanish sound given by its IPA name, as the
// speech synthesizer names it; a pause or an unknown sound is the mouth at rest.
MouthShape visemeFor(const QString& phoneme);
MouthShape blendMouths(const MouthShape& a, const MouthShape& b, qreal t);

// A friendly face, seen from the front with the whole head and the top of
// the shoulders in the picture, whose mouth has `mouth`; `blink` closes the
// eyes (0 open, 1 closed). 320 x 240.
QImage faceFrame(const MouthShape& mouth, qreal blink);
