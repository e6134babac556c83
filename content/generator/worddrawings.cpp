#include "worddrawings.h"

#include "emoji.h"
#include "paintkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>
#include <utility>

// Every drawing is made on a 100 × 100 square, scaled to the picture size;
// outlines are dark tones of the fill, like the emoji they stand beside.
namespace {
const QColor kOutline(0x3a, 0x2a, 0x22);

struct Sketch
{
    QPainter& p;
    qreal unit; // pixels per drawing unit

    void fill(const QColor& color, qreal outline = 1.4)
    {
        p.setBrush(color);
        p.setPen(outline > 0 ? QPen(Paint::tone(color, 0.55), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                             : QPen(Qt::NoPen));
    }
    void line(const QColor& color, qreal width)
    {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    // An emoji drawn at the picture's own resolution into `square`.
    void emoji(uint codePoint, const QRectF& square)
    {
        const QImage picture = renderEmoji(codePoint, qRound(square.width() * unit));
        p.drawImage(square, picture);
    }
};

// A button mushroom and a second one behind it: round pale caps, thick stems.
void champinon(Sketch& s)
{
    auto mushroom = [&](const QPointF& c, qreal r) {
        s.fill(QColor(0xee, 0xe4, 0xd6));
        s.p.drawRoundedRect(QRectF(c.x() - r * 0.42, c.y() - r * 0.1, r * 0.84, r * 1.0), r * 0.3, r * 0.3);
        QPainterPath cap;
        cap.moveTo(c.x() - r, c.y());
        cap.cubicTo(c.x() - r, c.y() - r * 1.05, c.x() + r, c.y() - r * 1.05, c.x() + r, c.y());
        cap.quadTo(c.x(), c.y() + r * 0.28, c.x() - r, c.y());
        QRadialGradient g(c.x() - r * 0.3, c.y() - r * 0.6, r * 1.4);
        g.setColorAt(0, QColor(0xfb, 0xf5, 0xec));
        g.setColorAt(0.7, QColor(0xe6, 0xd3, 0xba));
        g.setColorAt(1, QColor(0xc9, 0xab, 0x86));
        s.p.setBrush(g);
        s.p.setPen(QPen(QColor(0x8a, 0x6a, 0x4a), 1.4));
        s.p.drawPath(cap);
        // The gills under the rim.
        s.line(QColor(0x9a, 0x78, 0x58), 1.6);
        s.p.drawArc(QRectF(c.x() - r * 0.86, c.y() - r * 0.12, r * 1.72, r * 0.3), 200 * 16, 140 * 16);
    };
    mushroom(QPointF(66, 50), 22);
    mushroom(QPointF(40, 62), 30);
}

// A dome of snow blocks with its entrance tunnel.
void iglu(Sketch& s)
{
    s.fill(QColor(0xe3, 0xf1, 0xfb), 0);
    s.p.drawEllipse(QRectF(4, 78, 92, 16));
    QPainterPath dome;
    dome.moveTo(10, 84);
    dome.cubicTo(10, 18, 90, 18, 90, 84);
    dome.closeSubpath();
    QLinearGradient g(0, 30, 0, 84);
    g.setColorAt(0, QColor(0xff, 0xff, 0xff));
    g.setColorAt(1, QColor(0xcf, 0xe4, 0xf5));
    s.p.setBrush(g);
    s.p.setPen(QPen(QColor(0x4a, 0x7c, 0xb0), 1.8));
    s.p.drawPath(dome);
    s.p.save();
    s.p.setClipPath(dome);
    s.line(QColor(0x7f, 0xa9, 0xd2), 1.2);
    for (int row = 0; row < 5; ++row) {
        const qreal y = 72 - row * 11;
        s.p.drawLine(QPointF(0, y), QPointF(100, y));
        for (qreal x = (row % 2) * 7; x < 100; x += 14)
            s.p.drawLine(QPointF(x, y), QPointF(x, y + 11));
    }
    s.p.restore();
    QPainterPath tunnel;
    tunnel.moveTo(30, 86);
    tunnel.cubicTo(30, 56, 62, 56, 62, 86);
    tunnel.closeSubpath();
    s.p.setBrush(QColor(0xf4, 0xfa, 0xff));
    s.p.setPen(QPen(QColor(0x4a, 0x7c, 0xb0), 1.8));
    s.p.drawPath(tunnel);
    QPainterPath door;
    door.moveTo(37, 86);
    door.cubicTo(37, 66, 55, 66, 55, 86);
    door.closeSubpath();
    s.fill(QColor(0x2d, 0x3e, 0x5c));
    s.p.drawPath(door);
}

// A wildebeest seen from the side: grey body with dark bands, a long face,
// curved horns, a black mane and beard, a long black tail.
void nu(Sketch& s)
{
    const QColor body(0x7b, 0x78, 0x74), dark(0x2e, 0x2a, 0x28);
    // Legs behind the body.
    s.fill(Paint::tone(body, 0.85));
    for (const qreal x : {40.0, 48.0, 70.0, 78.0})
        s.p.drawRoundedRect(QRectF(x, 56, 5.5, 34), 2.5, 2.5);
    s.fill(dark, 0);
    for (const qreal x : {40.0, 48.0, 70.0, 78.0})
        s.p.drawRect(QRectF(x, 87, 5.5, 4));
    // Tail.
    s.line(dark, 2.4);
    s.p.drawLine(QPointF(86, 46), QPointF(92, 68));
    s.fill(dark, 0);
    s.p.drawEllipse(QRectF(88.5, 64, 7, 13));
    // Body, higher at the shoulders.
    QPainterPath torso;
    torso.moveTo(34, 52);
    torso.cubicTo(34, 28, 60, 30, 70, 38);
    torso.cubicTo(82, 38, 92, 42, 88, 56);
    torso.cubicTo(86, 66, 40, 68, 34, 52);
    s.fill(body);
    s.p.drawPath(torso);
    s.line(Paint::tone(body, 0.62), 1.6);
    for (qreal x = 44; x < 68; x += 5)
        s.p.drawLine(QPointF(x, 36 + (x - 44) * 0.1), QPointF(x - 2, 56));
    // Neck and long face, head low and forward.
    QPainterPath head;
    head.moveTo(40, 36);
    head.cubicTo(30, 30, 22, 30, 16, 36);
    head.lineTo(9, 58);
    head.cubicTo(8, 63, 15, 65, 17, 61);
    head.lineTo(28, 48);
    head.cubicTo(32, 52, 38, 54, 42, 50);
    head.closeSubpath();
    s.fill(body);
    s.p.drawPath(head);
    s.fill(dark, 0);
    s.p.drawEllipse(QRectF(8, 55, 9, 8)); // the dark muzzle
    // Mane along the neck and beard under it.
    s.line(dark, 3);
    s.p.drawLine(QPointF(20, 32), QPointF(40, 30));
    s.line(dark, 1.6);
    for (qreal x = 22; x < 40; x += 3)
        s.p.drawLine(QPointF(x, 49 + (x - 22) * 0.2), QPointF(x - 1.5, 58 + (x - 22) * 0.2));
    // Horns curving out and up.
    s.line(QColor(0xc9, 0xbf, 0xae), 3);
    QPainterPath horn;
    horn.moveTo(19, 35);
    horn.cubicTo(12, 30, 14, 22, 22, 21);
    horn.moveTo(23, 34);
    horn.cubicTo(30, 26, 34, 24, 28, 18);
    s.p.drawPath(horn);
    s.fill(QColor(0x14, 0x10, 0x0e), 0);
    s.p.drawEllipse(QPointF(18, 42), 1.7, 1.7);
}

// A rhea seen from the side: a big grey feathered body, long neck, long legs.
void nandu(Sketch& s)
{
    const QColor feathers(0x94, 0x8b, 0x7e), legs(0xc2, 0xa8, 0x84);
    s.line(Paint::tone(legs, 0.8), 3.2);
    s.p.drawLine(QPointF(56, 62), QPointF(52, 78));
    s.p.drawLine(QPointF(52, 78), QPointF(54, 94));
    s.p.drawLine(QPointF(62, 62), QPointF(68, 78));
    s.p.drawLine(QPointF(68, 78), QPointF(64, 94));
    s.line(Paint::tone(legs, 0.7), 2);
    for (const qreal x : {54.0, 64.0}) {
        s.p.drawLine(QPointF(x, 94), QPointF(x - 6, 96));
        s.p.drawLine(QPointF(x, 94), QPointF(x + 5, 96));
    }
    QPainterPath body;
    body.moveTo(36, 48);
    body.cubicTo(38, 30, 74, 26, 86, 42);
    body.cubicTo(92, 52, 86, 66, 66, 66);
    body.cubicTo(48, 68, 34, 60, 36, 48);
    s.fill(feathers);
    s.p.drawPath(body);
    s.line(Paint::tone(feathers, 0.68), 1.5);
    for (int i = 0; i < 5; ++i) {
        QPainterPath plume;
        plume.moveTo(52 + i * 7, 40 + i * 1.5);
        plume.quadTo(58 + i * 7, 50 + i, 54 + i * 7, 60);
        s.p.drawPath(plume);
    }
    // The long neck and small head with its flat beak.
    s.line(Paint::tone(feathers, 0.55), 8.5);
    QPainterPath neck;
    neck.moveTo(42, 44);
    neck.cubicTo(34, 36, 32, 22, 30, 12);
    s.p.drawPath(neck);
    s.line(QColor(0xb0, 0xa8, 0x9c), 6);
    s.p.drawPath(neck);
    s.fill(QColor(0xb0, 0xa8, 0x9c));
    s.p.drawEllipse(QRectF(24, 6, 12, 10));
    s.fill(QColor(0xd6, 0xb2, 0x7e));
    QPolygonF beak;
    beak << QPointF(25, 9) << QPointF(14, 12) << QPointF(25, 14);
    s.p.drawPolygon(beak);
    s.fill(QColor(0x14, 0x10, 0x0e), 0);
    s.p.drawEllipse(QPointF(29, 10), 1.5, 1.5);
}

// A yam: a long knobbly brown tuber with root hairs, and a cut slice of its
// white flesh.
void yam(Sketch& s)
{
    QPainterPath tuber;
    tuber.moveTo(10, 62);
    tuber.cubicTo(8, 44, 40, 32, 70, 26);
    tuber.cubicTo(90, 22, 96, 36, 86, 44);
    tuber.cubicTo(70, 58, 34, 78, 18, 74);
    tuber.cubicTo(12, 72, 10, 68, 10, 62);
    s.fill(QColor(0x7a, 0x54, 0x34));
    s.p.drawPath(tuber);
    s.fill(QColor(0x5c, 0x3c, 0x22), 0);
    for (const QPointF& spot : {QPointF(28, 56), QPointF(44, 46), QPointF(60, 40), QPointF(76, 32), QPointF(36, 64),
                                QPointF(68, 48)})
        s.p.drawEllipse(spot, 2.2, 1.5);
    s.line(QColor(0x6b, 0x48, 0x2c), 0.9);
    for (const QPointF& hair : {QPointF(24, 70), QPointF(40, 66), QPointF(56, 58), QPointF(72, 50)})
        s.p.drawLine(hair, hair + QPointF(-2, 7));
    // The slice.
    s.fill(QColor(0x6b, 0x48, 0x2c));
    s.p.drawEllipse(QRectF(52, 58, 36, 28));
    s.fill(QColor(0xf6, 0xf0, 0xe2), 0);
    s.p.drawEllipse(QRectF(55, 61, 30, 22));
    s.fill(QColor(0xe9, 0xdf, 0xc9), 0);
    s.p.drawEllipse(QRectF(64, 67, 12, 9));
}

// A plate of gnocchi with tomato sauce and a basil leaf.
void noquis(Sketch& s)
{
    s.fill(QColor(0xff, 0xff, 0xff));
    s.p.setPen(QPen(QColor(0x9a, 0xa8, 0xb8), 1.6));
    s.p.drawEllipse(QRectF(4, 34, 92, 52));
    s.p.setPen(QPen(QColor(0xc8, 0xd2, 0xde), 1.2));
    s.p.drawEllipse(QRectF(16, 41, 68, 38));
    s.fill(QColor(0xd2, 0x3c, 0x24), 0);
    s.p.drawEllipse(QRectF(20, 44, 60, 32));
    const QPointF at[] = {{30, 52}, {42, 48}, {54, 48}, {66, 52}, {26, 62}, {38, 60}, {50, 59},
                          {62, 61}, {72, 62}, {34, 69}, {46, 70}, {58, 70}};
    for (const QPointF& c : at) {
        s.fill(QColor(0xf4, 0xd6, 0x84), 1.1);
        s.p.drawRoundedRect(QRectF(c.x() - 6, c.y() - 4, 12, 8), 4, 4);
        s.line(QColor(0xc9, 0xa2, 0x4e), 0.9);
        for (int k = -1; k <= 1; ++k)
            s.p.drawLine(QPointF(c.x() + k * 3, c.y() - 2.5), QPointF(c.x() + k * 3, c.y() + 2.5));
    }
    s.fill(QColor(0x3c, 0x9a, 0x3e));
    QPainterPath leaf;
    leaf.moveTo(48, 54);
    leaf.quadTo(56, 44, 64, 50);
    leaf.quadTo(56, 58, 48, 54);
    s.p.drawPath(leaf);
}

// A number written big on a keycap, as the number emoji show it.
void keycap(Sketch& s, const QString& number, const QColor& color)
{
    const QRectF cap(8, 8, 84, 84);
    QLinearGradient g(cap.topLeft(), cap.bottomLeft());
    g.setColorAt(0, Paint::tone(color, 1.25));
    g.setColorAt(1, Paint::tone(color, 0.85));
    s.p.setBrush(g);
    s.p.setPen(QPen(Paint::tone(color, 0.6), 2));
    s.p.drawRoundedRect(cap, 16, 16);
    s.p.setBrush(Qt::NoBrush);
    s.p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    s.p.drawRoundedRect(cap.adjusted(5, 5, -5, -5), 12, 12);
    Paint::text(s.p, cap.adjusted(6, 2, -6, 0), number, 78, Qt::white);
}

// A fingertip seen from the back, its big shiny nail in front.
void una(Sketch& s)
{
    const QColor skin(0xf2, 0xc4, 0xa2);
    QPainterPath finger;
    finger.moveTo(30, 100);
    finger.lineTo(30, 30);
    finger.cubicTo(30, 4, 70, 4, 70, 30);
    finger.lineTo(70, 100);
    s.fill(skin);
    s.p.drawPath(finger);
    s.line(Paint::tone(skin, 0.72), 1.4);
    s.p.drawArc(QRectF(38, 74, 24, 8), 20 * 16, 140 * 16);
    s.p.drawArc(QRectF(40, 80, 20, 6), 20 * 16, 140 * 16);
    const QRectF nail(36, 12, 28, 40);
    QLinearGradient g(nail.topLeft(), nail.bottomLeft());
    g.setColorAt(0, QColor(0xff, 0xf4, 0xf0));
    g.setColorAt(0.18, QColor(0xff, 0xf4, 0xf0));
    g.setColorAt(0.2, QColor(0xf7, 0xbc, 0xc4));
    g.setColorAt(1, QColor(0xf0, 0xa8, 0xb4));
    s.p.setBrush(g);
    s.p.setPen(QPen(QColor(0xc0, 0x78, 0x80), 1.4));
    s.p.drawRoundedRect(nail, 12, 12);
    s.fill(QColor(0xfb, 0xe2, 0xe4), 0);
    s.p.drawEllipse(QRectF(42, 42, 16, 8)); // the half-moon at its root
    s.fill(QColor(255, 255, 255, 170), 0);
    s.p.drawRoundedRect(QRectF(40, 20, 5, 20), 2.5, 2.5);
}

// A board with its tall striped sail on the waves.
void windsurf(Sketch& s)
{
    s.fill(QColor(0x4f, 0xa8, 0xe8), 0);
    QPainterPath sea;
    sea.moveTo(0, 82);
    for (int i = 0; i < 5; ++i)
        sea.quadTo(i * 20 + 10, 76, i * 20 + 20, 82);
    sea.lineTo(100, 100);
    sea.lineTo(0, 100);
    sea.closeSubpath();
    s.p.drawPath(sea);
    s.fill(QColor(0xff, 0xff, 0xff));
    s.p.drawRoundedRect(QRectF(16, 76, 68, 7), 3.5, 3.5);
    s.line(QColor(0x55, 0x55, 0x5a), 2.4);
    s.p.drawLine(QPointF(46, 77), QPointF(44, 8));
    QPainterPath sail;
    sail.moveTo(44, 8);
    sail.cubicTo(70, 20, 82, 50, 76, 74);
    sail.lineTo(46, 74);
    sail.closeSubpath();
    s.p.save();
    s.p.setClipPath(sail);
    const QColor bands[] = {QColor(0xe5, 0x39, 0x35), QColor(0xfd, 0xd8, 0x35), QColor(0x1e, 0x88, 0xe5),
                            QColor(0xfb, 0x8c, 0x00)};
    for (int i = 0; i < 4; ++i)
        s.p.fillRect(QRectF(40, 8 + i * 17, 50, 17), bands[i]);
    s.p.restore();
    s.p.setBrush(Qt::NoBrush);
    s.p.setPen(QPen(QColor(0x6a, 0x2a, 0x20), 1.4));
    s.p.drawPath(sail);
    s.line(QColor(0x33, 0x33, 0x38), 2.2);
    s.p.drawLine(QPointF(45, 50), QPointF(72, 44)); // the boom
}

// A Mexican hairless dog: slender, dark grey, big upright ears, a light tuft.
void xolo(Sketch& s)
{
    const QColor skin(0x4a, 0x4d, 0x55);
    s.fill(Paint::tone(skin, 0.85));
    for (const qreal x : {32.0, 40.0, 66.0, 74.0})
        s.p.drawRoundedRect(QRectF(x, 58, 5, 32), 2.5, 2.5);
    s.line(skin, 2.6);
    QPainterPath tail;
    tail.moveTo(80, 50);
    tail.cubicTo(90, 44, 92, 30, 88, 24);
    s.p.drawPath(tail);
    QPainterPath body;
    body.moveTo(28, 48);
    body.cubicTo(30, 40, 70, 40, 82, 46);
    body.cubicTo(86, 56, 76, 64, 66, 62);
    body.cubicTo(54, 60, 46, 62, 34, 64);
    body.cubicTo(28, 62, 26, 54, 28, 48);
    s.fill(skin);
    s.p.drawPath(body);
    // A long neck rising from the chest to a narrow head with a long snout.
    QPainterPath head;
    head.moveTo(40, 46);
    head.cubicTo(34, 40, 30, 32, 28, 26);
    head.cubicTo(26, 22, 20, 22, 16, 25);
    head.lineTo(5, 31);
    head.cubicTo(3, 33, 4, 37, 8, 37);
    head.lineTo(18, 37);
    head.cubicTo(22, 44, 26, 54, 32, 60);
    head.closeSubpath();
    s.p.drawPath(head);
    for (const qreal dx : {0.0, 6.0}) {
        QPolygonF ear;
        ear << QPointF(17 + dx, 25) << QPointF(19 + dx, 8) << QPointF(25 + dx, 24);
        s.p.drawPolygon(ear);
    }
    s.fill(QColor(0xd8, 0xd2, 0xc8), 0);
    s.p.drawEllipse(QRectF(17, 20, 9, 5)); // the tuft on its head
    s.fill(QColor(0x1a, 0x1a, 0x1e), 0);
    s.p.drawEllipse(QPointF(5.5, 33), 1.8, 1.6);
    s.fill(QColor(0xf0, 0xd8, 0x60), 0);
    s.p.drawEllipse(QPointF(17, 28.5), 1.6, 1.6);
}

void yogur(Sketch& s)
{
    // A yogurt pot, its lid peeled back, a spoon in it and a strawberry on the label.
    QPainterPath pot;
    pot.moveTo(22, 34);
    pot.lineTo(30, 92);
    pot.lineTo(70, 92);
    pot.lineTo(78, 34);
    pot.closeSubpath();
    QLinearGradient g(22, 0, 78, 0);
    g.setColorAt(0, QColor(0xea, 0xee, 0xf2));
    g.setColorAt(0.4, QColor(0xff, 0xff, 0xff));
    g.setColorAt(1, QColor(0xd6, 0xdc, 0xe4));
    s.p.setBrush(g);
    s.p.setPen(QPen(QColor(0x8a, 0x96, 0xa6), 1.6));
    s.p.drawPath(pot);
    s.fill(QColor(0xf4, 0x8f, 0xb1), 0);
    s.p.drawPolygon(QPolygonF({QPointF(25.5, 58), QPointF(74.5, 58), QPointF(72.6, 72), QPointF(27.4, 72)}));
    s.emoji(0x1F353, QRectF(41, 55, 18, 18));
    s.fill(QColor(0xfa, 0xf7, 0xf0));
    s.p.drawEllipse(QRectF(20, 28, 60, 12));
    s.line(QColor(0x9a, 0xa4, 0xb2), 4);
    s.p.drawLine(QPointF(56, 32), QPointF(72, 6));
    s.fill(QColor(0xc6, 0xcc, 0xd4));
    s.p.drawEllipse(QRectF(66, 0, 10, 8));
    // The lid, peeled up behind.
    s.fill(QColor(0xb8, 0xc4, 0xd2));
    QPainterPath lid;
    lid.moveTo(24, 32);
    lid.cubicTo(16, 18, 26, 6, 40, 10);
    lid.lineTo(46, 30);
    lid.closeSubpath();
    s.p.drawPath(lid);
}

using Drawing = std::function<void(Sketch&)>;

void drawXylophone(QPainter& painter, qreal size);

const QList<std::pair<QString, Drawing>>& drawings()
{
    static const QList<std::pair<QString, Drawing>> list = {
        {QStringLiteral("xilofono"), [](Sketch& s) { drawXylophone(s.p, 100); }},
        {QStringLiteral("champinon"), champinon},
        {QStringLiteral("iglu"), iglu},
        {QStringLiteral("nu"), nu},
        {QStringLiteral("nandu"), nandu},
        {QStringLiteral("name"), yam},
        {QStringLiteral("noquis"), noquis},
        {QStringLiteral("uno"), [](Sketch& s) { keycap(s, QStringLiteral("1"), QColor(0xff, 0x8f, 0x1c)); }},
        {QStringLiteral("quince"), [](Sketch& s) { keycap(s, QStringLiteral("15"), QColor(0x2e, 0x9e, 0x5b)); }},
        {QStringLiteral("una"), una},
        {QStringLiteral("windsurf"), windsurf},
        {QStringLiteral("xolo"), xolo},
        {QStringLiteral("yogur"), yogur},
    };
    return list;
}

// A toy xylophone: coloured bars on two rails, with two mallets.
void drawXylophone(QPainter& painter, qreal)
{
    const QColor wood(0xa8, 0x6b, 0x3c);
    painter.setPen(QPen(wood, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 30), QPointF(92, 42));
    painter.drawLine(QPointF(10, 80), QPointF(92, 66));
    const QColor bars[] = {QColor(0xe5, 0x39, 0x35), QColor(0xfb, 0x8c, 0x00), QColor(0xfd, 0xd8, 0x35),
                           QColor(0x43, 0xa0, 0x47), QColor(0x1e, 0x88, 0xe5), QColor(0x3f, 0x51, 0xb5),
                           QColor(0x8e, 0x24, 0xaa)};
    for (int i = 0; i < 7; ++i) {
        const qreal x = 14 + i * 11.3;
        const qreal top = 24 + i * 1.9, bottom = 86 - i * 2.1;
        painter.setPen(QPen(Paint::tone(bars[i], 0.75), 1.2));
        painter.setBrush(bars[i]);
        painter.drawRoundedRect(QRectF(x, top, 9, bottom - top), 2.5, 2.5);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(x + 4.5, top + 7 + i * 0.2), 1.3, 1.3);
        painter.drawEllipse(QPointF(x + 4.5, bottom - 7), 1.3, 1.3);
    }
    // Mallets crossing over the bars.
    for (const auto& [from, to] : {std::pair{QPointF(30, 97), QPointF(58, 58)},
                                   std::pair{QPointF(84, 97), QPointF(64, 54)}}) {
        painter.setPen(QPen(QColor(0xd7, 0xb3, 0x8c), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
        painter.setPen(QPen(QColor(0x7a, 0x2e, 0x1c), 1));
        painter.setBrush(QColor(0xc6, 0x28, 0x28));
        painter.drawEllipse(to, 5, 5);
    }
}
} // namespace

QImage wordDrawing(const QString& name, int size)
{
    for (const auto& [known, draw] : drawings()) {
        if (known != name)
            continue;
        QImage image = Paint::canvas(size, size);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(size / 100.0, size / 100.0);
        Sketch sketch{painter, size / 100.0};
        draw(sketch);
        return image;
    }
    return {};
}

QStringList wordDrawingNames()
{
    QStringList names;
    for (const auto& entry : drawings())
        names << entry.first;
    return names;
}
