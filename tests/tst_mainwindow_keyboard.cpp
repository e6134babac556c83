// Whole exercise rounds driven from the keyboard, the letter keys of the
// presentations, and the keys that must do nothing.
#include "config.h"
#include "exerciseactivity.h"
#include "imagewidget.h"
#include "lettertext.h"
#include "mainwindow.h"
#include "menuwidget.h"
#include "sequencewidget.h"
#include "videoplayer.h"
#include "widgets.h"
#include "windowfixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
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
    if (child<QLabel>(f.window(), "feedbackLabel")->isHidden())
        return QString();
    const QString file = f.shownFile(child<QLabel>(f.window(), "feedbackLabel"));
    return file.section(QLatin1Char('/'), -1).remove(QRegularExpression(QStringLiteral("\\d\\.png$")));
}

QString arrow(const WindowFixture& f)
{
    if (child<QLabel>(f.window(), "orientationLabel")->isHidden())
        return QStringLiteral("hidden");
    return f.shownFile(child<QLabel>(f.window(), "orientationLabel")).section(QLatin1Char('/'), -1);
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

// The letter asked for: the first blank of the row ("B" for blank/may/B.png).
QString asked(const WindowFixture& f)
{
    for (const QString& file : f.rowFiles()) {
        if (file.startsWith(QLatin1String("blank/")))
            return file.section(QLatin1Char('/'), -1).remove(QStringLiteral(".png")).toUpper();
    }
    return QString();
}

// A new round of the exercise on screen.
void askAgain(MainWindow* w)
{
    w->findChild<ExerciseActivity*>()->slotPickLetter();
}

// A key held down, as an X server repeats it: a press, then a release and a
// press with one time stamp every 40 ms, then the real release. Qt flags the
// repeats only when it sees the press queued behind the release.
void holdKey(QWidget* window, const QString& letter, bool flagged)
{
    const int key = Qt::Key_A + (letter.at(0).toLatin1() - 'a');
    const auto send = [&](QEvent::Type type, ulong time, bool repeat) {
        QKeyEvent event(type, key, Qt::NoModifier, letter, repeat);
        event.setTimestamp(time);
        QApplication::sendEvent(window, &event);
    };
    send(QEvent::KeyPress, 1000, false);
    for (ulong time : {1660, 1700, 1740}) {
        send(QEvent::KeyRelease, time, flagged);
        send(QEvent::KeyPress, time, flagged);
    }
    send(QEvent::KeyRelease, 1780, false);
}

// A question waits for its answer: blanks on the row, no feedback yet.
bool questionShown(const WindowFixture& f)
{
    return blanks(f) > 0 && child<QLabel>(f.window(), "feedbackLabel")->isHidden();
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
    void shouldShowAnswerAfterThirdWrongAnswer_data();
    void shouldShowAnswerAfterThirdWrongAnswer();
    void shouldAnswerDoubleLetterWithEitherKeys_data();
    void shouldAnswerDoubleLetterWithEitherKeys();
    void shouldFingerspellAnswerThenStartNextRound_data();
    void shouldFingerspellAnswerThenStartNextRound();
    void shouldCountAHeldKeyOnce_data();
    void shouldCountAHeldKeyOnce();
    void shouldShowTheFaceInTheLipReadingQuestion_data();
    void shouldShowTheFaceInTheLipReadingQuestion();
    void shouldFollowEachDoubleLetterSwitch_data();
    void shouldFollowEachDoubleLetterSwitch();
    void shouldRepeatSameRoundAfterAnswer();
    void shouldGoOnWhenAnotherPcDeletesTheWordOnShow_data();
    void shouldGoOnWhenAnotherPcDeletesTheWordOnShow();
    void shouldJudgeEveryLetterKey_data();
    void shouldJudgeEveryLetterKey();
    void shouldTypeWordWithSpaces_data();
    void shouldTypeWordWithSpaces();
    void shouldJudgePartWordOnReturn();
    void shouldStartEachQuestionClean_data();
    void shouldStartEachQuestionClean();
    void shouldWarnOnceWhenPoolIsEmpty_data();
    void shouldWarnOnceWhenPoolIsEmpty();
    void shouldDrawAllowedLetterThatHasWords();
    void shouldApplyStrictLetterFilter();
    void shouldStopOnNonLetterKeysOnlyOutsideStories();
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
    w->setAnswerPause(30);
    QCOMPARE(f.rowFiles().size(), 4);
    QCOMPARE(blanks(f), 1);
    QVERIFY(!child<ImageWidget>(w, "pictureHolder")->isHidden());
    QVERIFY(questionShown(f));

    const QString answer = asked(f).toLower();
    f.typeLetter(answer);
    QCOMPARE(feedback(f), QStringLiteral("good"));
    QCOMPARE(arrow(f), QStringLiteral("hidden"));
    QCOMPARE(blanks(f), 0);
    QCOMPARE(f.rowFiles().size(), 4);
    QCOMPARE(child<VideoPlayer>(w, "videoPlayer")->isPlaying(), videos);
    // A key while the answer plays is not judged.
    f.typeLetter(QStringLiteral("x"));
    QCOMPARE(feedback(f), QStringLiteral("good"));

    // The answer video (an empty file here) ends, or a short pause without
    // one, and the next question comes.
    QTRY_VERIFY_WITH_TIMEOUT(questionShown(f), 5000);
    QCOMPARE(blanks(f), 1);
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
    QTest::newRow("L asked, Ç typed: left") << 21 << "L" << "luna" << "ç" << "izquierda.png" << "l";
    QTest::newRow("P asked, capital Q typed with Shift") << 21 << "P" << "pato" << "Q" << "derecha.png" << "P";
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
        for (int i = 0; i < 500 && asked(f) != QLatin1String("B"); ++i)
            askAgain(w);
        QCOMPARE(asked(f), QStringLiteral("B"));
        QCOMPARE(f.rowFiles().at(2), QStringLiteral("blank/may/B.png"));
    }
    f.typeLetter(typed);
    QCOMPARE(feedback(f), QStringLiteral("wrong"));
    QCOMPARE(::arrow(f), arrow);
    QCOMPARE(f.shownFile(child<QLabel>(w, "typedKeyLabel")),
             f.sysPath() + "cooper/may/" + LetterText::baseName(typed.at(0)).toUpper() + ".png");
    QCOMPARE(blanks(f), 1);
    // The same key again keeps the round and the arrow.
    f.typeLetter(typed);
    QCOMPARE(blanks(f), 1);
    QCOMPARE(::arrow(f), arrow);
    // The right key still counts (Á is answered with the plain A).
    f.typeLetter(right);
    QCOMPARE(feedback(f), QStringLiteral("good"));
    QCOMPARE(blanks(f), 0);
    if (letter == QStringLiteral("Á"))
        QCOMPARE(f.rowFiles().first(), QStringLiteral("cooper/may/AT.png"));
}

void TestMainWindowKeyboard::shouldShowAnswerAfterThirdWrongAnswer_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("keys"); // the last one is the third wrong key
    QTest::newRow("21 first letter") << 21 << "mano" << QStringList{"n", "b", "v"};
    QTest::newRow("23 first letter, lips") << 23 << "mano" << QStringList{"n", "b", "ç"};
    QTest::newRow("30 missing letter") << 30 << "mmmm" << QStringList{"n", "b", "v"};
    QTest::newRow("31 whole word, after a right letter") << 31 << "sol" << QStringList{"s", "p", "p", "p"};
}

void TestMainWindowKeyboard::shouldShowAnswerAfterThirdWrongAnswer()
{
    QFETCH(int, activity);
    QFETCH(QString, word);
    QFETCH(QStringList, keys);
    WindowFixture f;
    MainWindow* w = startOn(f, activity, word.left(1).toUpper(), word);
    const int letters = blanks(f);
    for (const QString& key : keys.mid(0, keys.size() - 1))
        f.typeLetter(key);
    QCOMPARE(feedback(f), QStringLiteral("wrong"));
    QVERIFY(blanks(f) > 0);
    f.typeLetter(keys.last());
    // The answer alone: the whole word and its video, no arrow, no key
    // pressed, no "almost" beside it.
    QCOMPARE(blanks(f), 0);
    QVERIFY(child<VideoPlayer>(w, "videoPlayer")->isPlaying());
    QCOMPARE(::arrow(f), QStringLiteral("hidden"));
    QVERIFY(child<QLabel>(w, "typedKeyLabel")->isHidden());
    QCOMPARE(feedback(f), QString());
    // A key is ignored while the answer plays.
    const QString shown = feedback(f);
    f.typeLetter(word.left(1));
    QCOMPARE(feedback(f), shown);
    QTRY_VERIFY_WITH_TIMEOUT(questionShown(f), 5000);
    QCOMPARE(blanks(f), letters);
    // The new round counts its errors afresh: two wrong keys keep it.
    f.typeLetter(keys.at(1));
    f.typeLetter(keys.at(1));
    QCOMPARE(blanks(f), letters);
}

void TestMainWindowKeyboard::shouldAnswerDoubleLetterWithEitherKeys_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("21 CH by the comma") << 21 << "CH" << "chocolate" << QStringList{"ch"} << "good";
    QTest::newRow("23 LL by L and L") << 23 << "LL" << "lluvia" << QStringList{"l", "l"} << "good";
    QTest::newRow("21 C then X is wrong") << 21 << "CH" << "chocolate" << QStringList{"c", "x"} << "wrong";
    QTest::newRow("31 CH by C and H") << 31 << "CH" << "chile" << QStringList{"c", "h"} << "good";
}

void TestMainWindowKeyboard::shouldAnswerDoubleLetterWithEitherKeys()
{
    QFETCH(int, activity);
    QFETCH(QString, letter);
    QFETCH(QString, word);
    QFETCH(QStringList, keys);
    QFETCH(QString, verdict);
    WindowFixture f;
    MainWindow* w = startOn(f, activity, letter, word);
    QCOMPARE(f.rowFiles().first(), QStringLiteral("blank/may/%1.png").arg(letter));
    // Both ways of typing it are shown beside the row.
    QVERIFY(!child<QLabel>(w, "doubleLetterHint")->isHidden());
    QCOMPARE(f.shownFile(child<QLabel>(w, "doubleLetterHint")), f.sysPath() + "ui/tecla-" + letter.toLower() + ".png");
    for (const QString& key : keys)
        f.typeLetter(key);
    QCOMPARE(feedback(f), verdict);
    if (verdict == QLatin1String("good")) {
        QCOMPARE(f.rowFiles().first(), QStringLiteral("cooper/may/%1.png").arg(letter));
        QVERIFY(child<QLabel>(w, "doubleLetterHint")->isHidden());
    } else if (verdict == QLatin1String("wrong")) {
        QCOMPARE(arrow(f), QStringLiteral("derecha.png")); // the comma lies right of X
    }
}

void TestMainWindowKeyboard::shouldFingerspellAnswerThenStartNextRound_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("no key during the answer") << 0 << "";
    QTest::newRow("Tab, a key that clears a presentation") << int(Qt::Key_Tab) << "\t";
    QTest::newRow("Escape") << int(Qt::Key_Escape) << "";
    QTest::newRow("a letter") << int(Qt::Key_M) << "m";
}

void TestMainWindowKeyboard::shouldFingerspellAnswerThenStartNextRound()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    WindowFixture f;
    f.addWord(QStringLiteral("S"), QStringLiteral("sol"));
    f.addWord(QStringLiteral("L"), QStringLiteral("luna"));
    addAlphabet(f);
    MainWindow* w = f.start();
    child<SequenceWidget>(w, "handSequence")->frameInterval = 5;
    f.startActivity(25);
    for (int question = 0; question < 2; ++question) {
        // The hand of this question's letter, whatever the last one was.
        const QString letter = asked(f);
        QCOMPARE(f.shownFile(child<QLabel>(w, "handLabel")), f.languagePath() + "Senas/may/" + letter + ".png");
        QVERIFY(child<ImageWidget>(w, "pictureHolder")->isHidden());
        QSignalSpy finished(child<SequenceWidget>(w, "handSequence"), &SequenceWidget::signalFinished);
        // A wrong key leaves the question's hand in place.
        f.typeLetter(QStringLiteral("x"));
        QCOMPARE(feedback(f), QStringLiteral("wrong"));
        QCOMPARE(f.shownFile(child<QLabel>(w, "handLabel")), f.languagePath() + "Senas/may/" + letter + ".png");
        QVERIFY(!child<QLabel>(w, "handLabel")->isHidden());
        f.typeLetter(letter.toLower());
        QCOMPARE(feedback(f), QStringLiteral("good"));
        QVERIFY(child<QLabel>(w, "handLabel")->isHidden());
        QVERIFY(!child<SequenceWidget>(w, "handSequence")->isHidden());
        QVERIFY(!child<ImageWidget>(w, "pictureHolder")->isHidden());
        // Whatever arrives during the answer, the next question comes.
        if (key != 0)
            f.releaseKey(key, text);
        QVERIFY(!child<SequenceWidget>(w, "handSequence")->isHidden());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
        // Half a second after the hands, the next question: not seconds.
        QTRY_VERIFY_WITH_TIMEOUT(questionShown(f), 1500);
        QVERIFY(!child<QLabel>(w, "handLabel")->isHidden());
        QCOMPARE(blanks(f), 1);
    }
}

void TestMainWindowKeyboard::shouldCountAHeldKeyOnce_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("held");
    QTest::addColumn<bool>("flagged");
    QTest::addColumn<QString>("verdict");
    for (bool flagged : {false, true}) {
        const char* how = flagged ? "repeats flagged" : "repeats told by their time";
        QTest::addRow("21 wrong letter held, %s", how) << 21 << "mano" << "b" << flagged << "wrong";
        QTest::addRow("23 wrong letter held, %s", how) << 23 << "mano" << "b" << flagged << "wrong";
        QTest::addRow("25 wrong letter held, %s", how) << 25 << "mano" << "b" << flagged << "wrong";
        QTest::addRow("30 wrong letter held, %s", how) << 30 << "mmmm" << "b" << flagged << "wrong";
        QTest::addRow("31 right letter held, %s", how) << 31 << "sol" << "s" << flagged << "good";
    }
}

void TestMainWindowKeyboard::shouldCountAHeldKeyOnce()
{
    QFETCH(int, activity);
    QFETCH(QString, word);
    QFETCH(QString, held);
    QFETCH(bool, flagged);
    QFETCH(QString, verdict);
    WindowFixture f;
    MainWindow* w = startOn(f, activity, word.left(1).toUpper(), word);
    const int letters = blanks(f);
    holdKey(w, held, flagged);
    QCOMPARE(feedback(f), verdict);
    QCOMPARE(blanks(f), verdict == QLatin1String("good") ? letters - 1 : letters);
    // One more wrong key leaves the question open: the held key spent one
    // try at most.
    f.typeLetter(QStringLiteral("x"));
    QCOMPARE(feedback(f), QStringLiteral("wrong"));
    QCOMPARE(blanks(f), verdict == QLatin1String("good") ? letters - 1 : letters);
    QVERIFY(!child<QLabel>(w, "orientationLabel")->isHidden());
}

void TestMainWindowKeyboard::shouldShowTheFaceInTheLipReadingQuestion_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<QString>("questionVideo"); // the file, or "" for none
    QTest::newRow("23 lip reading: the word said") << 23 << "modulacion.avi";
    QTest::newRow("21 signs: the picture alone") << 21 << "";
}

void TestMainWindowKeyboard::shouldShowTheFaceInTheLipReadingQuestion()
{
    QFETCH(int, activity);
    QFETCH(QString, questionVideo);
    WindowFixture f;
    MainWindow* w = startOn(f, activity, QStringLiteral("M"), QStringLiteral("mano"));
    auto* video = child<VideoPlayer>(w, "videoPlayer");
    const QString lips = f.home.path() + "/" + f.languagePath() + "Letras/M/mano/" + questionVideo;
    QVERIFY(questionShown(f));
    QVERIFY(!child<ImageWidget>(w, "pictureHolder")->isHidden());
    QCOMPARE(video->isHidden(), questionVideo.isEmpty());
    if (!questionVideo.isEmpty())
        QCOMPARE(QFileInfo(video->source()).canonicalFilePath(), QFileInfo(lips).canonicalFilePath());
    // A wrong key keeps the question whole, the face with it.
    f.typeLetter(QStringLiteral("b"));
    QCOMPARE(feedback(f), QStringLiteral("wrong"));
    QCOMPARE(video->isHidden(), questionVideo.isEmpty());
    QVERIFY(!child<ImageWidget>(w, "pictureHolder")->isHidden());
    f.typeLetter(QStringLiteral("m"));
    QCOMPARE(feedback(f), QStringLiteral("good"));
    QVERIFY(video->isPlaying());
}

void TestMainWindowKeyboard::shouldFollowEachDoubleLetterSwitch_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<int>("useCh");
    QTest::addColumn<int>("useLl");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("asked"); // for 30: ask again until this letter is missing
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("hint");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("LL on, CH off: C of chocolate alone")
        << 21 << 0 << 1 << "C" << "chocolate" << "" << QStringList{"c"} << false << "good";
    QTest::newRow("LL on, CH off: LL by L and L")
        << 21 << 0 << 1 << "LL" << "lluvia" << "" << QStringList{"l", "l"} << true << "good";
    QTest::newRow("CH on, LL off: L of lluvia alone")
        << 21 << 1 << 0 << "L" << "lluvia" << "" << QStringList{"l"} << false << "good";
    QTest::newRow("CH on, LL off: CH by the comma")
        << 23 << 1 << 0 << "CH" << "chocolate" << "" << QStringList{"ch"} << true << "good";
    QTest::newRow("CH on, LL off: the period is no letter")
        << 21 << 1 << 0 << "L" << "lluvia" << "" << QStringList{"ll", "l"} << false << "good";
    QTest::newRow("31 Return after half of CH, then C and H")
        << 31 << 1 << 1 << "CH" << "chile" << "" << QStringList{"c", "return", "c", "h"} << true << "good";
    QTest::newRow("30 hint for a missing CH inside the word")
        << 30 << 1 << 1 << "O" << "ocho" << "CH" << QStringList{"ch"} << true << "good";
    QTest::newRow("30 no hint for a missing O of a word starting with CH")
        << 30 << 1 << 1 << "CH" << "choza" << "O" << QStringList{"o"} << false << "good";
}

void TestMainWindowKeyboard::shouldFollowEachDoubleLetterSwitch()
{
    QFETCH(int, activity);
    QFETCH(int, useCh);
    QFETCH(int, useLl);
    QFETCH(QString, letter);
    QFETCH(QString, word);
    QFETCH(QString, asked);
    QFETCH(QStringList, keys);
    QFETCH(bool, hint);
    QFETCH(QString, verdict);
    WindowFixture f;
    f.setLanguageSetting(SettingKey::UseCh, useCh);
    f.setLanguageSetting(SettingKey::UseLl, useLl);
    MainWindow* w = startOn(f, activity, letter, word);
    if (!asked.isEmpty()) {
        for (int i = 0; i < 500 && ::asked(f) != asked; ++i)
            askAgain(w);
        QCOMPARE(::asked(f), asked);
    }
    QCOMPARE(!child<QLabel>(w, "doubleLetterHint")->isHidden(), hint);
    for (const QString& key : keys) {
        if (key == QLatin1String("return"))
            f.releaseKey(Qt::Key_Return, QStringLiteral("\r"));
        else
            f.typeLetter(key);
    }
    QCOMPARE(feedback(f), verdict);
}

void TestMainWindowKeyboard::shouldRepeatSameRoundAfterAnswer()
{
    WindowFixture f;
    for (const char* word : {"mano", "nube", "pato", "sol", "taza"})
        f.addWord(QString::fromLatin1(word).left(1).toUpper(), QString::fromLatin1(word));
    addAlphabet(f);
    MainWindow* w = f.start();
    f.startActivity(21);
    const QString picture = f.shownFile(child<ImageWidget>(w, "pictureHolder")->label);
    const QString first = asked(f).toLower();
    f.typeLetter(first);
    QCOMPARE(feedback(f), QStringLiteral("good"));
    QTest::mouseClick(child<MenuWidget>(w, "repeatButton"), Qt::LeftButton);
    QCOMPARE(f.shownFile(child<ImageWidget>(w, "pictureHolder")->label), picture);
    QVERIFY(questionShown(f));
    QCOMPARE(asked(f).toLower(), first);
    f.typeLetter(first);
    QCOMPARE(feedback(f), QStringLiteral("good"));
}

void TestMainWindowKeyboard::shouldJudgeEveryLetterKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("ç, a letter without words") << "ç" << "wrong";
    QTest::newRow("á from the dead key answers A") << "á" << "good";
    QTest::newRow("a capital A typed with Shift") << "A" << "good";
}

void TestMainWindowKeyboard::shouldJudgeEveryLetterKey()
{
    QFETCH(QString, key);
    QFETCH(QString, verdict);
    WindowFixture f;
    MainWindow* w = startOn(f, 21, QStringLiteral("A"), QStringLiteral("ave"));
    const int code = key == QStringLiteral("ç") ? Qt::Key_Ccedilla : key == QStringLiteral("á") ? Qt::Key_Aacute : Qt::Key_A;
    f.releaseKey(code, key, key.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(feedback(f), verdict);
    QVERIFY(child<QLabel>(w, "noWordsWarning")->isHidden());
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
    // The last letter completes the word: the answer plays, and Return
    // while it plays changes nothing.
    QVERIFY(child<VideoPlayer>(w, "videoPlayer")->isPlaying());
    f.releaseKey(Qt::Key_Return, QStringLiteral("\r"));
    QVERIFY(child<VideoPlayer>(w, "videoPlayer")->isPlaying());
    QCOMPARE(feedback(f), QStringLiteral("good"));
    QTRY_VERIFY_WITH_TIMEOUT(questionShown(f), 5000);
    QCOMPARE(blanks(f), letters);
    f.typeLetter(keys.first());
    QCOMPARE(feedback(f), QStringLiteral("good"));
}

void TestMainWindowKeyboard::shouldJudgePartWordOnReturn()
{
    WindowFixture f;
    MainWindow* w = startOn(f, 31, QStringLiteral("O"), QStringLiteral("ola"));
    f.typeLetter(QStringLiteral("o"));
    f.releaseKey(Qt::Key_Return, QStringLiteral("\r"));
    QCOMPARE(feedback(f), QStringLiteral("wrong"));
    // From the O just typed down to the L expected now.
    QCOMPARE(arrow(f), QStringLiteral("abajo.png"));
    QCOMPARE(f.shownFile(child<QLabel>(w, "typedKeyLabel")), f.sysPath() + "cooper/may/O.png");
    // What is typed stays typed: the rest completes the word.
    QCOMPARE(blanks(f), 2);
    f.typeLetter(QStringLiteral("l"));
    f.typeLetter(QStringLiteral("a"));
    QCOMPARE(feedback(f), QStringLiteral("good"));
    QCOMPARE(f.rowFiles(), QStringList({"cooper/may/O.png", "cooper/may/L.png", "cooper/may/A.png"}));
    QVERIFY(child<VideoPlayer>(w, "videoPlayer")->isPlaying());

    // Three Returns in a row show the answer; the next question comes.
    QTRY_VERIFY_WITH_TIMEOUT(questionShown(f), 5000);
    for (int i = 0; i < 3; ++i)
        f.releaseKey(Qt::Key_Return, QStringLiteral("\r"));
    QCOMPARE(blanks(f), 0);
    QVERIFY(child<VideoPlayer>(w, "videoPlayer")->isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(questionShown(f), 5000);
}

void TestMainWindowKeyboard::shouldStartEachQuestionClean_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("after a wrong Return") << "return";
    QTest::newRow("after repeat in the middle of a word") << "repeat";
    QTest::newRow("after a restart of the activity") << "restart";
    QTest::newRow("after a right word") << "answer";
}

void TestMainWindowKeyboard::shouldStartEachQuestionClean()
{
    QFETCH(QString, how);
    WindowFixture f;
    f.addWord(QStringLiteral("S"), QStringLiteral("sol"));
    f.addWord(QStringLiteral("L"), QStringLiteral("luna"));
    addAlphabet(f);
    // One word has no picture: the other's must not stay in its place.
    QVERIFY(QFile::remove(f.home.path() + "/" + f.languagePath() + "Letras/L/luna/imagen.png"));
    MainWindow* w = f.start();
    w->setAnswerPause(10);
    f.startActivity(31);
    for (int question = 0; question < 8; ++question) {
        const QString word = asked(f) == QLatin1String("S") ? "sol" : "luna";
        if (word == QLatin1String("sol")) {
            QVERIFY(!child<ImageWidget>(w, "pictureHolder")->isHidden());
            QCOMPARE(f.shownFile(child<ImageWidget>(w, "pictureHolder")->label), f.languagePath() + "Letras/S/sol/imagen.png");
        } else {
            QVERIFY(child<ImageWidget>(w, "pictureHolder")->isHidden());
        }
        // Each question is typed from its first letter.
        QCOMPARE(blanks(f), word.size());
        f.typeLetter(word.left(1));
        QCOMPARE(feedback(f), QStringLiteral("good"));
        QCOMPARE(blanks(f), word.size() - 1);
        if (how == QLatin1String("return")) {
            for (int i = 0; i < 3; ++i)
                f.releaseKey(Qt::Key_Return, QStringLiteral("\r"));
            QTRY_VERIFY_WITH_TIMEOUT(questionShown(f), 5000);
        } else if (how == QLatin1String("repeat")) {
            QTest::mouseClick(child<MenuWidget>(w, "repeatButton"), Qt::LeftButton);
            QCOMPARE(asked(f).toLower(), word.left(1));
            askAgain(w); // then another question
        } else if (how == QLatin1String("restart")) {
            f.startActivity(31);
        } else {
            for (const QChar c : word.mid(1))
                f.typeLetter(QString(c));
            QTRY_VERIFY_WITH_TIMEOUT(questionShown(f), 5000);
        }
        QVERIFY(questionShown(f));
        QVERIFY(child<QLabel>(w, "orientationLabel")->isHidden());
    }
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
    QCOMPARE(f.rowFiles(), QStringList());
    // Keys have nothing to answer; the repeat button has nothing to repeat.
    f.typeLetter(QStringLiteral("m"));
    QCOMPARE(feedback(f), QString());
    QTest::mouseClick(child<MenuWidget>(w, "repeatButton"), Qt::LeftButton);
    QVERIFY(!child<QLabel>(w, "noRepetitionWarning")->isHidden());
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
        QCOMPARE(f.shownFile(child<ImageWidget>(w, "pictureHolder")->label), f.languagePath() + "Letras/M/mano/imagen.png");
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
    QVERIFY(!child<QLabel>(w, "noWordsWarning")->isHidden());
    QCOMPARE(f.rowFiles(), QStringList());
    f.typeLetter(QStringLiteral("m"));
    QVERIFY(child<QLabel>(w, "noWordsWarning")->isHidden());
    QCOMPARE(f.rowFiles().size(), 4);

    f.setLanguageSetting(SettingKey::StrictFilterShow, 0);
    f.typeLetter(QStringLiteral("n"));
    QVERIFY(child<QLabel>(w, "noWordsWarning")->isHidden());
    QCOMPARE(f.shownFile(child<ImageWidget>(w, "pictureHolder")->label), f.languagePath() + "Letras/N/nube/imagen.png");
}

void TestMainWindowKeyboard::shouldStopOnNonLetterKeysOnlyOutsideStories()
{
    WindowFixture f;
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    f.addWord(QStringLiteral("N"), QStringLiteral("nube"));
    MainWindow* w = f.start();
    f.startActivity(20);
    f.typeLetter(QStringLiteral("m"));
    QCOMPARE(f.rowFiles().size(), 4);
    // A letter with Ctrl is no letter choice: the word stays.
    f.releaseKey(Qt::Key_N, QStringLiteral("n"), Qt::ControlModifier);
    QCOMPARE(f.shownFile(child<ImageWidget>(w, "pictureHolder")->label), f.languagePath() + "Letras/M/mano/imagen.png");
    // A capital typed with Shift is that letter.
    f.releaseKey(Qt::Key_N, QStringLiteral("N"), Qt::ShiftModifier);
    QCOMPARE(f.shownFile(child<ImageWidget>(w, "pictureHolder")->label), f.languagePath() + "Letras/N/nube/imagen.png");
    f.typeLetter(QStringLiteral("m"));
    // A modifier alone, or Escape (also the one that closes the user
    // dialog), is no key of the presentation: the word stays.
    for (int key : {int(Qt::Key_Shift), int(Qt::Key_Control), int(Qt::Key_AltGr), int(Qt::Key_Escape)}) {
        f.releaseKey(key, QString(), Qt::NoModifier);
        QCOMPARE(f.rowFiles().size(), 4);
        QVERIFY(!child<ImageWidget>(w, "pictureHolder")->isHidden());
    }
    // Any other key that is no letter clears the screen.
    f.releaseKey(Qt::Key_Tab, QStringLiteral("\t"));
    QCOMPARE(f.rowFiles(), QStringList());
    QVERIFY(child<ImageWidget>(w, "pictureHolder")->isHidden());
    QVERIFY(child<VideoPlayer>(w, "videoPlayer")->isHidden());

    f.typeLetter(QStringLiteral("n"));
    QCOMPARE(f.rowFiles().size(), 4);
    f.releaseKey(Qt::Key_1, QStringLiteral("1"));
    QCOMPARE(f.rowFiles(), QStringList());
    // The period is no letter while LL is off.
    f.setLanguageSetting(SettingKey::UseLl, 0);
    f.typeLetter(QStringLiteral("m"));
    f.typeLetter(QStringLiteral("ll"));
    QCOMPARE(f.rowFiles(), QStringList());

    // No key counts in the stories.
    f.typeLetter(QStringLiteral("m"));
    QCOMPARE(f.rowFiles().size(), 4);
    w->menu(300);
    w->subMenu(200);
    w->slotLeer1();
    f.typeLetter(QStringLiteral("m"));
    f.releaseKey(Qt::Key_Space, QStringLiteral(" "));
    f.releaseKey(Qt::Key_Escape);
    QVERIFY(!child<SequenceWidget>(w, "storySequence")->isHidden());
    QCOMPARE(f.shownFile(child<SequenceWidget>(w, "storySequence")), f.languagePath() + "Cuentos/leer1_1.png");
    QVERIFY(child<QLabel>(w, "noWordsWarning")->isHidden());
    QCOMPARE(f.rowFiles(), QStringList());
}

void TestMainWindowKeyboard::shouldGoOnWhenAnotherPcDeletesTheWordOnShow_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<QString>("then"); // what the child does after the deletion
    QTest::newRow("presentation: the next letter key") << 20 << "letter";
    QTest::newRow("presentation step by step: the next steps") << 20 << "space";
    QTest::newRow("presentation: the repeat button") << 20 << "repeat";
    QTest::newRow("exercise: the answer to the word gone") << 21 << "answer";
    QTest::newRow("exercise: the repeat button after the answer") << 21 << "repeat";
}

void TestMainWindowKeyboard::shouldGoOnWhenAnotherPcDeletesTheWordOnShow()
{
    QFETCH(int, activity);
    QFETCH(QString, then);
    WindowFixture f;
    f.addWord(QStringLiteral("M"), QStringLiteral("mano"));
    f.addWord(QStringLiteral("M"), QStringLiteral("mesa"));
    addAlphabet(f);
    if (then == QLatin1String("space"))
        f.setUserSetting(SettingKey::StopMotion, 1);
    MainWindow* w = f.start();
    f.startActivity(activity);
    if (activity == 20)
        f.typeLetter(QStringLiteral("m"));
    const auto shownWord = [&] {
        const QString picture = f.shownFile(child<ImageWidget>(w, "pictureHolder")->label);
        return picture.section(QLatin1Char('/'), -2, -2);
    };
    // Step by step, the word is on show once its picture is.
    const auto stepToPicture = [&] {
        for (int step = 0; step < 4 && child<ImageWidget>(w, "pictureHolder")->isHidden(); ++step)
            f.releaseKey(Qt::Key_Space, QStringLiteral(" "));
    };
    if (then == QLatin1String("space"))
        stepToPicture();
    const QString gone = shownWord();
    QVERIFY2(gone == QLatin1String("mano") || gone == QLatin1String("mesa"), qPrintable(gone));
    const QString left = gone == QLatin1String("mano") ? QStringLiteral("mesa") : QStringLiteral("mano");
    const QString answer = asked(f).toLower();
    if (activity == 21 && then == QLatin1String("repeat")) {
        f.typeLetter(answer);
        QCOMPARE(feedback(f), QStringLiteral("good"));
    }

    // Another PC deletes the word, its record and its files.
    {
        QSqlDatabase other = f.home.openSecondConnection(QStringLiteral("other-pc"));
        QSqlQuery query(other);
        QVERIFY(query.exec(QStringLiteral("DELETE FROM word WHERE name = '%1'").arg(gone)));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other-pc"));
    QVERIFY(QDir(f.home.path() + QLatin1Char('/') + f.languagePath() + QStringLiteral("Letras/M/") + gone)
                .removeRecursively());

    if (then == QLatin1String("letter")) {
        f.typeLetter(QStringLiteral("m"));
        QCOMPARE(shownWord(), left);
    } else if (then == QLatin1String("space")) {
        for (int step = 0; step < 4; ++step)
            f.releaseKey(Qt::Key_Space, QStringLiteral(" "));
        f.typeLetter(QStringLiteral("m"));
        stepToPicture();
        QCOMPARE(shownWord(), left);
    } else if (then == QLatin1String("answer")) {
        f.typeLetter(answer);
        QCOMPARE(feedback(f), QStringLiteral("good"));
        QTRY_VERIFY_WITH_TIMEOUT(questionShown(f), 5000);
        QCOMPARE(shownWord(), left);
    } else {
        // The word to repeat is gone: another one is drawn in its place.
        QTest::mouseClick(child<MenuWidget>(w, "repeatButton"), Qt::LeftButton);
        if (activity == 21)
            QVERIFY(questionShown(f));
        QCOMPARE(shownWord(), left);
    }
    QVERIFY(!f.rowFiles().isEmpty());
    QCOMPARE(f.warningsAnswered(), 0);
}

QTEST_MAIN(TestMainWindowKeyboard)
#include "tst_mainwindow_keyboard.moc"
