#pragma once

#include "language.h"

#include <QString>
#include <memory>

class QSqlQuery;

class Category
{
public:
    bool loadById(int id);
    bool insert();   // needs a language
    bool update();
    bool remove();
    // Deletes the category together with its word links, all or nothing.
    bool removeWithLinks();
    // Whether another category of the same language has this name, as a
    // person would read it (SpanishOrder::sameName); existing: its name.
    // Needs a language.
    bool isNameTaken(QString* existing = nullptr) const;

    void setLanguage(Language* language);

    int id = 0;
    QString name;
    Language* language = nullptr;

private:
    std::shared_ptr<Language> ownedLanguage;
};
