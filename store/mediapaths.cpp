#include "mediapaths.h"

#include <QCoreApplication>

namespace MediaPaths {

QString appDir()
{
    const QString home = qEnvironmentVariable("ONDALIRA_HOME");
    if (!home.isEmpty())
        return home.endsWith(QLatin1Char('/')) ? home.chopped(1) : home;
    return QCoreApplication::applicationDirPath();
}

QString databasePath()
{
    return appDir() + QStringLiteral("/data/bd");
}

QString translationsPath()
{
    return appDir() + QStringLiteral("/translations");
}

QString systemMediaPath()
{
    return appDir() + QStringLiteral("/media/system/");
}

QString languagesPath()
{
    return appDir() + QStringLiteral("/media/languages/");
}

} // namespace MediaPaths
