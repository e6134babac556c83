// Soak run: random keys and clicks across every activity on the default
// content pack, at a child's pace or faster and in real time, so that rounds,
// answer pauses, videos and hand sequences really run between the events.
// Checks that the event loop keeps answering and that memory stays flat after
// a warm-up, reports what the run covered (watched through the window's
// widgets, their signals and the answer record), and exits non-zero when a
// goal is missed or the run covered nothing.
//
//   build/bench/soak_activities [seconds] [mean pause ms] [seed] [program home]
#include "menuwidget.h"
#include "programhome.h"
#include "sequencewidget.h"
#include "videoplayer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMap>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlQuery>
#include <QTextStream>
#include <QTimer>

namespace {
constexpr qint64 kMaxGrowthKb = 30 * 1024;
constexpr qint64 kMaxAnswerMs = 500;

// AddressSanitizer keeps freed memory in quarantine: resident memory then
// says nothing about leaks.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryMeaningful = false;
#else
constexpr bool kMemoryMeaningful = true;
#endif

// How long a queued call waits for the event loop.
qint64 answerTime()
{
    QElapsedTimer timer;
    timer.start();
    bool answered = false;
    QTimer::singleShot(0, [&answered] { answered = true; });
    while (!answered && timer.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return timer.elapsed();
}

// Lets the program run on its own: timers, videos and sequences advance.
void idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void release(QWidget* target, int key, const QString& text, Qt::KeyboardModifiers modifiers = {})
{
    QKeyEvent event(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &event);
}

void click(QWidget* target)
{
    const QPointF centre(target->width() / 2.0, target->height() / 2.0);
    QMouseEvent event(QEvent::MouseButtonRelease, centre, target->mapToGlobal(centre),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// What the child saw happen, from the window's widgets and their signals.
struct Coverage
{
    QSet<QByteArray> titles; // activity title pictures shown
    int activityStarts = 0;  // times the title changed
    QMap<QString, int> clicks;
    int videosShown = 0;
    int videosEnded = 0;
    int videosCut = 0; // ended by the watchdog or an error
    QMap<QString, int> sequencesFinished;
    qint64 lastTitleKey = 0;

    void watchTitle(const QLabel* title)
    {
        const QPixmap picture = title->pixmap();
        if (!title->isVisible() || picture.isNull() || picture.cacheKey() == lastTitleKey)
            return;
        lastTitleKey = picture.cacheKey();
        const QImage image = picture.toImage();
        titles.insert(QCryptographicHash::hash(
            QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Md5));
        ++activityStarts;
    }
};
} // namespace

int main(int argc, char** argv)
{
    useBenchEnvironment();
    QApplication app(argc, argv);
    const auto argument = [argc, argv](int i, qint64 fallback) {
        return argc > i ? QString::fromLocal8Bit(argv[i]).toLongLong() : fallback;
    };
    const qint64 seconds = argument(1, 900);
    const int meanPause = int(argument(2, 250));
    const auto seed = quint32(argument(3, 7));
    const QString pack = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral(OL_PACK_HOME);
    QTextStream out(stdout);
    ProgramHome home(pack);
    if (!home.isValid()) {
        out << "no content pack at " << pack << "\n";
        return 1;
    }

    // Any message box (an empty pool) is answered at once.
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->done(QMessageBox::Ok);
    });
    boxes.start(20);

    Coverage seen;
    qint64 events = 0;
    qint64 warmKb = 0;
    qint64 lowKb = 0;
    qint64 highKb = 0;
    qint64 worstAnswer = 0;
    qint64 worstEvent = 0;
    QElapsedTimer clock;
    {
        MainWindow window;
        home.signIn(window);
        // Everything runs at the program's own clocks; the widgets are found
        // by name, as a test finds them.
        auto* title = window.findChild<QLabel*>(QStringLiteral("titleLabel"));
        auto* player = window.findChild<VideoPlayer*>(QStringLiteral("videoPlayer"));
        QList<SequenceWidget*> sequences;
        for (const char* name : {"handSequence", "flusSequence", "storySequence"})
            sequences << window.findChild<SequenceWidget*>(QLatin1String(name));
        if (!title || !player || sequences.contains(nullptr)) {
            out << "the window lacks a widget the run watches\n";
            return 1;
        }
        QObject::connect(player, &VideoPlayer::firstFrameShown, [&seen] { ++seen.videosShown; });
        QObject::connect(player, &VideoPlayer::finished, [&seen, player] {
            ++(player->reachedEnd() ? seen.videosEnded : seen.videosCut);
        });
        for (SequenceWidget* sequence : std::as_const(sequences)) {
            const QString name = sequence->objectName();
            QObject::connect(sequence, &SequenceWidget::signalFinished,
                             [&seen, name] { ++seen.sequencesFinished[name]; });
        }

        // Entries that open dialogs or end the program stay out of the run.
        const QStringList excluded = {"userButton", "configButton", "adminButton",
                                      "exitButton", "helpButton",   "fileButton",
                                      "progressButton"};
        QList<MenuWidget*> buttons;
        for (MenuWidget* button : window.findChildren<MenuWidget*>()) {
            if (!excluded.contains(button->objectName()))
                buttons << button;
        }
        const QList<QPair<int, QString>> keys = {
            {Qt::Key_A, "a"}, {Qt::Key_B, "b"}, {Qt::Key_C, "c"}, {Qt::Key_E, "e"},
            {Qt::Key_I, "i"}, {Qt::Key_L, "l"}, {Qt::Key_M, "m"}, {Qt::Key_O, "o"},
            {Qt::Key_P, "p"}, {Qt::Key_S, "s"}, {Qt::Key_T, "t"}, {Qt::Key_U, "u"},
            {Qt::Key_Z, "z"}, {Qt::Key_Ntilde, QStringLiteral("ñ")}, {Qt::Key_Comma, ","},
            {Qt::Key_Period, "."}, {Qt::Key_Space, " "}, {Qt::Key_Space, " "},
            {Qt::Key_Space, " "}, {Qt::Key_Return, "\r"}, {Qt::Key_Shift, ""}, {Qt::Key_1, "1"},
            {Qt::Key_Backspace, "\b"}};

        QRandomGenerator random(seed);
        const qint64 warmUpMs = seconds * 1000 / 5;
        qint64 nextReport = 60000;
        clock.start();
        while (clock.elapsed() < seconds * 1000) {
            QElapsedTimer handler;
            handler.start();
            // In an activity (its title on show) a child mostly presses keys;
            // between activities they click through the menus.
            const bool inActivity = title->isVisible();
            const int roll = int(random.bounded(100));
            if (inActivity ? roll < 90 : roll < 40) {
                const auto& key = keys.at(int(random.bounded(int(keys.size()))));
                release(&window, key.first, key.second,
                        random.bounded(20) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
            } else if (inActivity ? roll < 92 : roll < 97) {
                // A child clicks what is on screen, most of all the entries
                // that start an activity or a story.
                QList<MenuWidget*> shown;
                for (MenuWidget* button : std::as_const(buttons)) {
                    if (!button->isVisible())
                        continue;
                    const bool starts = button->objectName().startsWith(QLatin1String("subSub"))
                                        || button->objectName().startsWith(QLatin1String("story"));
                    for (int i = starts ? 4 : 1; i > 0; --i)
                        shown << button;
                }
                if (!shown.isEmpty()) {
                    MenuWidget* button = shown.at(int(random.bounded(int(shown.size()))));
                    click(button);
                    ++seen.clicks[button->objectName()];
                }
            } else if (roll < 97) {
                SequenceWidget* sequence = sequences.at(int(random.bounded(3)));
                if (sequence->isVisible())
                    click(sequence);
            } else if (player->isVisible()) {
                click(player);
            }
            worstEvent = qMax(worstEvent, handler.elapsed());
            ++events;
            seen.watchTitle(title);
            // Between events the program runs on its own; now and then the
            // child stops to watch for a few seconds.
            idle(random.bounded(30) == 0 ? 1000 + int(random.bounded(4000))
                                         : int(random.bounded(2 * meanPause + 1)));
            seen.watchTitle(title);

            if (clock.elapsed() >= nextReport) {
                nextReport += 60000;
                worstAnswer = qMax(worstAnswer, answerTime());
                const qint64 kb = residentKb();
                if (warmKb == 0 && clock.elapsed() >= warmUpMs)
                    warmKb = lowKb = highKb = kb;
                if (warmKb > 0) {
                    lowKb = qMin(lowKb, kb);
                    highKb = qMax(highKb, kb);
                }
                out << clock.elapsed() / 1000 << " s: " << events << " events, rss " << kb / 1024
                    << " MB, " << seen.titles.size() << " activities, " << seen.videosEnded
                    << " videos ended\n";
                out.flush();
            }
        }
        worstAnswer = qMax(worstAnswer, answerTime());
    } // the window goes: its answer record is written out

    out << "seconds " << clock.elapsed() / 1000 << ", events " << events << " (mean pause "
        << meanPause << " ms), seed " << seed << "\n";
    out << "activities shown " << seen.titles.size() << " (" << seen.activityStarts
        << " starts); clicks";
    for (auto it = seen.clicks.cbegin(); it != seen.clicks.cend(); ++it)
        out << " " << it.key() << " " << it.value();
    out << "\nvideos: " << seen.videosShown << " shown, " << seen.videosEnded
        << " played to the end, " << seen.videosCut << " ended by the watchdog or an error\n";
    out << "sequences finished:";
    for (auto it = seen.sequencesFinished.cbegin(); it != seen.sequencesFinished.cend(); ++it)
        out << " " << it.key() << " " << it.value();
    out << "\n";

    // What landed in the child's record, by activity.
    QSqlQuery answers;
    answers.prepare(QStringLiteral(
        "SELECT activity, COUNT(*), SUM(correct), SUM(correct = 1 OR attempt >= 3) "
        "FROM answer_log WHERE id_user = :user GROUP BY activity ORDER BY activity"));
    answers.bindValue(QStringLiteral(":user"), home.user.id);
    int answered = 0;
    int rounds = 0;
    out << "answers recorded (activity: answers, right, rounds ended):";
    if (answers.exec()) {
        while (answers.next()) {
            out << " " << answers.value(0).toInt() << ": " << answers.value(1).toInt() << ", "
                << answers.value(2).toInt() << ", " << answers.value(3).toInt() << ";";
            answered += answers.value(1).toInt();
            rounds += answers.value(3).toInt();
        }
    } else {
        out << " unreadable";
    }
    out << "\nanswers " << answered << ", rounds ended " << rounds << "\n";

    const qint64 growth = highKb - warmKb;
    out << "rss after warm-up " << warmKb / 1024 << " MB, range " << lowKb / 1024 << "-"
        << highKb / 1024 << " MB, growth " << growth << " kB"
        << (kMemoryMeaningful ? "" : " (not judged under AddressSanitizer)") << "\n";
    out << "slowest answer of the event loop " << worstAnswer << " ms, slowest event "
        << worstEvent << " ms\n";
    const bool covered = !seen.titles.isEmpty() && seen.videosEnded > 0 && answered > 0;
    const bool ok = covered && worstAnswer <= kMaxAnswerMs
                    && (!kMemoryMeaningful || growth <= kMaxGrowthKb);
    out << (ok ? "soak: ok\n" : covered ? "soak: FAILED\n" : "soak: FAILED (covered nothing)\n");
    return ok ? 0 : 1;
}
