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

// Two names that a person would read as the same ("Ana", "ana", " ANA").
bool sameName(const QString& a, const QString& b);

void sort(QStringList& names);

} // namespace SpanishOrder
