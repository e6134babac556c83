#include "interfacelanguage.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace InterfaceLanguage {

bool prefersCatalan(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        switch (QLocale(name).language()) {
        case QLocale::Catalan: return true;
        case QLocale::Spanish: return false;
        default: break;
        }
    }
    return false;
}

bool loadProgramTranslation(QTranslator* translator, const QStringList& uiLanguages,
                            const QString& translationsDir)
{
    return prefersCatalan(uiLanguages)
        && translator->load(QStringLiteral("OL_catala"), translationsDir);
}

bool loadQtTranslation(QTranslator* translator, const QStringList& uiLanguages)
{
    const QString name = prefersCatalan(uiLanguages) ? QStringLiteral("qtbase_ca") : QStringLiteral("qtbase_es");
    return translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace InterfaceLanguage
