#include "LWFaceMakeupV2PackageCheck.h"

#include "LWFaceMakeupV2FilterKind.h"
#include "common/LWJsonFile.h"
#include "features/LWFeatureModel.h"
#include "package/LWPackageCheck.h"
#include "package/LWPackageConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonArray>
#include <QRect>

namespace LWFaceMakeupV2PackageCheck {

namespace {

const QString kDefaultPicture = QStringLiteral("default_brow_pic");

// A texture whose size the engine fixes: either a picture over the whole
// standard face (cut pictures then have the size of the filter's "rect"),
// or a fixed size.
struct SizeRule
{
    const char *typeKey;
    const char *slotKey;
    QSize fixed; // invalid: the picture covers the filter's rectangle
};

const SizeRule kSizeRules[] = {
    {"mask", "2d_sequence_resources", QSize()},
    {"eye_part", "2d_sequence_resources", QSize()},
    {"brow", "blend_resources", QSize()},
    {"pupil", "blend_resources", QSize(150, 150)},
    {"jiemao_v2", "2d_sequence_resources", QSize(174, 89)},
};

struct FilterContext
{
    QString folder;     // the feature folder, without a trailing "/"
    QString label;      // "FaceMakeupV2/ filter 2 (eye_part)"
    QRect rect;         // the filter's rectangle
    QSize face;         // the standard face
    QStringList *problems;
};

QString frameName(const QJsonObject &record, int frame)
{
    return record.value(QStringLiteral("name")).toString() + QStringLiteral("%1.png").arg(frame, 3, 10, QLatin1Char('0'));
}

// The record's frames that exist, as absolute paths; missing ones reported.
QStringList checkFrames(const FilterContext &filter, const QString &slotKey, const QJsonObject &record)
{
    const QString path = record.value(QStringLiteral("path")).toString();
    const QString folder = QDir::cleanPath(filter.folder + QLatin1Char('/') + path);
    if (!folder.startsWith(QDir::cleanPath(filter.folder) + QLatin1Char('/'))) {
        *filter.problems << QStringLiteral("%1: %2 points outside the feature folder (\"%3\")").arg(filter.label, slotKey, path);
        return {};
    }
    QStringList found;
    const int count = record.value(QStringLiteral("imageCount")).toInt();
    for (int frame = 0; frame < count; ++frame) {
        const QString file = folder + QLatin1Char('/') + frameName(record, frame);
        if (QFileInfo(file).isFile())
            found << file;
        else
            *filter.problems << QStringLiteral("%1: %2 counts %3 frames but %4 is missing")
                                    .arg(filter.label, slotKey)
                                    .arg(count)
                                    .arg(path + frameName(record, frame));
    }
    return found;
}

void checkSizes(const FilterContext &filter, const QString &slotKey, const QStringList &files, QSize fixed)
{
    const QSize wanted = fixed.isValid() ? fixed : filter.rect.size();
    for (const QString &file : files) {
        const QSize size = QImageReader(file).size();
        if (size != wanted)
            *filter.problems << QStringLiteral("%1: %2 %3 is %4 x %5, the engine needs %6 x %7")
                                    .arg(filter.label, slotKey, QFileInfo(file).fileName())
                                    .arg(size.width())
                                    .arg(size.height())
                                    .arg(wanted.width())
                                    .arg(wanted.height());
    }
}

QRect rectOf(const QJsonObject &filter, QSize face)
{
    const QJsonObject rect = filter.value(QStringLiteral("rect")).toObject();
    return QRect(rect.value(QStringLiteral("x")).toInt(0), rect.value(QStringLiteral("y")).toInt(0),
                 rect.value(QStringLiteral("width")).toInt(face.width()),
                 rect.value(QStringLiteral("height")).toInt(face.height()));
}

void checkFilter(FilterContext filter, const QJsonObject &object)
{
    const QString type = object.value(QStringLiteral("filterType")).toString();
    const LWFaceMakeupV2FilterKind *kind = LWFaceMakeupV2FilterKind::find(type);
    if (!kind) {
        *filter.problems << QStringLiteral("%1: unknown filter type \"%2\"").arg(filter.label, type);
        return;
    }
    filter.rect = rectOf(object, filter.face);
    for (const LWFaceMakeupV2FilterKind::ResourceSlot &slot : kind->resources) {
        const QJsonObject record = object.value(slot.key).toObject();
        if (!slot.exported || record.isEmpty())
            continue;
        QStringList files = checkFrames(filter, slot.key, record);
        if (record.value(QStringLiteral("name")).toString() == kDefaultPicture)
            continue;
        for (const SizeRule &rule : kSizeRules) {
            if (type != QLatin1String(rule.typeKey) || slot.key != QLatin1String(rule.slotKey))
                continue;
            if (type == QLatin1String("pupil") && !files.isEmpty())
                files << QFileInfo(files.first()).path() + QLatin1Char('/') + frameName(record, 2);
            checkSizes(filter, slot.key, files, rule.fixed);
            if (!rule.fixed.isValid() && !QRect(QPoint(0, 0), filter.face).contains(filter.rect))
                *filter.problems << QStringLiteral("%1: its rectangle lies outside the %2 x %3 standard face")
                                        .arg(filter.label)
                                        .arg(filter.face.width())
                                        .arg(filter.face.height());
        }
    }
}

void checkMakeup(const QJsonObject &link, const QString &featureFolder, QStringList &problems)
{
    const QString folderName = QFileInfo(featureFolder).fileName();
    const QJsonObject content = LWJsonFile::read(featureFolder + QLatin1Char('/')
                                                 + LWPackageConfig::contentFileName(folderName));
    const QString documentName = content.value(QStringLiteral("content")).toObject().value(QStringLiteral("path")).toString(
        QStringLiteral("makeup.json"));
    const QString label = link.value(QStringLiteral("path")).toString();
    const QJsonObject document = LWJsonFile::read(featureFolder + QLatin1Char('/') + documentName);
    if (document.isEmpty()) {
        problems << QStringLiteral("makeup %1: %2 is missing or unreadable").arg(label, documentName);
        return;
    }
    const QString points = document.value(QStringLiteral("standardFaceKeyPoints")).toString();
    if (points.isEmpty() || !QFileInfo(featureFolder + QLatin1Char('/') + points).isFile())
        problems << QStringLiteral("makeup %1: the key point file \"%2\" is missing").arg(label, points);
    const QJsonObject size = document.value(QStringLiteral("standardFaceSize")).toObject();
    const QSize face(size.value(QStringLiteral("width")).toInt(1280), size.value(QStringLiteral("height")).toInt(1280));
    const QJsonArray filters = document.value(QStringLiteral("filters")).toArray();
    for (int i = 0; i < filters.size(); ++i) {
        const QString type = filters.at(i).toObject().value(QStringLiteral("filterType")).toString();
        FilterContext filter{featureFolder, QStringLiteral("makeup %1 filter %2 (%3)").arg(label).arg(i).arg(type),
                             QRect(), face, &problems};
        checkFilter(filter, filters.at(i).toObject());
    }
}

} // namespace

void check(const QJsonObject &link, const QString &featureFolder, QStringList &problems)
{
    checkMakeup(link, featureFolder, problems);
}

} // namespace LWFaceMakeupV2PackageCheck
