#include "LWFaceMakeUpV2FilterPupil.h"

#include "LWFaceMakeupV2Textures.h"

#include <QFileInfo>

namespace {

const QString kPictureKey = QStringLiteral("blend_resources");
const QString kMaskKey = QStringLiteral("mask_resources");
const QString kReflectionKey = QStringLiteral("reflect_resources");

// A frame of an exported record, inside the feature folder.
QString frameFile(const QString &featureFolder, const QJsonObject &record, const char *number)
{
    return featureFolder + QLatin1Char('/') + record.value(QStringLiteral("path")).toString()
           + record.value(QStringLiteral("name")).toString() + QLatin1String(number) + QStringLiteral(".png");
}

bool hasFrames(const QJsonObject &record)
{
    return record.value(QStringLiteral("imageCount")).toInt() > 0;
}

} // namespace

void LWFaceMakeUpV2FilterPupil::importResources(QStringList &usedFolders)
{
    LWFaceMakeupV2FilterBase::importResources(usedFolders);
    // The second picture of the pupil's folder is its reflection.
    bool fromFeatureFolder = false;
    const QString folder = resolveFolder(filterValue().value(kPictureKey), &fromFeatureFolder);
    const QStringList files = LWFaceMakeupV2Textures::pngFiles(folder);
    if (files.size() < 2)
        return;
    const QString id = LWFaceMakeupV2Textures::importTexture(files.at(1));
    if (id.isEmpty())
        return;
    setResourceId(kReflectionKey, id);
    if (fromFeatureFolder)
        usedFolders.append(folder);
}

void LWFaceMakeUpV2FilterPupil::exportResources(QJsonObject &filter, const QString &featureFolder, QRect &rect)
{
    LWFaceMakeupV2FilterBase::exportResources(filter, featureFolder, rect);
    const QJsonObject picture = filter.value(kPictureKey).toObject();
    if (hasFrames(picture)) {
        // The reflection travels as frame 002 beside the pupil; the engine
        // needs one even when the author chose none.
        QString reflection = LWFaceMakeupV2Textures::firstPicturePath(resourceId(kReflectionKey));
        if (!QFileInfo(reflection).isFile())
            reflection = QStringLiteral(":/LWFaceMakeUpV2/res/tranw-brow.png");
        LWFaceMakeupV2Textures::writePng(reflection, frameFile(featureFolder, picture, "002"));
        return;
    }
    const QJsonObject mask = filter.value(kMaskKey).toObject();
    if (hasFrames(mask))
        LWFaceMakeupV2Textures::writePng(QStringLiteral(":/LWFaceMakeUpV2/res/blackmask.png"),
                                        frameFile(featureFolder, mask, "000"));
}
