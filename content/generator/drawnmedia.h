#pragma once

#include <QString>

struct ContentSource;

// Every drawn medium of the pack: hand signs, sign and lip videos, start-up
// videos, stories and the manual. Each step keeps its outputs when they are
// current.
bool writeDrawnMedia(const QString& sourceDir, const QString& homeDir, const ContentSource& source,
                     QString* error);
