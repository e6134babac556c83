#include "letterglyphs.h"

#include "paintkit.h"
#include "picturewriter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cmath>

namespace {
// Bump when the letter drawings change, so every letter picture is redrawn.
constexpr char kVersion[] = "letterglyphs-3";

constexpr int kHeight = 180;          // shown at 90 px in the word row
constexpr qreal kMargin = 4;
constexpr qreal kPadding = 0.05;      // of the font size, on each side of a letter
constexpr QSize kBottomTile(144, 110); // the visible corner of the bottom letter holder

struct BaseLetter
{
    const char* name;
    const char* small; // UTF-8
    const char* capital;
};

const BaseLetter kTwoLetterCodes[] = {
    {"ch", "ch", "CH"}, {"ll", "ll", "LL"}, {"nt", "ñ", "Ñ"},  {"ct", "ç", "Ç"},
    {"at", "á", "Á"},   {"et", "é", "É"},   {"it", "í", "Í"},  {"ot", "ó", "Ó"},
    {"ut", "ú", "Ú"},   {"aa", "à", "À"},   {"ea", "è", "È"},  {"ia", "ì", "Ì"},
    {"oa", "ò", "Ò"},   {"ua", "ù", "Ù"},   {"ud", "ü", "Ü"},  {"id", "ï", "Ï"},
};

bool isVowel(const QString& letter)
{
    const QString plain = letter.toLower().normalized(QString::NormalizationForm_D).left(1);
    return QStringLiteral("aeiou").contains(plain) && letter.size() == 1;
}

QColor letterColor(const QString& letter)
{
    return isVowel(letter) ? Paint::Color::Vowel : Paint::Color::Ink;
}

QPainterPath letterPath(const QString& letter, qreal pixels, const QPointF& origin)
{
    QPainterPath path;
    path.addText(origin, Paint::andika(pixels), letter);
    path.setFillRule(Qt::WindingFill); // the font's outlines overlap
    return path;
}

// One letter laid out in a picture of the common height.
struct Layout
{
    int width = 0;
    QPointF origin; // where the text's baseline starts
};

Layout layoutOf(const QString& letter)
{
    const GlyphGeometry& g = glyphGeometry();
    const QFontMetricsF metrics(Paint::andika(g.fontPixels));
    const QRectF ink = letterPath(letter, g.fontPixels, QPointF()).boundingRect();
    const qreal left = qMin<qreal>(0, ink.left());
    const qreal right = qMax(metrics.horizontalAdvance(letter), ink.right());
    const qreal padding = kPadding * g.fontPixels;
    Layout layout;
    layout.width = int(std::ceil(right - left + 2 * padding));
    layout.width += layout.width % 2; // shown at exactly half width
    layout.origin = QPointF((layout.width - (right - left)) / 2 - left, g.baseline);
    return layout;
}

void fillLetter(QPainter& painter, const QString& letter, const Layout& layout)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(letterColor(letter));
    painter.drawPath(letterPath(letter, glyphGeometry().fontPixels, layout.origin));
}

QImage drawNormal(const QString& letter, bool)
{
    const Layout layout = layoutOf(letter);
    QImage image = Paint::canvas(layout.width, kHeight);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fillLetter(painter, letter, layout);
    return image;
}

QImage drawHighlighted(const QString& letter, bool)
{
    const Layout layout = layoutOf(letter);
    QImage image = Paint::canvas(layout.width, kHeight);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile = QRectF(image.rect()).adjusted(3, 3, -3, -3);
    Paint::box(painter, tile, 22, Paint::Color::Yellow, Paint::Color::Orange, 5);
    fillLetter(painter, letter, layout);
    return image;
}

QImage drawBlank(const QString& letter, bool)
{
    const GlyphGeometry& g = glyphGeometry();
    const Layout layout = layoutOf(letter);
    QImage image = Paint::canvas(layout.width, kHeight);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF slot(6, g.baseline - g.capHeight - 12, layout.width - 12, g.capHeight + 26);
    painter.setBrush(QColor(0xff, 0xf4, 0xc8, 235));
    QPen dashed(Paint::tone(Paint::Color::Blue, 0.85), 5, Qt::DashLine, Qt::RoundCap);
    dashed.setDashPattern({2.2, 1.6});
    painter.setPen(dashed);
    painter.drawRoundedRect(slot, 16, 16);
    // A pale question mark says "something goes here" without giving it away.
    Paint::text(painter, slot.adjusted(6, 10, -6, -10), QStringLiteral("?"), g.capHeight * 0.9,
                Paint::tone(Paint::Color::Blue, 1.3));
    return image;
}

QImage drawBottomLetter(const QString& letter, bool capital)
{
    QImage image = Paint::canvas(kBottomTile.width(), kBottomTile.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Only the top-left corner is rounded: the tile runs off the window's edges.
    const QRectF tile(5, 5, kBottomTile.width() + 40, kBottomTile.height() + 40);
    Paint::box(painter, tile, 28, Paint::Color::Paper, Paint::Color::Coral, 6);

    const QRectF room(16, 14, kBottomTile.width() - 30, kBottomTile.height() - 24);
    const QRectF unit = letterPath(letter, 100, QPointF()).boundingRect();
    // Small letters are mostly x-height: a larger size keeps them as visible.
    const qreal pixels = qMin(capital ? 105.0 : 128.0, 100 * qMin(room.width() / unit.width(),
                                                   room.height() / unit.height()));
    const QRectF ink = letterPath(letter, pixels, QPointF()).boundingRect();
    const QPointF origin = room.center() - ink.center();
    painter.setPen(Qt::NoPen);
    painter.setBrush(letterColor(letter));
    painter.drawPath(letterPath(letter, pixels, origin));
    return image;
}

QByteArray keyOf(const char* style, const QString& name, const QString& letter)
{
    const GlyphGeometry& g = glyphGeometry();
    return QByteArray(style) + '/' + name.toUtf8() + '=' + letter.toUtf8() + ' '
        + QByteArray::number(g.fontPixels) + ' ' + QByteArray::number(g.baseline);
}
} // namespace

const GlyphGeometry& glyphGeometry()
{
    static const GlyphGeometry geometry = [] {
        // Every letter, capital or small with its accents and tails, must fit.
        qreal top = 0, bottom = 0;
        for (const QString& name : glyphBaseNames()) {
            for (bool capital : {true, false}) {
                const QRectF ink = letterPath(glyphLetter(name, capital), 100, QPointF()).boundingRect();
                top = qMin(top, ink.top());
                bottom = qMax(bottom, ink.bottom());
            }
        }
        GlyphGeometry g;
        g.height = kHeight;
        g.fontPixels = std::floor((kHeight - 2 * kMargin) * 100 / (bottom - top));
        const qreal scale = g.fontPixels / 100;
        g.baseline = std::round(kMargin - top * scale);
        const QFontMetricsF metrics(Paint::andika(g.fontPixels));
        g.capHeight = metrics.capHeight();
        g.xHeight = metrics.xHeight();
        return g;
    }();
    return geometry;
}

QStringList glyphBaseNames()
{
    QStringList names;
    for (char c = 'a'; c <= 'z'; ++c)
        names << QString(QLatin1Char(c));
    for (const BaseLetter& code : kTwoLetterCodes)
        names << QString::fromLatin1(code.name);
    return names;
}

QString glyphLetter(const QString& baseName, bool capital)
{
    for (const BaseLetter& code : kTwoLetterCodes) {
        if (baseName == QLatin1String(code.name))
            return QString::fromUtf8(capital ? code.capital : code.small);
    }
    return capital ? baseName.toUpper() : baseName.toLower();
}

bool drawLetterGlyphs(const QString& systemDir, QString* error)
{
    if (!Paint::fontsAvailable(error))
        return false;
    PictureWriter writer(QByteArray(kVersion) + ' ' + Paint::Version);
    struct Style
    {
        const char* folder;
        QImage (*draw)(const QString&, bool capital);
    };
    const Style styles[] = {{"cooper", drawNormal},
                            {"cuadrados", drawHighlighted},
                            {"blank", drawBlank},
                            {"inferior", drawBottomLetter}};
    for (const Style& style : styles) {
        for (const QString& name : glyphBaseNames()) {
            for (bool capital : {true, false}) {
                const QString letter = glyphLetter(name, capital);
                const QString glyphName = capital ? QStringLiteral("may/") + name.toUpper()
                                                  : QStringLiteral("min/") + name;
                const QString path = systemDir + QLatin1String(style.folder) + QLatin1Char('/')
                    + glyphName + QStringLiteral(".png");
                if (!writer.write(path, keyOf(style.folder, glyphName, letter),
                                  [&] { return style.draw(letter, capital); })) {
                    *error = writer.error;
                    return false;
                }
            }
        }
    }
    // A word in small letters starts "Ch", "Ll": the capital of a double
    // letter is its first letter only.
    for (const Style& style : styles) {
        if (style.draw == drawBottomLetter)
            continue;
        for (const char* pair : {"ch", "ll"}) {
            const QString name = QString::fromLatin1(pair);
            const QString letter = name.left(1).toUpper() + name.mid(1);
            const QString glyphName = QStringLiteral("tit/") + name;
            const QString path = systemDir + QLatin1String(style.folder) + QLatin1Char('/')
                + glyphName + QStringLiteral(".png");
            if (!writer.write(path, keyOf(style.folder, glyphName, letter),
                              [&] { return style.draw(letter, true); })) {
                *error = writer.error;
                return false;
            }
        }
    }
    // With small letters on, the bottom letter is asked for by its bare name.
    for (const QString& name : glyphBaseNames()) {
        const QString letter = glyphLetter(name, false);
        const QString path = systemDir + QStringLiteral("inferior/") + name + QStringLiteral(".png");
        if (!writer.write(path, keyOf("inferior", name, letter),
                          [&] { return drawBottomLetter(letter, false); })) {
            *error = writer.error;
            return false;
        }
    }
    QTextStream(stdout) << "letter pictures: " << writer.drawn << " drawn, " << writer.kept
                        << " unchanged\n";
    return true;
}
