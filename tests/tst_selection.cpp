#include "config.h"
#include "contentlists.h"
#include "selection.h"
#include "testhome.h"

#include <QRandomGenerator>
#include <QSet>
#include <QSqlQuery>
#include <QTest>
#include <QVariant>

// Fixture: letters A (words in ANIMALES), B (word in COMIDA), C (a word with
// no category) and D (no word); category VACIA has no word.
struct Fixture
{
    int lang, a, b, c, d, animales, comida, vacia;
    Language language;

    Fixture()
    {
        lang = TestHome::addLanguage(QStringLiteral("L"));
        a = TestHome::addLetter(QStringLiteral("A"), lang);
        b = TestHome::addLetter(QStringLiteral("B"), lang);
        c = TestHome::addLetter(QStringLiteral("C"), lang);
        d = TestHome::addLetter(QStringLiteral("D"), lang);
        animales = TestHome::addCategory(QStringLiteral("ANIMALES"), lang);
        comida = TestHome::addCategory(QStringLiteral("COMIDA"), lang);
        vacia = TestHome::addCategory(QStringLiteral("VACIA"), lang);
        TestHome::link(TestHome::addWord(QStringLiteral("abeja"), a), animales);
        TestHome::link(TestHome::addWord(QStringLiteral("ardilla"), a), animales);
        TestHome::link(TestHome::addWord(QStringLiteral("banana"), b), comida);
        TestHome::addWord(QStringLiteral("casa"), c);
        // A letter of another language never comes out.
        TestHome::addLetter(QStringLiteral("Z"), TestHome::addLanguage(QStringLiteral("M")));
        language.loadById(lang);
    }

    static QString ids(std::initializer_list<int> list)
    {
        QStringList parts;
        for (int id : list)
            parts << QString::number(id);
        return parts.join(QLatin1Char(','));
    }
};

class TestSelection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every case runs on the embedded database and on a PostgreSQL server.
    void initTestCase_data() { TestHome::addEngineRows(); }
    void init() { TestHome::useEngineOfRow(); }
    void shouldAgreeWithReferenceStatements();
    void shouldDrawOnlyAllowedLetters_data();
    void shouldDrawOnlyAllowedLetters();
    void shouldDrawOnlyAllowedWords_data();
    void shouldDrawOnlyAllowedWords();
    void shouldApplyStrictFilterWholePieces_data();
    void shouldApplyStrictFilterWholePieces();
    void shouldDrawNothingFromMalformedFilter();
};

namespace {
// The draws as first written, kept as the reference the faster statements
// must agree with (their candidate rows, without the random pick).
QString referenceLetterCandidates(const QString& c, const QString& l)
{
    QStringList conditions;
    QString letterColumn = QStringLiteral("id");
    if (!c.isEmpty()) {
        conditions << QStringLiteral("wc.id_category IN (") + c + QLatin1Char(')');
        letterColumn = QStringLiteral("w.id_letter");
    }
    if (!l.isEmpty())
        conditions << letterColumn + QStringLiteral(" IN (") + l + QLatin1Char(')');
    const QString j = conditions.join(QStringLiteral(" AND "));
    if (conditions.isEmpty())
        return QStringLiteral("SELECT id, name FROM letter WHERE id_language = :id_language");
    if (c.isEmpty())
        return QStringLiteral("SELECT id, name FROM letter WHERE id_language = :id_language AND ") + j;
    return QStringLiteral("SELECT DISTINCT l.id, l.name FROM letter l WHERE l.id_language = "
                          ":id_language AND l.id IN (SELECT DISTINCT w.id_letter FROM word w JOIN "
                          "word_x_category wc ON wc.id_word = w.id WHERE ")
        + j + QLatin1Char(')');
}

QString referenceWordCandidates(const QString& c)
{
    if (c.isEmpty())
        return QStringLiteral("SELECT id FROM word WHERE id_letter = :id_letter");
    return QStringLiteral("SELECT DISTINCT w.id FROM word w JOIN word_x_category wc ON wc.id_word "
                          "= w.id WHERE w.id_letter = :id_letter AND wc.id_category IN (")
        + c + QLatin1Char(')');
}

QSet<int> ids(const QString& statement, const QString& parameter, int value)
{
    QSqlQuery query;
    query.prepare(statement);
    query.bindValue(parameter, value);
    QSet<int> result;
    if (query.exec())
        while (query.next())
            result.insert(query.value(0).toInt());
    return result;
}

QString randomIdList(QRandomGenerator& random, int count, int maxId)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QString::number(int(random.bounded(maxId)) + 1);
    return list.join(QLatin1Char(','));
}
} // namespace

void TestSelection::shouldAgreeWithReferenceStatements()
{
    TestHome home;
    QRandomGenerator random(2024);
    const int lang = TestHome::addLanguage(QStringLiteral("L"));
    const int letters = 8, categories = 60;
    for (int i = 1; i <= letters; ++i)
        TestHome::addLetter(QStringLiteral("L%1").arg(i), lang);
    for (int i = 1; i <= categories; ++i)
        TestHome::addCategory(QStringLiteral("C%1").arg(i), lang);
    // Letters 7 and 8 keep no word; some words have no category.
    for (int w = 1; w <= 120; ++w) {
        const int word = TestHome::addWord(QStringLiteral("w%1").arg(w), int(random.bounded(6)) + 1);
        for (quint32 k = random.bounded(3); k > 0; --k)
            TestHome::link(word, int(random.bounded(categories)) + 1);
    }

    for (int round = 0; round < 200; ++round) {
        // Small and large category lists take different statements.
        const int categoryCount = int(random.bounded(4)) == 0 ? 0 : int(random.bounded(50)) + 1;
        const QString c = categoryCount ? randomIdList(random, categoryCount, categories + 5) : QString();
        const QString l = random.bounded(2) ? randomIdList(random, int(random.bounded(5)) + 1, letters) : QString();
        QCOMPARE(ids(Selection::letterCandidates(c, l), QStringLiteral(":id_language"), lang),
                 ids(referenceLetterCandidates(c, l), QStringLiteral(":id_language"), lang));
        const int letter = int(random.bounded(letters)) + 1;
        QCOMPARE(ids(Selection::wordCandidateIds(c), QStringLiteral(":id_letter"), letter),
                 ids(referenceWordCandidates(c), QStringLiteral(":id_letter"), letter));
    }
}

enum FilterCase { NoFilter, LettersOnly, CategoriesOnly, Both, EmptyCategory, LettersWithoutWords };

void TestSelection::shouldDrawOnlyAllowedLetters_data()
{
    QTest::addColumn<int>("filterCase");
    QTest::newRow("no filter: every letter, even without words") << int(NoFilter);
    QTest::newRow("letter filter alone: allowed letters, words or not") << int(LettersOnly);
    QTest::newRow("category filter alone: letters with a word in it") << int(CategoriesOnly);
    QTest::newRow("both filters") << int(Both);
    QTest::newRow("category without words: nothing") << int(EmptyCategory);
    QTest::newRow("letter filter of letters without words") << int(LettersWithoutWords);
}

void TestSelection::shouldDrawOnlyAllowedLetters()
{
    QFETCH(int, filterCase);
    TestHome home;
    Fixture f;
    Config settings;
    settings.language = &f.language;
    QSet<int> expected;
    switch (FilterCase(filterCase)) {
    case NoFilter:
        expected = {f.a, f.b, f.c, f.d};
        break;
    case LettersOnly:
        settings.letterFilter = Fixture::ids({f.a, f.d});
        expected = {f.a, f.d};
        break;
    case CategoriesOnly:
        settings.categoryFilter = Fixture::ids({f.animales, f.comida});
        expected = {f.a, f.b};
        break;
    case Both:
        settings.categoryFilter = Fixture::ids({f.animales, f.comida});
        settings.letterFilter = Fixture::ids({f.b, f.c, f.d});
        expected = {f.b};
        break;
    case EmptyCategory:
        settings.categoryFilter = Fixture::ids({f.vacia});
        break;
    case LettersWithoutWords:
        settings.letterFilter = Fixture::ids({f.c, f.d});
        expected = {f.c, f.d};
        break;
    }

    LetterList letters;
    QCOMPARE(letters.hasAvailable(settings, &f.language), !expected.isEmpty());
    QSet<int> seen;
    for (int i = 0; i < 200; ++i) {
        letters.selectRandom(settings, &f.language);
        letters.reset();
        Letter* letter = letters.next();
        if (expected.isEmpty()) {
            QCOMPARE(letter, nullptr);
            break;
        }
        QVERIFY(letter);
        QVERIFY2(expected.contains(letter->id), qPrintable(letter->name));
        QCOMPARE(letter->language, &f.language);
        QCOMPARE(letters.next(), nullptr);
        seen.insert(letter->id);
    }
    // 200 draws over at most four letters reach every one of them.
    QCOMPARE(seen, expected);
}

void TestSelection::shouldDrawOnlyAllowedWords_data()
{
    QTest::addColumn<bool>("categoryFiltered");
    QTest::addColumn<QString>("letterName");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("any word of A") << false << "A" << QStringList{"abeja", "ardilla"};
    QTest::newRow("uncategorised word of C") << false << "C" << QStringList{"casa"};
    QTest::newRow("letter without words") << false << "D" << QStringList{};
    QTest::newRow("A within ANIMALES") << true << "A" << QStringList{"abeja", "ardilla"};
    QTest::newRow("C has no word in ANIMALES") << true << "C" << QStringList{};
}

void TestSelection::shouldDrawOnlyAllowedWords()
{
    QFETCH(bool, categoryFiltered);
    QFETCH(QString, letterName);
    QFETCH(QStringList, expected);
    TestHome home;
    Fixture f;
    Config settings;
    settings.language = &f.language;
    if (categoryFiltered)
        settings.categoryFilter = QString::number(f.animales);
    // The letter filter plays no part in the word draw.
    settings.letterFilter = QString::number(f.b);
    Letter letter;
    QVERIFY(letter.loadByName(letterName, &f.language));

    WordList words;
    QSet<QString> seen;
    for (int i = 0; i < 100; ++i) {
        words.selectRandom(settings, &letter);
        words.reset();
        Word* word = words.next();
        if (expected.isEmpty()) {
            QCOMPARE(word, nullptr);
            return;
        }
        QVERIFY(word);
        QCOMPARE(word->letter, &letter);
        seen.insert(word->name);
    }
    QCOMPARE(seen, QSet<QString>(expected.begin(), expected.end()));
}

void TestSelection::shouldApplyStrictFilterWholePieces_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("strict");
    QTest::addColumn<int>("letterId");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("1 is not 12 or 21") << "12,21" << true << 1 << false;
    QTest::newRow("whole piece matches") << "12,21" << true << 21 << true;
    QTest::newRow("not strict: everything allowed") << "12,21" << false << 1 << true;
    QTest::newRow("empty filter: everything allowed") << "" << true << 1 << true;
}

void TestSelection::shouldApplyStrictFilterWholePieces()
{
    QFETCH(QString, filter);
    QFETCH(bool, strict);
    QFETCH(int, letterId);
    QFETCH(bool, allowed);
    TestHome home;
    Fixture f;
    if (strict)
        TestHome::addSetting(QStringLiteral("strict-filter-show"), 1, 0, f.lang);
    // The switch belongs to user 0: a row under a real user changes nothing.
    TestHome::addSetting(QStringLiteral("strict-filter-show"), 1, 7, f.lang);
    Config settings;
    settings.language = &f.language;
    settings.letterFilter = filter;
    QCOMPARE(settings.isLetterAllowed(letterId), allowed);
}

void TestSelection::shouldDrawNothingFromMalformedFilter()
{
    TestHome home;
    Fixture f;
    Config settings;
    settings.language = &f.language;
    settings.letterFilter = QStringLiteral("1) OR 1=1 --");
    // A draw replaces whatever the list held before.
    LetterList letters;
    letters.loadOfLanguage(&f.language);
    QVERIFY(!letters.hasAvailable(settings, &f.language));
    letters.selectRandom(settings, &f.language);
    letters.reset();
    QCOMPARE(letters.next(), nullptr);
    QVERIFY(Selection::isIdList(QStringLiteral("3,7,12")));
    QVERIFY(Selection::isIdList(QString()));
    QVERIFY(!Selection::isIdList(QStringLiteral("3,,7")));
}

QTEST_GUILESS_MAIN(TestSelection)
#include "tst_selection.moc"
