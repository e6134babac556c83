// Time from a letter key to the last medium of "te presento palabras"
// (activity 20, stop-motion off) on the default content pack: with
// stop-motion off every step runs inside the key's handler, so the handler's
// time is the time to the last widget shown. Also reported: the same plus
// the paint that follows. Prints median, 90th percentile and maximum.
//
//   build/bench/bench_presentation [program home]   (default: the build's)
#include "inputdialog.h"
#include "mainwindow.h"
#include "programhome.h"
#include "videoplayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTextStream>
#include <algorithm>

namespace {
constexpr int kRuns = 300;

struct Figures
{
    double median, p90, max;
};

Figures figuresOf(QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms.at(ms.size() / 2), ms.at(ms.size() * 9 / 10), ms.last()};
}
} // namespace

int main(int argc, char** argv)
{
    useBenchEnvironment();
    QApplication app(argc, argv);
    const QString pack = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(OL_PACK_HOME);
    ProgramHome home(pack);
    QTextStream out(stdout);
    if (!home.isValid()) {
        out << "no content pack at " << pack << "\n";
        return 1;
    }

    MainWindow window;
    home.signIn(window);
    window.menu(100);
    window.subMenu(100);
    window.subSubMenu(100);

    // Letters that have words in the default pack, in turn.
    const QList<QPair<int, QString>> keys = {
        {Qt::Key_A, "a"}, {Qt::Key_B, "b"}, {Qt::Key_C, "c"}, {Qt::Key_D, "d"}, {Qt::Key_E, "e"},
        {Qt::Key_M, "m"}, {Qt::Key_P, "p"}, {Qt::Key_S, "s"}, {Qt::Key_Comma, ","}, {Qt::Key_Period, "."}};
    QList<double> handler;
    QList<double> painted;
    QList<double> firstFrame;
    int videos = 0;
    bool frameShown = false;
    QObject::connect(window.findChild<VideoPlayer*>(QStringLiteral("videoPlayer")), &VideoPlayer::firstFrameShown, [&frameShown] { frameShown = true; });
    for (int run = 0; run < kRuns; ++run) {
        const auto& key = keys.at(run % keys.size());
        QKeyEvent event(QEvent::KeyRelease, key.first, Qt::NoModifier, key.second);
        QElapsedTimer timer;
        frameShown = false;
        timer.start();
        QApplication::sendEvent(&window, &event);
        handler << timer.nsecsElapsed() / 1e6;
        QApplication::processEvents();
        painted << timer.nsecsElapsed() / 1e6;
        const bool video = window.findChild<VideoPlayer*>(QStringLiteral("videoPlayer"))->isVisible() && window.findChild<VideoPlayer*>(QStringLiteral("videoPlayer"))->isPlaying();
        videos += video ? 1 : 0;
        // The sign video's first frame, painted.
        while (video && !frameShown && timer.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (video && frameShown) {
            QApplication::processEvents();
            firstFrame << timer.nsecsElapsed() / 1e6;
        }
    }
    const Figures h = figuresOf(handler);
    const Figures p = figuresOf(painted);
    out << "letter key to last medium shown, " << kRuns << " keys ("
        << videos << " with the sign video shown)\n";
    out << QStringLiteral("  handler:         median %1 ms, p90 %2 ms, max %3 ms\n")
               .arg(h.median, 0, 'f', 2).arg(h.p90, 0, 'f', 2).arg(h.max, 0, 'f', 2);
    out << QStringLiteral("  handler + paint: median %1 ms, p90 %2 ms, max %3 ms\n")
               .arg(p.median, 0, 'f', 2).arg(p.p90, 0, 'f', 2).arg(p.max, 0, 'f', 2);
    if (!firstFrame.isEmpty()) {
        const Figures v = figuresOf(firstFrame);
        out << QStringLiteral("  key to first video frame painted (%1 clips): median %2 ms, p90 %3 ms, max %4 ms\n")
                   .arg(firstFrame.size()).arg(v.median, 0, 'f', 2).arg(v.p90, 0, 'f', 2).arg(v.max, 0, 'f', 2);
    }
    return 0;
}
