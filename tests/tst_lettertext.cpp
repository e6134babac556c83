#include "lettertext.h"

#include <QStringList>
#include <QTest>

Q_DECLARE_METATYPE(LetterRules)

namespace {
LetterRules rules(bool ch, bool ll, bool minus = false, bool first = false)
{
    LetterRules r;
    r.useCh = ch;
    r.useLl = ll;
    r.minusCaps = minus;
    r.firstCaps = first;
    return r;
}

// Walks a word the way the letter row does and returns every picture name.
QStringList rowNames(const QString& word, const LetterRules& r)
{
    QStringList names;
    for (int p = 0; p < word.size(); ++p)
        names << LetterText::letterImageName(word, p, true, r);
    return names;
}

// A random source that replays a script, then repeats its last value.
std::function<int(int, int)> scripted(QList<int> values)
{
    auto index = std::make_shared<int>(0);
    return [values, index](int, int) {
        const int value = values.at(qMin(*index, int(values.size()) - 1));
        ++*index;
        return value;
    };
}
} // namespace

class TestLetterText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldCountDigraphsBeforePosition_data();
    void shouldCountDigraphsBeforePosition();
    void shouldNameLetterPictures_data();
    void shouldNameLetterPictures();
    void shouldWalkWordsIntoLetters_data();
    void shouldWalkWordsIntoLetters();
    void shouldPickOnlyLettersOfWord_data();
    void shouldPickOnlyLettersOfWord();
    void shouldSplitFirstLetter_data();
    void shouldSplitFirstLetter();
    void shouldBuildFrameNames_data();
    void shouldBuildFrameNames();
    void shouldFindLetterStart_data();
    void shouldFindLetterStart();
};

void TestLetterText::shouldCountDigraphsBeforePosition_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("pos");
    QTest::addColumn<LetterRules>("rules");
    QTest::addColumn<int>("count");
    QTest::newRow("noche at 4 with ch") << "noche" << 4 << rules(true, false) << 1;
    QTest::newRow("noche at 4 without ch") << "noche" << 4 << rules(false, true) << 0;
    QTest::newRow("pair starting at pos is not counted") << "noche" << 2 << rules(true, false) << 0;
    QTest::newRow("second character of a pair") << "noche" << 3 << rules(true, false) << 1;
    QTest::newRow("upper case pair") << "NOCHE" << 4 << rules(true, false) << 1;
    QTest::newRow("llama at 2") << "llama" << 2 << rules(false, true) << 1;
    QTest::newRow("both rules off") << "chillo" << 5 << rules(false, false) << 0;
    QTest::newRow("two pairs, end of word") << "chillo" << 5 << rules(true, true) << 2;
    QTest::newRow("pos past the end counts all") << "chch" << 40 << rules(true, false) << 2;
    QTest::newRow("negative pos") << "chch" << -3 << rules(true, false) << 0;
    QTest::newRow("empty word") << "" << 0 << rules(true, true) << 0;
    QTest::newRow("ccc is no pair") << "ccch" << 3 << rules(true, false) << 1;
    QTest::newRow("lll: one pair, then a single l") << "lll" << 2 << rules(false, true) << 1;
    QTest::newRow("pair's second char starts nothing") << "chh" << 2 << rules(true, false) << 1;
}

void TestLetterText::shouldCountDigraphsBeforePosition()
{
    QFETCH(QString, word);
    QFETCH(int, pos);
    QFETCH(LetterRules, rules);
    QFETCH(int, count);
    QCOMPARE(LetterText::digraphsBefore(word, pos, rules), count);
}

void TestLetterText::shouldNameLetterPictures_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("pos");
    QTest::addColumn<bool>("withCase");
    QTest::addColumn<LetterRules>("rules");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("posAfter");
    QTest::newRow("llama first caps") << "llama" << 0 << true << rules(false, true, true, true)
                                      << "tit/ll" << 1;
    QTest::newRow("llama all capitals") << "llama" << 0 << true << rules(false, true, false, false)
                                        << "may/LL" << 1;
    QTest::newRow("llama small") << "llama" << 0 << true << rules(false, true, true, false)
                                 << "min/ll" << 1;
    QTest::newRow("llama without ll") << "llama" << 0 << true << rules(false, false, true, false)
                                      << "min/l" << 0;
    QTest::newRow("capitals only") << "año" << 1 << true << rules(true, true) << "may/NT" << 1;
    QTest::newRow("first caps only at 0") << "año" << 2 << true << rules(true, true, true, true)
                                          << "min/o" << 2;
    QTest::newRow("bare name without case") << "casa" << 1 << false << rules(true, true, true)
                                            << "a" << 1;
    QTest::newRow("capital without case") << "casa" << 1 << false << rules(true, true) << "may/A"
                                          << 1;
    QTest::newRow("negative pos reads the first") << "Chile" << -1 << false
                                                  << rules(true, true, true) << "ch" << 0;
    QTest::newRow("space has no case folder") << "la casa" << 2 << true << rules(true, true)
                                              << " " << 2;
    QTest::newRow("last character is never a pair") << "loc" << 2 << true
                                                    << rules(true, true, true) << "min/c" << 2;
    QTest::newRow("accented capital") << "Árbol" << 0 << true << rules(true, true) << "may/AT" << 0;
    QTest::newRow("past the end is nothing") << "sol" << 3 << true << rules(true, true) << ""
                                             << 3;
}

void TestLetterText::shouldNameLetterPictures()
{
    QFETCH(QString, word);
    QFETCH(int, pos);
    QFETCH(bool, withCase);
    QFETCH(LetterRules, rules);
    QFETCH(QString, name);
    QFETCH(int, posAfter);
    QCOMPARE(LetterText::letterImageName(word, pos, withCase, rules), name);
    QCOMPARE(pos, posAfter);
}

void TestLetterText::shouldWalkWordsIntoLetters_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<LetterRules>("rules");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("Chile") << "Chile" << rules(true, true, true, true)
                           << QStringList{"tit/ch", "min/i", "min/l", "min/e"};
    QTest::newRow("año") << "año" << rules(true, true, true, true)
                         << QStringList{"may/A", "min/nt", "min/o"};
    QTest::newRow("noche with ch") << "noche" << rules(true, false)
                                   << QStringList{"may/N", "may/O", "may/CH", "may/E"};
    QTest::newRow("noche without ch") << "noche" << rules(false, false)
                                      << QStringList{"may/N", "may/O", "may/C", "may/H", "may/E"};
    QTest::newRow("la casa") << "la casa" << rules(true, true, true)
                             << QStringList{"min/l", "min/a", " ", "min/c", "min/a", "min/s",
                                            "min/a"};
}

void TestLetterText::shouldWalkWordsIntoLetters()
{
    QFETCH(QString, word);
    QFETCH(LetterRules, rules);
    QFETCH(QStringList, names);
    QCOMPARE(rowNames(word, rules), names);
    QCOMPARE(LetterText::letterCount(word, rules), names.size());
}

void TestLetterText::shouldPickOnlyLettersOfWord_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<LetterRules>("rules");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain letter") << "barco" << rules(true, true) << QList<int>{1} << 1 << "A";
    QTest::newRow("c of ch") << "coche" << rules(true, true) << QList<int>{2} << 2 << "CH";
    QTest::newRow("h of ch keeps its position") << "coche" << rules(true, true) << QList<int>{3}
                                                << 3 << "CH";
    QTest::newRow("ch without the rule") << "coche" << rules(false, true) << QList<int>{3} << 3
                                         << "H";
    QTest::newRow("first l of ll") << "calle" << rules(true, true) << QList<int>{2} << 2 << "LL";
    QTest::newRow("second l of ll") << "calle" << rules(true, true) << QList<int>{3} << 3 << "LL";
    QTest::newRow("last character") << "sol" << rules(true, true) << QList<int>{2} << 2 << "L";
    QTest::newRow("spaces are drawn again") << "la casa" << rules(true, true)
                                            << QList<int>{2, 2, 3} << 3 << "C";
    QTest::newRow("accented letter") << "árbol" << rules(true, true) << QList<int>{0} << 0 << "Á";
    QTest::newRow("draw out of range is clamped") << "sol" << rules(true, true) << QList<int>{9}
                                                  << 2 << "L";
    // A source that only ever names a blank must still end on the letter.
    QTest::newRow("only one letter among blanks") << "      x      " << rules(true, true)
                                                  << QList<int>{0} << 6 << "X";
    QTest::newRow("empty word: nothing") << "" << rules(true, true) << QList<int>{0} << -1 << "";
    QTest::newRow("spaces: nothing") << "   " << rules(true, true) << QList<int>{0} << -1 << "";
    QTest::newRow("tab and no-break space: nothing") << "\t\u00a0" << rules(true, true) << QList<int>{0}
                                                     << -1 << "";
}

void TestLetterText::shouldPickOnlyLettersOfWord()
{
    QFETCH(QString, word);
    QFETCH(LetterRules, rules);
    QFETCH(QList<int>, draws);
    QFETCH(int, pos);
    QFETCH(QString, text);
    QString picked = QStringLiteral("stale");
    QCOMPARE(LetterText::pickLetterOfWord(word, picked, rules, scripted(draws)), pos);
    QCOMPARE(picked, text);
    QCOMPARE(LetterText::hasLetters(word), pos >= 0);
}

void TestLetterText::shouldSplitFirstLetter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<LetterRules>("rules");
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("counted");
    QTest::newRow("Á folds to a") << "Á" << rules(true, true) << "a" << "á" << 0;
    QTest::newRow("ár folds to a") << "ár" << rules(true, true) << "a" << "á" << 0;
    QTest::newRow("CH with ch") << "CH" << rules(true, false) << "CH" << "ch" << 1;
    QTest::newRow("CH without ch") << "CH" << rules(false, true) << "c" << "c" << 0;
    QTest::newRow("ll pair") << "ll" << rules(false, true) << "ll" << "ll" << 1;
    QTest::newRow("two letters cut to one") << "ca" << rules(true, true) << "c" << "c" << 0;
    QTest::newRow("single letter") << "B" << rules(true, true) << "b" << "b" << 0;
    QTest::newRow("ñ") << "ño" << rules(true, true) << "ñ" << "ñ" << 0;
    QTest::newRow("ü is not folded") << "ü" << rules(true, true) << "ü" << "ü" << 0;
    QTest::newRow("empty") << "" << rules(true, true) << "" << "" << 0;
}

void TestLetterText::shouldSplitFirstLetter()
{
    QFETCH(QString, text);
    QFETCH(LetterRules, rules);
    QFETCH(QString, textAfter);
    QFETCH(QString, first);
    QFETCH(int, counted);
    QString firstOut = QStringLiteral("stale");
    int counter = 0;
    QString copy = text;
    LetterText::splitFirstLetter(copy, firstOut, &counter, rules);
    QCOMPARE(copy, textAfter);
    QCOMPARE(firstOut, first);
    QCOMPARE(counter, counted);
    copy = text;
    LetterText::splitFirstLetter(copy, firstOut, nullptr, rules);
    QCOMPARE(copy, textAfter);
}

void TestLetterText::shouldBuildFrameNames_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("useCh");
    QTest::addColumn<bool>("useLl");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("skipped");
    QTest::newRow("coche") << "coche" << true << true << QStringList{"c", "o", "ch", "e"} << 1;
    QTest::newRow("coche without ch") << "coche" << false << true
                                      << QStringList{"c", "o", "c", "h", "e"} << 0;
    QTest::newRow("año") << "año" << true << true << QStringList{"a", "nt", "o"} << 0;
    QTest::newRow("árbol") << "árbol" << true << true << QStringList{"a", "r", "b", "o", "l"} << 0;
    QTest::newRow("capitals fold") << "CALLE" << true << true << QStringList{"c", "a", "ll", "e"}
                                   << 1;
    QTest::newRow("ç") << "Ç" << true << true << QStringList{"ct"} << 0;
    QTest::newRow("space is a frame") << "la o" << true << true << QStringList{"l", "a", " ", "o"}
                                      << 0;
    QTest::newRow("empty") << "" << true << true << QStringList{} << 0;
}

void TestLetterText::shouldBuildFrameNames()
{
    QFETCH(QString, word);
    QFETCH(bool, useCh);
    QFETCH(bool, useLl);
    QFETCH(QStringList, names);
    QFETCH(int, skipped);
    int skippedOut = -1;
    QCOMPARE(LetterText::frameNames(word, useCh, useLl, &skippedOut), names);
    QCOMPARE(skippedOut, skipped);
    QCOMPARE(names.size() + skipped, word.size());
}

void TestLetterText::shouldFindLetterStart_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("start");
    QTest::newRow("h of ch") << "noche" << 3 << 2;
    QTest::newRow("c of ch") << "noche" << 2 << 2;
    QTest::newRow("plain letter") << "noche" << 4 << 4;
    QTest::newRow("second l of ll") << "calle" << 3 << 2;
    QTest::newRow("l after a pair") << "lll" << 2 << 2;
    QTest::newRow("beyond the word") << "sol" << 7 << 7;
}

void TestLetterText::shouldFindLetterStart()
{
    QFETCH(QString, word);
    QFETCH(int, pos);
    QFETCH(int, start);
    QCOMPARE(LetterText::letterStart(word, pos, rules(true, true)), start);
}

QTEST_APPLESS_MAIN(TestLetterText)
#include "tst_lettertext.moc"
