// Exports and imports a content pack of large videos and times both beside a
// plain `cp -r` of the same media files on the same disk; reports the peak
// resident memory before and after, which must not grow with the pack.
// Nothing is asserted. Usage: bench_contentpack [MEGABYTES] [FOLDER]
// (default 256 MB in a temporary folder under /var/tmp).
#include "contentpack.h"
#include "database.h"
#include "language.h"
#include "letter.h"
#include "mediastore.h"
#include "word.h"
#include "wordsaver.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
constexpr int kWords = 16;

// Peak resident memory of this process so far, in MB.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return -1;
}

// A program home with the language "Español" and the letters A–P.
bool makeHome(const QString& home)
{
    QDir().mkpath(home + QStringLiteral("/data"));
    QDir().mkpath(home + QStringLiteral("/media/languages/Español/Letras"));
    qputenv("ONDALIRA_HOME", QFile::encodeName(home));
    Database::closeDefault();
    QFile schema(QStringLiteral(OL_SCHEMA_PATH));
    if (!schema.open(QIODevice::ReadOnly))
        return false;
    {
        QSqlDatabase db
            = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("setup"));
        db.setDatabaseName(home + QStringLiteral("/data/bd"));
        if (!db.open())
            return false;
        QSqlQuery setup(db);
        for (const QString& statement :
             Database::scriptStatements(QString::fromUtf8(schema.readAll()))) {
            if (!setup.exec(statement))
                return false;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("setup"));
    if (!Database::openDefault(home + QStringLiteral("/data/bd")))
        return false;
    QSqlQuery query;
    query.exec(QStringLiteral("INSERT INTO language (id, name) VALUES (1, 'Español')"));
    for (int l = 0; l < kWords; ++l)
        query.exec(QStringLiteral("INSERT INTO letter (name, id_language) VALUES ('%1', 1)")
                       .arg(QChar(u'A' + l)));
    return true;
}

bool writeRandom(const QString& path, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (qint64 done = 0; done < bytes; done += chunk.size()) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(chunk.data()),
                                              chunk.size() / 4);
        file.write(chunk.constData(), qMin<qint64>(chunk.size(), bytes - done));
    }
    return true;
}

qint64 timeCp(const QString& from, const QString& to)
{
    QDir(to).removeRecursively();
    QProcess::execute(QStringLiteral("sync"), {});
    QElapsedTimer timer;
    timer.start();
    QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), from, to});
    QProcess::execute(QStringLiteral("sync"), {});
    return timer.elapsed();
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 256;
    QTemporaryDir dir(argc > 2
                          ? QString::fromLocal8Bit(argv[2]) + QStringLiteral("/pack-bench-XXXXXX")
                          : QStringLiteral("/var/tmp/pack-bench-XXXXXX"));
    QTextStream out(stdout);
    const QString school = dir.filePath(QStringLiteral("school"));
    const QString other = dir.filePath(QStringLiteral("other"));
    const QString pack = dir.filePath(QStringLiteral("todo.ondalira"));
    if (!makeHome(school))
        return 1;
    // Each word: a small picture and two videos sharing the size.
    Language language;
    language.loadById(1);
    const qint64 videoBytes = megabytes * (1 << 20) / (2 * kWords);
    const QString sources = dir.filePath(QStringLiteral("sources"));
    QDir().mkpath(sources);
    for (int w = 0; w < kWords; ++w) {
        Letter letter;
        letter.loadByName(QString(QChar(u'A' + w)), &language);
        const QString stem = sources + QStringLiteral("/w%1").arg(w);
        writeRandom(stem + QStringLiteral(".png"), 50000);
        writeRandom(stem + QStringLiteral("-sena.avi"), videoBytes);
        writeRandom(stem + QStringLiteral("-labios.avi"), videoBytes);
        Word word;
        word.setLetter(&letter);
        const QString name = QStringLiteral("palabra");
        if (WordSaver::save(word,
                            {name,
                             name + QString::number(w),
                             stem + QStringLiteral(".png"),
                             stem + QStringLiteral("-sena.avi"),
                             stem + QStringLiteral("-labios.avi"),
                             {}},
                            {})
                .outcome
            != WordSaver::Outcome::Saved)
            return 2;
    }
    QDir(sources).removeRecursively();
    const double before = peakMegabytes();
    const QString media = school + QStringLiteral("/media");

    QProcess::execute(QStringLiteral("sync"), {});
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!ContentPack::exportPack(
            pack, language, ContentPack::chooseWords(language, {}, {}),
            {QStringLiteral("bench"), QStringLiteral("bench"), QStringLiteral("CC0 1.0")}, {},
            &error)) {
        out << "export failed: " << error << Qt::endl;
        return 3;
    }
    QProcess::execute(QStringLiteral("sync"), {});
    const qint64 exportMs = timer.elapsed();
    const qint64 cpExportMs = timeCp(media, dir.filePath(QStringLiteral("copy1")));
    // What Qt's own SHA-256 would cost over the same files.
    timer.restart();
    for (QDirIterator it(media, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (file.open(QIODevice::ReadOnly))
            hash.addData(&file);
    }
    const qint64 hashMs = timer.elapsed();
    QDir(dir.filePath(QStringLiteral("copy1"))).removeRecursively();
    const double afterExport = peakMegabytes();

    // The checks alone: every file read through, its size, CRC and SHA-256.
    qint64 verifyMs = 0;
    {
        ContentPack::Reader reader(pack);
        timer.restart();
        if (!reader.open() || !reader.verify())
            return 6;
        verifyMs = timer.elapsed();
    }
    if (!makeHome(other))
        return 4;
    Language target;
    target.loadById(1);
    timer.restart();
    ContentPack::Reader reader(pack);
    ContentPack::ImportSummary summary;
    if (!reader.open(other)
        || !ContentPack::importPack(
            reader, ContentPack::planImport(reader.manifest(), target), target,
            [](const QString&, ContentPack::MediaKind) { return true; }, {}, &summary, &error)) {
        out << "import failed: " << reader.error() << error << Qt::endl;
        return 5;
    }
    QProcess::execute(QStringLiteral("sync"), {});
    const qint64 importMs = timer.elapsed();
    const qint64 cpImportMs = timeCp(media, dir.filePath(QStringLiteral("copy2")));
    const double afterImport = peakMegabytes();

    out << megabytes << " MB, " << kWords << " words (" << summary.added.size() << " imported)\n"
        << "export " << exportMs << " ms, cp -r " << cpExportMs << " ms, ratio "
        << QString::number(double(exportMs) / qMax<qint64>(cpExportMs, 1), 'f', 2) << "\n"
        << "import " << importMs << " ms, cp -r " << cpImportMs << " ms, ratio "
        << QString::number(double(importMs) / qMax<qint64>(cpImportMs, 1), 'f', 2)
        << " (the checks alone " << verifyMs << " ms)\n"
        << "QCryptographicHash SHA-256 alone " << hashMs << " ms\n"
        << "peak RSS: before " << before << " MB, after export " << afterExport
        << " MB, after import " << afterImport << " MB" << Qt::endl;
    Database::closeDefault();
    return 0;
}
