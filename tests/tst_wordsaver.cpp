#include "contentlists.h"
#include "mediastore.h"
#include "testhome.h"
#include "wordsaver.h"

#include <QDirIterator>

#include <QDir>
#include <QFile>
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
// row: what a crash must leave either as it was or as it was meant to be.
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
    state.sort();
    return state;
}

int wordRows()
{
    QSqlQuery query(QStringLiteral("SELECT COUNT(*) FROM word"));
    return query.next() ? query.value(0).toInt() : -1;
}

// A language with the letter C, its media folder, and files to choose from.
struct Fixture
{
    TestHome home;
    Language language;
    Letter letter;
    QString sources;

    Fixture()
    {
        language.loadById(TestHome::addLanguage(QStringLiteral("Español")));
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
                sources + QStringLiteral("sena casa.avi"), sources + QStringLiteral("labios.mov")};
    }

    // A saved word "casa grande" whose editor has just opened.
    bool addSavedWord(Word& word, WordForm& shown)
    {
        word.setLetter(&letter);
        if (WordSaver::save(word, newForm(), {}).outcome != WordSaver::Outcome::Saved)
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
    void shouldRefuseWithTheReasonAndKeepNothing_data();
    void shouldRefuseWithTheReasonAndKeepNothing();
};

void TestWordSaver::shouldFileNewWordIntoItsFolder()
{
    Fixture f;
    Word word;
    word.setLetter(&f.letter);
    QList<qint64> totals;
    const auto result = WordSaver::save(word, f.newForm(), {},
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
    QVERIFY(TestHome::exec(QStringLiteral(
        "CREATE TRIGGER frozen BEFORE UPDATE ON word BEGIN SELECT RAISE(ABORT, 'no'); END")));
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
    QVERIFY(TestHome::exec(QStringLiteral(
        "CREATE TRIGGER closed BEFORE INSERT ON word BEGIN SELECT RAISE(ABORT, 'no'); END")));
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
    // Runs the change on a fresh home, stopping at the given step (none: -1),
    // then restarts; returns the steps passed and the state after restart.
    const auto run = [&](int stopAt, QStringList* steps, QStringList* before) {
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
        *before = snapshot(f.letter.folderPath());
        int step = 0;
        WordSaver::setCrashPoint([&](const QString& name) {
            *steps << name;
            return step++ == stopAt;
        });
        const auto outcome = WordSaver::save(word, form, shown).outcome;
        WordSaver::setCrashPoint({});
        if (outcome != (stopAt < 0 ? WordSaver::Outcome::Saved : WordSaver::Outcome::Interrupted))
            return QStringList{QStringLiteral("unexpected outcome")};
        WordSaver::reconcile(f.home.path() + QStringLiteral("/media/languages"));
        return snapshot(f.letter.folderPath());
    };

    QStringList steps;
    QStringList old;
    const QStringList saved = run(-1, &steps, &old);
    QVERIFY(saved != old);
    QVERIFY2(steps.size() >= 5, qPrintable(steps.join(QLatin1Char(','))));
    for (int stopAt = 0; stopAt < steps.size(); ++stopAt) {
        QStringList passed;
        QStringList ignored;
        const QStringList after = run(stopAt, &passed, &ignored);
        QVERIFY2(after == old || after == saved,
                 qPrintable(QStringLiteral("stopped after %1:\n%2")
                                .arg(steps.at(stopAt), after.join(QLatin1Char('\n')))));
        // Once the record is written, the new word is the one that stays
        // (a record that reads the same either way cannot tell).
        if (change != QLatin1String("replace"))
            QCOMPARE(after == saved, steps.indexOf(QStringLiteral("record")) <= stopAt);
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
    QTest::newRow("blanks") << "casa" << "  " << "" << WordSaver::Outcome::UnsafeName << "";
    QTest::newRow("climbing") << "casa" << "../../x" << "" << WordSaver::Outcome::UnsafeName << "";
    QTest::newRow("dot dot") << "casa" << ".." << "" << WordSaver::Outcome::UnsafeName << "";
    QTest::newRow("trailing dot") << "casa" << "casa." << "" << WordSaver::Outcome::UnsafeName << "";
    QTest::newRow("missing picture") << "casa" << "casa" << "picture=ninguna.png"
                                     << WordSaver::Outcome::CopyFailed << "";
    QTest::newRow("folder as picture") << "casa" << "casa" << "picture=v2" << WordSaver::Outcome::CopyFailed << "";
    QTest::newRow("full disk") << "casa" << "casa" << "full" << WordSaver::Outcome::DiskFull
                               << "labios.mov";
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

QTEST_GUILESS_MAIN(TestWordSaver)
#include "tst_wordsaver.moc"
