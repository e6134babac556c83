#pragma once

#include <QList>
#include <QString>
#include <QVector>

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
    // The speech itself: 16-bit mono at sampleRate, sample n at n * 1000 /
    // sampleRate ms, the time the phonemes are given in.
    QVector<qint16> samples;
    int sampleRate = 0;
};

// Slow speech, for a child to read the lips and hear each sound: espeak-ng's
// slowest rate, in words per minute (its default is 175).
constexpr int kSpeechRate = 80;

// The Spanish speech synthesizer (espeak-ng, voice "es", slow): the sound of
// a word and the timing of its phonemes. Not thread-safe: use it from one
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
