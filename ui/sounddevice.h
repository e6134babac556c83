#pragma once

#include <functional>

// Whether the PC has a sound output. Qt 6.4's FFmpeg media backend crashes
// in its audio thread when a player with an audio output plays a clip with
// sound and no device exists, so nothing attaches an audio output unless
// this says yes.
namespace SoundDevice {
bool available();
// Replaces the check (an empty function restores the real one): for tests
// and for a setting that silences the program.
void setCheck(std::function<bool()> check);
} // namespace SoundDevice
