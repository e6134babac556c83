#pragma once

#include <QString>
#include <QStringList>

// How lists are ordered for the people who read them: the Spanish alphabet
// (… L, LL, M, N, Ñ, O …), with accents and case ignored, so that "Ángel"
// stands beside "Ana" and "ñu" after "nube".
namespace SpanishOrder {

// < 0, 0 or > 0 as a sorts before, with or after b.
int compare(const QString& a, const QString& b);

inline bool less(const QString& a, const QString& b)
{
    return compare(a, b) < 0;
}

// Two names that a person would read as the same ("Ana", "ana", " ANA",
// "Ángel" and "angel"; but "año" is not "ano"). Invisible characters do not
// count, and a case-insensitive shared folder could not hold both.
bool sameName(const QString& a, const QString& b);

// A typed name without the blanks and invisible characters at its ends.
QString cleanName(const QString& name);

// Whether the name has a character that shows on screen (not only blanks,
// zero-width spaces or other format characters).
bool hasVisibleCharacter(const QString& name);

void sort(QStringList& names);

} // namespace SpanishOrder
