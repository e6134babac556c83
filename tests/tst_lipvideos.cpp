#include "lipvideos.h"

#include <QTest>

class TestLipVideos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldTimeSpanishPhonemes();
    void shouldCloseTheLipsForBilabials_data();
    void shouldCloseTheLipsForBilabials();
    void shouldRestBeforeAndAfterTheWord();
    void shouldMapVowelsToDistinctMouths();
};

void TestLipVideos::shouldTimeSpanishPhonemes()
{
    SpeechTiming speech;
    QVERIFY(speech.isValid());
    const SpokenWord word = speech.speak(QStringLiteral("mamá"));
    QStringList names;
    for (const PhonemeTiming& phoneme : word.phonemes) {
        if (!phoneme.name.isEmpty())
            names << phoneme.name;
    }
    QCOMPARE(names, QStringList({"m", "a", "m", "a"}));
    for (qsizetype i = 1; i < word.phonemes.size(); ++i)
        QVERIFY(word.phonemes.at(i).start >= word.phonemes.at(i - 1).start);
    QVERIFY(word.length > 200 && word.length < 2000);
}

void TestLipVideos::shouldCloseTheLipsForBilabials_data()
{
    QTest::addColumn<QString>("word");
    QTest::newRow("mono") << "mono";
    QTest::newRow("pato") << "pato";
    QTest::newRow("ballena") << "ballena";
}

void TestLipVideos::shouldCloseTheLipsForBilabials()
{
    // The first sound shuts the lips: some frame after the rest shows them shut
    // before any frame opens them wide.
    QFETCH(QString, word);
    SpeechTiming speech;
    const QList<MouthShape> track = lipTrack(speech.speak(word));
    const int firstMoving = int(kLipLeadMs * kLipFps / 1000);
    bool closed = false;
    for (int f = firstMoving; f < track.size() && track.at(f).open < 0.5; ++f)
        closed = closed || (track.at(f).open < 0.05 && track.at(f).width < 1.0);
    QVERIFY(closed);
}

void TestLipVideos::shouldRestBeforeAndAfterTheWord()
{
    SpeechTiming speech;
    const SpokenWord word = speech.speak(QStringLiteral("casa"));
    const QList<MouthShape> track = lipTrack(word);
    const int expected = int((kLipLeadMs + word.length * kLipSlowdown + kLipTailMs) * kLipFps / 1000) + 1;
    QCOMPARE(track.size(), expected);
    QCOMPARE(track.first(), MouthShape());
    QCOMPARE(track.last(), MouthShape());
    qreal widest = 0;
    for (const MouthShape& mouth : track)
        widest = qMax(widest, mouth.open);
    QVERIFY(widest > 0.8); // the a of casa
}

void TestLipVideos::shouldMapVowelsToDistinctMouths()
{
    const MouthShape a = visemeFor(QStringLiteral("a"));
    const MouthShape i = visemeFor(QStringLiteral("ˈi"));
    const MouthShape u = visemeFor(QStringLiteral("u"));
    QVERIFY(a.open > i.open);
    QVERIFY(i.width > u.width);
    QVERIFY(u.round > a.round);
    QCOMPARE(visemeFor(QString()), MouthShape());
    QCOMPARE(visemeFor(QStringLiteral("m")).open, 0.0);
}

QTEST_MAIN(TestLipVideos)
#include "tst_lipvideos.moc"
