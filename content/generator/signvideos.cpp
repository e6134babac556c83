#include "signvideos.h"

#include "aviwriter.h"
#include "contentsource.h"
#include "handpainter.h"
#include "packpaths.h"
#include "parallel.h"
#include "signpictures.h"
#include "stamp.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace {
const QSize kVideoSize(320, 240);
constexpr int kFps = 10;
constexpr int kFramesPerLetter = 8; // 800 ms, the pace of the program's own hand sequences
constexpr int kFramesAtEnd = 6;

// Characters of the word that each frame spells (two for "ch" and "ll").
QList<QPair<int, int>> frameSpans(const QStringList& frames)
{
    QList<QPair<int, int>> spans;
    int at = 0;
    for (const QString& frame : frames) {
        const int length = frame == QLatin1String("ch") || frame == QLatin1String("ll") ? 2 : 1;
        spans << qMakePair(at, length);
        at += length;
    }
    return spans;
}

QFont andika(int pixels, bool bold)
{
    QFont font(QStringLiteral("Andika"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
} // namespace

QImage signVideoFrame(const QString& word, const QStringList& frames, int letter, qreal phase)
{
    QImage image(kVideoSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, 0, kVideoSize.height());
    bg.setColorAt(0, QColor(255, 251, 236));
    bg.setColorAt(1, QColor(226, 238, 250));
    p.fillRect(image.rect(), bg);

    const QList<QPair<int, int>> spans = frameSpans(frames);
    const QPair<int, int> span = spans.value(letter, qMakePair(-1, 0));
    if (const HandShape* shape = shapeForFrame(frames.value(letter))) {
        HandPaintOptions options;
        options.arrow = false;
        options.phase = phase;
        p.save();
        p.setClipRect(QRectF(0, 0, 320, 166));
        paintHand(p, *shape, QRectF(70, 2, 180, 164), options);
        p.restore();
    }

    // The letter, as the word writes it, under the hand.
    const QString named = span.first >= 0 ? word.mid(span.first, span.second) : QString();
    p.setFont(andika(36, true));
    p.setPen(QColor(180, 40, 30));
    p.drawText(QRectF(0, 160, 320, 44), Qt::AlignCenter, named);

    // The whole word, the current letter on a highlight.
    const QFont wordFont = andika(word.size() > 12 ? 20 : 26, false);
    const QFontMetricsF metrics(wordFont);
    const qreal width = metrics.horizontalAdvance(word);
    const qreal x0 = (kVideoSize.width() - width) / 2;
    const qreal baseline = 229;
    if (span.first >= 0) {
        const qreal from = x0 + metrics.horizontalAdvance(word.left(span.first));
        const qreal to = x0 + metrics.horizontalAdvance(word.left(span.first + span.second));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 214, 90));
        p.drawRoundedRect(QRectF(from - 3, baseline - metrics.ascent() + 2, to - from + 6,
                                 metrics.ascent() + metrics.descent() - 1),
                          5, 5);
    }
    p.setFont(wordFont);
    p.setPen(QColor(40, 50, 80));
    p.drawText(QPointF(x0, baseline), word);
    return image;
}

bool writeSignVideos(const QString& languageFolder, const ContentSource& source, QString* error)
{
    const bool useCh = packSetting(source, QStringLiteral("use-ch")) != 0;
    const bool useLl = packSetting(source, QStringLiteral("use-ll")) != 0;
    return runParallel(int(source.words.size()), [&](int i, QString* failure) {
        const WordEntry& entry = source.words.at(i);
        const QString path = packWordFolder(languageFolder, entry) + WordMedia::Sign;
        const QByteArray key = "sign " + QByteArray::number(kSignVideoVersion) + ' '
            + QByteArray::number(kHandPainterVersion) + QByteArray::number(kAviWriterVersion) + ' '
            + QByteArray::number(qHash(handShapesKey())) + ' ' + entry.word.toUtf8() + ' '
            + QByteArray::number(useCh) + QByteArray::number(useLl);
        Stamp stamp(path, {}, key);
        if (stamp.isCurrent())
            return true;

        const QStringList frames = signFrameNames(entry.word, useCh, useLl);
        AviWriter writer(kVideoSize, kFps, 75);
        for (int k = 0; k < frames.size(); ++k) {
            const HandShape* shape = shapeForFrame(frames.at(k));
            if (shape && shape->movement != Movement::None) {
                // The move plays out while the letter is held.
                writer.addFrame(signVideoFrame(entry.word, frames, k, -1));
                for (int f = 1; f < kFramesPerLetter - 1; ++f)
                    writer.addFrame(signVideoFrame(entry.word, frames, k, qreal(f) / (kFramesPerLetter - 2)));
                writer.addFrame(signVideoFrame(entry.word, frames, k, -1));
            } else {
                writer.addFrame(signVideoFrame(entry.word, frames, k, -1), kFramesPerLetter);
            }
        }
        writer.addFrame(signVideoFrame(entry.word, frames, int(frames.size()) - 1, -1), kFramesAtEnd);
        if (!writer.finish(path)) {
            *failure = QStringLiteral("cannot write ") + path;
            return false;
        }
        stamp.write();
        return true;
    }, error);
}
