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
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

void sort(QStringList& names)
{
    std::sort(names.begin(), names.end(), less);
}

} // namespace SpanishOrder
