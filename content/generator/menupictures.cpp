#include "menupictures.h"

#include "paintkit.h"
#include "picturewriter.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

namespace {
// Bump when these drawings change, so every menu picture is redrawn.
constexpr char kVersion[] = "menupictures-2";

using Paint::Color::Ink;

enum class Look { Normal, Rollover, Muted, Selected };

// Emoji used as icons.
constexpr uint kLoveYouHand = 0x1F91F;
constexpr uint kMouth = 0x1F444;
constexpr uint kOpenHand = 0x1F590;
constexpr uint kOpenBook = 0x1F4D6;
constexpr uint kPencil = 0x270F;
constexpr uint kKeyboard = 0x2328;
constexpr uint kQuestion = 0x2753;
constexpr uint kPointRight = 0x1F449;
constexpr uint kPointUp = 0x1F446;
constexpr uint kPointDown = 0x1F447;
constexpr uint kWave = 0x1F44B;
constexpr uint kRepeat = 0x1F501;
constexpr uint kSeeNoEvil = 0x1F648;
constexpr uint kFootprints = 0x1F463;
constexpr uint kBooks = 0x1F4DA;
constexpr uint kOwl = 0x1F989;

QString keyText(const QString& label, Look look, const QColor& color, uint icon = 0)
{
    return label + QLatin1Char('|') + QString::number(int(look)) + QLatin1Char('|')
        + color.name() + QLatin1Char('|') + QString::number(icon, 16);
}

// An emoji with a small question badge: "which one is it?"
void questionIcon(QPainter& painter, uint icon, const QRectF& square)
{
    Paint::emoji(painter, icon, square);
    const qreal badge = square.width() * 0.5;
    const QRectF corner(square.right() - badge * 0.8, square.bottom() - badge * 0.9, badge, badge);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawEllipse(corner.adjusted(-2, -2, 2, 2));
    painter.restore();
    Paint::emoji(painter, kQuestion, corner.adjusted(2, 2, -2, -2));
}

void icon(QPainter& painter, uint codePoint, bool question, const QRectF& square)
{
    if (question)
        questionIcon(painter, codePoint, square);
    else
        Paint::emoji(painter, codePoint, square);
}

// The two large entries of the main menu: an icon over a label.
QImage mainButton(const QSize& size, const QString& label, const QList<uint>& icons,
                  const QColor& color, Look look)
{
    QImage image = Paint::canvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(image.rect()).adjusted(5, 4, -5, -9);
    QColor fill = Paint::Color::Paper;
    QColor text = Paint::tone(color, 0.8);
    QColor border = color;
    switch (look) {
    case Look::Normal:
        break;
    case Look::Rollover:
    case Look::Selected:
        fill = color;
        text = Paint::Color::Paper;
        border = Paint::tone(color, 0.8);
        break;
    case Look::Muted:
        fill = Paint::tone(color, 1.8);
        text = Paint::tone(color, 0.7);
        border = Paint::tone(color, 1.5);
        break;
    }
    Paint::box(painter, card, 22, fill, border, 4, true);
    const qreal iconSize = card.height() * 0.46;
    const qreal iconsWidth = iconSize * icons.size() + 6 * (icons.size() - 1);
    qreal x = card.center().x() - iconsWidth / 2;
    for (uint codePoint : icons) {
        if (codePoint < 0x80) {
            // Not an emoji: the letters "Aa" drawn in the program's own style.
            const QRectF square(x - iconSize * 0.4, card.top() + 8, iconSize * 1.8, iconSize);
            painter.setPen(look == Look::Normal || look == Look::Muted ? Paint::Color::Vowel
                                                                       : Paint::Color::Paper);
            painter.setFont(Paint::andika(iconSize * 1.05));
            painter.drawText(square, Qt::AlignCenter, QStringLiteral("Aa"));
        } else {
            Paint::emoji(painter, codePoint, QRectF(x, card.top() + 8, iconSize, iconSize));
        }
        x += iconSize + 6;
    }
    Paint::text(painter, QRectF(card.left() + 6, card.top() + iconSize + 10, card.width() - 12,
                                card.bottom() - card.top() - iconSize - 14),
                label, 26, text);
    return image;
}

// A pill of the sub-menu row, or a line of the file menu: an icon before a label.
QImage pillButton(const QSize& size, const QString& label, uint codePoint, const QColor& color,
                  Look look, qreal maxText)
{
    QImage image = Paint::canvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool small = size.height() < 30;
    const QRectF pill = QRectF(image.rect()).adjusted(small ? 1 : 4, small ? 1 : 4,
                                                      small ? -1 : -4, small ? -1 : -7);
    const bool filled = look == Look::Rollover || look == Look::Selected;
    Paint::box(painter, pill, pill.height() / (small ? 3.0 : 2.0),
               filled ? color : Paint::Color::Paper, filled ? Paint::tone(color, 0.8) : color,
               small ? 1.5 : 3, !small);
    QRectF textRoom = pill.adjusted(small ? 4 : 10, 2, small ? -4 : -10, -2);
    if (codePoint) {
        qreal iconSize = pill.height() - 12;
        textRoom.setLeft(pill.left() + iconSize + 12);
        if (Paint::fittingSize(label, textRoom.size(), maxText, false) < 17) {
            // A long label gets the room of a smaller icon.
            iconSize = pill.height() - 22;
            textRoom.setLeft(pill.left() + iconSize + 10);
        }
        Paint::emoji(painter, codePoint, QRectF(pill.left() + 7, pill.center().y() - iconSize / 2,
                                                iconSize, iconSize));
    }
    Paint::text(painter, textRoom, label, maxText, filled ? Paint::Color::Paper : Paint::tone(color, 0.75));
    return image;
}

// A pill that only marks a place in the row.
QImage placeholderPill(const QSize& size, uint codePoint)
{
    QImage image = Paint::canvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF pill = QRectF(image.rect()).adjusted(5, 5, -5, -8);
    QPen dashed(Paint::tone(Paint::Color::Blue, 1.5), 2.5, Qt::DashLine, Qt::RoundCap);
    painter.setPen(dashed);
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
    if (codePoint) {
        const qreal iconSize = pill.height() - 10;
        Paint::emoji(painter, codePoint,
                     QRectF(pill.center().x() - iconSize / 2, pill.top() + 5, iconSize, iconSize));
    }
    return image;
}

// An entry of the activity menu: a coloured band with the icon, then the label.
QImage activityCard(const QSize& size, int cardTop, int cardHeight, const QString& label,
                    uint codePoint, bool question, const QColor& color, Look look)
{
    QImage image = Paint::canvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card(5, cardTop, size.width() - 10, cardHeight);
    const bool filled = look == Look::Rollover;
    Paint::box(painter, card, 20, filled ? color : Paint::Color::Paper, color, 4, true);
    const qreal iconSize = qMin(card.height() - 16, 96.0);
    const QRectF band(card.left(), card.top(), iconSize + 24, card.height());
    if (!filled) {
        QPainterPath clip;
        clip.addRoundedRect(card.adjusted(2, 2, -2, -2), 18, 18);
        painter.save();
        painter.setClipPath(clip);
        painter.fillRect(band, Paint::tone(color, 1.75));
        painter.restore();
    }
    icon(painter, codePoint, question,
         QRectF(band.center().x() - iconSize / 2, band.center().y() - iconSize / 2, iconSize, iconSize));
    Paint::text(painter, card.adjusted(band.width() + 8, 6, -12, -6), label,
                cardHeight > 100 ? 34 : 28, filled ? Paint::Color::Paper : Ink,
                Qt::AlignCenter, true);
    return image;
}

// A greeting that takes the activity menu's place before any menu is chosen.
QImage welcomeCard(const QSize& size, int cardTop, int cardHeight, const QString& label,
                   uint codePoint)
{
    QImage image = Paint::canvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card(5, cardTop, size.width() - 10, cardHeight);
    Paint::box(painter, card, 20, QColor(255, 255, 255, 200), Paint::tone(Paint::Color::Blue, 1.4), 3);
    const qreal iconSize = qMin(card.height() - 20, 80.0);
    Paint::emoji(painter, codePoint, QRectF(card.left() + 14, card.center().y() - iconSize / 2,
                                            iconSize, iconSize));
    Paint::text(painter, card.adjusted(iconSize + 26, 8, -12, -8), label, 30, Ink,
                Qt::AlignCenter, true);
    return image;
}

// The activity title: a ribbon with the icon and the name, in the top
// 100 rows (the word picture may cover the rest).
QImage titlePicture(const QString& label, uint codePoint, bool question, const QColor& color)
{
    QImage image = Paint::canvas(334, 122);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ribbon(4, 6, 326, 90);
    Paint::box(painter, ribbon, 26, Paint::tone(color, 1.82), color, 4, true);
    icon(painter, codePoint, question, QRectF(14, 16, 70, 70));
    Paint::text(painter, ribbon.adjusted(88, 6, -12, -6), label, 34, Ink, Qt::AlignCenter, true);
    return image;
}

// The round activity buttons at the right edge: an icon and a short caption.
QImage activityButton(const QString& caption, uint codePoint, const QColor& color, Look look)
{
    QImage image = Paint::canvas(70, 70);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool on = look == Look::Rollover;
    Paint::box(painter, QRectF(3, 2, 64, 64), 18, on ? color : Paint::Color::Paper,
               on ? Paint::tone(color, 0.75) : color, 3, true);
    Paint::emoji(painter, codePoint, QRectF(17, 6, 36, 36));
    // Inside the border, measured by the letters' ink: a bold glyph reaches
    // past its advance.
    const QRectF captionRect(8, 43, 54, 20);
    qreal pixels = Paint::fittingSize(caption, captionRect.size(), 13, false);
    while (pixels > 6
           && !captionRect.contains(
               Paint::textPath(captionRect, caption, pixels, Qt::AlignCenter, false).boundingRect()))
        pixels -= 0.5;
    Paint::text(painter, captionRect, caption, pixels, on ? Paint::Color::Paper : Ink);
    return image;
}

// Praise and encouragement: a big emoji on a card with a word.
QImage feedbackPicture(const QString& caption, uint codePoint, const QColor& color)
{
    QImage image = Paint::canvas(100, 140);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Paint::box(painter, QRectF(4, 4, 92, 130), 20, Paint::Color::Paper, color, 4, true);
    Paint::emoji(painter, codePoint, QRectF(16, 14, 68, 68));
    Paint::text(painter, QRectF(8, 86, 84, 42), caption, 20, Paint::tone(color, 0.75),
                Qt::AlignCenter, true);
    return image;
}

// The headers and entries of the list of stories.
QImage storyHeader(const QSize& size, const QString& label, uint codePoint, const QColor& color)
{
    QImage image = Paint::canvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal height = size.height() > 80 ? 76 : 48;
    const QRectF ribbon(6, size.height() - height - 6, size.width() - 12, height);
    Paint::box(painter, ribbon, height / 2.6, color, Paint::tone(color, 0.8), 3, true);
    const qreal iconSize = height - 14;
    Paint::emoji(painter, codePoint, QRectF(ribbon.left() + 14, ribbon.top() + 7, iconSize, iconSize));
    Paint::text(painter, ribbon.adjusted(iconSize + 24, 4, -16, -4), label, height * 0.6,
                Paint::Color::Paper, Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage storyEntry(const QSize& size, int number, const QString& title, uint codePoint,
                  const QColor& color, Look look)
{
    QImage image = Paint::canvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool on = look == Look::Rollover;
    const QRectF row(14, 2, size.width() - 28, size.height() - 4);
    Paint::box(painter, row, row.height() / 2, on ? color : QColor(255, 255, 255, 225),
               on ? Paint::tone(color, 0.8) : Paint::tone(color, 1.4), 2);
    const qreal iconSize = row.height() - 8;
    Paint::emoji(painter, codePoint, QRectF(row.left() + 10, row.top() + 4, iconSize, iconSize));
    Paint::text(painter, row.adjusted(iconSize + 20, 1, -12, -1),
                QString::number(number) + QStringLiteral(". ") + title, 22,
                on ? Paint::Color::Paper : Ink, Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

struct Job
{
    QString file;     // relative to the system folder
    QByteArray key;
    std::function<QImage()> draw;
};

// Adds the normal and the rollover picture of a button.
void addPair(QList<Job>& jobs, const QString& name, const QString& rollSuffix,
             const QString& key, const std::function<QImage(Look)>& draw)
{
    jobs.append({QStringLiteral("menus/") + name + QStringLiteral(".png"),
                 (key + QStringLiteral("|normal")).toUtf8(), [=] { return draw(Look::Normal); }});
    jobs.append({QStringLiteral("menus/") + name + rollSuffix + QStringLiteral(".png"),
                 (key + QStringLiteral("|roll")).toUtf8(), [=] { return draw(Look::Rollover); }});
}

// Each activity's menu entry and title picture share a label and an icon.
// The first entry of each activity menu is 87 rows high, the second 197.
struct Activity
{
    const char* menu;
    const char* title;
    bool firstEntry;
    QString label;
    uint icon;
    bool question;
    QColor color;
};

const QList<Activity>& activities()
{
    using namespace Paint::Color;
    static const QList<Activity> table = {
        {"tepresentosenas", "te presento palabras.png", true, QStringLiteral("Te presento palabras"), kLoveYouHand, false, Blue},
        {"comoempiezasenas", "como empieza esta palabra.png", false, QStringLiteral("¿Cómo empieza esta palabra?"), kLoveYouHand, true, Blue},
        {"digoletraslabial", "te digo las letras.png", true, QStringLiteral("Te digo las letras"), kMouth, false, Pink},
        {"comoempiezalabial", "como comienza esta palabra labial.png", false, QStringLiteral("¿Cómo comienza esta palabra?"), kMouth, true, Pink},
        {"presentodactilologico", "te presento las letras.png", true, QStringLiteral("Te presento las letras"), kOpenHand, false, Violet},
        {"letradactilologico", "que letra es.png", false, QStringLiteral("¿Qué letra es?"), kOpenHand, true, Violet},
        {"escribir1", "escribir1.png", true, QStringLiteral("Completa la palabra"), kPencil, false, Orange},
        {"escribir2", "escribir2.png", false, QStringLiteral("Escribe la palabra"), kKeyboard, false, Orange},
    };
    return table;
}

QList<Job> menuJobs()
{
    using namespace Paint::Color;
    QList<Job> jobs;
    const QString roll = QStringLiteral("roll");
    const QString underRoll = QStringLiteral("_roll");

    // Main menu.
    const QSize lettersSize(131, 116), readWriteSize(277, 116);
    const QString letters = QStringLiteral("Letras");
    const QString readWrite = QStringLiteral("Leer y escribir");
    const QList<uint> letterIcons{'A'};
    const QList<uint> readWriteIcons{kOpenBook, kPencil};
    addPair(jobs, QStringLiteral("letras"), roll, keyText(letters, Look::Normal, Coral), [=](Look l) {
        return mainButton(lettersSize, letters, letterIcons, Coral, l);
    });
    addPair(jobs, QStringLiteral("leerescribir"), roll, keyText(readWrite, Look::Normal, Teal),
            [=](Look l) { return mainButton(readWriteSize, readWrite, readWriteIcons, Teal, l); });
    // While the stories are open: letters greyed back, reading chosen.
    jobs.append({QStringLiteral("menus/letras_leer.png"), keyText(letters, Look::Muted, Coral).toUtf8(),
                 [=] { return mainButton(lettersSize, letters, letterIcons, Coral, Look::Muted); }});
    jobs.append({QStringLiteral("menus/leerescribir_leer.png"),
                 keyText(readWrite, Look::Selected, Teal).toUtf8(), [=] {
                     return mainButton(readWriteSize, readWrite, readWriteIcons, Teal, Look::Selected);
                 }});

    // Sub-menu row.
    struct Pill
    {
        const char* name;
        QSize size;
        QString label;
        uint icon;
        QColor color;
    };
    const Pill pills[] = {
        {"senas", {122, 60}, QStringLiteral("Señas"), kLoveYouHand, Blue},
        {"labial", {153, 60}, QStringLiteral("Labial"), kMouth, Pink},
        {"dactilologico", {150, 60}, QStringLiteral("Dactilológico"), kOpenHand, Violet},
        {"leer", {153, 60}, QStringLiteral("Leer"), kOpenBook, Green},
        {"escribir", {150, 60}, QStringLiteral("Escribir"), kPencil, Orange},
    };
    for (const Pill& p : pills) {
        addPair(jobs, QString::fromLatin1(p.name), roll, keyText(p.label, Look::Normal, p.color, p.icon),
                [=](Look l) { return pillButton(p.size, p.label, p.icon, p.color, l, 24); });
    }
    jobs.append({QStringLiteral("menus/submenu1.png"), "placeholder 122 pointer",
                 [] { return placeholderPill({122, 60}, kPointRight); }});
    jobs.append({QStringLiteral("menus/submenu2.png"), "placeholder 153",
                 [] { return placeholderPill({153, 60}, 0); }});
    jobs.append({QStringLiteral("menus/submenu3.png"), "placeholder 150",
                 [] { return placeholderPill({150, 60}, 0); }});

    // Activity menu: the first entry is 87 rows high, the second 197 and
    // drawn 10 rows lower, where it overlaps the first.
    for (const Activity& c : activities()) {
        const QSize size(307, c.firstEntry ? 87 : 197);
        const int top = c.firstEntry ? 3 : 18;
        const int height = c.firstEntry ? 76 : 150;
        addPair(jobs, QString::fromLatin1(c.menu), roll, keyText(c.label, Look::Normal, c.color, c.icon),
                [=](Look l) { return activityCard(size, top, height, c.label, c.icon, c.question, c.color, l); });
    }
    jobs.append({QStringLiteral("menus/subsubmenu1.png"), "welcome hola", [] {
                     return welcomeCard({307, 87}, 3, 76, QStringLiteral("¡Hola!"), kWave);
                 }});
    // The user dialog's prompt, above the children's pictures.
    jobs.append({QStringLiteral("ui/toca-tu-dibujo.png"), "prompt touch your picture", [] {
                     return welcomeCard({307, 120}, 3, 110, QStringLiteral("Toca tu dibujo"), kPointDown);
                 }});
    jobs.append({QStringLiteral("menus/subsubmenu2.png"), "welcome choose", [] {
                     return welcomeCard({307, 197}, 18, 150,
                                        QStringLiteral("Elige arriba: Letras o Leer y escribir"), kPointUp);
                 }});

    // File menu and help, for the adults.
    struct Line
    {
        const char* name;
        const char* rollSuffix;
        QSize size;
        QString label;
    };
    const Line lines[] = {
        {"archivo", "roll", {91, 21}, QStringLiteral("Archivo ▾")},
        {"ayuda", "roll", {60, 21}, QStringLiteral("Ayuda")},
        {"usuario", "_roll", {91, 20}, QStringLiteral("Usuario")},
        {"config", "_roll", {91, 20}, QStringLiteral("Configuración")},
        {"administrador", "_roll", {91, 19}, QStringLiteral("Administrador")},
        {"progreso", "_roll", {91, 20}, QStringLiteral("Progreso")},
        {"salir", "_roll", {91, 23}, QStringLiteral("Salir")},
    };
    for (const Line& line : lines) {
        addPair(jobs, QString::fromLatin1(line.name), QString::fromLatin1(line.rollSuffix),
                keyText(line.label, Look::Normal, Blue) + QString::number(line.size.height()),
                [=](Look l) { return pillButton(line.size, line.label, 0, Paint::tone(Blue, 0.9), l, 13); });
    }

    // The list of stories.
    jobs.append({QStringLiteral("menus/cuentos.png"), "header Cuentos", [] {
                     return storyHeader({362, 116}, QStringLiteral("Cuentos"), kBooks, Green);
                 }});
    jobs.append({QStringLiteral("menus/fabulas.png"), "header Fábulas", [] {
                     return storyHeader({362, 60}, QStringLiteral("Fábulas"), kOwl, Orange);
                 }});
    struct Story
    {
        int height;
        QString title;
        uint icon;
        QColor color;
    };
    const Story stories[] = {
        {37, QStringLiteral("Caperucita Roja"), 0x1F43A, Green},
        {38, QStringLiteral("Los tres cerditos"), 0x1F437, Green},
        {40, QStringLiteral("Ricitos de Oro"), 0x1F43B, Green},
        {35, QStringLiteral("La liebre y la tortuga"), 0x1F422, Orange},
        {39, QStringLiteral("La cigarra y la hormiga"), 0x1F41C, Orange},
    };
    for (int i = 0; i < 5; ++i) {
        const Story s = stories[i];
        const int number = i + 1;
        addPair(jobs, QStringLiteral("leer") + QString::number(number), roll,
                keyText(s.title, Look::Normal, s.color, s.icon) + QString::number(s.height),
                [=](Look l) { return storyEntry({362, s.height}, number, s.title, s.icon, s.color, l); });
    }

    // Activity buttons at the right edge.
    addPair(jobs, QStringLiteral("repetir"), underRoll, keyText(QStringLiteral("repetir"), Look::Normal, Green),
            [](Look l) { return activityButton(QStringLiteral("repetir"), kRepeat, Green, l); });
    addPair(jobs, QStringLiteral("esconder"), underRoll, keyText(QStringLiteral("esconder"), Look::Normal, Violet),
            [](Look l) { return activityButton(QStringLiteral("esconder"), kSeeNoEvil, Violet, l); });
    addPair(jobs, QStringLiteral("letrasstopmo"), underRoll,
            keyText(QStringLiteral("letra a letra"), Look::Normal, Orange),
            [](Look l) { return activityButton(QStringLiteral("letra a letra"), kFootprints, Orange, l); });
    return jobs;
}

QList<Job> titleJobs()
{
    QList<Job> jobs;
    for (const Activity& t : activities()) {
        jobs.append({QStringLiteral("titulos/") + QString::fromLatin1(t.title),
                     keyText(t.label, Look::Normal, t.color, t.icon).toUtf8() + (t.question ? "?" : ""),
                     [=] { return titlePicture(t.label, t.icon, t.question, t.color); }});
    }
    return jobs;
}

QList<Job> feedbackJobs()
{
    using namespace Paint::Color;
    struct Feedback
    {
        const char* file;
        QString caption;
        uint icon;
        QColor color;
    };
    const Feedback pictures[] = {
        {"good1.png", QStringLiteral("¡Muy bien!"), 0x1F31F, Green},
        {"good2.png", QStringLiteral("¡Genial!"), 0x1F44F, Green},
        {"good3.png", QStringLiteral("¡Bravo!"), 0x1F389, Green},
        {"wrong1.png", QStringLiteral("¡Casi!"), 0x1F914, Orange},
        {"wrong2.png", QStringLiteral("Busca otra"), 0x1F50D, Orange},
        {"wrong3.png", QStringLiteral("¡Otra vez!"), 0x1F4AA, Orange},
    };
    QList<Job> jobs;
    for (const Feedback& f : pictures) {
        jobs.append({QStringLiteral("feedback/") + QString::fromLatin1(f.file),
                     keyText(f.caption, Look::Normal, f.color, f.icon).toUtf8(),
                     [=] { return feedbackPicture(f.caption, f.icon, f.color); }});
    }
    return jobs;
}
} // namespace

bool drawMenuPictures(const QString& systemDir, QString* error)
{
    if (!Paint::fontsAvailable(error))
        return false;
    PictureWriter writer(QByteArray(kVersion) + ' ' + Paint::Version);
    const QList<Job> jobs = menuJobs() + titleJobs() + feedbackJobs();
    for (const Job& job : jobs) {
        if (!writer.write(systemDir + job.file, job.key, job.draw)) {
            *error = writer.error;
            return false;
        }
    }
    QTextStream(stdout) << "menu pictures: " << writer.drawn << " drawn, " << writer.kept
                        << " unchanged\n";
    return true;
}
