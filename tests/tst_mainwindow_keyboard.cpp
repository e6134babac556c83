// Whole exercise rounds driven from the keyboard, the letter keys of the
// presentations, and the keys that must do nothing.
#include "config.h"
#include "imagewidget.h"
#include "mainwindow.h"
#include "menuwidget.h"
#include "sequencewidget.h"
#include "videoplayer.h"
#include "windowfixture.h"

#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {
const QStringList kAlphabet = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                               "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};

// Every plain letter exists, so any letter key is a letter of the language.
void addAlphabet(WindowFixture& f)
{
    for (const QString& letter : kAlphabet) {
        if (f.letter(letter) == 0)
            f.addLetter(letter);
    }
}

// The feedback picture's kind: "good", "wrong" or "" when none shows.
QString feedback(const WindowFixture& f)
{
    if (f.window()->feedbackLabel->isHidden())
        return QString();
    const QString file = f.shownFile(f.window()->feedbackLabel);
    return file.section(QLatin1Char('/'), -1).remove(QRegularExpression(QStringLiteral("\\d\\.png$")));
}

QString arrow(const WindowFixture& f)
{
    if (f.window()->orientationLabel->isHidden())
        return QStringLiteral("hidden");
    return f.shownFile(f.window()->orientationLabel).section(QLatin1Char('/'), -1);
}

// A window on one word (and every plain letter), in the given activity.
MainWindow* startOn(WindowFixture& f, int activity, const QString& letter, const QString& word, bool videos = true)
{
    f.addWord(letter, word, videos);
    addAlphabet(f);
    MainWindow* w = f.start();
    f.startActivity(activity);
    return w;
}

int blanks(const WindowFixture& f)
{
    int count = 0;
    for (const QString& file : f.rowFiles())
        count += file.startsWith(QLatin1String("blank/")) ? 1 : 0;
    return count;
}
} // namespace

class TestMainWindowKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldPraiseRightAnswerThenStartNextRound_data();
    void shouldPraiseRightAnswerThenStartNextRound();
    void shouldPointAtRightKeyAfterWrongAnswer_data();
    void shouldPointAtRightKeyAfterWrongAnswer();
    void shouldShowAnswerAfterThirdWrongAnswer();
    void shouldAnswerDigraphWithCommaKey();
    void shouldFingerspellAnswerThenStartNextRound();
    void shouldRepeatSameRoundAfterAnswer();
    void shouldTypeWordWithSpaces_data();
    void shouldTypeWordWithSpaces();
    void shouldShowWordAfterThreeWrongLetters();
    void shouldJudgePartWordOnReturn();
    void shouldWarnOnceWhenPoolIsEmpty_data();
    void shouldWarnOnceWhenPoolIsEmpty();
    void shouldDrawAllowedLetterThatHasWords();
    void shouldApplyStrictLetterFilter();
    void shouldStopOnNonLetterKeysOnlyOutsideSplashAndStories();
};

void TestMainWindowKeyboard::shouldPraiseRightAnswerThenStartNextRound_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<bool>("videos");
    QTest::newRow("21 first letter, signs") << 21 << true;
    QTest::newRow("23 first letter, lips") << 23 << true;
    QTest::newRow("30 missing letter") << 30 << true;
    QTest::newRow("21 without the answer video") << 21 << false;
}

void TestMainWindowKeyboard::shouldPraiseRightAnswerThenStartNextRound()
{
    QFETCH(int, activity);
    QFETCH(bool, videos);
    WindowFixture f;
    MainWindow* w = startOn(f, activity, QStringLiteral("P"), QStringLiteral("pato"), videos);
    w->answerPause = 30;
    QCOMPARE(w->targetWord->name, QStringLiteral("pato"));
    QCOMPARE(blanks(f), 1);
    QVERIFY(!w->pictureHolder->isHidden());
    QVERIFY(w->acceptInput);

    const QString answer = activity == 30 ? w->targetText.toLower() : QStringLiteral("p");
    f.typeLetter(answer);
    QCOMPARE(feedback(f), QStringLiteral("good"));
    QCOMPARE(arrow(f), QStringLiteral("hidden"));
    QCOMPARE(blanks(f), 0);
    QCOMPARE(f.rowFiles().size(), 4);
    QVERIFY(!w->acceptInput);
    QCOMPARE(w->videoPlayer->isPlaying(), videos);
    // A key while the answer plays is not judged.
    f.typeLetter(QStringLiteral("x"));
    QCOMPARE(feedback(f), QStringLiteral("good"));

    // The answer video (an empty file here) ends, or a short pause without
    // one, and the next question comes.
    QTRY_VERIFY_WITH_TIMEOUT(w->acceptInput, 5000);
    QCOMPARE(blanks(f), 1);
    QCOMPARE(feedback(f), QString());
}

void TestMainWindowKeyboard::shouldPointAtRightKeyAfterWrongAnswer_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<QString>("right");
    QTest::newRow("P asked, Q typed: right") << 21 << "P" << "pato" << "q" << "derecha.png" << "p";
    QTest::newRow("Q asked, P typed: left") << 21 << "Q" << "queso" << "p" << "izquierda.png" << "q";
    QTest::newRow("A asked, Z typed: up") << 23 << "A" << "ave" << "z" << "arriba.png" << "a";
    QTest::newRow("Z asked, A typed: down") << 25 << "Z" << "zorro" << "a" << "abajo.png" << "z";
    QTest::newRow("b of árbol, V typed: right") << 30 << "A" << "árbol" << "v" << "derecha.png" << "b";
    QTest::newRow("Á asked, S typed: left to A") << 21 << "Á" << "árbol" << "s" << "izquierda.png" << "a";
}

void TestMainWindowKeyboard::shouldPointAtRightKeyAfterWrongAnswer()
{
    QFETCH(int, activity);
    QFETCH(QString, letter);
    QFETCH(QString, word);
    QFETCH(QString, typed);
    QFETCH(QString, arrow);
    QFETCH(QString, right);
    WindowFixture f;
    MainWindow* w = startOn(f, activity, letter, word);
    if (activity == 30) {
        // Ask again until the hidden letter is the b.
        for (int i = 0; i < 500 && w->targetText != QLatin1String("B"); ++i)
            w->slotPickLetter();
        QCOMPARE(w->targetText, QStringLiteral("B"));
        QCOMPARE(f.rowFiles().at(2), QStringLiteral("blank/may/B.png"));
    }
    f.typeLetter(typed);
    QCOMPARE(feedback(f), QStringLiteral("wrong"));
    QCOMPARE(::arrow(f), arrow);
    QCOMPARE(w->errorCount, 1);
    QVERIFY(w->acceptInput);
    QCOMPARE(blanks(f), 1);
    // The same key again keeps the round and the arrow.
    f.typeLetter(typed);
    QCOMPARE(w->errorCount, 2);
    QCOMPARE(::arrow(f), arrow);
    // The right key still counts (Á is answered with the plain A).
    f.typeLetter(right);
    QCOMPARE(feedback(f), QStringLiteral("good"));
    QCOMPARE(blanks(f), 0);
    if (letter == QStringLiteral("Á"))
        QCOMPARE(f.rowFiles().first(), QStringLiteral("cooper/may/AT.png"));
}

void TestMainWindowKeyboard::shouldShowAnswerAfterThirdWrongAnswer()
{
    WindowFixture f;
    MainWindow* w = startOn(f, 21, QStringLiteral("M"), QStringLiteral("mano"));
    f.typeLetter(QStringLiteral("n"));
    f.typeLetter(QStringLiteral("b"));
    QCOMPARE(blanks(f), 1);
    f.typeLetter(QStringLiteral("v"));
    // The answer: the whole word, its sign video, and still the arrow.
    QCOMPARE(blanks(f), 0);
    QCOMPARE(w->errorCount, 0);
    QVERIFY(!w->acceptInput);
    QVERIFY(w->videoPlayer->isPlaying());
    QCOMPARE(feedback(f), QStringLiteral("wrong"));
    QCOMPARE(arrow(f), QStringLiteral("derecha.png"));
    // The fourth key is ignored while the answer plays.
    f.typeLetter(QStringLiteral("m"));
    QCOMPARE(feedback(f), QStringLiteral("wrong"));
    QCOMPARE(w->errorCount, 0);
    QTRY_VERIFY_WITH_TIMEOUT(w->acceptInput, 5000);
    QCOMPARE(blanks(f), 1);
}

void TestMainWindowKeyboard::shouldAnswerDigraphWithCommaKey()
{
    WindowFixture f;
    MainWindow* w = startOn(f, 21, QStringLiteral("CH"), QStringLiteral("chocolate"));
    QCOMPARE(f.rowFiles().first(), QStringLiteral("blank/may/CH.png"));
    f.typeLetter(QStringLiteral("c"));
    QCOMPARE(feedback(f), QStringLiteral("wrong"));
    QCOMPARE(arrow(f), QStringLiteral("derecha.png")); // the comma lies right of C
    f.typeLetter(QStringLiteral("ch"));
    QCOMPARE(feedback(f), QStringLiteral("good"));
    QCOMPARE(w->errorCount, 0);

    // Without CH as a letter the comma is no letter: it is not judged.
    f.setLanguageSetting(SettingKey::UseCh, 0);
    QTRY_VERIFY_WITH_TIMEOUT(w->acceptInput, 5000);
    f.typeLetter(QStringLiteral("ch"));
    QCOMPARE(w->errorCount, 0);
    QCOMPARE(feedback(f), QString());
    QVERIFY(w->acceptInput);
}

void TestMainWindowKeyboard::shouldFingerspellAnswerThenStartNextRound()
{
    WindowFixture f;
    f.addWord(QStringLiteral("S"), QStringLiteral("sol"));
    addAlphabet(f);
    MainWindow* w = f.start();
    w->handSequence->frameInterval = 5;
    f.startActivity(25);
    QCOMPARE(f.shownFile(w->handLabel), f.languagePath() + QStringLiteral("Senas/may/S.png"));
    QVERIFY(w->pictureHolder->isHidden());
    QSignalSpy finished(w->handSequence, &SequenceWidget::signalFinished);
    f.typeLetter(QStringLiteral("s"));
    QCOMPARE(feedback(f), QStringLiteral("good"));
    QVERIFY(w->handLabel->isHidden());
    QVERIFY(!w->handSequence->isHidden());
    QVERIFY(!w->pictureHolder->isHidden());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
    // Half a second after the hands, the next question.
    QVERIFY(!w->acceptInput);
    QVERIFY(w->activityTimer->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(w->acceptInput, 3000);
    QVERIFY(!w->activityTimer->isActive());
    QVERIFY(!w->handLabel->isHidden());
    QCOMPARE(blanks(f), 1);
}

void TestMainWindowKeyboard::shouldRepeatSameRoundAfterAnswer()
{
    WindowFixture f;
    for (const char* word : {"mano", "nube", "pato", "sol", "taza"})
        f.addWord(QString::fromLatin1(word).left(1).toUpper(), QString::fromLatin1(word));
    addAlphabet(f);
    MainWindow* w = f.start();
    f.startActivity(21);
    const int word = w->targetWord->id;
    const QString first = w->targetLetter->name.toLower();
    f.typeLetter(first);
    QCOMPARE(feedback(f), QStringLiteral("good"));
    QTest::mouseClick(w->repeatButton, Qt::LeftButton);
    QCOMPARE(w->targetWord->id, word);
    QVERIFY(w->acceptInput);
    QCOMPARE(blanks(f), 1);
    f.typeLetter(first);
    QCOMPARE(feedback(f), QStringLiteral("good"));
}

void TestMainWindowKeyboard::shouldTypeWordWithSpaces_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("la casa") << "L" << "la casa" << QStringList{"l", "a", "c", "a", "s", "a"};
    QTest::newRow("ending in spaces") << "S" << "sol  " << QStringList{"s", "o", "l"};
    QTest::newRow("digraph and accent") << "C" << "coche ñú" << QStringList{"c", "o", "ch", "e", "ñ", "u"};
}

void TestMainWindowKeyboard::shouldTypeWordWithSpaces()
{
    QFETCH(QString, letter);
    QFETCH(QString, word);
    QFETCH(QStringList, keys);
    WindowFixture f;
    f.addWord(letter, word);
    addAlphabet(f);
    f.addLetter(QStringLiteral("Ñ"));
    f.addLetter(QStringLiteral("CH"));
    MainWindow* w = f.start();
    f.startActivity(31);
    const int letters = blanks(f);
    QCOMPARE(letters, keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        f.typeLetter(keys.at(i));
        QCOMPARE(feedback(f), QStringLiteral("good"));
        QCOMPARE(blanks(f), letters - i - 1);
    }
    // The last letter completes the word: the answer plays.
    QVERIFY(!w->acceptInput);
    QVERIFY(w->videoPlayer->isPlaying());
    QCOMPARE(w->typingPos, 0);
    QVERIFY(w->typedText.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(w->acceptInput, 5000);
    QCOMPARE(blanks(f), letters);
}

void TestMainWindowKeyboard::shouldShowWordAfterThreeWrongLetters()
{
    WindowFixture f;
    MainWindow* w = startOn(f, 31, QStringLiteral("S"), QStringLiteral("sol"));
    f.typeLetter(QStringLiteral("s"));
    f.typeLetter(QStringLiteral("p"));
    QCOMPARE(feedback(f), QStringLiteral("wrong"));
    QCOMPARE(arrow(f), QStringLiteral("izquierda.png")); // O lies left of P
    f.typeLetter(QStringLiteral("p"));
    QCOMPARE(blanks(f), 2);
    f.typeLetter(QStringLiteral("p"));
    QCOMPARE(blanks(f), 0);
    QVERIFY(!w->acceptInput);
    QVERIFY(w->videoPlayer->isPlaying());
    QVERIFY(w->feedbackLabel->isHidden());
    QCOMPARE(w->typingPos, 0);
}

void TestMainWindowKeyboard::shouldJudgePartWordOnReturn()
{
    WindowFixture f;
    MainWindow* w = startOn(f, 31, QStringLiteral("S"), QStringLiteral("sol"));
    f.typeLetter(QStringLiteral("s"));
    f.releaseKey(Qt::Key_Return, QStringLiteral("\r"));
    QCOMPARE(feedback(f), QStringLiteral("wrong"));
    QCOMPARE(w->errorCount, 1);
    QVERIFY(w->typedText.isEmpty());
    QCOMPARE(w->typingPos, 1);
    // The rest of the word is typed, but the first letter was forgotten:
    // the word is judged wrong, and a key after its end judges it again.
    f.typeLetter(QStringLiteral("o"));
    f.typeLetter(QStringLiteral("l"));
    QCOMPARE(feedback(f), QStringLiteral("wrong"));
    QCOMPARE(w->errorCount, 1);
    QCOMPARE(blanks(f), 0);
    f.typeLetter(QStringLiteral("l"));
    QCOMPARE(w->errorCount, 2);
    QVERIFY(w->acceptInput);
    f.typeLetter(QStringLiteral("l"));
    // The third wrong judgement in a row shows the answer.
    QVERIFY(!w->acceptInput);
    QVERIFY(w->videoPlayer->isPlaying());
}

void TestMainWindowKeyboard::shouldWarnOnceWhenPoolIsEmpty_data()
{
    QTest::addColumn<bool>("emptyCategory");
    QTest::newRow("category without words") << true;
    QTest::newRow("allowed letters without words") << false;
}

void TestMainWindowKeyboard::shouldWarnOnceWhenPoolIsEmpty()
{
    QFETCH(bool, emptyCategory);
    WindowFixture f;
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    addAlphabet(f);
    if (emptyCategory) {
        f.setUserSetting(SettingKey::Category, f.addCategory(QStringLiteral("VACIA")));
    } else {
        TestHome::addSetting(SettingKey::Letter, f.letter(QStringLiteral("X")), f.userId, f.languageId);
        TestHome::addSetting(SettingKey::Letter, f.letter(QStringLiteral("Y")), f.userId, f.languageId);
    }
    MainWindow* w = f.start();
    f.startActivity(21);
    QCOMPARE(f.warningsAnswered(), 1);
    QCOMPARE(f.lastWarningTitle(), QStringLiteral("No hay palabras disponibles"));
    QVERIFY(w->targetWord == nullptr);
    QCOMPARE(f.rowFiles(), QStringList());
    // Keys have nothing to answer; the repeat button has nothing to repeat.
    f.typeLetter(QStringLiteral("m"));
    QCOMPARE(feedback(f), QString());
    QTest::mouseClick(w->repeatButton, Qt::LeftButton);
    QVERIFY(!w->noRepetitionWarning->isHidden());
    QCOMPARE(f.warningsAnswered(), 1);
    f.startActivity(30);
    QCOMPARE(f.warningsAnswered(), 2);
}

void TestMainWindowKeyboard::shouldDrawAllowedLetterThatHasWords()
{
    WindowFixture f;
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    f.addWord(QStringLiteral("N"), QStringLiteral("nube"));
    addAlphabet(f);
    // Many allowed letters, one of them with a word: random draws may miss it.
    for (const QString& letter : kAlphabet.mid(14))
        TestHome::addSetting(SettingKey::Letter, f.letter(letter), f.userId, f.languageId);
    TestHome::addSetting(SettingKey::Letter, f.letter(QStringLiteral("M")), f.userId, f.languageId);
    MainWindow* w = f.start();
    for (int round = 0; round < 10; ++round) {
        f.startActivity(23);
        QCOMPARE(f.warningsAnswered(), 0);
        QCOMPARE(w->targetWord->name, QStringLiteral("mano"));
    }
}

void TestMainWindowKeyboard::shouldApplyStrictLetterFilter()
{
    WindowFixture f;
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    f.addWord(QStringLiteral("N"), QStringLiteral("nube"));
    TestHome::addSetting(SettingKey::Letter, f.letter(QStringLiteral("M")), f.userId, f.languageId);
    f.setLanguageSetting(SettingKey::StrictFilterShow, 1);
    MainWindow* w = f.start();
    f.startActivity(20);
    f.typeLetter(QStringLiteral("n"));
    QVERIFY(!w->noWordsWarning->isHidden());
    QCOMPARE(f.rowFiles(), QStringList());
    f.typeLetter(QStringLiteral("m"));
    QVERIFY(w->noWordsWarning->isHidden());
    QCOMPARE(f.rowFiles().size(), 4);

    f.setLanguageSetting(SettingKey::StrictFilterShow, 0);
    f.typeLetter(QStringLiteral("n"));
    QVERIFY(w->noWordsWarning->isHidden());
    QCOMPARE(f.rowFiles().size(), 4);
    QCOMPARE(w->currentWord->name, QStringLiteral("nube"));
}

void TestMainWindowKeyboard::shouldStopOnNonLetterKeysOnlyOutsideSplashAndStories()
{
    WindowFixture f;
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    f.addWord(QStringLiteral("N"), QStringLiteral("nube"));
    MainWindow* w = f.start();
    f.startActivity(20);
    f.typeLetter(QStringLiteral("m"));
    QCOMPARE(f.rowFiles().size(), 4);
    // A letter with a modifier is no letter choice: the word stays.
    f.releaseKey(Qt::Key_N, QStringLiteral("N"), Qt::ShiftModifier);
    QCOMPARE(w->currentWord->name, QStringLiteral("mano"));
    QCOMPARE(f.rowFiles().size(), 4);
    // Shift alone clears the screen like any other key that is no letter.
    f.releaseKey(Qt::Key_Shift, QString(), Qt::NoModifier);
    QCOMPARE(f.rowFiles(), QStringList());
    QVERIFY(w->pictureHolder->isHidden());
    QVERIFY(w->videoPlayer->isHidden());

    f.typeLetter(QStringLiteral("n"));
    QCOMPARE(f.rowFiles().size(), 4);
    f.releaseKey(Qt::Key_1, QStringLiteral("1"));
    QCOMPARE(f.rowFiles(), QStringList());
    // The period is no letter while LL is off.
    f.setLanguageSetting(SettingKey::UseLl, 0);
    f.typeLetter(QStringLiteral("m"));
    f.typeLetter(QStringLiteral("ll"));
    QCOMPARE(f.rowFiles(), QStringList());

    // No key counts during the start-up videos or in the stories.
    w->splashRunning = true;
    f.typeLetter(QStringLiteral("m"));
    f.releaseKey(Qt::Key_Shift);
    QCOMPARE(f.rowFiles(), QStringList());
    QVERIFY(w->noWordsWarning->isHidden());
    w->splashRunning = false;

    f.typeLetter(QStringLiteral("m"));
    QCOMPARE(f.rowFiles().size(), 4);
    w->menu(300);
    w->subMenu(200);
    QCOMPARE(w->activeSubMenu, 14);
    w->slotLeer1();
    const int activity = w->activeActivity;
    f.typeLetter(QStringLiteral("m"));
    f.releaseKey(Qt::Key_Space, QStringLiteral(" "));
    f.releaseKey(Qt::Key_Escape);
    QVERIFY(!w->storySequence->isHidden());
    QVERIFY(w->noWordsWarning->isHidden());
    QCOMPARE(w->activeActivity, activity);
    QCOMPARE(w->activeSubMenu, 14);
}

QTEST_MAIN(TestMainWindowKeyboard)
#include "tst_mainwindow_keyboard.moc"
