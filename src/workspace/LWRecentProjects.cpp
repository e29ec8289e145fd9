#include "LWRecentProjects.h"

#include "common/LWDataPaths.h"
#include "common/LWJsonFile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace LWRecentProjects {

namespace {
const QString kProjs = QStringLiteral("projs");
const QString kDir = QStringLiteral("dir");
const QString kAt = QStringLiteral("at");

QString lastComponent(QString dir)
{
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir.mid(dir.lastIndexOf(QLatin1Char('/')) + 1);
}
} // namespace

void record(const QString &newFolder, const QString &oldFolder)
{
    const QString path = LWDataPaths::recentProjectsPath();
    QJsonObject root = LWJsonFile::read(path);
    const QJsonArray entries = root.value(kProjs).toArray();
    QJsonArray kept;
    QJsonObject updated;
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const QString dir = entry.value(kDir).toString();
        if ((!oldFolder.isEmpty() && dir == oldFolder) || dir == newFolder)
            updated = entry;
        else
            kept.append(value);
    }
    updated.insert(kDir, newFolder);
    updated.insert(kAt, QString::number(QDateTime::currentSecsSinceEpoch()));
    kept.insert(0, updated);
    root.insert(kProjs, kept);
    LWJsonFile::write(path, root);
}

QList<LWProjectInfo> read()
{
    QList<LWProjectInfo> infos;
    const QJsonArray entries = LWJsonFile::read(LWDataPaths::recentProjectsPath()).value(kProjs).toArray();
    for (const QJsonValue &value : entries) {
        if (infos.size() >= kShown)
            break;
        const QJsonObject entry = value.toObject();
        const QString dir = entry.value(kDir).toString();
        if (dir.isEmpty())
            continue;
        LWProjectInfo info;
        info.projName = lastComponent(dir);
        info.projFilePath = dir + QLatin1Char('/') + info.projName + QStringLiteral(".lwproj");
        if (!QFileInfo(info.projFilePath).isFile())
            continue;
        bool ok = false;
        const qint64 at = entry.value(kAt).toString().toLongLong(&ok);
        if (ok)
            info.projTime = QDateTime::fromSecsSinceEpoch(at).toLocalTime().toString(QStringLiteral("yyyy.MM.dd"));
        infos.append(info);
    }
    return infos;
}

} // namespace LWRecentProjects
