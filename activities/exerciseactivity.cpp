#include "exerciseactivity.h"

#include "activitycodes.h"
#include "answerlog.h"
#include "config.h"
#include "contentlists.h"
#include "keyboardmanager.h"
#include "lessoncontext.h"
#include "randomint.h"
#include "sequencewidget.h"
#include "stage.h"
#include "user.h"
#include "videoplayer.h"

#include <QDateTime>
#include <QFile>
#include <QMessageBox>

namespace {
// Random letter draws before every allowed letter is looked at in turn.
constexpr int kRandomLetterDraws = 16;
// Word draws per letter in that last look (a letter may hold blank names).
constexpr int kWordDrawsPerLetter = 3;
// How long the fingerspelled answer stays before the next round.
constexpr int kAfterHandsMs = 500;

bool inLetterFilter(const QString& filter, int letterId)
{
    return filter.isEmpty() || filter.split(QLatin1Char(',')).contains(QString::number(letterId));
}
} // namespace

ExerciseActivity::ExerciseActivity(int code, Stage& stage, LessonContext& context)
    : AbstractActivity(code, stage, context)
{
    nextRound.setSingleShot(true);
    connect(&nextRound, &QTimer::timeout, this, qOverload<>(&ExerciseActivity::slotPickLetter));
}

void ExerciseActivity::start()
{
    // The end of the answer's video starts the next round (a question's own
    // video, as in lip reading, ends while keys are still taken).
    connect(stage.video(), &VideoPlayer::finished, this, [this] {
        if (!round.accepting)
            slotPickLetter(false);
    });
    slotPickLetter(false);
}

void ExerciseActivity::stop()
{
    // A pending next round belongs to the round being stopped.
    nextRound.stop();
    round.accepting = true;
    stage.resetButtons();
    stage.hideWarnings();
    stage.hidePrompt();
    stage.hideBottomLetter();
    stage.stopMedia();
}

bool ExerciseActivity::isLetterKey(const QString& text) const
{
    // Any letter the keyboard types is an answer, whether or not the
    // language has words for it.
    return ExerciseRound::isAnswerKey(text, context.values.useCh, context.values.useLl);
}

void ExerciseActivity::letterKey(const QString& letter)
{
    stage.resetButtons();
    stage.hideWarnings();
    clearBeforeJudging();
    answerKey(letter);
}

void ExerciseActivity::repeat()
{
    round.errors = 0;
    if (round.wordId != 0)
        slotPickLetter(true);
}

void ExerciseActivity::answerKey(const QString& key)
{
    // Between rounds (an empty pool, an answer on show) nothing is answered.
    if (!round.accepting || !round.letter() || !round.word())
        return;
    round.lastKey = key;
    const QString asked = askedLetter();
    const QString typed = round.pending + key;
    const ExerciseRound::Verdict verdict =
        ExerciseRound::judgeKey(asked, key, round.pending, context.letterRules());
    switch (verdict) {
    case ExerciseRound::Wait: break;
    case ExerciseRound::Right:
        judged(asked, typed, true);
        slotCorrect();
        break;
    case ExerciseRound::Wrong:
        judged(asked, typed, false);
        slotWrong();
        break;
    }
}

void ExerciseActivity::judged(const QString& asked, const QString& typed, bool right)
{
    if (!context.user || !context.language || !context.answerLog)
        return;
    Answer answer;
    answer.userId = context.user->id;
    answer.languageId = context.language->id;
    answer.activity = code();
    answer.expected = asked.toUpper();
    answer.word = round.word() ? round.word()->name : QString();
    answer.typed = typed.toUpper();
    answer.correct = right;
    answer.attempt = round.errors + 1;
    answer.elapsedMs = questionClock.isValid() ? int(questionClock.elapsed()) : 0;
    answer.answeredAt = QDateTime::currentDateTime();
    answer.heardOnly = questionHeardOnly();
    // A failed write is counted for the report; the round goes on.
    context.answerLog->record(answer);
}

bool ExerciseActivity::keepWordOf(const Letter& letter)
{
    Letter drawnLetter = letter;
    context.words->selectRandom(*context.settings, &drawnLetter);
    context.words->reset();
    const Word* word = context.words->next();
    // A word without letters cannot be asked for.
    if (!word || !LetterText::hasLetters(word->name))
        return false;
    round.setTarget(WordCopy::of(*word, &drawnLetter));
    return true;
}

bool ExerciseActivity::drawTarget()
{
    for (int attempt = 0; attempt < kRandomLetterDraws; ++attempt) {
        context.letters->selectRandom(*context.settings, context.language);
        context.letters->reset();
        if (const Letter* drawn = context.letters->next()) {
            if (keepWordOf(*drawn))
                return true;
        }
    }
    // With only a letter filter the allowed letters may have no word at all:
    // look at each of them once, in random order, before giving up.
    context.letters->loadOfLanguage(context.language);
    context.letters->reset();
    QList<Letter> candidates;
    while (const Letter* letter = context.letters->next()) {
        if (inLetterFilter(context.settings->letterFilter, letter->id))
            candidates << *letter;
    }
    while (!candidates.isEmpty()) {
        const Letter letter = candidates.takeAt(randomInt(0, int(candidates.size()) - 1));
        for (int draw = 0; draw < kWordDrawsPerLetter; ++draw) {
            if (keepWordOf(letter))
                return true;
        }
    }
    return false;
}

void ExerciseActivity::loadTarget(int wordId, int letterId)
{
    auto copy = std::make_unique<WordCopy>();
    const bool letterLoaded = copy->letter.loadById(letterId);
    copy->word.setLetter(letterLoaded ? &copy->letter : nullptr);
    const bool wordLoaded = copy->word.loadById(wordId);
    round.setTarget(std::move(copy), wordLoaded, letterLoaded);
}

void ExerciseActivity::slotPickLetter(bool repeat)
{
    stage.hideLetters(true);
    nextRound.stop();
    round.accepting = true;

    if (!repeat && round.word() && round.letter()) {
        round.wordId = round.word()->id;
        round.letterId = round.letter()->id;
    }
    if (!context.language)
        return;

    bool drawn = context.letters->hasAvailable(*context.settings, context.language);
    if (drawn) {
        if (repeat)
            loadTarget(round.wordId, round.letterId);
        // A word deleted meanwhile (on another PC) cannot be asked again:
        // another one takes its place.
        if (!repeat || !round.word()) {
            drawn = drawTarget();
            if (drawn) {
                round.wordId = round.word()->id;
                round.letterId = round.letter()->id;
            } else {
                round.clearTarget();
            }
        }
    }
    if (!drawn) {
        QMessageBox::warning(stage.window(), tr("No hay palabras disponibles"),
                             tr("La configuración actual de letras y categorías hace que la lista "
                                "de palabras disponibles esté vacía. Por favor revise su "
                                "selección."),
                             QMessageBox::Ok);
        return;
    }
    if (!round.word() || !round.letter() || !LetterText::hasLetters(round.word()->name))
        return;

    hasContent = true;
    stop();
    stage.hideLetters(true);
    // Nothing of the last question stays: its picture, hand, typed key.
    round.startQuestion();
    stage.hidePicture();
    stage.hideHand();
    poseQuestion();
    stage.hideFeedback();
    stage.hideOrientation();
    updateDoubleLetterHint();
    questionClock.start();
}

void ExerciseActivity::showAnswer()
{
    if (!round.word())
        return;
    stage.showPicture(round.word());
    stage.drawWord(round.word()->name, context.letterRules(), QStringLiteral("cooper/"));
    playAnswer();
}

bool ExerciseActivity::hasMediaFolder(const Word* word)
{
    return word && word->letter && word->letter->language;
}

QString ExerciseActivity::answerVideo() const
{
    const Word* word = round.word();
    return hasMediaFolder(word) ? word->signPath() : QString();
}

void ExerciseActivity::slotCorrect()
{
    round.errors = 0;
    // No key is judged while the answer shows; the fingerspelled answer ends
    // the round itself (a one-letter answer finishes inside showAnswer).
    round.accepting = false;
    updateDoubleLetterHint();
    showAnswer();
    stage.showFeedback(QStringLiteral("good"));
    stage.hideOrientation();
    if (answerEndsWithVideo())
        waitForAnswerEnd();
}

void ExerciseActivity::slotWrong()
{
    round.errors += 1;
    if (round.errors > 2) {
        // The answer shows alone: no arrow, typed key or "¡Casi!" beside it.
        round.errors = 0;
        stage.hideFeedback();
        stage.hideOrientation();
        showAnswer();
        waitForAnswerEnd();
        updateDoubleLetterHint();
        return;
    }
    stage.showFeedback(QStringLiteral("wrong"));
    showOrientation();
}

void ExerciseActivity::slotFinished()
{
    nextRound.stop();
    round.accepting = false;
    nextRound.start(kAfterHandsMs);
}

void ExerciseActivity::showOrientation()
{
    // From the key just typed in this question; none yet, no arrow.
    const QString expected = round.letter() ? askedLetter() : QString();
    stage.showOrientation(expected, round.lastKey, *context.keyboard, context.letterRules());
}

void ExerciseActivity::updateDoubleLetterHint()
{
    const QString asked = round.accepting && round.letter() ? askedLetter() : QString();
    stage.showDoubleLetterHint(asked, context.letterRules());
}

void ExerciseActivity::waitForAnswerEnd()
{
    round.accepting = false;
    if (!answerEndsWithVideo())
        return;
    // Without its video the answer would never end: leave it a short pause.
    const QString video = answerVideo();
    if (video.isEmpty() || !QFile::exists(video))
        nextRound.start(context.answerPause);
}
