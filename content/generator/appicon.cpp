#include "appicon.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

namespace {

constexpr qreal Grid = 256.0;

const QColor SkyTop(0x5e, 0xc8, 0xf2);
const QColor SkyBottom(0x15, 0x65, 0xc0);
const QColor BackWave(255, 255, 255, 90);
const QColor FrontWave(0xff, 0xc8, 0x3d);
const QColor LetterFill(Qt::white);
const QColor LetterEdge(0x0d, 0x3c, 0x78);
constexpr qreal LetterEdgeWidth = 6.0;

QPainterPath tile()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(12, 12, 232, 232), 52, 52);
    return path;
}

// A wave across the whole square, filled down to its bottom edge; the tile
// clips it.
QPainterPath wave(qreal level, qreal height)
{
    QPainterPath path(QPointF(0, level));
    path.cubicTo(QPointF(48, level - height), QPointF(80, level - height), QPointF(128, level));
    path.cubicTo(QPointF(176, level + height), QPointF(208, level + height), QPointF(256, level));
    path.lineTo(256, 256);
    path.lineTo(0, 256);
    path.closeSubpath();
    return path;
}

// "Aa" in the program's reading font, fitted above the waves.
QPainterPath letters()
{
    QFont font(QStringLiteral("Andika"));
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath text;
    text.addText(QPointF(0, 0), font, QStringLiteral("Aa"));
    const QRectF box = text.boundingRect();
    const QRectF target(40, 44, 176, 120);
    const qreal scale = qMin(target.width() / box.width(), target.height() / box.height());
    QTransform transform;
    transform.translate(target.center().x(), target.bottom());
    transform.scale(scale, scale);
    transform.translate(-box.center().x(), -box.bottom());
    return transform.map(text);
}

QLinearGradient sky()
{
    QLinearGradient gradient(0, 12, 0, 244);
    gradient.setColorAt(0, SkyTop);
    gradient.setColorAt(1, SkyBottom);
    return gradient;
}

QString number(qreal value)
{
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString pathData(const QPainterPath& path)
{
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (i > 0)
                data += QStringLiteral("Z");
            data += QStringLiteral("M") + number(e.x) + QLatin1Char(' ') + number(e.y);
            break;
        case QPainterPath::LineToElement:
            data += QStringLiteral("L") + number(e.x) + QLatin1Char(' ') + number(e.y);
            break;
        case QPainterPath::CurveToElement:
            data += QStringLiteral("C") + number(e.x) + QLatin1Char(' ') + number(e.y);
            break;
        case QPainterPath::CurveToDataElement:
            data += QLatin1Char(' ') + number(e.x) + QLatin1Char(' ') + number(e.y);
            break;
        }
    }
    return data + QStringLiteral("Z");
}

QString colour(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

QString opacity(const QColor& c)
{
    return c.alpha() == 255 ? QString() : QStringLiteral(" fill-opacity=\"") + number(c.alphaF()) + QLatin1Char('"');
}

QString fillRule(const QPainterPath& path)
{
    return path.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero") : QStringLiteral("evenodd");
}

} // namespace

namespace AppIcon {

QList<int> rasterSizes()
{
    return {16, 22, 24, 32, 48, 64, 128, 256};
}

QImage render(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Grid, size / Grid);
    painter.setPen(Qt::NoPen);

    const QPainterPath square = tile();
    painter.fillPath(square, sky());
    painter.save();
    painter.setClipPath(square);
    painter.fillPath(wave(170, 26), BackWave);
    painter.fillPath(wave(194, -22), FrontWave);
    painter.restore();

    const QPainterPath text = letters();
    painter.strokePath(text, QPen(LetterEdge, LetterEdgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(text, LetterFill);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray svg()
{
    const QPainterPath square = tile();
    const QPainterPath back = wave(170, 26);
    const QPainterPath front = wave(194, -22);
    const QPainterPath text = letters();
    const QLinearGradient gradient = sky();

    QString out;
    out += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                          "viewBox=\"0 0 256 256\">\n<defs>\n");
    out += QStringLiteral("<linearGradient id=\"sky\" gradientUnits=\"userSpaceOnUse\" x1=\"")
        + number(gradient.start().x()) + QStringLiteral("\" y1=\"") + number(gradient.start().y())
        + QStringLiteral("\" x2=\"") + number(gradient.finalStop().x()) + QStringLiteral("\" y2=\"")
        + number(gradient.finalStop().y()) + QStringLiteral("\">");
    for (const QGradientStop& stop : gradient.stops())
        out += QStringLiteral("<stop offset=\"") + number(stop.first) + QStringLiteral("\" stop-color=\"")
            + colour(stop.second) + QStringLiteral("\"/>");
    out += QStringLiteral("</linearGradient>\n<clipPath id=\"tile\"><path d=\"") + pathData(square)
        + QStringLiteral("\"/></clipPath>\n</defs>\n");
    out += QStringLiteral("<path d=\"") + pathData(square) + QStringLiteral("\" fill=\"url(#sky)\"/>\n");
    out += QStringLiteral("<g clip-path=\"url(#tile)\">\n");
    out += QStringLiteral("<path d=\"") + pathData(back) + QStringLiteral("\" fill=\"") + colour(BackWave)
        + QLatin1Char('"') + opacity(BackWave) + QStringLiteral("/>\n");
    out += QStringLiteral("<path d=\"") + pathData(front) + QStringLiteral("\" fill=\"") + colour(FrontWave)
        + QStringLiteral("\"/>\n</g>\n");
    out += QStringLiteral("<path d=\"") + pathData(text) + QStringLiteral("\" fill=\"") + colour(LetterFill)
        + QStringLiteral("\" fill-rule=\"") + fillRule(text) + QStringLiteral("\" stroke=\"")
        + colour(LetterEdge) + QStringLiteral("\" stroke-width=\"") + number(LetterEdgeWidth)
        + QStringLiteral("\" stroke-linejoin=\"round\" paint-order=\"stroke\"/>\n</svg>\n");
    return out.toUtf8();
}

bool writeTheme(const QString& dir, const QString& name, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QString theme = dir + QStringLiteral("/hicolor/");
    for (int size : rasterSizes()) {
        const QString folder = theme + QStringLiteral("%1x%1/apps").arg(size);
        if (!QDir().mkpath(folder))
            return fail(QStringLiteral("cannot create ") + folder);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!render(size).save(file, "PNG"))
            return fail(QStringLiteral("cannot write ") + file);
    }
    const QString folder = theme + QStringLiteral("scalable/apps");
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot create ") + folder);
    QSaveFile file(folder + QLatin1Char('/') + name + QStringLiteral(".svg"));
    if (!file.open(QIODevice::WriteOnly) || file.write(svg()) < 0 || !file.commit())
        return fail(QStringLiteral("cannot write ") + file.fileName());
    return true;
}

} // namespace AppIcon
