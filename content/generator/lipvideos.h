#pragma once

#include "facepainter.h"
#include "speechtiming.h"

#include <QList>
#include <QString>

struct ContentSource;

constexpr int kLipVideoVersion = 4;
constexpr int kLipFps = 10;
constexpr qreal kLipSlowdown = 2.5; // slow enough for a child to read the lips
// The first sound starts one frame in: the first frame already shows the
// face, and the mouth is moving by the second.
constexpr int kLipLeadMs = 100;
constexpr int kLipTailMs = 700;

// The mouth in every frame of a word's lip video: at rest for the first
// frame, then following the sounds of the synthesizer slowed down (the
// silence the synthesizer puts before the first sound left out), then at
// rest again.
QList<MouthShape> lipTrack(const SpokenWord& word);

// Writes "modulacion.avi" into every word's folder.
bool writeLipVideos(const QString& languageFolder, const ContentSource& source, QString* error);
