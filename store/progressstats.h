#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The numbers of the adults' progress report, read from the answer record
// of one user in one language.
namespace ProgressStats {

// The rows of the grid, in order: exercise codes, and the channel of an
// exercise's questions heard only (listening practice), its code plus
// kHeardOnly; the other rows count only the questions seen.
constexpr int kHeardOnly = 100;
const QList<int>& exercises();

// How many of the last first answers to show per cell.
constexpr int kLastAnswers = 10;

struct Cell
{
    int answers = 0; // first answers counted (at most kLastAnswers)
    int right = 0;   // of them, right
    bool isEmpty() const { return answers == 0; }
    double share() const { return answers ? double(right) / answers : 0.0; }
};

struct Grid
{
    QStringList letters; // Spanish alphabetical order
    QHash<QPair<QString, int>, Cell> cells;
    Cell cell(const QString& letter, int activity) const { return cells.value({letter, activity}); }
};

// Letters of the language and any other letter the record asks for (one
// deleted since), each × exercise: the last first answers and how many of
// them were right.
Grid letterGrid(int userId, int languageId);

// The class at a glance: every user (Spanish order) by letter; a cell holds
// the user's last first answers to that letter, in every exercise.
struct ClassRow
{
    int userId = 0;
    QString name;
    QHash<QString, Cell> cells;
};

struct ClassGrid
{
    QStringList letters; // the language's, and any other a user was asked
    QList<ClassRow> rows;
};

ClassGrid classGrid(int languageId);

// The class grid as a CSV file: UTF-8, a header row ("usuario" and the
// letters), one row per user, each cell "right/answers" or empty.
QByteArray classCsv(const ClassGrid& grid);

struct Day
{
    QDate day;
    int answers = 0;
    int right = 0;
};

// Every day from `from` to `to`, days without answers included.
QList<Day> perDay(int userId, int languageId, const QDate& from, const QDate& to);

struct Pair
{
    QString expected;
    QString typed;
    int count = 0;
};

// Wrong answers grouped by (expected, typed), most frequent first.
QList<Pair> confusedPairs(int userId, int languageId, int limit = 10);

} // namespace ProgressStats
