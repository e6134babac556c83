#include "contactsheet.h"

#include "contentsource.h"
#include "handshapes.h"
#include "letterglyphs.h"
#include "paintkit.h"
#include "wordpictures.h"

#include <QDir>
#include <QPainter>
#include <QTextStream>

namespace {

struct Screen
{
    QImage image{1024, 600, QImage::Format_ARGB32_Premultiplied};
    QString system;

    void put(const QString& relative, int x, int y)
    {
        QPainter painter(&image);
        painter.drawImage(x, y, QImage(system + relative));
    }
};

// Glyph names of a word as the program composes them, CH and LL as one letter.
QStringList glyphNames(const QString& word, bool smallLetters, bool firstCapital)
{
    static const QHash<QChar, QString> codes = {
        {QChar(u'ñ'), QStringLiteral("nt")}, {QChar(u'ç'), QStringLiteral("ct")},
        {QChar(u'á'), QStringLiteral("at")}, {QChar(u'é'), QStringLiteral("et")},
        {QChar(u'í'), QStringLiteral("it")}, {QChar(u'ó'), QStringLiteral("ot")},
        {QChar(u'ú'), QStringLiteral("ut")}, {QChar(u'ü'), QStringLiteral("ud")},
    };
    const QString lower = word.toLower();
    QStringList names;
    for (int i = 0; i < lower.size(); ++i) {
        QString base = codes.value(lower.at(i), QString(lower.at(i)));
        const QString pair = lower.mid(i, 2);
        if (pair == QLatin1String("ch") || pair == QLatin1String("ll")) {
            base = pair;
            ++i;
        }
        const bool capital = !smallLetters || (names.isEmpty() && firstCapital);
        names << (capital ? QStringLiteral("may/") + base.toUpper() : QStringLiteral("min/") + base);
    }
    return names;
}

// The row of letters at half size from x 120 at y 470; styles by position.
void letterRow(Screen& screen, const QStringList& names, const QHash<int, QString>& styles)
{
    QPainter painter(&screen.image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    int x = 120;
    for (int i = 0; i < names.size(); ++i) {
        const QString style = styles.value(i, QStringLiteral("cooper/"));
        const QImage glyph(screen.system + style + names.at(i) + QStringLiteral(".png"));
        const QImage half = glyph.scaledToWidth(glyph.width() / 2, Qt::SmoothTransformation);
        painter.drawImage(x, 470, half);
        x += half.width();
    }
}

QString wordImage(const QString& languageDir, const ContentSource& source, const QString& word)
{
    for (const WordEntry& entry : source.words) {
        if (entry.word == word)
            return wordFolder(languageDir, entry.letter, entry.word) + WordMedia::Image;
    }
    return {};
}

QList<QImage> mockups(const QString& home, const ContentSource& source)
{
    const QString system = home + QStringLiteral("/media/system/");
    const QString language = home + QStringLiteral("/media/languages/") + source.languageName + QLatin1Char('/');
    QList<QImage> screens;

    // The letters menu with the signs sub-menu and the file menu open.
    Screen menu{QImage(1024, 600, QImage::Format_ARGB32_Premultiplied), system};
    menu.put(QStringLiteral("ui/background.png"), 0, 0);
    menu.put(QStringLiteral("menus/letrasroll.png"), 370, 1);
    menu.put(QStringLiteral("menus/leerescribir.png"), 639, 1);
    menu.put(QStringLiteral("menus/senasroll.png"), 442, 116);
    menu.put(QStringLiteral("menus/labial.png"), 564, 116);
    menu.put(QStringLiteral("menus/dactilologico.png"), 717, 116);
    menu.put(QStringLiteral("menus/tepresentosenas.png"), 542, 176);
    menu.put(QStringLiteral("menus/comoempiezasenasroll.png"), 542, 253);
    menu.put(QStringLiteral("menus/archivoroll.png"), 10, 2);
    menu.put(QStringLiteral("menus/ayuda.png"), 101, 2);
    menu.put(QStringLiteral("menus/usuario.png"), 12, 23);
    menu.put(QStringLiteral("menus/config_roll.png"), 12, 43);
    menu.put(QStringLiteral("menus/administrador.png"), 12, 63);
    menu.put(QStringLiteral("menus/progreso.png"), 12, 82);
    menu.put(QStringLiteral("menus/salir.png"), 12, 102);
    screens << menu.image;

    // A word presented in capitals, with its bottom letter.
    Screen present{QImage(1024, 600, QImage::Format_ARGB32_Premultiplied), system};
    present.put(QStringLiteral("ui/background.png"), 0, 0);
    present.put(QStringLiteral("menus/letrasroll.png"), 370, 1);
    present.put(QStringLiteral("menus/leerescribir.png"), 639, 1);
    present.put(QStringLiteral("menus/senasroll.png"), 442, 116);
    present.put(QStringLiteral("menus/labial.png"), 564, 116);
    present.put(QStringLiteral("menus/dactilologico.png"), 717, 116);
    present.put(QStringLiteral("titulos/te presento palabras.png"), 80, 110);
    {
        QPainter painter(&present.image);
        painter.drawImage(119, 213, QImage(wordImage(language, source, QStringLiteral("murciélago"))));
        painter.fillRect(QRect(550, 178, 320, 240), QColor(40, 40, 40)); // where the video plays
    }
    letterRow(present, glyphNames(QStringLiteral("murciélago"), false, false), {});
    present.put(QStringLiteral("inferior/may/M.png"), 880, 490);
    present.put(QStringLiteral("menus/repetir.png"), 935, 200);
    present.put(QStringLiteral("menus/esconder_roll.png"), 935, 280);
    present.put(QStringLiteral("menus/letrasstopmo.png"), 935, 360);
    screens << present.image;

    // The missing-letter exercise on the longest word, small letters, a wrong answer.
    Screen exercise{QImage(1024, 600, QImage::Format_ARGB32_Premultiplied), system};
    exercise.put(QStringLiteral("ui/background.png"), 0, 0);
    exercise.put(QStringLiteral("menus/letras.png"), 370, 1);
    exercise.put(QStringLiteral("menus/leerescribirroll.png"), 639, 1);
    exercise.put(QStringLiteral("menus/submenu1.png"), 442, 116);
    exercise.put(QStringLiteral("menus/leer.png"), 564, 116);
    exercise.put(QStringLiteral("menus/escribirroll.png"), 717, 116);
    exercise.put(QStringLiteral("titulos/escribir1.png"), 80, 110);
    {
        QPainter painter(&exercise.image);
        painter.drawImage(119, 213, QImage(wordImage(language, source, QStringLiteral("xoloitzcuintle"))));
    }
    letterRow(exercise, glyphNames(QStringLiteral("xoloitzcuintle"), true, true),
              {{6, QStringLiteral("blank/")}});
    exercise.put(QStringLiteral("ui/derecha.png"), 925, 300);
    exercise.put(QStringLiteral("feedback/wrong1.png"), 880, 450);
    exercise.put(QStringLiteral("menus/repetir.png"), 935, 200);
    screens << exercise.image;

    // Which letter is it: the first letter blank, the highlight moving, praise.
    Screen which{QImage(1024, 600, QImage::Format_ARGB32_Premultiplied), system};
    which.put(QStringLiteral("ui/background.png"), 0, 0);
    which.put(QStringLiteral("menus/letrasroll.png"), 370, 1);
    which.put(QStringLiteral("menus/leerescribir.png"), 639, 1);
    which.put(QStringLiteral("menus/senas.png"), 442, 116);
    which.put(QStringLiteral("menus/labial.png"), 564, 116);
    which.put(QStringLiteral("menus/dactilologicoroll.png"), 717, 116);
    which.put(QStringLiteral("titulos/que letra es.png"), 80, 110);
    {
        QPainter painter(&which.image);
        painter.drawImage(119, 213, QImage(wordImage(language, source, QStringLiteral("chocolate"))));
    }
    letterRow(which, glyphNames(QStringLiteral("chocolate"), false, false),
              {{0, QStringLiteral("blank/")}, {3, QStringLiteral("cuadrados/")}});
    which.put(QStringLiteral("feedback/good2.png"), 880, 450);
    which.put(QStringLiteral("menus/repetir_roll.png"), 935, 200);
    which.put(QStringLiteral("ui/advertencia-sin-repeticion.png"), 252, 309);
    screens << which.image;

    // The stories list.
    Screen stories{QImage(1024, 600, QImage::Format_ARGB32_Premultiplied), system};
    stories.put(QStringLiteral("ui/backgroundleer.png"), 0, 0);
    stories.put(QStringLiteral("menus/letras_leer.png"), 370, 1);
    stories.put(QStringLiteral("menus/leerescribir_leer.png"), 639, 1);
    stories.put(QStringLiteral("menus/submenu1.png"), 442, 116);
    stories.put(QStringLiteral("menus/leerroll.png"), 564, 116);
    stories.put(QStringLiteral("menus/escribir.png"), 717, 116);
    stories.put(QStringLiteral("menus/cuentos.png"), 542, 176);
    stories.put(QStringLiteral("menus/leer1.png"), 542, 292);
    stories.put(QStringLiteral("menus/leer2roll.png"), 542, 329);
    stories.put(QStringLiteral("menus/leer3.png"), 542, 367);
    stories.put(QStringLiteral("menus/fabulas.png"), 542, 407);
    stories.put(QStringLiteral("menus/leer4.png"), 542, 467);
    stories.put(QStringLiteral("menus/leer5.png"), 542, 502);
    stories.put(QStringLiteral("ui/fizq.png"), 26, 384);
    stories.put(QStringLiteral("ui/fderroll.png"), 964, 384);
    screens << stories.image;

    screens << QImage(language + QStringLiteral("UI/creditos-grande.png"));
    return screens;
}

// Lays pictures out in rows on a wide sheet, under a caption.
class Sheet
{
public:
    explicit Sheet(int width) : width(width) {}

    void caption(const QString& text)
    {
        newRow();
        items.append({QImage(), text, QPoint(margin, y)});
        y += 34;
    }

    void add(const QImage& image, qreal scale = 1)
    {
        const QImage shown = scale == 1 ? image
                                        : image.scaledToWidth(qMax(1, int(image.width() * scale)),
                                                              Qt::SmoothTransformation);
        if (x + shown.width() > width - margin)
            newRow();
        items.append({shown, QString(), QPoint(x, y)});
        x += shown.width() + 8;
        rowHeight = qMax(rowHeight, shown.height());
    }

    QImage render()
    {
        newRow();
        QImage sheet(width, y + margin, QImage::Format_ARGB32_Premultiplied);
        sheet.fill(QColor(0xdc, 0xf0, 0xfb));
        QPainter painter(&sheet);
        for (const Item& item : items) {
            if (item.image.isNull())
                Paint::text(painter, QRectF(item.at, QSizeF(width - 2 * margin, 30)), item.text, 22,
                            Paint::Color::Ink, Qt::AlignLeft | Qt::AlignVCenter);
            else
                painter.drawImage(item.at, item.image);
        }
        return sheet;
    }

private:
    struct Item
    {
        QImage image;
        QString text;
        QPoint at;
    };

    void newRow()
    {
        if (rowHeight > 0)
            y += rowHeight + 8;
        x = margin;
        rowHeight = 0;
    }

    int width;
    int margin = 16;
    int x = 16;
    int y = 16;
    int rowHeight = 0;
    QList<Item> items;
};

QList<QImage> picturesIn(const QString& folder, const QStringList& filters = {QStringLiteral("*.png")})
{
    QList<QImage> images;
    QDir dir(folder);
    for (const QString& name : dir.entryList(filters, QDir::Files, QDir::Name))
        images << QImage(dir.filePath(name));
    return images;
}
// Pictures side by side in rows of `columns`, each at `cellWidth` with its
// name written under it.
QImage captionedGrid(const QList<QImage>& pictures, const QStringList& names, int columns, int cellWidth)
{
    constexpr int kMargin = 12, kGap = 10, kCaption = 34;
    int cellHeight = 0;
    for (const QImage& picture : pictures)
        cellHeight = qMax(cellHeight, picture.height() * cellWidth / qMax(1, picture.width()));
    const int rows = (int(pictures.size()) + columns - 1) / columns;
    QImage sheet(2 * kMargin + columns * (cellWidth + kGap) - kGap,
                 2 * kMargin + rows * (cellHeight + kCaption + kGap) - kGap, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xdc, 0xf0, 0xfb));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < pictures.size(); ++i) {
        const QPoint at(kMargin + (i % columns) * (cellWidth + kGap),
                        kMargin + (i / columns) * (cellHeight + kCaption + kGap));
        const QImage shown = pictures.at(i).scaledToWidth(cellWidth, Qt::SmoothTransformation);
        painter.drawImage(at, shown);
        Paint::text(painter, QRectF(at.x(), at.y() + cellHeight + 2, cellWidth, kCaption - 4), names.value(i), 26,
                    Paint::Color::Ink);
    }
    return sheet;
}
} // namespace

bool writeContactSheet(const QString& home, const ContentSource& source, const QString& folder,
                       QString* error)
{
    QDir().mkpath(folder);
    const QString system = home + QStringLiteral("/media/system/");
    const QString language = home + QStringLiteral("/media/languages/") + source.languageName + QLatin1Char('/');
    const QList<QImage> screens = mockups(home, source);
    for (int i = 0; i < screens.size(); ++i) {
        if (!Paint::savePng(screens.at(i), folder + QStringLiteral("/screen%1.png").arg(i + 1))) {
            *error = QStringLiteral("cannot write into ") + folder;
            return false;
        }
    }

    Sheet sheet(2100);
    sheet.caption(QStringLiteral("Pantallas (a la mitad)"));
    for (const QImage& screen : screens)
        sheet.add(screen, 0.5);
    const struct
    {
        const char* style;
        const char* title;
    } styles[] = {{"cooper", "cooper/ (normal)"},
                  {"cuadrados", "cuadrados/ (resaltada)"},
                  {"blank", "blank/ (hueco)"}};
    for (const auto& style : styles) {
        sheet.caption(QString::fromLatin1(style.title) + QStringLiteral(": may/ y min/, a la mitad como en la palabra"));
        for (const char* caseFolder : {"may/", "min/"}) {
            for (const QString& name : glyphBaseNames()) {
                const QString glyph = QString::fromLatin1(caseFolder)
                    + (caseFolder[1] == 'a' ? name.toUpper() : name);
                sheet.add(QImage(system + QString::fromLatin1(style.style) + QLatin1Char('/') + glyph
                                 + QStringLiteral(".png")),
                          0.5);
            }
        }
    }
    sheet.caption(QStringLiteral("inferior/: may/ y nombres sin carpeta"));
    for (const QImage& image : picturesIn(system + QStringLiteral("inferior/may")))
        sheet.add(image, 0.5);
    for (const QImage& image : picturesIn(system + QStringLiteral("inferior")))
        sheet.add(image, 0.5);
    sheet.caption(QStringLiteral("menus/"));
    for (const QImage& image : picturesIn(system + QStringLiteral("menus")))
        sheet.add(image);
    sheet.caption(QStringLiteral("titulos/, feedback/, ui/"));
    for (const QString& sub : {QStringLiteral("titulos"), QStringLiteral("feedback")}) {
        for (const QImage& image : picturesIn(system + sub))
            sheet.add(image);
    }
    for (const QImage& image : picturesIn(system + QStringLiteral("ui"))) {
        if (image.width() < 600)
            sheet.add(image);
    }
    sheet.caption(QStringLiteral("Palabras (una de cada tres)"));
    for (int i = 0; i < source.words.size(); i += 3) {
        const WordEntry& word = source.words.at(i);
        sheet.add(QImage(wordFolder(language, word.letter, word.word) + WordMedia::Image), 0.5);
    }
    if (!Paint::savePng(sheet.render(), folder + QStringLiteral("/sheet.png"))) {
        *error = QStringLiteral("cannot write into ") + folder;
        return false;
    }

    // Every single hand picture with its letter, and every word picture with
    // its word: the two sets a signer and a teacher check one by one.
    QList<QImage> hands;
    QStringList letters;
    for (const HandShape& shape : handShapes()) {
        hands << QImage(language + QStringLiteral("Senas/") + QLatin1String(shape.name) + QStringLiteral(".png"));
        letters << QString::fromUtf8(shape.label);
    }
    QList<QImage> pictures;
    QStringList names;
    for (const WordEntry& word : source.words) {
        pictures << QImage(wordFolder(language, word.letter, word.word) + WordMedia::Image);
        names << word.word;
    }
    if (!Paint::savePng(captionedGrid(hands, letters, 8, 200), folder + QStringLiteral("/hands.png"))
        || !Paint::savePng(captionedGrid(pictures, names, 10, 190), folder + QStringLiteral("/words.png"))) {
        *error = QStringLiteral("cannot write into ") + folder;
        return false;
    }
    QTextStream(stdout) << "contact sheet: " << folder << "/sheet.png, hands.png, words.png and "
                        << screens.size() << " screens\n";
    return true;
}
