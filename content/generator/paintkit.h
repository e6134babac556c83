#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;
class QPainterPath;

// The shared look of every picture the generator draws: one palette, the
// Andika typeface (SIL OFL 1.1) and a few shapes.
namespace Paint {

// Part of every picture's stamp: a change here redraws the whole pack.
inline constexpr char Version[] = "paintkit-4";

namespace Color {
inline const QColor Ink(0x24, 0x3b, 0x6b);       // letters and labels
inline const QColor Vowel(0xd9, 0x41, 0x3b);     // vowels stand out in red
inline const QColor Paper(0xff, 0xff, 0xff);
inline const QColor Sky(0xdc, 0xf0, 0xfb);
inline const QColor Cream(0xff, 0xf6, 0xe3);
inline const QColor Coral(0xff, 0x7a, 0x59);     // letters menu
inline const QColor Teal(0x17, 0xa5, 0x94);      // reading and writing menu
inline const QColor Blue(0x3d, 0x8b, 0xfd);      // signs
inline const QColor Pink(0xec, 0x5a, 0xa6);      // lip reading
inline const QColor Violet(0x8c, 0x6f, 0xf0);    // fingerspelling
inline const QColor Green(0x3f, 0xb5, 0x6b);     // reading
inline const QColor Orange(0xff, 0x9f, 0x1c);    // writing
inline const QColor Yellow(0xff, 0xd2, 0x3f);    // highlight
inline const QColor Shadow(0x1b, 0x2a, 0x4a, 60);
} // namespace Color

// True when Andika is installed (fonts-sil-andika): every letter is drawn with it.
bool andikaAvailable();

// Both fonts the pictures are drawn from are installed; otherwise names the
// missing Debian package. Checked before drawing, so that no picture is
// drawn (and stamped as current) without its letters or icons.
bool fontsAvailable(QString* error);
QFont andika(qreal pixelSize, bool bold = true);

// A transparent ARGB32 premultiplied picture.
QImage canvas(int width, int height);

// A lighter (factor > 1) or darker (factor < 1) tone of a colour.
QColor tone(const QColor& color, qreal factor);

// A rounded box with an optional border, drawn on a soft drop shadow.
void box(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill,
         const QColor& border = QColor(), qreal borderWidth = 0, bool shadow = false);

// The largest pixel size, at most maxPixels, at which the text fits the
// rectangle (on several lines when wrap is set).
qreal fittingSize(const QString& text, const QSizeF& size, qreal maxPixels, bool wrap,
                  bool bold = true);

// The outlines of text laid out in a rectangle at a given size, lines
// wrapped and aligned as asked.
QPainterPath textPath(const QRectF& rect, const QString& text, qreal pixels, int alignment,
                      bool wrap);

// Draws text at its fitting size, optionally with a white halo that keeps
// it readable on any background.
void text(QPainter& painter, const QRectF& rect, const QString& text, qreal maxPixels,
          const QColor& color, int alignment = Qt::AlignCenter, bool wrap = false,
          bool halo = false);

// Draws an emoji centred in a square.
void emoji(QPainter& painter, uint codePoint, const QRectF& square);

// Saves a picture as PNG, creating its folder; false on failure.
bool savePng(const QImage& image, const QString& path);

} // namespace Paint
