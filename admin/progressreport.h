#pragma once

#include "progressstats.h"

#include <QCoreApplication>
#include <QColor>
#include <QString>

class QChart;

// What the progress dialog shows and the PDF report prints.
struct ProgressData
{
    QString userName;
    QString languageName;
    ProgressStats::Grid grid;
    QList<ProgressStats::Day> days;
    QList<ProgressStats::Pair> pairs;

    // Reads the record of one user; the chart covers the `weeks` up to today.
    static ProgressData load(int userId, const QString& userName, int languageId,
                             const QString& languageName, const QDate& today, int weeks = 4);
};

class ProgressReport
{
    Q_DECLARE_TR_FUNCTIONS(ProgressReport)

public:
    static QString exerciseName(int activity);
    // Red for none right, through yellow, to green for all right.
    static QColor cellColour(const ProgressStats::Cell& cell);
    static QString cellText(const ProgressStats::Cell& cell);
    // Answers per day as bars and the share right as a line.
    static QChart* makeChart(const QList<ProgressStats::Day>& days, bool dayNumbers = false);
    // The grid, the chart and the pairs as a printable A4 PDF.
    static bool writePdf(const QString& path, const ProgressData& data);
};
