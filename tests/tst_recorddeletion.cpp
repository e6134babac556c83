#include "category.h"
#include "config.h"
#include "contentlists.h"
#include "letter.h"
#include "testhome.h"
#include "word.h"

#include <QSqlQuery>
#include <QTest>

namespace {
int count(const QString& sql)
{
    QSqlQuery query(sql);
    return query.next() ? query.value(0).toInt() : -1;
}

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
    QVERIFY(TestHome::exec(QStringLiteral("CREATE TRIGGER keep_%1 BEFORE DELETE ON %1 "
                                          "BEGIN SELECT RAISE(ABORT, 'kept'); END")
                               .arg(table)));
}
} // namespace

class TestRecordDeletion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldDeleteWithCascadeOrLeaveEverything_data();
    void shouldDeleteWithCascadeOrLeaveEverything();
    void shouldNeverReuseIdsNorLetStaleFiltersEmptyTheActivities();
    void shouldTellTakenDescriptionWithinLetterOnly();
    void shouldTellTakenCategoryNameInAnyCaseWithinLanguage();
};

void TestRecordDeletion::shouldDeleteWithCascadeOrLeaveEverything_data()
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

void TestRecordDeletion::shouldDeleteWithCascadeOrLeaveEverything()
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

void TestRecordDeletion::shouldNeverReuseIdsNorLetStaleFiltersEmptyTheActivities()
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

void TestRecordDeletion::shouldTellTakenDescriptionWithinLetterOnly()
{
    TestHome home;
    Content content;
    Letter a;
    QVERIFY(a.loadById(content.a));
    Letter b;
    QVERIFY(b.loadById(content.b));

    Word fresh;
    fresh.setLetter(&a);
    fresh.fullName = QStringLiteral("ajo");
    QVERIFY(fresh.isFullNameTaken());
    fresh.fullName = QStringLiteral("Ajo"); // folders are case-sensitive here
    QVERIFY(!fresh.isFullNameTaken());
    fresh.setLetter(&b);
    fresh.fullName = QStringLiteral("ajo");
    QVERIFY(!fresh.isFullNameTaken());

    Word existing;
    QVERIFY(existing.loadById(content.ajo));
    QVERIFY(!existing.isFullNameTaken()); // its own description
    existing.fullName = QStringLiteral("árbol");
    QVERIFY(existing.isFullNameTaken());
}

void TestRecordDeletion::shouldTellTakenCategoryNameInAnyCaseWithinLanguage()
{
    TestHome home;
    Content content;
    const int other = TestHome::addLanguage(QStringLiteral("Català"));
    Language spanish;
    QVERIFY(spanish.loadById(content.lang));
    Language catalan;
    QVERIFY(catalan.loadById(other));

    Category fresh;
    fresh.setLanguage(&spanish);
    fresh.name = QStringLiteral("COMIDA"); // stored as "comida"
    QVERIFY(fresh.isNameTaken());
    fresh.name = QStringLiteral("animales");
    QVERIFY(fresh.isNameTaken());
    fresh.name = QStringLiteral("COLORES");
    QVERIFY(!fresh.isNameTaken());
    fresh.setLanguage(&catalan);
    fresh.name = QStringLiteral("ANIMALES");
    QVERIFY(!fresh.isNameTaken());

    Category existing;
    QVERIFY(existing.loadById(content.animals));
    QVERIFY(!existing.isNameTaken()); // renaming to its own name
    existing.name = QStringLiteral("COMIDA");
    QVERIFY(existing.isNameTaken());
}

QTEST_GUILESS_MAIN(TestRecordDeletion)
#include "tst_recorddeletion.moc"
