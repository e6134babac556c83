#include "spanishorder.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace {

const QCollator& collator()
{
    static const QCollator spanish = [] {
        QCollator c(QLocale(QLocale::Spanish, QLocale::Spain));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    return spanish;
}

// Characters that take no room on screen: blanks, controls, format
// characters such as U+200B, and marks with nothing to sit on.
bool isInvisible(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_NotAssigned:
    case QChar::Other_Surrogate:
        return true;
    default:
        // Fillers that render as blanks although they count as letters.
        return c == 0x115F || c == 0x1160 || c == 0x3164 || c == 0xFFA0 || QChar::isSpace(c);
    }
}

// The name as it is compared: no invisible characters, no accents except
// the tilde of ñ, folded case.
QString comparisonKey(const QString& name)
{
    const QString decomposed = name.normalized(QString::NormalizationForm_D);
    QString key;
    char32_t previous = 0;
    for (char32_t c : decomposed.toUcs4()) {
        if (isInvisible(c))
            continue;
        const bool mark = QChar::category(c) == QChar::Mark_NonSpacing;
        const bool tildeOfN = c == 0x0303 && (previous == U'n' || previous == U'N');
        if (mark && !tildeOfN)
            continue;
        key += QString::fromUcs4(&c, 1);
        previous = c;
    }
    return key.normalized(QString::NormalizationForm_C).toCaseFolded();
}

} // namespace

namespace SpanishOrder {

int compare(const QString& a, const QString& b)
{
    const int byAlphabet = collator().compare(a, b);
    // Names that differ only by case or accents still get a stable order.
    return byAlphabet != 0 ? byAlphabet : QString::compare(a, b);
}

bool sameName(const QString& a, const QString& b)
{
    return comparisonKey(a) == comparisonKey(b);
}

QString cleanName(const QString& name)
{
    const QList<uint> characters = name.toUcs4();
    qsizetype first = 0;
    qsizetype last = characters.size();
    while (first < last && isInvisible(characters.at(first)))
        ++first;
    while (last > first && isInvisible(characters.at(last - 1)))
        --last;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()) + first,
                             last - first);
}

bool hasVisibleCharacter(const QString& name)
{
    for (char32_t c : name.toUcs4()) {
        if (!isInvisible(c) && QChar::category(c) != QChar::Mark_NonSpacing
            && QChar::category(c) != QChar::Mark_Enclosing)
            return true;
    }
    return false;
}

void sort(QStringList& names)
{
    std::sort(names.begin(), names.end(), less);
}

} // namespace SpanishOrder
