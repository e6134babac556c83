#include "lipvideos.h"

#include "aviwriter.h"
#include "contentsource.h"
#include "packpaths.h"
#include "parallel.h"
#include "stamp.h"

#include <QSize>

#include <algorithm>
#include <cmath>

namespace {
const QSize kVideoSize(320, 240);

struct Key
{
    qreal time; // ms of speech
    MouthShape mouth;
};

qreal smooth(qreal t)
{
    return t * t * (3 - 2 * t);
}

QByteArray describe(const SpokenWord& word)
{
    QByteArray text = QByteArray::number(word.length);
    for (const PhonemeTiming& phoneme : word.phonemes)
        text += ' ' + phoneme.name.toUtf8() + '@' + QByteArray::number(phoneme.start);
    return text;
}
} // namespace

QList<MouthShape> lipTrack(const SpokenWord& word)
{
    // Each sound holds its mouth through the middle of its time; the mouth
    // glides between sounds.
    QList<Key> keys;
    const MouthShape rest;
    // The mouth starts to form the first sound a little before it is heard
    // (voiced sounds are heard a little before their phoneme starts).
    if (!word.phonemes.isEmpty())
        keys << Key{qreal(qMin(word.phonemes.first().start, heardOnset(word))) - kLipAnticipationMs, rest};
    for (qsizetype i = 0; i < word.phonemes.size(); ++i) {
        const PhonemeTiming& phoneme = word.phonemes.at(i);
        const int end = i + 1 < word.phonemes.size() ? word.phonemes.at(i + 1).start : word.length;
        const qreal span = qMax(1, end - phoneme.start);
        const MouthShape mouth = visemeFor(phoneme.name);
        keys << Key{phoneme.start + span * 0.3, mouth} << Key{phoneme.start + span * 0.7, mouth};
    }
    keys << Key{qreal(word.length) + 40, rest};

    const int start = lipStart(word);
    const int total = word.length - start + kLipTailMs;
    const int count = total * kLipFps / 1000 + 1;
    QList<MouthShape> track;
    for (int f = 0; f < count; ++f) {
        const qreal t = start + f * 1000.0 / kLipFps;
        MouthShape mouth = rest;
        for (qsizetype k = 0; k + 1 < keys.size(); ++k) {
            if (t >= keys.at(k).time && t < keys.at(k + 1).time) {
                const qreal span = keys.at(k + 1).time - keys.at(k).time;
                mouth = blendMouths(keys.at(k).mouth, keys.at(k + 1).mouth,
                                    smooth((t - keys.at(k).time) / span));
                break;
            }
        }
        track << mouth;
    }
    return track;
}

int lipOnset(const SpokenWord& word)
{
    for (const PhonemeTiming& phoneme : word.phonemes) {
        if (!(visemeFor(phoneme.name) == MouthShape()))
            return phoneme.start;
    }
    return 0;
}

int audibleOnsetMs(const QVector<qint16>& samples, int sampleRate)
{
    const int window = sampleRate / 200;
    if (window <= 0)
        return -1;
    QList<double> levels;
    for (qsizetype at = 0; at + window <= samples.size(); at += window) {
        double sum = 0;
        for (int n = 0; n < window; ++n)
            sum += double(samples.at(at + n)) * samples.at(at + n);
        levels << std::sqrt(sum / window);
    }
    const double loudest = levels.isEmpty() ? 0 : *std::max_element(levels.cbegin(), levels.cend());
    for (qsizetype i = 0; loudest > 0 && i < levels.size(); ++i) {
        if (levels.at(i) >= loudest / 100)
            return int(i * 5);
    }
    return -1;
}

int heardOnset(const SpokenWord& word)
{
    const int heard = audibleOnsetMs(word.samples, word.sampleRate);
    return heard >= 0 ? heard : lipOnset(word);
}

int lipStart(const SpokenWord& word)
{
    // The first sound heard falls on a frame, so that the frame where the
    // mouth opens and the sound start together; frames before it show the
    // face at rest.
    const int heard = heardOnset(word);
    const int moving = qMin(lipOnset(word), heard);
    const int frame = 1000 / kLipFps;
    int lead = frame;
    while (heard - lead > moving - kLipAnticipationMs)
        lead += frame;
    return heard - lead;
}

QVector<qint16> lipSound(const SpokenWord& word, int frames)
{
    // Frame f shows speech time lipStart + f frame times: the sound is the
    // speech from lipStart on.
    if (word.sampleRate <= 0)
        return {};
    const qint64 length = qint64(frames) * word.sampleRate / kLipFps;
    const qint64 shift = qint64(lipStart(word)) * word.sampleRate / 1000;
    QVector<qint16> sound(length, 0);
    for (qint64 n = 0; n < length; ++n) {
        const qint64 from = n + shift;
        if (from >= 0 && from < word.samples.size())
            sound[n] = word.samples.at(from);
    }
    return sound;
}

bool writeLipVideos(const QString& languageFolder, const ContentSource& source, QString* error)
{
    // The synthesizer runs one word at a time, before the drawing spreads out.
    QList<SpokenWord> spoken;
    {
        SpeechTiming speech;
        if (!speech.isValid()) {
            *error = QStringLiteral("the speech synthesizer espeak-ng (voice \"es\") is not available");
            return false;
        }
        for (const WordEntry& entry : source.words)
            spoken << speech.speak(entry.word);
    }

    return runParallel(int(source.words.size()), [&](int i, QString* failure) {
        const WordEntry& entry = source.words.at(i);
        const QString path = packWordFolder(languageFolder, entry) + WordMedia::Lips;
        const QByteArray key = "lips " + QByteArray::number(kLipVideoVersion) + ' '
            + QByteArray::number(kFacePainterVersion) + ' ' + QByteArray::number(kAviWriterVersion) + ' '
            + entry.word.toUtf8() + ' ' + describe(spoken.at(i));
        Stamp stamp(path, {}, key);
        if (stamp.isCurrent())
            return true;

        const QList<MouthShape> track = lipTrack(spoken.at(i));
        AviWriter writer(kVideoSize, kLipFps, 60);
        writer.setAudio(lipSound(spoken.at(i), int(track.size())), spoken.at(i).sampleRate);
        // A blink in the closing rest keeps the face alive.
        const int blink = int(track.size()) - 4;
        auto blinkAt = [blink](int f) { return f == blink || f == blink + 1 ? 1.0 : 0.0; };
        for (int f = 0; f < track.size();) {
            int run = 1;
            while (f + run < track.size() && track.at(f + run) == track.at(f)
                   && blinkAt(f + run) == blinkAt(f))
                ++run;
            writer.addFrame(faceFrame(track.at(f), blinkAt(f)), run);
            f += run;
        }
        if (!writer.finish(path)) {
            *failure = QStringLiteral("cannot write ") + path;
            return false;
        }
        stamp.write();
        return true;
    }, error);
}
