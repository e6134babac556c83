#pragma once

#include <QString>
#include <QStringList>

struct ContentSource;
struct HandShape;

// Frame name of each letter of a fingerspelled word (accents dropped, ñ
// "nt", ç "ct", "ch" and "ll" one frame when the switches are on).
QStringList signFrameNames(const QString& word, bool useCh, bool useLl);
// The hand shape a frame name shows, or nullptr for a frame without a hand
// (a blank, a digit).
const HandShape* shapeForFrame(const QString& frame);
// Every frame name the pack ships: a to z, nt, ct, ch, ll and whatever else
// the words spell.
QStringList shippedFrameNames(const ContentSource& source);
// Every single hand picture name: "may/" + upper case base name and the bare
// lower case base name.
QStringList signGlyphNames();

// Writes LANG + "Senas/" (frames and glyph names, 282 x 297) and LANG +
// "Flus/" (frames, 100 x 140).
bool writeSignPictures(const QString& languageFolder, const ContentSource& source, QString* error);
