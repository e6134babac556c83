#pragma once

#include "asciilink.h"

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

class QMediaPlayer;
class QVideoFrame;
class QVideoSink;

// Plays one video file at a time, muted or with sound, upright (turned as
// the file says) and whole: scaled to fit the widget, its aspect kept.
// finished() comes exactly once per clip that ends by itself, fails to
// decode or stops giving signs of life; never after stop() and never for a
// file that does not exist. Each clip gets a fresh media player, because
// a player reused after an error is not dependable.
class VideoPlayer : public QWidget
{
    Q_OBJECT

public:
    explicit VideoPlayer(QWidget* parent = nullptr);
    ~VideoPlayer() override;

    // False, and nothing plays, when the file does not exist.
    bool play(const QString& path);
    void stop();
    bool isPlaying() const { return player != nullptr; }
    // The file of the clip on show (or last shown).
    QString source() const { return lastPath; }
    // Whether the last clip played to its end, rather than failing or
    // being ended by the watchdog.
    bool reachedEnd() const { return lastReachedEnd; }

    // 0 to 100. At 0, or when the PC has no sound output, the clip plays
    // without any audio output.
    void setVolume(int volume);
    int volume() const { return volumeLevel; }
    // Whether the clip on show has an audio output attached.
    bool hasAudioOutput() const;

    // The picture on show, upright: the clip's latest frame, kept after it
    // ends; null before its first frame (nothing is drawn then, not black).
    QImage shownFrame() const;

    // How long a clip may go without a sign of life (a new frame, or its
    // position moving towards its announced end) before it counts as ended.
    // A clip that plays slowly on a loaded machine is never cut short.
    int silenceTimeout = 3000;

Q_SIGNALS:
    void finished();
    // The first frame of a clip is on screen.
    void firstFrameShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    // A click on a clip that has ended plays it again.
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void endClip(int clip, bool atEnd = false);
    void discardPlayer();

    void takeFrame(const QVideoFrame& videoFrame, int clip);

    AsciiLink links; // ASCII names for files the backend cannot open

    QVideoSink* sink = nullptr;
    QImage frame;      // as decoded
    int turn = 0;      // clockwise degrees the clip's file asks for
    int frameTurn = 0; // what is still to apply to frame
    QString lastPath;
    bool firstFrame = false;
    QMediaPlayer* player = nullptr;
    QTimer watchdog;
    int volumeLevel = 100;
    int clipSerial = 0;
    qint64 lastPosition = 0;
    bool lastReachedEnd = false;
};
