#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

// The optional PIN before the adults' entries. Only a salted PBKDF2 hash is
// stored (table adult_pin, one row); without a row there is no protection.
// Three wrong PINs lock the entries for a minute; the count and the lock are
// stored too, so closing the program does not lift them.
class AdultPin
{
public:
    using Clock = std::function<QDateTime()>;
    explicit AdultPin(Clock clock = &QDateTime::currentDateTimeUtc);

    static constexpr int kTries = 3;
    static constexpr int kLockSeconds = 60;
    static constexpr int kIterations = 50000;
    static constexpr int kMinLength = 4;

    enum class Result { Accepted, Refused, Locked };

    bool isSet() const;
    // Replaces any PIN; false when it could not be stored.
    bool set(const QString& pin);
    bool clear();
    Result check(const QString& pin);
    // Seconds until the entries open again; 0 when they are not locked.
    int lockSecondsLeft() const;

    static bool isAcceptable(const QString& pin); // kMinLength or more digits

private:
    Clock now;
};
