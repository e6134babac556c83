#include "signpictures.h"

#include "contentsource.h"
#include "handpainter.h"
#include "handshapes.h"
#include "stamp.h"

#include <QDir>
#include <QFile>
#include <QPainter>

namespace {
const QSize kSignSize(282, 297);
const QSize kFlusSize(100, 140);

// Frame names that keep their accent (only á é í ó ú lose it) map onto the
// accented hand shapes.
const HandShape* accentedShape(const QString& frame)
{
    static const QList<QPair<QString, const char*>> kAccented = {
        {QStringLiteral("ü"), "ud"}, {QStringLiteral("ï"), "id"}, {QStringLiteral("à"), "aa"},
        {QStringLiteral("è"), "ea"}, {QStringLiteral("ì"), "ia"}, {QStringLiteral("ò"), "oa"},
        {QStringLiteral("ù"), "ua"},
    };
    for (const auto& entry : kAccented) {
        if (entry.first == frame)
            return handShape(QLatin1String(entry.second));
    }
    return nullptr;
}

QImage blankCard(const QSize& size)
{
    // The frame of a blank between words: the empty card.
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size.height() / 297.0;
    p.setBrush(QColor(250, 250, 245));
    p.setPen(QPen(QColor(170, 190, 215), 2 * u));
    p.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2 * u, 2 * u, -2 * u, -2 * u),
                      18 * u, 18 * u);
    return image;
}

bool save(const QImage& image, const QString& path, QString* error)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    if (image.save(path, "PNG"))
        return true;
    *error = QStringLiteral("cannot write ") + path;
    return false;
}

} // namespace

QStringList signFrameNames(const QString& word, bool useCh, bool useLl)
{
    QStringList names;
    const QString lower = word.toLower();
    for (int i = 0; i < lower.size(); ++i) {
        QString name = lower.at(i);
        static const QString plain = QStringLiteral("aeiou");
        const int accent = QStringLiteral("áéíóú").indexOf(name);
        if (accent >= 0) {
            name = plain.at(accent);
        } else if (name == QStringLiteral("ñ")) {
            name = QStringLiteral("nt");
        } else if (name == QStringLiteral("ç")) {
            name = QStringLiteral("ct");
        } else if (i < lower.size() - 1) {
            const QChar next = lower.at(i + 1);
            if (useCh && name == QLatin1String("c") && next == QLatin1Char('h')) {
                name = QStringLiteral("ch");
                ++i;
            } else if (useLl && name == QLatin1String("l") && next == QLatin1Char('l')) {
                name = QStringLiteral("ll");
                ++i;
            }
        }
        names << name;
    }
    return names;
}

const HandShape* shapeForFrame(const QString& frame)
{
    if (const HandShape* shape = handShape(frame))
        return shape;
    return accentedShape(frame);
}

QStringList shippedFrameNames(const ContentSource& source)
{
    QStringList names;
    for (char c = 'a'; c <= 'z'; ++c)
        names << QString(QLatin1Char(c));
    names << QStringLiteral("nt") << QStringLiteral("ct") << QStringLiteral("ch") << QStringLiteral("ll");
    // Both spellings of a word (with the digraph switches on and off).
    for (const WordEntry& entry : source.words) {
        for (const QString& frame : signFrameNames(entry.word, true, true) + signFrameNames(entry.word, false, false)) {
            if (!names.contains(frame))
                names << frame;
        }
    }
    return names;
}

QStringList signGlyphNames()
{
    QStringList names;
    for (const HandShape& shape : handShapes()) {
        names << QStringLiteral("may/") + QString::fromLatin1(shape.name).toUpper();
        names << QString::fromLatin1(shape.name);
    }
    return names;
}

bool writeSignPictures(const QString& languageFolder, const ContentSource& source, QString* error)
{
    const QString signs = languageFolder + QStringLiteral("Senas/");
    const QString flus = languageFolder + QStringLiteral("Flus/");
    const QStringList frames = shippedFrameNames(source);
    const QStringList glyphs = signGlyphNames();

    QStringList outputs;
    for (const QString& frame : frames)
        outputs << signs + frame + QStringLiteral(".png") << flus + frame + QStringLiteral(".png");
    for (const QString& glyph : glyphs)
        outputs << signs + glyph + QStringLiteral(".png");
    const QByteArray key = "signs-uncaptioned " + QByteArray::number(kHandPainterVersion) + ' '
        + handShapesKey() + ' ' + (frames + glyphs).join(QLatin1Char(',')).toUtf8();
    Stamp stamp(signs + QStringLiteral("may/A.png"), {}, key);
    bool complete = stamp.isCurrent();
    for (const QString& output : outputs)
        complete = complete && QFile::exists(output);
    if (complete)
        return true;

    // The large hands carry no letter: "¿Qué letra es?" asks for it by one
    // of these pictures alone, so a caption would give the answer away.
    for (const HandShape& shape : handShapes()) {
        const QString base = QString::fromLatin1(shape.name);
        const QImage picture = handPicture(shape, kSignSize, QString());
        if (!save(picture, signs + base + QStringLiteral(".png"), error)
            || !save(picture, signs + QStringLiteral("may/") + base.toUpper() + QStringLiteral(".png"), error))
            return false;
    }
    for (const QString& frame : frames) {
        const HandShape* shape = shapeForFrame(frame);
        if (!shape) {
            if (!save(blankCard(kSignSize), signs + frame + QStringLiteral(".png"), error))
                return false;
        } else if (!handShape(frame)) {
            // A frame that keeps its accent (ü): the accented shape.
            if (!save(handPicture(*shape, kSignSize, QString()), signs + frame + QStringLiteral(".png"), error))
                return false;
        }
        const QString caption = handShape(frame) ? QString::fromUtf8(shape->label) : frame;
        const QImage small = shape ? handPicture(*shape, kFlusSize, caption) : blankCard(kFlusSize);
        if (!save(small, flus + frame + QStringLiteral(".png"), error))
            return false;
    }
    stamp.write();
    return true;
}
