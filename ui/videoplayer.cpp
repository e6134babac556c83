#include "videoplayer.h"

#include "sounddevice.h"
#include "videorotation.h"

#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QPainter>
#include <QTransform>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>

VideoPlayer::VideoPlayer(QWidget* parent)
    : QWidget(parent)
{
    // Nothing is drawn until a clip gives its first frame (no black box),
    // and its last frame stays when it ends. The multimedia stack is only
    // loaded when something plays.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
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
    lastPath = path;
    lastPosition = 0;
    frame = QImage();
    firstFrame = false;
    turn = videoRotation(path);
    update();
    if (!sink)
        sink = new QVideoSink(this);
    disconnect(sink, nullptr, this, nullptr);
    connect(sink, &QVideoSink::videoFrameChanged, this,
            [this, clip](const QVideoFrame& videoFrame) { takeFrame(videoFrame, clip); });
    player = new QMediaPlayer(this);
    player->setVideoSink(sink);
    // An audio output without a sound device crashed the FFmpeg backend.
    if (volumeLevel > 0 && SoundDevice::available()) {
        auto* audio = new QAudioOutput(player);
        audio->setVolume(float(volumeLevel) / 100.0f);
        player->setAudioOutput(audio);
    }

    // Everything the backend reports is handled from the event loop: stopping
    // a player inside its own error signal crashed or blocked both backends.
    const auto statusChanged = [this, clip](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
            endClip(clip, status == QMediaPlayer::EndOfMedia);
    };
    connect(player, &QMediaPlayer::mediaStatusChanged, this, statusChanged, Qt::QueuedConnection);
    connect(player, &QMediaPlayer::errorOccurred, this, [this, clip] { endClip(clip); },
            Qt::QueuedConnection);
    connect(player, &QMediaPlayer::positionChanged, this, [this, clip](qint64 position) {
        // Only a position moving towards a real duration is a sign of life:
        // a broken file may keep "playing" with a creeping position and no
        // duration, or past its end. (A held picture gives no new frames.)
        if (clip == clipSerial && player && position > lastPosition
            && position < player->duration()) {
            lastPosition = position;
            watchdog.start(silenceTimeout);
        }
    }, Qt::QueuedConnection);

    player->setSource(QUrl::fromLocalFile(
        links.openable(path, QStringLiteral("clip%1").arg(clipSerial % 2))));
    player->play();
    // Counted from here: opening the file above may itself take seconds on
    // a loaded machine.
    watchdog.start(silenceTimeout);
    return true;
}

void VideoPlayer::stop()
{
    discardPlayer();
    frame = QImage();
    lastPath.clear();
    update();
}

void VideoPlayer::setVolume(int volume)
{
    volumeLevel = qBound(0, volume, 100);
    if (!player)
        return;
    if (QAudioOutput* audio = player->audioOutput())
        audio->setVolume(float(volumeLevel) / 100.0f);
}

bool VideoPlayer::hasAudioOutput() const
{
    return player && player->audioOutput();
}

QImage VideoPlayer::shownFrame() const
{
    return frame.isNull() || frameTurn == 0 ? frame
                                            : frame.transformed(QTransform().rotate(frameTurn));
}

void VideoPlayer::takeFrame(const QVideoFrame& videoFrame, int clip)
{
    if (clip != clipSerial || !videoFrame.isValid())
        return;
    const QImage image = videoFrame.toImage();
    if (image.isNull())
        return;
    frame = image;
    watchdog.start(silenceTimeout); // a sign of life
    // A backend that knows the turn has already applied it in toImage().
    frameTurn = videoFrame.rotationAngle() == QVideoFrame::Rotation0 ? turn : 0;
    update();
    if (!firstFrame) {
        firstFrame = true;
        Q_EMIT firstFrameShown();
    }
}

void VideoPlayer::paintEvent(QPaintEvent*)
{
    if (frame.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Scaled as it stands upright, then drawn turned about the centre.
    const bool sideways = frameTurn % 180 != 0;
    const QSize upright = sideways ? frame.size().transposed() : frame.size();
    // Never cropped: a sign cut at the head or the hands is lost.
    QSize size = upright.scaled(this->size(), Qt::KeepAspectRatio);
    if (sideways)
        size.transpose();
    painter.setClipRect(rect());
    painter.translate(width() / 2, height() / 2);
    painter.rotate(frameTurn);
    painter.drawImage(QRect(QPoint(-size.width() / 2, -size.height() / 2), size), frame);
}

void VideoPlayer::mouseReleaseEvent(QMouseEvent*)
{
    if (!player && !lastPath.isEmpty())
        play(lastPath);
}

void VideoPlayer::endClip(int clip, bool atEnd)
{
    // A late report of a clip that was stopped or replaced is ignored.
    if (clip != clipSerial || !player)
        return;
    discardPlayer();
    lastReachedEnd = atEnd;
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
    old->setVideoSink(nullptr);
    delete old;
}
