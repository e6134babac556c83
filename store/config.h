#pragma once

#include "language.h"

#include <QString>

// Setting keys: per user, and language-wide ones stored under user id 0.
namespace SettingKey {
inline const QString Letter = QStringLiteral("letter");
inline const QString Category = QStringLiteral("category");
inline const QString ShowOrder = QStringLiteral("show-order");
inline const QString FirstCaps = QStringLiteral("first-caps");
inline const QString StopMotion = QStringLiteral("stop-motion");
inline const QString UseMinusCaps = QStringLiteral("use-minus-caps");
inline const QString UseCh = QStringLiteral("use-ch");
inline const QString UseLl = QStringLiteral("use-ll");
inline const QString UseFlus = QStringLiteral("use-flus");
inline const QString UseLabial = QStringLiteral("use-labial");
// Sound (off by default): the videos with their sound at the user's volume
// (10 to 100; absent: 80); listen-only asks some questions by sound alone.
inline const QString Sound = QStringLiteral("sound");
inline const QString Volume = QStringLiteral("volume");
inline const QString ListenOnly = QStringLiteral("listen-only");
inline const QString StrictFilterShow = QStringLiteral("strict-filter-show");
} // namespace SettingKey

// The settings store: small integer settings per user and language, and the
// current user's letter and category filters.
class Config
{
public:
    bool set(const QString& key, int data, int idUser); // false: not stored
    // The one value of a key (set() adds a row beside the others).
    bool replace(const QString& key, int data, int idUser);
    bool has(const QString& key, int data, int idUser) const;
    int get(const QString& key, int idUser) const; // 0 when absent
    QString showOrder(int idUser) const;
    void loadFilters(int idUser);
    bool reset(int idUser);

    // The strict letter check for letters chosen by name.
    bool isLetterAllowed(int letterId) const;

    // "wiv", "wvi", "iwv", "ivw", "vwi", else "viw".
    static QString showOrderCode(int index);

    Language* language = nullptr;
    QString categoryFilter;
    QString letterFilter;
};
