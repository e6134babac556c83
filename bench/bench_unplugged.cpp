// A lesson on a school's server whose network cable is pulled for a minute:
// "te presento palabras" (activity 20, stop-motion off) with a letter key
// every 250 ms, on the default content pack copied onto a PostgreSQL
// server of the benchmark's own, reached over a TCP cable that is pulled
// (the server stops answering, nothing is closed) and plugged in again.
// Prints, for before, during and after the pull, the time from a key to
// the last medium shown (the key's handler) and to the paint that follows,
// and when the window showed it works offline and online again.
//
//   build/bench/bench_unplugged [seconds before] [seconds pulled] [seconds after] [program home]
#include "mainwindow.h"
#include "programhome.h"
#include "testcable.h"
#include "testserver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QTextStream>
#include <algorithm>

namespace {
struct Phase
{
    const char* name;
    QList<double> handler;
    QList<double> painted;
};

QString figures(QList<double> ms)
{
    if (ms.isEmpty())
        return QStringLiteral("no keys");
    std::sort(ms.begin(), ms.end());
    return QStringLiteral("median %1 ms, p99 %2 ms, max %3 ms (%4 keys)")
        .arg(ms.at(ms.size() / 2), 0, 'f', 2)
        .arg(ms.at(std::min<qsizetype>(ms.size() - 1, ms.size() * 99 / 100)), 0, 'f', 2)
        .arg(ms.last(), 0, 'f', 2)
        .arg(ms.size());
}
} // namespace

int main(int argc, char** argv)
{
    useBenchEnvironment();
    QApplication app(argc, argv);
    const auto seconds = [&](int index, int fallback) {
        return argc > index ? QString::fromLocal8Bit(argv[index]).toInt() : fallback;
    };
    const int before = seconds(1, 30), pulled = seconds(2, 60), after = seconds(3, 30);
    const QString pack = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral(OL_PACK_HOME);
    QTextStream out(stdout);
    ProgramHome home(pack);
    TestServer server;
    if (!home.isValid() || !server.isValid()) {
        out << "no content pack at " << pack << " or no server: " << server.error() << "\n";
        return 1;
    }
    const QString data = qEnvironmentVariable("ONDALIRA_HOME") + QStringLiteral("/data/");
    Database::closeDefault();
    const QString uri = server.createDatabase(data + QStringLiteral("bd"));
    TestCable cable(server.socketPath());
    QFile conf(data + QStringLiteral("server.conf"));
    if (uri.isEmpty() || !conf.open(QIODevice::WriteOnly)) {
        out << "the server could not be filled: " << server.error() << "\n";
        return 1;
    }
    conf.write(QStringLiteral("database=%1\n").arg(TestServer::throughCable(uri, cable.port())).toUtf8());
    conf.close();
    conf.setPermissions(QFile::ReadOwner | QFile::WriteOwner);

    MainWindow window;
    home.signIn(window);
    window.menu(100);
    window.subMenu(100);
    window.subSubMenu(100);
    const QLabel* offline = window.findChild<QLabel*>(QStringLiteral("offlineIndicator"));

    const QList<QPair<int, QString>> keys = {
        {Qt::Key_A, "a"}, {Qt::Key_B, "b"}, {Qt::Key_C, "c"}, {Qt::Key_D, "d"}, {Qt::Key_E, "e"},
        {Qt::Key_M, "m"}, {Qt::Key_P, "p"}, {Qt::Key_S, "s"}, {Qt::Key_L, "l"}, {Qt::Key_T, "t"}};
    Phase phases[] = {{"cable in", {}, {}}, {"cable pulled", {}, {}}, {"cable in again", {}, {}}};
    qint64 pulledAt = -1, offlineSeen = -1, pluggedAt = -1, onlineSeen = -1;
    QElapsedTimer lesson;
    lesson.start();
    int run = 0;
    while (lesson.elapsed() < qint64(before + pulled + after) * 1000) {
        const qint64 now = lesson.elapsed();
        int phase = now < before * 1000 ? 0 : now < (before + pulled) * 1000 ? 1 : 2;
        if (phase == 1 && pulledAt < 0) {
            cable.pull();
            pulledAt = now;
        }
        if (phase == 2 && pluggedAt < 0) {
            cable.plugIn();
            pluggedAt = now;
        }
        const auto& key = keys.at(run++ % keys.size());
        QKeyEvent event(QEvent::KeyRelease, key.first, Qt::NoModifier, key.second);
        QElapsedTimer timer;
        timer.start();
        QApplication::sendEvent(&window, &event);
        phases[phase].handler << timer.nsecsElapsed() / 1e6;
        QApplication::processEvents();
        phases[phase].painted << timer.nsecsElapsed() / 1e6;
        // A child's pace: the next key a quarter of a second later.
        while (timer.elapsed() < 250)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (pulledAt >= 0 && offlineSeen < 0 && offline->isVisible())
            offlineSeen = lesson.elapsed();
        if (pluggedAt >= 0 && onlineSeen < 0 && !offline->isVisible())
            onlineSeen = lesson.elapsed();
    }
    out << "letter key to last medium shown, a key every 250 ms\n";
    for (const Phase& phase : phases) {
        out << "  " << phase.name << ":\n";
        out << "    handler:         " << figures(phase.handler) << "\n";
        out << "    handler + paint: " << figures(phase.painted) << "\n";
    }
    out << "offline shown " << (offlineSeen < 0 ? -1 : offlineSeen - pulledAt) << " ms after the pull, online again "
        << (onlineSeen < 0 ? -1 : onlineSeen - pluggedAt) << " ms after the cable was back\n";
    return 0;
}
