#pragma once

#include <QList>
#include <QString>

// A sound of a spoken word: its IPA name ("a", "tʃ"; empty for a pause) and
// when it starts, in milliseconds from the start of the speech.
struct PhonemeTiming
{
    QString name;
    int start = 0;
};

struct SpokenWord
{
    QList<PhonemeTiming> phonemes;
    int length = 0; // ms, the end of the speech
};

// The Spanish speech synthesizer (espeak-ng, voice "es"), used only for the
// timing of its phonemes: no sound is kept. Not thread-safe: use it from one
// thread only.
class SpeechTiming
{
public:
    SpeechTiming();
    ~SpeechTiming();
    SpeechTiming(const SpeechTiming&) = delete;
    SpeechTiming& operator=(const SpeechTiming&) = delete;

    bool isValid() const { return valid; }
    SpokenWord speak(const QString& text);

private:
    bool valid = false;
};
