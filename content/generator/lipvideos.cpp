#include "lipvideos.h"

#include "aviwriter.h"
#include "contentsource.h"
#include "packpaths.h"
#include "parallel.h"
#include "stamp.h"

#include <QSize>

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
    if (!word.phonemes.isEmpty())
        keys << Key{qreal(word.phonemes.first().start) - 30, rest};
    for (qsizetype i = 0; i < word.phonemes.size(); ++i) {
        const PhonemeTiming& phoneme = word.phonemes.at(i);
        const int end = i + 1 < word.phonemes.size() ? word.phonemes.at(i + 1).start : word.length;
        const qreal span = qMax(1, end - phoneme.start);
        const MouthShape mouth = visemeFor(phoneme.name);
        keys << Key{phoneme.start + span * 0.3, mouth} << Key{phoneme.start + span * 0.7, mouth};
    }
    keys << Key{qreal(word.length) + 40, rest};

    // Where the first sound that moves the lips starts.
    qreal onset = 0;
    for (const PhonemeTiming& phoneme : word.phonemes) {
        if (!(visemeFor(phoneme.name) == rest)) {
            onset = phoneme.start;
            break;
        }
    }

    const int speechMs = int((word.length - onset) * kLipSlowdown);
    const int total = kLipLeadMs + speechMs + kLipTailMs;
    const int count = total * kLipFps / 1000 + 1;
    QList<MouthShape> track;
    for (int f = 0; f < count; ++f) {
        const qreal t = onset + (f * 1000.0 / kLipFps - kLipLeadMs) / kLipSlowdown;
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
