#pragma once

#include <QString>

// The clockwise turn (0, 90, 180 or 270 degrees) that makes a video's
// picture upright, as its file records it: phones store the frames as the
// camera's sensor saw them and the turn in the track's display matrix. 0 for
// a file without one, or one that cannot be read.
int videoRotation(const QString& path);
