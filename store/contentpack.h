#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Language;

// A content pack: words with their pictures, sign and lip videos and
// categories in one zip file ("NAME.ondalira") that a school sends to
// another. The manifest ("manifest.json") says what is in it and the size
// and SHA-256 of every file; a pack from a stranger is data that is checked
// through before anything of it is written.
namespace ContentPack {

constexpr int kFormatVersion = 1;
const QString& suffix();       // "ondalira"
const QString& manifestName(); // "manifest.json"
// The licences offered when exporting; the last one is "otra".
const QStringList& licences();

struct File
{
    QString path; // inside the archive
    qint64 size = 0;
    QByteArray sha256; // hexadecimal
};

struct PackWord
{
    QString letter;
    QString name;     // the written word
    QString fullName; // the description
    QStringList categories;
    QString image, sign, lips; // paths inside the archive
};

struct Manifest
{
    int format = kFormatVersion;
    QString language, title, author, licence;
    QDateTime created;
    QList<PackWord> words;
    QList<File> files;

    qint64 totalSize() const;
    QStringList categories() const; // every category named, each once
    const File* file(const QString& path) const;
};

QByteArray toJson(const Manifest& manifest);
// false and a message when the text is not a manifest this program reads.
bool fromJson(const QByteArray& json, Manifest* manifest, QString* error);

// Bytes done so far and the total; false cancels.
using Progress = std::function<bool(qint64 done, qint64 total)>;

enum class MediaKind { Picture, Video };
// Whether the program can show this picture or play this video.
using Probe = std::function<bool(const QString& path, MediaKind kind)>;

// Tests: the free space reported for a folder (an empty function restores
// the disk's own answer).
void setFreeSpace(const std::function<qint64(const QString& folder)>& freeSpace);
qint64 freeSpace(const QString& folder);

// ---- Export

struct PackInfo
{
    QString title, author, licence;
};

// The ids of the words of the language that belong to one of the letters
// or categories named (names compared as a person reads them), plus the
// words given by id; every word of the language when nothing is named.
QList<int> chooseWords(Language& language, const QStringList& letters,
                       const QStringList& categories, const QList<int>& wordIds = {});

// Writes the pack of these words. A cancelled or failed export leaves no
// file at path (and an existing file there as it was).
bool exportPack(const QString& path, Language& language, const QList<int>& wordIds,
                const PackInfo& info, const Progress& progress, QString* error);

// ---- Reading

class Reader
{
public:
    explicit Reader(const QString& path);
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // Checks the archive's entries and reads the manifest, reading no file
    // whole: names, kinds, duplicates, sizes, compression ratios, the free
    // space of the folder the pack would be unpacked in, the manifest and
    // that it names exactly the files there are.
    bool open(const QString& spaceFolder = QString());
    const Manifest& manifest() const { return data; }
    QString error() const { return problem; }

    // Reads every file through and compares its size and checksum.
    bool verify(const Progress& progress = {});
    // Unpacks every file into folder (which must exist and be empty), each
    // in a numbered subfolder under its own file name, checking sizes and
    // checksums. localPath() then gives where an archive path went.
    bool extract(const QString& folder, const Progress& progress = {});
    QString localPath(const QString& archivePath) const;

private:
    bool readAll(const QString& folder, const Progress& progress);
    bool fail(const QString& message);

    QString path;
    Manifest data;
    QString problem;
    QStringList order; // archive paths of the files, as in the archive
    QString unpacked;
    bool opened = false;
};

// ---- Import

enum class Conflict { KeepMine, TakeTheirs, KeepBoth };

struct ImportItem
{
    int word = 0; // index in the manifest's words
    bool letterMissing = false;
    int existingId = 0; // the word here with the same description, or 0
    Conflict choice = Conflict::KeepMine;
};

struct ImportPlan
{
    QList<ImportItem> items;
    QStringList missingLetters;    // letters of the pack this language lacks
    QStringList missingCategories; // to be created
    qint64 totalSize = 0;
    qint64 freeSpace = 0;

    int existing() const;
    void chooseForAll(Conflict choice);
};

ImportPlan planImport(const Manifest& manifest, Language& language);

struct ImportSummary
{
    QStringList added, replaced, kept, skipped; // descriptions
    QStringList failed;                         // messages
    QStringList categoriesCreated;
    bool ok() const { return failed.isEmpty(); }
};

// The preview as text lines (the terminal's "show").
QStringList describe(const Manifest& manifest, const ImportPlan& plan);
QStringList describe(const ImportSummary& summary);

// Checks the whole pack (unpacking it beside the media library, probing its
// pictures and videos) and only then writes the words through the crash-safe
// word saver. False with error when the pack was refused (nothing written)
// or when a word could not be written (summary.failed says which).
bool importPack(Reader& reader, const ImportPlan& plan, Language& language, const Probe& probe,
                const Progress& progress, ImportSummary* summary, QString* error);

} // namespace ContentPack
