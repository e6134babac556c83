#include "sequencewidget.h"

#include <QElapsedTimer>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Writes a picture whose width tells which frame it is.
void writeFrame(const QString& path, int width)
{
    QImage image(width, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QVERIFY(image.save(path));
}

int shownWidth(const QLabel& label)
{
    return label.pixmap().width();
}
} // namespace

class TestSequenceWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldCancelPendingFrameWhenRestarted();
    void shouldStopWithoutFinishingAndFinishShortWordsAtOnce();
    void shouldKeepPictureOfMissingFrame();
};

void TestSequenceWidget::shouldCancelPendingFrameWhenRestarted()
{
    SequenceWidget sequence;
    sequence.frameInterval = 100;
    sequence.loadWordFrames(QStringLiteral("sola"));
    QSignalSpy finished(&sequence, &SequenceWidget::signalFinished);
    QSignalSpy clock(&sequence, &SequenceWidget::signalClock);

    sequence.slotPlay();
    QElapsedTimer elapsed;
    elapsed.start();
    sequence.slotPlay();
    // One chain: three full intervals after the restart. Two chains would
    // share the frames and finish after two.
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QVERIFY2(elapsed.elapsed() >= 3 * 100 - 10, qPrintable(QString::number(elapsed.elapsed())));
    QCOMPARE(clock.count(), 5);
}

void TestSequenceWidget::shouldStopWithoutFinishingAndFinishShortWordsAtOnce()
{
    SequenceWidget sequence;
    sequence.frameInterval = 10;
    sequence.loadWordFrames(QStringLiteral("palabra"));
    QSignalSpy finished(&sequence, &SequenceWidget::signalFinished);
    QSignalSpy clock(&sequence, &SequenceWidget::signalClock);
    sequence.slotPlay();
    sequence.slotStop();
    QVERIFY(sequence.isStopped());
    // A later run ends normally and is the only one that reports.
    sequence.loadWordFrames(QStringLiteral("de"));
    sequence.slotPlay();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 1000);
    QCOMPARE(clock.count(), 3);

    // A one-letter or empty word finishes at once.
    sequence.loadWordFrames(QStringLiteral("y"));
    sequence.slotPlay();
    QCOMPARE(finished.count(), 2);
    QVERIFY(sequence.isStopped());
    sequence.loadWordFrames(QString());
    sequence.slotPlay();
    QCOMPARE(finished.count(), 3);
}

void TestSequenceWidget::shouldKeepPictureOfMissingFrame()
{
    QTemporaryDir dir;
    writeFrame(dir.filePath(QStringLiteral("m.png")), 11);
    writeFrame(dir.filePath(QStringLiteral("r.png")), 13);
    SequenceWidget sequence;
    sequence.frameInterval = 5;
    sequence.baseFolder = dir.path() + QLatin1Char('/');
    sequence.loadWordFrames(QStringLiteral("mar"));
    QSignalSpy finished(&sequence, &SequenceWidget::signalFinished);

    sequence.slotPlay();
    QCOMPARE(shownWidth(sequence), 11);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 1000);
    QCOMPARE(shownWidth(sequence), 13);

    // "a" is missing: stepping onto it keeps the previous picture.
    sequence.slotInit();
    QCOMPARE(shownWidth(sequence), 11);
    QVERIFY(sequence.slotFwd());
    QCOMPARE(shownWidth(sequence), 11);
    QCOMPARE(sequence.frameIndex, 1);
}

QTEST_MAIN(TestSequenceWidget)
#include "tst_sequencewidget.moc"
