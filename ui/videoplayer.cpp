#include "videoplayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPalette>
#include <QUrl>
#include <QVideoWidget>

VideoPlayer::VideoPlayer(QWidget* parent)
    : QWidget(parent)
{
    // Black until the first clip; the video widget, and with it the whole
    // multimedia stack, is only loaded when something plays.
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [this] { endClip(clipSerial); });
}

VideoPlayer::~VideoPlayer()
{
    discardPlayer();
}

bool VideoPlayer::play(const QString& path)
{
    discardPlayer();
    if (path.isEmpty() || !QFile::exists(path))
        return false;

    const int clip = ++clipSerial;
    if (!video) {
        video = new QVideoWidget(this);
        video->setAspectRatioMode(aspectRatioMode);
        video->setGeometry(rect());
        video->show();
    }
    player = new QMediaPlayer(this);
    player->setVideoOutput(video);
    // An audio output without a sound device crashed the FFmpeg backend.
    if (volumeLevel > 0 && !QMediaDevices::audioOutputs().isEmpty()) {
        auto* audio = new QAudioOutput(player);
        audio->setVolume(float(volumeLevel) / 100.0f);
        player->setAudioOutput(audio);
    }

    // Everything the backend reports is handled from the event loop: stopping
    // a player inside its own error signal crashed or blocked both backends.
    const auto statusChanged = [this, clip](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
            endClip(clip);
    };
    connect(player, &QMediaPlayer::mediaStatusChanged, this, statusChanged, Qt::QueuedConnection);
    connect(player, &QMediaPlayer::errorOccurred, this, [this, clip] { endClip(clip); },
            Qt::QueuedConnection);
    connect(player, &QMediaPlayer::durationChanged, this, [this, clip](qint64 duration) {
        // Only a real duration buys more time: a broken file may keep
        // "playing" with a creeping position and no duration.
        if (clip == clipSerial && duration > 0)
            watchdog.start(int(duration) + overrunTimeout);
    }, Qt::QueuedConnection);
    watchdog.start(silenceTimeout);

    player->setSource(QUrl::fromLocalFile(path));
    player->play();
    return true;
}

void VideoPlayer::stop()
{
    discardPlayer();
}

void VideoPlayer::setVolume(int volume)
{
    volumeLevel = qBound(0, volume, 100);
    if (!player)
        return;
    if (QAudioOutput* audio = player->audioOutput())
        audio->setVolume(float(volumeLevel) / 100.0f);
}

void VideoPlayer::setAspectRatioMode(Qt::AspectRatioMode mode)
{
    aspectRatioMode = mode;
    if (video)
        video->setAspectRatioMode(mode);
}

void VideoPlayer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (video)
        video->setGeometry(rect());
}

void VideoPlayer::endClip(int clip)
{
    // A late report of a clip that was stopped or replaced is ignored.
    if (clip != clipSerial || !player)
        return;
    discardPlayer();
    Q_EMIT finished();
}

void VideoPlayer::discardPlayer()
{
    watchdog.stop();
    ++clipSerial;
    if (!player)
        return;
    QMediaPlayer* old = player;
    player = nullptr;
    disconnect(old, nullptr, this, nullptr);
    old->stop();
    old->setVideoOutput(nullptr);
    delete old;
}
