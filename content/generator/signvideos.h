#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

struct ContentSource;

constexpr int kSignVideoVersion = 1;

// One frame of a fingerspelled word: the hand of frame `letter` (an index
// into the word's frames) at `phase` of its movement, the letter named under
// it and the word with that letter highlighted. 320 x 240.
QImage signVideoFrame(const QString& word, const QStringList& frames, int letter, qreal phase);

// Writes "sena.avi" into every word's folder.
bool writeSignVideos(const QString& languageFolder, const ContentSource& source, QString* error);
