// ondalira-admin server-…: sets up and looks after a school's PostgreSQL
// database for Ondalira. The logic lives in the core (ServerSetup); this
// is only the command line.
#include "serveradmin.h"
#include "interfacelanguage.h"
#include "mediapaths.h"
#include "serversetup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("ServerAdmin", text);
}

void printCounts(QTextStream& out, const ServerSetup::Report& report, bool withSource)
{
    out << tr("Versión del esquema: %1").arg(report.version) << '\n';
    for (const ServerSetup::TableCount& count : report.counts) {
        out << "  " << count.table << ": " << count.server;
        if (withSource)
            out << " / " << count.source;
        out << '\n';
    }
}
} // namespace

int serverAdmin(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ondalira-admin"));
    QTranslator translator;
    if (InterfaceLanguage::loadProgramTranslation(&translator, QLocale().uiLanguages(),
                                                  MediaPaths::translationsPath()))
        QCoreApplication::installTranslator(&translator);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Prepara y mantiene la base de datos de Ondalira en el servidor PostgreSQL de la escuela.\n\n"
           "Órdenes:\n"
           "  server-init URI [--from BD]  crea el esquema en una base vacía y copia todas las filas\n"
           "  server-status URI            dice si responde, su versión y sus filas\n"
           "  server-upgrade URI           actualiza un esquema anterior\n\n"
           "URI: postgresql://usuario@servidor/base. La contraseña va en ~/.pgpass, nunca en la URI."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("orden"), tr("server-init, server-status o server-upgrade"));
    parser.addPositionalArgument(QStringLiteral("URI"), tr("la base de datos del servidor"));
    const QCommandLineOption from(QStringLiteral("from"),
                                  tr("la base de datos del programa que se copia (por omisión, la instalada)"),
                                  QStringLiteral("BD"), MediaPaths::databasePath());
    parser.addOption(from);
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2) {
        err << tr("Indique una orden y la URI del servidor (--help para ayuda).") << '\n';
        return 2;
    }
    const QString command = args.at(0);
    const QString uri = args.at(1);
    ServerSetup::Report report;
    if (command == QLatin1String("server-init"))
        report = ServerSetup::init(uri, parser.value(from));
    else if (command == QLatin1String("server-status"))
        report = ServerSetup::status(uri);
    else if (command == QLatin1String("server-upgrade"))
        report = ServerSetup::upgrade(uri);
    else {
        err << tr("Orden desconocida: %1 (--help para ayuda).").arg(command) << '\n';
        return 2;
    }
    if (!report.ok) {
        err << tr("Falló: %1").arg(report.error) << '\n';
        return 1;
    }
    if (command == QLatin1String("server-init"))
        out << tr("Base de datos creada y copiada; filas en el servidor / en la copiada:") << '\n';
    else if (command == QLatin1String("server-upgrade") && report.versionBefore == report.version)
        out << tr("El esquema ya está en la versión %1.").arg(report.version) << '\n';
    else if (command == QLatin1String("server-upgrade"))
        out << tr("Esquema de la versión %1 a la %2.").arg(report.versionBefore).arg(report.version) << '\n';
    else
        out << tr("El servidor responde.") << '\n';
    printCounts(out, report, command == QLatin1String("server-init"));
    return 0;
}
