#include "LWPackageService.h"

#include "LWEffectModel.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "common/LWJsonFile.h"
#include "package/LWZipUtil.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>

namespace LWPackageService {

namespace {

Result failure(const QString &problem)
{
    return {QString(), problem};
}

// "qrc:/x" names the resource ":/x"; "file:" URLs name local files.
QString packagePath(const QString &pathOrUrl)
{
    if (pathOrUrl.startsWith(QLatin1String("qrc:")))
        return QLatin1Char(':') + QUrl(pathOrUrl).path();
    if (pathOrUrl.startsWith(QLatin1String("file:")))
        return QUrl(pathOrUrl).toLocalFile();
    return pathOrUrl;
}

} // namespace

Result build(LWEffectModel *effect)
{
    const QString syncFolder = LWDataPaths::subFolder(QStringLiteral("tmpSync"));
    const QString scratch = LWFolderUtil::makeScratchFolder(syncFolder);
    bool ok = true;
    if (effect) {
        SaveParam param;
        param.path = scratch;
        param.bSaveProject = false;
        ok = effect->save(param);
    }
    const QString zip = syncFolder + QStringLiteral("/lw.zip");
    ok = ok && LWZipUtil::zipFolder(scratch, zip);
    LWFolderUtil::removeFolder(scratch);
    if (!ok)
        return failure(QCoreApplication::translate("LWEffectPackManager", "The effect package could not be built."));
    return {zip, QString()};
}

Result exportTo(LWEffectModel *effect, QString target)
{
    if (!target.toLower().endsWith(QLatin1String(".zip")))
        target += QStringLiteral(".zip");
    const Result package = build(effect);
    if (!package.ok())
        return package;
    // Copy beside the target and rename, so a failed copy never leaves the
    // author with half a package where the old one was.
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(package.path, partial))
        return failure(QCoreApplication::translate("LWEffectPackManager", "The package could not be written to %1.").arg(target));
    // rename(2) replaces the old package in one step: there is always
    // either the old one or the new one at the target.
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(partial);
        return failure(QCoreApplication::translate("LWEffectPackManager", "The package could not be written to %1.").arg(target));
    }
    return {target, QString()};
}

Result readConfig(const QString &folder, QJsonObject *config)
{
    *config = LWJsonFile::read(folder + QStringLiteral("/config.json"));
    if (config->isEmpty())
        return failure(QCoreApplication::translate("LWEffectPackManager", "%1 holds no effect package (no config.json).").arg(folder));
    return {folder, QString()};
}

Result unpack(const QString &zipPathOrUrl)
{
    const QString source = packagePath(zipPathOrUrl);
    const QFileInfo info(source);
    const QString unzipRoot = LWDataPaths::subFolder(QStringLiteral("unzipTmp"));
    const QString scratch = LWFolderUtil::makeScratchFolder(unzipRoot);
    const QString copy = unzipRoot + QLatin1Char('/') + info.fileName();
    QFile::remove(copy);
    Result result{scratch, QString()};
    if (!QFile::copy(source, copy))
        result.problem = QCoreApplication::translate("LWEffectPackManager", "The package %1 could not be read.").arg(source);
    else if (!LWZipUtil::unzip(copy, scratch))
        // A package with refused or damaged entries is not taken in part.
        result.problem = QCoreApplication::translate("LWEffectPackManager", "The package %1 is damaged or unsafe and was not imported.").arg(info.fileName());
    QFile::remove(copy);
    if (!result.ok()) {
        LWFolderUtil::removeFolder(scratch);
        result.path.clear();
    }
    return result;
}

} // namespace LWPackageService
