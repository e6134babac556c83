#include "randomint.h"

#include <QRandomGenerator>
#include <ctime>

namespace {
QRandomGenerator& generator()
{
    static QRandomGenerator instance(quint32(std::time(nullptr)));
    return instance;
}
} // namespace

RandomSeeder::RandomSeeder()
{
    generator().seed(quint32(std::time(nullptr)));
}

RandomSeeder::RandomSeeder(quint32 seed)
{
    generator().seed(seed);
}

int randomIntFromDraw(int draw15, int lo, int hi)
{
    return lo + int(double(draw15) * double(hi - lo + 1) / 32768.0);
}

int randomInt(int lo, int hi)
{
    return randomIntFromDraw(int(generator().bounded(32768u)), lo, hi);
}
