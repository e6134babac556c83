#pragma once

#include "recordlist.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class QSqlQuery;

class User
{
public:
    bool loadById(int id);
    bool loadByName(const QString& name);
    bool insert();  // both time stamps = now, local time
    bool remove();  // also removes the user's settings rows
    bool save();    // insert, then reload by name to learn the id
    bool setPicture(const QString& picture); // stored at once
    // The pictures of every user, as stored.
    static QStringList usedPictures();

    // Reads a row laid out as id, name, last_login, created_in, picture.
    void readRow(const QSqlQuery& query);

    int id = 0;
    QString name;
    QDateTime createdIn;
    QDateTime lastLogin;
    QString picture; // see UserPictures; given the next free one when empty at insert
};

class UserList : public RecordList<User>
{
public:
    void loadAll();
};

// Text form of the user time stamps.
inline constexpr const char* kUserTimeFormat = "yyyy-MM-dd hh:mm:ss";
