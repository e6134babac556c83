#pragma once

#include "letter.h"
#include "lettertext.h"
#include "word.h"

#include <QString>
#include <memory>

// A drawn word copied together with its letter: the lists own what they draw
// only until their next draw (or until the administrator reloads them).
struct WordCopy
{
    WordCopy() = default;
    WordCopy(const WordCopy&) = delete;
    WordCopy& operator=(const WordCopy&) = delete;
    Letter letter;
    Word word; // its letter is the one above

    // A copy of a drawn word with its letter (none when letter is null).
    static std::unique_ptr<WordCopy> of(const Word& word, const Letter* letter);
};

// The state of one exercise round (the question, what the child typed so
// far, the errors) and the rules that judge its keys. The rules need no
// widget; the window shows what they decide.
class ExerciseRound
{
public:
    enum Verdict {
        Wait,  // the first key of a double letter: the second one decides
        Right,
        Wrong,
    };

    // Judges a key (lower-case text: "c", "ch" for the comma, "ñ") against
    // the letter asked for ("B", "Á", "CH"). Accents do not count. For a
    // double letter its first key waits in pending for the second.
    static Verdict judgeKey(const QString& expected, const QString& key, QString& pending,
                            const LetterRules& rules);
    // Whether text is a letter of two keys ("CH", "LL") under the rules.
    static bool isDoubleLetter(const QString& letter, const LetterRules& rules);
    // Any letter the keyboard types is an answer, whether or not the
    // language has words for it.
    static bool isAnswerKey(const QString& text, bool useCh, bool useLl);

    // The letter to type at pos of a word (blanks skipped: pos moves past
    // them), upper case, and its written form; empty when none is left.
    static QString letterAt(const QString& word, int& pos, QString* written,
                            const LetterRules& rules);
    // Where the cursor goes after the letter at pos has been typed.
    static int advance(const QString& word, int pos, const LetterRules& rules);
    // No letter is left to type from pos on.
    static bool isComplete(const QString& word, int pos);

    // The round's word and letter; null between rounds.
    Word* word() const { return target ? &target->word : nullptr; }
    Letter* letter() const { return target && targetHasLetter ? &target->letter : nullptr; }
    void setTarget(std::unique_ptr<WordCopy> copy, bool wordLoaded = true, bool letterLoaded = true);
    void clearTarget();
    // Ids of the last question, kept for the repeat button.
    int wordId = 0;
    int letterId = 0;
    void forget() { wordId = letterId = 0; clearTarget(); }

    // A new question: nothing typed, no errors, no waiting key, keys taken.
    void startQuestion();

    QString expected;  // the letter asked for now (upper case)
    QString typed;     // written forms of the letters typed so far
    QString lastKey;   // the last letter key of this question
    QString pending;   // first key of a double letter
    int cursor = 0;    // character position of the next letter to type
    int errors = 0;    // wrong answers in a row
    bool accepting = true;

private:
    std::unique_ptr<WordCopy> target;
    bool targetHasWord = false;
    bool targetHasLetter = false;
};

// The state of a presentation: which step comes next and whether it waits
// for the space key, and the letter-by-letter showing of the word.
struct Presentation
{
    int step = 0;
    int stepCount = 0;
    bool waitingForStep = false;
    bool spelling = false;
    bool lastLetterShown = false; // the next space ends the spelled word
    int spellPos = 0;
    int spellLength = 0;
    int letterX = 0;
};
