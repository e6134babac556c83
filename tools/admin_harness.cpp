// Opens the administration dialogs on a throw-away home filled with a few
// letters, words, pictures and categories, to look at and drive by hand:
//   admin_harness admin | config
// The home's path is printed; files to choose lie in its "elegidos" folder.
#include "admwindow.h"
#include "config.h"
#include "configwidget.h"
#include "contentlists.h"
#include "interfacelanguage.h"
#include "testhome.h"
#include "tinyvideo.h"
#include "user.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

namespace {
void drawPicture(const QString& path, const QString& text, QColor color)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(320, 240, QImage::Format_ARGB32);
    image.fill(color);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(48);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    image.save(path);
}

// A playable clip, padded to size so that copying it takes a while.
void writeVideo(const QString& path, qint64 size = 0)
{
    writeTinyVideo(path, 10);
    QFile file(path);
    if (size > 0 && file.open(QIODevice::ReadWrite))
        file.resize(size);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QTranslator qt;
    if (InterfaceLanguage::loadQtTranslation(&qt, QLocale::system().uiLanguages()))
        QApplication::installTranslator(&qt);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("admin");

    TestHome home;
    Language language;
    language.loadById(TestHome::addLanguage(QStringLiteral("Español")));
    const QStringList words{QStringLiteral("abeja"), QStringLiteral("árbol"),
                            QStringLiteral("barco"), QStringLiteral("casa"),
                            QStringLiteral("chocolate"), QStringLiteral("ñandú")};
    const int animals = TestHome::addCategory(QStringLiteral("ANIMALES"), language.id);
    const int things = TestHome::addCategory(QStringLiteral("COSAS"), language.id);
    TestHome::addCategory(QStringLiteral("COLORES"), language.id);
    for (const QString& name : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                QStringLiteral("CH"), QStringLiteral("D"), QStringLiteral("Ñ")}) {
        const int letter = TestHome::addLetter(name, language.id);
        QDir().mkpath(language.mediaPath() + QStringLiteral("Letras/") + name);
        for (const QString& word : words) {
            const QString initial = word.startsWith(QStringLiteral("ch"))
                ? QStringLiteral("CH")
                : word.left(1).toUpper().replace(QStringLiteral("Á"), QStringLiteral("A"));
            if (initial != name)
                continue;
            const int id = TestHome::addWord(word, letter);
            TestHome::link(id, word == QStringLiteral("abeja") || word == QStringLiteral("ñandú")
                               ? animals
                               : things);
            const QString folder
                = language.mediaPath() + QStringLiteral("Letras/") + name + QLatin1Char('/') + word;
            drawPicture(folder + QStringLiteral("/imagen.png"), word, Qt::yellow);
            writeVideo(folder + QStringLiteral("/sena.avi"));
            writeVideo(folder + QStringLiteral("/modulacion.avi"));
        }
    }
    const QString chosen = home.path() + QStringLiteral("/elegidos/");
    drawPicture(chosen + QStringLiteral("dado.png"), QStringLiteral("dado"), Qt::cyan);
    writeVideo(chosen + QStringLiteral("dado-sena.avi"));
    writeVideo(chosen + QStringLiteral("dado-labios.avi"), qint64(800) * 1024 * 1024);
    // What a phone gives: a photo and a clip.
    QImage(1600, 1200, QImage::Format_RGB32).save(chosen + QStringLiteral("IMG_0001.jpg"));
    writeVideo(chosen + QStringLiteral("VID_0001.mp4"));
    // A word folder that no record names.
    drawPicture(language.mediaPath() + QStringLiteral("Letras/B/suelto/foto.png"),
                QStringLiteral("suelto"), Qt::green);
    QTextStream(stdout) << home.path() << Qt::endl;

    LetterList letters;
    WordList wordList;
    CategoryList categories;
    if (mode == QLatin1String("config")) {
        User user;
        user.name = QStringLiteral("Ana");
        user.save();
        Config settings;
        settings.language = &language;
        settings.loadFilters(user.id);
        auto* dialog = new ConfigWidget(&user, &language, &letters, &categories, &settings);
        QObject::connect(dialog, &ConfigWidget::done, &app, &QApplication::quit);
        dialog->show();
        return app.exec();
    }
    AdmWindow window(&letters, &wordList, &categories);
    window.setLanguage(&language);
    window.setVisible(true);
    return app.exec();
}
