#include "exerciseround.h"

namespace {
QString folded(const QString& text, const LetterRules& rules)
{
    QString letter = text;
    QString first;
    LetterText::splitFirstLetter(letter, first, nullptr, rules);
    return letter.toUpper();
}
} // namespace

std::unique_ptr<WordCopy> WordCopy::of(const Word& word, const Letter* letter)
{
    auto copy = std::make_unique<WordCopy>();
    if (letter)
        copy->letter = *letter;
    copy->word = word;
    copy->word.setLetter(letter ? &copy->letter : nullptr);
    return copy;
}

ExerciseRound::Verdict ExerciseRound::judgeKey(const QString& expected, const QString& key,
                                               QString& pending, const LetterRules& rules)
{
    const QString asked = folded(expected, rules);
    if (!pending.isEmpty()) {
        const QString pair = (pending + key).toUpper();
        pending.clear();
        return pair == asked ? Right : Wrong;
    }
    const QString answer = folded(key, rules);
    if (isDoubleLetter(asked, rules) && answer == asked.left(1)) {
        pending = key.toLower();
        return Wait;
    }
    return answer == asked ? Right : Wrong;
}

bool ExerciseRound::isDoubleLetter(const QString& letter, const LetterRules& rules)
{
    const QString upper = letter.toUpper();
    return (rules.useCh && upper == QLatin1String("CH")) || (rules.useLl && upper == QLatin1String("LL"));
}

bool ExerciseRound::isAnswerKey(const QString& text, bool useCh, bool useLl)
{
    return (text.size() == 1 && text.at(0).isLetter()) || (useCh && text == QLatin1String(","))
           || (useLl && text == QLatin1String("."));
}

QString ExerciseRound::letterAt(const QString& word, int& pos, QString* written,
                                const LetterRules& rules)
{
    while (pos < word.size() && word.at(pos).isSpace())
        ++pos;
    if (pos >= word.size())
        return QString();
    QString letter = word.mid(pos, 2).toLower();
    QString first;
    LetterText::splitFirstLetter(letter, first, nullptr, rules);
    if (written)
        *written = first;
    return letter.toUpper();
}

int ExerciseRound::advance(const QString& word, int pos, const LetterRules& rules)
{
    int start = pos;
    // letterImageName moves onto a digraph's second character.
    LetterText::letterImageName(word, start, true, rules);
    return start + 1;
}

bool ExerciseRound::isComplete(const QString& word, int pos)
{
    return !LetterText::hasLetters(word.mid(pos));
}

void ExerciseRound::setTarget(std::unique_ptr<WordCopy> copy, bool wordLoaded, bool letterLoaded)
{
    target = std::move(copy);
    targetHasWord = target && wordLoaded;
    targetHasLetter = target && letterLoaded;
    if (!targetHasWord)
        target.reset();
}

void ExerciseRound::clearTarget()
{
    target.reset();
    targetHasWord = targetHasLetter = false;
}

void ExerciseRound::startQuestion()
{
    expected.clear();
    typed.clear();
    lastKey.clear();
    pending.clear();
    cursor = 0;
    errors = 0;
    accepting = true;
}
