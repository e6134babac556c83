#pragma once

// A throw-away program home over the real content pack, for the benchmarks
// and the soak run: a copy of the database (they write a user) and a link to
// the media library. ONDALIRA_HOME points at it while the object lives.

#include "config.h"
#include "database.h"
#include "inputdialog.h"
#include "mainwindow.h"
#include "user.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Before the application object: offscreen unless a display is asked for,
// quiet media logging, and the media backend the program itself picks.
inline void useBenchEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    qputenv("QT_LOGGING_RULES", "qt.multimedia.*=false");
}

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

    // Shows the window past its credits and user dialog, signed in as the
    // benchmark's user.
    void signIn(MainWindow& window)
    {
        window.show();
        window.slotHideCredits();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<InputDialog*>(widget))
                widget->hide();
        }
        window.slotChooseUser(&user);
    }

    User user;

private:
    QTemporaryDir dir;
    bool valid = false;
};

// The process's resident memory in kB, as the kernel reports it.
inline qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}
