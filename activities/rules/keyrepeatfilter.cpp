#include "keyrepeatfilter.h"

void KeyRepeatFilter::pressed(int key, unsigned long time, bool autoRepeat)
{
    KeyState& state = keys[key];
    const bool repeated = autoRepeat || (state.released && time == state.releaseTime);
    if (!repeated)
        state.counted = false;
    state.pressSeen = true;
}

bool KeyRepeatFilter::released(int key, unsigned long time, bool autoRepeat)
{
    KeyState& state = keys[key];
    const bool counts = state.pressSeen ? !state.counted : !autoRepeat;
    if (counts)
        state.counted = true;
    state.pressSeen = false;
    state.released = true;
    state.releaseTime = time;
    return counts;
}
