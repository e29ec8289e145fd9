#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// The package's config.json and the version arithmetic behind it.
namespace LWPackageConfig {

// Compares dotted version numbers component by component; a missing
// component counts as 0 ("1.2" == "1.2.0"). Non-numeric parts count as 0.
int compareVersions(const QString &a, const QString &b);

// The highest of the versions, "0.0.0" when there is none.
QString highestVersion(const QStringList &versions);

// "<effect name up to its first '_'>_<fresh 32-digit id>": every export gets
// a new identity so the camera never confuses two builds.
QString packageName(const QString &effectName);

// The whole config.json document. bgm is left out when empty.
QJsonObject build(const QString &effectName, const QStringList &requiredVersions, const QJsonArray &links,
                  const QJsonObject &bgm);

// The content file of a feature folder: "config.json" for folders whose name
// starts with "Filter", otherwise "content.json". The engine goes by the
// folder, not by the feature's type.
QString contentFileName(const QString &folderName);

} // namespace LWPackageConfig
