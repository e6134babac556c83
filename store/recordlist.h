#pragma once

#include "spanishorder.h"

#include <QList>
#include <algorithm>

// Query results held by value with a cursor. A pointer returned by next()
// stays valid until the list is loaded again or destroyed.
template <typename Record>
class RecordList
{
public:
    void reset() { cursor = 0; }

    Record* next()
    {
        if (cursor < 0 || cursor >= rows.size())
            return nullptr;
        return &rows[cursor++];
    }

    qsizetype size() const { return rows.size(); }
    bool isEmpty() const { return rows.isEmpty(); }

protected:
    void clearRows() { rows.clear(); }
    void appendRow(Record row) { rows.append(std::move(row)); }
    // Names in Spanish alphabetical order (… N, Ñ, O …, accents ignored),
    // which SQLite's byte order is not.
    void sortRowsByName()
    {
        std::stable_sort(rows.begin(), rows.end(), [](const Record& a, const Record& b) {
            return SpanishOrder::less(a.name, b.name);
        });
    }

private:
    QList<Record> rows;
    qsizetype cursor = 0;
};
