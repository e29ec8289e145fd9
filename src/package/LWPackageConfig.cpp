#include "LWPackageConfig.h"

#include "common/LWFolderUtil.h"

#include <QVector>

namespace LWPackageConfig {

namespace {
QVector<int> components(const QString &version)
{
    QVector<int> parts;
    const auto pieces = version.split(QLatin1Char('.'));
    for (const QString &piece : pieces)
        parts.append(piece.trimmed().toInt());
    return parts;
}
} // namespace

int compareVersions(const QString &a, const QString &b)
{
    const QVector<int> left = components(a);
    const QVector<int> right = components(b);
    const int count = qMax(left.size(), right.size());
    for (int i = 0; i < count; ++i) {
        const int l = i < left.size() ? left.at(i) : 0;
        const int r = i < right.size() ? right.at(i) : 0;
        if (l != r)
            return l < r ? -1 : 1;
    }
    return 0;
}

QString highestVersion(const QStringList &versions)
{
    QString highest = QStringLiteral("0.0.0");
    for (const QString &version : versions) {
        if (!version.isEmpty() && compareVersions(version, highest) > 0)
            highest = version;
    }
    return highest;
}

QString packageName(const QString &effectName)
{
    return effectName.section(QLatin1Char('_'), 0, 0) + QLatin1Char('_') + LWFolderUtil::newScratchName();
}

QJsonObject build(const QString &effectName, const QStringList &requiredVersions, const QJsonArray &links,
                  const QJsonObject &bgm)
{
    QJsonObject effect{{QStringLiteral("Link"), links}};
    if (!bgm.isEmpty())
        effect.insert(QStringLiteral("bgm"), bgm);
    return QJsonObject{{QStringLiteral("name"), packageName(effectName)},
                       {QStringLiteral("version"), highestVersion(requiredVersions)},
                       {QStringLiteral("effect"), effect}};
}

QString contentFileName(const QString &folderName)
{
    return folderName.startsWith(QLatin1String("Filter")) ? QStringLiteral("config.json")
                                                          : QStringLiteral("content.json");
}

} // namespace LWPackageConfig
