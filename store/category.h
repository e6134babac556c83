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

    void setLanguage(Language* language);

    int id = 0;
    QString name;
    Language* language = nullptr;

private:
    std::shared_ptr<Language> ownedLanguage;
};
