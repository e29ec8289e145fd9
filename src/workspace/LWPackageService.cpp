#include "LWPackageService.h"

#include "LWEffectModel.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "common/LWJsonFile.h"
#include "package/LWZipUtil.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QUrl>


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

Staged stage(LWEffectModel *effect, const QString &parent)
{
    Staged staged;
    staged.folder = LWFolderUtil::makeScratchFolder(parent);
    staged.ok = QFileInfo(staged.folder).isDir();
    if (staged.ok && effect) {
        LWFolderUtil::DeferredCopies deferred;
        SaveParam param;
        param.path = staged.folder;
        param.bSaveProject = false;
        staged.ok = effect->save(param);
        staged.filesElsewhere = deferred.take();
    }
    return staged;
}

bool writeZip(const Staged &staged, const QString &zipPath, bool keepOldOnFailure)
{
    LWZipUtil::ZipOptions options;
    options.filesElsewhere = staged.filesElsewhere;
    options.modified = QDateTime::currentDateTime();
    options.keepOldOnFailure = keepOldOnFailure;
    const bool ok = staged.ok && LWZipUtil::zipFolder(staged.folder, zipPath, options);
    LWFolderUtil::removeFolder(staged.folder);
    return ok;
}

Result build(LWEffectModel *effect)
{
    const QString syncFolder = LWDataPaths::subFolder(QStringLiteral("tmpSync"));
    const QString zip = syncFolder + QStringLiteral("/lw.zip");
    if (!writeZip(stage(effect, syncFolder), zip, false))
        return failure(QCoreApplication::translate("LWEffectPackManager", "The effect package could not be built."));
    return {zip, QString()};
}

Result exportTo(LWEffectModel *effect, QString target)
{
    if (!target.toLower().endsWith(QLatin1String(".zip")))
        target += QStringLiteral(".zip");
    const Staged staged = stage(effect, LWDataPaths::subFolder(QStringLiteral("tmpSync")));
    if (!staged.ok) {
        LWFolderUtil::removeFolder(staged.folder);
        return failure(QCoreApplication::translate("LWEffectPackManager", "The effect package could not be built."));
    }
    if (!writeZip(staged, target, true))
        return failure(QCoreApplication::translate("LWEffectPackManager", "The package could not be written to %1.").arg(target));
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
