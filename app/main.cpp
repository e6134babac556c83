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
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ondalira.Ondalira"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.ondalira.Ondalira")));

    MainWindow window;
    window.setVisible(true);
    return app.exec();
}
