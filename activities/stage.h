#pragma once

#include "lettertext.h"

#include <QString>
#include <QList>
#include <QVector>

class ImageWidget;
class KeyboardManager;
class MenuWidget;
class QObject;
class QLabel;
class QWidget;
class SequenceWidget;
class VideoPlayer;
class Word;

// The screen pieces the activities draw on: the letter row, the word's
// picture, the video, the hand sequences, the feedback picture, the arrow
// and the key pressed. They are the window's children, placed and stacked by
// the window; the stage only reaches them, so that an activity never needs
// the window itself.
class Stage
{
public:
    struct Pieces
    {
        QWidget* window = nullptr; // parent of the letter row's labels
        ImageWidget* picture = nullptr;
        ImageWidget* bottomLetter = nullptr;
        VideoPlayer* video = nullptr;
        VideoPlayer* sound = nullptr; // never shown: short sounds
        SequenceWidget* hands = nullptr;
        QLabel* hand = nullptr;
        SequenceWidget* flus = nullptr;
        QLabel* feedback = nullptr;
        QLabel* orientation = nullptr;
        QLabel* typedKey = nullptr;
        QLabel* doubleLetterHint = nullptr;
        QLabel* prompt = nullptr;
        QLabel* noWords = nullptr;
        QLabel* noRepetition = nullptr;
        MenuWidget* repeatButton = nullptr;
        MenuWidget* hideButton = nullptr;
        MenuWidget* letterByLetterButton = nullptr;
    };

    explicit Stage(const Pieces& pieces);

    QWidget* window() const { return p.window; }
    VideoPlayer* video() const { return p.video; }
    SequenceWidget* hands() const { return p.hands; }
    SequenceWidget* flus() const { return p.flus; }
    MenuWidget* hideButton() const { return p.hideButton; }
    MenuWidget* letterByLetterButton() const { return p.letterByLetterButton; }
    // Every piece whose signals an activity may listen to.
    QList<QObject*> senders() const;

    // The letter row: the whole word, each letter in the given style folder
    // ("cooper/", "blank/", "cuadrados/").
    void drawWord(const QString& name, const LetterRules& rules, const QString& style);
    // One letter at x (moved past it), as the index-th label of the row.
    void placeLetter(const QString& style, const QString& name, int& x, int index);
    // Another picture for the index-th letter, in place.
    void replaceLetter(int index, const QString& style, const QString& name);
    // The letter of the word at pos (a digraph as a whole) becomes a blank.
    void blankLetterOf(const QString& word, int pos, const LetterRules& rules);
    bool isLetterShown(int index) const;
    void showLetters();
    void hideLetters(bool clear);
    static constexpr int rowX = 120;

    void showPicture(const Word* word);
    void hidePicture();
    void showBottomLetter(const QString& letter, const LetterRules& rules);
    void hideBottomLetter();
    void showHand(const QString& signsPath, const QString& letter, const LetterRules& rules);
    void hideHand();
    // A clip in the video place, at the sound volume; nothing for a
    // missing file.
    void playVideo(const QString& path);
    // The volume clips play at: 0, muted with no audio output, unless the
    // child's sound is on.
    void setSoundVolume(int volume) { soundVolume = volume; }
    // The sound of a clip alone, its picture unseen (a spoken word).
    void playHeard(const QString& path);
    // A short sound, only with the child's sound on and a sound output (a
    // player without one plays nothing worth waiting for).
    void playSound(const QString& path);
    // The word fingerspelled, its letters highlighted on the row in step.
    void playHands(const QString& word, const LetterRules& rules);
    void playFlus(const QString& word);
    // Stops and hides the video and the hand sequences.
    void stopMedia();

    // "good", "wrong": a picture, and a short sound with the sound on.
    void showFeedback(const QString& kind);
    void hideFeedback();
    // The arrow from the key typed towards the key that answers, and the
    // key typed; no arrow where none fits, nothing when nothing was typed.
    void showOrientation(const QString& expected, const QString& typed,
                         const KeyboardManager& keyboard, const LetterRules& rules);
    void hideOrientation();
    // How to type a double letter, while one is asked; hidden otherwise.
    void showDoubleLetterHint(const QString& asked, const LetterRules& rules);
    // A prompt's picture (ui/NAME.png); with the sound on, its voice too
    // (sonidos/NAME.wav), when it has one.
    void showPrompt(const QString& picture);
    void hidePrompt();
    void warnNoWords();
    void warnNothingToRepeat();
    void hideWarnings();
    // The repeat and hide buttons back to their resting look.
    void resetButtons();

    // Everything an activity may have left on screen.
    void clear();

private:
    void showTypedKey(const QString& key, const LetterRules& rules);
    void highlightNext();

    Pieces p;
    int soundVolume = 0;
    QVector<QLabel*> letterLabels;
    // The letter the hand sequence is at.
    QString highlightWord;
    LetterRules highlightRules;
    int highlightPos = 0;
    int highlightShift = 0;
    QString highlightName;
};
