#pragma once

#include "abstractactivity.h"
#include "exerciseround.h"

#include <QElapsedTimer>
#include <QTimer>

// The exercises run in rounds: a letter and a word are drawn under the
// child's filters, the question is posed, each letter key is judged, and a
// right answer (or the third wrong one) shows the answer; its end starts the
// next round. What the question and the answer show is each exercise's own.
class ExerciseActivity : public AbstractActivity
{
    Q_OBJECT

public:
    ExerciseActivity(int code, Stage& stage, LessonContext& context);

    void start() override;
    void stop() override;
    bool acceptsKeys() const override { return round.accepting; }
    bool isLetterKey(const QString& text) const override;
    void letterKey(const QString& letter) override;

public Q_SLOTS:
    // Draws a round (or poses the last one again) and poses its question.
    void slotPickLetter(bool repeat);
    void slotPickLetter() { slotPickLetter(false); }
    void slotCorrect();
    void slotWrong();
    // The fingerspelled answer has ended: the next round after a moment.
    void slotFinished();

protected:
    void repeat() override;
    // The question on screen; the round is fresh and its word drawn.
    virtual void poseQuestion() = 0;
    // The answer on screen: the whole word with its picture and its medium.
    virtual void showAnswer();
    virtual void playAnswer() = 0;
    // The letter asked for now ("B", "Á", "CH").
    virtual QString askedLetter() const = 0;
    // Whether a key typed now is hidden from the screen before it is judged.
    virtual void clearBeforeJudging() {}
    virtual void answerKey(const QString& key);
    // The answer ends with its video (or a pause without one), else the
    // exercise ends it itself.
    virtual QString answerVideo() const;
    virtual bool answerEndsWithVideo() const { return true; }
    // The question on show was the spoken word alone (listening practice).
    virtual bool questionHeardOnly() const { return false; }

    // Media paths need the word's letter and the letter's language.
    static bool hasMediaFolder(const Word* word);
    void judged(const QString& asked, const QString& typed, bool right);
    void showOrientation();
    void updateDoubleLetterHint();
    void waitForAnswerEnd();

    ExerciseRound round;
    QElapsedTimer questionClock; // since the question (or the last right letter)

private:
    bool drawTarget();
    bool keepWordOf(const Letter& letter);
    void loadTarget(int wordId, int letterId);

    QTimer nextRound;
};
