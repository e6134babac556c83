#pragma once

#include <QString>

// SQL of the random draws. The filters are the settings store's id lists
// ("3,7,12" or empty), pasted as they are: they only ever hold digits and
// commas built by the program.
namespace Selection {

QString letterQuery(const QString& categoryFilter, const QString& letterFilter);
QString wordQuery(const QString& categoryFilter);

// True when a filter is a comma-joined list of decimal ids (or empty).
bool isIdList(const QString& filter);

} // namespace Selection
