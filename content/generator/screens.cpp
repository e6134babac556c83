#include "screens.h"

#include "letterglyphs.h"
#include "paintkit.h"
#include "picturewriter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cmath>

namespace {
// Bump when these drawings change, so every screen picture is redrawn.
constexpr char kVersion[] = "screens-2";

using namespace Paint::Color;

constexpr int kWidth = 1024;
constexpr int kHeight = 600;

// Where the main window puts its widgets; the backgrounds leave them room.
const QRectF kMenuTray(362, -30, 564, 212);        // main and sub-menu rows, to y 182
const QRectF kStagePanel(532, 168, 354, 290);      // activity menu, video, hands
const QRectF kButtonTray(926, 190, 88, 250);       // repeat, hide, letter by letter
const QRectF kWritingStrip(98, 462, 776, 112);     // the row of letters, from x 120 at y 470
constexpr qreal kRowX = 120;
constexpr qreal kRowY = 470;

void sky(QPainter& painter, const QColor& top, const QColor& middle, const QColor& bottom)
{
    QLinearGradient gradient(0, 0, 0, kHeight);
    gradient.setColorAt(0, top);
    gradient.setColorAt(0.55, middle);
    gradient.setColorAt(1, bottom);
    painter.fillRect(QRect(0, 0, kWidth, kHeight), gradient);
}

void cloud(QPainter& painter, const QPointF& at, qreal size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    QPainterPath path;
    path.addEllipse(at, size, size * 0.62);
    path.addEllipse(at + QPointF(size * 0.85, size * 0.15), size * 0.72, size * 0.5);
    path.addEllipse(at + QPointF(-size * 0.85, size * 0.2), size * 0.6, size * 0.42);
    path.setFillRule(Qt::WindingFill);
    painter.drawPath(path);
    painter.restore();
}

// The waves ("ondas") along the bottom of every screen.
void waves(QPainter& painter, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int layer = 0; layer < 2; ++layer) {
        QPainterPath path;
        const qreal base = kHeight - 46 + layer * 20;
        path.moveTo(0, kHeight);
        for (int x = 0; x <= kWidth; x += 8)
            path.lineTo(x, base + 9 * std::sin((x + layer * 70) / 58.0));
        path.lineTo(kWidth, kHeight);
        path.closeSubpath();
        QColor c = layer == 0 ? Paint::tone(color, 1.5) : color;
        c.setAlpha(layer == 0 ? 130 : 160);
        painter.setBrush(c);
        painter.drawPath(path);
    }
    painter.restore();
}

void sun(QPainter& painter, const QPointF& centre, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 200, 60, 170), 6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal angle = i * M_PI / 6;
        painter.drawLine(centre + QPointF(std::cos(angle), std::sin(angle)) * (radius + 10),
                         centre + QPointF(std::cos(angle), std::sin(angle)) * (radius + 26));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 214, 80));
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

// The program's name, each letter in a colour of the menus.
void logo(QPainter& painter, const QRectF& rect, qreal maxPixels)
{
    const QString name = QStringLiteral("Ondalira");
    const QColor colors[] = {Coral, Blue, Orange, Teal, Pink, Violet, Green, Coral};
    const qreal pixels = Paint::fittingSize(name, rect.size() - QSizeF(0, rect.height() * 0.25),
                                            maxPixels, false);
    const QFont font = Paint::andika(pixels);
    const QFontMetricsF metrics(font);
    const qreal baseline = rect.top() + metrics.capHeight() + rect.height() * 0.08;
    qreal x = rect.center().x() - metrics.horizontalAdvance(name) / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < name.size(); ++i) {
        QPainterPath path;
        path.addText(x, baseline + (i % 2 ? -pixels * 0.04 : pixels * 0.04), font, name.at(i));
        path.setFillRule(Qt::WindingFill);
        painter.setPen(QPen(Qt::white, pixels / 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colors[i]);
        painter.drawPath(path);
        x += metrics.horizontalAdvance(name.at(i));
    }
    // A little wave under the name.
    QPainterPath wave;
    const qreal y = baseline + pixels * 0.28;
    const qreal left = rect.center().x() - metrics.horizontalAdvance(name) * 0.42;
    const qreal width = metrics.horizontalAdvance(name) * 0.84;
    wave.moveTo(left, y);
    for (int i = 1; i <= 40; ++i)
        wave.lineTo(left + width * i / 40, y + pixels * 0.06 * std::sin(i * M_PI / 5));
    painter.setPen(QPen(Teal, qMax(2.0, pixels / 14), Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(wave);
    painter.restore();
}

void panel(QPainter& painter, const QRectF& rect, int alpha, qreal radius)
{
    Paint::box(painter, rect, radius, QColor(255, 255, 255, alpha), QColor(255, 255, 255, 230), 2);
}

// The menu rows and the stage below them as one pale shape.
void menuAndStage(QPainter& painter, int alpha)
{
    QPainterPath tray, stage;
    tray.addRoundedRect(kMenuTray, 30, 30);
    stage.addRoundedRect(kStagePanel, 24, 24);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 230), 2));
    painter.setBrush(QColor(255, 255, 255, alpha));
    painter.drawPath(tray.united(stage).simplified());
    painter.restore();
}

// Handwriting lines that match the letter pictures: the letters of a word
// stand on the baseline and their small letters reach the dashed line.
void writingStrip(QPainter& painter)
{
    const GlyphGeometry& g = glyphGeometry();
    Paint::box(painter, kWritingStrip, 18, QColor(255, 255, 255, 238), QColor(0xb9, 0xd7, 0xee), 2, true);
    const qreal baseline = kRowY + g.baseline / 2;
    const qreal xLine = baseline - g.xHeight / 2;
    const qreal capLine = baseline - g.capHeight / 2;
    const qreal left = kWritingStrip.left() + 12, right = kWritingStrip.right() - 12;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xc9, 0xdd, 0xf0), 1.5, Qt::DashLine));
    painter.drawLine(QPointF(left, capLine), QPointF(right, capLine));
    painter.setPen(QPen(QColor(0xf3, 0xb8, 0xb0), 1.5, Qt::DashLine));
    painter.drawLine(QPointF(left, xLine), QPointF(right, xLine));
    painter.setPen(QPen(QColor(0x8f, 0xbb, 0xe3), 2.5));
    painter.drawLine(QPointF(left, baseline), QPointF(right, baseline));
    painter.restore();
    Q_UNUSED(kRowX);
}

QImage mainBackground()
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    sky(painter, QColor(0xcf, 0xea, 0xfb), QColor(0xe8, 0xf5, 0xfd), QColor(0xfd, 0xf3, 0xe1));
    sun(painter, QPointF(1004, 16), 44);
    cloud(painter, QPointF(966, 132), 26);
    cloud(painter, QPointF(40, 150), 22);
    cloud(painter, QPointF(54, 330), 16);
    waves(painter, Teal);
    menuAndStage(painter, 120);
    panel(painter, kButtonTray, 110, 24);
    writingStrip(painter);
    logo(painter, QRectF(112, 24, 244, 70), 52);
    return image;
}

QImage storiesBackground()
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    sky(painter, QColor(0xfd, 0xe2, 0xcc), QColor(0xfe, 0xee, 0xdd), QColor(0xff, 0xf6, 0xe6));
    cloud(painter, QPointF(966, 120), 24);
    cloud(painter, QPointF(40, 140), 20);
    waves(painter, Orange);
    panel(painter, kMenuTray, 120, 30);
    logo(painter, QRectF(112, 24, 244, 70), 52);

    // An open book under the stories and their list.
    // It starts below the sub-menu row; a story page (150, 170) covers its top edge.
    const QRectF cover(116, 166, 812, 398);
    Paint::box(painter, cover, 24, Teal, Paint::tone(Teal, 0.8), 3, true);
    const QRectF leftPage(130, 174, 392, 378), rightPage(522, 174, 392, 378);
    Paint::box(painter, leftPage, 16, QColor(0xff, 0xfb, 0xf2), QColor(0xf0, 0xe2, 0xc8), 2);
    Paint::box(painter, rightPage, 16, QColor(0xff, 0xfb, 0xf2), QColor(0xf0, 0xe2, 0xc8), 2);
    QLinearGradient spine(502, 0, 542, 0);
    spine.setColorAt(0, QColor(0, 0, 0, 0));
    spine.setColorAt(0.5, QColor(0x8a, 0x6a, 0x3a, 60));
    spine.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(502, 176, 40, 374), spine);

    // The left page invites to read while the list is open.
    Paint::text(painter, QRectF(160, 196, 332, 70), QStringLiteral("Rincón de lectura"), 40, Ink);
    Paint::emoji(painter, 0x1F4DA, QRectF(236, 276, 176, 176));
    Paint::text(painter, QRectF(160, 460, 332, 60), QStringLiteral("Elige un cuento o una fábula"), 24,
                Paint::tone(Teal, 0.8), Qt::AlignCenter, true);
    return image;
}

QImage warning(uint codePoint, const QString& message, const QString& hint)
{
    QImage image = Paint::canvas(542, 131);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Paint::box(painter, QRectF(6, 5, 530, 116), 26, QColor(0xff, 0xf8, 0xe8), Orange, 5, true);
    Paint::emoji(painter, codePoint, QRectF(24, 21, 84, 84));
    Paint::text(painter, QRectF(124, 18, 398, 56), message, 34, Ink, Qt::AlignLeft | Qt::AlignVCenter,
                true);
    Paint::text(painter, QRectF(124, 76, 398, 34), hint, 24, Paint::tone(Orange, 0.7),
                Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

// A fat arrow pointing right, turned to the wanted direction.
QImage orientationArrow(qreal degrees)
{
    QImage image = Paint::canvas(93, 64);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(46.5, 32);
    painter.rotate(degrees);
    const bool upright = std::fmod(std::abs(degrees), 180.0) > 45;
    const qreal length = upright ? 58 : 84; // the picture is wider than high
    const qreal half = length / 2, body = upright ? 11 : 13, head = upright ? 24 : 27;
    QPainterPath arrow;
    arrow.moveTo(-half, -body);
    arrow.lineTo(half - head, -body);
    arrow.lineTo(half - head, -head);
    arrow.lineTo(half, 0);
    arrow.lineTo(half - head, head);
    arrow.lineTo(half - head, body);
    arrow.lineTo(-half, body);
    arrow.closeSubpath();
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Violet);
    painter.drawPath(arrow);
    painter.setPen(QPen(Paint::tone(Violet, 0.75), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arrow);
    return image;
}

// The small page arrows of the story reader.
QImage pageArrow(bool forward, bool rollover)
{
    QImage image = Paint::canvas(28, 38);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Paint::box(painter, QRectF(1, 1, 26, 36), 9, rollover ? Teal : Paint::Color::Paper,
               Paint::tone(Teal, 0.85), 2);
    QPainterPath chevron;
    const qreal dx = forward ? 1 : -1;
    chevron.moveTo(14 - 5 * dx, 10);
    chevron.lineTo(14 + 5 * dx, 19);
    chevron.lineTo(14 - 5 * dx, 28);
    painter.setPen(QPen(rollover ? Paint::Color::Paper : Teal, 4, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(chevron);
    return image;
}

QImage credits()
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    sky(painter, QColor(0xcf, 0xea, 0xfb), QColor(0xe8, 0xf5, 0xfd), QColor(0xfd, 0xf3, 0xe1));
    sun(painter, QPointF(1004, 16), 44);
    cloud(painter, QPointF(90, 70), 30);
    cloud(painter, QPointF(930, 150), 24);
    waves(painter, Teal);

    logo(painter, QRectF(262, 24, 500, 112), 96);
    Paint::text(painter, QRectF(362, 140, 300, 34), QStringLiteral("Versión 2.0"), 26,
                Paint::tone(Teal, 0.75));
    Paint::text(painter, QRectF(150, 178, 724, 36),
                QStringLiteral("Aprender a leer y escribir con señas, labios, dibujos y letras"), 24, Ink);

    const QRectF card(84, 224, 856, 236);
    Paint::box(painter, card, 26, QColor(255, 255, 255, 235), Paint::tone(Blue, 1.4), 3, true);
    Paint::text(painter, QRectF(card.left() + 24, card.top() + 12, 400, 36), QStringLiteral("Créditos"),
                28, Coral, Qt::AlignLeft | Qt::AlignVCenter);
    struct Line
    {
        uint icon;
        QString text;
    };
    const Line lines[] = {
        {0x1F4BB, QStringLiteral("Programa, pantallas y dibujos: el equipo de Ondalira.")},
        {0x1F524, QStringLiteral("Letras: tipografía Andika, de SIL International "
                                 "(licencia SIL Open Font License 1.1).")},
        {0x1F3A8, QStringLiteral("Dibujos de las palabras: Noto Color Emoji, de Google "
                                 "(licencia SIL Open Font License 1.1).")},
        {0x1F4DC, QStringLiteral("Las pantallas, las letras y los dibujos se generan con el código de "
                                 "Ondalira y se reparten con la misma licencia que el programa.")},
    };
    qreal y = card.top() + 54;
    for (const Line& line : lines) {
        Paint::emoji(painter, line.icon, QRectF(card.left() + 26, y + 4, 30, 30));
        Paint::text(painter, QRectF(card.left() + 70, y, card.width() - 96, 40), line.text, 19, Ink,
                    Qt::AlignLeft | Qt::AlignVCenter, true);
        y += 44;
    }
    // The "Cerrar créditos" button is placed at 412, 470 (200 × 50) over this.
    Paint::text(painter, QRectF(150, 534, 724, 40), QStringLiteral("¡Gracias por aprender con nosotros!"),
                28, Paint::tone(Coral, 0.8), Qt::AlignCenter, false, true);
    return image;
}

struct Job
{
    QString path;
    QByteArray key;
    std::function<QImage()> draw;
};
} // namespace

// A key cap with its label, pressed (yellow) or not.
static void keyCap(QPainter& painter, const QRectF& rect, const QString& label, bool pressed)
{
    Paint::box(painter, rect, rect.height() / 5, pressed ? Yellow : Paint::Color::Paper,
               pressed ? Orange : Paint::tone(Ink, 1.6), 3, true);
    Paint::text(painter, rect.adjusted(4, 3, -4, -4), label, rect.height() * 0.6, Ink);
}

// The two ways to type a double letter: its own key, or its two letters.
static QImage doubleLetterKeys(const QString& pair, const QString& key)
{
    QImage image = Paint::canvas(100, 100);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    keyCap(painter, QRectF(22, 2, 56, 44), key, false);
    Paint::text(painter, QRectF(0, 44, 100, 12), pair.toUpper(), 12, Ink);
    keyCap(painter, QRectF(4, 58, 38, 38), pair.left(1).toUpper(), false);
    Paint::text(painter, QRectF(42, 62, 16, 30), QStringLiteral("+"), 22, Orange);
    keyCap(painter, QRectF(58, 58, 38, 38), pair.mid(1).toUpper(), false);
    return image;
}

// A picture that needs no reading: a keyboard with one key pressed.
static QImage pressAKey()
{
    QImage image = Paint::canvas(300, 200);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Paint::box(painter, QRectF(6, 70, 288, 124), 18, Paint::tone(Ink, 1.9), Ink, 3, true);
    const QString rows[] = {QStringLiteral("QWERTYUIOP"), QStringLiteral("ASDFGHJKLÑ"),
                            QStringLiteral("ZXCVBNM")};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const QRectF key(18 + r * 12 + c * 26.5, 80 + r * 36, 24, 32);
            keyCap(painter, key, rows[r].mid(c, 1), r == 1 && c == 4);
        }
    }
    // A finger pointing down at the pressed key.
    Paint::emoji(painter, 0x1F447, QRectF(112, 2, 70, 70));
    return image;
}

// The space bar, pressed by a finger: "press space for more".
static QImage pressSpace()
{
    QImage image = Paint::canvas(195, 80);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    keyCap(painter, QRectF(6, 40, 183, 34), QString(), true);
    Paint::emoji(painter, 0x1F447, QRectF(78, 0, 40, 40));
    return image;
}

bool drawScreens(const QString& systemDir, const QString& languageDir, QString* error)
{
    if (!Paint::fontsAvailable(error))
        return false;
    const GlyphGeometry& g = glyphGeometry();
    const QByteArray rowKey = QByteArray::number(g.baseline) + ' ' + QByteArray::number(g.xHeight)
        + ' ' + QByteArray::number(g.capHeight);
    const QString ui = systemDir + QStringLiteral("ui/");
    const QString noWords = QStringLiteral("Esta letra todavía no tiene palabras");
    const QString noWordsHint = QStringLiteral("Prueba con otra letra");
    const QString noRepeat = QStringLiteral("Todavía no hay nada que repetir");
    const QString noRepeatHint = QStringLiteral("Primero pulsa una letra");
    const QList<Job> jobs = {
        {ui + QStringLiteral("background.png"), "main " + rowKey, mainBackground},
        {ui + QStringLiteral("backgroundleer.png"), "stories", storiesBackground},
        {ui + QStringLiteral("advertencia-sin-palabras.png"), (noWords + noWordsHint).toUtf8(),
         [=] { return warning(0x1F4ED, noWords, noWordsHint); }},
        {ui + QStringLiteral("advertencia-sin-repeticion.png"), (noRepeat + noRepeatHint).toUtf8(),
         [=] { return warning(0x1F501, noRepeat, noRepeatHint); }},
        {ui + QStringLiteral("derecha.png"), "arrow 0", [] { return orientationArrow(0); }},
        {ui + QStringLiteral("abajo.png"), "arrow 90", [] { return orientationArrow(90); }},
        {ui + QStringLiteral("izquierda.png"), "arrow 180", [] { return orientationArrow(180); }},
        {ui + QStringLiteral("arriba.png"), "arrow 270", [] { return orientationArrow(270); }},
        {ui + QStringLiteral("fizq.png"), "page back", [] { return pageArrow(false, false); }},
        {ui + QStringLiteral("fizqroll.png"), "page back roll", [] { return pageArrow(false, true); }},
        {ui + QStringLiteral("fder.png"), "page forward", [] { return pageArrow(true, false); }},
        {ui + QStringLiteral("fderroll.png"), "page forward roll", [] { return pageArrow(true, true); }},
        // A blank between words: shown at 20 × 50, nothing to see.
        {ui + QStringLiteral("space.png"), "space", [] { return Paint::canvas(20, 50); }},
        {languageDir + QStringLiteral("UI/creditos-grande.png"), "credits", credits},
        {ui + QStringLiteral("tecla-ch.png"), "keys ch", [] { return doubleLetterKeys(QStringLiteral("ch"), QStringLiteral(",")); }},
        {ui + QStringLiteral("tecla-ll.png"), "keys ll", [] { return doubleLetterKeys(QStringLiteral("ll"), QStringLiteral(".")); }},
        {ui + QStringLiteral("indicacion-tecla.png"), "press a key", pressAKey},
        {ui + QStringLiteral("indicacion-espacio.png"), "press space", pressSpace},
    };
    PictureWriter writer(QByteArray(kVersion) + ' ' + Paint::Version);
    for (const Job& job : jobs) {
        if (!writer.write(job.path, job.key, job.draw)) {
            *error = writer.error;
            return false;
        }
    }
    QTextStream(stdout) << "screen pictures: " << writer.drawn << " drawn, " << writer.kept
                        << " unchanged\n";
    return true;
}
