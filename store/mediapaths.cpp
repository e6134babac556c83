#include "mediapaths.h"

#include <QCoreApplication>
#include <QDir>

namespace MediaPaths {
namespace {
QString& sharedLibrary()
{
    static QString folder;
    return folder;
}
} // namespace

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

QString mediaPath()
{
    return sharedLibrary().isEmpty() ? appDir() + QStringLiteral("/media") : sharedLibrary();
}

QString systemMediaPath()
{
    return mediaPath() + QStringLiteral("/system/");
}

QString languagesPath()
{
    return mediaPath() + QStringLiteral("/languages/");
}

void setMediaLibrary(const QString& folder)
{
    sharedLibrary() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

} // namespace MediaPaths
