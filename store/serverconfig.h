#pragma once

#include <QString>
#include <QStringList>

// The connection file of a PC that works on the school's PostgreSQL server:
// data/server.conf in the program's home, or the system-wide file that the
// school's IT sets for every user of the PC. Without one the program uses
// its embedded database, as always. Two lines:
//   database=postgresql://ondalira@servidor/ondalira   (a libpq URI)
//   media=/mnt/escuela/ondalira/media                  (the shared library)
// Passwords belong in ~/.pgpass, a service file or PGPASSWORD: one written
// in the URI is never used, and no problem names it.
struct ServerConfig
{
    static const QString kSystemFile; // /etc/ondalira/server.conf

    QString file;          // the file read; empty: none, the embedded database
    QString database;      // the libpq connection URI
    QString media;         // the shared media library
    QStringList problems;  // what is wrong in it, line by line (never a value)
    bool exposed = false;  // others than its owner may read (or change) it

    bool isSet() const { return !file.isEmpty(); }

    // Reads the text of a connection file.
    static ServerConfig parse(const QString& text);
    // The home's file (in its data folder) first, then the system-wide one.
    static ServerConfig find(const QString& dataFolder, const QString& systemFile = kSystemFile);
};
