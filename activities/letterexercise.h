#pragma once

#include "exerciseactivity.h"

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
    bool questionHeardOnly() const override { return heardOnly; }

private:
    // Listening practice in the sign exercise: with the child's sound on
    // and a sound output, the question is the spoken word (the lip video's
    // sound) and nothing else.
    bool asksByEar() const;

    const Media media;
    bool heardOnly = false;
};
