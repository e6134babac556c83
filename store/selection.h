#pragma once

#include "database.h"

#include <QString>

// SQL of the random draws. The filters are the settings store's id lists
// ("3,7,12" or empty), pasted as they are: they only ever hold digits and
// commas built by the program (isIdList guards that).
//
// The statements are written for large collections: a letter qualifies
// through EXISTS, so the planner never probes a long category list once per
// word, and the word draw picks one id before reading the row. PostgreSQL's
// planner would turn such an EXISTS into a join that hashes every link, or
// probe the category index once per listed category and word: on the
// server OFFSET 0 keeps each EXISTS a test run row by row (a walk of the
// letter's words that stops at the first match), and the unary + tests a
// word's few links against the list through their own index.
namespace Selection {

// Every letter of the language that the filters allow (columns id, name).
QString letterCandidates(const QString& categoryFilter, const QString& letterFilter,
                         Database::Engine engine = Database::Engine::SQLite);
// One random row of those; binds :id_language.
QString letterQuery(const QString& categoryFilter, const QString& letterFilter,
                    Database::Engine engine = Database::Engine::SQLite);

// The ids of the words of a letter that the category filter allows.
QString wordCandidateIds(const QString& categoryFilter, Database::Engine engine = Database::Engine::SQLite);
// One random word row (id, name, fullName, image, sign, lips, id_letter); binds :id_letter.
QString wordQuery(const QString& categoryFilter, Database::Engine engine = Database::Engine::SQLite);

// True when a filter is a comma-joined list of decimal ids (or empty).
bool isIdList(const QString& filter);

} // namespace Selection
