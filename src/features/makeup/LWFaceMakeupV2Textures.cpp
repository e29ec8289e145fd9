#include "LWFaceMakeupV2Textures.h"

#include "common/LWEffectCommon.h"
#include "resources/LWResourceManager.h"
#include "resources/LWResourceImportService.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <algorithm>

namespace LWFaceMakeupV2Textures {

namespace {

const QString kDefaultPicture = QStringLiteral("default_brow_pic");

ImportResourceParam silentImport()
{
    ImportResourceParam param;
    param.returnResourceId = true;
    // The filter's own creation is the step the author takes back.
    param.withUndo = false;
    // The panel lists resources from the tree: a texture missing there
    // could not be shown as chosen.
    param.addToTree = true;
    return param;
}

QJsonObject record(const QString &path, const QString &name, int count, double interval)
{
    return QJsonObject{{"path", path}, {"name", name}, {"imageCount", count}, {"imageInterval", interval}};
}

QString resourceName(const QString &resourceId, const char *fallback)
{
    const QString name = safeFileName(LWResourceManager::instance()->recordName(resourceId));
    return name.isEmpty() ? QLatin1String(fallback) : name;
}

// Cuts every frame to the rectangle of the first one's visible pixels.
QRect cropFrames(const QStringList &files, bool crop, const QRect &knownCrop)
{
    if (!crop || files.isEmpty())
        return QRect();
    // Pictures cut before (on an earlier export) are already the cut.
    if (knownCrop.isValid())
        return knownCrop;
    QRect rect;
    if (!cropToVisible(files.first(), rect))
        return QRect();
    for (int i = 1; i < files.size(); ++i) {
        const QImage frame(files.at(i));
        if (frame.isNull() || !frame.copy(rect).save(files.at(i), "PNG"))
            qWarning() << "makeup export: frame could not be cut" << files.at(i);
    }
    return rect;
}

Exported exportPicture(const QString &source, const QString &name, const QString &featureFolder, bool crop,
                       const QRect &knownCrop)
{
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return {emptyRecord(), QRect()};
    const QString folderName = name + QLatin1Char('_') + QString::number(QDateTime::currentSecsSinceEpoch());
    const QString folder = featureFolder + QLatin1Char('/') + folderName;
    const QString target = folder + QLatin1Char('/') + name + QStringLiteral("000.png");
    if (!QDir().mkpath(folder) || !writePng(source, target))
        return {emptyRecord(), QRect()};
    return {record(folderName + QLatin1Char('/'), name, 1, 0.05), cropFrames({target}, crop, knownCrop)};
}

Exported exportFrames(const QString &resourceId, const QString &featureFolder, bool crop, const QRect &knownCrop)
{
    const QStringList frames = sortedFrames(LWResourceManager::instance()->frameFileList(resourceId));
    if (frames.isEmpty())
        return {emptyRecord(), QRect()};
    const QString name = resourceName(resourceId, "frames");
    const QString folder = featureFolder + QLatin1Char('/') + name;
    if (!QDir().mkpath(folder))
        return {emptyRecord(), QRect()};
    QStringList written;
    for (const QString &frame : frames) {
        const QString target = QStringLiteral("%1/%2_%3.png").arg(folder, name).arg(written.size(), 3, 10, QLatin1Char('0'));
        if (writePng(frame, target))
            written.append(target);
    }
    if (written.isEmpty())
        return {emptyRecord(), QRect()};
    return {record(name + QLatin1Char('/'), name + QLatin1Char('_'), written.size(), 0.5),
            cropFrames(written, crop, knownCrop)};
}

} // namespace

QJsonObject emptyRecord()
{
    return record(QString(), QString(), 0, 0.05);
}

QStringList pngFiles(const QString &folder)
{
    QStringList files;
    const auto entries = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.suffix().toLower() == QLatin1String("png"))
            files.append(entry.filePath());
    }
    return files;
}

QString importTexture(const QString &file)
{
    return LWResourceImportService::instance()->importFile(file, silentImport());
}

QString importSequence(const QString &folder)
{
    return LWResourceImportService::instance()->importTextureFolder(folder, silentImport());
}

Exported exportResource(const QString &resourceId, const QString &featureFolder, bool crop, const QRect &knownCrop)
{
    LWResourceManager *library = LWResourceManager::instance();
    if (resourceId.isEmpty() || !library->findRecord(resourceId))
        return {emptyRecord(), QRect()};
    if (library->type(resourceId) == LWEffectCommon::LWResourceType2DTextureFrame)
        return exportFrames(resourceId, featureFolder, crop, knownCrop);
    return exportPicture(library->absolutePath(resourceId), resourceName(resourceId, "texture"), featureFolder, crop,
                         knownCrop);
}

QString firstPicturePath(const QString &resourceId)
{
    LWResourceManager *library = LWResourceManager::instance();
    if (resourceId.isEmpty() || !library->findRecord(resourceId))
        return QString();
    if (library->type(resourceId) != LWEffectCommon::LWResourceType2DTextureFrame)
        return library->absolutePath(resourceId);
    const QStringList frames = sortedFrames(library->frameFileList(resourceId));
    return frames.isEmpty() ? QString() : frames.first();
}

QJsonObject exportDefaultPicture(const QString &featureFolder)
{
    const QString folder = featureFolder + QLatin1Char('/') + kDefaultPicture;
    QDir().mkpath(folder);
    if (!writePng(QStringLiteral(":/LWFaceMakeUpV2/res/tranw-brow.png"),
                  folder + QLatin1Char('/') + kDefaultPicture + QStringLiteral("000.png")))
        qWarning() << "makeup export: the default picture could not be written into" << folder;
    return record(kDefaultPicture + QLatin1Char('/'), kDefaultPicture, 1, 0.05);
}

bool cropToVisible(const QString &path, QRect &rect)
{
    const QImage image(path);
    if (image.isNull())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int left = argb.width(), top = argb.height(), right = -1, bottom = -1;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    if (right < 0)
        return false;
    const QRect visible(QPoint(left, top), QPoint(right, bottom));
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    if (!image.copy(visible).save(path, "PNG"))
        return false;
    rect = visible;
    return true;
}

bool writePng(const QString &source, const QString &target)
{
    if (QFileInfo::exists(target)) {
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
        QFile::remove(target);
    }
    bool ok = false;
    if (QFileInfo(source).suffix().toLower() == QLatin1String("png")) {
        ok = QFile::copy(source, target);
    } else {
        // The engine reads PNG only; a JPEG texture is converted.
        const QImage image(source);
        ok = !image.isNull() && image.save(target, "PNG");
    }
    if (!ok) {
        qWarning() << "makeup export: could not write" << target << "from" << source;
        return false;
    }
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return true;
}

QString safeFileName(const QString &name)
{
    QString safe;
    for (const QChar c : name) {
        const bool refused = c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c);
        safe.append(refused ? QLatin1Char('_') : c);
    }
    safe = safe.trimmed();
    if (safe == QLatin1String(".") || safe == QLatin1String(".."))
        return QStringLiteral("_");
    return safe;
}

QStringList sortedFrames(QStringList files)
{
    static const QRegularExpression trailingNumber(QStringLiteral("(\\d+)$"));
    auto number = [](const QString &file) {
        const QRegularExpressionMatch match = trailingNumber.match(QFileInfo(file).completeBaseName());
        return match.hasMatch() ? match.captured(1).toLongLong() : -1;
    };
    std::stable_sort(files.begin(), files.end(), [&number](const QString &a, const QString &b) {
        const qint64 na = number(a);
        const qint64 nb = number(b);
        return na != nb ? na < nb : a < b;
    });
    return files;
}

} // namespace LWFaceMakeupV2Textures
