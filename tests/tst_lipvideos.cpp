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
    void shouldShapeTheFirstSoundWithinAFifthOfASecond_data();
    void shouldShapeTheFirstSoundWithinAFifthOfASecond();
    void shouldShowTheWholeHead();
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
    bool closed = false;
    for (int f = 1; f < track.size() && track.at(f).open < 0.5; ++f)
        closed = closed || (track.at(f).open < 0.05 && track.at(f).width < 1.0);
    QVERIFY(closed);
}

void TestLipVideos::shouldRestBeforeAndAfterTheWord()
{
    SpeechTiming speech;
    const SpokenWord word = speech.speak(QStringLiteral("casa"));
    const QList<MouthShape> track = lipTrack(word);
    QVERIFY(track.size() > word.length * kLipFps / 1000);
    QCOMPARE(track.first(), MouthShape());
    QCOMPARE(track.last(), MouthShape());
    qreal widest = 0;
    for (const MouthShape& mouth : track)
        widest = qMax(widest, mouth.open);
    QVERIFY(widest > 0.8); // the a of casa
}

void TestLipVideos::shouldShapeTheFirstSoundWithinAFifthOfASecond_data()
{
    QTest::addColumn<QString>("word");
    QTest::newRow("vowel") << "oso";
    QTest::newRow("bilabial") << "mono";
    QTest::newRow("silent h") << "helado";
    QTest::newRow("ñ") << "ñu";
    QTest::newRow("digraph") << "llave";
}

void TestLipVideos::shouldShapeTheFirstSoundWithinAFifthOfASecond()
{
    // A child watching the clip sees the mouth at work at once, not a still face.
    QFETCH(QString, word);
    SpeechTiming speech;
    const QList<MouthShape> track = lipTrack(speech.speak(word));
    int first = 0;
    while (first < track.size() && track.at(first) == MouthShape())
        ++first;
    QVERIFY2(first * 1000 / kLipFps <= 200, qPrintable(QStringLiteral("first shape at frame %1").arg(first)));
}

void TestLipVideos::shouldShowTheWholeHead()
{
    // The top rows are background from edge to edge: nothing of the head
    // is cut off by the top of the picture.
    for (const MouthShape& mouth : {MouthShape(), visemeFor(QStringLiteral("a"))}) {
        const QImage face = faceFrame(mouth, 0);
        for (int y : {0, 2}) {
            for (int x = 0; x < face.width(); ++x)
                QVERIFY2(qAbs(qGray(face.pixel(x, y)) - qGray(face.pixel(0, y))) < 3, qPrintable(QString::number(x)));
        }
        // The hair reaches close to the top: the face is not shrunk away.
        int top = 0;
        while (top < face.height() && qAbs(qGray(face.pixel(160, top)) - qGray(face.pixel(160, 0))) < 30)
            ++top;
        QVERIFY2(top > 2 && top < 24, qPrintable(QString::number(top)));
    }
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
    // espeak-ng's g is the IPA letter, not the ASCII one.
    QCOMPARE(visemeFor(QStringLiteral("\u0261")), visemeFor(QStringLiteral("k")));
}

QTEST_MAIN(TestLipVideos)
#include "tst_lipvideos.moc"
