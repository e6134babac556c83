#pragma once

#include <QString>

// SQL of the random draws. The filters are the settings store's id lists
// ("3,7,12" or empty), pasted as they are: they only ever hold digits and
// commas built by the program (isIdList guards that).
//
// The statements are written for large collections: a letter qualifies
// through EXISTS, so the planner never probes a long category list once per
// word, and the word draw picks one id before reading the row.
namespace Selection {

// Every letter of the language that the filters allow (columns id, name).
QString letterCandidates(const QString& categoryFilter, const QString& letterFilter);
// One random row of those; binds :id_language.
QString letterQuery(const QString& categoryFilter, const QString& letterFilter);

// The ids of the words of a letter that the category filter allows.
QString wordCandidateIds(const QString& categoryFilter);
// One random word row (id, name, fullName, image, sign, lips, id_letter); binds :id_letter.
QString wordQuery(const QString& categoryFilter);

// True when a filter is a comma-joined list of decimal ids (or empty).
bool isIdList(const QString& filter);

} // namespace Selection
