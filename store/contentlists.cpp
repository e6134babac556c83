#include "contentlists.h"

#include "config.h"
#include "selection.h"
#include "sqlhelpers.h"

#include <QVariant>

namespace {
const QString kLettersOfLanguage = QStringLiteral(
    "SELECT id, name FROM letter WHERE id_language = :id_language ORDER BY name ASC");
const QString kCategoriesOfLanguage = QStringLiteral(
    "SELECT id, name FROM category WHERE id_language = :id_language ORDER BY name ASC");
const QString kWordsOfCategory = QStringLiteral(
    "SELECT w.id, w.name, w.fullName, w.image, w.sign, w.lips, w.id_letter FROM word w "
    "JOIN word_x_category wc ON wc.id_word = w.id WHERE wc.id_category = :id_category "
    "ORDER BY w.name ASC");

int languageIdOf(const Language* language)
{
    return language ? language->id : -1;
}

// The filters are pasted into SQL text; anything but an id list draws nothing.
bool filtersAreSafe(const Config& settings)
{
    return Selection::isIdList(settings.categoryFilter) && Selection::isIdList(settings.letterFilter);
}
} // namespace

void LetterList::fill(QSqlQuery& query, Language* language)
{
    while (query.next()) {
        Letter letter;
        letter.id = query.value(0).toInt();
        letter.name = query.value(1).toString().toUpper();
        letter.setLanguage(language);
        appendRow(letter);
    }
}

void LetterList::loadOfLanguage(Language* language)
{
    clearRows();
    SqlHelpers::select(
        kLettersOfLanguage,
        [&](QSqlQuery& query) { query.bindValue(QStringLiteral(":id_language"), languageIdOf(language)); },
        [&](QSqlQuery& query) { fill(query, language); });
    sortRowsByName();
}

void LetterList::selectRandom(const Config& settings, Language* language)
{
    clearRows();
    if (!filtersAreSafe(settings))
        return;
    SqlHelpers::select(
        Selection::letterQuery(settings.categoryFilter, settings.letterFilter, Database::engine()),
        [&](QSqlQuery& query) { query.bindValue(QStringLiteral(":id_language"), languageIdOf(language)); },
        [&](QSqlQuery& query) { fill(query, language); });
}

bool LetterList::hasAvailable(const Config& settings, Language* language)
{
    if (!filtersAreSafe(settings))
        return false;
    bool found = false;
    SqlHelpers::select(
        Selection::letterQuery(settings.categoryFilter, settings.letterFilter, Database::engine()),
        [&](QSqlQuery& query) { query.bindValue(QStringLiteral(":id_language"), languageIdOf(language)); },
        [&](QSqlQuery& query) { found = query.first(); });
    return found;
}

void CategoryList::loadOfLanguage(Language* language)
{
    clearRows();
    QSqlQuery query = SqlHelpers::prepare(kCategoriesOfLanguage);
    query.bindValue(QStringLiteral(":id_language"), languageIdOf(language));
    if (!SqlHelpers::execSelect(query))
        return;
    while (query.next()) {
        Category category;
        category.id = query.value(0).toInt();
        category.name = query.value(1).toString().toUpper();
        category.setLanguage(language);
        appendRow(category);
    }
    sortRowsByName();
}

void WordList::fill(QSqlQuery& query, Letter* letter)
{
    while (query.next()) {
        Word word;
        word.id = query.value(0).toInt();
        word.name = query.value(1).toString();
        word.fullName = query.value(2).toString();
        word.image = query.value(3).toString();
        word.sign = query.value(4).toString();
        word.lips = query.value(5).toString();
        word.setLetter(letter);
        appendRow(word);
    }
}

void WordList::loadOfCategory(const Category& category)
{
    clearRows();
    QSqlQuery query = SqlHelpers::prepare(kWordsOfCategory);
    query.bindValue(QStringLiteral(":id_category"), category.id);
    if (SqlHelpers::execSelect(query))
        fill(query, nullptr);
    sortRowsByName();
}

void WordList::selectRandom(const Config& settings, Letter* letter)
{
    clearRows();
    if (!filtersAreSafe(settings))
        return;
    SqlHelpers::select(
        Selection::wordQuery(settings.categoryFilter, Database::engine()),
        [&](QSqlQuery& query) { query.bindValue(QStringLiteral(":id_letter"), letter ? letter->id : -1); },
        [&](QSqlQuery& query) { fill(query, letter); });
}
