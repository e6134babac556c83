#include "handshapes.h"

// The right hand of the Spanish manual alphabet (dactilología española), as
// the child sees the signer. One line per base name of the letter pictures.
// Letters that move (ch, ll, ñ, j, z...) differ from their neighbours only by
// the movement. Accented and special letters are the plain letter plus a
// small mark movement. Signers: correct a line here and rebuild; every
// picture and video is drawn again from this table.
namespace {
using F = FingerPose;
using T = ThumbPose;
using M = Movement;

// clang-format off
const QList<HandShape> kShapes = {
//  name  label  index        middle       ring         little       thumb            spread crossed roll  yaw pitch movement
    {"a",  "a",  F::Closed,   F::Closed,   F::Closed,   F::Closed,   T::Up,           0, false,    0,   0,  0, M::None},
    {"b",  "b",  F::Straight, F::Straight, F::Straight, F::Straight, T::Palm,         0, false,    0,   0,  0, M::None},
    {"c",  "c",  F::Curved,   F::Curved,   F::Curved,   F::Curved,   T::Curved,       0, false,    0,  72,  0, M::None},
    {"ch", "ch", F::Curved,   F::Curved,   F::Curved,   F::Curved,   T::Curved,       0, false,    0,  72,  0, M::Side},
    {"d",  "d",  F::Straight, F::Rounded,  F::Rounded,  F::Rounded,  T::TouchMiddle,  0, false,    0,  20,  0, M::None},
    {"e",  "e",  F::Hooked,   F::Hooked,   F::Hooked,   F::Hooked,   T::TouchIndex,   0, false,    0,  30,  0, M::None},
    {"f",  "f",  F::Rounded,  F::Straight, F::Straight, F::Straight, T::TouchIndex,  10, false,    0,  15,  0, M::None},
    {"g",  "g",  F::Hooked,   F::Closed,   F::Closed,   F::Closed,   T::Up,           0, false,  -90,  40,  0, M::None},
    {"h",  "h",  F::Straight, F::Straight, F::Closed,   F::Closed,   T::Holding,      0, false,  -90, 160,  0, M::Shake},
    {"i",  "i",  F::Closed,   F::Closed,   F::Closed,   F::Straight, T::Across,       0, false,    0,   0,  0, M::None},
    {"j",  "j",  F::Closed,   F::Closed,   F::Closed,   F::Straight, T::Across,       0, false,    0,   0,  0, M::TraceJ},
    {"k",  "k",  F::Straight, F::Forward,  F::Closed,   F::Closed,   T::TouchMiddle,  0, false,    0,  25,  0, M::Up},
    {"l",  "l",  F::Straight, F::Closed,   F::Closed,   F::Closed,   T::Out,          0, false,    0,   0,  0, M::None},
    {"ll", "ll", F::Straight, F::Closed,   F::Closed,   F::Closed,   T::Out,          0, false,    0,   0,  0, M::Down},
    {"m",  "m",  F::Straight, F::Straight, F::Straight, F::Closed,   T::Holding,      0, false,  180, 170, 20, M::None},
    {"n",  "n",  F::Straight, F::Straight, F::Closed,   F::Closed,   T::Holding,      0, false,  180, 170, 20, M::None},
    {"nt", "ñ",  F::Straight, F::Straight, F::Closed,   F::Closed,   T::Holding,      0, false,  180, 170, 20, M::Shake},
    {"o",  "o",  F::Rounded,  F::Rounded,  F::Rounded,  F::Rounded,  T::TouchIndex,   0, false,    0,  80,  0, M::None},
    {"p",  "p",  F::Straight, F::Forward,  F::Closed,   F::Closed,   T::TouchMiddle,  0, false,  135,  40,  0, M::None},
    {"q",  "q",  F::Hooked,   F::Closed,   F::Closed,   F::Closed,   T::Along,        0, false,  180,  60,  0, M::Twist},
    {"r",  "r",  F::Straight, F::Straight, F::Closed,   F::Closed,   T::Holding,      0, true,     0,   0,  0, M::None},
    {"s",  "s",  F::Closed,   F::Closed,   F::Closed,   F::Closed,   T::Across,       0, false,    0,   0,  0, M::None},
    {"t",  "t",  F::Hooked,   F::Closed,   F::Closed,   F::Closed,   T::Between,      0, false,    0,  25,  0, M::None},
    {"u",  "u",  F::Straight, F::Straight, F::Closed,   F::Closed,   T::Holding,      0, false,    0,   0,  0, M::None},
    {"v",  "v",  F::Straight, F::Straight, F::Closed,   F::Closed,   T::Holding,     22, false,    0,   0,  0, M::None},
    {"w",  "w",  F::Straight, F::Straight, F::Straight, F::Closed,   T::Holding,     18, false,    0,   0,  0, M::None},
    {"x",  "x",  F::Hooked,   F::Closed,   F::Closed,   F::Closed,   T::Across,       0, false,    0,  70,  0, M::None},
    {"y",  "y",  F::Closed,   F::Closed,   F::Closed,   F::Straight, T::Out,          0, false,    0,   0,  0, M::None},
    {"z",  "z",  F::Straight, F::Closed,   F::Closed,   F::Closed,   T::Across,       0, false,    0,  10,  0, M::TraceZ},
    {"ct", "ç",  F::Curved,   F::Curved,   F::Curved,   F::Curved,   T::Curved,       0, false,    0,  72,  0, M::Cedilla},
    // Accented vowels: the vowel with the mark of its accent.
    {"at", "á",  F::Closed,   F::Closed,   F::Closed,   F::Closed,   T::Up,           0, false,    0,   0,  0, M::Acute},
    {"et", "é",  F::Hooked,   F::Hooked,   F::Hooked,   F::Hooked,   T::TouchIndex,   0, false,    0,  30,  0, M::Acute},
    {"it", "í",  F::Closed,   F::Closed,   F::Closed,   F::Straight, T::Across,       0, false,    0,   0,  0, M::Acute},
    {"ot", "ó",  F::Rounded,  F::Rounded,  F::Rounded,  F::Rounded,  T::TouchIndex,   0, false,    0,  80,  0, M::Acute},
    {"ut", "ú",  F::Straight, F::Straight, F::Closed,   F::Closed,   T::Holding,      0, false,    0,   0,  0, M::Acute},
    {"aa", "à",  F::Closed,   F::Closed,   F::Closed,   F::Closed,   T::Up,           0, false,    0,   0,  0, M::Grave},
    {"ea", "è",  F::Hooked,   F::Hooked,   F::Hooked,   F::Hooked,   T::TouchIndex,   0, false,    0,  30,  0, M::Grave},
    {"ia", "ì",  F::Closed,   F::Closed,   F::Closed,   F::Straight, T::Across,       0, false,    0,   0,  0, M::Grave},
    {"oa", "ò",  F::Rounded,  F::Rounded,  F::Rounded,  F::Rounded,  T::TouchIndex,   0, false,    0,  80,  0, M::Grave},
    {"ua", "ù",  F::Straight, F::Straight, F::Closed,   F::Closed,   T::Holding,      0, false,    0,   0,  0, M::Grave},
    {"ud", "ü",  F::Straight, F::Straight, F::Closed,   F::Closed,   T::Holding,      0, false,    0,   0,  0, M::Diaeresis},
    {"id", "ï",  F::Closed,   F::Closed,   F::Closed,   F::Straight, T::Across,       0, false,    0,   0,  0, M::Diaeresis},
};
// clang-format on
} // namespace

const QList<HandShape>& handShapes()
{
    return kShapes;
}

QByteArray handShapesKey()
{
    QByteArray key;
    for (const HandShape& s : kShapes) {
        for (int value : {int(s.index), int(s.middle), int(s.ring), int(s.little), int(s.thumb), s.spread,
                          int(s.crossed), s.roll, s.yaw, s.pitch, int(s.movement)})
            key += QByteArray::number(value) + ',';
        key += QByteArray(s.name) + ';';
    }
    return key;
}

const HandShape* handShape(const QString& name)
{
    for (const HandShape& shape : kShapes) {
        if (name == QLatin1String(shape.name))
            return &shape;
    }
    return nullptr;
}
