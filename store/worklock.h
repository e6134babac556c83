#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

class QLockFile;

// Tells other programs that a piece of work in the media library (a word's
// save, a pack's unpacked files) is under way, for as long as the object
// holds it. On the embedded database: a lock file beside the work. On a
// school server the library is a network folder, where file locks cannot
// be trusted: there a PostgreSQL session advisory lock keyed from the
// work's name, which the server releases when the PC's session ends.
class WorkLock
{
public:
    enum class Taken {
        Held,    // the work is this object's until it is destroyed
        Busy,    // another running program, or this one, is doing it
        Refused, // the lock file cannot be written
    };

    WorkLock();
    WorkLock(const WorkLock&) = delete;
    WorkLock& operator=(const WorkLock&) = delete;
    ~WorkLock();

    // name: the work's name, unique on a server (a UUID in it); lockFile:
    // the lock file used on the embedded database.
    Taken take(const QString& lockFile, const QString& name);

    // The advisory lock key of a work's name.
    static qint64 keyOf(const QString& name);

private:
    std::unique_ptr<QLockFile> file;
    std::optional<qint64> heldKey;
    QString underWay;
};
