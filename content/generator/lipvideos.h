#pragma once

#include "facepainter.h"
#include "speechtiming.h"

#include <QList>
#include <QString>

struct ContentSource;

constexpr int kLipVideoVersion = 10;
constexpr int kLipFps = 10;
constexpr int kLipTailMs = 700;
// How long before its first sound the mouth starts to move.
constexpr int kLipAnticipationMs = 50;

// The mouth in every frame of a word's lip video: at rest for the first
// frame, then following the sounds of the synthesizer in real time (its
// speech is slow, kSpeechRate; the silence it puts before the first sound
// left out), then at rest again.
QList<MouthShape> lipTrack(const SpokenWord& word);
// Where the first sound that moves the lips starts, in ms of speech.
int lipOnset(const SpokenWord& word);
// Where a sound is first heard, in ms: the first 5 ms whose loudness
// reaches a hundredth (-40 dB) of the loudest 5 ms; -1 for silence.
int audibleOnsetMs(const QVector<qint16>& samples, int sampleRate);
// Where the spoken word is first heard (its first phoneme without sound).
int heardOnset(const SpokenWord& word);
// The speech time (ms) that the first frame shows: the first sound heard
// falls exactly on a later frame, one or more frame times in.
int lipStart(const SpokenWord& word);
// The word's sound for a video of `frames` frames made by lipTrack(), in
// step with its mouth; silence before and after.
QVector<qint16> lipSound(const SpokenWord& word, int frames);

// Writes "modulacion.avi", the mouth and the spoken word, into every word's
// folder.
bool writeLipVideos(const QString& languageFolder, const ContentSource& source, QString* error);
