#pragma once

// A throw-away program home over the real content pack, for the benchmarks
// and the soak run: a copy of the database (they write a user) and a link to
// the media library. ONDALIRA_HOME points at it while the object lives.

#include "config.h"
#include "database.h"
#include "user.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class ProgramHome
{
public:
    explicit ProgramHome(const QString& packHome)
    {
        if (!dir.isValid())
            return;
        QDir(dir.path()).mkpath(QStringLiteral("data"));
        const QString database = dir.path() + QStringLiteral("/data/bd");
        if (!QFile::copy(packHome + QStringLiteral("/data/bd"), database))
            return;
        QFile::link(QDir(packHome).absoluteFilePath(QStringLiteral("media")),
                    dir.path() + QStringLiteral("/media"));
        qputenv("ONDALIRA_HOME", QFile::encodeName(dir.path()));
        if (!Database::openDefault(database))
            return;
        user.name = QStringLiteral("bench");
        valid = user.save();
    }

    bool isValid() const { return valid; }

    User user;

private:
    QTemporaryDir dir;
    bool valid = false;
};
