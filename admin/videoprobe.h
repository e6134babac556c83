#pragma once

#include <QString>
#include <functional>

// Whether this computer can play a video: the media backend opens it and
// finds a video stream in it. Runs a local event loop for at most timeoutMs.
namespace VideoProbe {

bool canPlay(const QString& path, int timeoutMs = 8000);

// Tests: replaces the backend's answer (an empty function restores it).
void setProbe(const std::function<bool(const QString&)>& probe);

} // namespace VideoProbe
