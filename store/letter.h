#pragma once

#include "language.h"

#include <QString>
#include <memory>

class QSqlQuery;

class Letter
{
public:
    bool loadById(int id);
    // Looks the letter up by its upper-case name within the language.
    bool loadByName(const QString& name, Language* language);
    bool remove();
    // Deletes the letter, its words and their category links, all or nothing.
    bool removeWithWords();

    // The letter's media folder, LANG + "Letras/" + name + "/".
    QString folderPath() const;
    // The letter's spoken name, in its folder (the default pack has one).
    QString spokenNamePath() const { return folderPath() + QStringLiteral("nombre.wav"); }

    // Sets the language without taking ownership (list rows share theirs).
    void setLanguage(Language* language);

    int id = 0;
    QString name;
    Language* language = nullptr;

private:
    bool readRow(QSqlQuery& query);

    // Set when this letter had to load its language itself.
    std::shared_ptr<Language> ownedLanguage;
};
