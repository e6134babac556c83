#include "category.h"
#include "config.h"
#include "contentlists.h"
#include "letter.h"
#include "testhome.h"
#include "word.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {
int links()
{
    return count(QStringLiteral("SELECT COUNT(*) FROM word_x_category"));
}

int words()
{
    return count(QStringLiteral("SELECT COUNT(*) FROM word"));
}

// Two letters with two words each; every word is in both categories.
struct Content
{
    int lang = 0, a = 0, b = 0, animals = 0, food = 0;
    int ajo = 0, arbol = 0, bota = 0, burro = 0;

    Content()
    {
        lang = TestHome::addLanguage(QStringLiteral("Español"));
        a = TestHome::addLetter(QStringLiteral("A"), lang);
        b = TestHome::addLetter(QStringLiteral("B"), lang);
        animals = TestHome::addCategory(QStringLiteral("ANIMALES"), lang);
        food = TestHome::addCategory(QStringLiteral("comida"), lang);
        ajo = TestHome::addWord(QStringLiteral("ajo"), a);
        arbol = TestHome::addWord(QStringLiteral("árbol"), a);
        bota = TestHome::addWord(QStringLiteral("bota"), b);
        burro = TestHome::addWord(QStringLiteral("burro"), b);
        for (int word : {ajo, arbol, bota, burro}) {
            TestHome::link(word, animals);
            TestHome::link(word, food);
        }
        // Two children allowed letter A and both categories.
        for (int user : {1, 2}) {
            TestHome::addSetting(QStringLiteral("letter"), a, user, lang);
            TestHome::addSetting(QStringLiteral("category"), animals, user, lang);
            TestHome::addSetting(QStringLiteral("category"), food, user, lang);
        }
    }
};

void failDeletesOf(const QString& table)
{
    QVERIFY(TestHome::refuse(table, QStringLiteral("DELETE")));
}
} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every case runs on the embedded database and on a PostgreSQL server.
    void initTestCase_data() { TestHome::addEngineRows(); }
    void init() { TestHome::useEngineOfRow(); }
    void shouldFindLetterByNameInAnyCase();
    void shouldUpperCaseListRowsButKeepStoredCaseById();
    void shouldResolveParentsWhenLoadingById();
    void shouldKeepDeletedParentNull();
    void shouldAddCategoryLinkOnce();
    void shouldSaveWordsWithUniqueDescriptionsAndKeepTheirLetter();
    void shouldListWordsOfCategoryInNameOrder();
    void shouldListInSpanishAlphabeticalOrder_data();
    void shouldListInSpanishAlphabeticalOrder();
    void shouldDeleteWithCascadeOrLeaveEverything_data();
    void shouldDeleteWithCascadeOrLeaveEverything();
    void shouldNeverReuseIdsNorLetStaleFiltersEmptyTheActivities();
    void shouldTellTakenDescriptionWithinLetterOnly_data();
    void shouldTellTakenDescriptionWithinLetterOnly();
    void shouldSayAWriteWasRefusedAsReadOnly();
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
    QCOMPARE(links(), 1);
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
    QCOMPARE(words(), 1);

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

void TestRecords::shouldDeleteWithCascadeOrLeaveEverything_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("failingTable"); // its deletes are refused
    QTest::addColumn<QList<int>>("left");      // letters, words, categories, links
    const QList<int> everything{2, 4, 2, 8};
    QTest::newRow("word with its links") << "word" << "" << QList<int>{2, 3, 2, 6};
    QTest::newRow("category with its links") << "category" << "" << QList<int>{2, 4, 1, 4};
    QTest::newRow("letter with its words and links") << "letter" << "" << QList<int>{1, 2, 2, 4};
    QTest::newRow("word, its row refused") << "word" << "word" << everything;
    QTest::newRow("category, its row refused") << "category" << "category" << everything;
    QTest::newRow("letter, its row refused") << "letter" << "letter" << everything;
    QTest::newRow("letter, its words refused") << "letter" << "word" << everything;
}

void TestRecords::shouldDeleteWithCascadeOrLeaveEverything()
{
    QFETCH(QString, record);
    QFETCH(QString, failingTable);
    QFETCH(QList<int>, left);
    TestHome home;
    Content content;
    if (!failingTable.isEmpty())
        failDeletesOf(failingTable);

    bool removed = true;
    if (record == QLatin1String("word")) {
        Word word;
        QVERIFY(word.loadById(content.ajo));
        removed = word.removeWithLinks();
    } else if (record == QLatin1String("category")) {
        Category category;
        QVERIFY(category.loadById(content.food));
        removed = category.removeWithLinks();
    } else {
        Letter letter;
        QVERIFY(letter.loadById(content.a));
        removed = letter.removeWithWords();
    }
    QCOMPARE(removed, failingTable.isEmpty());
    QCOMPARE(QList<int>({count(QStringLiteral("SELECT COUNT(*) FROM letter")), words(),
                         count(QStringLiteral("SELECT COUNT(*) FROM category")), links()}),
             left);
    // Only links of what went are gone.
    if (record == QLatin1String("word"))
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word_x_category WHERE id_word = %1").arg(content.ajo)),
                 failingTable.isEmpty() ? 0 : 2);
    if (record == QLatin1String("letter"))
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word WHERE id_letter = %1").arg(content.a)),
                 failingTable.isEmpty() ? 0 : 2);
    if (record == QLatin1String("category"))
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM word_x_category WHERE id_category = %1")
                           .arg(content.animals)),
                 4);
    // Every user's settings naming what went are gone with it, in the same
    // transaction; the others stay.
    const int named = record == QLatin1String("letter") ? content.a : content.food;
    const QString key = record == QLatin1String("letter") ? "letter" : "category";
    if (record != QLatin1String("word"))
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM config WHERE key = '%1' AND data = %2")
                           .arg(key)
                           .arg(named)),
                 failingTable.isEmpty() ? 0 : 2);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM config WHERE key = 'category' AND data = %1")
                       .arg(content.animals)),
             2);
    // The connection is usable afterwards: no transaction was left open.
    QVERIFY(TestHome::addLetter(QStringLiteral("C"), content.lang) > 0);
}

void TestRecords::shouldNeverReuseIdsNorLetStaleFiltersEmptyTheActivities()
{
    TestHome home;
    Content content;
    Word burro;
    QVERIFY(burro.loadById(content.burro));
    QVERIFY(burro.removeWithLinks());
    Category food;
    QVERIFY(food.loadById(content.food));
    QVERIFY(food.removeWithLinks());
    Letter b;
    QVERIFY(b.loadById(content.b));
    QVERIFY(b.removeWithWords());
    QVERIFY(TestHome::addCategory(QStringLiteral("NUEVA"), content.lang) > content.food);
    const int letter = TestHome::addLetter(QStringLiteral("N"), content.lang);
    QVERIFY(letter > content.b);
    QVERIFY(TestHome::addWord(QStringLiteral("nube"), letter) > content.burro);

    // Settings left by an older version name a category and a letter that
    // are gone: the child's filter reads as no filter, not as nothing.
    Language language;
    QVERIFY(language.loadById(content.lang));
    TestHome::addSetting(QStringLiteral("category"), 999, 3, content.lang);
    TestHome::addSetting(QStringLiteral("letter"), 998, 3, content.lang);
    Config settings;
    settings.language = &language;
    settings.loadFilters(3);
    QVERIFY(settings.categoryFilter.isEmpty());
    QVERIFY(settings.letterFilter.isEmpty());
    LetterList letters;
    QVERIFY(letters.hasAvailable(settings, &language));
    settings.loadFilters(1); // animals, letter A: still a filter
    QCOMPARE(settings.categoryFilter, QString::number(content.animals));
    QCOMPARE(settings.letterFilter, QString::number(content.a));
}

void TestRecords::shouldTellTakenDescriptionWithinLetterOnly_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<QString>("existing"); // empty: free
    QTest::newRow("same text") << "A" << "ajo" << "ajo";
    // A shared folder that ignores case could not hold both folders.
    QTest::newRow("other case") << "A" << "AJO" << "ajo";
    QTest::newRow("without its accent") << "A" << "Arbol" << "árbol";
    QTest::newRow("with an invisible space") << "A" << "a\u200Bjo" << "ajo";
    QTest::newRow("blanks around") << "A" << " ajo " << "ajo";
    QTest::newRow("ñ is its own letter") << "B" << "buño" << "";
    QTest::newRow("another word") << "A" << "ajos" << "";
    QTest::newRow("another letter's word") << "B" << "ajo" << "";
}

void TestRecords::shouldTellTakenDescriptionWithinLetterOnly()
{
    QFETCH(QString, letter);
    QFETCH(QString, fullName);
    QFETCH(QString, existing);
    TestHome home;
    Content content;
    TestHome::addWord(QStringLiteral("buno"), content.b);
    Letter initial;
    QVERIFY(initial.loadById(letter == QLatin1String("A") ? content.a : content.b));

    Word fresh;
    fresh.setLetter(&initial);
    fresh.fullName = fullName;
    QString found;
    QCOMPARE(fresh.isFullNameTaken(&found), !existing.isEmpty());
    QCOMPARE(found, existing);

    // A word's own description is not taken, in any case.
    Word own;
    QVERIFY(own.loadById(content.arbol));
    own.fullName = QStringLiteral("ÁRBOL");
    QVERIFY(!own.isFullNameTaken());
    own.fullName = QStringLiteral("Ajo");
    QVERIFY(own.isFullNameTaken());
}

// An adult reads why a save failed; a database that may only be read says so
// on either engine.
void TestRecords::shouldSayAWriteWasRefusedAsReadOnly()
{
    TestHome home;
    QVERIFY(home.isValid());
    QVERIFY(TestHome::exec(TestHome::engine() == Database::Engine::SQLite
                               ? QStringLiteral("PRAGMA query_only = 1")
                               : QStringLiteral("SET default_transaction_read_only = on")));
    QSqlQuery query;
    QVERIFY(!query.exec(QStringLiteral("INSERT INTO language (name) VALUES ('X')")));
    QCOMPARE(Database::writeProblemOf(query.lastError()), Database::WriteProblem::ReadOnly);
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
