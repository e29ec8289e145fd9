#include "LWMaterialStore.h"

#include "common/LWDataPaths.h"
#include "common/LWEffectCommon.h"
#include "common/LWFolderUtil.h"
#include "resources/LWResourceManager.h"
#include "workspace/LWEffectPackManager.h"
#include "package/LWZipUtil.h"

#include <QDebug>
#include <QImage>
#include <QSaveFile>

namespace LWMaterialStore {

namespace {

// A material is a few frames of artwork; far less than the packages.
constexpr qint64 kMaxUnpackedBytes = qint64(256) * 1024 * 1024;

ImportResourceParam importParam()
{
    ImportResourceParam param;
    param.returnResourceId = true;
    param.withUndo = false;
    param.addToTree = true;
    return param;
}

bool importSequence(const QString &zipPath, const QString &stem)
{
    // A fresh folder of our own: the unzip empties its target first, and two
    // downloads of materials with one name must not unpack into each other.
    const QString scratch = LWFolderUtil::makeScratchFolder(materialsFolder());
    const QString unpacked = scratch + QLatin1Char('/') + stem;
    bool imported = false;
    if (LWZipUtil::unzip(zipPath, unpacked, kMaxUnpackedBytes)) {
        const int before = LWResourceManager::instance()->recordCount();
        LWEffectPackManager::instance()->importTextureFolderAndReadChildFolderToWorkSpace(unpacked, importParam());
        imported = LWResourceManager::instance()->recordCount() > before;
    } else {
        qWarning().noquote() << "material" << stem << "does not unpack; nothing imported";
    }
    LWFolderUtil::removeFolder(scratch);
    return imported;
}

bool importImage(const QString &pngPath)
{
    if (QImage(pngPath, "PNG").isNull()) {
        qWarning().noquote() << "material" << pngPath << "is not a PNG image; nothing imported";
        return false;
    }
    const int before = LWResourceManager::instance()->recordCount();
    LWEffectPackManager::instance()->importFileToWorkSpaceResource(pngPath, importParam());
    return LWResourceManager::instance()->recordCount() > before;
}

} // namespace

QString materialsFolder()
{
    return LWDataPaths::subFolder(QStringLiteral("materials"));
}

QString iconsFolder()
{
    return LWDataPaths::subFolder(QStringLiteral("materials/icons"));
}

QString fileStem(const QString &name)
{
    // The name comes from the service; "../x" must not leave the cache.
    QString stem = name.trimmed();
    for (QChar &c : stem) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    if (stem == QLatin1String(".") || stem == QLatin1String(".."))
        return QString();
    return stem;
}

QString iconPath(const QString &stem, int type)
{
    return iconsFolder() + QLatin1Char('/') + stem
        + (type == kTypeFrameSequence ? QStringLiteral(".gif") : QStringLiteral(".png"));
}

QString materialPath(const QString &stem, int type)
{
    return materialsFolder() + QLatin1Char('/') + stem
        + (type == kTypeFrameSequence ? QStringLiteral(".zip") : QStringLiteral(".png"));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool importMaterial(const QString &path, const QString &stem, int type)
{
    if (!LWEffectPackManager::instance()->hasProjInWorkSpace()) {
        qWarning().noquote() << "material" << stem << "downloaded, but no project is open to take it";
        return false;
    }
    return type == kTypeFrameSequence ? importSequence(path, stem) : importImage(path);
}

} // namespace LWMaterialStore
