#pragma once

#include "lettertext.h"

#include <QString>

class AnswerLog;
class CategoryList;
class Config;
class KeyboardManager;
class Language;
class LetterList;
class User;
class WordList;

// The settings the activities follow, read once when a child is bound, when
// the settings dialog closes and when an activity restarts (not a query per
// key).
struct LessonSettings
{
    int showOrder = 0;
    bool stopMotion = false;
    bool minusCaps = false;
    bool firstCaps = false;
    bool useCh = false;
    bool useLl = false;
    bool useFlus = false;
    bool useLabial = false;
    bool sound = false;
    int volume = 80;         // 10 to 100, when sound is on
    bool listenOnly = false; // only with sound

    // The volume media play at: 0 (no audio output at all) with sound off.
    int playbackVolume() const { return sound ? volume : 0; }

    LetterRules letterRules() const;
    // The user's settings (none without a user) and the language-wide ones,
    // which apply before a user is bound too.
    static LessonSettings read(const Config& settings, Language* language, const User* user);
};

// What every activity works with: the child and the language, their
// settings, the content lists to draw from and the record of answers. The
// window owns all of it; the activities borrow it while they run.
struct LessonContext
{
    Language* language = nullptr;
    User* user = nullptr;
    Config* settings = nullptr;
    LetterList* letters = nullptr;
    WordList* words = nullptr;
    const KeyboardManager* keyboard = nullptr;
    AnswerLog* answerLog = nullptr;
    LessonSettings values;
    int answerPause = 2000; // ms an answer without its video stays on screen

    LetterRules letterRules() const { return values.letterRules(); }
    QString signsPath() const; // the language's hand pictures
    QString flusPath() const;  // the small hand frames
};
