// Opens the administration dialogs on a throw-away home filled with a few
// letters, words, pictures and categories, to look at and drive by hand:
//   admin_harness admin | config
// The home's path is printed; files to choose lie in its "elegidos" folder.
#include "admwindow.h"
#include "config.h"
#include "configwidget.h"
#include "contentlists.h"
#include "testhome.h"
#include "user.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTextStream>

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

void writeFile(const QString& path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.resize(size);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
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
            writeFile(folder + QStringLiteral("/sena.avi"), 1000);
            writeFile(folder + QStringLiteral("/modulacion.avi"), 1000);
        }
    }
    const QString chosen = home.path() + QStringLiteral("/elegidos/");
    drawPicture(chosen + QStringLiteral("dado.png"), QStringLiteral("dado"), Qt::cyan);
    writeFile(chosen + QStringLiteral("dado-sena.avi"), 2000);
    writeFile(chosen + QStringLiteral("dado-labios.avi"), qint64(800) * 1024 * 1024);
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
