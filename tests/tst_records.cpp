#include "contentlists.h"
#include "mediapaths.h"
#include "testhome.h"

#include <QSqlQuery>
#include <QTest>

class TestRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldFindLetterByNameInAnyCase();
    void shouldUpperCaseListRowsButKeepStoredCaseById();
    void shouldResolveParentsWhenLoadingById();
    void shouldKeepDeletedParentNull();
    void shouldAddCategoryLinkOnce();
    void shouldSaveWordsWithUniqueDescriptionsAndKeepTheirLetter();
    void shouldWalkListOnceAfterReset();
    void shouldListWordsOfCategoryInNameOrder();
    void shouldListInSpanishAlphabeticalOrder_data();
    void shouldListInSpanishAlphabeticalOrder();
    void shouldComposeMediaPaths();
    void shouldInsertRenameAndRemoveCategory();
};

void TestRecords::shouldFindLetterByNameInAnyCase()
{
    TestHome home;
    QVERIFY(home.isValid());
    const int lang = TestHome::addLanguage(QStringLiteral("Español"));
    const int a = TestHome::addLetter(QStringLiteral("A"), lang);
    const int ch = TestHome::addLetter(QStringLiteral("CH"), lang);
    const int enye = TestHome::addLetter(QStringLiteral("Ñ"), lang);
    Language language;
    QVERIFY(language.loadById(lang));

    Letter letter;
    QVERIFY(letter.loadByName(QStringLiteral("a"), &language));
    QCOMPARE(letter.id, a);
    QCOMPARE(letter.language, &language);
    QVERIFY(letter.loadByName(QStringLiteral("ch"), &language));
    QCOMPARE(letter.id, ch);
    QVERIFY(letter.loadByName(QStringLiteral("ñ"), &language));
    QCOMPARE(letter.id, enye);
    QVERIFY(!letter.loadByName(QStringLiteral("b"), &language));
    QCOMPARE(letter.id, enye); // a failed load leaves the record as it was

    // Nothing is looked up or written without a parent.
    QVERIFY(!letter.loadByName(QStringLiteral("A"), nullptr));
    Word word;
    QVERIFY(!word.loadByFullName(QStringLiteral("x"), nullptr));
    QVERIFY(!word.save());
    QVERIFY(!word.insert());
    Category category;
    QVERIFY(!category.insert());
}

void TestRecords::shouldUpperCaseListRowsButKeepStoredCaseById()
{
    TestHome home;
    const int lang = TestHome::addLanguage(QStringLiteral("L"));
    const int id = TestHome::addLetter(QStringLiteral("b"), lang);
    TestHome::addCategory(QStringLiteral("animales"), lang);
    Language language;
    QVERIFY(language.loadById(lang));

    LetterList letters;
    letters.loadOfLanguage(&language);
    letters.reset();
    Letter* row = letters.next();
    QVERIFY(row);
    QCOMPARE(row->name, QStringLiteral("B"));
    QCOMPARE(row->language, &language);

    Letter byId;
    QVERIFY(byId.loadById(id));
    QCOMPARE(byId.name, QStringLiteral("b"));
    // Names are looked up in capitals: a letter stored in small letters is never found.
    Letter byName;
    QVERIFY(!byName.loadByName(QStringLiteral("b"), &language));
    QVERIFY(!byName.loadByName(QStringLiteral("B"), &language));

    CategoryList categories;
    categories.loadOfLanguage(&language);
    categories.reset();
    QCOMPARE(categories.next()->name, QStringLiteral("ANIMALES"));
}

void TestRecords::shouldResolveParentsWhenLoadingById()
{
    TestHome home;
    const int lang = TestHome::addLanguage(QStringLiteral("Español"));
    const int letterId = TestHome::addLetter(QStringLiteral("C"), lang);
    const int wordId = TestHome::addWord(QStringLiteral("casa"), letterId);

    Word word;
    QVERIFY(word.loadById(wordId));
    QVERIFY(word.letter);
    QCOMPARE(word.letter->id, letterId);
    QVERIFY(word.letter->language);
    QCOMPARE(word.letter->language->name, QStringLiteral("Español"));

    // A held parent with the right id is kept, not reloaded.
    Letter held;
    QVERIFY(held.loadById(letterId));
    Word second;
    QVERIFY(second.loadByFullName(QStringLiteral("casa"), &held));
    QCOMPARE(second.letter, &held);

    // Copies share what they own, so both stay usable.
    Word copy = word;
    QCOMPARE(copy.letter->language->name, QStringLiteral("Español"));
}

void TestRecords::shouldKeepDeletedParentNull()
{
    TestHome home;
    const int lang = TestHome::addLanguage(QStringLiteral("L"));
    const int letterId = TestHome::addLetter(QStringLiteral("C"), lang);
    const int wordId = TestHome::addWord(QStringLiteral("casa"), letterId);
    QVERIFY(TestHome::exec(QStringLiteral("DELETE FROM letter")));
    Word word;
    QVERIFY(word.loadById(wordId));
    QCOMPARE(word.letter, nullptr);
    QVERIFY(TestHome::exec(QStringLiteral("DELETE FROM language")));
    const int orphan = TestHome::addLetter(QStringLiteral("D"), lang);
    Letter letter;
    QVERIFY(letter.loadById(orphan));
    QCOMPARE(letter.language, nullptr);
}

void TestRecords::shouldAddCategoryLinkOnce()
{
    TestHome home;
    const int lang = TestHome::addLanguage(QStringLiteral("L"));
    const int letterId = TestHome::addLetter(QStringLiteral("C"), lang);
    Word word;
    QVERIFY(word.loadById(TestHome::addWord(QStringLiteral("casa"), letterId)));
    Category category;
    QVERIFY(category.loadById(TestHome::addCategory(QStringLiteral("LUGARES"), lang)));

    QVERIFY(!word.hasCategory(category));
    QVERIFY(word.addCategory(category));
    QVERIFY(word.addCategory(category));
    QVERIFY(word.hasCategory(category));
    QSqlQuery count(QStringLiteral("SELECT COUNT(*) FROM word_x_category"));
    QVERIFY(count.next());
    QCOMPARE(count.value(0).toInt(), 1);
    QVERIFY(word.removeCategory(category));
    QVERIFY(!word.hasCategory(category));
    QVERIFY(word.removeCategory(category));
}

void TestRecords::shouldSaveWordsWithUniqueDescriptionsAndKeepTheirLetter()
{
    TestHome home;
    const int lang = TestHome::addLanguage(QStringLiteral("L"));
    Letter letter;
    QVERIFY(letter.loadById(TestHome::addLetter(QStringLiteral("C"), lang)));
    Word word;
    word.setLetter(&letter);
    word.name = QStringLiteral("casa");
    word.fullName = QStringLiteral("casa grande");
    word.image = QStringLiteral("casa.png");
    QVERIFY(word.save());
    QVERIFY(word.id > 0);
    Word reloaded;
    QVERIFY(reloaded.loadById(word.id));
    QCOMPARE(reloaded.fullName, QStringLiteral("casa grande"));
    QCOMPARE(reloaded.image, QStringLiteral("casa.png"));
    // Descriptions are compared with their case unchanged.
    Word other;
    QVERIFY(!other.loadByFullName(QStringLiteral("Casa Grande"), &letter));

    // Two records sharing a description would share one media folder.
    Word second = word;
    second.id = 0;
    second.name = QStringLiteral("otra");
    QVERIFY(!second.save());
    QSqlQuery count(QStringLiteral("SELECT COUNT(*) FROM word"));
    QVERIFY(count.next());
    QCOMPARE(count.value(0).toInt(), 1);

    // An update keeps the letter the word is filed under.
    Letter d;
    QVERIFY(d.loadById(TestHome::addLetter(QStringLiteral("D"), lang)));
    word.name = QStringLiteral("casita");
    word.setLetter(&d);
    QVERIFY(word.update());
    QVERIFY(reloaded.loadById(word.id));
    QCOMPARE(reloaded.name, QStringLiteral("casita"));
    QCOMPARE(reloaded.letter->id, letter.id);
}

void TestRecords::shouldWalkListOnceAfterReset()
{
    TestHome home;
    const int lang = TestHome::addLanguage(QStringLiteral("L"));
    for (const char* name : {"C", "A", "B"})
        TestHome::addLetter(QString::fromLatin1(name), lang);
    Language language;
    QVERIFY(language.loadById(lang));
    LetterList letters;
    letters.loadOfLanguage(&language);
    letters.reset();
    QStringList seen;
    while (Letter* letter = letters.next())
        seen << letter->name;
    QCOMPARE(seen, QStringList({"A", "B", "C"}));
    QCOMPARE(letters.next(), nullptr);
    QCOMPARE(letters.next(), nullptr);
    letters.reset();
    QCOMPARE(letters.next()->name, QStringLiteral("A"));
}

void TestRecords::shouldListWordsOfCategoryInNameOrder()
{
    TestHome home;
    const int lang = TestHome::addLanguage(QStringLiteral("L"));
    const int c = TestHome::addLetter(QStringLiteral("C"), lang);
    const int cat = TestHome::addCategory(QStringLiteral("X"), lang);
    const int empty = TestHome::addCategory(QStringLiteral("Y"), lang);
    TestHome::link(TestHome::addWord(QStringLiteral("coche"), c), cat);
    TestHome::link(TestHome::addWord(QStringLiteral("casa"), c), cat);
    TestHome::addWord(QStringLiteral("cama"), c);

    Category category;
    QVERIFY(category.loadById(cat));
    WordList words;
    words.loadOfCategory(category);
    words.reset();
    QCOMPARE(words.next()->name, QStringLiteral("casa"));
    Word* second = words.next();
    QCOMPARE(second->name, QStringLiteral("coche"));
    QCOMPARE(second->letter, nullptr);
    QCOMPARE(words.next(), nullptr);

    QVERIFY(category.loadById(empty));
    words.loadOfCategory(category);
    words.reset();
    QCOMPARE(words.next(), nullptr);
}

void TestRecords::shouldListInSpanishAlphabeticalOrder_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("letters") << "letters"
                             << QStringList{"Z", "Ñ", "O", "N", "LL", "M", "L", "D", "CH", "C", "A"}
                             << QStringList{"A", "C", "CH", "D", "L", "LL", "M", "N", "Ñ", "O", "Z"};
    QTest::newRow("categories") << "categories"
                                << QStringList{"ZOO", "ÑANDÚES", "NUBES", "ÁRBOLES", "ANIMALES"}
                                << QStringList{"ANIMALES", "ÁRBOLES", "NUBES", "ÑANDÚES", "ZOO"};
    QTest::newRow("words of a category") << "words"
                                         << QStringList{"zorro", "ñu", "nube", "Ángel", "ana"}
                                         << QStringList{"ana", "Ángel", "nube", "ñu", "zorro"};
}

void TestRecords::shouldListInSpanishAlphabeticalOrder()
{
    QFETCH(QString, list);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, listed);
    TestHome home;
    Language language;
    QVERIFY(language.loadById(TestHome::addLanguage(QStringLiteral("Español"))));
    const int letter = TestHome::addLetter(QStringLiteral("X"), language.id);
    const int category = TestHome::addCategory(QStringLiteral("TODO"), language.id);
    for (const QString& name : stored) {
        if (list == QLatin1String("letters"))
            TestHome::addLetter(name, language.id);
        else if (list == QLatin1String("categories"))
            TestHome::addCategory(name, language.id);
        else
            TestHome::link(TestHome::addWord(name, letter), category);
    }
    QStringList names;
    if (list == QLatin1String("words")) {
        Category all;
        QVERIFY(all.loadById(category));
        WordList words;
        words.loadOfCategory(all);
        words.reset();
        while (Word* word = words.next())
            names << word->name;
    } else if (list == QLatin1String("letters")) {
        LetterList letters;
        letters.loadOfLanguage(&language);
        letters.reset();
        while (Letter* row = letters.next())
            names << row->name;
        names.removeOne(QStringLiteral("X"));
    } else {
        CategoryList categories;
        categories.loadOfLanguage(&language);
        categories.reset();
        while (Category* row = categories.next())
            names << row->name;
        names.removeOne(QStringLiteral("TODO"));
    }
    QCOMPARE(names, listed);
}

void TestRecords::shouldComposeMediaPaths()
{
    TestHome home;
    const int lang = TestHome::addLanguage(QStringLiteral("Español"));
    const int letterId = TestHome::addLetter(QStringLiteral("Ñ"), lang);
    Word word;
    QVERIFY(word.loadById(TestHome::addWord(QStringLiteral("ñu"), letterId, QStringLiteral("ñu grande"))));
    const QString letterFolder = home.path() + QStringLiteral("/media/languages/Español/Letras/Ñ/");
    QCOMPARE(MediaPaths::systemMediaPath(), home.path() + QStringLiteral("/media/system/"));
    QCOMPARE(word.letter->folderPath(), letterFolder);
    QCOMPARE(word.folderPath(), letterFolder + QStringLiteral("ñu grande/"));
    QCOMPARE(word.imagePath(), letterFolder + QStringLiteral("ñu grande/imagen.png"));
    QCOMPARE(word.signPath(), letterFolder + QStringLiteral("ñu grande/sena.avi"));
    QCOMPARE(word.lipsPath(), letterFolder + QStringLiteral("ñu grande/modulacion.avi"));
}

void TestRecords::shouldInsertRenameAndRemoveCategory()
{
    TestHome home;
    const int lang = TestHome::addLanguage(QStringLiteral("L"));
    Language language;
    QVERIFY(language.loadById(lang));
    Category category;
    category.setLanguage(&language);
    category.name = QStringLiteral("ROPA");
    QVERIFY(category.insert());
    CategoryList list;
    list.loadOfLanguage(&language);
    list.reset();
    Category* row = list.next();
    QVERIFY(row);
    Category stored;
    QVERIFY(stored.loadById(row->id));
    stored.name = QStringLiteral("VESTIDOS");
    QVERIFY(stored.update());
    QVERIFY(category.loadById(row->id));
    QCOMPARE(category.name, QStringLiteral("VESTIDOS"));
    QVERIFY(category.remove());
    QVERIFY(!category.loadById(row->id));
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
