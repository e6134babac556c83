#pragma once

#include "category.h"
#include "letter.h"

#include <QSqlError>
#include <QString>
#include <memory>

class QSqlQuery;

class Word
{
public:
    bool loadById(int id);
    bool loadByFullName(const QString& fullName, Letter* letter);
    bool insert();  // needs a letter
    // Only when the row still has the revision read (see staleness()); the
    // initial letter is not changed.
    bool update();
    bool save();    // insert, then reload by description to learn the id
    bool remove();
    // Deletes the word together with its category links, all or nothing.
    bool removeWithLinks();
    // The same, only when the row still has the revision read: a word
    // changed on another PC since is kept (staleness() says so), one
    // deleted there counts as deleted.
    bool removeAsRead();
    // Whether another word of the same letter already has this description
    // as a person would read it (SpanishOrder::sameName): their folders
    // would clash on a case-insensitive disk. existing: its description.
    // Needs a letter.
    bool isFullNameTaken(QString* existing = nullptr) const;

    bool addCategory(const Category& category);
    bool removeCategory(const Category& category);
    bool hasCategory(const Category& category);

    // Media folder LANG/Letras/<letter>/<fullName>/ and the files in it.
    QString folderPath() const;
    QString imagePath() const;
    QString signPath() const;
    QString lipsPath() const;

    void setLetter(Letter* letter);

    // Why the last failed write (insert, update, category link) failed.
    QSqlError lastError() const { return error; }
    // Why the last update() or removeAsRead() found no row as it was read.
    enum class Staleness { None, Changed, Deleted };
    Staleness staleness() const { return stale; }

    int id = 0;
    QString name;      // the written word the child sees and types
    QString fullName;  // the description; also names the media folder
    QString image;
    QString sign;
    QString lips;
    int revision = 0;  // the count of saves of the row as it was read
    Letter* letter = nullptr;

private:
    bool readRow(QSqlQuery& query);
    bool matchedReadRow(QSqlQuery& query);

    bool run(QSqlQuery& query);

    std::shared_ptr<Letter> ownedLetter;
    QSqlError error;
    Staleness stale = Staleness::None;
};
