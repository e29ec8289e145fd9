#include "LW2DStickerFrames.h"

#include "common/LWEffectCommon.h"
#include "common/LWFolderUtil.h"
#include "resources/LWResourceManager.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <algorithm>

namespace LW2DStickerFrames {

QString placeholderImage()
{
    return QStringLiteral(":/LW2DSticker/res/2DStickerPlacehold/default2D.png");
}

namespace {

// Frame numbers grow to four digits past 999: "_1000" plays after "_999".
void sortFrames(QStringList &files)
{
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
}

} // namespace

QStringList pngFiles(const QString &folder)
{
    QStringList files;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
            files.append(entry.filePath());
    }
    return files;
}

QSize firstFrameSize(const QString &folder)
{
    const QStringList files = pngFiles(folder);
    return files.isEmpty() ? QSize() : QImageReader(files.first()).size();
}

QStringList resourceFrames(const QString &resourceId)
{
    LWResourceManager *library = LWResourceManager::instance();
    const int type = library->type(resourceId);
    if (type == LWEffectCommon::LWResourceType2DTexture) {
        const QString file = library->absolutePath(resourceId);
        return QFileInfo(file).isFile() ? QStringList{file} : QStringList();
    }
    if (type != LWEffectCommon::LWResourceType2DTextureFrame)
        return {};
    // The library lists a folder in no particular order.
    QStringList frames = library->frameFileList(resourceId);
    sortFrames(frames);
    frames.erase(std::remove_if(frames.begin(), frames.end(), [](const QString &f) { return !QFileInfo(f).isFile(); }),
                 frames.end());
    return frames;
}

bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.startsWith(QLatin1Char(':'));
}

QString safeName(const QString &name)
{
    if (isPlainName(name))
        return name;
    QString safe = name;
    safe.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    if (safe.startsWith(QLatin1Char(':')))
        safe[0] = QLatin1Char('_');
    return isPlainName(safe) ? safe : QStringLiteral("_");
}

QString framePath(const QString &folder, const QString &key, int index)
{
    return QStringLiteral("%1/%2_%3.png").arg(folder, key).arg(index, 3, 10, QLatin1Char('0'));
}

namespace {

bool writeFrame(const QString &source, const QString &target)
{
    QFile::remove(target);
    if (QFileInfo(source).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0) {
        if (!LWFolderUtil::copyFile(source, target))
            return false;
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
        return true;
    }
    // The engine reads PNG frames only.
    const QImage image(source);
    return !image.isNull() && image.save(target, "PNG");
}

} // namespace

int exportFrames(const QStringList &images, const QString &packageFolder, const QString &key)
{
    const QString folder = packageFolder + QLatin1Char('/') + key;
    if (!QDir().mkpath(folder))
        return 0;
    int written = 0;
    for (const QString &image : images) {
        if (writeFrame(image, framePath(folder, key, written)))
            ++written;
        else
            qWarning().noquote() << "2D sticker: frame not exported:" << image;
    }
    return written;
}

bool exportPlaceholder(const QString &packageFolder, const QString &key)
{
    const QString folder = packageFolder + QLatin1Char('/') + key;
    return QDir().mkpath(folder) && writeFrame(placeholderImage(), framePath(folder, key, 0));
}

} // namespace LW2DStickerFrames
