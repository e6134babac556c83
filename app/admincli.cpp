// ondalira-admin: the content packs from a terminal, for a school's IT and
// for backups. The home is found as the program finds it (ONDALIRA_HOME or
// the executable's folder); the checks are the administrator's; any failure
// exits with a non-zero status.
#include "contentpack.h"
#include "database.h"
#include "interfacelanguage.h"
#include "language.h"
#include "mediapaths.h"
#include "mediastore.h"
#include "packdialogs.h"
#include "wordsaver.h"

#include <QApplication>
#include "serveradmin.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

namespace {
// The context of the messages in the translation file.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(AdminCli)
};

int fail(const QString& message)
{
    QTextStream(stderr) << "ondalira-admin: " << message << Qt::endl;
    return 1;
}

void print(const QStringList& lines)
{
    QTextStream out(stdout);
    for (const QString& line : lines)
        out << line << Qt::endl;
}

bool openHome(QString* error)
{
    const QString path = MediaPaths::databasePath();
    if (!QFileInfo(path).isFile() || !Database::openDefault(path)) {
        *error = Text::tr("No se puede abrir la base de datos %1.").arg(path);
        return false;
    }
    return true;
}

// Bytes as a percentage on the terminal, once per step.
ContentPack::Progress percent()
{
    return [last = -1](qint64 done, qint64 total) mutable {
        const int now = total > 0 ? int(done * 100 / total) : 100;
        if (now / 10 != last / 10) {
            QTextStream(stderr) << now << (now >= 100 ? "%\n" : "%\r") << Qt::flush;
            last = now;
        }
        return true;
    };
}
} // namespace

int main(int argc, char* argv[])
{
    // The school server's commands need no media and no probe.
    if (argc > 1 && QByteArray(argv[1]).startsWith("server-"))
        return serverAdmin(argc, argv);
    // The probe needs a GUI application but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ondalira-admin"));
    QApplication::setApplicationVersion(QStringLiteral(OL_VERSION));
    const QStringList languages = QLocale::system().uiLanguages();
    QTranslator translator;
    if (InterfaceLanguage::loadProgramTranslation(&translator, languages,
                                                  MediaPaths::translationsPath()))
        QApplication::installTranslator(&translator);

    QCommandLineParser parser;
    parser.setApplicationDescription(Text::tr(
        "Paquetes de contenido de Ondalira: palabras con sus imágenes, videos y categorías.\n\n"
        "Órdenes:\n"
        "  export ARCHIVO   escribe un paquete con las palabras elegidas (todas si no se elige "
        "nada)\n"
        "  import ARCHIVO   comprueba un paquete y añade sus palabras\n"
        "  show ARCHIVO     comprueba un paquete y muestra lo que añadiría\n"
        "  server-init, server-status, server-upgrade   el servidor de la escuela "
        "(ondalira-admin server-init --help)\n\n"
        "La carpeta del programa es la de ONDALIRA_HOME o la del ejecutable."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("orden"), Text::tr("export, import o show"));
    parser.addPositionalArgument(QStringLiteral("archivo"), Text::tr("el paquete (.ondalira)"));
    const QCommandLineOption letter(
        QStringLiteral("letter"),
        Text::tr("Exporta las palabras de esta letra (se puede repetir)."),
        QStringLiteral("letra"));
    const QCommandLineOption category(
        QStringLiteral("category"),
        Text::tr("Exporta las palabras de esta categoría (se puede repetir)."),
        QStringLiteral("categoría"));
    const QCommandLineOption title(QStringLiteral("title"), Text::tr("Título del paquete."),
                                   QStringLiteral("título"));
    const QCommandLineOption author(QStringLiteral("author"), Text::tr("Autor del paquete."),
                                    QStringLiteral("autor"));
    const QCommandLineOption licence(QStringLiteral("licence"), Text::tr("Licencia del paquete."),
                                     QStringLiteral("licencia"));
    const QCommandLineOption language(
        QStringLiteral("language"),
        Text::tr("Idioma de las palabras que se exportan (el primero si no se dice)."),
        QStringLiteral("idioma"));
    const QCommandLineOption keepMine(
        QStringLiteral("keep-mine"),
        Text::tr("Con las palabras que ya existen: conservar la de aquí (así por omisión)."));
    const QCommandLineOption takeTheirs(
        QStringLiteral("take-theirs"),
        Text::tr("Con las palabras que ya existen: tomar la del paquete."));
    const QCommandLineOption keepBoth(
        QStringLiteral("keep-both"), Text::tr("Con las palabras que ya existen: conservar ambas."));
    parser.addOptions(
        {letter, category, title, author, licence, language, keepMine, takeTheirs, keepBoth});
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.size() != 2)
        return fail(Text::tr("Se espera una orden y un archivo; vea --help."));
    const QString command = args.at(0);
    const QString file = args.at(1);
    QString error;
    if (!openHome(&error))
        return fail(error);

    if (command == QLatin1String("export")) {
        Language chosen;
        const bool found = parser.isSet(language) ? chosen.loadByName(parser.value(language))
                                                  : chosen.loadById(1);
        if (!found)
            return fail(Text::tr("No existe ese idioma."));
        const QList<int> words
            = ContentPack::chooseWords(chosen, parser.values(letter), parser.values(category));
        if (words.isEmpty())
            return fail(Text::tr("No hay palabras que exportar."));
        const ContentPack::PackInfo info{parser.value(title), parser.value(author),
                                         parser.isSet(licence) ? parser.value(licence)
                                                               : ContentPack::licences().first()};
        if (!ContentPack::exportPack(file, chosen, words, info, percent(), &error))
            return fail(error);
        print({Text::tr("Se exportaron %1 palabras a %2.").arg(words.size()).arg(file)});
        return 0;
    }
    if (command != QLatin1String("import") && command != QLatin1String("show"))
        return fail(Text::tr("Orden desconocida: %1; vea --help.").arg(command));
    if (int(parser.isSet(keepMine)) + int(parser.isSet(takeTheirs)) + int(parser.isSet(keepBoth))
        > 1)
        return fail(Text::tr("Elija solo una de --keep-mine, --take-theirs y --keep-both."));

    ContentPack::Reader reader(file);
    if (!reader.open(MediaPaths::languagesPath()))
        return fail(Text::tr("No se puede importar este paquete: %1").arg(reader.error()));
    Language target;
    if (!target.loadByName(reader.manifest().language))
        return fail(Text::tr("Este programa no tiene el idioma del paquete (%1).")
                        .arg(reader.manifest().language));
    ContentPack::ImportPlan plan = ContentPack::planImport(reader.manifest(), target);
    plan.chooseForAll(parser.isSet(takeTheirs)     ? ContentPack::Conflict::TakeTheirs
                          : parser.isSet(keepBoth) ? ContentPack::Conflict::KeepBoth
                                                   : ContentPack::Conflict::KeepMine);
    if (command == QLatin1String("show")) {
        if (!reader.verify(percent()))
            return fail(Text::tr("No se puede importar este paquete: %1").arg(reader.error()));
        print(ContentPack::describe(reader.manifest(), plan));
        return 0;
    }
    // A save a crash cut short is finished or undone first, as at start.
    WordSaver::reconcile(MediaPaths::languagesPath());
    ContentPack::ImportSummary summary;
    const bool done
        = ContentPack::importPack(reader, plan, target, mediaProbe(), percent(), &summary, &error);
    if (!done && summary.failed.isEmpty())
        return fail(Text::tr("No se importó nada: %1").arg(error));
    print(ContentPack::describe(summary));
    return done ? 0 : 1;
}
