#pragma once

#include "category.h"
#include "letter.h"
#include "recordlist.h"
#include "word.h"

class Config;
class QSqlQuery;

class LetterList : public RecordList<Letter>
{
public:
    void loadOfLanguage(Language* language);

    // Random draws under the user's filters: zero or one row.
    void selectRandom(const Config& settings, Language* language);
    bool hasAvailable(const Config& settings, Language* language);

private:
    void fill(QSqlQuery& query, Language* language);
};

class CategoryList : public RecordList<Category>
{
public:
    void loadOfLanguage(Language* language);
};

class WordList : public RecordList<Word>
{
public:
    void loadOfCategory(const Category& category);
    void selectRandom(const Config& settings, Letter* letter);

private:
    void fill(QSqlQuery& query, Letter* letter);
};
