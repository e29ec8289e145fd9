#include "LWFuzzPackage.h"

#include "LWFuzzSupport.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>

namespace LWFuzzPackage {

namespace {

bool plainRelative(const QString &path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_./-]{0,80}$"));
    return plain.match(path).hasMatch() && !path.contains(QLatin1String(".."));
}

void writeImage(const QString &path)
{
    if (QFileInfo::exists(path))
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::red);
    image.save(path, "PNG");
}

void collectImages(const QJsonValue &value, const QString &folder, int &budget)
{
    if (budget <= 0)
        return;
    if (value.isString()) {
        const QString text = value.toString();
        if (text.endsWith(QLatin1String(".png")) && plainRelative(text)) {
            writeImage(folder + QLatin1Char('/') + text);
            --budget;
        }
    } else if (value.isArray()) {
        for (const QJsonValue &item : value.toArray())
            collectImages(item, folder, budget);
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        // A frame sequence: {"path": "<folder>/", "name": "<prefix>", ...}.
        const QString path = object.value(QStringLiteral("path")).toString();
        const QString name = object.value(QStringLiteral("name")).toString();
        if (path.endsWith(QLatin1Char('/')) && plainRelative(path + name)) {
            writeImage(folder + QLatin1Char('/') + path + name + QStringLiteral("000.png"));
            --budget;
        }
        for (auto it = object.begin(); it != object.end(); ++it)
            collectImages(it.value(), folder, budget);
    }
}

} // namespace

void addNamedImages(const QJsonValue &document, const QString &folder)
{
    int budget = 8;
    collectImages(document, folder, budget);
}

void addFrameFolders(const QJsonValue &parts, const QString &folder)
{
    const QJsonObject object = parts.toObject();
    int budget = 4;
    for (auto it = object.begin(); it != object.end() && budget > 0; ++it) {
        if (!plainRelative(it.key()) || it.key().contains(QLatin1Char('/')))
            continue;
        writeImage(QStringLiteral("%1/%2/%2_000.png").arg(folder, it.key()));
        --budget;
    }
}

void importSaveAndBuild(const QString &packageFolder, const QString &scratch)
{
    for (const char *area : {"projTemp", "tmpSync", "unzipTmp", "tmp"})
        LWDataPaths::subFolder(QLatin1String(area));
    const QStringList outside = LWFuzz::treeOutside(scratch);
    auto *manager = LWEffectPackManager::instance();
    manager->createProj();
    const QString projectFolder = manager->project()->folder();
    manager->importEffect(packageFolder);
    // The project's own save; the recent list is not a parser's business.
    manager->project()->save();
    const QString package = manager->buildPackage();
    manager->clearWorkspace();
    LWFuzz::drain();
    LWFolderUtil::removeFolder(projectFolder);
    QFile::remove(package);
    // The import keeps its package as it was given.
    for (const QString &entry : LWFuzz::tree(scratch)) {
        if (entry != QLatin1String("package") && !entry.startsWith(QLatin1String("package/")))
            LWFuzz::fail("a file was written beside the package", entry);
    }
    const QStringList after = LWFuzz::treeOutside(scratch);
    if (after != outside) {
        QStringList added = after;
        for (const QString &entry : outside)
            added.removeAll(entry);
        LWFuzz::fail("an import touched files outside the project", added.join(QLatin1Char(' ')));
    }
}

} // namespace LWFuzzPackage
