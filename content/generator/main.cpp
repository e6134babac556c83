// Generates the default content pack: the database data/bd and the media
// library media/ of a program home folder, from the sources in content/.
#include "contentsource.h"
#include "databasebuilder.h"
#include "drawnmedia.h"
#include "stamp.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

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
    parser.addOption(sourceOption);
    parser.addOption(outOption);
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

    if (!writeDrawnMedia(sourceDir, outDir, source, &error)) {
        err << error << '\n';
        return 1;
    }
    return 0;
}
