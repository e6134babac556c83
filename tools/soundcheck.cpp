// Plays one video through the program's player with sound on or off and
// records what the PC plays (an audio input: a PulseAudio null sink's
// monitor), timing the sound against the frames on show, for checking by
// hand that the lip videos speak in step with their mouth:
//   soundcheck VIDEO on|off [INPUT-DEVICE-NAME-PART]
// scripts/soundcheck.sh runs it under Xvfb with a private PulseAudio.
#include "sounddevice.h"
#include "videoplayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioSink>
#include <QAudioSource>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTextStream>
#include <QTimer>

#include <cmath>

namespace {
// Pixels around the mouth that differ from the first frame.
int mouthChange(const QImage& frame, const QImage& rest)
{
    if (frame.size() != rest.size())
        return 0;
    int count = 0;
    for (int y = 150; y < qMin(230, frame.height()); ++y) {
        for (int x = 100; x < qMin(220, frame.width()); ++x) {
            const QRgb a = frame.pixel(x, y);
            const QRgb b = rest.pixel(x, y);
            if (qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) > 60)
                ++count;
        }
    }
    return count;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 3) {
        out << "usage: soundcheck VIDEO on|off [INPUT]\n";
        return 2;
    }
    const QString video = QString::fromLocal8Bit(argv[1]);
    const bool soundOn = qstrcmp(argv[2], "on") == 0;
    const QString inputName = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("monitor");

    QAudioDevice input;
    for (const QAudioDevice& device : QMediaDevices::audioInputs()) {
        out << "input: " << device.id() << " (" << device.description() << ")\n";
        if (device.description().contains(inputName, Qt::CaseInsensitive)
            || device.id().contains(inputName.toUtf8()))
            input = device;
    }
    out << "sound outputs: " << QMediaDevices::audioOutputs().size()
        << ", output available: " << (SoundDevice::available() ? "yes" : "no")
        << ", recording from: " << (input.isNull() ? QStringLiteral("nothing") : input.description()) << "\n";
    if (input.isNull())
        return 1;

    QAudioFormat format;
    format.setSampleRate(22050);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    QAudioSource source(input, format);
    source.setBufferSize(22050 / 50 * 2); // 20 ms
    QElapsedTimer clock;
    QList<QPair<qint64, QByteArray>> chunks; // arrival time, data
    QIODevice* recording = source.start();
    clock.start();
    QObject::connect(recording, &QIODevice::readyRead, &app,
                     [&] { chunks << qMakePair(clock.nsecsElapsed() / 1000, recording->readAll()); });

    VideoPlayer player;
    player.resize(320, 240);
    player.show();
    player.setVolume(soundOn ? 100 : 0);
    QImage rest;
    qint64 openAt = -1;
    bool attached = false;
    QObject::connect(&player, &VideoPlayer::firstFrameShown, &app, [&] {
        rest = player.shownFrame();
        attached = player.hasAudioOutput();
    });
    // The frame on show is sampled often: its changes give the frame times.
    QTimer frames;
    QObject::connect(&frames, &QTimer::timeout, &app, [&] {
        if (openAt < 0 && !rest.isNull() && mouthChange(player.shownFrame(), rest) > 20)
            openAt = clock.nsecsElapsed() / 1000;
    });
    frames.start(2);
    // "calibrate": a tone written straight to the output at a known time
    // instead of a video, for the delay of the output and the recording.
    QAudioSink sink(QMediaDevices::defaultAudioOutput(), format);
    QByteArray tone(22050 / 5 * 2, '\0');
    for (int n = 0; n < 22050 / 5; ++n)
        reinterpret_cast<qint16*>(tone.data())[n] = qint16(8000 * std::sin(n * 2 * M_PI * 440 / 22050));
    QBuffer toneBuffer(&tone);
    qint64 toneAt = -1;
    if (video == QLatin1String("calibrate")) {
        QIODevice* toneOut = sink.start();
        QTimer::singleShot(1000, &app, [&, toneOut] {
            toneAt = clock.nsecsElapsed() / 1000;
            const qint64 written = toneOut->write(tone);
            out << "tone: " << written << " bytes written, sink state " << int(sink.state())
                << " error " << int(sink.error()) << " buffer " << sink.bufferSize() << "\n";
        });
        QTimer::singleShot(3000, &app, &QCoreApplication::quit);
    } else {
        QTimer::singleShot(500, &app, [&] { player.play(video); });
    }
    QObject::connect(&player, &VideoPlayer::finished, &app, [&] {
        out << "audio output attached: " << (attached ? "yes" : "no") << "\n";
        QTimer::singleShot(500, &app, &QCoreApplication::quit);
    });
    QTimer::singleShot(20000, &app, &QCoreApplication::quit);
    app.exec();
    source.stop();

    // The recording: loudness per 5 ms, the onset at -40 dB of the loudest
    // (a buffer's samples end when it arrives).
    QList<QPair<qint64, qint16>> samples;
    for (const auto& chunk : chunks) {
        const int count = int(chunk.second.size() / 2);
        for (int n = 0; n < count; ++n) {
            const qint64 at = chunk.first - qint64(count - n) * 1000000 / 22050;
            samples << qMakePair(at, reinterpret_cast<const qint16*>(chunk.second.constData())[n]);
        }
    }
    double loudest = 0, total = 0;
    QList<QPair<qint64, double>> levels;
    for (qsizetype at = 0; at + 110 <= samples.size(); at += 110) {
        double sum = 0;
        for (int n = 0; n < 110; ++n)
            sum += double(samples.at(at + n).second) * samples.at(at + n).second;
        const double level = std::sqrt(sum / 110);
        levels << qMakePair(samples.at(at).first, level);
        loudest = qMax(loudest, level);
        total += sum;
    }
    qint64 onset = -1;
    for (const auto& level : levels) {
        if (loudest > 30 && level.second >= loudest / 100) {
            onset = level.first;
            break;
        }
    }
    out << "recorded: " << samples.size() << " samples, loudest 5 ms RMS " << qRound(loudest)
        << ", whole RMS " << qRound(samples.isEmpty() ? 0.0 : std::sqrt(total / samples.size())) << "\n";
    out << "first open-mouth frame on screen at " << (openAt < 0 ? -1 : openAt / 1000) << " ms\n";
    out << "sound onset recorded at " << (onset < 0 ? -1 : onset / 1000) << " ms\n";
    if (toneAt >= 0)
        out << "tone written at " << toneAt / 1000 << " ms\n";
    if (onset >= 0 && openAt >= 0)
        out << "sound minus picture: " << (onset - openAt) / 1000 << " ms\n";
    return 0;
}
