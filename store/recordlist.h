#pragma once

#include <QList>

// Query results held by value with a cursor. A pointer returned by next()
// stays valid until the list is loaded again or destroyed.
template <typename Record>
class RecordList
{
public:
    void reset() { m_cursor = 0; }

    Record* next()
    {
        if (m_cursor < 0 || m_cursor >= m_rows.size())
            return nullptr;
        return &m_rows[m_cursor++];
    }

    qsizetype size() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }

protected:
    void clearRows() { m_rows.clear(); }
    void appendRow(Record row) { m_rows.append(std::move(row)); }

private:
    QList<Record> m_rows;
    qsizetype m_cursor = 0;
};
