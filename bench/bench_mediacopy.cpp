// Times the copy of a large video into a word folder (chunked, through a
// temporary file that replaces the target only when complete) against a
// plain QFile::copy, and counts the progress reports the editor receives.
// Nothing is asserted.
#include "mediastore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 256;
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/source.avi");
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QByteArray chunk(1 << 20, Qt::Uninitialized);
        for (qint64 i = 0; i < megabytes; ++i) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(chunk.data()),
                                                  chunk.size() / 4);
            file.write(chunk);
        }
    }
    QTextStream out(stdout);
    for (int round = 0; round < 3; ++round) {
        const QString target = dir.path() + QStringLiteral("/copy.avi");
        QFile::remove(target);
        int reports = 0;
        QElapsedTimer timer;
        timer.start();
        const bool ok = MediaStore::copyFile(source, target, [&](qint64) {
            ++reports;
            return true;
        });
        const qint64 ours = timer.elapsed();
        QFile::remove(target);
        timer.restart();
        QFile::copy(source, target);
        const qint64 plain = timer.elapsed();
        out << megabytes << " MB: copyFile " << ours << " ms (" << (ok ? "ok" : "failed") << ", "
            << reports << " progress reports), QFile::copy " << plain << " ms" << Qt::endl;
    }
    return 0;
}
