#include "splash.h"

#include "aviwriter.h"
#include "handpainter.h"
#include "handshapes.h"
#include "parallel.h"
#include "stamp.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {
const QSize kSize(1024, 600);
constexpr int kFps = 10;
constexpr qreal kSeconds = 4.0;
const QString kTitle = QStringLiteral("Ondalira");

QFont andika(int pixels, bool bold)
{
    QFont font(QStringLiteral("Andika"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// 0 before `from`, 1 after `from + length`, eased in between.
qreal ease(qreal t, qreal from, qreal length)
{
    const qreal x = qBound(0.0, (t - from) / length, 1.0);
    return 1 - (1 - x) * (1 - x) * (1 - x);
}

const QColor kLetterColours[] = {
    QColor(231, 76, 60), QColor(241, 150, 30), QColor(46, 160, 90), QColor(52, 120, 200),
    QColor(142, 68, 173), QColor(22, 160, 160), QColor(211, 84, 120), QColor(230, 126, 34),
};

void paintBackground(QPainter& p, const QColor& top, const QColor& bottom)
{
    QLinearGradient bg(0, 0, 0, kSize.height());
    bg.setColorAt(0, top);
    bg.setColorAt(1, bottom);
    p.fillRect(QRect(QPoint(0, 0), kSize), bg);
}

// The title, its letters dropping in one after another from time `start`.
void paintTitle(QPainter& p, qreal t, qreal start, qreal y, int pixels)
{
    const QFont font = andika(pixels, true);
    const QFontMetricsF metrics(font);
    p.setFont(font);
    qreal x = (kSize.width() - metrics.horizontalAdvance(kTitle)) / 2;
    for (int i = 0; i < kTitle.size(); ++i) {
        const QString letter = kTitle.mid(i, 1);
        const qreal in = ease(t, start + i * 0.12, 0.45);
        if (in > 0) {
            QColor colour = kLetterColours[i % 8];
            colour.setAlphaF(in);
            const qreal drop = (1 - in) * -80;
            p.setPen(QColor(0, 0, 0, int(40 * in)));
            p.drawText(QPointF(x + 4, y + drop + 5), letter);
            p.setPen(colour);
            p.drawText(QPointF(x, y + drop), letter);
        }
        x += metrics.horizontalAdvance(letter);
    }
}
} // namespace

QImage institutionalSplashFrame(qreal t)
{
    QImage image(kSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintBackground(p, QColor(255, 250, 235), QColor(214, 234, 250));

    // Soft rings that open out from the centre: a wave ("onda").
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 4; ++k) {
        const qreal r = 120 + 110 * k + 40 * ease(t, 0, 1.6);
        QColor ring(52, 120, 200, int(60 * (1 - k / 4.0) * ease(t, 0.1 * k, 0.8)));
        p.setPen(QPen(ring, 6));
        p.drawEllipse(QPointF(512, 270), r, r * 0.62);
    }

    paintTitle(p, t, 0.2, 300, 150);

    const qreal tag = ease(t, 1.5, 0.8);
    if (tag > 0) {
        p.setFont(andika(34, false));
        p.setPen(QColor(60, 70, 100, int(255 * tag)));
        p.drawText(QRectF(0, 360, kSize.width(), 60), Qt::AlignCenter,
                   QStringLiteral("Leer y escribir con los ojos, las manos y la voz"));
    }
    const qreal foot = ease(t, 2.2, 0.8);
    if (foot > 0) {
        p.setFont(andika(24, false));
        p.setPen(QColor(90, 100, 130, int(255 * foot)));
        p.drawText(QRectF(0, 520, kSize.width(), 40), Qt::AlignCenter,
                   QStringLiteral("Para niñas y niños sordos y oyentes, sus familias y sus maestros"));
    }
    return image;
}

QImage programmeSplashFrame(qreal t)
{
    QImage image(kSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintBackground(p, QColor(232, 246, 240), QColor(255, 246, 226));

    paintTitle(p, t, 0.0, 110, 96);

    // One hand per letter of the title, rising in turn, its letter beneath.
    const char* spelled[] = {"o", "n", "d", "a", "l", "i", "r", "a"};
    const qreal cell = 124;
    const qreal left = (kSize.width() - cell * 8) / 2;
    for (int i = 0; i < 8; ++i) {
        const qreal in = ease(t, 0.6 + i * 0.22, 0.5);
        if (in <= 0)
            continue;
        const HandShape* shape = handShape(QLatin1String(spelled[i]));
        const qreal centre = left + i * cell + cell / 2;
        const QRectF area(centre - 100, 140 + (1 - in) * 140, 200, 230);
        p.save();
        p.setOpacity(in);
        p.setClipRect(QRectF(left + i * cell, 130, cell, 250));
        HandPaintOptions options;
        options.arrow = false;
        paintHand(p, *shape, area, options);
        p.restore();
        p.setFont(andika(50, true));
        QColor colour = kLetterColours[i];
        colour.setAlphaF(in);
        p.setPen(colour);
        p.drawText(QRectF(left + i * cell, 380, cell, 64), Qt::AlignCenter,
                   QString::fromLatin1(spelled[i]));
    }

    const qreal sub = ease(t, 2.2, 0.8);
    if (sub > 0) {
        p.setFont(andika(40, true));
        p.setPen(QColor(40, 60, 100, int(255 * sub)));
        p.drawText(QRectF(0, 460, kSize.width(), 60), Qt::AlignCenter,
                   QStringLiteral("Aprendo a leer y a escribir"));
        p.setFont(andika(26, false));
        p.setPen(QColor(80, 90, 120, int(255 * sub)));
        p.drawText(QRectF(0, 520, kSize.width(), 50), Qt::AlignCenter,
                   QStringLiteral("Letras · Señas · Labios · Palabras · Cuentos"));
    }
    return image;
}

bool writeSplashVideos(const QString& systemFolder, QString* error)
{
    struct Clip
    {
        QString path;
        QImage (*frame)(qreal);
    };
    const QList<Clip> clips = {
        {systemFolder + QStringLiteral("ui/splash-institucional.avi"), institutionalSplashFrame},
        {systemFolder + QStringLiteral("ui/splash-programa.avi"), programmeSplashFrame},
    };
    return runParallel(int(clips.size()), [&](int i, QString* failure) {
        const Clip& clip = clips.at(i);
        const QByteArray key = "splash " + QByteArray::number(kSplashVersion) + ' '
            + QByteArray::number(kHandPainterVersion) + ' ' + QByteArray::number(kAviWriterVersion);
        Stamp stamp(clip.path, {}, key);
        if (stamp.isCurrent())
            return true;
        AviWriter writer(kSize, kFps, 80);
        const int count = int(kSeconds * kFps);
        // Everything has come in by 3 s: the last second is one held picture.
        const int moving = 3 * kFps;
        for (int f = 0; f < moving; ++f)
            writer.addFrame(clip.frame(qreal(f) / kFps));
        writer.addFrame(clip.frame(3.2), count - moving);
        if (!writer.finish(clip.path)) {
            *failure = QStringLiteral("cannot write ") + clip.path;
            return false;
        }
        stamp.write();
        return true;
    }, error);
}
