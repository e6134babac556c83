// The adults' corner: the record of answers, the progress report and the
// PIN before the adult entries.
#include "mainwindow.h"

#include "pindialog.h"
#include "progressdialog.h"

void MainWindow::recordAnswer(const QString& expected, const QString& typed, bool right)
{
    if (!currentUser || !currentLanguage)
        return;
    Answer answer;
    answer.userId = currentUser->id;
    answer.languageId = currentLanguage->id;
    answer.activity = activeActivity;
    answer.expected = expected.toUpper();
    answer.word = round.word() ? round.word()->name : QString();
    answer.typed = typed.toUpper();
    answer.correct = right;
    answer.attempt = round.errors + 1;
    answer.elapsedMs = questionClock.isValid() ? int(questionClock.elapsed()) : 0;
    answer.answeredAt = QDateTime::currentDateTime();
    // A failed write is counted for the report; the round goes on.
    answerLog.record(answer);
    // Each letter of a typed word is a question of its own.
    if (right && activeActivity == 31)
        questionClock.start();
}

bool MainWindow::adultAllowed()
{
    return PinDialog::allow(this);
}

void MainWindow::slotProgreso()
{
    if (!currentLanguage || !adultAllowed())
        return;
    auto* dialog = new ProgressDialog(currentLanguage->id, currentUser ? currentUser->id : 0,
                                      &answerLog, this);
    dialog->setWindowFlag(Qt::Window);
    dialog->show();
}
