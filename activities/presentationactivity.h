#pragma once

#include "abstractactivity.h"
#include "exerciseround.h"

#include <memory>

// The presentations: the child types a letter and a word of it is shown,
// step by step in the child's order of media: the big letter (not with the
// hands), the written word (whole or letter by letter), the picture, and the
// word's sign video, lip video or fingerspelling.
class PresentationActivity : public AbstractActivity
{
    Q_OBJECT

public:
    enum Media { Signs, Lips, Hands };

    PresentationActivity(int code, Media media, Stage& stage, LessonContext& context);

    void start() override;
    void stop() override;
    bool isLetterKey(const QString& text) const override;
    void letterKey(const QString& letter) override;
    void otherKey() override;
    void spaceKey() override;
    void toggleWord(bool hidden) override;

    // Shows the medium at a place of the child's show order.
    void chooseMedia(int showOrderIndex);

Q_SIGNALS:
    void signalNextStep();
    void signalNextLetter();

public Q_SLOTS:
    // A word of the chosen letter (the same word again when repeating).
    void slotLetter(bool repeat);
    void slotShowNextStep(bool jump);
    void slotShowNextStep() { slotShowNextStep(false); }
    void slotObjectWord_stopMo();
    void slotObjectWord_stopMoFinish();

protected:
    void repeat() override;

private:
    bool selectTypedLetter(const QString& text);
    void showVideo();
    void showWord();
    void showFlus();

    const Media media;
    Presentation presentation;
    std::unique_ptr<Letter> letter;  // the letter typed
    std::unique_ptr<WordCopy> shown; // the word drawn for it
    bool wordHidden = false;
};
