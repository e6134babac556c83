#include "emoji.h"

#include <QFont>
#include <QPainter>
#include <QRawFont>

namespace {
const QString kFamily = QStringLiteral("Noto Color Emoji");

// The font's bitmaps are 136 px tall; drawing near their own size and
// scaling afterwards is sharper than asking the font for a large size.
constexpr int kFontPixels = 109;

QFont emojiFont()
{
    QFont font(kFamily);
    font.setPixelSize(kFontPixels);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// Bounding box of the pixels that are not fully transparent.
QRect drawnArea(const QImage& image)
{
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}
} // namespace

bool emojiAvailable(uint codePoint)
{
    const QRawFont raw = QRawFont::fromFont(emojiFont());
    return raw.isValid() && raw.familyName() == kFamily && raw.supportsCharacter(codePoint);
}

QImage renderEmoji(uint codePoint, int size)
{
    if (size <= 0 || !emojiAvailable(codePoint))
        return {};

    const char32_t character = codePoint;
    const QString text = QString::fromUcs4(&character, 1);
    QImage canvas(kFontPixels * 2, kFontPixels * 2, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(emojiFont());
        painter.drawText(canvas.rect(), Qt::AlignCenter, text);
    }
    const QRect area = drawnArea(canvas);
    if (area.isEmpty())
        return {};

    const QImage scaled = canvas.copy(area).scaled(size, size, Qt::KeepAspectRatio,
                                                   Qt::SmoothTransformation);
    QImage result(size, size, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
    return result;
}
