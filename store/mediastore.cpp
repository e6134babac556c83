#include "mediastore.h"

#include "language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace MediaStore {

namespace {
Refusal& refusalHook()
{
    static Refusal hook;
    return hook;
}
} // namespace

void setRefusal(const Refusal& refusal)
{
    refusalHook() = refusal;
}

namespace {
Refused refusalOf(const QString& path)
{
    return refusalHook() ? refusalHook()(path) : Refused::None;
}
} // namespace

bool isRefused(const QString& path)
{
    return refusalOf(path) != Refused::None;
}

bool renamePath(const QString& from, const QString& to)
{
    if (isRefused(from) || isRefused(to))
        return false;
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

QString asidePrefix()
{
    return QStringLiteral(".borrando-");
}

QString asidePathOf(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    return QFileInfo(clean).path() + QLatin1Char('/') + asidePrefix() + fileNameOf(clean);
}

bool moveAside(const QString& folder, const QString& root, QString* aside)
{
    aside->clear();
    const QString clean = QDir::cleanPath(folder);
    if (!isInside(clean, root))
        return false;
    if (!isOccupied(clean))
        return true;
    // The aside name must give the folder's name back at start; one left
    // over from before is removed first.
    const QString target = asidePathOf(clean);
    if (isOccupied(target))
        removeDirectory(target, root);
    if (isOccupied(target) || !renamePath(clean, target))
        return false;
    *aside = target;
    return true;
}

bool moveBack(const QString& aside, const QString& folder)
{
    return aside.isEmpty() || renamePath(aside, QDir::cleanPath(folder));
}

NameProblem checkFolderName(const QString& name)
{
    if (name.trimmed().isEmpty())
        return NameProblem::Empty;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return NameProblem::Separator;
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return NameProblem::DotName;
    const auto edgeChar = [](QChar c) { return c.isSpace() || c == QLatin1Char('.'); };
    if (edgeChar(name.front()) || edgeChar(name.back()))
        return NameProblem::EdgeBlankOrDot;
    return NameProblem::None;
}

const QStringList& pictureSuffixes()
{
    static const QStringList suffixes{QStringLiteral("png"), QStringLiteral("jpg"),
                                      QStringLiteral("jpeg")};
    return suffixes;
}

const QStringList& videoSuffixes()
{
    static const QStringList suffixes{QStringLiteral("avi"), QStringLiteral("mpg"),
                                      QStringLiteral("mov"), QStringLiteral("mp4"),
                                      QStringLiteral("m4v"), QStringLiteral("webm"),
                                      QStringLiteral("mkv")};
    return suffixes;
}

QString lettersFolder(const Language& language)
{
    return language.mediaPath() + QStringLiteral("Letras");
}

namespace {
// Whether the canonical path lies below (or, with orSame, is) the canonical
// root, compared by whole path components: "Letras-viejo" is not in "Letras".
bool liesUnder(const QString& path, const QString& root, bool orSame)
{
    const QStringList rootParts = root.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.size() < rootParts.size() || (parts.size() == rootParts.size() && !orSame))
        return false;
    for (qsizetype i = 0; i < rootParts.size(); ++i) {
        if (parts.at(i) != rootParts.at(i))
            return false;
    }
    return true;
}
} // namespace

bool isInside(const QString& path, const QString& root)
{
    const QString rootCanonical = QFileInfo(root).canonicalFilePath();
    if (rootCanonical.isEmpty() || path.isEmpty())
        return false;
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString name = QFileInfo(clean).fileName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    // The missing part below the nearest existing ancestor is made of plain
    // names (cleanPath removed every ".."), so that ancestor decides.
    QString ancestor = QFileInfo(clean).path();
    while (!QFileInfo::exists(ancestor)) {
        const QString up = QFileInfo(ancestor).path();
        if (up == ancestor)
            return false;
        ancestor = up;
    }
    const QString canonical = QFileInfo(ancestor).canonicalFilePath();
    return !canonical.isEmpty() && liesUnder(canonical, rootCanonical, true);
}

bool resolvesInside(const QString& path, const QString& root)
{
    const QString rootCanonical = QFileInfo(root).canonicalFilePath();
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !rootCanonical.isEmpty() && !canonical.isEmpty()
        && liesUnder(canonical, rootCanonical, false);
}

bool isOccupied(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString freeName(const QString& folder, const QString& wanted, const QStringList& taken)
{
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    const auto isFree = [&](const QString& name) {
        return !taken.contains(name) && !isOccupied(base + name);
    };
    if (isFree(wanted))
        return wanted;
    const int dot = wanted.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? wanted.left(dot) : wanted;
    const QString suffix = dot > 0 ? wanted.mid(dot) : QString();
    for (int n = 2;; ++n) {
        const QString candidate = stem + QLatin1Char('-') + QString::number(n) + suffix;
        if (isFree(candidate))
            return candidate;
    }
}

namespace {
void removeTree(const QString& path, QStringList& failedFolders)
{
    const QFileInfo info(path);
    if (isRefused(path))
        return;
    if (info.isSymLink()) {
        QFile::remove(path); // the link only
        return;
    }
    if (!info.isDir())
        return;
    QDir dir(path);
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo& entry : entries) {
        if (!entry.isSymLink() && entry.isDir())
            removeTree(entry.filePath(), failedFolders);
        else if (!isRefused(entry.filePath()))
            QFile::remove(entry.filePath());
    }
    // A file that could not be deleted keeps its folder, without a message.
    if (!dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).isEmpty())
        return;
    if (!QDir().rmdir(path))
        failedFolders << info.fileName();
}
} // namespace

Removal removeDirectory(const QString& path, const QString& root)
{
    Removal result;
    const QString clean = QDir::cleanPath(path);
    if (!isInside(clean, root)) {
        result.refused = true;
        return result;
    }
    removeTree(clean, result.failedFolders);
    return result;
}

bool copyFile(const QString& source, const QString& destination, const Progress& progress,
              CopyError* error)
{
    CopyError ignored;
    CopyError& failure = error ? *error : ignored;
    failure = CopyError::None;
    const QFileInfo sourceInfo(source);
    QFile in(source);
    if (!sourceInfo.isFile() || !in.open(QIODevice::ReadOnly)) {
        failure = CopyError::Source;
        return false;
    }
    const Refused refused = refusalOf(destination);
    if (QFileInfo(destination).isSymLink() || refused != Refused::None) {
        failure = refused == Refused::DiskFull ? CopyError::DiskFull : CopyError::Destination;
        return false;
    }
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly)) {
        failure = out.error() == QFileDevice::ResourceError ? CopyError::DiskFull
                                                            : CopyError::Destination;
        return false;
    }
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        const qint64 read = in.read(buffer.data(), buffer.size());
        if (read < 0) {
            failure = CopyError::Source;
            out.cancelWriting();
            break;
        }
        if (read == 0)
            break;
        if (out.write(buffer.constData(), read) != read) {
            // Qt reports a full disk (ENOSPC) as a resource error.
            failure = out.error() == QFileDevice::ResourceError ? CopyError::DiskFull
                                                                : CopyError::Destination;
            out.cancelWriting();
            break;
        }
        copied += read;
        if (progress && !progress(copied)) {
            failure = CopyError::Cancelled;
            out.cancelWriting();
            break;
        }
    }
    if (failure == CopyError::None && out.commit())
        return true;
    if (failure == CopyError::None)
        failure = out.error() == QFileDevice::ResourceError ? CopyError::DiskFull
                                                            : CopyError::Destination;
    return false;
}

} // namespace MediaStore
