#include "handpainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QQuaternion>
#include <QRadialGradient>
#include <QVector3D>
#include <QtMath>

#include <algorithm>

// The hand is a small 3D model: a palm slab, four fingers of three
// phalanges and a thumb of three bones, posed from the shape table, turned
// by the shape's roll, yaw and pitch and projected straight onto the
// picture. Every bone is a shaded capsule; bones and palm are painted from
// the farthest to the nearest.
//
// Model units: the palm is about 90 wide and 95 high; x grows towards the
// little finger, y towards the fingertips, z out of the palm.

namespace {
const QColor kSkin(242, 196, 162);
const QColor kSkinShade(214, 150, 116);
const QColor kOutline(112, 62, 40);
const QColor kNail(252, 226, 216);
const QColor kSleeve(70, 120, 190);
const QColor kArrow(220, 60, 40);

struct Bone
{
    QVector3D from, to;
    qreal width = 0;
    QVector3D nailNormal; // nonzero on a fingertip: the side the nail is on
};

struct Finger
{
    qreal baseX, baseY;
    qreal lengths[3];
    qreal width;
    qreal spreadSign; // which way the finger fans out
};

// index, middle, ring, little
const Finger kFingers[4] = {
    {-30, 92, {44, 27, 20}, 19.5, -1.0},
    {-10, 96, {48, 30, 21}, 20.0, -0.3},
    {10, 93, {45, 28, 20}, 18.5, 0.4},
    {29, 85, {36, 22, 18}, 16.0, 1.0},
};

struct Angles
{
    qreal knuckle, middle, tip;
};

Angles anglesOf(FingerPose pose)
{
    switch (pose) {
    case FingerPose::Straight: return {0, 0, 0};
    case FingerPose::Curved: return {30, 44, 30};
    case FingerPose::Rounded: return {42, 70, 48};
    case FingerPose::Hooked: return {12, 92, 68};
    case FingerPose::Closed: return {88, 102, 62};
    case FingerPose::Forward: return {62, 4, 0};
    }
    return {0, 0, 0};
}

struct Pose
{
    QList<Bone> fingerBones[4];
    QList<Bone> thumb;
    QVector3D tips[4];
    QVector3D thumbTip;
};

QList<Bone> buildFinger(int i, FingerPose pose, qreal spread, bool crossed, QVector3D* tip)
{
    const Finger& f = kFingers[i];
    const Angles a = anglesOf(pose);
    qreal fan = pose == FingerPose::Straight ? spread * f.spreadSign : 0;
    QVector3D base(f.baseX, f.baseY, 0);
    qreal lift = 0;
    // Crossed (R): the index leans towards the little finger and back, the
    // middle finger towards the thumb and forward, so that it lies over the
    // index and the two tips swap sides.
    if (crossed && i == 0) {
        fan = 13;
        lift = -6;
    } else if (crossed && i == 1) {
        fan = -15;
        lift = 14;
    }
    const QQuaternion spin = QQuaternion::fromAxisAndAngle(0, 0, 1, float(-fan));
    const qreal flex[3] = {a.knuckle + lift, a.middle, a.tip};
    QList<Bone> bones;
    QVector3D at = base;
    qreal total = 0;
    for (int k = 0; k < 3; ++k) {
        total += flex[k];
        const QQuaternion bend = spin * QQuaternion::fromAxisAndAngle(1, 0, 0, float(total));
        const QVector3D dir = bend.rotatedVector(QVector3D(0, 1, 0));
        Bone bone;
        bone.from = at;
        bone.to = at + dir * float(f.lengths[k]);
        bone.width = f.width * (1.0 - 0.06 * k);
        if (k == 2)
            bone.nailNormal = bend.rotatedVector(QVector3D(0, 0, -1));
        bones << bone;
        at = bone.to;
    }
    *tip = at;
    return bones;
}

// Two-bone reach: the middle joint of a chain from `base` to `target`,
// bending towards `hint`.
QVector3D reach(const QVector3D& base, const QVector3D& target, qreal l1, qreal l2,
                const QVector3D& hint, QVector3D* end)
{
    QVector3D d = target - base;
    const qreal dist = qBound(qAbs(l1 - l2) + 1.0, qreal(d.length()), l1 + l2 - 0.01);
    const QVector3D dir = d.normalized();
    const qreal along = (l1 * l1 - l2 * l2 + dist * dist) / (2 * dist);
    const qreal side = std::sqrt(std::max(0.0, l1 * l1 - along * along));
    QVector3D perp = hint - dir * QVector3D::dotProduct(hint, dir);
    perp.normalize();
    *end = base + dir * float(dist);
    return base + dir * float(along) + perp * float(side);
}

QList<Bone> buildThumb(ThumbPose pose, const QVector3D tips[4], const QList<Bone> fingers[4],
                       QVector3D* tip)
{
    const QVector3D root(-30, 14, 6);
    QVector3D knuckle;
    QVector3D target;
    QVector3D hint(-1, 0, 0.4f);
    switch (pose) {
    case ThumbPose::Up:
        knuckle = QVector3D(-50, 44, 16);
        target = QVector3D(-47, 96, 22);
        hint = QVector3D(-1, 0, 0);
        break;
    case ThumbPose::Out:
        knuckle = QVector3D(-56, 40, 10);
        target = QVector3D(-106, 62, 8);
        hint = QVector3D(0, 1, 0);
        break;
    case ThumbPose::Across: {
        knuckle = QVector3D(-44, 40, 34);
        const QVector3D onFingers = (fingers[1].at(1).from + fingers[1].at(1).to) / 2;
        target = QVector3D(4, onFingers.y() + 2, onFingers.z() + 14);
        hint = QVector3D(0, 1, 0.6f);
        break;
    }
    case ThumbPose::Palm:
        knuckle = QVector3D(-40, 36, 16);
        target = QVector3D(8, 58, 16);
        hint = QVector3D(0, -0.2f, 1);
        break;
    case ThumbPose::Tucked:
        knuckle = QVector3D(-42, 38, 22);
        target = QVector3D(6, 66, 26);
        hint = QVector3D(0, -0.3f, 1);
        break;
    case ThumbPose::TouchIndex:
        knuckle = QVector3D(-48, 40, 26);
        target = tips[0] + QVector3D(0, -5, 3);
        hint = QVector3D(-1, -0.3f, 0.5f);
        break;
    case ThumbPose::TouchMiddle:
        knuckle = QVector3D(-46, 40, 26);
        target = tips[1] + QVector3D(-2, -5, 3);
        hint = QVector3D(-1, -0.3f, 0.5f);
        break;
    case ThumbPose::Between:
        // Up between the index and the middle finger, its tip showing above
        // the fist under the index bent over it.
        knuckle = QVector3D(-44, 46, 30);
        target = QVector3D(-19, 112, 24);
        hint = QVector3D(-0.5f, 0, 1);
        break;
    case ThumbPose::Along:
        knuckle = QVector3D(-50, 44, 14);
        target = QVector3D(-54, 102, 16);
        hint = QVector3D(-1, 0, 0);
        break;
    case ThumbPose::Holding: {
        knuckle = QVector3D(-44, 40, 32);
        const QVector3D onFingers = (fingers[2].at(1).from + fingers[2].at(1).to) / 2;
        target = QVector3D(12, onFingers.y() + 4, onFingers.z() + 12);
        hint = QVector3D(0, 1, 0.6f);
        break;
    }
    case ThumbPose::Curved:
        knuckle = QVector3D(-52, 40, 26);
        target = tips[0] + QVector3D(-4, -60, 10);
        hint = QVector3D(-1, -0.4f, 0.2f);
        break;
    }
    QVector3D end;
    const QVector3D middle = reach(knuckle, target, 31, 26, hint, &end);
    QList<Bone> bones;
    bones << Bone{root, knuckle, 27, {}};
    bones << Bone{knuckle, middle, 23, {}};
    QVector3D nail = -(hint - (end - middle).normalized()
                                 * QVector3D::dotProduct(hint, (end - middle).normalized()));
    // The nail is on the back of the thumb, away from the palm.
    nail = QVector3D(-nail.x() * 0.4f - 0.6f, nail.y() * 0.2f, -nail.z() - 0.3f).normalized();
    bones << Bone{middle, end, 21, nail};
    *tip = end;
    return bones;
}

Pose buildPose(const HandShape& shape)
{
    Pose pose;
    const FingerPose fingers[4] = {shape.index, shape.middle, shape.ring, shape.little};
    for (int i = 0; i < 4; ++i)
        pose.fingerBones[i] = buildFinger(i, fingers[i], shape.spread, shape.crossed, &pose.tips[i]);
    pose.thumb = buildThumb(shape.thumb, pose.tips, pose.fingerBones, &pose.thumbTip);
    return pose;
}

// One thing to paint, kept with its depth.
struct Item
{
    qreal depth;
    enum { Capsule, Palm, Arm } kind;
    QPointF a, b;
    qreal width;
    qreal nailFacing; // > 0: the nail shows
    QPolygonF outline;
    QVector3D normal;
};

QPolygonF convexHull(QList<QPointF> points)
{
    std::sort(points.begin(), points.end(), [](const QPointF& p, const QPointF& q) {
        return p.x() < q.x() || (p.x() == q.x() && p.y() < q.y());
    });
    auto cross = [](const QPointF& o, const QPointF& a, const QPointF& b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    QList<QPointF> hull(2 * points.size());
    int k = 0;
    for (int i = 0; i < points.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    for (int i = int(points.size()) - 2, t = k + 1; i >= 0; --i) {
        while (k >= t && cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(qMax(0, k - 1));
    return QPolygonF(hull);
}

QColor shaded(const QColor& color, qreal factor)
{
    return QColor::fromRgbF(qBound(0.0, color.redF() * factor, 1.0),
                            qBound(0.0, color.greenF() * factor, 1.0),
                            qBound(0.0, color.blueF() * factor, 1.0), color.alphaF());
}

void paintCapsule(QPainter& p, const Item& item, qreal scale, qreal light)
{
    const QPointF d = item.b - item.a;
    const qreal len = std::hypot(d.x(), d.y());
    const qreal w = item.width;
    QPainterPath line;
    line.moveTo(item.a);
    line.lineTo(len < 0.01 ? item.a + QPointF(0.01, 0) : item.b);
    QPainterPathStroker stroker;
    stroker.setWidth(w);
    stroker.setCapStyle(Qt::RoundCap);
    const QPainterPath path = stroker.createStroke(line).simplified();
    const QColor base = shaded(kSkin, light);
    const QColor edge = shaded(kSkinShade, light);
    if (len < w * 0.4) {
        QRadialGradient g(item.a + (item.b - item.a) / 2 - QPointF(w * 0.15, w * 0.15), w * 0.7);
        g.setColorAt(0, shaded(base, 1.05));
        g.setColorAt(1, edge);
        p.setBrush(g);
    } else {
        const QPointF n(-d.y() / len * w / 2, d.x() / len * w / 2);
        const QPointF mid = item.a + d / 2;
        QLinearGradient g(mid + n, mid - n);
        g.setColorAt(0, edge);
        g.setColorAt(0.35, shaded(base, 1.04));
        g.setColorAt(0.6, base);
        g.setColorAt(1, edge);
        p.setBrush(g);
    }
    p.setPen(QPen(kOutline, qMax(1.2, 1.6 * scale), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);

    if (item.nailFacing > 0.2 && len > 1) {
        const QPointF dir = d / len;
        const qreal nailLength = qMin(len * 0.55 + w * 0.15, w * 0.75);
        const QPointF centre = item.b - dir * (nailLength / 2 - w * 0.05);
        p.save();
        p.translate(centre);
        p.rotate(qRadiansToDegrees(std::atan2(dir.y(), dir.x())));
        const qreal nw = w * 0.56 * qMin(1.0, item.nailFacing + 0.3);
        p.setBrush(kNail);
        p.setPen(QPen(shaded(kOutline, 1.4), qMax(0.8, 1.0 * scale)));
        p.drawRoundedRect(QRectF(-nailLength / 2, -nw / 2, nailLength, nw), nw * 0.45, nw * 0.45);
        p.restore();
    }
}

// Where the hand is moved to along its movement, in model units on screen,
// and the extra turn of the wrist.
QPointF movementOffset(Movement movement, qreal t, qreal* turn)
{
    *turn = 0;
    if (t < 0)
        return {};
    const qreal s = std::sin(t * M_PI); // out and back
    switch (movement) {
    case Movement::None: return {};
    case Movement::Side: return {60 * s, 0};
    case Movement::Down: return {0, 50 * s};
    case Movement::Up: return {0, -36 * s};
    case Movement::Shake: return {18 * std::sin(t * 5 * M_PI), 0};
    case Movement::TraceJ: {
        // Down, then a hook towards the thumb side.
        if (t < 0.5)
            return {0, 70 * t};
        const qreal a = (t - 0.5) / 0.5 * M_PI;
        return {-18 + 18 * std::cos(a), 35 + 18 * std::sin(a)};
    }
    case Movement::TraceZ: {
        const QPointF z[4] = {{-30, -20}, {30, -20}, {-30, 25}, {30, 25}};
        const qreal u = qBound(0.0, t, 0.999) * 3;
        const int k = int(u);
        return z[k] + (z[k + 1] - z[k]) * (u - k);
    }
    case Movement::Twist: *turn = 35 * s; return {};
    case Movement::Acute: return {22 * s, -22 * s};
    case Movement::Grave: return {-22 * s, -22 * s};
    case Movement::Diaeresis: return {0, -12 * std::abs(std::sin(t * 2 * M_PI))};
    case Movement::Cedilla: return {-8 * s, 26 * s};
    }
    return {};
}

void drawArrowHead(QPainter& p, const QPointF& tip, const QPointF& from, qreal size)
{
    const QPointF d = tip - from;
    const qreal len = std::hypot(d.x(), d.y());
    if (len < 0.001)
        return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << tip << tip - u * size + n * size * 0.55 << tip - u * size - n * size * 0.55;
    p.drawPolygon(head);
}

// The movement as a bold arrow, in picture coordinates around `box` (the
// hand's outline) with `anchor` at the moving fingertip.
void paintArrow(QPainter& p, Movement movement, const QRectF& box, const QPointF& anchor, qreal unit)
{
    if (movement == Movement::None)
        return;
    QPainterPath path;
    QList<QPair<QPointF, QPointF>> heads; // tip, the point it comes from
    const qreal u = unit;
    switch (movement) {
    case Movement::None:
        break;
    case Movement::Side: {
        const QPointF a(box.right() + 6 * u, box.center().y());
        path.moveTo(a);
        path.lineTo(a + QPointF(34 * u, 0));
        heads << qMakePair(a + QPointF(40 * u, 0), a);
        break;
    }
    case Movement::Down: {
        const QPointF a(box.right() + 12 * u, box.center().y() - 24 * u);
        path.moveTo(a);
        path.lineTo(a + QPointF(0, 40 * u));
        heads << qMakePair(a + QPointF(0, 46 * u), a);
        break;
    }
    case Movement::Up: {
        const QPointF a(box.right() + 12 * u, box.center().y() + 24 * u);
        path.moveTo(a);
        path.lineTo(a - QPointF(0, 40 * u));
        heads << qMakePair(a - QPointF(0, 46 * u), a);
        break;
    }
    case Movement::Shake: {
        // Beside the fingertips, on the side away from the wrist.
        const QPointF c(qBound(box.left() + 30 * u, anchor.x(), box.right() - 30 * u),
                        anchor.y() > box.center().y() ? box.bottom() + 14 * u : box.top() - 14 * u);
        path.moveTo(c - QPointF(26 * u, 0));
        path.lineTo(c + QPointF(26 * u, 0));
        heads << qMakePair(c + QPointF(32 * u, 0), c) << qMakePair(c - QPointF(32 * u, 0), c);
        break;
    }
    case Movement::TraceJ: {
        const QPointF a = anchor + QPointF(22 * u, -6 * u);
        path.moveTo(a);
        path.lineTo(a + QPointF(0, 40 * u));
        path.arcTo(QRectF(a.x() - 28 * u, a.y() + 26 * u, 28 * u, 28 * u), 0, -180);
        const QPointF end = path.currentPosition();
        heads << qMakePair(end + QPointF(0, -8 * u), end + QPointF(0, 4 * u));
        break;
    }
    case Movement::TraceZ: {
        const QPointF a = anchor + QPointF(20 * u, -20 * u);
        path.moveTo(a);
        path.lineTo(a + QPointF(44 * u, 0));
        path.lineTo(a + QPointF(0, 36 * u));
        path.lineTo(a + QPointF(40 * u, 36 * u));
        heads << qMakePair(a + QPointF(46 * u, 36 * u), a + QPointF(0, 36 * u));
        break;
    }
    case Movement::Twist: {
        const QRectF r(box.center().x() - 36 * u, box.bottom() - 10 * u, 72 * u, 26 * u);
        path.arcMoveTo(r, 200);
        path.arcTo(r, 200, 140);
        const QPointF end = path.currentPosition();
        heads << qMakePair(end + QPointF(6 * u, -5 * u), end - QPointF(4 * u, -2 * u));
        break;
    }
    case Movement::Acute:
    case Movement::Grave: {
        const qreal sign = movement == Movement::Acute ? 1 : -1;
        const QPointF a(box.center().x() + sign * (box.width() / 2 + 4 * u), box.top() + 26 * u);
        const QPointF b = a + QPointF(sign * 24 * u, -28 * u);
        path.moveTo(a);
        path.lineTo(b);
        heads << qMakePair(b + (b - a) * 0.25, a);
        break;
    }
    case Movement::Diaeresis: {
        p.setPen(Qt::NoPen);
        p.setBrush(kArrow);
        const QPointF c(box.center().x(), box.top() - 12 * u);
        p.drawEllipse(c - QPointF(14 * u, 0), 7 * u, 7 * u);
        p.drawEllipse(c + QPointF(14 * u, 0), 7 * u, 7 * u);
        return;
    }
    case Movement::Cedilla: {
        const QPointF a(box.center().x(), box.bottom() + 4 * u);
        path.moveTo(a);
        path.cubicTo(a + QPointF(0, 14 * u), a + QPointF(22 * u, 14 * u), a + QPointF(14 * u, 26 * u));
        path.lineTo(a + QPointF(-4 * u, 34 * u));
        heads << qMakePair(a + QPointF(-10 * u, 37 * u), a + QPointF(14 * u, 26 * u));
        break;
    }
    }
    const qreal width = 5.5 * u;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 220), width + 4 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(kArrow, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(kArrow, 1.5 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kArrow);
    for (const auto& head : heads)
        drawArrowHead(p, head.first, head.second, 16 * u);
}

// Palm outline in model units, as seen from the palm side.
const QPointF kPalmOutline[] = {
    {-32, 0}, {-42, 24}, {-44, 62}, {-40, 88}, {-22, 98}, {-2, 102}, {18, 98},
    {36, 88}, {44, 64}, {42, 24}, {32, 0},
};
} // namespace

void paintHand(QPainter& painter, const HandShape& shape, const QRectF& area,
               const HandPaintOptions& options)
{
    const Pose pose = buildPose(shape);
    qreal turn = 0;
    const QPointF shift = movementOffset(shape.movement, options.phase, &turn);

    const QQuaternion orient = QQuaternion::fromAxisAndAngle(0, 0, 1, float(shape.roll + turn))
        * QQuaternion::fromAxisAndAngle(0, 1, 0, float(shape.yaw))
        * QQuaternion::fromAxisAndAngle(1, 0, 0, float(-shape.pitch));
    auto place = [&](const QVector3D& v) { return orient.rotatedVector(v - QVector3D(0, 60, 0)); };

    // One scale for every letter: the hand is about 250 units long and 220 wide.
    const qreal scale = qMin(area.height() / 250.0, area.width() / 220.0);

    // Centre on the hand at rest, so the movement shows as a move.
    QRectF box;
    auto grow = [&](const QVector3D& v, qreal r) {
        const QVector3D q = place(v);
        const QRectF c(q.x() - r, -q.y() - r, 2 * r, 2 * r);
        box = box.isNull() ? c : box.united(c);
    };
    for (const QPointF& pt : kPalmOutline)
        grow(QVector3D(float(pt.x()), float(pt.y()), 0), 10);
    for (const auto& bones : pose.fingerBones)
        for (const Bone& b : bones)
            grow(b.to, b.width / 2);
    for (const Bone& b : pose.thumb)
        grow(b.to, b.width / 2);
    const QPointF origin = area.center() - box.center() * scale + shift * scale;
    auto project = [&](const QVector3D& v) {
        const QVector3D q = place(v);
        return origin + QPointF(q.x(), -q.y()) * scale;
    };

    QList<Item> items;
    auto addBone = [&](const Bone& bone, qreal bias) {
        Item item;
        item.kind = Item::Capsule;
        item.a = project(bone.from);
        item.b = project(bone.to);
        item.width = bone.width * scale;
        const QVector3D mid = place((bone.from + bone.to) / 2);
        item.depth = mid.z() + bias;
        item.nailFacing = bone.nailNormal.isNull() ? 0 : orient.rotatedVector(bone.nailNormal).z();
        items << item;
    };
    for (const auto& bones : pose.fingerBones)
        for (const Bone& b : bones)
            addBone(b, 1);
    for (int k = 0; k < pose.thumb.size(); ++k)
        addBone(pose.thumb.at(k), k == 0 ? 2 : 3);

    Item palm;
    palm.kind = Item::Palm;
    QList<QPointF> slab;
    for (const QPointF& pt : kPalmOutline) {
        slab << project(QVector3D(float(pt.x()), float(pt.y()), 14));
        slab << project(QVector3D(float(pt.x()), float(pt.y()), -14));
    }
    palm.outline = convexHull(slab);
    palm.normal = orient.rotatedVector(QVector3D(0, 0, 1));
    palm.depth = 0;
    palm.width = 0;
    palm.nailFacing = 0;
    items << palm;

    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.depth < b.depth; });

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // Forearm and sleeve first: the hand always lies in front of them.
    {
        const QPointF wrist = project(QVector3D(0, 14, 0));
        const QPointF elbow = project(QVector3D(0, -260, 0));
        // As wide as the wrist looks from here: narrow when seen edge on.
        const QPointF axis = (elbow - wrist) / std::hypot((elbow - wrist).x(), (elbow - wrist).y());
        qreal low = 1e9, high = -1e9;
        for (const QVector3D& v : {QVector3D(-30, 10, 14), QVector3D(30, 10, 14), QVector3D(-30, 10, -14),
                                   QVector3D(30, 10, -14)}) {
            const QPointF q = project(v) - wrist;
            const qreal across = -q.x() * axis.y() + q.y() * axis.x();
            low = qMin(low, across);
            high = qMax(high, across);
        }
        Item arm;
        arm.kind = Item::Capsule;
        arm.a = wrist;
        arm.b = elbow;
        arm.width = qMax(30 * scale, high - low);
        arm.nailFacing = 0;
        paintCapsule(painter, arm, scale, 0.97);
        const QPointF cuffStart = project(QVector3D(0, -48, 0));
        const qreal sleeveWidth = arm.width + 14 * scale;
        QPen sleeve(kSleeve, sleeveWidth, Qt::SolidLine, Qt::FlatCap);
        painter.setPen(QPen(kOutline, sleeveWidth + 3 * scale, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(cuffStart, elbow);
        painter.setPen(sleeve);
        painter.drawLine(cuffStart, elbow);
        painter.setPen(QPen(shaded(kSleeve, 0.8), 8 * scale, Qt::SolidLine, Qt::FlatCap));
        const QPointF across(-axis.y() * sleeveWidth / 2, axis.x() * sleeveWidth / 2);
        const QPointF band = cuffStart + axis * 8 * scale;
        painter.drawLine(band + across, band - across);
    }

    qreal nearest = -1e9, farthest = 1e9;
    for (const Item& item : items) {
        nearest = qMax(nearest, item.depth);
        farthest = qMin(farthest, item.depth);
    }
    for (const Item& item : items) {
        // Farther parts a little darker, so overlapping fingers separate.
        const qreal light = 0.9 + 0.12 * (item.depth - farthest) / qMax(1.0, nearest - farthest);
        if (item.kind == Item::Palm) {
            const QRectF r = item.outline.boundingRect();
            QRadialGradient g(r.center() - QPointF(r.width() * 0.12, r.height() * 0.15),
                              qMax(r.width(), r.height()) * 0.7);
            g.setColorAt(0, shaded(kSkin, light * 1.05));
            g.setColorAt(0.7, shaded(kSkin, light));
            g.setColorAt(1, shaded(kSkinShade, light));
            painter.setBrush(g);
            painter.setPen(QPen(kOutline, qMax(1.2, 1.6 * scale), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolygon(item.outline);
            if (item.normal.z() > 0.5) {
                // Creases of the palm.
                painter.setPen(QPen(shaded(kSkinShade, 0.9), 1.3 * scale, Qt::SolidLine, Qt::RoundCap));
                painter.setBrush(Qt::NoBrush);
                QPainterPath lines;
                lines.moveTo(project(QVector3D(-40, 58, 11)));
                lines.quadTo(project(QVector3D(-4, 66, 11)), project(QVector3D(34, 72, 11)));
                lines.moveTo(project(QVector3D(-40, 44, 11)));
                lines.quadTo(project(QVector3D(-6, 52, 11)), project(QVector3D(22, 56, 11)));
                lines.moveTo(project(QVector3D(-30, 48, 11)));
                lines.quadTo(project(QVector3D(-20, 22, 11)), project(QVector3D(-6, 8, 11)));
                painter.drawPath(lines);
            } else if (item.normal.z() < -0.5) {
                // Knuckles on the back of the hand.
                painter.setPen(QPen(shaded(kSkinShade, 0.95), 1.2 * scale, Qt::SolidLine, Qt::RoundCap));
                painter.setBrush(Qt::NoBrush);
                for (int i = 0; i < 4; ++i) {
                    const QPointF k = project(QVector3D(float(kFingers[i].baseX), float(kFingers[i].baseY - 14), -11));
                    painter.drawArc(QRectF(k - QPointF(5, 3) * scale, QSizeF(10, 6) * scale), 0, 180 * 16);
                }
            }
        } else {
            paintCapsule(painter, item, scale, light);
        }
    }

    if (options.arrow) {
        QRectF handBox;
        for (const Item& item : items) {
            const QRectF r = item.kind == Item::Palm
                ? item.outline.boundingRect()
                : QRectF(item.a, item.b).normalized().adjusted(-item.width / 2, -item.width / 2,
                                                               item.width / 2, item.width / 2);
            handBox = handBox.isNull() ? r : handBox.united(r);
        }
        const QPointF anchor = shape.movement == Movement::TraceJ ? project(pose.tips[3])
                                                                  : project(pose.tips[0]);
        paintArrow(painter, shape.movement, handBox, anchor, scale);
    }
    painter.restore();
}

QImage handPicture(const HandShape& shape, const QSize& size, const QString& caption)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size.height() / 297.0;
    const QRectF card = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2 * u, 2 * u, -2 * u, -2 * u);
    QLinearGradient bg(card.topLeft(), card.bottomLeft());
    bg.setColorAt(0, QColor(255, 252, 240));
    bg.setColorAt(1, QColor(236, 244, 252));
    p.setBrush(bg);
    p.setPen(QPen(QColor(170, 190, 215), 2 * u));
    p.drawRoundedRect(card, 18 * u, 18 * u);

    QPainterPath clip;
    clip.addRoundedRect(card.adjusted(1 * u, 1 * u, -1 * u, -1 * u), 17 * u, 17 * u);
    p.setClipPath(clip);
    const QRectF area = card.adjusted(22 * u, 26 * u, -22 * u, -14 * u);
    paintHand(p, shape, area);
    p.setClipping(false);

    if (!caption.isEmpty()) {
        QFont font(QStringLiteral("Andika"));
        font.setPixelSize(qMax(10, int(34 * u)));
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(60, 80, 120));
        p.drawText(card.adjusted(12 * u, 4 * u, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption);
    }
    return image;
}
