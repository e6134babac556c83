#pragma once

#include <QtGlobal>

// The activities' random numbers (feedback picture, hidden letter).
class RandomSeeder
{
public:
    RandomSeeder();           // seeds the generator once with the current time
    explicit RandomSeeder(quint32 seed);
};

// Uniform over [lo, hi], drawn as lo + trunc(draw * (hi - lo + 1) / 2^15)
// over a 15-bit draw.
int randomInt(int lo, int hi);
int randomIntFromDraw(int draw15, int lo, int hi);
