#pragma once

#include <QLabel>
#include <QStringList>
#include <QTimer>

// A label that shows a series of pictures one after another: the hand signs
// of a fingerspelled word, or the pages of a story. Restarting a run cancels
// the frame that was pending, so only one timer chain ever runs.
class SequenceWidget : public QLabel
{
    Q_OBJECT

public:
    explicit SequenceWidget(QWidget* parent = nullptr);

    void setDigraphs(bool useCh, bool useLl);
    void loadWordFrames(const QString& word);
    void loadStoryFrames(int story, int pages);

    bool isStopped() const { return stopped; }

    int frameInterval = 1000;  // ms between two frames
    int restartDelay = 2000;   // ms before a looping run starts again
    int frameIndex = 0;
    int frameCount = 0;
    int skippedFrames = 0;     // characters merged into a previous frame (digraphs)
    QStringList frames;
    QString baseFolder;
    QString frameSuffix;
    bool looping = false;
    bool useCh = false;
    bool useLl = false;

Q_SIGNALS:
    void signalClock();
    void signalFinished();

public Q_SLOTS:
    void slotNext();
    void slotPlay();
    bool slotBack();
    bool slotFwd();
    void slotInit();
    void slotStop();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showFrame(int index);

    bool stopped = false;
    QTimer frameTimer;
};
