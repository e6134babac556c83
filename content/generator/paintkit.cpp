#include "paintkit.h"

#include "emoji.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace Paint {

bool andikaAvailable()
{
    return QFontInfo(andika(20)).family() == QLatin1String("Andika");
}

bool fontsAvailable(QString* error)
{
    if (!andikaAvailable()) {
        *error = QStringLiteral("the Andika font is missing (Debian package fonts-sil-andika)");
        return false;
    }
    if (!emojiAvailable(0x1F600)) {
        *error = QStringLiteral("the Noto Color Emoji font is missing (Debian package fonts-noto-color-emoji)");
        return false;
    }
    return true;
}

QFont andika(qreal pixelSize, bool bold)
{
    QFont font(QStringLiteral("Andika"));
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QColor tone(const QColor& color, qreal factor)
{
    if (factor >= 1) {
        const qreal f = qMin(1.0, factor - 1);
        return QColor::fromRgbF(color.redF() + (1 - color.redF()) * f,
                                color.greenF() + (1 - color.greenF()) * f,
                                color.blueF() + (1 - color.blueF()) * f, color.alphaF());
    }
    return QColor::fromRgbF(color.redF() * factor, color.greenF() * factor,
                            color.blueF() * factor, color.alphaF());
}

void box(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill,
         const QColor& border, qreal borderWidth, bool shadow)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (shadow) {
        // Three widening, fading layers read as a soft shadow below the box.
        painter.setPen(Qt::NoPen);
        for (int i = 3; i >= 1; --i) {
            QColor c = Color::Shadow;
            c.setAlpha(Color::Shadow.alpha() / (i + 1));
            painter.setBrush(c);
            painter.drawRoundedRect(rect.translated(0, 1.5 * i).adjusted(-i * 0.7, 0, i * 0.7, i * 0.7),
                                    radius + i, radius + i);
        }
    }
    painter.setBrush(fill);
    if (border.isValid() && borderWidth > 0) {
        painter.setPen(QPen(border, borderWidth));
        const qreal half = borderWidth / 2;
        painter.drawRoundedRect(rect.adjusted(half, half, -half, -half), radius, radius);
    } else {
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(rect, radius, radius);
    }
    painter.restore();
}

namespace {
// Andika's own line spacing is generous (1.6 em); labels read better tighter.
constexpr qreal kLineHeight = 1.16;

// Greedy word wrap.
QStringList wrapLines(const QString& text, const QFontMetricsF& metrics, qreal width)
{
    QStringList lines;
    QString current;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << current;
            current = word;
        } else {
            current = candidate;
        }
    }
    lines << current;
    return lines;
}

QStringList layoutLines(const QString& text, const QFontMetricsF& metrics, qreal width, bool wrap)
{
    return wrap ? wrapLines(text, metrics, width) : QStringList{text};
}

bool fits(const QString& text, const QSizeF& size, qreal pixels, bool wrap, bool bold)
{
    const QFontMetricsF metrics(andika(pixels, bold));
    const QStringList lines = layoutLines(text, metrics, size.width(), wrap);
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > size.width())
            return false;
    }
    // The last line needs room for its descenders only, not a whole line.
    const qreal height = pixels * (kLineHeight * (lines.size() - 1) + 1.05);
    return height <= size.height();
}
} // namespace

qreal fittingSize(const QString& text, const QSizeF& size, qreal maxPixels, bool wrap, bool bold)
{
    for (qreal pixels = maxPixels; pixels > 6; pixels -= 0.5) {
        if (fits(text, size, pixels, wrap, bold))
            return pixels;
    }
    return 6;
}

QPainterPath textPath(const QRectF& rect, const QString& text, qreal pixels, int alignment,
                      bool wrap)
{
    const QFont font = andika(pixels);
    const QFontMetricsF metrics(font);
    const QStringList lines = layoutLines(text, metrics, rect.width(), wrap);
    const qreal lineHeight = pixels * kLineHeight;
    // Lines are centred on the height of their capitals, which is what the eye sees.
    const qreal block = lineHeight * (lines.size() - 1) + metrics.capHeight();
    qreal firstBaseline = rect.top() + metrics.capHeight();
    if (alignment & Qt::AlignVCenter)
        firstBaseline = rect.center().y() - block / 2 + metrics.capHeight();
    else if (alignment & Qt::AlignBottom)
        firstBaseline = rect.bottom() - pixels * 0.3 - lineHeight * (lines.size() - 1);
    QPainterPath path;
    for (int i = 0; i < lines.size(); ++i) {
        const qreal width = metrics.horizontalAdvance(lines.at(i));
        qreal left = rect.left();
        if (alignment & Qt::AlignHCenter)
            left = rect.center().x() - width / 2;
        else if (alignment & Qt::AlignRight)
            left = rect.right() - width;
        path.addText(left, firstBaseline + i * lineHeight, font, lines.at(i));
    }
    path.setFillRule(Qt::WindingFill); // the font's outlines overlap
    return path;
}

void text(QPainter& painter, const QRectF& rect, const QString& text, qreal maxPixels,
          const QColor& color, int alignment, bool wrap, bool halo)
{
    qreal pixels = fittingSize(text, rect.size(), maxPixels, wrap);
    if (wrap) {
        // One line reads better than several, unless it must be much smaller.
        const qreal single = fittingSize(text, rect.size(), maxPixels, false);
        if (single >= pixels * 0.8) {
            pixels = single;
            wrap = false;
        }
    }
    const QPainterPath path = textPath(rect, text, pixels, alignment, wrap);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (halo) {
        painter.setPen(QPen(QColor(255, 255, 255, 230), qMax(2.0, pixels / 7), Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(path);
    painter.restore();
}

void emoji(QPainter& painter, uint codePoint, const QRectF& square)
{
    const int size = qRound(qMin(square.width(), square.height()));
    const QImage picture = renderEmoji(codePoint, size);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPointF(square.center().x() - size / 2.0, square.center().y() - size / 2.0),
                      picture);
    painter.restore();
}

bool savePng(const QImage& image, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "PNG");
}

} // namespace Paint
