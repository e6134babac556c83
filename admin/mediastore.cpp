#include "mediastore.h"

#include "language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace MediaStore {

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

QString lettersFolder(const Language& language)
{
    return language.mediaPath() + QStringLiteral("Letras");
}

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
    return canonical == rootCanonical || canonical.startsWith(rootCanonical + QLatin1Char('/'));
}

bool resolvesInside(const QString& path, const QString& root)
{
    const QString rootCanonical = QFileInfo(root).canonicalFilePath();
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !rootCanonical.isEmpty() && canonical.startsWith(rootCanonical + QLatin1Char('/'));
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
        else
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

bool copyFile(const QString& source, const QString& destination, const Progress& progress)
{
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isFile() || QFileInfo(destination).isSymLink())
        return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        const qint64 read = in.read(buffer.data(), buffer.size());
        if (read < 0) {
            out.cancelWriting();
            break;
        }
        if (read == 0)
            break;
        if (out.write(buffer.constData(), read) != read) {
            out.cancelWriting();
            break;
        }
        copied += read;
        if (progress)
            progress(copied);
    }
    return out.commit();
}

} // namespace MediaStore
