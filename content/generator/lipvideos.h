#pragma once

#include "facepainter.h"
#include "speechtiming.h"

#include <QList>
#include <QString>

struct ContentSource;

constexpr int kLipVideoVersion = 3;
constexpr int kLipFps = 10;
constexpr qreal kLipSlowdown = 2.5; // slow enough for a child to read the lips
constexpr int kLipLeadMs = 500;
constexpr int kLipTailMs = 700;

// The mouth in every frame of a word's lip video: at rest, then following
// the sounds of the synthesizer slowed down, then at rest again.
QList<MouthShape> lipTrack(const SpokenWord& word);

// Writes "modulacion.avi" into every word's folder.
bool writeLipVideos(const QString& languageFolder, const ContentSource& source, QString* error);
