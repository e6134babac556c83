#include "interfacelanguage.h"
#include "mainwindow.h"
#include "mediapaths.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTranslator>

extern "C" {
#include <libavutil/log.h>
}

namespace {
// Logging rules of the user's own: in the environment or in a qtlogging.ini.
bool loggingRulesGiven()
{
    return !qEnvironmentVariableIsEmpty("QT_LOGGING_RULES")
        || !qEnvironmentVariableIsEmpty("QT_LOGGING_CONF")
        || !QStandardPaths::locate(QStandardPaths::GenericConfigLocation,
                                   QStringLiteral("QtProject/qtlogging.ini")).isEmpty()
        || QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::DataPath)
                             + QStringLiteral("/qtlogging.ini"));
}

// Qt Multimedia 6.4 prints its codec listing and hardware probing as plain
// debug messages and its "no GPU" and "no sound server" notes as plain
// warnings, and FFmpeg writes its own notes straight to stderr: nothing a
// teacher who started the program from a terminal can act on (the program
// itself prints nothing). Qt applies setFilterRules() over a qtlogging.ini,
// so with rules of the user's own anywhere the program leaves logging as Qt
// and FFmpeg have it.
void quietMediaBackend()
{
    if (loggingRulesGiven())
        return;
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\n"
                                                    "default.warning=false\n"
                                                    "qt.multimedia.*=false"));
    av_log_set_level(AV_LOG_QUIET);
}
} // namespace

int main(int argc, char** argv)
{
    // Qt Multimedia's FFmpeg backend ends broken clips reliably; GStreamer
    // sometimes never reports them. A user's own choice still wins.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    // Only the video widget would draw with OpenGL, and loading the GL stack
    // for it costs about 75 MB with Mesa's software renderer; the videos are
    // small enough to convert and scale on the CPU.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    quietMediaBackend();

    QApplication app(argc, argv);

    // Catalan only on a Catalan desktop; the Spanish source texts otherwise.
    const QStringList languages = QLocale::system().uiLanguages();
    QTranslator translator;
    if (InterfaceLanguage::loadProgramTranslation(&translator, languages, MediaPaths::translationsPath()))
        QApplication::installTranslator(&translator);
    QTranslator qtTranslator;
    if (InterfaceLanguage::loadQtTranslation(&qtTranslator, languages))
        QApplication::installTranslator(&qtTranslator);

    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("Ondalira"));
    QApplication::setApplicationVersion(QStringLiteral(OL_VERSION));
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ondalira.Ondalira"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.ondalira.Ondalira")));

    MainWindow window;
    window.setVisible(true);
    return app.exec();
}
