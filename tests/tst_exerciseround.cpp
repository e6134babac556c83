// The rules of an exercise round, without a window: judging keys, the
// cursor through a word, and a new question.
#include "exerciseround.h"

#include <QTest>

class TestExerciseRound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldJudgeKeys_data();
    void shouldJudgeKeys();
    void shouldWalkThroughWord_data();
    void shouldWalkThroughWord();
    void shouldStartQuestionClean();
};

void TestExerciseRound::shouldJudgeKeys_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("digraphs");
    QTest::addColumn<QList<int>>("verdicts");
    const int W = ExerciseRound::Wait, R = ExerciseRound::Right, X = ExerciseRound::Wrong;
    QTest::newRow("plain letter") << "B" << QStringList{"b"} << true << QList<int>{R};
    QTest::newRow("accent does not count") << "Á" << QStringList{"a"} << true << QList<int>{R};
    QTest::newRow("accented key") << "A" << QStringList{"á"} << true << QList<int>{R};
    QTest::newRow("wrong letter") << "B" << QStringList{"v"} << true << QList<int>{X};
    QTest::newRow("CH by the comma key") << "CH" << QStringList{"ch"} << true << QList<int>{R};
    QTest::newRow("CH by C then H") << "CH" << QStringList{"c", "h"} << true << QList<int>{W, R};
    QTest::newRow("LL by L then L") << "LL" << QStringList{"l", "l"} << true << QList<int>{W, R};
    QTest::newRow("C then another key") << "CH" << QStringList{"c", "a"} << true << QList<int>{W, X};
    QTest::newRow("a new pair after a wrong one") << "CH" << QStringList{"c", "x", "c", "h"} << true
                                                  << QList<int>{W, X, W, R};
    QTest::newRow("C for C never waits") << "C" << QStringList{"c"} << true << QList<int>{R};
    // With CH switched off a word of CH begins with C.
    QTest::newRow("without double letters C answers CH") << "CH" << QStringList{"c"} << false
                                                         << QList<int>{R};
}

void TestExerciseRound::shouldJudgeKeys()
{
    QFETCH(QString, expected);
    QFETCH(QStringList, keys);
    QFETCH(bool, digraphs);
    QFETCH(QList<int>, verdicts);
    LetterRules rules;
    rules.useCh = rules.useLl = digraphs;
    QString pending;
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(int(ExerciseRound::judgeKey(expected, keys.at(i), pending, rules)), verdicts.at(i));
    QVERIFY(pending.isEmpty() || verdicts.last() == ExerciseRound::Wait);
}

void TestExerciseRound::shouldWalkThroughWord_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("letters");
    QTest::newRow("coche") << "coche" << QStringList{"C", "O", "CH", "E"};
    QTest::newRow("la llama") << "la llama" << QStringList{"L", "A", "LL", "A", "M", "A"};
    QTest::newRow("árbol") << "árbol" << QStringList{"A", "R", "B", "O", "L"};
    QTest::newRow("ending in blanks") << "sol  " << QStringList{"S", "O", "L"};
}

void TestExerciseRound::shouldWalkThroughWord()
{
    QFETCH(QString, word);
    QFETCH(QStringList, letters);
    LetterRules rules;
    rules.useCh = rules.useLl = true;
    int cursor = 0;
    QStringList seen;
    while (!ExerciseRound::isComplete(word, cursor)) {
        seen << ExerciseRound::letterAt(word, cursor, nullptr, rules);
        cursor = ExerciseRound::advance(word, cursor, rules);
    }
    QCOMPARE(seen, letters);
    QVERIFY(ExerciseRound::letterAt(word, cursor, nullptr, rules).isEmpty());
}

void TestExerciseRound::shouldStartQuestionClean()
{
    ExerciseRound round;
    round.typed = QStringLiteral("o");
    round.cursor = 1;
    round.errors = 2;
    round.pending = QStringLiteral("c");
    round.lastKey = QStringLiteral("o");
    round.accepting = false;
    round.startQuestion();
    QVERIFY(round.typed.isEmpty() && round.pending.isEmpty() && round.lastKey.isEmpty());
    QCOMPARE(round.cursor, 0);
    QCOMPARE(round.errors, 0);
    QVERIFY(round.accepting);
    QVERIFY(!ExerciseRound::isAnswerKey(QStringLiteral("1"), true, true));
    QVERIFY(ExerciseRound::isAnswerKey(QStringLiteral("ç"), false, false));
    QVERIFY(ExerciseRound::isAnswerKey(QStringLiteral(","), true, false));
}

QTEST_APPLESS_MAIN(TestExerciseRound)
#include "tst_exerciseround.moc"
