// Generates the default content pack: the database data/bd and the media
// library media/ of a program home folder, from the sources in content/.
#include "contactsheet.h"
#include "contentsource.h"
#include "databasebuilder.h"
#include "drawnmedia.h"
#include "letterglyphs.h"
#include "menupictures.h"
#include "screens.h"
#include "wordpictures.h"
#include "stamp.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <functional>
#include <utility>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption sourceOption(QStringLiteral("source"),
                                          QStringLiteral("Folder of the content sources."),
                                          QStringLiteral("dir"));
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Program home to fill."),
                                       QStringLiteral("dir"));
    const QCommandLineOption sheetOption(QStringLiteral("contact-sheet"),
                                         QStringLiteral("Also compose pictures of the pack to look at."),
                                         QStringLiteral("dir"));
    parser.addOption(sourceOption);
    parser.addOption(outOption);
    parser.addOption(sheetOption);
    parser.process(app);

    QTextStream err(stderr);
    const QString sourceDir = parser.value(sourceOption);
    const QString outDir = parser.value(outOption);
    if (sourceDir.isEmpty() || outDir.isEmpty()) {
        err << "usage: olcontent --source DIR --out DIR\n";
        return 2;
    }

    ContentSource source;
    QString error;
    if (!source.load(sourceDir, &error)) {
        err << error << '\n';
        return 1;
    }

    const QString schema = sourceDir + QStringLiteral("/schema.sql");
    const QString database = outDir + QStringLiteral("/data/bd");
    Stamp dbStamp(database, {schema, sourceDir + QStringLiteral("/wordlist.tsv"),
                             sourceDir + QStringLiteral("/letters.txt"),
                             sourceDir + QStringLiteral("/settings.tsv")});
    if (!dbStamp.isCurrent()) {
        if (!buildDatabase(schema, source, database, &error)) {
            err << "database: " << error << '\n';
            return 1;
        }
        dbStamp.write();
    }

    const QString media = outDir + QStringLiteral("/media/");
    const QString systemDir = media + QStringLiteral("system/");
    const QString languageDir = media + QStringLiteral("languages/") + source.languageName
        + QLatin1Char('/');
    // Each step draws only the pictures whose sources changed since the last run.
    const std::pair<const char*, std::function<bool(QString*)>> steps[] = {
        {"letters", [&](QString* e) { return drawLetterGlyphs(systemDir, e); }},
        {"menus", [&](QString* e) { return drawMenuPictures(systemDir, e); }},
        {"screens", [&](QString* e) { return drawScreens(systemDir, languageDir, e); }},
        {"words", [&](QString* e) { return drawWordPictures(source, languageDir, e); }},
        {"drawn media", [&](QString* e) { return writeDrawnMedia(sourceDir, outDir, source, e); }},
    };
    for (const auto& step : steps) {
        if (!step.second(&error)) {
            err << step.first << ": " << error << '\n';
            return 1;
        }
    }
    if (parser.isSet(sheetOption)
        && !writeContactSheet(outDir, source, parser.value(sheetOption), &error)) {
        err << "contact sheet: " << error << '\n';
        return 1;
    }
    return 0;
}
