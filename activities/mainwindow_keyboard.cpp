// Keys: letters, space, Return, Escape, and the typing exercise.
#include "mainwindow.h"

#include "activitycodes.h"
#include "keyboardmanager.h"
#include "sequencewidget.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>

namespace {
bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Dead_Acute:
    case Qt::Key_Dead_Grave:
    case Qt::Key_Dead_Diaeresis:
    case Qt::Key_Dead_Circumflex:
    case Qt::Key_Dead_Tilde:
        return true;
    default:
        return false;
    }
}
} // namespace

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    keyRepeats.pressed(event->key(), event->timestamp(), event->isAutoRepeat());
    QMainWindow::keyPressEvent(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event)
{
    // A held key is one key: its auto-repeat never answers or presents again.
    if (!keyRepeats.released(event->key(), event->timestamp(), event->isAutoRepeat()))
        return;
    // Escape, and every key while the start-up videos or the credits show
    // (also after a visit to the stories).
    if (handleShellKey(event))
        return;
    if (activeSubMenu == Activity::StoriesSubMenu)
        return;
    const QString text = event->text().toLower();
    const int key = event->key();
    // Escape has nothing to end here (it may come from closing the user
    // dialog), and a modifier or a dead key alone is half a key.
    if (key == Qt::Key_Escape || isModifierKey(key))
        return;

    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (activeActivity == Activity::TypeWord)
            judgeWordSoFar();
        return;
    }
    if (key == Qt::Key_Space) {
        if (!wordHidden) {
            if (presentation.spelling)
                Q_EMIT signalNextLetter();
            else if (presentation.waitingForStep)
                Q_EMIT signalNextStep();
        }
        return;
    }

    const bool useCh = languageSetting(SettingKey::UseCh) != 0;
    const bool useLl = languageSetting(SettingKey::UseLl) != 0;
    const bool exercise = Activity::isExercise(activeActivity);
    const bool letterKey = exercise ? ExerciseRound::isAnswerKey(text, useCh, useLl)
                                    : KeyboardManager::isLetterKey(text, useCh, useLl);
    if (!letterKey) {
        noWordsWarning->hide();
        noRepetitionWarning->hide();
        // Any other key clears a waiting presentation; an exercise round
        // goes on whatever else is pressed.
        if (!exercise && round.accepting && !presentation.spelling) {
            stopActivity();
            if (Activity::isPresentation(activeActivity))
                showPrompt(QStringLiteral("ui/indicacion-tecla.png"));
        }
        return;
    }
    if (!handSequence->isStopped() || !currentLanguage || !currentUser)
        return;
    QString letter = text;
    if (useCh && letter == QLatin1String(","))
        letter = QStringLiteral("ch");
    else if (useLl && letter == QLatin1String("."))
        letter = QStringLiteral("ll");
    // Shift types a capital, AltGr a letter of its own: both are letters.
    const Qt::KeyboardModifiers letterModifiers =
        Qt::ShiftModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier;
    if (event->modifiers() & ~letterModifiers || !round.accepting)
        return;
    if (exercise) {
        // A letter the language has no words for is still an answer.
        if (!selectTypedLetter(letter)) {
            typedLetterRecord = std::make_unique<Letter>();
            typedLetterRecord->name = letter.toUpper();
            currentLetter = typedLetterRecord.get();
        }
        clearForAnswer();
        slotLetter(false);
        return;
    }
    stopActivity();
    if (selectTypedLetter(letter)) {
        slotLetter(false);
    } else {
        noWordsWarning->raise();
        noWordsWarning->show();
    }
}

bool MainWindow::selectTypedLetter(const QString& text)
{
    if (!currentLanguage || !currentUser)
        return false;
    auto letter = std::make_unique<Letter>();
    if (!letter->loadByName(text, currentLanguage))
        return false;
    if (Activity::isPresentation(activeActivity) && !settings.isLetterAllowed(letter->id))
        return false;
    typedLetterRecord = std::move(letter);
    currentLetter = typedLetterRecord.get();
    return true;
}

void MainWindow::typeLetter(const QString& key)
{
    const QString& name = round.word()->name;
    const LetterRules rules = letterRules();
    QString written;
    int pos = round.cursor;
    const QString asked = ExerciseRound::letterAt(name, pos, &written, rules);
    // Blanks are not typed: they join the typed text by themselves.
    round.typed += name.mid(round.cursor, pos - round.cursor);
    round.cursor = pos;
    if (asked.isEmpty()) {
        checkTypedWord();
        return;
    }
    round.expected = asked;

    const QString typed = round.pending + key;
    const ExerciseRound::Verdict verdict = ExerciseRound::judgeKey(asked, key, round.pending, rules);
    if (verdict != ExerciseRound::Wait)
        recordAnswer(asked, typed, verdict == ExerciseRound::Right);
    switch (verdict) {
    case ExerciseRound::Wait:
        return;
    case ExerciseRound::Wrong:
        slotOrientation();
        round.errors += 1;
        slotNegativeFeedback();
        break;
    case ExerciseRound::Right: {
        const int k = round.cursor - LetterText::digraphsBefore(name, round.cursor, rules);
        round.typed += written;
        round.errors = 0;
        int imagePos = round.cursor;
        const QString image = LetterText::letterImageName(name, imagePos, true, rules);
        if (k < letterLabels.size())
            replaceLetterImage(letterLabels.at(k), systemMediaPath() + QStringLiteral("cooper/"),
                               image);
        round.cursor = ExerciseRound::advance(name, round.cursor, rules);
        hideOrientation();
        slotPositiveFeedback();
        if (ExerciseRound::isComplete(name, round.cursor)) {
            round.typed += name.mid(round.cursor);
            round.cursor = int(name.size());
            checkTypedWord();
            return;
        }
        int next = round.cursor;
        round.expected = ExerciseRound::letterAt(name, next, nullptr, rules);
        updateDoubleLetterHint();
        break;
    }
    }

    if (round.errors > 2)
        showTypedAnswer();
}

void MainWindow::showTypedAnswer()
{
    round.errors = 0;
    round.cursor = 0;
    round.accepting = false;
    updateDoubleLetterHint();
    hideLetterLabels(true);
    slotObjectWord(round.word());
    hideOrientation();
    feedbackLabel->hide();
    round.typed.clear();
    slotSign();
    waitForAnswerEnd();
}

void MainWindow::judgeWordSoFar()
{
    // Return judges the word typed so far; what is typed stays typed.
    if (!round.accepting || !round.word())
        return;
    const QString& name = round.word()->name;
    if (ExerciseRound::isComplete(name, round.cursor))
        return;
    round.pending.clear();
    int pos = round.cursor;
    round.expected = ExerciseRound::letterAt(name, pos, nullptr, letterRules());
    round.errors += 1;
    slotNegativeFeedback();
    slotOrientation();
    if (round.errors > 2)
        showTypedAnswer();
}

void MainWindow::checkTypedWord()
{
    if (activeActivity != Activity::TypeWord || !round.word())
        return;
    if (round.typed.toUpper() == round.word()->name.toUpper()) {
        round.errors = 0;
        round.cursor = 0;
        slotCorrect();
    } else {
        slotWrong();
    }
    round.typed.clear();
}
