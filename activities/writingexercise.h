#pragma once

#include "exerciseactivity.h"

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
