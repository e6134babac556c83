#include "contentpack.h"

#include "category.h"
#include "contentlists.h"
#include "language.h"
#include "letter.h"
#include "mediapaths.h"
#include "mediastore.h"
#include "worklock.h"
#include "spanishorder.h"
#include "sqlhelpers.h"
#include "word.h"
#include "wordsaver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>

#include <openssl/evp.h>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <quazip/quazipnewinfo.h>

namespace ContentPack {
namespace {
// The context of the messages in the translation file.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ContentPack)
};

const QString kWordsOfLanguage
    = QStringLiteral("SELECT word.id FROM word JOIN letter ON word.id_letter = letter.id "
                     "WHERE letter.id_language = :id_language ORDER BY letter.name, word.fullName");
const QString kLetterOfWord = QStringLiteral("SELECT letter.name FROM word JOIN letter ON "
                                             "word.id_letter = letter.id WHERE word.id = :id");
const QString kCategoriesOfWord = QStringLiteral(
    "SELECT category.name FROM category JOIN word_x_category "
    "ON word_x_category.id_category = category.id WHERE word_x_category.id_word = :id "
    "ORDER BY category.name");
const QString kWordsOfLetter
    = QStringLiteral("SELECT id, fullName FROM word WHERE id_letter = :id_letter");

const QString kUnpackPrefix = QStringLiteral(".paquete-");
const QString kLockSuffix = QStringLiteral(".bloqueo");

constexpr qint64 kChunk = 1 << 20;
constexpr qint64 kMaxManifest = 8 << 20;
constexpr int kMaxEntries = 100000;
constexpr int kMaxNameBytes = 1024;
// A file that inflates more than this many times over is a zip bomb;
// pictures and videos hardly compress at all.
constexpr qint64 kMaxRatio = 100;
constexpr qint64 kRatioFloor = 1 << 20;

std::function<qint64(const QString&)>& freeSpaceHook()
{
    static std::function<qint64(const QString&)> hook;
    return hook;
}

// Why an entry name cannot be unpacked, or empty when it is a plain
// relative path.
QString nameProblem(const QString& name)
{
    if (name.isEmpty())
        return Text::tr("una entrada sin nombre");
    if (name.contains(QChar::ReplacementCharacter))
        return Text::tr("un nombre que no es UTF-8 válido");
    if (name.toUtf8().size() > kMaxNameBytes)
        return Text::tr("un nombre demasiado largo");
    if (name.contains(QLatin1Char('\\')))
        return Text::tr("una barra invertida en «%1»").arg(name);
    if (name.startsWith(QLatin1Char('/')))
        return Text::tr("una ruta absoluta «%1»").arg(name);
    if (name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter())
        return Text::tr("una letra de unidad en «%1»").arg(name);
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return Text::tr("un carácter de control en «%1»").arg(name);
    }
    QString body = name;
    if (body.endsWith(QLatin1Char('/')))
        body.chop(1);
    for (const QString& part : body.split(QLatin1Char('/'))) {
        if (part == QLatin1String(".."))
            return Text::tr("«..» en «%1»").arg(name);
        if (part.isEmpty() || part == QLatin1String("."))
            return Text::tr("una ruta mal formada «%1»").arg(name);
    }
    return QString();
}

// The kind of entry the Unix mode bits in the external attributes give.
QString kindProblem(const QuaZipFileInfo64& info)
{
    const quint32 type = (info.externalAttr >> 16) & 0170000;
    if (type == 0 || type == 0100000 || type == 0040000)
        return QString();
    if (type == 0120000)
        return Text::tr("un enlace simbólico «%1»").arg(info.name);
    return Text::tr("un dispositivo o archivo especial «%1»").arg(info.name);
}

bool isFolderEntry(const QuaZipFileInfo64& info)
{
    return info.name.endsWith(QLatin1Char('/'));
}

QJsonObject fileToJson(const File& file)
{
    return {{"path", file.path}, {"size", file.size}, {"sha256", QString::fromLatin1(file.sha256)}};
}

QString joinPath(const QStringList& parts)
{
    return parts.join(QLatin1Char('/'));
}

// SHA-256 through OpenSSL, which uses the processor's SHA instructions:
// QCryptographicHash ran at about 175 MB/s here, far slower than the copy.
class Sha256
{
public:
    Sha256()
        : context(EVP_MD_CTX_new())
    {
        EVP_DigestInit_ex(context, EVP_sha256(), nullptr);
    }
    ~Sha256() { EVP_MD_CTX_free(context); }
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void addData(const char* data, qint64 size) { EVP_DigestUpdate(context, data, size_t(size)); }
    QByteArray hex()
    {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int size = 0;
        EVP_DigestFinal_ex(context, digest, &size);
        return QByteArray(reinterpret_cast<const char*>(digest), int(size)).toHex();
    }

private:
    EVP_MD_CTX* context;
};

// Copies a device into another in chunks, hashing what passes; stops with
// false past limit bytes (a file larger than it says) or on a read or write
// error.
bool copyHashed(QIODevice& from, QIODevice* to, Sha256& hash, qint64 limit, qint64* copied,
                const std::function<bool(qint64)>& chunkDone)
{
    QByteArray buffer(kChunk, Qt::Uninitialized);
    *copied = 0;
    for (;;) {
        const qint64 read = from.read(buffer.data(), buffer.size());
        if (read < 0)
            return false;
        if (read == 0)
            return true;
        *copied += read;
        if (*copied > limit)
            return false;
        hash.addData(buffer.constData(), read);
        if (to && to->write(buffer.constData(), read) != read)
            return false;
        if (chunkDone && !chunkDone(read))
            return false;
    }
}

QStringList wordCategories(int wordId)
{
    QStringList names;
    QSqlQuery query = SqlHelpers::prepare(kCategoriesOfWord);
    query.bindValue(QStringLiteral(":id"), wordId);
    if (SqlHelpers::execSelect(query)) {
        while (query.next())
            names << query.value(0).toString();
    }
    return names;
}

// The word of the letter whose description reads as this one, or 0.
int wordNamed(const Letter& letter, const QString& fullName)
{
    QSqlQuery query = SqlHelpers::prepare(kWordsOfLetter);
    query.bindValue(QStringLiteral(":id_letter"), letter.id);
    if (SqlHelpers::execSelect(query)) {
        while (query.next()) {
            if (SpanishOrder::sameName(query.value(1).toString(), fullName))
                return query.value(0).toInt();
        }
    }
    return 0;
}

int categoryNamed(const QString& name, CategoryList& list)
{
    list.reset();
    while (const Category* category = list.next()) {
        if (SpanishOrder::sameName(category->name, name))
            return category->id;
    }
    return 0;
}
} // namespace

const QString& suffix()
{
    static const QString text = QStringLiteral("ondalira");
    return text;
}

const QString& manifestName()
{
    static const QString text = QStringLiteral("manifest.json");
    return text;
}

const QStringList& licences()
{
    static const QStringList list{QStringLiteral("CC BY 4.0"),
                                  QStringLiteral("CC BY-SA 4.0"),
                                  QStringLiteral("CC BY-NC 4.0"),
                                  QStringLiteral("CC BY-NC-SA 4.0"),
                                  QStringLiteral("CC BY-ND 4.0"),
                                  QStringLiteral("CC0 1.0"),
                                  Text::tr("otra")};
    return list;
}

void setFreeSpace(const std::function<qint64(const QString&)>& freeSpace)
{
    freeSpaceHook() = freeSpace;
}

qint64 freeSpace(const QString& folder)
{
    if (freeSpaceHook())
        return freeSpaceHook()(folder);
    const QStorageInfo disk(folder);
    return disk.isValid() ? disk.bytesAvailable() : -1;
}

qint64 Manifest::totalSize() const
{
    qint64 total = 0;
    for (const File& f : files)
        total += f.size;
    return total;
}

QStringList Manifest::categories() const
{
    QStringList names;
    for (const PackWord& word : words) {
        for (const QString& name : word.categories) {
            const bool known = std::any_of(names.cbegin(), names.cend(), [&](const QString& n) {
                return SpanishOrder::sameName(n, name);
            });
            if (!known)
                names << name;
        }
    }
    return names;
}

const File* Manifest::file(const QString& path) const
{
    for (const File& f : files) {
        if (f.path == path)
            return &f;
    }
    return nullptr;
}

QByteArray toJson(const Manifest& manifest)
{
    QJsonArray words;
    for (const PackWord& word : manifest.words) {
        words.append(QJsonObject{{"letter", word.letter},
                                 {"name", word.name},
                                 {"fullName", word.fullName},
                                 {"categories", QJsonArray::fromStringList(word.categories)},
                                 {"image", word.image},
                                 {"sign", word.sign},
                                 {"lips", word.lips}});
    }
    QJsonArray files;
    for (const File& file : manifest.files)
        files.append(fileToJson(file));
    const QJsonObject root{{"format", manifest.format},
                           {"language", manifest.language},
                           {"title", manifest.title},
                           {"author", manifest.author},
                           {"licence", manifest.licence},
                           {"created", manifest.created.toUTC().toString(Qt::ISODate)},
                           {"words", words},
                           {"files", files}};
    return QJsonDocument(root).toJson();
}

bool fromJson(const QByteArray& json, Manifest* manifest, QString* error)
{
    const auto fail = [&](const QString& message) {
        *error = message;
        return false;
    };
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError || !document.isObject())
        return fail(Text::tr("El índice del paquete está dañado (%1).").arg(parse.errorString()));
    const QJsonObject root = document.object();
    const QJsonValue format = root.value(QLatin1String("format"));
    if (!format.isDouble() || format.toDouble() < 1 || format.toDouble() != format.toInt())
        return fail(Text::tr("El índice del paquete no dice su versión."));
    if (format.toInt() > kFormatVersion)
        return fail(Text::tr("El paquete es de una versión más nueva del programa (formato %1); "
                             "actualice el programa para abrirlo.")
                        .arg(format.toInt()));
    Manifest result;
    result.format = format.toInt();
    const auto text = [&](const QJsonObject& object, const char* key, QString* out) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (!value.isString())
            return false;
        *out = value.toString();
        return true;
    };
    if (!text(root, "language", &result.language) || !text(root, "title", &result.title)
        || !text(root, "author", &result.author) || !text(root, "licence", &result.licence))
        return fail(Text::tr("Al índice del paquete le falta el idioma, el título, el autor o la "
                             "licencia."));
    result.created
        = QDateTime::fromString(root.value(QLatin1String("created")).toString(), Qt::ISODate);
    if (!root.value(QLatin1String("files")).isArray()
        || !root.value(QLatin1String("words")).isArray())
        return fail(Text::tr("Al índice del paquete le faltan las palabras o los archivos."));
    QSet<QString> paths;
    for (const QJsonValue& value : root.value(QLatin1String("files")).toArray()) {
        const QJsonObject object = value.toObject();
        File file;
        QString sha;
        const QJsonValue size = object.value(QLatin1String("size"));
        if (!text(object, "path", &file.path) || !text(object, "sha256", &sha) || !size.isDouble()
            || size.toDouble() < 0 || size.toDouble() > 9.0e15)
            return fail(Text::tr("Un archivo del índice del paquete está mal descrito."));
        file.size = qint64(size.toDouble());
        file.sha256 = sha.toLatin1().toLower();
        if (file.sha256.size() != 64 || QByteArray::fromHex(file.sha256).toHex() != file.sha256)
            return fail(
                Text::tr("La suma de comprobación de «%1» está mal escrita.").arg(file.path));
        if (const QString problem = nameProblem(file.path); !problem.isEmpty())
            return fail(Text::tr("El paquete tiene %1.").arg(problem));
        if (file.path == manifestName() || paths.contains(file.path.toCaseFolded()))
            return fail(Text::tr("El índice del paquete nombra dos veces «%1».").arg(file.path));
        paths.insert(file.path.toCaseFolded());
        result.files << file;
    }
    for (const QJsonValue& value : root.value(QLatin1String("words")).toArray()) {
        const QJsonObject object = value.toObject();
        PackWord word;
        if (!text(object, "letter", &word.letter) || !text(object, "name", &word.name)
            || !text(object, "fullName", &word.fullName) || !text(object, "image", &word.image)
            || !text(object, "sign", &word.sign) || !text(object, "lips", &word.lips)
            || !object.value(QLatin1String("categories")).isArray())
            return fail(Text::tr("Una palabra del índice del paquete está mal descrita."));
        for (const QJsonValue& category : object.value(QLatin1String("categories")).toArray()) {
            if (!category.isString() || !SpanishOrder::hasVisibleCharacter(category.toString()))
                return fail(Text::tr("Una categoría del índice del paquete está mal escrita."));
            word.categories << SpanishOrder::cleanName(category.toString());
        }
        for (const QString* media : {&word.image, &word.sign, &word.lips}) {
            if (!result.file(*media))
                return fail(Text::tr("La palabra «%1» nombra un archivo que el paquete no lista.")
                                .arg(word.fullName));
        }
        result.words << word;
    }
    *manifest = result;
    return true;
}

// ---- Export

QList<int> chooseWords(Language& language, const QStringList& letters,
                       const QStringList& categories, const QList<int>& wordIds)
{
    QList<int> chosen;
    QSqlQuery query = SqlHelpers::prepare(kWordsOfLanguage);
    query.bindValue(QStringLiteral(":id_language"), language.id);
    QList<int> all;
    if (SqlHelpers::execSelect(query)) {
        while (query.next())
            all << query.value(0).toInt();
    }
    const bool everything = letters.isEmpty() && categories.isEmpty() && wordIds.isEmpty();
    const auto named = [](const QStringList& names, const QString& name) {
        return std::any_of(names.cbegin(), names.cend(),
                           [&](const QString& n) { return SpanishOrder::sameName(n, name); });
    };
    for (const int id : all) {
        bool take = everything || wordIds.contains(id);
        if (!take && !letters.isEmpty()) {
            QSqlQuery letter = SqlHelpers::prepare(kLetterOfWord);
            letter.bindValue(QStringLiteral(":id"), id);
            take = SqlHelpers::execFirstRow(letter) && named(letters, letter.value(0).toString());
        }
        if (!take && !categories.isEmpty()) {
            for (const QString& category : wordCategories(id))
                take = take || named(categories, category);
        }
        if (take)
            chosen << id;
    }
    return chosen;
}

bool exportPack(const QString& path, Language& language, const QList<int>& wordIds,
                const PackInfo& info, const Progress& progress, QString* error)
{
    Manifest manifest;
    manifest.language = language.name;
    manifest.title = info.title;
    manifest.author = info.author;
    manifest.licence = info.licence;
    manifest.created = QDateTime::currentDateTimeUtc();

    // What goes in, and every file there before a byte is written.
    struct Source
    {
        QString local;
        QString archive;
    };
    QList<Source> sources;
    qint64 total = 0;
    for (const int id : wordIds) {
        Word word;
        if (!word.loadById(id) || !word.letter || !word.letter->language) {
            *error = Text::tr("No se pudo leer una palabra de la base de datos.");
            return false;
        }
        PackWord packed;
        packed.letter = word.letter->name;
        packed.name = word.name;
        packed.fullName = word.fullName;
        packed.categories = wordCategories(id);
        const QStringList folder{QStringLiteral("palabras"), word.letter->name, word.fullName};
        const std::pair<QString, QString*> media[] = {{word.imagePath(), &packed.image},
                                                      {word.signPath(), &packed.sign},
                                                      {word.lipsPath(), &packed.lips}};
        for (const auto& [local, field] : media) {
            const QFileInfo file(local);
            if (!file.isFile()) {
                *error = Text::tr("Falta el archivo %1 de la palabra «%2».")
                             .arg(QDir::toNativeSeparators(local), word.fullName);
                return false;
            }
            *field = joinPath(folder + QStringList{file.fileName()});
            if (!nameProblem(*field).isEmpty()) {
                *error = Text::tr("El nombre del archivo %1 no puede ir en un paquete.")
                             .arg(QDir::toNativeSeparators(local));
                return false;
            }
            if (!manifest.file(*field)) {
                manifest.files << File{*field, file.size(), {}};
                sources << Source{local, *field};
                total += file.size();
            }
        }
        manifest.words << packed;
    }

    QSaveFile out(path);
    if (MediaStore::isRefused(path) || !out.open(QIODevice::WriteOnly)) {
        *error = Text::tr("No se pudo crear el archivo %1.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    bool cancelled = false;
    bool ok = true;
    {
        QuaZip zip(&out);
        zip.setAutoClose(false);
        zip.setUtf8Enabled(true);
        zip.setZip64Enabled(true);
        ok = zip.open(QuaZip::mdCreate);
        qint64 done = 0;
        for (int i = 0; ok && i < sources.size(); ++i) {
            QFile in(sources.at(i).local);
            QuaZipFile entry(&zip);
            QuaZipNewInfo newInfo(sources.at(i).archive);
            newInfo.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                   | QFile::ReadOther);
            // Pictures and videos are compressed already: stored, they
            // cost no time.
            if (!in.open(QIODevice::ReadOnly)
                || !entry.open(QIODevice::WriteOnly, newInfo, nullptr, 0, 0, 0)) {
                ok = false;
                *error = Text::tr("No se pudo leer %1.")
                             .arg(QDir::toNativeSeparators(sources.at(i).local));
                break;
            }
            Sha256 hash;
            qint64 copied = 0;
            const bool copiedAll = copyHashed(in, &entry, hash, manifest.files.at(i).size, &copied,
                                              [&](qint64 chunk) {
                                                  done += chunk;
                                                  cancelled = progress && !progress(done, total);
                                                  return !cancelled;
                                              });
            entry.close();
            if (!copiedAll || copied != manifest.files.at(i).size
                || entry.getZipError() != UNZ_OK) {
                ok = false;
                if (!cancelled)
                    *error = Text::tr("No se pudo copiar %1 al paquete (¿cambió durante la copia o "
                                      "está lleno el disco?).")
                                 .arg(QDir::toNativeSeparators(sources.at(i).local));
                break;
            }
            manifest.files[i].sha256 = hash.hex();
        }
        if (ok) {
            QuaZipFile entry(&zip);
            const QByteArray json = toJson(manifest);
            ok = entry.open(QIODevice::WriteOnly, QuaZipNewInfo(manifestName()), nullptr, 0,
                            Z_DEFLATED, Z_DEFAULT_COMPRESSION)
                && entry.write(json) == json.size();
            entry.close();
            ok = ok && entry.getZipError() == UNZ_OK;
        }
        zip.close();
        ok = ok && zip.getZipError() == UNZ_OK;
    }
    if (cancelled) {
        out.cancelWriting();
        *error = Text::tr("Exportación cancelada.");
        return false;
    }
    if (!ok || !out.commit()) {
        out.cancelWriting();
        if (error->isEmpty())
            *error = Text::tr("No se pudo escribir el archivo %1 (¿está lleno el disco?).")
                         .arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

// ---- Reading

Reader::Reader(const QString& archive)
    : path(archive)
{ }

Reader::~Reader() = default;

bool Reader::fail(const QString& message)
{
    problem = message;
    return false;
}

bool Reader::open(const QString& spaceFolder)
{
    problem.clear();
    order.clear();
    opened = false;
    const QFileInfo archiveInfo(path);
    if (!archiveInfo.isFile())
        return fail(Text::tr("No se encuentra el archivo %1.").arg(QDir::toNativeSeparators(path)));
    QuaZip zip(path);
    zip.setFileNameCodec("UTF-8");
    if (!zip.open(QuaZip::mdUnzip))
        return fail(Text::tr("El archivo no es un paquete o está cortado o dañado."));
    QList<QuaZipFileInfo64> entries;
    QSet<QString> seen;
    qint64 declared = 0;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info))
            return fail(
                Text::tr("El paquete está dañado: no se puede leer su índice de archivos."));
        if (entries.size() >= kMaxEntries)
            return fail(Text::tr("El paquete tiene demasiados archivos."));
        if (const QString why = nameProblem(info.name); !why.isEmpty())
            return fail(Text::tr("El paquete tiene %1.").arg(why));
        if (const QString why = kindProblem(info); !why.isEmpty())
            return fail(Text::tr("El paquete tiene %1.").arg(why));
        if (info.isEncrypted())
            return fail(Text::tr("El paquete tiene un archivo cifrado «%1».").arg(info.name));
        const QString key = info.name.toCaseFolded();
        if (seen.contains(key))
            return fail(Text::tr("El paquete tiene dos veces «%1».").arg(info.name));
        seen.insert(key);
        if (info.method != 0 && info.method != Z_DEFLATED)
            return fail(
                Text::tr("El paquete usa una compresión desconocida en «%1».").arg(info.name));
        if (info.name == manifestName() && info.uncompressedSize > quint64(kMaxManifest))
            return fail(Text::tr("El índice del paquete es demasiado grande."));
        if (info.uncompressedSize > kRatioFloor
            && info.uncompressedSize / qMax<quint64>(info.compressedSize, 1) > kMaxRatio)
            return fail(Text::tr("El paquete es una bomba de compresión: «%1» ocuparía %2 MB.")
                            .arg(info.name)
                            .arg(info.uncompressedSize >> 20));
        declared += qint64(qMin<quint64>(info.uncompressedSize, quint64(1) << 60));
        entries << info;
    }
    if (zip.getZipError() != UNZ_OK)
        return fail(Text::tr("El archivo no es un paquete o está cortado o dañado."));
    if (declared > kRatioFloor && declared / qMax<qint64>(archiveInfo.size(), 1) > kMaxRatio)
        return fail(Text::tr("El paquete es una bomba de compresión."));

    // The manifest, read no further than its allowed size.
    const auto manifestEntry
        = std::find_if(entries.cbegin(), entries.cend(),
                       [](const QuaZipFileInfo64& i) { return i.name == manifestName(); });
    if (manifestEntry == entries.cend())
        return fail(Text::tr("Al paquete le falta su índice (%1).").arg(manifestName()));
    if (manifestEntry->uncompressedSize > quint64(kMaxManifest))
        return fail(Text::tr("El índice del paquete es demasiado grande."));
    QByteArray json;
    {
        if (!zip.setCurrentFile(manifestName()))
            return fail(Text::tr("No se puede leer el índice del paquete."));
        QuaZipFile entry(&zip);
        if (!entry.open(QIODevice::ReadOnly))
            return fail(Text::tr("No se puede leer el índice del paquete."));
        json = entry.read(kMaxManifest + 1);
        const bool more = !entry.atEnd();
        entry.close();
        if (json.size() > kMaxManifest || more)
            return fail(Text::tr("El índice del paquete es demasiado grande."));
        if (entry.getZipError() != UNZ_OK || json.size() != qint64(manifestEntry->uncompressedSize))
            return fail(Text::tr("El índice del paquete está dañado."));
    }
    Manifest manifest;
    QString why;
    if (!fromJson(json, &manifest, &why))
        return fail(why);

    // The manifest names exactly the files there are, at their sizes.
    QSet<QString> listed;
    for (const File& file : manifest.files)
        listed.insert(file.path);
    QSet<QString> present;
    for (const QuaZipFileInfo64& info : entries) {
        if (info.name == manifestName())
            continue;
        if (isFolderEntry(info)) {
            if (info.uncompressedSize != 0)
                return fail(
                    Text::tr("El paquete tiene una carpeta con contenido «%1».").arg(info.name));
            continue;
        }
        const File* file = manifest.file(info.name);
        if (!file)
            return fail(Text::tr("El paquete tiene un archivo que su índice no nombra: «%1».")
                            .arg(info.name));
        if (qint64(info.uncompressedSize) != file->size)
            return fail(Text::tr("El tamaño de «%1» no coincide con el del índice del paquete.")
                            .arg(info.name));
        present.insert(info.name);
        order << info.name;
    }
    for (const File& file : manifest.files) {
        if (!present.contains(file.path))
            return fail(Text::tr("Falta en el paquete el archivo «%1».").arg(file.path));
    }
    if (!spaceFolder.isEmpty()) {
        const qint64 space = freeSpace(spaceFolder);
        if (space >= 0 && space < manifest.totalSize())
            return fail(Text::tr("El paquete necesita %1 MB y solo quedan %2 MB libres.")
                            .arg((manifest.totalSize() + (1 << 20) - 1) >> 20)
                            .arg(space >> 20));
    }
    data = manifest;
    opened = true;
    return true;
}

bool Reader::verify(const Progress& progress)
{
    return readAll(QString(), progress);
}

bool Reader::extract(const QString& folder, const Progress& progress)
{
    unpacked = folder;
    if (!readAll(folder, progress)) {
        unpacked.clear();
        return false;
    }
    return true;
}

QString Reader::localPath(const QString& archivePath) const
{
    const qsizetype index = order.indexOf(archivePath);
    if (unpacked.isEmpty() || index < 0)
        return QString();
    return unpacked + QLatin1Char('/') + QString::number(index) + QLatin1Char('/')
        + MediaStore::fileNameOf(archivePath);
}

bool Reader::readAll(const QString& folder, const Progress& progress)
{
    if (!opened)
        return fail(Text::tr("El paquete no se ha abierto."));
    QuaZip zip(path);
    zip.setFileNameCodec("UTF-8");
    if (!zip.open(QuaZip::mdUnzip))
        return fail(Text::tr("El archivo no es un paquete o está cortado o dañado."));
    const qint64 total = data.totalSize();
    qint64 done = 0;
    for (int i = 0; i < order.size(); ++i) {
        const File* expected = data.file(order.at(i));
        if (!zip.setCurrentFile(order.at(i)))
            return fail(Text::tr("El archivo no es un paquete o está cortado o dañado."));
        QuaZipFile entry(&zip);
        if (!entry.open(QIODevice::ReadOnly))
            return fail(Text::tr("No se puede leer «%1» del paquete.").arg(order.at(i)));
        // Written in full and synced before it counts: the word save may
        // move it into the library as it is.
        std::unique_ptr<QSaveFile> out;
        if (!folder.isEmpty()) {
            const QString target = folder + QLatin1Char('/') + QString::number(i);
            if (!QDir().mkpath(target))
                return fail(Text::tr("No se pudo crear la carpeta %1.")
                                .arg(QDir::toNativeSeparators(target)));
            out = std::make_unique<QSaveFile>(target + QLatin1Char('/')
                                              + MediaStore::fileNameOf(order.at(i)));
            if (!out->open(QIODevice::WriteOnly))
                return fail(Text::tr("No se pudo escribir %1.")
                                .arg(QDir::toNativeSeparators(out->fileName())));
        }
        Sha256 hash;
        qint64 copied = 0;
        bool cancelled = false;
        const bool read
            = copyHashed(entry, out.get(), hash, expected->size, &copied, [&](qint64 chunk) {
                  done += chunk;
                  cancelled = progress && !progress(done, total);
                  return !cancelled;
              });
        entry.close();
        if (out && out->error() != QFileDevice::NoError)
            return fail(Text::tr("No se pudo escribir %1 (¿está lleno el disco?).")
                            .arg(QDir::toNativeSeparators(out->fileName())));
        if (cancelled)
            return fail(Text::tr("Importación cancelada."));
        if (!read || entry.getZipError() != UNZ_OK)
            return fail(Text::tr("«%1» está dañado en el paquete, o el paquete está cortado.")
                            .arg(order.at(i)));
        if (copied != expected->size)
            return fail(Text::tr("El tamaño de «%1» no coincide con el del índice del paquete.")
                            .arg(order.at(i)));
        if (hash.hex() != expected->sha256)
            return fail(Text::tr("La suma de comprobación de «%1» no coincide: el archivo cambió o "
                                 "está dañado.")
                            .arg(order.at(i)));
        if (out && !out->commit())
            return fail(Text::tr("No se pudo escribir %1 (¿está lleno el disco?).")
                            .arg(QDir::toNativeSeparators(out->fileName())));
    }
    return true;
}

// ---- Import

int ImportPlan::existing() const
{
    return int(std::count_if(items.cbegin(), items.cend(),
                             [](const ImportItem& item) { return item.existingId > 0; }));
}

void ImportPlan::chooseForAll(Conflict choice)
{
    for (ImportItem& item : items)
        item.choice = choice;
}

ImportPlan planImport(const Manifest& manifest, Language& language)
{
    ImportPlan plan;
    plan.totalSize = manifest.totalSize();
    plan.freeSpace = freeSpace(MediaPaths::languagesPath());
    CategoryList categories;
    categories.loadOfLanguage(&language);
    for (const QString& name : manifest.categories()) {
        if (!categoryNamed(name, categories))
            plan.missingCategories << name;
    }
    for (int i = 0; i < manifest.words.size(); ++i) {
        const PackWord& packed = manifest.words.at(i);
        ImportItem item;
        item.word = i;
        Letter letter;
        if (!letter.loadByName(packed.letter.toUpper(), &language)) {
            item.letterMissing = true;
            if (!plan.missingLetters.contains(packed.letter))
                plan.missingLetters << packed.letter;
        } else {
            item.existingId = wordNamed(letter, packed.fullName);
        }
        plan.items << item;
    }
    return plan;
}

QStringList describe(const Manifest& manifest, const ImportPlan& plan)
{
    QStringList lines;
    lines << Text::tr("Título: %1").arg(manifest.title)
          << Text::tr("Autor: %1").arg(manifest.author)
          << Text::tr("Licencia: %1").arg(manifest.licence)
          << Text::tr("Idioma: %1").arg(manifest.language)
          << Text::tr("Fecha: %1").arg(manifest.created.toString(Qt::ISODate));
    QString letter;
    for (const ImportItem& item : plan.items) {
        const PackWord& word = manifest.words.at(item.word);
        if (word.letter != letter) {
            letter = word.letter;
            lines << Text::tr("Letra %1:").arg(letter);
        }
        const QString state = item.letterMissing
            ? Text::tr("letra que este idioma no tiene: se omitirá")
            : item.existingId > 0 ? Text::tr("ya existe")
                                  : Text::tr("nueva");
        lines << QStringLiteral("  %1 (%2): %3").arg(word.fullName, word.name, state);
    }
    if (!plan.missingCategories.isEmpty())
        lines << Text::tr("Categorías que se crearán: %1")
                     .arg(plan.missingCategories.join(QStringLiteral(", ")));
    lines << Text::tr("Tamaño total: %1 MB; espacio libre: %2 MB")
                 .arg(QString::number(double(plan.totalSize) / (1 << 20), 'f', 1),
                      QString::number(double(plan.freeSpace) / (1 << 20), 'f', 1));
    return lines;
}

QStringList describe(const ImportSummary& summary)
{
    QStringList lines;
    const auto add = [&](const QString& label, const QStringList& names) {
        lines << label.arg(names.size())
                + (names.isEmpty() ? QString()
                                   : QStringLiteral(": ") + names.join(QStringLiteral(", ")));
    };
    add(Text::tr("Añadidas: %1"), summary.added);
    add(Text::tr("Reemplazadas: %1"), summary.replaced);
    add(Text::tr("Conservadas: %1"), summary.kept);
    add(Text::tr("Omitidas: %1"), summary.skipped);
    if (!summary.categoriesCreated.isEmpty())
        add(Text::tr("Categorías creadas: %1"), summary.categoriesCreated);
    for (const QString& failure : summary.failed)
        lines << Text::tr("Error: %1").arg(failure);
    return lines;
}

namespace {
QString saveProblem(const WordSaver::Result& result, const QString& fullName)
{
    switch (result.outcome) {
    case WordSaver::Outcome::EmptyField:
        return Text::tr("«%1»: le falta un campo.").arg(fullName);
    case WordSaver::Outcome::Unshowable:
        return Text::tr("«%1»: tiene caracteres que el programa no sabe mostrar (%2).")
            .arg(fullName, result.detail);
    case WordSaver::Outcome::UnsafeName:
    case WordSaver::Outcome::NameTooLong:
        return Text::tr("«%1»: la descripción no puede nombrar una carpeta.").arg(fullName);
    case WordSaver::Outcome::DuplicateName:
    case WordSaver::Outcome::FolderExists:
        return Text::tr("«%1»: ya hay aquí una palabra o carpeta «%2».")
            .arg(fullName, result.detail);
    case WordSaver::Outcome::DiskFull:
        return Text::tr("«%1»: el disco está lleno.").arg(fullName);
    case WordSaver::Outcome::Unfinished:
        return Text::tr("«%1»: se guardó, pero sus archivos se colocarán al volver a abrir el "
                        "programa.")
            .arg(fullName);
    default:
        return Text::tr("«%1»: no se pudo guardar.").arg(fullName);
    }
}

// Removes the unpacked folders that an import killed half way left beside
// the media library: those whose lock no running program holds.
void removeStaleUnpacked(const QString& folder)
{
    const QStringList names = QDir(folder).entryList(
        {kUnpackPrefix + QStringLiteral("*")}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const QString path = folder + name;
        if (QFileInfo(path).isSymLink())
            continue; // never followed out of the library
        WorkLock lock;
        if (lock.take(path + kLockSuffix, name) != WorkLock::Taken::Held)
            continue;
        QDir(path).removeRecursively();
    }
}

// A description the letter does not use yet: "casa (2)", "casa (3)"…
QString freeDescription(const Letter& letter, const QString& fullName)
{
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)").arg(fullName).arg(n);
        if (!wordNamed(letter, candidate)
            && !MediaStore::isOccupied(letter.folderPath() + candidate))
            return candidate;
    }
}
} // namespace

bool importPack(Reader& reader, const ImportPlan& plan, Language& language, const Probe& probe,
                const Progress& progress, ImportSummary* summary, QString* error)
{
    *summary = ImportSummary();
    const Manifest& manifest = reader.manifest();
    // Unpacked beside the media library (on its disk), out of sight of the
    // start-up recovery, and removed whatever happens.
    const QString letters = MediaStore::lettersFolder(language);
    if (!QFileInfo(letters).isDir() && !QDir().mkpath(letters)) {
        *error = Text::tr("No se pudo crear la carpeta %1.").arg(QDir::toNativeSeparators(letters));
        return false;
    }
    const qint64 space = freeSpace(letters);
    // Unpacked once and copied once more into the words' folders.
    if (space >= 0 && space < 2 * manifest.totalSize()) {
        *error = Text::tr("El paquete necesita %1 MB y solo quedan %2 MB libres.")
                     .arg((2 * manifest.totalSize() + (1 << 20) - 1) >> 20)
                     .arg(space >> 20);
        return false;
    }
    removeStaleUnpacked(MediaPaths::languagesPath());
    QTemporaryDir work(MediaPaths::languagesPath() + kUnpackPrefix + QStringLiteral("XXXXXX"));
    // Held while the import lives: another program's import (on a server,
    // another PC's) leaves it alone.
    WorkLock workLock;
    if (!work.isValid()
        || workLock.take(work.path() + kLockSuffix, MediaStore::fileNameOf(work.path()))
            != WorkLock::Taken::Held) {
        *error = Text::tr("No se pudo crear una carpeta temporal junto a la biblioteca de medios.");
        return false;
    }
    const qint64 total = 2 * manifest.totalSize();
    const Progress unpacking
        = [&](qint64 done, qint64) { return !progress || progress(done, total); };
    if (!reader.extract(work.path(), unpacking)) {
        *error = reader.error();
        return false;
    }
    for (const PackWord& word : manifest.words) {
        const std::pair<QString, MediaKind> media[] = {{word.image, MediaKind::Picture},
                                                       {word.sign, MediaKind::Video},
                                                       {word.lips, MediaKind::Video}};
        for (const auto& [archive, kind] : media) {
            const QString local = reader.localPath(archive);
            const QString suffix = QFileInfo(local).suffix().toLower();
            const QStringList& known = kind == MediaKind::Picture ? MediaStore::pictureSuffixes()
                                                                  : MediaStore::videoSuffixes();
            if (!known.contains(suffix) || (probe && !probe(local, kind))) {
                *error = kind == MediaKind::Picture
                    ? Text::tr(
                          "La imagen «%1» de la palabra «%2» no se puede abrir en este equipo.")
                          .arg(archive, word.fullName)
                    : Text::tr(
                          "El video «%1» de la palabra «%2» no se puede reproducir en este equipo.")
                          .arg(archive, word.fullName);
                return false;
            }
        }
    }

    // Everything checked: from here on the library changes.
    CategoryList categories;
    categories.loadOfLanguage(&language);
    QHash<QString, int> categoryIds; // by the pack's name
    for (const QString& name : manifest.categories()) {
        int id = categoryNamed(name, categories);
        if (!id) {
            Category category;
            category.name = name;
            category.setLanguage(&language);
            if (!category.insert()) {
                summary->failed << Text::tr("No se pudo crear la categoría «%1».").arg(name);
                continue;
            }
            categories.loadOfLanguage(&language);
            id = categoryNamed(name, categories);
            summary->categoriesCreated << name;
        }
        categoryIds.insert(name, id);
    }

    QHash<QString, int> uses; // how many words of the pack name each file
    for (const PackWord& word : manifest.words) {
        for (const QString* media : {&word.image, &word.sign, &word.lips})
            ++uses[*media];
    }
    qint64 before = manifest.totalSize();
    for (const ImportItem& item : plan.items) {
        const PackWord& packed = manifest.words.at(item.word);
        if (item.letterMissing) {
            summary->skipped << packed.fullName;
            continue;
        }
        if (item.existingId > 0 && item.choice == Conflict::KeepMine) {
            summary->kept << packed.fullName;
            continue;
        }
        Letter letter;
        if (!letter.loadByName(packed.letter.toUpper(), &language)) {
            summary->skipped << packed.fullName;
            continue;
        }
        Word word;
        WordForm shown;
        WordForm form;
        form.name = packed.name;
        form.fullName = packed.fullName;
        form.image = reader.localPath(packed.image);
        form.sign = reader.localPath(packed.sign);
        form.lips = reader.localPath(packed.lips);
        // The unpacked files move into place unless another word needs them.
        form.takeFiles = uses.value(packed.image) == 1 && uses.value(packed.sign) == 1
            && uses.value(packed.lips) == 1;
        for (const QString& name : packed.categories) {
            if (categoryIds.value(name))
                form.categories << CategoryChoice{categoryIds.value(name), true};
        }
        const bool replacing = item.existingId > 0 && item.choice == Conflict::TakeTheirs;
        if (replacing) {
            if (!word.loadById(item.existingId)) {
                summary->failed
                    << Text::tr("«%1»: no se pudo leer la palabra de aquí.").arg(packed.fullName);
                continue;
            }
            shown = WordSaver::shownPaths(word);
            // The shown fields are the old files: the pack's differ, so all
            // three are taken.
        } else {
            word.setLetter(&letter);
            if (item.existingId > 0)
                form.fullName = freeDescription(letter, packed.fullName);
        }
        const qint64 start = before;
        before += QFileInfo(form.image).size() + QFileInfo(form.sign).size()
            + QFileInfo(form.lips).size();
        const WordSaver::Result result
            = WordSaver::save(word, form, shown, [&](qint64 copied, qint64) {
                  return !progress || progress(start + copied, total);
              });
        if (result.outcome == WordSaver::Outcome::Interrupted)
            return false; // tests: the process "died" here
        if (result.outcome == WordSaver::Outcome::Cancelled) {
            summary->failed << Text::tr(
                "Importación cancelada: las palabras anteriores quedan importadas.");
            break;
        }
        if (result.outcome != WordSaver::Outcome::Saved) {
            summary->failed << saveProblem(result, form.fullName);
            continue;
        }
        (replacing ? summary->replaced : summary->added) << form.fullName;
    }
    if (!summary->ok())
        *error = summary->failed.join(QLatin1Char('\n'));
    return summary->ok();
}

} // namespace ContentPack
