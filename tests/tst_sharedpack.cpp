// Content packs that schools send each other: what an export writes, what
// an import adds, replaces and keeps, that a pack from a stranger is refused
// with nothing written, and that a kill during an import leaves every word
// wholly old or wholly new.
#include "contentpack.h"
#include "language.h"
#include "letter.h"
#include "mediastore.h"
#include "testhome.h"
#include "tinyvideo.h"
#include "word.h"
#include "worklock.h"
#include "wordsaver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

using namespace ContentPack;

namespace {
// Every file below the home with its content, and every word, category and
// link: what a refused pack must leave as it was.
QStringList snapshot(const QString& folder)
{
    QStringList state;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String("/data/bd")) || path.contains(QLatin1String("/data/bd-")))
            continue;
        state << path.mid(folder.size()) + QLatin1Char('=')
                + QString::fromLatin1(
                     QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256).toHex());
    }
    for (const QString& sql :
         {QStringLiteral(
              "SELECT letter.name, word.name, word.fullName, image, sign, lips FROM word "
              "JOIN letter ON letter.id = word.id_letter"),
          QStringLiteral("SELECT name, '', '', '', '', '' FROM category"),
          QStringLiteral(
              "SELECT word.fullName, category.name, '', '', '', '' FROM word_x_category "
              "JOIN word ON word.id = id_word JOIN category ON category.id = id_category")}) {
        QSqlQuery query(sql);
        while (query.next()) {
            QStringList row;
            for (int column = 0; column < 6; ++column)
                row << query.value(column).toString();
            state << row.join(QLatin1Char('|'));
        }
    }
    state.sort();
    return state;
}

// A home with the language, the letters C, M and P, and the categories
// given; words are added through the saver from files with the given bytes.
struct Library
{
    TestHome home;
    Language language;

    explicit Library(const QStringList& categories = {},
                     Database::Engine engine = TestHome::engine())
        : home(engine)
    {
        language.loadById(TestHome::addLanguage(QStringLiteral("Español")));
        for (const QString& letter :
             {QStringLiteral("C"), QStringLiteral("M"), QStringLiteral("P")})
            TestHome::addLetter(letter, language.id);
        for (const QString& category : categories)
            TestHome::addCategory(category, language.id);
        QDir().mkpath(MediaStore::lettersFolder(language));
    }

    bool addWord(const QString& letterName, const QString& fullName, const QByteArray& content,
                 const QStringList& categories = {})
    {
        Letter letter;
        if (!letter.loadByName(letterName, &language))
            return false;
        const QString sources
            = home.path() + QStringLiteral("/elegidos/") + fullName + QLatin1Char('/');
        writeFile(sources + QStringLiteral("dibujo.png"), "picture " + content);
        writeFile(sources + QStringLiteral("sena.avi"), "sign " + content);
        writeFile(sources + QStringLiteral("labios.mov"), "lips " + content);
        WordForm form{fullName,
                      fullName,
                      sources + QStringLiteral("dibujo.png"),
                      sources + QStringLiteral("sena.avi"),
                      sources + QStringLiteral("labios.mov"),
                      {}};
        for (const QString& name : categories) {
            QSqlQuery query;
            query.prepare(QStringLiteral("SELECT id FROM category WHERE name = ?"));
            query.addBindValue(name);
            if (!query.exec() || !query.next())
                return false;
            form.categories << CategoryChoice{query.value(0).toInt(), true};
        }
        Word word;
        word.setLetter(&letter);
        const bool saved = WordSaver::save(word, form, {}).outcome == WordSaver::Outcome::Saved;
        QDir(home.path() + QStringLiteral("/elegidos")).removeRecursively();
        return saved;
    }

    QString media() const { return home.path() + QStringLiteral("/media"); }

    // Opens, plans and imports; the message of the first refusal.
    bool import(const QString& pack, Conflict choice, ImportSummary* summary, QString* error,
                const Probe& probe = {})
    {
        Reader reader(pack);
        if (!reader.open(MediaStore::lettersFolder(language))) {
            *error = reader.error();
            return false;
        }
        ImportPlan plan = planImport(reader.manifest(), language);
        plan.chooseForAll(choice);
        return importPack(
            reader, plan, language, probe ? probe : [](const QString&, MediaKind) { return true; },
            {}, summary, error);
    }
};

bool exportAll(Library& library, const QString& path, QString* error)
{
    return exportPack(
        path, library.language, chooseWords(library.language, {}, {}),
        {QStringLiteral("Mi escuela"), QStringLiteral("Ana"), QStringLiteral("CC BY 4.0")}, {},
        error);
}

// A crafted archive entry.
struct Entry
{
    QString name;
    QByteArray data;
    quint32 mode = 0100644; // Unix mode, in the external attributes
    int level = 0;          // 0: stored
};

QByteArray sha(const QByteArray& data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

// A good pack of one word "mesa" under M: its entries and manifest.
QList<Entry> goodEntries()
{
    return {{QStringLiteral("palabras/M/mesa/mesa.png"), "picture mesa"},
            {QStringLiteral("palabras/M/mesa/sena.avi"), "sign mesa"},
            {QStringLiteral("palabras/M/mesa/labios.mov"), "lips mesa"}};
}

Manifest manifestOf(const QList<Entry>& entries)
{
    Manifest manifest;
    manifest.language = QStringLiteral("Español");
    manifest.title = QStringLiteral("Muebles");
    manifest.author = QStringLiteral("Pau");
    manifest.licence = QStringLiteral("CC0 1.0");
    manifest.created = QDateTime::currentDateTimeUtc();
    for (const Entry& entry : entries)
        manifest.files << File{entry.name, entry.data.size(), sha(entry.data)};
    manifest.words << PackWord{QStringLiteral("M"),    QStringLiteral("mesa"),
                               QStringLiteral("mesa"), {QStringLiteral("MUEBLES")},
                               entries.at(0).name,     entries.at(1).name,
                               entries.at(2).name};
    return manifest;
}

bool writeZip(const QString& path, const QList<Entry>& entries, bool utf8 = true)
{
    QuaZip zip(path);
    zip.setUtf8Enabled(utf8);
    if (!utf8)
        zip.setFileNameCodec("ISO-8859-1");
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const Entry& entry : entries) {
        QuaZipNewInfo info(entry.name);
        info.externalAttr = entry.mode << 16;
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, info, nullptr, 0, entry.level ? Z_DEFLATED : 0,
                       entry.level))
            return false;
        file.write(entry.data);
        file.close();
    }
    zip.close();
    return zip.getZipError() == UNZ_OK;
}

enum class Case {
    ParentFolder,
    AbsolutePath,
    Backslash,
    DriveLetter,
    SymbolicLink,
    Device,
    Duplicate,
    NoManifest,
    MalformedManifest,
    OversizedManifest,
    NewerFormat,
    ChecksumMismatch,
    SizeMismatch,
    Truncated,
    Corrupt,
    InvalidUtf8,
    UnnamedFile,
    Unlisted,
    MissingFile,
    OverFreeSpace,
    ZipBomb,
    BadPicture,
    BadVideo,
};
} // namespace
Q_DECLARE_METATYPE(Case)

class TestSharedPack : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldGiveTheSameLibraryAfterARoundTrip();
    void shouldApplyTheChosenWayWithWordsThatExist_data();
    void shouldApplyTheChosenWayWithWordsThatExist();
    void shouldRefuseAStrangePackWritingNothing_data();
    void shouldRefuseAStrangePackWritingNothing();
    void shouldLeaveEachWordWhollyOldOrNewAfterAKill();
    void shouldLeaveNoFileWhenTheExportIsCancelled();
    void shouldDoTheSameFromATerminal();
    void shouldClearWhatAKilledImportLeftOnly_data() { TestHome::addEngineRows(); }
    void shouldClearWhatAKilledImportLeftOnly();

private:
    QTemporaryDir packs;
};

void TestSharedPack::shouldGiveTheSameLibraryAfterARoundTrip()
{
    const QString pack = packs.filePath(QStringLiteral("todo.ondalira"));
    QStringList exported;
    {
        Library school({QStringLiteral("CASAS"), QStringLiteral("COSAS")});
        QVERIFY(school.addWord(QStringLiteral("C"), QStringLiteral("casa"), "1",
                               {QStringLiteral("CASAS"), QStringLiteral("COSAS")}));
        QVERIFY(school.addWord(QStringLiteral("C"), QStringLiteral("cama"), "2",
                               {QStringLiteral("COSAS")}));
        QVERIFY(school.addWord(QStringLiteral("M"), QStringLiteral("mesa"), "3"));
        QString error;
        QVERIFY2(exportAll(school, pack, &error), qPrintable(error));
        exported = snapshot(school.media());
    }
    Library other;
    ImportSummary summary;
    QString error;
    QVERIFY2(other.import(pack, Conflict::KeepMine, &summary, &error), qPrintable(error));
    QCOMPARE(summary.added.size(), 3);
    QCOMPARE(snapshot(other.media()), exported);
}

void TestSharedPack::shouldApplyTheChosenWayWithWordsThatExist_data()
{
    QTest::addColumn<Conflict>("choice");
    QTest::addColumn<QStringList>("words");      // descriptions under C afterwards
    QTest::addColumn<QByteArray>("casaPicture"); // the picture of "casa" afterwards
    QTest::addColumn<QStringList>("summary");    // added|replaced|kept|skipped
    QTest::newRow("keep mine") << Conflict::KeepMine << QStringList{"cama", "casa"}
                               << QByteArray("picture mine")
                               << QStringList{"cama", "", "Casa", "pez"};
    QTest::newRow("take theirs") << Conflict::TakeTheirs << QStringList{"cama", "Casa"}
                                 << QByteArray("picture theirs")
                                 << QStringList{"cama", "Casa", "", "pez"};
    QTest::newRow("keep both") << Conflict::KeepBoth << QStringList{"cama", "casa", "Casa (2)"}
                               << QByteArray("picture mine")
                               << QStringList{"Casa (2),cama", "", "", "pez"};
}

void TestSharedPack::shouldApplyTheChosenWayWithWordsThatExist()
{
    QFETCH(Conflict, choice);
    QFETCH(QStringList, words);
    QFETCH(QByteArray, casaPicture);
    QFETCH(QStringList, summary);
    const QString pack = packs.filePath(QStringLiteral("casa.ondalira"));
    {
        // Their school has a letter P that this language lacks here.
        Library theirs({QStringLiteral("CASAS")});
        TestHome::addLetter(QStringLiteral("Ñ"), theirs.language.id);
        QVERIFY(theirs.addWord(QStringLiteral("C"), QStringLiteral("Casa"), "theirs",
                               {QStringLiteral("CASAS")}));
        QVERIFY(theirs.addWord(QStringLiteral("C"), QStringLiteral("cama"), "theirs"));
        QVERIFY(theirs.addWord(QStringLiteral("Ñ"), QStringLiteral("pez"), "theirs"));
        QString error;
        QVERIFY2(exportAll(theirs, pack, &error), qPrintable(error));
    }
    Library mine;
    QVERIFY(mine.addWord(QStringLiteral("C"), QStringLiteral("casa"), "mine"));
    {
        Reader reader(pack);
        QVERIFY2(reader.open(), qPrintable(reader.error()));
        const ImportPlan plan = planImport(reader.manifest(), mine.language);
        QCOMPARE(plan.existing(), 1);
        QCOMPARE(plan.missingLetters, QStringList{QStringLiteral("Ñ")});
        QCOMPARE(plan.missingCategories, QStringList{QStringLiteral("CASAS")});
    }
    ImportSummary done;
    QString error;
    QVERIFY2(mine.import(pack, choice, &done, &error), qPrintable(error));
    QCOMPARE(QStringList({done.added.join(QLatin1Char(',')), done.replaced.join(QLatin1Char(',')),
                          done.kept.join(QLatin1Char(',')), done.skipped.join(QLatin1Char(','))}),
             summary);
    const QString letter = mine.language.mediaPath() + QStringLiteral("Letras/C/");
    QCOMPARE(
        QDir(letter).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase),
        words);
    QSqlQuery query(QStringLiteral("SELECT fullName, image FROM word WHERE fullName LIKE 'casa%' "
                                   "ORDER BY fullName COLLATE NOCASE"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(),
             choice == Conflict::TakeTheirs ? QStringLiteral("Casa") : QStringLiteral("casa"));
    QCOMPARE(
        readFile(letter + query.value(0).toString() + QLatin1Char('/') + query.value(1).toString()),
        casaPicture);
    // The category was made here and linked to every word the pack put in it.
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM category WHERE name = 'CASAS'")), 1);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word_x_category")),
             choice == Conflict::KeepMine ? 0 : 1);
}

void TestSharedPack::shouldRefuseAStrangePackWritingNothing_data()
{
    QTest::addColumn<Case>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("..") << Case::ParentFolder << "«..»";
    QTest::newRow("absolute path") << Case::AbsolutePath << "ruta absoluta";
    QTest::newRow("backslash") << Case::Backslash << "barra invertida";
    QTest::newRow("drive letter") << Case::DriveLetter << "letra de unidad";
    QTest::newRow("symbolic link") << Case::SymbolicLink << "enlace simbólico";
    QTest::newRow("device") << Case::Device << "dispositivo";
    QTest::newRow("duplicate entry") << Case::Duplicate << "dos veces";
    QTest::newRow("no manifest") << Case::NoManifest << "le falta su índice";
    QTest::newRow("malformed manifest")
        << Case::MalformedManifest << "índice del paquete está dañado";
    QTest::newRow("oversized manifest") << Case::OversizedManifest << "demasiado grande";
    QTest::newRow("newer format") << Case::NewerFormat << "versión más nueva";
    QTest::newRow("checksum") << Case::ChecksumMismatch << "suma de comprobación";
    QTest::newRow("size") << Case::SizeMismatch << "tamaño";
    QTest::newRow("truncated") << Case::Truncated << "cortado";
    QTest::newRow("corrupt") << Case::Corrupt << "dañado";
    QTest::newRow("invalid UTF-8") << Case::InvalidUtf8 << "UTF-8";
    QTest::newRow("unnamed file") << Case::UnnamedFile << "sin nombre";
    QTest::newRow("file not in manifest") << Case::Unlisted << "no nombra";
    QTest::newRow("file missing") << Case::MissingFile << "Falta";
    QTest::newRow("over free space") << Case::OverFreeSpace << "libres";
    QTest::newRow("zip bomb") << Case::ZipBomb << "bomba";
    QTest::newRow("picture") << Case::BadPicture << "imagen";
    QTest::newRow("video") << Case::BadVideo << "video";
}

void TestSharedPack::shouldRefuseAStrangePackWritingNothing()
{
    QFETCH(Case, kind);
    QFETCH(QString, message);
    Library library({QStringLiteral("COSAS")});
    QVERIFY(library.addWord(QStringLiteral("C"), QStringLiteral("casa"), "mine",
                            {QStringLiteral("COSAS")}));

    QList<Entry> entries = goodEntries();
    Manifest manifest = manifestOf(entries);
    const auto add = [&](const QString& name, const QByteArray& data, quint32 mode = 0100644) {
        entries << Entry{name, data, mode};
        manifest.files << File{name, data.size(), sha(data)};
    };
    bool utf8 = true;
    switch (kind) {
    case Case::ParentFolder:
        add(QStringLiteral("palabras/../../fuera.png"), "x");
        break;
    case Case::AbsolutePath:
        add(QStringLiteral("/tmp/fuera.png"), "x");
        break;
    case Case::Backslash:
        add(QStringLiteral("palabras\\M\\fuera.png"), "x");
        break;
    case Case::DriveLetter:
        add(QStringLiteral("C:/fuera.png"), "x");
        break;
    case Case::SymbolicLink:
        add(QStringLiteral("palabras/M/enlace.png"), "/etc/passwd", 0120777);
        break;
    case Case::Device:
        add(QStringLiteral("palabras/M/disco"), "", 0060660);
        break;
    case Case::Duplicate:
        entries << entries.at(1);
        break;
    case Case::Unlisted:
        entries << Entry{QStringLiteral("palabras/M/otro.png"), "x"};
        break;
    case Case::MissingFile:
        entries.removeLast();
        break;
    case Case::UnnamedFile:
        entries << Entry{QString(), "x"};
        break;
    case Case::InvalidUtf8:
        utf8 = false;
        add(QStringLiteral("palabras/M/caf\u00e9.png"), "x");
        break;
    case Case::ChecksumMismatch:
        manifest.files[1].sha256 = sha("something else");
        break;
    case Case::SizeMismatch:
        manifest.files[1].size += 1;
        break;
    case Case::ZipBomb:
        entries[1].data = QByteArray(4 << 20, '\0');
        entries[1].level = 9;
        manifest.files[1] = File{entries[1].name, entries[1].data.size(), sha(entries[1].data)};
        break;
    case Case::OverFreeSpace:
        setFreeSpace([](const QString&) { return qint64(20); });
        break;
    default:
        break;
    }
    QByteArray json = toJson(manifest);
    if (kind == Case::MalformedManifest)
        json = "{\"format\": 1, \"title\": ";
    if (kind == Case::OversizedManifest)
        json.insert(1, QByteArray(9 << 20, ' '));
    if (kind == Case::NewerFormat) {
        QJsonObject root = QJsonDocument::fromJson(json).object();
        root.insert(QStringLiteral("format"), kFormatVersion + 1);
        json = QJsonDocument(root).toJson();
    }
    if (kind != Case::NoManifest)
        entries << Entry{manifestName(), json, 0100644, 6};
    const QString pack = packs.filePath(QStringLiteral("extraño.ondalira"));
    QFile::remove(pack);
    QVERIFY(writeZip(pack, entries, utf8));
    if (kind == Case::Truncated || kind == Case::Corrupt) {
        QByteArray bytes = readFile(pack);
        if (kind == Case::Truncated) {
            bytes.truncate(bytes.size() / 2);
        } else {
            const qsizetype at = bytes.indexOf("sign mesa");
            QVERIFY(at > 0);
            bytes[at + 2] = 'X';
        }
        QFile file(pack);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    const QStringList before = snapshot(library.home.path());
    ImportSummary summary;
    QString error;
    const bool imported = library.import(
        pack, Conflict::TakeTheirs, &summary, &error, [&](const QString& path, MediaKind what) {
            if (kind == Case::BadPicture && what == MediaKind::Picture)
                return false;
            return kind != Case::BadVideo || !path.endsWith(QLatin1String(".mov"));
        });
    setFreeSpace({});
    QVERIFY(!imported);
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(snapshot(library.home.path()), before);
}

void TestSharedPack::shouldLeaveEachWordWhollyOldOrNewAfterAKill()
{
    const QString pack = packs.filePath(QStringLiteral("kill.ondalira"));
    {
        Library theirs;
        QVERIFY(theirs.addWord(QStringLiteral("C"), QStringLiteral("casa"), "theirs"));
        QVERIFY(theirs.addWord(QStringLiteral("M"), QStringLiteral("mesa"), "theirs"));
        QString error;
        QVERIFY2(exportAll(theirs, pack, &error), qPrintable(error));
    }
    // The state of one word: its row and the files of its folder.
    const auto wordState = [](Library& library, const QString& letter, const QString& fullName) {
        QStringList state = snapshot(library.language.mediaPath() + QStringLiteral("Letras/")
                                     + letter + QLatin1Char('/') + fullName)
                                .filter(QStringLiteral("="));
        QSqlQuery query(
            QStringLiteral("SELECT name, image, sign, lips FROM word WHERE fullName = '%1'")
                .arg(fullName));
        if (query.next())
            state << query.value(1).toString() + query.value(2).toString()
                    + query.value(3).toString();
        return state;
    };
    // Replaces "casa" and adds "mesa", dying after the stopAt-th step of the
    // saver (never when -1); then the next start recovers.
    const auto run = [&](int stopAt, QStringList* steps) {
        Library mine;
        if (!mine.addWord(QStringLiteral("C"), QStringLiteral("casa"), "mine"))
            return QList<QStringList>();
        const QList<QStringList> old{wordState(mine, QStringLiteral("C"), QStringLiteral("casa")),
                                     wordState(mine, QStringLiteral("M"), QStringLiteral("mesa"))};
        int step = 0;
        WordSaver::setCrashPoint([&](const QString& name) {
            *steps << name;
            return step++ == stopAt;
        });
        ImportSummary summary;
        QString error;
        mine.import(pack, Conflict::TakeTheirs, &summary, &error);
        WordSaver::setCrashPoint({});
        WordSaver::reconcile(mine.home.path() + QStringLiteral("/media/languages"));
        return QList<QStringList>{old.at(0), old.at(1),
                                  wordState(mine, QStringLiteral("C"), QStringLiteral("casa")),
                                  wordState(mine, QStringLiteral("M"), QStringLiteral("mesa"))};
    };
    QStringList steps;
    const QList<QStringList> whole = run(-1, &steps);
    QCOMPARE(whole.size(), 4);
    QVERIFY(whole.at(2) != whole.at(0));
    QVERIFY(whole.at(3) != whole.at(1));
    QVERIFY2(steps.size() >= 10, qPrintable(steps.join(QLatin1Char(','))));
    for (int stopAt = 0; stopAt < steps.size(); ++stopAt) {
        QStringList ignored;
        const QList<QStringList> after = run(stopAt, &ignored);
        QCOMPARE(after.size(), 4);
        for (int w = 0; w < 2; ++w) {
            QVERIFY2(
                after.at(2 + w) == after.at(w) || after.at(2 + w) == whole.at(2 + w),
                qPrintable(QStringLiteral("word %1 after step %2: %3")
                               .arg(w)
                               .arg(steps.at(stopAt), after.at(2 + w).join(QLatin1Char(' ')))));
        }
    }
}

void TestSharedPack::shouldLeaveNoFileWhenTheExportIsCancelled()
{
    Library school;
    QVERIFY(school.addWord(QStringLiteral("C"), QStringLiteral("casa"), QByteArray(3 << 20, 'v')));
    const QString pack = packs.filePath(QStringLiteral("cancelado.ondalira"));
    QString error;
    QVERIFY(!exportPack(
        pack, school.language, chooseWords(school.language, {QStringLiteral("c")}, {}), {},
        [](qint64 done, qint64) { return done < (1 << 20); }, &error));
    QVERIFY2(error.contains(QStringLiteral("cancelada")), qPrintable(error));
    QVERIFY(!QFileInfo::exists(pack));
    QCOMPARE(QDir(packs.path())
                 .entryList(QDir::Files | QDir::Hidden)
                 .filter(QStringLiteral("cancelado")),
             QStringList());
}

void TestSharedPack::shouldDoTheSameFromATerminal()
{
    Library school;
    QVERIFY(school.addWord(QStringLiteral("C"), QStringLiteral("casa"), "1"));
    QVERIFY(school.addWord(QStringLiteral("M"), QStringLiteral("mesa"), "2"));
    // Media the real probe accepts.
    for (const QString& word : {QStringLiteral("C/casa/"), QStringLiteral("M/mesa/")}) {
        const QString folder = school.language.mediaPath() + QStringLiteral("Letras/") + word;
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(folder + QStringLiteral("dibujo.png"), "PNG"));
        QVERIFY(writeTinyVideo(folder + QStringLiteral("sena.avi")));
        QVERIFY(writeTinyVideo(folder + QStringLiteral("labios.mov")));
    }
    const auto admin = [](const QStringList& arguments, QString* output = nullptr) {
        QProcess process;
        process.start(QStringLiteral(OL_ADMIN_CLI), arguments);
        if (!process.waitForFinished(60000))
            return -1;
        if (output)
            *output = QString::fromUtf8(process.readAllStandardOutput()
                                        + process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    };
    const QString pack = packs.filePath(QStringLiteral("terminal.ondalira"));
    QString output;
    QCOMPARE(
        admin({QStringLiteral("export"), pack, QStringLiteral("--letter"), QStringLiteral("c"),
               QStringLiteral("--title"), QStringLiteral("Casas"), QStringLiteral("--author"),
               QStringLiteral("Ana"), QStringLiteral("--licence"), QStringLiteral("CC BY-SA 4.0")},
              &output),
        0);
    {
        Reader reader(pack);
        QVERIFY2(reader.open(), qPrintable(reader.error() + output));
        QCOMPARE(reader.manifest().words.size(), 1);
        QCOMPARE(reader.manifest().licence, QStringLiteral("CC BY-SA 4.0"));
    }
    QCOMPARE(admin({QStringLiteral("show"), pack}, &output), 0);
    QVERIFY2(output.contains(QStringLiteral("casa (casa): ya existe")), qPrintable(output));

    // A damaged pack: refused, nothing written, a failing exit.
    const QString damaged = packs.filePath(QStringLiteral("dañado.ondalira"));
    QByteArray bytes = readFile(pack);
    bytes.truncate(bytes.size() - 30);
    QVERIFY(writeFile(damaged, bytes));
    const QStringList before = snapshot(school.home.path());
    QCOMPARE(admin({QStringLiteral("import"), damaged}, &output), 1);
    QVERIFY2(output.contains(QStringLiteral("cortado")), qPrintable(output));
    QCOMPARE(snapshot(school.home.path()), before);

    QVERIFY2(admin({QStringLiteral("import"), pack, QStringLiteral("--keep-both")}, &output) == 0,
             qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("Añadidas: 1: casa (2)")), qPrintable(output));
    const QString letter = school.language.mediaPath() + QStringLiteral("Letras/C/");
    QCOMPARE(readFile(letter + QStringLiteral("casa (2)/sena.avi")),
             readFile(letter + QStringLiteral("casa/sena.avi")));
}

void TestSharedPack::shouldClearWhatAKilledImportLeftOnly()
{
    QFETCH(Database::Engine, engine);
    if (!TestHome::canUse(engine))
        return;
    const QString pack = packs.filePath(QStringLiteral("limpieza.ondalira"));
    QVERIFY(writeZip(
        pack, goodEntries() + QList<Entry>{{manifestName(), toJson(manifestOf(goodEntries()))}}));
    Library library({}, engine);
    const QString languages = library.home.path() + QStringLiteral("/media/languages/");
    // A killed import's folder, and one another running import holds: on a
    // server, through the advisory lock of that PC's session.
    QVERIFY(writeFile(languages + QStringLiteral(".paquete-Kx81aQ/0/mesa.png"), "old"));
    QVERIFY(writeFile(languages + QStringLiteral(".paquete-Hd72pL/0/mesa.png"), "busy"));
    QStringList left{QStringLiteral(".paquete-Hd72pL"), QStringLiteral("Español")};
    QLockFile held(languages + QStringLiteral(".paquete-Hd72pL.bloqueo"));
    const QString otherPc = QStringLiteral("other-pc");
    if (engine == Database::Engine::SQLite) {
        QVERIFY(held.tryLock(0));
        left.insert(1, QStringLiteral(".paquete-Hd72pL.bloqueo"));
    } else {
        QSqlDatabase other = library.home.openSecondConnection(otherPc);
        QSqlQuery lock(other);
        QVERIFY(lock.exec(QStringLiteral("SELECT pg_advisory_lock(%1)")
                              .arg(WorkLock::keyOf(QStringLiteral(".paquete-Hd72pL")))));
    }
    ImportSummary summary;
    QString error;
    const bool imported = library.import(pack, Conflict::KeepMine, &summary, &error);
    QSqlDatabase::removeDatabase(otherPc);
    QVERIFY2(imported, qPrintable(error));
    QCOMPARE(summary.added, QStringList{QStringLiteral("mesa")});
    QCOMPARE(QDir(languages).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), left);
}

QTEST_GUILESS_MAIN(TestSharedPack)
#include "tst_sharedpack.moc"
