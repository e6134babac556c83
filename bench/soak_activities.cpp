// Soak run: many thousands of random keys and clicks across every activity
// on the default content pack. Checks that the event loop keeps answering
// and that memory stays flat after a warm-up; prints the figures and exits
// non-zero when either goal is missed.
//
//   build/bench/soak_activities [steps] [seed] [program home]
#include "inputdialog.h"
#include "abstractactivity.h"
#include "mainwindow.h"
#include "menuwidget.h"
#include "programhome.h"
#include "sequencewidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTextStream>
#include <QTimer>

namespace {
// The code of the activity on screen, 0 on the menus.
int activityOn(const MainWindow& window)
{
    const auto* activity = window.findChild<AbstractActivity*>();
    return activity ? activity->code() : 0;
}

constexpr qint64 kMaxGrowthKb = 30 * 1024;
constexpr qint64 kMaxAnswerMs = 500;

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
} // namespace

int main(int argc, char** argv)
{
    useBenchEnvironment();
    QApplication app(argc, argv);
    const int steps = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    const quint32 seed = argc > 2 ? QString::fromLocal8Bit(argv[2]).toUInt() : 7;
    const QString pack = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral(OL_PACK_HOME);
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

    MainWindow window;
    home.signIn(window);
    // Quick clocks, so that rounds and sequences turn over during the run.
    window.findChild<SequenceWidget*>(QStringLiteral("handSequence"))->frameInterval = 15;
    window.findChild<SequenceWidget*>(QStringLiteral("flusSequence"))->frameInterval = 15;
    window.findChild<SequenceWidget*>(QStringLiteral("storySequence"))->frameInterval = 40;
    window.setAnswerPause(40);

    // Entries that open dialogs or end the program stay out of the run.
    const QList<MenuWidget*> excluded = {window.findChild<MenuWidget*>(QStringLiteral("userButton")), window.findChild<MenuWidget*>(QStringLiteral("configButton")), window.findChild<MenuWidget*>(QStringLiteral("adminButton")),
                                         window.findChild<MenuWidget*>(QStringLiteral("exitButton")), window.findChild<MenuWidget*>(QStringLiteral("helpButton")), window.findChild<MenuWidget*>(QStringLiteral("fileButton"))};
    QList<MenuWidget*> buttons;
    for (MenuWidget* button : window.findChildren<MenuWidget*>()) {
        if (!excluded.contains(button))
            buttons << button;
    }
    const QList<QPair<int, QString>> keys = {
        {Qt::Key_A, "a"}, {Qt::Key_B, "b"}, {Qt::Key_C, "c"}, {Qt::Key_E, "e"}, {Qt::Key_L, "l"},
        {Qt::Key_M, "m"}, {Qt::Key_O, "o"}, {Qt::Key_P, "p"}, {Qt::Key_S, "s"}, {Qt::Key_T, "t"},
        {Qt::Key_Z, "z"}, {Qt::Key_Ntilde, QStringLiteral("ñ")}, {Qt::Key_Comma, ","},
        {Qt::Key_Period, "."}, {Qt::Key_Space, " "}, {Qt::Key_Space, " "}, {Qt::Key_Space, " "},
        {Qt::Key_Return, "\r"}, {Qt::Key_Shift, ""}, {Qt::Key_1, "1"}, {Qt::Key_Backspace, "\b"}};

    QRandomGenerator random(seed);
    qint64 warmKb = 0;
    qint64 lowKb = 0;
    qint64 highKb = 0;
    qint64 worstAnswer = 0;
    QElapsedTimer clock;
    clock.start();
    for (int step = 1; step <= steps; ++step) {
        const int roll = int(random.bounded(100));
        if (roll < 70) {
            const auto& key = keys.at(int(random.bounded(int(keys.size()))));
            release(&window, key.first, key.second,
                    random.bounded(20) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        } else if (roll < 95) {
            MenuWidget* button = buttons.at(int(random.bounded(int(buttons.size()))));
            if (button->isVisible())
                click(button);
        } else if (roll < 98) {
            click(window.findChild<SequenceWidget*>(QStringLiteral("handSequence")));
        } else {
            click(window.findChild<SequenceWidget*>(QStringLiteral("storySequence")));
        }
        QApplication::processEvents(QEventLoop::AllEvents, 2);

        if (step % 500 == 0) {
            worstAnswer = qMax(worstAnswer, answerTime());
            const qint64 kb = residentKb();
            if (warmKb == 0 && step >= steps / 5)
                warmKb = lowKb = highKb = kb;
            if (warmKb > 0) {
                lowKb = qMin(lowKb, kb);
                highKb = qMax(highKb, kb);
            }
            out << "step " << step << ": rss " << kb / 1024 << " MB, activity "
                << activityOn(window) << ", " << clock.elapsed() / 1000 << " s\n";
            out.flush();
        }
    }
    const qint64 growth = highKb - warmKb;
    out << "steps " << steps << ", seed " << seed << ", " << clock.elapsed() / 1000 << " s\n";
    out << "rss after warm-up " << warmKb / 1024 << " MB, range " << lowKb / 1024 << "-"
        << highKb / 1024 << " MB, growth " << growth << " kB\n";
    out << "slowest answer of the event loop " << worstAnswer << " ms\n";
    const bool ok = growth <= kMaxGrowthKb && worstAnswer <= kMaxAnswerMs;
    out << (ok ? "soak: ok\n" : "soak: FAILED\n");
    return ok ? 0 : 1;
}
