#pragma once

#include <QString>
#include <memory>

class QSqlQuery;

class Language
{
public:
    bool loadById(int id);
    bool loadByName(const QString& name);

    // LANG: the language's media folder, with a trailing slash.
    QString mediaPath() const;

    int id = 0;
    QString name;

private:
    bool load(QSqlQuery& query);
};

// A record's parent language: kept when it already has the id read from the
// row, otherwise loaded into an object the record owns (null if none exists).
void resolveLanguage(int id, Language*& language, std::shared_ptr<Language>& owned);
