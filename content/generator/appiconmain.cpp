// Writes the program's icon into an icon theme folder:
// olappicon --out DIR --name NAME  ->  DIR/hicolor/<size>/apps/NAME.{png,svg}
#include "appicon.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Icon folder to fill."),
                                       QStringLiteral("dir"));
    const QCommandLineOption nameOption(QStringLiteral("name"), QStringLiteral("Icon name."),
                                        QStringLiteral("name"));
    parser.addOption(outOption);
    parser.addOption(nameOption);
    parser.process(app);

    QTextStream err(stderr);
    if (parser.value(outOption).isEmpty() || parser.value(nameOption).isEmpty()) {
        err << "usage: olappicon --out DIR --name NAME\n";
        return 2;
    }
    QString error;
    if (!AppIcon::writeTheme(parser.value(outOption), parser.value(nameOption), &error)) {
        err << error << '\n';
        return 1;
    }
    return 0;
}
