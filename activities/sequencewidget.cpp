#include "sequencewidget.h"

#include "lettertext.h"

#include <QFile>
#include <QPixmap>

SequenceWidget::SequenceWidget(QWidget* parent)
    : QLabel(parent)
{
    frameTimer.setSingleShot(true);
    connect(&frameTimer, &QTimer::timeout, this, &SequenceWidget::slotNext);
}

void SequenceWidget::setDigraphs(bool ch, bool ll)
{
    useCh = ch;
    useLl = ll;
}

void SequenceWidget::loadWordFrames(const QString& word)
{
    frameCount = int(word.size());
    frames.clear();
    const QStringList names = LetterText::frameNames(word, useCh, useLl, &skippedFrames);
    for (const QString& name : names)
        frames << baseFolder + name + frameSuffix + QStringLiteral(".png");
}

void SequenceWidget::loadStoryFrames(int story, int pages)
{
    frameIndex = 0;
    frameCount = pages;
    skippedFrames = 0;
    frames.clear();
    for (int page = 1; page <= pages; ++page)
        frames << baseFolder + QStringLiteral("leer%1_%2.png").arg(story).arg(page);
}

void SequenceWidget::showFrame(int index)
{
    if (index < 0 || index >= frames.size())
        return;
    const QString& path = frames.at(index);
    if (QFile::exists(path))
        setPixmap(QPixmap(path));
}

void SequenceWidget::slotPlay()
{
    frameTimer.stop();
    stopped = false;
    frameIndex = 0;
    slotNext();
}

void SequenceWidget::slotNext()
{
    if (stopped)
        return;
    Q_EMIT signalClock();
    // A receiver of the clock may have stopped the run.
    if (stopped)
        return;
    showFrame(frameIndex);
    ++frameIndex;
    if (frameIndex >= frameCount - skippedFrames) {
        frameIndex = 0;
        if (!looping) {
            stopped = true;
            Q_EMIT signalFinished();
        }
    }
    if (!stopped)
        frameTimer.start(frameIndex != 0 ? frameInterval : restartDelay);
}

void SequenceWidget::slotStop()
{
    frameTimer.stop();
    frameIndex = 0;
    stopped = true;
}

void SequenceWidget::slotInit()
{
    frameIndex = 0;
    showFrame(0);
}

bool SequenceWidget::slotBack()
{
    if (frameIndex <= 0)
        return false;
    --frameIndex;
    showFrame(frameIndex);
    return true;
}

bool SequenceWidget::slotFwd()
{
    if (frameIndex >= frameCount - 1)
        return false;
    ++frameIndex;
    showFrame(frameIndex);
    return true;
}

void SequenceWidget::mouseReleaseEvent(QMouseEvent*)
{
    slotPlay();
}
