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

// The letter exercises: which letter begins this word, seen as a picture
// with its sign video as the answer, as a picture with the face saying it,
// or which letter this hand shows, answered by fingerspelling the word.
class LetterExercise : public ExerciseActivity
{
    Q_OBJECT

public:
    enum Media { Signs, Lips, Hands };

    LetterExercise(int code, Media media, Stage& stage, LessonContext& context);
    void start() override;

protected:
    void poseQuestion() override;
    void showAnswer() override;
    void playAnswer() override;
    QString askedLetter() const override;
    void clearBeforeJudging() override;
    QString answerVideo() const override;
    bool answerEndsWithVideo() const override { return media != Hands; }

private:
    const Media media;
};

// The writing exercises: the missing letter of a word, or the whole word
// typed letter by letter (Return judges what is typed so far).
class WritingExercise : public ExerciseActivity
{
    Q_OBJECT

public:
    WritingExercise(int code, bool wholeWord, Stage& stage, LessonContext& context);
    void returnKey() override;

protected:
    void poseQuestion() override;
    void playAnswer() override;
    QString askedLetter() const override { return round.expected; }
    void answerKey(const QString& key) override;

private:
    void typeLetter(const QString& key);
    void judgeWordSoFar();
    void showTypedAnswer();
    void checkTypedWord();

    const bool wholeWord;
};
