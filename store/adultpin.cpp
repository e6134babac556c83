#include "adultpin.h"

#include "sqlhelpers.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QVariant>

namespace {
const QString kSelect = QStringLiteral(
    "SELECT salt, hash, iterations, failures, locked_until FROM adult_pin ORDER BY id LIMIT 1");
const QString kDelete = QStringLiteral("DELETE FROM adult_pin");
const QString kInsert = QStringLiteral(
    "INSERT INTO adult_pin (salt, hash, iterations) VALUES (:salt, :hash, :iterations)");
const QString kUpdateFailures = QStringLiteral(
    "UPDATE adult_pin SET failures = :failures, locked_until = :locked_until");
constexpr int kSaltBytes = 16;
constexpr int kHashBytes = 32;

struct Stored
{
    QByteArray salt;
    QByteArray hash;
    int iterations = 0;
    int failures = 0;
    QDateTime lockedUntil;
};

bool load(Stored& stored)
{
    QSqlQuery query = SqlHelpers::prepare(kSelect);
    if (!SqlHelpers::execFirstRow(query))
        return false;
    stored.salt = query.value(0).toByteArray();
    stored.hash = query.value(1).toByteArray();
    stored.iterations = query.value(2).toInt();
    stored.failures = query.value(3).toInt();
    stored.lockedUntil = QDateTime::fromString(query.value(4).toString(), Qt::ISODate);
    return true;
}

QByteArray derive(const QString& pin, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, pin.toUtf8(), salt,
                                              iterations, kHashBytes);
}

// Compares without stopping at the first difference.
bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= char(a.at(i) ^ b.at(i));
    return diff == 0;
}

bool storeFailures(int failures, const QDateTime& lockedUntil)
{
    QSqlQuery query = SqlHelpers::prepare(kUpdateFailures);
    query.bindValue(QStringLiteral(":failures"), failures);
    query.bindValue(QStringLiteral(":locked_until"),
                    lockedUntil.isValid() ? lockedUntil.toUTC().toString(Qt::ISODate) : QStringLiteral(""));
    return query.exec();
}
} // namespace

AdultPin::AdultPin(Clock clock)
    : now(std::move(clock))
{
}

bool AdultPin::isAcceptable(const QString& pin)
{
    if (pin.size() < kMinLength)
        return false;
    for (const QChar c : pin) {
        if (!c.isDigit())
            return false;
    }
    return true;
}

bool AdultPin::isSet() const
{
    Stored stored;
    return load(stored);
}

bool AdultPin::set(const QString& pin)
{
    if (!isAcceptable(pin))
        return false;
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), kSaltBytes / 4);
    const QByteArray hash = derive(pin, salt, kIterations);

    QSqlDatabase db = QSqlDatabase::database();
    if (!db.transaction())
        return false;
    QSqlQuery remove = SqlHelpers::prepare(kDelete);
    QSqlQuery insert = SqlHelpers::prepare(kInsert);
    insert.bindValue(QStringLiteral(":salt"), salt);
    insert.bindValue(QStringLiteral(":hash"), hash);
    insert.bindValue(QStringLiteral(":iterations"), kIterations);
    if (remove.exec() && insert.exec() && db.commit())
        return true;
    db.rollback();
    return false;
}

bool AdultPin::clear()
{
    QSqlQuery query = SqlHelpers::prepare(kDelete);
    return query.exec();
}

int AdultPin::lockSecondsLeft() const
{
    Stored stored;
    if (!load(stored) || !stored.lockedUntil.isValid())
        return 0;
    const qint64 left = now().secsTo(stored.lockedUntil);
    return left > 0 ? int(left) : 0;
}

AdultPin::Result AdultPin::check(const QString& pin)
{
    Stored stored;
    if (!load(stored))
        return Result::Accepted;
    if (stored.lockedUntil.isValid() && now() < stored.lockedUntil)
        return Result::Locked;
    if (sameBytes(derive(pin, stored.salt, stored.iterations), stored.hash)) {
        storeFailures(0, QDateTime());
        return Result::Accepted;
    }
    const int failures = stored.failures + 1;
    if (failures >= kTries) {
        storeFailures(0, now().addSecs(kLockSeconds));
        return Result::Locked;
    }
    storeFailures(failures, QDateTime());
    return Result::Refused;
}
