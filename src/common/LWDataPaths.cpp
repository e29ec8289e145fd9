#include "LWDataPaths.h"

#include <QDir>

namespace LWDataPaths {

namespace {
QString ensured(const QString &path)
{
    QDir().mkpath(path);
    return path;
}
} // namespace

QString dataFolder()
{
    return ensured(QDir::homePath() + QStringLiteral("/Lumeworks"));
}

QString subFolder(const QString &relative)
{
    return ensured(dataFolder() + QLatin1Char('/') + relative);
}

QString crashFolder() { return subFolder(QStringLiteral("crash")); }
QString logFolder() { return subFolder(QStringLiteral("log")); }
QString backupFolder() { return subFolder(QStringLiteral("backup")); }
QString helperPath() { return dataFolder() + QStringLiteral("/LWHelper.exe"); }
QString settingFlagsPath() { return dataFolder() + QStringLiteral("/setting.json"); }
QString recentProjectsPath() { return dataFolder() + QStringLiteral("/projs.json"); }

} // namespace LWDataPaths
