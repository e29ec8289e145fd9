#include "LW2DStickerPackageCheck.h"

#include "LW2DStickerFrames.h"
#include "common/LWJsonFile.h"
#include "features/LWFeatureModel.h"
#include "inspector/LWPropIntViewModel.h"
#include "package/LWPackageCheck.h"
#include "package/LWPackageConfig.h"

#include <QFileInfo>
#include <QImageReader>
#include <cmath>

namespace LW2DStickerPackageCheck {

namespace {

void checkPart(const QString &prefix, const QString &featureFolder, const QString &key, const QJsonObject &part,
               QStringList &problems)
{
    if (!LW2DStickerFrames::isPlainName(key)) {
        problems << QStringLiteral("%1: part \"%2\" does not name a folder inside the feature").arg(prefix, key);
        return;
    }
    const QString folder = featureFolder + QLatin1Char('/') + key;
    if (!QFileInfo(folder).isDir()) {
        problems << QStringLiteral("%1: frame folder %2 is missing").arg(prefix, key);
        return;
    }
    const int frameCount = LWPropIntViewModel::toInt(part.value(QLatin1String("frameCount")), 0);
    int present = 0;
    while (QFileInfo(LW2DStickerFrames::framePath(folder, key, present)).isFile())
        ++present;
    if (present != frameCount)
        problems << QStringLiteral("%1: part %2 has frameCount %3 but its folder holds %4 numbered frames (%5_000.png ...)")
                        .arg(prefix, key)
                        .arg(frameCount)
                        .arg(present)
                        .arg(key);
    const int width = int(std::lround(part.value(QLatin1String("width")).toDouble(300.0)));
    const int height = int(std::lround(part.value(QLatin1String("height")).toDouble(300.0)));
    for (int i = 0; i < present; ++i) {
        const QString frame = LW2DStickerFrames::framePath(folder, key, i);
        const QSize size = QImageReader(frame).size();
        if (size.isValid() && size != QSize(width, height)) {
            problems << QStringLiteral("%1: frame %2 is %3 x %4 but part %5 is %6 x %7")
                            .arg(prefix, QFileInfo(frame).fileName())
                            .arg(size.width())
                            .arg(size.height())
                            .arg(key)
                            .arg(width)
                            .arg(height);
            break; // one line per part is enough to find it
        }
    }
}

} // namespace

void check(const QJsonObject &link, const QString &featureFolder, QStringList &problems)
{
    const QString prefix = QStringLiteral("feature %1").arg(link.value(QLatin1String("type")).toString());
    const QString folderName = QFileInfo(featureFolder).fileName();
    const QJsonObject content =
        LWJsonFile::read(featureFolder + QLatin1Char('/') + LWPackageConfig::contentFileName(folderName));
    const QString named =
        content.value(QLatin1String("content")).toObject().value(QLatin1String("path")).toString();
    if (named.isEmpty() || !LW2DStickerFrames::isPlainName(named))
        return;
    // A missing document is an empty sticker: nothing to check.
    const QJsonObject document = LWJsonFile::read(featureFolder + QLatin1Char('/') + named);
    const QJsonObject parts = document.value(QLatin1String("parts")).toObject();
    for (auto it = parts.begin(); it != parts.end(); ++it)
        checkPart(prefix, featureFolder, it.key(), it.value().toObject(), problems);
}

} // namespace LW2DStickerPackageCheck
