#pragma once

#include <QHash>

// Tells a key the child pressed from the copies its auto-repeat sends while
// it is held. An X server repeats a held key as a release and a press with
// one time stamp, and Qt flags them as auto-repeated only when the press is
// already queued behind the release: under load it is not, so the time
// stamps decide too. A held key counts once, at the first release after a
// fresh press, whether or not that release was flagged.
class KeyRepeatFilter
{
public:
    void pressed(int key, unsigned long time, bool autoRepeat);
    // True when this release counts as a key of its own. A release whose
    // press went elsewhere (a dialog that closed on it) counts unless it is
    // flagged as repeated.
    bool released(int key, unsigned long time, bool autoRepeat);

private:
    struct KeyState
    {
        bool pressSeen = false; // a press since the last release
        bool counted = false;   // this press and its repeats have counted
        bool released = false;
        unsigned long releaseTime = 0;
    };
    QHash<int, KeyState> keys;
};
