#include "LWFilterModel.h"

#include "inspector/LWPropChoiceViewModel.h"

#include "features/LWFeatureKind.h"
#include "common/LWFolderUtil.h"
#include "common/LWJsonFile.h"
#include "features/LWFeatureFactory.h"
#include "inspector/LWInspectorViewModel.h"
#include "resources/LWResourceImporter.h"
#include "resources/LWResourceManager.h"
#include "features/filter/LWFilterSceneViewModel.h"
#include "package/LWPackageCheck.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

const QString kTemplateLookup = QStringLiteral(":/FeatureTemplates/Filter/default.png");
const QString kBuiltInLookup = QStringLiteral(":/LWViewCommon/images/default_lut.png");
const QString kRenameId = QStringLiteral("menuItemRename");
const char *const kSuffixOrder[] = {"png", "jpg", "jpeg"};

QJsonObject filterRecordOf(const QJsonObject &content)
{
    return content.value(QStringLiteral("content")).toObject().value(QStringLiteral("filter")).toObject();
}

// "file_type" of a lookup image: the engine decodes PNG (0) and anything
// else as a photo format (1).
int fileTypeOf(const QString &suffix)
{
    return suffix == QLatin1String("png") ? 0 : 1;
}

bool copyInto(const QString &source, const QString &target)
{
    QFile::remove(target);
    if (!LWFolderUtil::copyFile(source, target))
        return false;
    // Copies out of the program's resources come read-only.
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return true;
}

void checkFilterFolder(const QJsonObject &link, const QString &folder, QStringList &problems)
{
    const QString type = link.value(QStringLiteral("type")).toString();
    const QStringList candidates = LWFilterModel::lookupImageCandidates(folder);
    if (candidates.isEmpty()) {
        problems << QStringLiteral("feature %1: no lookup image (filter/filter.png, .jpg or .jpeg)").arg(type);
        return;
    }
    const QDir root(folder);
    for (const QString &candidate : candidates) {
        const QString relative = root.relativeFilePath(candidate);
        const QSize size = LWFilterModel::imageSize(candidate);
        if (!size.isValid()) {
            problems << QStringLiteral("feature %1: %2 is not a readable image").arg(type, relative);
            continue;
        }
        if (size != QSize(LWFilterModel::kLookupSide, LWFilterModel::kLookupSide)) {
            problems << QStringLiteral("feature %1: %2 is %3 x %4; a lookup image must be %5 x %5")
                            .arg(type, relative)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(LWFilterModel::kLookupSide);
        }
        const QJsonValue fileType = filterRecordOf(LWJsonFile::read(folder + QStringLiteral("/config.json")))
                                        .value(QStringLiteral("file_type"));
        const int expected = fileTypeOf(QFileInfo(candidate).suffix());
        if (fileType.isDouble() && fileType.toInt() != expected) {
            problems << QStringLiteral("feature %1: \"file_type\" is %2 but the lookup image %3 needs %4")
                            .arg(type)
                            .arg(fileType.toInt())
                            .arg(relative)
                            .arg(expected);
        }
        // The engine reads the first usable image only.
        return;
    }
}

} // namespace

LWFilterModel::LWFilterModel(const LWFeatureFactory::Request &request)
    : LWFeatureTreeItem(request.effect, request.zOrder, request.path)
{
    setNaviItemIcon(QStringLiteral("qrc:/LWViewCommon/images/featureFilter.png"));
    setContextMenu({{tr("Rename"), kRenameId}, {tr("Delete"), removeMenuId()}});
    setFeatureType(LWEffectCommon::LWFeatureTypeFilter);
    m_scene = new LWFilterSceneViewModel(this);
    setSceneViewModel(m_scene);
    if (request.loadParam.bLoadFromProject) {
        readProjectFields(request.data);
    } else {
        loadContentFile();
        readContentFile();
    }
    buildInspector();
    setSdkVersion(QStringLiteral("1.1.0"));
}

LWFilterModel::~LWFilterModel() = default;

void LWFilterModel::readIntensity()
{
    const QJsonValue intensity = filterRecordOf(contentJson()).value(QStringLiteral("intensity"));
    if (intensity.isDouble())
        m_intensity = float(intensity.toDouble());
}

void LWFilterModel::readContentFile()
{
    readIntensity();
    m_textureIds.clear();
    m_textureId = importLookupImage(kTemplateLookup);
    if (!m_textureId.isEmpty())
        m_textureIds << m_textureId;

    const QString folder = localAbsolutePath();
    if (!QFileInfo(folder + QStringLiteral("filter")).isDir())
        return;
    const QString image = findLookupImage(folder);
    if (image.isEmpty()) {
        qWarning().noquote() << "filter: no usable lookup image in" << folder + QStringLiteral("filter")
                             << "- the built-in one is used";
        return;
    }
    const QString id = importLookupImage(image);
    if (id.isEmpty())
        return;
    m_textureIds << id;
    // The package's lookup image is the author's choice whatever its size:
    // one of another size is shown with its problem in the panel, and the
    // package check names it, but it is not swapped for the built-in one.
    m_textureId = id;
    if (imageSize(image) != QSize(kLookupSide, kLookupSide))
        qWarning().noquote() << "filter:" << image << "is not" << kLookupSide << "x" << kLookupSide;
}

void LWFilterModel::readProjectFields(const QJsonObject &record)
{
    readProjectRecord(record);
    readIntensity();
    const QJsonValue texture = record.value(QStringLiteral("texture2d"));
    m_textureId = texture.isString() ? texture.toString() : QString();
    m_textureIds.clear();
    if (!m_textureId.isEmpty())
        m_textureIds << m_textureId;
}

QString LWFilterModel::importLookupImage(const QString &path)
{
    // Straight into the loaded library: a feature may be built while its
    // effect is still loading, before the workspace knows that effect, so
    // the workspace's own import (which makes sure an effect and a library
    // exist) must not run here.
    LWResourceManager *library = LWResourceManager::instance();
    if (!library->isLoaded())
        return QString();
    ImportResourceParam param;
    param.returnResourceId = true;
    param.withUndo = false;
    return LWResourceImporter(param, library->importParent()).importFile(path);
}

QStringList LWFilterModel::lookupImageCandidates(const QString &featureFolder)
{
    QStringList found;
    for (const char *suffix : kSuffixOrder) {
        const QString path = featureFolder + QStringLiteral("/filter/filter.") + QLatin1String(suffix);
        if (QFileInfo(path).isFile())
            found << QDir::cleanPath(path);
    }
    return found;
}

QString LWFilterModel::findLookupImage(const QString &featureFolder)
{
    const QStringList candidates = lookupImageCandidates(featureFolder);
    for (const QString &candidate : candidates) {
        if (imageSize(candidate).isValid())
            return candidate;
        qWarning().noquote() << "filter: skipping" << candidate << "- it does not decode";
    }
    return QString();
}

QSize LWFilterModel::imageSize(const QString &path)
{
    // Decoded in full: a damaged file can carry a valid header.
    QImageReader reader(path);
    const QImage image = reader.read();
    return image.isNull() ? QSize() : image.size();
}

void LWFilterModel::buildInspector()
{
    setInspectorViewModel(LWInspectorViewModel::fromProfile(LWFeatureKinds::find(LWEffectCommon::LWFeatureTypeFilter)->profile, inspectorData()));
}

QJsonObject LWFilterModel::inspectorData() const
{
    return {{QStringLiteral("intensity"), double(m_intensity)}, {QStringLiteral("filter_resources"), m_textureId}};
}

void LWFilterModel::naviTreeItemInspectorDataChanged()
{
    const std::shared_ptr<LWQmlViewModel> root = inspectorViewModel();
    if (!root)
        return;
    const QJsonObject value = root->value().toObject();
    const QJsonValue intensity = value.value(QStringLiteral("intensity"));
    if (intensity.isDouble())
        setIntensity(float(intensity.toDouble()));
    const QJsonValue texture = value.value(QStringLiteral("filter_resources"));
    if (texture.isString())
        m_textureId = texture.toString();
    // The scene shows fixed pictures: nothing of it depends on the lookup.
}

void LWFilterModel::receiveTemplateResources(const QStringList &resourceIds)
{
    const std::shared_ptr<LWQmlViewModel> root = inspectorViewModel();
    LWPropChoiceViewModel *lookup = LWPropChoiceViewModel::findIn(root.get(), QStringLiteral("filter_resources"));
    for (const QString &id : resourceIds) {
        if (lookup && lookup->chooseKey(id))
            return;
    }
    qDebug() << "filter: no lookup image among the dropped resources" << resourceIds;
}

void LWFilterModel::setIntensity(float intensity)
{
    m_intensity = intensity;
    updateFilterRecord({{QStringLiteral("intensity"), double(intensity)}});
}

void LWFilterModel::updateFilterRecord(const QJsonObject &fields)
{
    QJsonObject content = contentJson().value(QStringLiteral("content")).toObject();
    QJsonObject filter = content.value(QStringLiteral("filter")).toObject();
    for (auto it = fields.begin(); it != fields.end(); ++it)
        filter.insert(it.key(), it.value());
    content.insert(QStringLiteral("filter"), filter);
    contentJson().insert(QStringLiteral("content"), content);
}

QString LWFilterModel::exportSource(QString *suffix) const
{
    const QString source = LWResourceManager::instance()->absolutePath(m_textureId);
    if (!source.isEmpty() && QFileInfo(source).isFile()) {
        // Lower case, so "LUT.PNG" is still a PNG to the engine and its
        // file is found again under the name the reader looks for.
        *suffix = QFileInfo(source).suffix().toLower();
        return source;
    }
    *suffix = QStringLiteral("png");
    return kBuiltInLookup;
}

void LWFilterModel::exportPackage(const SaveParam &param)
{
    QString suffix;
    const QString source = exportSource(&suffix);
    updateFilterRecord({{QStringLiteral("file_type"), fileTypeOf(suffix)},
                        {QStringLiteral("type"), 0},
                        {QStringLiteral("intensity"), double(m_intensity)}});
    if (param.path.isEmpty()) {
        contentJson().insert(QStringLiteral("tag"), newTag());
        return;
    }
    if (!exportContentFile(param))
        qWarning().noquote() << "filter: config.json could not be written for" << path();
    const QString folder = param.path + QLatin1Char('/') + path() + QStringLiteral("filter");
    QDir().mkpath(folder);
    const QString target = folder + QStringLiteral("/filter.") + suffix;
    if (!copyInto(source, target))
        qWarning().noquote() << "filter: the lookup image could not be written to" << target;
}

QJsonValue LWFilterModel::saveFeature(const SaveParam &param)
{
    if (!param.bSaveProject) {
        exportPackage(param);
        return QJsonValue();
    }
    contentJson().insert(QStringLiteral("tag"), newTag());
    QJsonObject record = projectRecord();
    record.insert(QStringLiteral("version"), contentJson().value(QStringLiteral("version")));
    record.insert(QStringLiteral("texture2d"), m_textureId);
    return record;
}

QJsonValue LWFilterModel::toConfigLinkValue() const
{
    return QJsonObject{{QStringLiteral("type"), QStringLiteral("Filter")},
                       {QStringLiteral("zorder"), zOrder()},
                       {QStringLiteral("path"), path()}};
}

void LWFilterModel::menuItemAction(QString menuItemId)
{
    if (menuItemId == kRenameId)
        setNaviItemEditing(true);
    else
        LWFeatureTreeItem::menuItemAction(menuItemId);
}

void LWFilterModel::checkPackageFolder(const QJsonObject &link, const QString &folder, QStringList &problems)
{
    checkFilterFolder(link, folder, problems);
}
