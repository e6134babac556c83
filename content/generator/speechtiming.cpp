#include "speechtiming.h"

#include <espeak-ng/speak_lib.h>

namespace {
SpokenWord* collecting = nullptr;

int sampleRate = 0;

int collect(short* wave, int count, espeak_EVENT* events)
{
    if (collecting && wave && count > 0)
        collecting->samples.append(QVector<qint16>(wave, wave + count));
    for (espeak_EVENT* event = events; event->type != espeakEVENT_LIST_TERMINATED; ++event) {
        if (!collecting)
            break;
        if (event->type == espeakEVENT_PHONEME) {
            PhonemeTiming phoneme;
            phoneme.name = QString::fromUtf8(event->id.string, int(qstrnlen(event->id.string, 8)));
            phoneme.start = event->audio_position;
            collecting->phonemes << phoneme;
        } else if (event->type == espeakEVENT_MSG_TERMINATED || event->type == espeakEVENT_END) {
            collecting->length = qMax(collecting->length, event->audio_position);
        }
    }
    return 0;
}
} // namespace

SpeechTiming::SpeechTiming()
{
    // The library starts once per process: starting it again after
    // espeak_Terminate() hangs, so it is never terminated.
    static const bool started = [] {
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                           espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_PHONEME_IPA
                                               | espeakINITIALIZE_DONT_EXIT);
        sampleRate = rate;
        const bool ok = rate > 0 && espeak_SetVoiceByName("es") == EE_OK
                        && espeak_SetParameter(espeakRATE, kSpeechRate, 0) == EE_OK;
        if (ok)
            espeak_SetSynthCallback(collect);
        return ok;
    }();
    valid = started;
}

SpeechTiming::~SpeechTiming() = default;

SpokenWord SpeechTiming::speak(const QString& text)
{
    SpokenWord word;
    if (!valid)
        return word;
    word.sampleRate = sampleRate;
    collecting = &word;
    const QByteArray utf8 = text.toUtf8();
    espeak_Synth(utf8.constData(), size_t(utf8.size() + 1), 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                 nullptr, nullptr);
    espeak_Synchronize();
    collecting = nullptr;
    for (const PhonemeTiming& phoneme : word.phonemes)
        word.length = qMax(word.length, phoneme.start);
    return word;
}
