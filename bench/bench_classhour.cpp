// A class hour of "te presento palabras" (activity 20) compressed: 900
// presentations, one letter key every 2 s of class time, each shown with its
// sign video until the video's first frame is on screen, then the next key.
// Prints resident memory after the first 150 presentations ("5 minutes")
// and after all 900 ("30 minutes"), and the growth between them.
//
//   build/bench/bench_classhour [presentations] [program home]
#include "inputdialog.h"
#include "mainwindow.h"
#include "programhome.h"
#include "videoplayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTextStream>

int main(int argc, char** argv)
{
    useBenchEnvironment();
    QApplication app(argc, argv);
    const int total = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 900;
    const QString pack = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(OL_PACK_HOME);
    ProgramHome home(pack);
    QTextStream out(stdout);
    if (!home.isValid() || total < 150) {
        out << "no content pack at " << pack << " (or fewer than 150 presentations)\n";
        return 1;
    }

    MainWindow window;
    home.signIn(window);
    window.goToFirstActivity();

    bool frameShown = false;
    QObject::connect(window.findChild<VideoPlayer*>(QStringLiteral("videoPlayer")), &VideoPlayer::firstFrameShown, [&frameShown] { frameShown = true; });
    const QList<QPair<int, QString>> keys = {
        {Qt::Key_A, "a"}, {Qt::Key_B, "b"}, {Qt::Key_C, "c"}, {Qt::Key_D, "d"}, {Qt::Key_E, "e"},
        {Qt::Key_M, "m"}, {Qt::Key_P, "p"}, {Qt::Key_S, "s"}, {Qt::Key_L, "l"}, {Qt::Key_T, "t"}};
    qint64 atFive = 0;
    int videos = 0;
    QElapsedTimer clock;
    clock.start();
    for (int run = 0; run < total; ++run) {
        const auto& key = keys.at(run % keys.size());
        QKeyEvent event(QEvent::KeyRelease, key.first, Qt::NoModifier, key.second);
        frameShown = false;
        QApplication::sendEvent(&window, &event);
        QElapsedTimer timer;
        timer.start();
        while (window.findChild<VideoPlayer*>(QStringLiteral("videoPlayer"))->isPlaying() && !frameShown && timer.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        videos += frameShown ? 1 : 0;
        QApplication::processEvents();
        if (run + 1 == 150)
            atFive = residentKb();
    }
    const qint64 atThirty = residentKb();
    out << total << " presentations, " << videos << " with a video frame, in "
        << clock.elapsed() / 1000 << " s\n";
    out << QStringLiteral("  resident after 150: %1 MB, after %2: %3 MB, growth %4 MB\n")
               .arg(atFive / 1024.0, 0, 'f', 1).arg(total).arg(atThirty / 1024.0, 0, 'f', 1)
               .arg((atThirty - atFive) / 1024.0, 0, 'f', 1);
    return 0;
}
