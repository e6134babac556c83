#include "keyboardmanager.h"
#include "randomint.h"

#include <QSet>
#include <QTest>

class TestKeyboardManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldRelateExpectedToTypedLetter_data();
    void shouldRelateExpectedToTypedLetter();
    void shouldRecogniseLetterTexts_data();
    void shouldRecogniseLetterTexts();
    void shouldKeepRandomIntWithinBounds();
};

void TestKeyboardManager::shouldRelateExpectedToTypedLetter_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("relation");
    QTest::newRow("P expected, Q typed: move right") << "P" << "Q" << 3;
    QTest::newRow("Q expected, P typed: move left") << "Q" << "P" << 2;
    QTest::newRow("A expected, Z typed: move up") << "A" << "Z" << 4;
    QTest::newRow("Z expected, A typed: move down") << "Z" << "A" << 5;
    QTest::newRow("B expected, V typed") << "B" << "V" << 3;
    QTest::newRow("same key") << "M" << "M" << 1;
    QTest::newRow("CH is the comma key") << "CH" << "M" << 3;
    QTest::newRow("LL is the period key") << "LL" << "CH" << 3;
    QTest::newRow("Ç expected, A typed: move right") << "Ç" << "A" << 3;
    QTest::newRow("L expected, Ç typed: move left") << "L" << "Ç" << 2;
    QTest::newRow("Ç expected, P typed: move down") << "Ç" << "P" << 5;
    QTest::newRow("expected letter without place") << "Ü" << "A" << 0;
    QTest::newRow("typed key without place") << "A" << "?" << 0;
}

void TestKeyboardManager::shouldRelateExpectedToTypedLetter()
{
    QFETCH(QString, expected);
    QFETCH(QString, typed);
    QFETCH(int, relation);
    KeyboardManager keyboard;
    QCOMPARE(keyboard.letterRelation(expected, typed), relation);
}

void TestKeyboardManager::shouldRecogniseLetterTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("useCh");
    QTest::addColumn<bool>("useLl");
    QTest::addColumn<bool>("letter");
    QTest::newRow("a") << "a" << false << false << true;
    QTest::newRow("z") << "z" << false << false << true;
    QTest::newRow("ñ") << "ñ" << false << false << true;
    QTest::newRow("ç") << "ç" << false << false << true;
    QTest::newRow("capital A is not a typed letter") << "A" << false << false << false;
    QTest::newRow("á") << "á" << false << false << false;
    QTest::newRow("digit") << "1" << true << true << false;
    QTest::newRow("empty (Shift)") << "" << true << true << false;
    QTest::newRow("comma without use-ch") << "," << false << true << false;
    QTest::newRow("comma with use-ch") << "," << true << false << true;
    QTest::newRow("period with use-ll") << "." << false << true << true;
    QTest::newRow("two characters") << "ab" << true << true << false;
}

void TestKeyboardManager::shouldRecogniseLetterTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, useCh);
    QFETCH(bool, useLl);
    QFETCH(bool, letter);
    QCOMPARE(KeyboardManager::isLetterKey(text, useCh, useLl), letter);
}

void TestKeyboardManager::shouldKeepRandomIntWithinBounds()
{
    QCOMPARE(randomIntFromDraw(0, 1, 3), 1);
    QCOMPARE(randomIntFromDraw(32767, 1, 3), 3);
    QCOMPARE(randomIntFromDraw(32767, 0, 9), 9);
    QCOMPARE(randomIntFromDraw(16384, 0, 1), 1);
    RandomSeeder seeder(42);
    QSet<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int value = randomInt(1, 3);
        QVERIFY(value >= 1 && value <= 3);
        seen.insert(value);
    }
    QCOMPARE(seen.size(), 3);
}

QTEST_GUILESS_MAIN(TestKeyboardManager)
#include "tst_keyboardmanager.moc"
