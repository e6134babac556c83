#include "lettertext.h"

#include <QStringList>

namespace LetterText {

namespace {
bool isPair(const QString& word, int i, QChar first, QChar second)
{
    return i + 1 < word.size() && word.at(i).toLower() == first
        && word.at(i + 1).toLower() == second;
}

bool isDigraphAt(const QString& word, int i, const LetterRules& rules)
{
    return (rules.useCh && isPair(word, i, QLatin1Char('c'), QLatin1Char('h')))
        || (rules.useLl && isPair(word, i, QLatin1Char('l'), QLatin1Char('l')));
}

// A few draws are enough for any real word; a word that is mostly blanks
// falls back to counting its letters.
constexpr int kMaxBlankDraws = 64;

QString caseFolded(const QString& base, bool upper)
{
    return upper ? QStringLiteral("may/") + base.toUpper() : QStringLiteral("min/") + base;
}
} // namespace

QString baseName(QChar c)
{
    switch (c.toLower().unicode()) {
    case 0x00F1: return QStringLiteral("nt"); // ñ
    case 0x00E7: return QStringLiteral("ct"); // ç
    case 0x00E1: return QStringLiteral("at"); // á
    case 0x00E9: return QStringLiteral("et"); // é
    case 0x00ED: return QStringLiteral("it"); // í
    case 0x00F3: return QStringLiteral("ot"); // ó
    case 0x00FA: return QStringLiteral("ut"); // ú
    case 0x00E0: return QStringLiteral("aa"); // à
    case 0x00E8: return QStringLiteral("ea"); // è
    case 0x00EC: return QStringLiteral("ia"); // ì
    case 0x00F2: return QStringLiteral("oa"); // ò
    case 0x00F9: return QStringLiteral("ua"); // ù
    case 0x00FC: return QStringLiteral("ud"); // ü
    case 0x00EF: return QStringLiteral("id"); // ï
    default: return QString(c.toLower());
    }
}

int digraphsBefore(const QString& word, int pos, const LetterRules& rules)
{
    if (!rules.useCh && !rules.useLl)
        return 0;
    int limit = int(word.size());
    int last = limit - 1;
    if (pos < limit - 1) {
        limit = pos + 1;
        last = pos;
    }
    int count = 0;
    for (int i = 0; i < limit;) {
        if (i >= last) {
            ++i;
        } else if (isDigraphAt(word, i, rules)) {
            ++count;
            i += 2;
        } else {
            ++i;
        }
    }
    return count;
}

QString letterImageName(const QString& word, int& pos, bool withCase, const LetterRules& rules)
{
    const int p = pos < 0 ? 0 : pos;
    if (p >= word.size())
        return QString();
    QString base;
    if (p < word.size() - 1 && rules.useCh && isPair(word, p, QLatin1Char('c'), QLatin1Char('h'))) {
        base = QStringLiteral("ch");
        ++pos;
    } else if (p < word.size() - 1 && rules.useLl
               && isPair(word, p, QLatin1Char('l'), QLatin1Char('l'))) {
        base = QStringLiteral("ll");
        ++pos;
    } else {
        base = baseName(word.at(p));
    }
    if (base == QLatin1String(" "))
        return base;
    if (withCase) {
        if (!rules.minusCaps)
            return caseFolded(base, true);
        // In small letters a word starts "Ch", "Ll": the capital of a double
        // letter is its first letter only ("tit/" pictures). Ñ and the marked
        // vowels have two-character names too, but one capital of their own.
        const bool doubleLetter = base == QLatin1String("ch") || base == QLatin1String("ll");
        if (p == 0 && rules.firstCaps && doubleLetter)
            return QStringLiteral("tit/") + base;
        return caseFolded(base, p == 0 && rules.firstCaps);
    }
    return rules.minusCaps ? base : caseFolded(base, true);
}

bool hasLetters(const QString& word)
{
    return !word.trimmed().isEmpty();
}

int pickLetterOfWord(const QString& word, QString& text, const LetterRules& rules,
                     const std::function<int(int, int)>& random)
{
    text.clear();
    if (!hasLetters(word))
        return -1;
    const int length = int(word.size());
    const auto draw = [&](int lo, int hi) { return qBound(lo, random(lo, hi), hi); };
    int i = -1;
    for (int attempt = 0; attempt < kMaxBlankDraws && i < 0; ++attempt) {
        const int candidate = draw(0, length - 1);
        if (!word.at(candidate).isSpace())
            i = candidate;
    }
    if (i < 0) {
        // Same distribution as redrawing: uniform over the non-blank positions.
        QList<int> letters;
        for (int j = 0; j < length; ++j) {
            if (!word.at(j).isSpace())
                letters << j;
        }
        i = letters.at(draw(0, int(letters.size()) - 1));
    }
    text = word.at(i).toUpper();

    if (i >= length - 1)
        return i;
    const QString next = word.at(i + 1).toUpper();
    if (rules.useCh && text == QLatin1String("C") && next == QLatin1String("H")) {
        text = QStringLiteral("CH");
        return i;
    }
    if (rules.useLl && text == QLatin1String("L") && next == QLatin1String("L")) {
        text = QStringLiteral("LL");
        return i;
    }
    if (i < 1)
        return i;
    const QString previous = word.at(i - 1).toUpper();
    if (rules.useCh && text == QLatin1String("H") && previous == QLatin1String("C"))
        text = QStringLiteral("CH");
    else if (rules.useLl && text == QLatin1String("L") && previous == QLatin1String("L"))
        text = QStringLiteral("LL");
    return i;
}

int letterStart(const QString& word, int pos, const LetterRules& rules)
{
    for (int i = 0; i < word.size() && i < pos;) {
        if (isDigraphAt(word, i, rules)) {
            if (i + 1 == pos)
                return i;
            i += 2;
        } else {
            ++i;
        }
    }
    return pos;
}

int letterCount(const QString& word, const LetterRules& rules)
{
    return int(word.size()) - digraphsBefore(word, int(word.size()), rules);
}

void splitFirstLetter(QString& text, QString& first, int* counter, const LetterRules& rules)
{
    if (text.isEmpty()) {
        first.clear();
        return;
    }
    const QChar c = text.at(0).toLower();
    first = c;
    static const QString accented = QStringLiteral("áéíóú");
    static const QString plain = QStringLiteral("aeiou");
    const qsizetype vowel = accented.indexOf(c);
    if (vowel >= 0) {
        text = plain.at(vowel);
        return;
    }
    if (text.size() < 2) {
        text = first;
        return;
    }
    const QChar second = text.at(1).toLower();
    if ((rules.useCh && c == QLatin1Char('c') && second == QLatin1Char('h'))
        || (rules.useLl && c == QLatin1Char('l') && second == QLatin1Char('l'))) {
        first = QString(c) + second;
        if (counter)
            ++*counter;
        return;
    }
    text = first;
}

QStringList frameNames(const QString& word, bool useCh, bool useLl, int* skipped)
{
    QStringList names;
    int merged = 0;
    const int count = int(word.size());
    for (int i = 0; i < count; ++i) {
        const QChar c = word.at(i).toLower();
        QString name;
        switch (c.unicode()) {
        case 0x00E1: name = QStringLiteral("a"); break;
        case 0x00E9: name = QStringLiteral("e"); break;
        case 0x00ED: name = QStringLiteral("i"); break;
        case 0x00F3: name = QStringLiteral("o"); break;
        case 0x00FA: name = QStringLiteral("u"); break;
        case 0x00F1: name = QStringLiteral("nt"); break;
        case 0x00E7: name = QStringLiteral("ct"); break;
        default:
            name = c;
            if (i < count - 1) {
                const QChar next = word.at(i + 1).toLower();
                if ((useCh && c == QLatin1Char('c') && next == QLatin1Char('h'))
                    || (useLl && c == QLatin1Char('l') && next == QLatin1Char('l'))) {
                    name += next;
                    ++merged;
                    ++i;
                }
            }
        }
        names << name;
    }
    if (skipped)
        *skipped = merged;
    return names;
}

} // namespace LetterText
