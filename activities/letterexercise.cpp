#include "letterexercise.h"

#include "lessoncontext.h"
#include "sequencewidget.h"
#include "sounddevice.h"
#include "stage.h"
#include "word.h"

#include <QFile>

LetterExercise::LetterExercise(int code, Media media, Stage& stage, LessonContext& context)
    : ExerciseActivity(code, stage, context)
    , media(media)
{
}

void LetterExercise::start()
{
    if (media == Hands)
        connect(stage.hands(), &SequenceWidget::signalFinished, this, &ExerciseActivity::slotFinished);
    ExerciseActivity::start();
}

QString LetterExercise::askedLetter() const
{
    return round.letter() ? round.letter()->name : QString();
}

bool LetterExercise::asksByEar() const
{
    const Word* word = round.word();
    return media == Signs && context.values.listenOnly && context.values.sound
        && hasMediaFolder(word) && QFile::exists(word->lipsPath()) && SoundDevice::available();
}

void LetterExercise::poseQuestion()
{
    const LetterRules rules = context.letterRules();
    heardOnly = asksByEar();
    if (heardOnly) {
        // Nothing to see: the repeat button says the word again.
        stage.playHeard(round.word()->lipsPath());
        return;
    }
    if (media == Hands)
        stage.showHand(context.signsPath(), round.letter()->name, rules);
    else
        stage.showPicture(round.word());
    stage.drawWord(round.word()->name, rules, QStringLiteral("cooper/"));
    stage.blankLetterOf(round.word()->name, 0, rules);
    // Lip reading asks with the face saying the word.
    if (media == Lips)
        stage.playVideo(answerVideo());
}

void LetterExercise::clearBeforeJudging()
{
    // The question stays while a key is judged (the face keeps playing).
    stage.hideFeedback();
}

QString LetterExercise::answerVideo() const
{
    const Word* word = round.word();
    if (media == Lips && hasMediaFolder(word))
        return word->lipsPath();
    return ExerciseActivity::answerVideo();
}

void LetterExercise::showAnswer()
{
    if (media == Hands)
        stage.hideHand();
    ExerciseActivity::showAnswer();
}

void LetterExercise::playAnswer()
{
    if (media == Hands)
        stage.playHands(round.word()->name, context.letterRules());
    else
        stage.playVideo(answerVideo());
}
