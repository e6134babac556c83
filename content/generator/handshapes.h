#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// How each finger is held. The angles behind each pose are in handpainter.cpp.
enum class FingerPose {
    Straight, // extended
    Curved,   // gently curved, as in C
    Rounded,  // curved until the tip meets the thumb, as in O
    Hooked,   // knuckle straight, the two outer joints bent, as in E and X
    Closed,   // folded into the palm, as in a fist
    Forward,  // straight but bent forward at the knuckle, as the middle finger of K
};

// Where the thumb is.
enum class ThumbPose {
    Up,         // straight up along the side of the fist (A, G)
    Out,        // stretched out to the side (L, Y)
    Across,     // folded across the front of the closed fingers (S, I)
    Palm,       // folded flat across the palm (B)
    Tucked,     // under the hooked fingertips
    TouchIndex, // tip meets the index tip (E, F, O)
    TouchMiddle,// tip meets the middle fingertip (D, K, P)
    Between,    // up between index and middle, under the bent index (T)
    Along,      // straight, beside and parallel to the index (Q)
    Holding,    // holds the closed ring and little fingers (U, V, W, H)
    Curved,     // curved, facing the fingers (C)
};

// The movement that belongs to the letter, drawn as an arrow on still
// pictures and played out in the videos.
enum class Movement {
    None,
    Side,      // a short move outwards, to the signer's right
    Down,      // a short move down
    Up,        // a short move up
    Shake,     // a quick side-to-side shake
    TraceJ,    // the little finger draws a J
    TraceZ,    // the index draws a Z
    Twist,     // a turn of the wrist
    Acute,     // accented vowel: a small flick up and out (á)
    Grave,     // a small flick up and in (à)
    Diaeresis, // two small taps (ü, ï)
    Cedilla,   // a small hook downwards (ç)
};

struct HandShape
{
    const char* name;   // base name: "a", "nt", "ch", "at"
    const char* label;  // the letter as written: "a", "ñ", "ch", "á"
    FingerPose index, middle, ring, little;
    ThumbPose thumb;
    int spread;         // degrees between extended fingers
    bool crossed;       // middle finger crossed over the index (R)
    int roll;           // 0: fingers up, -90: pointing to the viewer's right, 180: down
    int yaw;            // 0: palm to the viewer, 90: palm to the viewer's right, 180: back of the hand
    int pitch;          // positive: fingertips towards the viewer
    Movement movement;
};

// Every hand shape of the Spanish manual alphabet that the pack draws.
const QList<HandShape>& handShapes();
// The whole table as text, part of the stamps of every hand picture and
// video: a corrected line draws them again.
QByteArray handShapesKey();
// The shape for a base name ("a", "nt", "at"...), or nullptr.
const HandShape* handShape(const QString& name);
