#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class Language;

// File operations of the administration dialogs on the media library. Every
// folder they create, rename or remove lies inside a language's "Letras"
// folder; none of them follows a symbolic link out of it.
namespace MediaStore {

// Why a word description cannot name its media folder.
enum class NameProblem {
    None,
    Empty,          // nothing but blanks
    Separator,      // holds "/" or "\"
    DotName,        // "." or ".."
    EdgeBlankOrDot, // starts or ends with a blank or a dot
};
NameProblem checkFolderName(const QString& name);

// File name suffixes (lower case) of the pictures and videos a word may
// have: what phones and cameras give.
const QStringList& pictureSuffixes();
const QStringList& videoSuffixes();

// LANG + "Letras", without a trailing slash.
QString lettersFolder(const Language& language);

// Whether path names an entry strictly below root: its nearest existing
// ancestor, with every symbolic link resolved, is root or lies under it.
// The entry itself need not exist.
bool isInside(const QString& path, const QString& root);

// Whether path exists and, with every symbolic link resolved, lies strictly
// below root.
bool resolvesInside(const QString& path, const QString& root);

// Whether something, even a dangling symbolic link, has this name.
bool isOccupied(const QString& path);

// The text after the last "/" (the whole text when it holds none).
QString fileNameOf(const QString& path);

// wanted when no entry of folder has that name and it is not in taken;
// otherwise "stem-2.ext", "stem-3.ext", ... (the first free one).
QString freeName(const QString& folder, const QString& wanted, const QStringList& taken = {});

struct Removal
{
    bool refused = false;     // the path was not inside root: nothing touched
    QStringList failedFolders; // names of emptied folders that could not be removed
};

// Removes a folder with everything in it, hidden entries included. A
// symbolic link is removed itself, never followed. Files that cannot be
// deleted are skipped; a folder that keeps visible entries stays silently.
Removal removeDirectory(const QString& path, const QString& root);

// Moves a folder (or link) inside root out of sight, to a hidden name beside
// it, as the first step of deleting it. aside: where it went, or empty when
// there was nothing there. False when it could not be moved.
bool moveAside(const QString& folder, const QString& root, QString* aside);
// Puts a folder moved aside back (a deletion that did not go ahead).
bool moveBack(const QString& aside, const QString& folder);
// The prefix of folders moved aside for deletion.
QString asidePrefix();
// Where moveAside() puts a folder.
QString asidePathOf(const QString& folder);

// Renames a file or folder (replacing an existing file of that name).
bool renamePath(const QString& from, const QString& to);

// Tests: writes to paths for which this answers other than None fail as
// they would on a read-only or a full media library.
enum class Refused { None, ReadOnly, DiskFull };
using Refusal = std::function<Refused(const QString& path)>;
void setRefusal(const Refusal& refusal);
bool isRefused(const QString& path);

// Called after every chunk with the bytes copied so far; false cancels.
using Progress = std::function<bool(qint64 copied)>;

enum class CopyError { None, Source, Destination, DiskFull, Cancelled };

// Copies a regular file. The destination appears (or replaces an existing
// regular file) only once the whole copy succeeded; a failure leaves it as
// it was. A destination that is a symbolic link is refused.
bool copyFile(const QString& source, const QString& destination, const Progress& progress = {},
              CopyError* error = nullptr);

} // namespace MediaStore
