#pragma once

#include <QString>
#include <functional>

// The settings that decide how a word is cut into letters and which letter
// picture each one gets.
struct LetterRules
{
    bool useCh = false;     // "ch" is one letter
    bool useLl = false;     // "ll" is one letter
    bool minusCaps = false; // words are shown in small letters
    bool firstCaps = false; // ... but the first letter is a capital
};

// Letter text operations on words, without widgets. Positions are character
// positions in the word; a digraph is one letter.
namespace LetterText {

// Base picture name of a single character: "a", "nt" for ñ, "at" for á ...
QString baseName(QChar c);

// Number of two-character letters that begin before pos.
int digraphsBefore(const QString& word, int pos, const LetterRules& rules);

// Picture name ("may/A", "min/nt", "CH", " ") of the letter at pos; moves pos
// onto the second character of a digraph.
QString letterImageName(const QString& word, int& pos, bool withCase, const LetterRules& rules);

// Picks a random letter of the word that is not a blank: its position, and its
// text in upper case ("CH"/"LL" for digraphs; for the second character of a
// digraph the position is that character's). Returns -1 and leaves text empty
// for a word without any letter. random(lo, hi) draws in [lo, hi].
int pickLetterOfWord(const QString& word, QString& text, const LetterRules& rules,
                     const std::function<int(int, int)>& random);

// Position of the first character of the letter that covers pos: pos - 1 when
// pos is the second character of a digraph, else pos.
int letterStart(const QString& word, int pos, const LetterRules& rules);

// Number of letters (labels) of the word: digraphs count once.
int letterCount(const QString& word, const LetterRules& rules);

// Reduces text to its first letter for judging: accented vowels fold to the
// plain vowel, "ch"/"ll" stay whole when they are letters.
void splitFirstLetter(QString& text, QString& first, int* counter, const LetterRules& rules);

// Frame names of a fingerspelled word: lower case, accents dropped, ñ "nt",
// ç "ct", "ch"/"ll" one frame when they are letters.
QStringList frameNames(const QString& word, bool useCh, bool useLl, int* skipped = nullptr);

// True when the text has something other than blanks to show.
bool hasLetters(const QString& word);

} // namespace LetterText
