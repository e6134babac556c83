#include "facepainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
const QSize kFaceSize(320, 240);
const QColor kSkin(246, 206, 172);
const QColor kSkinShade(226, 172, 138);
const QColor kOutline(120, 70, 50);
const QColor kLip(204, 96, 96);
const QColor kLipShade(170, 70, 74);
const QColor kMouthInside(92, 26, 34);
const QColor kTongue(226, 112, 120);
const QColor kHair(92, 58, 36);
const QColor kShirt(86, 150, 214);
constexpr qreal kHeadScale = 0.8;

qreal mix(qreal a, qreal b, qreal t)
{
    return a + (b - a) * t;
}

void paintEye(QPainter& p, const QPointF& c, qreal blink)
{
    p.setPen(QPen(kOutline, 2));
    if (blink > 0.5) {
        QPainterPath lid;
        lid.moveTo(c + QPointF(-15, 0));
        lid.quadTo(c + QPointF(0, 7), c + QPointF(15, 0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(lid);
        return;
    }
    p.setBrush(Qt::white);
    p.drawEllipse(c, 16, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(98, 64, 40));
    p.drawEllipse(c + QPointF(1, 1), 8.5, 8.5);
    p.setBrush(QColor(30, 20, 16));
    p.drawEllipse(c + QPointF(1, 1), 4.2, 4.2);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(-2, -2), 2.2, 2.2);
}

void paintMouth(QPainter& p, const QPointF& c, const MouthShape& m)
{
    const qreal half = 60 * m.width;
    const qreal openHalf = 27 * m.open;
    const qreal upperLip = mix(9, 12, m.round);
    const qreal lowerLip = mix(12, 14, m.round);
    const QPointF left = c + QPointF(-half, 0);
    const QPointF right = c + QPointF(half, 0);

    // Outer outline of the lips, with the bow of the upper lip.
    const qreal top = c.y() - openHalf - upperLip;
    const qreal bottom = c.y() + openHalf * 1.1 + lowerLip;
    const qreal bulge = mix(0.45, 0.95, m.round); // round lips bulge out at the sides
    QPainterPath lips;
    lips.moveTo(left);
    lips.cubicTo(QPointF(c.x() - half * bulge, top + 2), QPointF(c.x() - half * 0.3, top - 2),
                 QPointF(c.x(), top + 4));
    lips.cubicTo(QPointF(c.x() + half * 0.3, top - 2), QPointF(c.x() + half * bulge, top + 2), right);
    lips.cubicTo(QPointF(c.x() + half * bulge, bottom), QPointF(c.x() - half * bulge, bottom), left);
    lips.closeSubpath();
    QLinearGradient lipFill(0, top, 0, bottom);
    lipFill.setColorAt(0, kLipShade);
    lipFill.setColorAt(0.45, kLip);
    lipFill.setColorAt(1, kLip.lighter(106));
    p.setBrush(lipFill);
    p.setPen(QPen(kLipShade.darker(120), 1.6));
    p.drawPath(lips);

    // The opening between the lips: a lens when spread, a ring when round.
    const qreal inner = half - mix(6, 14, m.round);
    const QPointF innerLeft = c + QPointF(-inner, 0);
    const QPointF innerRight = c + QPointF(inner, 0);
    const qreal reach = mix(0.55, 1.0, m.round);
    if (openHalf < 1.5) {
        QPainterPath line;
        line.moveTo(innerLeft - QPointF(4, 0));
        line.cubicTo(c + QPointF(-inner * 0.5, 1.5), c + QPointF(inner * 0.5, 1.5), innerRight + QPointF(4, 0));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kMouthInside, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(line);
    } else {
        QPainterPath opening;
        opening.moveTo(innerLeft);
        opening.cubicTo(c + QPointF(-inner * reach, -openHalf * 1.3), c + QPointF(inner * reach, -openHalf * 1.3),
                        innerRight);
        opening.cubicTo(c + QPointF(inner * reach, openHalf * 1.45), c + QPointF(-inner * reach, openHalf * 1.45),
                        innerLeft);
        opening.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kMouthInside);
        p.drawPath(opening);
        p.save();
        p.setClipPath(opening);
        const qreal upperEdge = c.y() - openHalf;
        if (m.teeth > 0.05) {
            p.setBrush(QColor(252, 252, 246));
            const qreal h = qMin(openHalf * 2, 4 + 9 * m.teeth);
            p.drawRoundedRect(QRectF(c.x() - inner * 0.8, upperEdge - 6, inner * 1.6, h + 6), 3, 3);
            if (m.teeth > 0.5 && openHalf > 6)
                p.drawRoundedRect(QRectF(c.x() - inner * 0.6, c.y() + openHalf * 1.1 - 5, inner * 1.2, 6), 3, 3);
        }
        // The tongue rests low, or rises to the teeth.
        const qreal tongueTop = mix(c.y() + openHalf * 0.6, upperEdge + 6, m.tongue);
        p.setBrush(kTongue);
        p.drawEllipse(QRectF(c.x() - inner * 0.62, tongueTop, inner * 1.24, openHalf * 2.4 + 10));
        p.restore();
    }
    if (m.tuck > 0.05) {
        // Upper teeth resting on the lower lip.
        p.setPen(QPen(QColor(200, 200, 196), 1));
        p.setBrush(QColor(252, 252, 246));
        p.drawRoundedRect(QRectF(c.x() - half * 0.45, c.y() - 3, half * 0.9, 4 + 6 * m.tuck), 2, 2);
    }
}
} // namespace

bool MouthShape::operator==(const MouthShape& o) const
{
    return qFuzzyCompare(1 + open, 1 + o.open) && qFuzzyCompare(width, o.width)
        && qFuzzyCompare(1 + round, 1 + o.round) && qFuzzyCompare(1 + teeth, 1 + o.teeth)
        && qFuzzyCompare(1 + tongue, 1 + o.tongue) && qFuzzyCompare(1 + tuck, 1 + o.tuck);
}

MouthShape visemeFor(const QString& phoneme)
{
    QString s = phoneme;
    s.remove(QChar(0x02C8)).remove(QChar(0x02CC)).remove(QChar(0x02D0)); // stress, length
    //                                        open width round teeth tongue tuck
    if (s.startsWith(QLatin1Char('a'))) return {1.00, 1.05, 0.0, 0.5, 0.0, 0};
    if (s.startsWith(QLatin1Char('e'))) return {0.55, 1.15, 0.0, 0.7, 0.0, 0};
    if (s.startsWith(QLatin1Char('i'))) return {0.32, 1.22, 0.0, 0.9, 0.0, 0};
    if (s.startsWith(QLatin1Char('o'))) return {0.72, 0.72, 0.8, 0.2, 0.0, 0};
    if (s.startsWith(QLatin1Char('u'))) return {0.34, 0.55, 1.0, 0.0, 0.0, 0};
    if (s == QLatin1String("w")) return {0.26, 0.58, 1.0, 0.0, 0.0, 0};
    if (s == QLatin1String("j") || s == QStringLiteral("ʝ")) return {0.28, 1.1, 0.0, 0.9, 0.3, 0};
    if (s == QLatin1String("m") || s == QLatin1String("b") || s == QLatin1String("p"))
        return {0.0, 0.95, 0.0, 0.0, 0.0, 0};
    if (s == QStringLiteral("β")) return {0.06, 0.95, 0.0, 0.0, 0.0, 0};
    if (s == QLatin1String("f")) return {0.08, 1.0, 0.0, 0.0, 0.0, 1};
    if (s == QStringLiteral("θ")) return {0.3, 1.0, 0.0, 0.9, 1.0, 0};
    if (s == QLatin1String("l") || s == QLatin1String("n") || s == QLatin1String("t") || s == QLatin1String("d")
        || s == QStringLiteral("ð") || s == QStringLiteral("ɾ") || s == QLatin1String("r"))
        return {0.32, 1.0, 0.0, 0.8, 0.8, 0};
    if (s == QLatin1String("s")) return {0.18, 1.1, 0.0, 1.0, 0.3, 0};
    if (s.startsWith(QStringLiteral("tʃ")) || s == QStringLiteral("ʎ") || s == QStringLiteral("ʃ")
        || s == QStringLiteral("ɲ"))
        return {0.3, 0.8, 0.45, 0.9, 0.5, 0};
    // espeak-ng writes the g as the IPA letter ɡ (U+0261).
    if (s == QLatin1String("k") || s == QLatin1String("g") || s == QStringLiteral("\u0261")
        || s == QStringLiteral("ɣ") || s == QLatin1String("x")
        || s == QStringLiteral("ŋ"))
        return {0.45, 1.0, 0.0, 0.6, 0.0, 0};
    return {};
}

MouthShape blendMouths(const MouthShape& a, const MouthShape& b, qreal t)
{
    return {mix(a.open, b.open, t), mix(a.width, b.width, t), mix(a.round, b.round, t),
            mix(a.teeth, b.teeth, t), mix(a.tongue, b.tongue, t), mix(a.tuck, b.tuck, t)};
}

QImage faceFrame(const MouthShape& mouth, qreal blink)
{
    QImage image(kFaceSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, kFaceSize.height());
    bg.setColorAt(0, QColor(214, 236, 232));
    bg.setColorAt(1, QColor(178, 214, 210));
    p.fillRect(image.rect(), bg);

    // The head is drawn on a 258 units tall layout (hair from -18, chin at
    // 240), scaled so that all of it shows with a margin above the hair and
    // the shoulders below the chin.
    p.translate(160, 8);
    p.scale(kHeadScale, kHeadScale);
    p.translate(-160, 18);

    // Hair behind the head, then shoulders, ears, neck and face.
    p.setPen(QPen(kOutline, 2));
    p.setBrush(kHair);
    p.drawEllipse(QPointF(160, 78), 132, 96);
    p.setBrush(kShirt);
    p.drawEllipse(QPointF(160, 336), 190, 82);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(40, 128), 16, 24);
    p.drawEllipse(QPointF(280, 128), 16, 24);
    p.drawRect(QRectF(112, 200, 96, 70));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(112, 238, 96, 40), 200 * 16, 140 * 16); // the neckline
    QRadialGradient face(QPointF(150, 120), 170);
    face.setColorAt(0, kSkin.lighter(104));
    face.setColorAt(0.75, kSkin);
    face.setColorAt(1, kSkinShade);
    p.setBrush(face);
    p.drawEllipse(QPointF(160, 128), 120, 112);
    // Fringe over the forehead.
    p.setBrush(kHair);
    QPainterPath fringe;
    fringe.moveTo(52, 84);
    fringe.cubicTo(70, 10, 250, 10, 268, 84);
    fringe.cubicTo(240, 50, 200, 44, 170, 60);
    fringe.cubicTo(140, 40, 90, 50, 52, 84);
    p.drawPath(fringe);

    // Brows, eyes, nose, cheeks.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kHair.darker(110), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(92, 72, 40, 16), 30 * 16, 120 * 16);
    p.drawArc(QRectF(188, 72, 40, 16), 30 * 16, 120 * 16);
    paintEye(p, QPointF(112, 100), blink);
    paintEye(p, QPointF(208, 100), blink);
    p.setPen(QPen(kSkinShade.darker(115), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath nose;
    nose.moveTo(156, 112);
    nose.quadTo(150, 138, 160, 140);
    nose.quadTo(168, 140, 170, 136);
    p.drawPath(nose);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 150, 140, 90));
    p.drawEllipse(QPointF(88, 150), 20, 13);
    p.drawEllipse(QPointF(232, 150), 20, 13);

    // Chin drops with the jaw.
    paintMouth(p, QPointF(160, 180 + 4 * mouth.open), mouth);
    return image;
}
