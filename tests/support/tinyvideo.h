#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// Writes a small Motion-JPEG .avi (no sound) of solid-colour frames, so that
// tests can play real videos without shipping any.
bool writeTinyVideo(const QString& path, int frames = 5, int fps = 10,
                    QColor colour = QColor(40, 120, 200));

// The same, every frame showing the given picture at its own size.
bool writeTinyVideo(const QString& path, const QImage& picture, int frames = 5, int fps = 10);

// A file with a video name and nonsense inside.
bool writeCorruptVideo(const QString& path);
