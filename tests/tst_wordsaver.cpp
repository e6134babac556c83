#include "contentlists.h"
#include "mediastore.h"
#include "testhome.h"
#include "wordsaver.h"

#include <QDirIterator>
#include <QLockFile>
#include <QSqlError>
#include <QUuid>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStorageInfo>
#include <QSqlQuery>
#include <QTest>

namespace {
QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                      | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// Every file below folder (hidden ones too) with its content, and every word
// row and category link: what a crash must leave either as it was or as it
// was meant to be.
QStringList snapshot(const QString& folder)
{
    QStringList state;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        state << path.mid(folder.size()) + QLatin1Char('=') + QString::fromUtf8(readFile(path));
    }
    QSqlQuery query(QStringLiteral(
        "SELECT id, name, fullName, image, sign, lips, id_letter FROM word ORDER BY id"));
    while (query.next()) {
        QStringList row;
        for (int column = 0; column < 7; ++column)
            row << query.value(column).toString();
        state << row.join(QLatin1Char('|'));
    }
    QSqlQuery links(QStringLiteral("SELECT id_word, id_category FROM word_x_category"));
    while (links.next())
        state << QStringLiteral("link %1-%2").arg(links.value(0).toInt()).arg(links.value(1).toInt());
    state.sort();
    return state;
}

// The id of a process that has ended.
QByteArray deadProcessId()
{
    QProcess process;
    process.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
    process.waitForFinished();
    return process.readAllStandardOutput().trimmed();
}

int wordRows()
{
    QSqlQuery query(QStringLiteral("SELECT COUNT(*) FROM word"));
    return query.next() ? query.value(0).toInt() : -1;
}

// Another PC of the class on the same database: a second connection.
struct OtherPc
{
    const QString name = QStringLiteral("other-pc");
    QSqlDatabase db;

    explicit OtherPc(const TestHome& home)
        : db(home.openSecondConnection(name))
    {
    }
    ~OtherPc() { close(); }
    void close()
    {
        if (!db.isValid())
            return;
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    bool exec(const QString& statement)
    {
        QSqlQuery query(db);
        if (query.exec(statement))
            return true;
        qWarning("%s", qPrintable(query.lastError().text()));
        return false;
    }
};

// The saves under way in a letter folder: their staging names.
QStringList savesIn(const QString& letterFolder)
{
    QStringList stems;
    for (const QString& journal :
         QDir(letterFolder).entryList({QStringLiteral(".guardando-*.diario")}, QDir::Files | QDir::Hidden))
        stems << journal.chopped(7);
    return stems;
}

// A language with the letter C, its media folder, and files to choose from.
struct Fixture
{
    TestHome home;
    Language language;
    Letter letter;
    QString sources;
    int houses = 0, things = 0;

    Fixture()
    {
        language.loadById(TestHome::addLanguage(QStringLiteral("Español")));
        houses = TestHome::addCategory(QStringLiteral("CASAS"), language.id);
        things = TestHome::addCategory(QStringLiteral("COSAS"), language.id);
        TestHome::addLetter(QStringLiteral("C"), language.id);
        letter.loadByName(QStringLiteral("C"), &language);
        QDir().mkpath(letter.folderPath());
        sources = home.path() + QStringLiteral("/elegidos/");
        writeFile(sources + QStringLiteral("casa.png"), "picture");
        writeFile(sources + QStringLiteral("sena casa.avi"), "sign");
        writeFile(sources + QStringLiteral("labios.mov"), "lips");
        writeFile(sources + QStringLiteral("otra.png"), "other picture");
        writeFile(sources + QStringLiteral("v2/casa.png"), "second picture");
    }

    QString folder(const QString& fullName) const { return letter.folderPath() + fullName; }

    WordForm newForm(const QString& fullName = QStringLiteral("casa grande")) const
    {
        return {QStringLiteral("casa"), fullName, sources + QStringLiteral("casa.png"),
                sources + QStringLiteral("sena casa.avi"), sources + QStringLiteral("labios.mov"), {}};
    }

    // A saved word "casa grande" whose editor has just opened.
    bool addSavedWord(Word& word, WordForm& shown)
    {
        word.setLetter(&letter);
        WordForm form = newForm();
        form.categories = {{things, true}};
        if (WordSaver::save(word, form, {}).outcome != WordSaver::Outcome::Saved)
            return false;
        Word loaded;
        if (!loaded.loadById(word.id))
            return false;
        word = loaded;
        shown = WordSaver::shownPaths(word);
        return true;
    }
};
} // namespace

class TestWordSaver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every case runs on the embedded database and on a PostgreSQL server.
    void initTestCase_data() { TestHome::addEngineRows(); }
    void init() { TestHome::useEngineOfRow(); }
    void shouldFileNewWordIntoItsFolder_data();
    void shouldFileNewWordIntoItsFolder();
    void shouldKeepMediaWhenEditingAndMoveThemWithTheDescription();
    void shouldReplacePictureCopyingFirst_data();
    void shouldReplacePictureCopyingFirst();
    void shouldNeverOverwriteAnotherFileOfTheFolder();
    void shouldTakeAFileChosenInTheOldFolderAlong();
    void shouldRefuseDescriptionOrFolderTaken();
    void shouldRefuseWordFolderThatLeadsOutside();
    void shouldKeepEverythingWhenACopyFails();
    void shouldUndoFilesWhenTheRecordCannotBeWritten();
    void shouldLeaveOldOrNewWordWhereverItStops_data();
    void shouldLeaveOldOrNewWordWhereverItStops();
    void shouldFinishOrUndoADeletionCutShort_data();
    void shouldFinishOrUndoADeletionCutShort();
    void shouldRefuseWithTheReasonAndKeepNothing_data();
    void shouldRefuseWithTheReasonAndKeepNothing();
    void shouldKeepWhatAnotherPcDidToTheWordSinceItWasRead_data();
    void shouldKeepWhatAnotherPcDidToTheWordSinceItWasRead();
    void shouldLeaveASaveThatAnotherPcIsStillDoing();
    void shouldShareTheWordsWithAnotherProgramProcess_data();
    void shouldShareTheWordsWithAnotherProgramProcess();
};

void TestWordSaver::shouldFileNewWordIntoItsFolder_data()
{
    QTest::addColumn<bool>("takeFiles");
    QTest::newRow("copying the chosen files") << false;
    // A content pack's unpacked files are moved in, not copied.
    QTest::newRow("taking the caller's own copies") << true;
}

void TestWordSaver::shouldFileNewWordIntoItsFolder()
{
    QFETCH(bool, takeFiles);
    Fixture f;
    Word word;
    word.setLetter(&f.letter);
    QList<qint64> totals;
    WordForm form = f.newForm();
    form.takeFiles = takeFiles;
    const auto result = WordSaver::save(word, form, {},
                                        [&](qint64, qint64 total) {
                                            totals << total;
                                            return true;
                                        });
    QCOMPARE(result.outcome, WordSaver::Outcome::Saved);
    QVERIFY(word.id > 0);
    QCOMPARE(entries(f.folder(QStringLiteral("casa grande"))),
             (QStringList{QStringLiteral("casa.png"), QStringLiteral("labios.mov"),
                          QStringLiteral("sena casa.avi")}));
    QCOMPARE(readFile(word.imagePath()), QByteArray("picture"));
    QVERIFY(!totals.isEmpty());
    QCOMPARE(totals.last(), qint64(7 + 4 + 4));
    QCOMPARE(QFileInfo::exists(form.image), !takeFiles);
    QCOMPARE(QFileInfo::exists(form.lips), !takeFiles);

    Word stored;
    QVERIFY(stored.loadByFullName(QStringLiteral("casa grande"), &f.letter));
    QCOMPARE(stored.name, QStringLiteral("casa"));
    QCOMPARE(stored.image, QStringLiteral("casa.png"));
    QCOMPARE(stored.sign, QStringLiteral("sena casa.avi"));
    QCOMPARE(stored.lips, QStringLiteral("labios.mov"));
}

void TestWordSaver::shouldKeepMediaWhenEditingAndMoveThemWithTheDescription()
{
    Fixture f;
    Word word;
    WordForm shown;
    QVERIFY(f.addSavedWord(word, shown));
    WordForm form = shown;
    form.name = QStringLiteral("casita");
    QCOMPARE(WordSaver::save(word, form, shown).outcome, WordSaver::Outcome::Saved);

    Word stored;
    QVERIFY(stored.loadById(word.id));
    QCOMPARE(stored.name, QStringLiteral("casita"));
    QCOMPARE(stored.image, QStringLiteral("casa.png"));
    QCOMPARE(entries(f.folder(QStringLiteral("casa grande"))).size(), 3);
    QCOMPARE(readFile(stored.signPath()), QByteArray("sign"));

    // A new description moves the folder with every file in it.
    shown = WordSaver::shownPaths(word);
    form = shown;
    form.fullName = QStringLiteral("casa pequeña");
    QCOMPARE(WordSaver::save(word, form, shown).outcome, WordSaver::Outcome::Saved);
    QVERIFY(!QFileInfo::exists(f.folder(QStringLiteral("casa grande"))));
    QVERIFY(stored.loadByFullName(QStringLiteral("casa pequeña"), &f.letter));
    QCOMPARE(stored.id, word.id);
    QCOMPARE(readFile(stored.imagePath()), QByteArray("picture"));
    QCOMPARE(readFile(stored.signPath()), QByteArray("sign"));
    QCOMPARE(readFile(stored.lipsPath()), QByteArray("lips"));
}

void TestWordSaver::shouldReplacePictureCopyingFirst_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<QByteArray>("expectedContent");
    QTest::newRow("another name") << "otra.png" << "otra.png" << QByteArray("other picture");
    QTest::newRow("the same name") << "v2/casa.png" << "casa.png" << QByteArray("second picture");
}

void TestWordSaver::shouldReplacePictureCopyingFirst()
{
    QFETCH(QString, chosen);
    QFETCH(QString, expectedName);
    QFETCH(QByteArray, expectedContent);
    Fixture f;
    Word word;
    WordForm shown;
    QVERIFY(f.addSavedWord(word, shown));
    WordForm form = shown;
    form.image = f.sources + chosen;
    QCOMPARE(WordSaver::save(word, form, shown).outcome, WordSaver::Outcome::Saved);

    Word stored;
    QVERIFY(stored.loadById(word.id));
    QCOMPARE(stored.image, expectedName);
    QCOMPARE(readFile(stored.imagePath()), expectedContent);
    // The old picture is gone, nothing else came or went.
    QStringList expected{expectedName, QStringLiteral("labios.mov"),
                         QStringLiteral("sena casa.avi")};
    expected.sort();
    QCOMPARE(entries(f.folder(QStringLiteral("casa grande"))), expected);
}

void TestWordSaver::shouldNeverOverwriteAnotherFileOfTheFolder()
{
    Fixture f;
    Word word;
    WordForm shown;
    QVERIFY(f.addSavedWord(word, shown));
    // A lip video chosen under the sign video's name.
    QVERIFY(writeFile(f.sources + QStringLiteral("v2/sena casa.avi"), "new lips"));
    WordForm form = shown;
    form.lips = f.sources + QStringLiteral("v2/sena casa.avi");
    QCOMPARE(WordSaver::save(word, form, shown).outcome, WordSaver::Outcome::Saved);

    Word stored;
    QVERIFY(stored.loadById(word.id));
    QCOMPARE(stored.lips, QStringLiteral("sena casa-2.avi"));
    QCOMPARE(readFile(stored.lipsPath()), QByteArray("new lips"));
    QCOMPARE(readFile(stored.signPath()), QByteArray("sign"));
    QVERIFY(!QFileInfo::exists(f.folder(QStringLiteral("casa grande/labios.mov"))));
}

void TestWordSaver::shouldTakeAFileChosenInTheOldFolderAlong()
{
    Fixture f;
    Word word;
    WordForm shown;
    QVERIFY(f.addSavedWord(word, shown));
    const QString extra = f.folder(QStringLiteral("casa grande/dibujo.png"));
    QVERIFY(writeFile(extra, "drawing"));
    WordForm form = shown;
    form.fullName = QStringLiteral("casona");
    form.image = extra;
    QCOMPARE(WordSaver::save(word, form, shown).outcome, WordSaver::Outcome::Saved);

    Word stored;
    QVERIFY(stored.loadById(word.id));
    QCOMPARE(stored.image, QStringLiteral("dibujo.png"));
    QCOMPARE(readFile(stored.imagePath()), QByteArray("drawing"));
    QVERIFY(!QFileInfo::exists(f.folder(QStringLiteral("casona/casa.png"))));
}

void TestWordSaver::shouldRefuseDescriptionOrFolderTaken()
{
    Fixture f;
    Word first;
    WordForm shown;
    QVERIFY(f.addSavedWord(first, shown));

    Word second;
    second.setLetter(&f.letter);
    WordForm form = f.newForm();
    form.image = f.sources + QStringLiteral("otra.png");
    const auto refused = WordSaver::save(second, form, {});
    QCOMPARE(refused.outcome, WordSaver::Outcome::DuplicateName);
    QCOMPARE(refused.detail, QStringLiteral("casa grande"));
    QCOMPARE(wordRows(), 1);
    // Nor one that differs only in case, accents or blanks: the refusal names
    // the existing one.
    for (const QString& fullName : {QStringLiteral("Casa Grande"), QStringLiteral(" cása grande "),
                                    QStringLiteral("casa\u200B grande")}) {
        form.fullName = fullName;
        const auto alike = WordSaver::save(second, form, {});
        QCOMPARE(alike.outcome, WordSaver::Outcome::DuplicateName);
        QCOMPARE(alike.detail, QStringLiteral("casa grande"));
    }
    QCOMPARE(wordRows(), 1);
    QCOMPARE(entries(f.letter.folderPath()), QStringList{QStringLiteral("casa grande")});
    QCOMPARE(readFile(first.imagePath()), QByteArray("picture"));

    // Renaming the second word onto the first one's description: refused too.
    form.fullName = QStringLiteral("casita");
    QCOMPARE(WordSaver::save(second, form, {}).outcome, WordSaver::Outcome::Saved);
    WordForm secondShown = WordSaver::shownPaths(second);
    WordForm rename = secondShown;
    rename.fullName = QStringLiteral("casa grande");
    QCOMPARE(WordSaver::save(second, rename, secondShown).outcome,
             WordSaver::Outcome::DuplicateName);
    QVERIFY(QFileInfo::exists(f.folder(QStringLiteral("casita/otra.png"))));
    QCOMPARE(entries(f.folder(QStringLiteral("casa grande"))).size(), 3);

    // Nor is a folder that no record names taken over.
    QVERIFY(writeFile(f.folder(QStringLiteral("casona/leftover.png")), "left"));
    rename.fullName = QStringLiteral("casona");
    QCOMPARE(WordSaver::save(second, rename, secondShown).outcome, WordSaver::Outcome::FolderExists);
    QCOMPARE(second.fullName, QStringLiteral("casita"));
    QCOMPARE(entries(f.folder(QStringLiteral("casita"))).size(), 3);
    QCOMPARE(entries(f.folder(QStringLiteral("casona"))), QStringList{QStringLiteral("leftover.png")});
    // Nor a folder whose name differs only in case.
    rename.fullName = QStringLiteral("CASONA");
    const auto clash = WordSaver::save(second, rename, secondShown);
    QCOMPARE(clash.outcome, WordSaver::Outcome::FolderExists);
    QCOMPARE(clash.detail, QStringLiteral("casona"));
    QVERIFY(!QFileInfo::exists(f.folder(QStringLiteral("CASONA"))));

    // Blanks around a description are dropped, and the word may change the
    // case of its own description.
    rename.fullName = QStringLiteral(" Casita ");
    QCOMPARE(WordSaver::save(second, rename, secondShown).outcome, WordSaver::Outcome::Saved);
    QCOMPARE(second.fullName, QStringLiteral("Casita"));
    QCOMPARE(entries(f.folder(QStringLiteral("Casita"))).size(), 3);
    QVERIFY(!QFileInfo::exists(f.folder(QStringLiteral("casita"))));
}

void TestWordSaver::shouldRefuseWordFolderThatLeadsOutside()
{
    Fixture f;
    const QString outside = f.home.path() + QStringLiteral("/fuera");
    QDir().mkpath(outside);
    QVERIFY(QFile::link(outside, f.folder(QStringLiteral("casa grande"))));
    Word word;
    word.setLetter(&f.letter);
    QCOMPARE(WordSaver::save(word, f.newForm(), {}).outcome, WordSaver::Outcome::FolderOutside);
    QCOMPARE(entries(outside), QStringList());
    QCOMPARE(wordRows(), 0);
    QVERIFY(QFileInfo(f.folder(QStringLiteral("casa grande"))).isSymLink());
}

void TestWordSaver::shouldKeepEverythingWhenACopyFails()
{
    Fixture f;
    Word word;
    WordForm shown;
    QVERIFY(f.addSavedWord(word, shown));
    WordForm form = shown;
    form.fullName = QStringLiteral("casona");
    form.image = f.sources + QStringLiteral("otra.png");  // copied first ...
    form.lips = f.sources + QStringLiteral("ninguno.mov"); // ... then this one fails
    const auto result = WordSaver::save(word, form, shown);
    QCOMPARE(result.outcome, WordSaver::Outcome::CopyFailed);
    QCOMPARE(result.detail, form.lips);

    QCOMPARE(word.fullName, QStringLiteral("casa grande"));
    QCOMPARE(word.image, QStringLiteral("casa.png"));
    Word stored;
    QVERIFY(stored.loadById(word.id));
    QCOMPARE(stored.fullName, QStringLiteral("casa grande"));
    QCOMPARE(stored.lips, QStringLiteral("labios.mov"));
    QVERIFY(!QFileInfo::exists(f.folder(QStringLiteral("casona"))));
    QCOMPARE(entries(f.folder(QStringLiteral("casa grande"))),
             (QStringList{QStringLiteral("casa.png"), QStringLiteral("labios.mov"),
                          QStringLiteral("sena casa.avi")}));
    QCOMPARE(readFile(stored.lipsPath()), QByteArray("lips"));
}

void TestWordSaver::shouldUndoFilesWhenTheRecordCannotBeWritten()
{
    Fixture f;
    Word word;
    WordForm shown;
    QVERIFY(f.addSavedWord(word, shown));
    QVERIFY(TestHome::refuse(QStringLiteral("word"), QStringLiteral("UPDATE")));
    WordForm form = shown;
    form.fullName = QStringLiteral("casona");
    form.image = f.sources + QStringLiteral("v2/casa.png");
    form.sign = f.sources + QStringLiteral("otra.png");
    QCOMPARE(WordSaver::save(word, form, shown).outcome, WordSaver::Outcome::RecordFailed);
    QCOMPARE(word.fullName, QStringLiteral("casa grande"));
    QCOMPARE(word.sign, QStringLiteral("sena casa.avi"));
    QVERIFY(!QFileInfo::exists(f.folder(QStringLiteral("casona"))));
    QCOMPARE(entries(f.folder(QStringLiteral("casa grande"))),
             (QStringList{QStringLiteral("casa.png"), QStringLiteral("labios.mov"),
                          QStringLiteral("sena casa.avi")}));
    QCOMPARE(readFile(word.imagePath()), QByteArray("picture"));

    // A new word whose insert fails leaves no folder behind.
    QVERIFY(TestHome::refuse(QStringLiteral("word"), QStringLiteral("INSERT")));
    Word fresh;
    fresh.setLetter(&f.letter);
    QCOMPARE(WordSaver::save(fresh, f.newForm(QStringLiteral("cama")), {}).outcome,
             WordSaver::Outcome::RecordFailed);
    QVERIFY(!QFileInfo::exists(f.folder(QStringLiteral("cama"))));
}

void TestWordSaver::shouldLeaveOldOrNewWordWhereverItStops_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("adding a word") << "add";
    QTest::newRow("renaming with new media") << "rename";
    QTest::newRow("replacing a picture by one of the same name") << "replace";
    QTest::newRow("renaming only") << "rename only";
}

void TestWordSaver::shouldLeaveOldOrNewWordWhereverItStops()
{
    QFETCH(QString, change);
    // How a run ends at its stopping step: the program dies there, or
    // another program starts (and runs its recovery) while it saves.
    enum class Stop { Dies, OtherProgramStarts };
    // Runs the change on a fresh home, stopping at the given step (none: -1),
    // then restarts; returns the steps passed and the state after restart.
    const auto run = [&](int stopAt, Stop how, QStringList* steps, QStringList* before) {
        Fixture f;
        Word word;
        WordForm shown;
        WordForm form = f.newForm();
        if (change != QLatin1String("add")) {
            if (!f.addSavedWord(word, shown))
                return QStringList{QStringLiteral("setup failed")};
            form = shown;
            if (change == QLatin1String("replace")) {
                form.image = f.sources + QStringLiteral("v2/casa.png");
            } else {
                form.fullName = QStringLiteral("casona");
                if (change == QLatin1String("rename")) {
                    form.image = f.sources + QStringLiteral("otra.png");
                    form.lips = f.sources + QStringLiteral("v2/casa.png");
                }
            }
        } else {
            word.setLetter(&f.letter);
        }
        // The categories change with the record.
        form.categories = {{f.houses, true}, {f.things, false}};
        *before = snapshot(f.letter.folderPath());
        const QString languages = f.home.path() + QStringLiteral("/media/languages");
        QByteArray lock;
        QString lockPath;
        int step = 0;
        WordSaver::setCrashPoint([&](const QString& name) {
            *steps << name;
            if (step++ != stopAt)
                return false;
            const QDir letter(f.letter.folderPath());
            const QStringList journals = letter.entryList({QStringLiteral(".guardando-*.diario")},
                                                          QDir::Files | QDir::Hidden);
            if (how == Stop::OtherProgramStarts) {
                WordSaver::reconcile(languages);
                return false;
            }
            // A kill while the journal was being rewritten leaves its
            // temporary copy; the dead program's lock stays too.
            for (const QString& journal : journals) {
                writeFile(letter.filePath(journal + QStringLiteral(".k3XmQ9")), "{\"wordId\":");
                lockPath = letter.filePath(journal.chopped(7) + QStringLiteral(".bloqueo"));
                lock = readFile(lockPath);
                if (lock.contains('\n'))
                    lock.replace(0, lock.indexOf('\n'), deadProcessId());
            }
            return true;
        });
        const auto outcome = WordSaver::save(word, form, shown).outcome;
        WordSaver::setCrashPoint({});
        const bool dies = stopAt >= 0 && how == Stop::Dies;
        if (outcome != (dies ? WordSaver::Outcome::Interrupted : WordSaver::Outcome::Saved))
            return QStringList{QStringLiteral("unexpected outcome")};
        if (!lock.isEmpty() && !writeFile(lockPath, lock))
            return QStringList{QStringLiteral("no lock left")};
        WordSaver::reconcile(languages);
        return snapshot(f.letter.folderPath());
    };

    QStringList steps;
    QStringList old;
    const QStringList saved = run(-1, Stop::Dies, &steps, &old);
    QVERIFY(saved != old);
    QVERIFY(saved.contains(QStringLiteral("link 1-1")));
    QVERIFY2(steps.size() >= 5, qPrintable(steps.join(QLatin1Char(','))));
    for (int stopAt = 0; stopAt < steps.size(); ++stopAt) {
        QStringList passed;
        QStringList ignored;
        const QStringList after = run(stopAt, Stop::Dies, &passed, &ignored);
        QVERIFY2(after == old || after == saved,
                 qPrintable(QStringLiteral("stopped after %1:\n%2")
                                .arg(steps.at(stopAt), after.join(QLatin1Char('\n')))));
        // Once the record is written, the new word is the one that stays
        // (a record that reads the same either way cannot tell).
        if (change != QLatin1String("replace"))
            QCOMPARE(after == saved, steps.indexOf(QStringLiteral("record")) <= stopAt);
        // Another program starting meanwhile leaves the save to finish.
        const QStringList alongside = run(stopAt, Stop::OtherProgramStarts, &passed, &ignored);
        QVERIFY2(alongside == saved,
                 qPrintable(QStringLiteral("other program started after %1:\n%2")
                                .arg(steps.at(stopAt), alongside.join(QLatin1Char('\n')))));
    }
}

void TestWordSaver::shouldFinishOrUndoADeletionCutShort_data()
{
    QTest::addColumn<QString>("deleted");    // "word" or "letter"
    QTest::addColumn<bool>("recordRemoved"); // the crash came after the database changed
    QTest::newRow("word, before the database") << "word" << false;
    QTest::newRow("word, after the database") << "word" << true;
    QTest::newRow("letter, before the database") << "letter" << false;
    QTest::newRow("letter, after the database") << "letter" << true;
}

void TestWordSaver::shouldFinishOrUndoADeletionCutShort()
{
    QFETCH(QString, deleted);
    QFETCH(bool, recordRemoved);
    Fixture f;
    Word word;
    WordForm shown;
    QVERIFY(f.addSavedWord(word, shown));
    QVERIFY(writeFile(f.folder(QStringLiteral("casa grande/.miniatura")), "thumb"));
    QVERIFY(writeFile(f.folder(QStringLiteral("casa grande/extra/otra.png")), "more"));
    QVERIFY(writeFile(f.folder(QStringLiteral("suelta/nota.txt")), "loose"));
    const QString root = MediaStore::lettersFolder(f.language);
    const QStringList before = snapshot(root);

    // The deletion's first step, then the crash.
    const QString folder = deleted == QLatin1String("word") ? word.folderPath() : f.letter.folderPath();
    QString aside;
    QVERIFY(MediaStore::moveAside(folder, root, &aside));
    QVERIFY(!aside.isEmpty() && !QFileInfo::exists(folder));
    if (recordRemoved)
        QVERIFY(deleted == QLatin1String("word") ? word.removeWithLinks() : f.letter.removeWithWords());
    const QStringList afterDatabase = snapshot(root);

    WordSaver::reconcile(f.home.path() + QStringLiteral("/media/languages"));
    QVERIFY(!QFileInfo::exists(aside));
    if (!recordRemoved) {
        // Back in place with every file, hidden ones and sub-folders too.
        QCOMPARE(snapshot(root), before);
    } else {
        QStringList expected;
        for (const QString& entry : afterDatabase) {
            if (!entry.startsWith(aside.mid(root.size())))
                expected << entry;
        }
        QCOMPARE(snapshot(root), expected);
    }
}

void TestWordSaver::shouldRefuseWithTheReasonAndKeepNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<WordSaver::Outcome>("outcome");
    QTest::addColumn<QString>("detail");
    const QString tooLong = QString(128, QChar(0x00F1)); // 256 bytes in UTF-8
    QTest::newRow("empty description") << "casa" << "" << "" << WordSaver::Outcome::EmptyField << "";
    QTest::newRow("empty picture") << "casa" << "casa" << "picture=" << WordSaver::Outcome::EmptyField << "";
    // Every kind of unsafe name is judged by the media store; a few here
    // show that nothing is written for them.
    // Names that show nothing.
    QTest::newRow("blanks") << "casa" << "  " << "" << WordSaver::Outcome::EmptyField << "";
    QTest::newRow("zero-width space") << "casa" << "\u200B" << "" << WordSaver::Outcome::EmptyField << "";
    QTest::newRow("blank and format characters")
        << "casa" << " \u200B\u2060\u00A0" << "" << WordSaver::Outcome::EmptyField << "";
    QTest::newRow("written word of blanks") << " \u200B " << "casa" << "" << WordSaver::Outcome::EmptyField << "";
    QTest::newRow("climbing") << "casa" << "../../x" << "" << WordSaver::Outcome::UnsafeName << "";
    QTest::newRow("dot dot") << "casa" << ".." << "" << WordSaver::Outcome::UnsafeName << "";
    QTest::newRow("trailing dot") << "casa" << "casa." << "" << WordSaver::Outcome::UnsafeName << "";
    QTest::newRow("missing picture") << "casa" << "casa" << "picture=ninguna.png"
                                     << WordSaver::Outcome::CopyFailed << "";
    QTest::newRow("folder as picture") << "casa" << "casa" << "picture=v2" << WordSaver::Outcome::CopyFailed << "";
    QTest::newRow("full disk") << "casa" << "casa" << "full" << WordSaver::Outcome::DiskFull
                               << "labios.mov";
    // A sign video larger than the free space, with a small lips video
    // after it: the message names the one that does not fit.
    QTest::newRow("full disk, the large file named") << "casa" << "casa" << "huge sign"
                                                     << WordSaver::Outcome::DiskFull << "grande.avi";
    QTest::newRow("read-only media") << "casa" << "casa" << "read-only"
                                     << WordSaver::Outcome::FolderFailed << "casa";
    QTest::newRow("cancelled copy") << "casa" << "casa" << "cancel" << WordSaver::Outcome::Cancelled
                                    << "casa.png";
    QTest::newRow("description too long") << "casa" << tooLong << "" << WordSaver::Outcome::NameTooLong
                                          << tooLong;
    QTest::newRow("longest description") << "casa" << QString(127, QChar(0x00F1)) + "x" << "cancel"
                                         << WordSaver::Outcome::Cancelled << "casa.png";
    QTest::newRow("emoji in the written word") << "gato\U0001F431 feliz\U0001F600\U0001F431"
                                               << "gato" << "" << WordSaver::Outcome::Unshowable
                                               << "\U0001F431\U0001F600";
    QTest::newRow("digits and signs") << "niño-2" << "niño" << "" << WordSaver::Outcome::Unshowable
                                      << "-2";
}

void TestWordSaver::shouldRefuseWithTheReasonAndKeepNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, fullName);
    QFETCH(QString, trouble);
    QFETCH(WordSaver::Outcome, outcome);
    QFETCH(QString, detail);
    Fixture f;
    if (trouble == QLatin1String("full") || trouble == QLatin1String("read-only")) {
        const bool full = trouble == QLatin1String("full");
        MediaStore::setRefusal([=](const QString& path) {
            if (full)
                return path.endsWith(QStringLiteral("labios.mov")) ? MediaStore::Refused::DiskFull
                                                                   : MediaStore::Refused::None;
            return MediaStore::Refused::ReadOnly;
        });
    }
    Word word;
    word.setLetter(&f.letter);
    WordForm form = f.newForm(fullName);
    form.name = name;
    if (trouble.startsWith(QLatin1String("picture=")))
        form.image = trouble == QLatin1String("picture=") ? QString() : f.sources + trouble.mid(8);
    if (trouble == QLatin1String("huge sign")) {
        // Sparse: it takes no room itself.
        QFile huge(f.sources + QStringLiteral("grande.avi"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(QStorageInfo(f.letter.folderPath()).bytesAvailable() + (qint64(1) << 30)));
        form.sign = huge.fileName();
    }
    const auto result = WordSaver::save(word, form, {}, [&](qint64, qint64) {
        return trouble != QLatin1String("cancel");
    });
    MediaStore::setRefusal({});
    QCOMPARE(result.outcome, outcome);
    QVERIFY(detail.isEmpty() || result.detail.endsWith(detail));
    QCOMPARE(word.id, 0);
    QCOMPARE(wordRows(), 0);
    QCOMPARE(entries(f.letter.folderPath()), QStringList());
    QCOMPARE(entries(f.home.path() + QStringLiteral("/media/languages/Español")),
             QStringList{QStringLiteral("Letras")});
}

void TestWordSaver::shouldKeepWhatAnotherPcDidToTheWordSinceItWasRead_data()
{
    QTest::addColumn<QString>("there"); // what the other PC did: "saved", "deleted"
    QTest::addColumn<QString>("here");  // what this PC does then: "save", "delete"
    QTest::newRow("saved there, saved here: refused") << "saved" << "save";
    QTest::newRow("deleted there, saved here: refused") << "deleted" << "save";
    QTest::newRow("saved there, deleted here: kept") << "saved" << "delete";
    QTest::newRow("deleted there, deleted here: gone") << "deleted" << "delete";
}

void TestWordSaver::shouldKeepWhatAnotherPcDidToTheWordSinceItWasRead()
{
    QFETCH(QString, there);
    QFETCH(QString, here);
    Fixture f;
    Word word;
    WordForm shown;
    QVERIFY(f.addSavedWord(word, shown)); // this PC's editor opens
    OtherPc other(f.home);
    QVERIFY(other.db.isOpen());
    const QString folder = f.folder(QStringLiteral("casa grande"));
    if (there == QLatin1String("saved")) {
        QVERIFY(writeFile(folder + QStringLiteral("/roja.png"), "red picture"));
        QVERIFY(other.exec(QStringLiteral("UPDATE word SET image = 'roja.png', "
                                          "revision = revision + 1 WHERE id = %1")
                               .arg(word.id)));
    } else {
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(other.exec(QStringLiteral("DELETE FROM word_x_category WHERE id_word = %1").arg(word.id)));
        QVERIFY(other.exec(QStringLiteral("DELETE FROM word WHERE id = %1").arg(word.id)));
    }
    const QStringList theirs = snapshot(f.letter.folderPath());

    if (here == QLatin1String("save")) {
        WordForm form = shown;
        form.fullName = QStringLiteral("casona");
        form.sign = f.sources + QStringLiteral("otra.png");
        form.categories = {{f.houses, true}};
        QCOMPARE(WordSaver::save(word, form, shown).outcome,
                 there == QLatin1String("saved") ? WordSaver::Outcome::ChangedElsewhere
                                                 : WordSaver::Outcome::DeletedElsewhere);
    } else {
        // A word changed since it was chosen is kept; one deleted is gone.
        QCOMPARE(word.removeAsRead(), there == QLatin1String("deleted"));
    }
    // Nothing of this PC's attempt is mixed in, nothing of the other's lost.
    QCOMPARE(snapshot(f.letter.folderPath()), theirs);

    if (there == QLatin1String("saved") && here == QLatin1String("save")) {
        // Opened again, the word shows the other PC's save and takes this one.
        Word reopened;
        QVERIFY(reopened.loadById(word.id));
        QCOMPARE(reopened.image, QStringLiteral("roja.png"));
        const WordForm again = WordSaver::shownPaths(reopened);
        WordForm form = again;
        form.sign = f.sources + QStringLiteral("otra.png");
        QCOMPARE(WordSaver::save(reopened, form, again).outcome, WordSaver::Outcome::Saved);
        QCOMPARE(count(QStringLiteral("SELECT revision FROM word WHERE id = %1").arg(word.id)), 2);
        QCOMPARE(WordSaver::save(word, form, shown).outcome, WordSaver::Outcome::ChangedElsewhere);
    }
}

void TestWordSaver::shouldLeaveASaveThatAnotherPcIsStillDoing()
{
    Fixture f;
    Word word;
    word.setLetter(&f.letter);
    // A save stopped once its staging folder is made, as if its PC had died.
    WordSaver::setCrashPoint([](const QString& step) { return step == QLatin1String("staging"); });
    const WordSaver::Outcome outcome = WordSaver::save(word, f.newForm(), {}).outcome;
    WordSaver::setCrashPoint({});
    QCOMPARE(outcome, WordSaver::Outcome::Interrupted);
    const QStringList saves = savesIn(f.letter.folderPath());
    QCOMPARE(saves.size(), 1);
    const QString stem = saves.first();
    const bool onServer = TestHome::engine() == Database::Engine::PostgreSQL;
    // On a server no two PCs can ever pick the same name.
    if (onServer)
        QVERIFY2(!QUuid::fromString(stem.mid(QStringLiteral(".guardando-").size())).isNull(),
                 qPrintable(stem));

    // It is alive after all: its PC holds its lock (on a server, the
    // advisory lock of the PC's own session).
    OtherPc other(f.home);
    QLockFile lockFile(f.letter.folderPath() + stem + QStringLiteral(".bloqueo"));
    if (onServer)
        QVERIFY(other.exec(QStringLiteral("SELECT pg_advisory_lock(%1)").arg(WordSaver::saveLockKey(stem))));
    else
        QVERIFY(lockFile.tryLock(0));
    const QStringList underWay = snapshot(f.letter.folderPath());
    const QString languages = f.home.path() + QStringLiteral("/media/languages");
    WordSaver::reconcile(languages);
    QCOMPARE(snapshot(f.letter.folderPath()), underWay);

    // Its PC dies: the server ends its session, and the save is undone.
    other.close();
    lockFile.unlock();
    QTRY_VERIFY((WordSaver::reconcile(languages), entries(f.letter.folderPath()).isEmpty()));
    QCOMPARE(wordRows(), 0);
}

void TestWordSaver::shouldShareTheWordsWithAnotherProgramProcess_data()
{
    QTest::addColumn<QString>("other"); // "edit": saves at once; "hold": stops mid-save
    QTest::newRow("the other program saved the word first") << "edit";
    QTest::newRow("the other program is still saving") << "hold";
    QTest::newRow("the other program is deleting the word") << "delete";
}

void TestWordSaver::shouldShareTheWordsWithAnotherProgramProcess()
{
    QFETCH(QString, other);
    Fixture f;
    Word word;
    WordForm shown;
    QVERIFY(f.addSavedWord(word, shown));
    const QString folder = f.folder(QStringLiteral("casa grande"));
    QProcess process;
    process.start(QStringLiteral(OL_OTHER_PC),
                  {f.home.databaseName(), other, QString::number(word.id),
                   f.sources + QStringLiteral("otra.png")});
    QVERIFY(process.waitForStarted());
    if (other == QLatin1String("edit")) {
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QStringList theirs = snapshot(f.letter.folderPath());
        QCOMPARE(readFile(folder + QStringLiteral("/otra.png")), QByteArray("other picture"));
        WordForm form = shown;
        form.image = f.sources + QStringLiteral("v2/casa.png");
        QCOMPARE(WordSaver::save(word, form, shown).outcome, WordSaver::Outcome::ChangedElsewhere);
        QCOMPARE(snapshot(f.letter.folderPath()), theirs);
        return;
    }
    // Start-up recovery here leaves the other program's save or deletion
    // alone while it lives, and undoes it once that program is gone.
    QVERIFY(process.waitForReadyRead(60000));
    QCOMPARE(process.readLine().trimmed(),
             other == QLatin1String("hold") ? QByteArray("saving") : QByteArray("deleting"));
    QCOMPARE(savesIn(f.letter.folderPath()).size(), other == QLatin1String("hold") ? 1 : 0);
    QCOMPARE(QFileInfo::exists(folder), other == QLatin1String("hold"));
    const QStringList underWay = snapshot(f.letter.folderPath());
    const QString languages = f.home.path() + QStringLiteral("/media/languages");
    WordSaver::reconcile(languages);
    QCOMPARE(snapshot(f.letter.folderPath()), underWay);
    process.kill();
    QVERIFY(process.waitForFinished(60000));
    QTRY_VERIFY((WordSaver::reconcile(languages), savesIn(f.letter.folderPath()).isEmpty()
                 && QFileInfo::exists(folder)));
    QCOMPARE(entries(folder), (QStringList{QStringLiteral("casa.png"), QStringLiteral("labios.mov"),
                                           QStringLiteral("sena casa.avi")}));
    QCOMPARE(entries(f.letter.folderPath()), QStringList{QStringLiteral("casa grande")});
}

QTEST_GUILESS_MAIN(TestWordSaver)
#include "tst_wordsaver.moc"
