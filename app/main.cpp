#include "interfacelanguage.h"
#include "mainwindow.h"
#include "mediapaths.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTranslator>

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
