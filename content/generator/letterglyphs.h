#pragma once

#include <QString>
#include <QStringList>

// The letter pictures of the media library: every base name, capital
// ("may/") and small ("min/"), in the styles cooper/ (normal), cuadrados/
// (highlighted), blank/ (a place to fill in) and inferior/ (the large
// bottom letter, also under the bare small names).
//
// Words are shown as a row of these pictures at half their size, so every
// normal, highlighted and blank picture has the same height and baseline.
struct GlyphGeometry
{
    int height = 0;         // picture height
    qreal baseline = 0;     // from the picture's top
    qreal capHeight = 0;    // capital letters reach baseline - capHeight
    qreal xHeight = 0;      // small letters reach baseline - xHeight
    qreal fontPixels = 0;
};

const GlyphGeometry& glyphGeometry();

// a–z, ch, ll and the two-letter codes of ñ, ç and the accented vowels.
QStringList glyphBaseNames();

// The letter a base name stands for: ("nt", true) gives "Ñ", ("at", false) "á".
QString glyphLetter(const QString& baseName, bool capital);

// Draws every letter picture under the system media folder.
bool drawLetterGlyphs(const QString& systemDir, QString* error);
