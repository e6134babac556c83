#include "videoprobe.h"

#include "asciilink.h"

#include <QEventLoop>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

namespace VideoProbe {

namespace {
std::function<bool(const QString&)>& probeHook()
{
    static std::function<bool(const QString&)> hook;
    return hook;
}
} // namespace

void setProbe(const std::function<bool(const QString&)>& probe)
{
    probeHook() = probe;
}

bool canPlay(const QString& path, int timeoutMs)
{
    if (probeHook())
        return probeHook()(path);
    // No audio output and no video output: the backend only opens the file.
    QMediaPlayer player;
    QEventLoop loop;
    bool playable = false;
    // Errors come back queued: the backend may report them from inside
    // setSource(), where the loop is not yet running.
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop,
                     [&](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::LoadedMedia
                             || status == QMediaPlayer::BufferedMedia) {
                             playable = player.hasVideo();
                             loop.quit();
                         } else if (status == QMediaPlayer::InvalidMedia) {
                             loop.quit();
                         }
                     },
                     Qt::QueuedConnection);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    AsciiLink link;
    player.setSource(QUrl::fromLocalFile(link.openable(path, QStringLiteral("probe"))));
    if (player.error() == QMediaPlayer::NoError && player.mediaStatus() != QMediaPlayer::InvalidMedia)
        loop.exec();
    return playable && player.error() == QMediaPlayer::NoError;
}

} // namespace VideoProbe
