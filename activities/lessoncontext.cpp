#include "lessoncontext.h"

#include "config.h"
#include "user.h"

LetterRules LessonSettings::letterRules() const
{
    LetterRules rules;
    rules.useCh = useCh;
    rules.useLl = useLl;
    rules.minusCaps = minusCaps;
    rules.firstCaps = firstCaps;
    return rules;
}

LessonSettings LessonSettings::read(const Config& settings, Language* language, const User* user)
{
    // Before a user binds the store, the language-wide rows still apply.
    Config languageWide;
    languageWide.language = language;
    const Config& store = settings.language ? settings : languageWide;
    LessonSettings values;
    if (language) {
        values.useCh = store.get(SettingKey::UseCh, 0) != 0;
        values.useLl = store.get(SettingKey::UseLl, 0) != 0;
        values.useFlus = store.get(SettingKey::UseFlus, 0) != 0;
        values.useLabial = store.get(SettingKey::UseLabial, 0) != 0;
    }
    if (user && settings.language) {
        values.showOrder = settings.get(SettingKey::ShowOrder, user->id);
        values.stopMotion = settings.get(SettingKey::StopMotion, user->id) != 0;
        values.minusCaps = settings.get(SettingKey::UseMinusCaps, user->id) != 0;
        values.firstCaps = settings.get(SettingKey::FirstCaps, user->id) != 0;
        values.sound = settings.get(SettingKey::Sound, user->id) != 0;
        // The volume is the program's, for every child (a language-wide row).
        const int volume = settings.get(SettingKey::Volume, 0);
        values.volume = volume > 0 ? qBound(10, volume, 100) : 80;
        values.listenOnly = values.sound && settings.get(SettingKey::ListenOnly, user->id) != 0;
    }
    return values;
}

QString LessonContext::signsPath() const
{
    return language ? language->mediaPath() + QStringLiteral("Senas/") : QString();
}

QString LessonContext::flusPath() const
{
    return language ? language->mediaPath() + QStringLiteral("Flus/") : QString();
}
