#include "writingexercise.h"

#include "lessoncontext.h"
#include "randomint.h"
#include "stage.h"
#include "word.h"

WritingExercise::WritingExercise(int code, bool wholeWord, Stage& stage, LessonContext& context)
    : ExerciseActivity(code, stage, context)
    , wholeWord(wholeWord)
{
}

void WritingExercise::poseQuestion()
{
    const LetterRules rules = context.letterRules();
    const QString& name = round.word()->name;
    if (wholeWord) {
        stage.drawWord(name, rules, QStringLiteral("blank/"));
        int pos = 0;
        round.expected = ExerciseRound::letterAt(name, pos, nullptr, rules);
    } else {
        stage.drawWord(name, rules, QStringLiteral("cooper/"));
        const int pos = LetterText::pickLetterOfWord(name, round.expected, rules, randomInt);
        stage.blankLetterOf(name, pos, rules);
    }
    stage.showPicture(round.word());
}

void WritingExercise::playAnswer()
{
    stage.playVideo(answerVideo());
}

void WritingExercise::answerKey(const QString& key)
{
    if (!wholeWord) {
        ExerciseActivity::answerKey(key);
        return;
    }
    if (!round.accepting || !round.letter() || !round.word())
        return;
    round.lastKey = key;
    typeLetter(key);
}

void WritingExercise::returnKey()
{
    if (wholeWord)
        judgeWordSoFar();
}

void WritingExercise::typeLetter(const QString& key)
{
    const QString& name = round.word()->name;
    const LetterRules rules = context.letterRules();
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
    switch (verdict) {
    case ExerciseRound::Wait:
        return;
    case ExerciseRound::Wrong:
        judged(asked, typed, false);
        showOrientation();
        round.errors += 1;
        stage.showFeedback(QStringLiteral("wrong"));
        break;
    case ExerciseRound::Right: {
        judged(asked, typed, true);
        // Each letter of the word is a question of its own.
        questionClock.start();
        const int k = round.cursor - LetterText::digraphsBefore(name, round.cursor, rules);
        round.typed += written;
        round.errors = 0;
        int imagePos = round.cursor;
        stage.replaceLetter(k, QStringLiteral("cooper/"),
                            LetterText::letterImageName(name, imagePos, true, rules));
        round.cursor = ExerciseRound::advance(name, round.cursor, rules);
        stage.hideOrientation();
        stage.showFeedback(QStringLiteral("good"));
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

void WritingExercise::showTypedAnswer()
{
    round.errors = 0;
    round.cursor = 0;
    round.accepting = false;
    updateDoubleLetterHint();
    stage.hideLetters(true);
    stage.drawWord(round.word()->name, context.letterRules(), QStringLiteral("cooper/"));
    stage.hideOrientation();
    stage.hideFeedback();
    round.typed.clear();
    playAnswer();
    waitForAnswerEnd();
}

void WritingExercise::judgeWordSoFar()
{
    // Return judges the word typed so far; what is typed stays typed.
    if (!round.accepting || !round.word())
        return;
    const QString& name = round.word()->name;
    if (ExerciseRound::isComplete(name, round.cursor))
        return;
    round.pending.clear();
    int pos = round.cursor;
    round.expected = ExerciseRound::letterAt(name, pos, nullptr, context.letterRules());
    round.errors += 1;
    stage.showFeedback(QStringLiteral("wrong"));
    showOrientation();
    if (round.errors > 2)
        showTypedAnswer();
}

void WritingExercise::checkTypedWord()
{
    if (!round.word())
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
