#pragma once

#include <QImage>
#include <QString>

constexpr int kSplashVersion = 2;

// The two full-window start-up videos: "ui/splash-institucional.avi" (the
// name and what it is for) and "ui/splash-programa.avi" (the title spelled
// by hands that come in one by one). 1024 x 600, 4 s each.
QImage institutionalSplashFrame(qreal seconds);
QImage programmeSplashFrame(qreal seconds);

bool writeSplashVideos(const QString& systemFolder, QString* error);
