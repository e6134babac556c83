#pragma once

#include <QString>
#include <QTemporaryDir>

// Qt 6.4's FFmpeg media backend cannot open a path with non-ASCII
// characters (word folders are named by their words, "Español", "seña"),
// and reading through a QIODevice instead loses memory inside it: an
// ASCII-named link to the file serves both. The links live in a private
// folder removed with this object.
class AsciiLink
{
public:
    // The path itself when it is ASCII, else a link named name + the
    // file's suffix (the path again if no link could be made).
    QString openable(const QString& path, const QString& name);

private:
    QTemporaryDir links;
};
