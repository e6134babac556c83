// One PC of a class on the school's server, started by bench_schoolserver:
// the program's store as the program uses it (the home's connection file,
// the link to the server, the letter and word draws, the answer log through
// the outbox), one draw and one answer every interval.
//   bench_pc HOME CHILD DRAWS INTERVAL_MS REPORT
// It prints "ready" once connected (and its copy of the server made), starts
// on a line on its standard input, and writes to REPORT one line per draw
// ("draw EPOCH_MS MS 1|0"), per answer ("answer UID EPOCH_MS"), per change of the
// server's state ("online 1|0 EPOCH_MS") and at the end "outbox LEFT".
#include "answerlog.h"
#include "config.h"
#include "contentlists.h"
#include "databaseconnection.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <QUuid>
#include <cstdio>

namespace {
// No adult to ask: every message goes to the log, and the copy is taken.
class LogReporter : public DatabaseConnection::Reporter
{
public:
    void cannotOpen(const QString& path) override { qWarning("cannot open %s", qPrintable(path)); }
    bool damaged(const QString& path, const QString& problem, const QString&) override
    {
        qWarning("damaged %s: %s", qPrintable(path), qPrintable(problem));
        return false;
    }
    void restoreFailed(const QString&, const QString& path) override { qWarning("restore failed %s", qPrintable(path)); }
    void upgradeFailed(const QString& path, bool) override { qWarning("upgrade failed %s", qPrintable(path)); }
    void mediaFolderMissing(const QString& folder, const QString&) override
    {
        qWarning("no media folder %s", qPrintable(folder));
    }
    void serverConfigExposed(const QString& file) override { qWarning("exposed %s", qPrintable(file)); }
    void cannotReachServer(const QString& file, const QString& server) override
    {
        qWarning("%s: cannot reach %s", qPrintable(file), qPrintable(server));
    }
    void serverSchemaDiffers(const QString& server, int serverVersion, int programVersion) override
    {
        qWarning("%s: schema %d, program %d", qPrintable(server), serverVersion, programVersion);
    }
    bool offerLastCopy(const QString&, const QString&, const QDateTime&) override { return true; }
};
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6) {
        qWarning("usage: bench_pc HOME CHILD DRAWS INTERVAL_MS REPORT");
        return 2;
    }
    const QString home = args.at(1);
    const int child = args.at(2).toInt();
    const int draws = args.at(3).toInt();
    QFile reportFile(args.at(5));
    if (!reportFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream report(&reportFile);

    LogReporter reporter;
    DatabaseConnection connection(home + QStringLiteral("/data/bd"), reporter, home + QStringLiteral("/no-system.conf"));
    ServerLink* link = connection.link();
    if (!connection.isOpen() || !link)
        return 1;
    // The copy a PC makes at login, before the class begins.
    link->waitForThreads();
    Language language;
    if (!language.loadById(1))
        return 1;
    Config settings;
    settings.language = &language;
    LetterList letters;
    WordList words;
    AnswerLog log;
    log.useServer(link->uri(), link->outboxPath());
    // As the window does: what waits is sent as soon as the server is back.
    QObject::connect(link, &ServerLink::onlineChanged, [&](bool online) {
        report << "online " << int(online) << ' ' << QDateTime::currentMSecsSinceEpoch() << '\n';
        if (online)
            log.deliver();
    });
    QObject::connect(link, &ServerLink::reconnected, [&] { log.deliver(); });

    std::puts("ready");
    std::fflush(stdout);
    char line[16];
    if (!std::fgets(line, sizeof line, stdin))
        return 1;

    int done = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(args.at(4).toInt());
    QObject::connect(&tick, &QTimer::timeout, [&] {
        // A round's draw, as an exercise makes it: a letter, then a word of it.
        const qint64 at = QDateTime::currentMSecsSinceEpoch();
        QElapsedTimer timer;
        timer.start();
        letters.selectRandom(settings, &language);
        letters.reset();
        Letter letter;
        const Word* word = nullptr;
        if (const Letter* drawn = letters.next()) {
            letter = *drawn;
            words.selectRandom(settings, &letter);
            words.reset();
            word = words.next();
        }
        report << "draw " << at << ' ' << timer.nsecsElapsed() / 1e6 << ' ' << int(word != nullptr) << '\n';
        if (word) {
            Answer answer;
            answer.userId = child;
            answer.languageId = language.id;
            answer.activity = 21;
            answer.expected = letter.name;
            answer.word = word->name;
            answer.typed = letter.name;
            answer.correct = true;
            answer.elapsedMs = 1500;
            answer.answeredAt = QDateTime::currentDateTime();
            answer.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
            log.record(answer);
            report << "answer " << answer.uid << ' ' << QDateTime::currentMSecsSinceEpoch() << '\n';
        }
        if (++done == draws) {
            tick.stop();
            app.quit();
        }
    });
    tick.start();
    app.exec();

    // The class is over: wait (bounded) until the outbox says it is empty.
    log.flush();
    QElapsedTimer waited;
    waited.start();
    while (log.waiting() > 0 && waited.elapsed() < 60000) {
        QTimer::singleShot(100, &app, &QCoreApplication::quit);
        app.exec();
    }
    report << "outbox " << log.waiting() << '\n';
    return 0;
}
