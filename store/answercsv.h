#pragma once

#include "answerlog.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A child's record as a CSV file: UTF-8, a header row, one row per answer.
// The header is fixed (not translated) so that other programs can read it.
namespace AnswerCsv {

QByteArray write(const QList<Answer>& answers, const QString& userName, const QString& languageName);

// Reads what write() wrote; false (and no answers) for anything else.
bool read(const QByteArray& csv, QList<Answer>& answers);

} // namespace AnswerCsv
