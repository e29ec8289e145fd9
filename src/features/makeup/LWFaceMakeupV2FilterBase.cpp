#include "LWFaceMakeupV2FilterBase.h"

#include "LWFaceMakeUpV2Model.h"
#include "LWFaceMakeupV2FilterKind.h"
#include "LWFaceMakeupV2Textures.h"
#include "common/LWJsonNumbers.h"
#include "features/LWMenuItemModel.h"
#include "inspector/LWInspectorViewModel.h"
#include "resources/LWResourceManager.h"
#include "package/LWPackageConfig.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kProfileFolder = QStringLiteral(":/LWFaceMakeUpV2/profile/");
const QString kResourceFolder = QStringLiteral(":/LWFaceMakeUpV2/res/");
// What a resource drop-down hands back when "None" is chosen.
const QString kNoResource = QStringLiteral("__LWOptionNone");
// The face the engine falls back to for a rectangle without area.
const QRect kFallbackRect(0, 0, 1280, 1280);

QString resourceIdOf(const QJsonValue &value)
{
    const QString id = value.toString();
    return id == kNoResource ? QString() : id;
}

int intOf(const QJsonValue &value, int fallback)
{
    return value.isDouble() ? LWJsonNumbers::rounded<int>(value.toDouble()) : fallback;
}

// Rectangles are pixels of the standard face. Far beyond it a value is
// junk; bounding it keeps x + width inside an int.
int coordinateOf(const QJsonValue &value, int fallback)
{
    constexpr int kLimit = 1 << 20;
    return qBound(-kLimit, intOf(value, fallback), kLimit);
}

const LWFaceMakeupV2FilterKind &kindOf(const QString &typeKey)
{
    if (const LWFaceMakeupV2FilterKind *kind = LWFaceMakeupV2FilterKind::find(typeKey))
        return *kind;
    qWarning() << "makeup filter: unknown kind" << typeKey << "- built as a mask";
    return LWFaceMakeupV2FilterKind::all().first();
}

} // namespace

LWFaceMakeupV2FilterBase::LWFaceMakeupV2FilterBase(LWFaceMakeUpV2Model *makeup, const QString &typeKey)
    : LWNaviTreeItem(makeup)
    , m_makeup(makeup)
    , m_kind(&kindOf(typeKey))
    , m_previewDataId(m_kind->previewKey)
    , m_filterVersion(m_kind->version)
{
    if (m_makeup) {
        const QRect face = m_makeup->getDefaultSize();
        m_standardFaceWidth = face.width();
        m_standardFaceHeight = face.height();
        setSceneViewModel(m_makeup->makeupScene());
    }
    setTitle(m_kind->title);
    setNaviItemIcon(QStringLiteral("qrc:/LWViewCommon/images/2dFeaturePart.png"));
    setSubItems({QVariant::fromValue<QObject *>(new LWMenuItemModel(tr("Rename"), renameMenuId(), this)),
                 QVariant::fromValue<QObject *>(new LWMenuItemModel(tr("Delete"), removeMenuId(), this))});
    m_extra = m_kind->extraDefaults;
}

LWFaceMakeupV2FilterBase::~LWFaceMakeupV2FilterBase() = default;

// --- tree ------------------------------------------------------------------------

LWNaviTreeItem *LWFaceMakeupV2FilterBase::parentItem() const
{
    return m_makeup;
}

QVariant LWFaceMakeupV2FilterBase::data(int column) const
{
    return column == 0 ? QVariant(title()) : QVariant();
}

int LWFaceMakeupV2FilterBase::row() const
{
    return m_makeup ? qMax(0, m_makeup->indexOfModel(this)) : 0;
}

void LWFaceMakeupV2FilterBase::menuItemAction(QString menuItemId)
{
    if (menuItemId == removeMenuId())
        naviTreeItemRemove();
    else if (menuItemId == renameMenuId())
        setNaviItemEditing(true);
}

void LWFaceMakeupV2FilterBase::naviTreeItemRemove()
{
    if (m_makeup)
        m_makeup->onActionRemoveFilter(this);
}

void LWFaceMakeupV2FilterBase::naviTreeItemInspectorDataChanged()
{
    readBack();
    if (m_previewDataId.isEmpty() || !inspectorViewModel())
        return;
    const QJsonValue shown = inspectorViewModel()->value().toObject().value(m_previewDataId);
    if (shown.isString())
        refreshPreview(resourceIdOf(shown));
}

void LWFaceMakeupV2FilterBase::onCheckedChanged(bool p_bChecked)
{
    // The scene draws the pupil apart from the list, so it needs telling.
    if (filterType() == LWFaceMakeUpFilterTypePupil && m_makeup && m_makeup->makeupScene())
        m_makeup->makeupScene()->setFilterChecked(p_bChecked);
}

// --- kind --------------------------------------------------------------------------

LWFaceMakeupV2FilterBase::LWFaceMakeUpFilterType LWFaceMakeupV2FilterBase::filterType() const
{
    return LWFaceMakeUpFilterType(m_kind->filterType);
}

QString LWFaceMakeupV2FilterBase::typeKey() const
{
    return m_kind->typeKey;
}

void LWFaceMakeupV2FilterBase::getMaxVersion(QString &version) const
{
    if (LWPackageConfig::compareVersions(m_filterVersion, version) > 0)
        version = m_filterVersion;
}

// --- reading -----------------------------------------------------------------------

void LWFaceMakeupV2FilterBase::setFilterValue(const QJsonValue &value)
{
    if (value.isObject())
        m_filterValue = value.toObject();
}

QJsonObject LWFaceMakeupV2FilterBase::defaultFilterValue() const
{
    QJsonObject value{{"filterType", m_kind->typeKey}, {"zPosition", 1}, {"intensity", 1.0}};
    for (const LWFaceMakeupV2FilterKind::ResourceSlot &slot : m_kind->resources) {
        if (slot.defaultName.isEmpty())
            continue;
        value.insert(slot.key, QJsonObject{{"path", QString(kResourceFolder + slot.defaultName)},
                                           {"name", slot.defaultName},
                                           {"imageCount", 1},
                                           {"imageInterval", 0.05}});
    }
    if (m_kind->defaultBlendMode >= 0)
        value.insert(QStringLiteral("blendMode"), m_kind->defaultBlendMode);
    value.insert(QStringLiteral("rect"), rectObject(m_kind->defaultRect.isNull() ? kFallbackRect : m_kind->defaultRect));
    if (!m_kind->extraKey.isEmpty())
        value.insert(m_kind->extraKey, m_kind->extraDefaults);
    return value;
}

void LWFaceMakeupV2FilterBase::readValues(const QJsonObject &value)
{
    const QJsonObject rect = value.value(QStringLiteral("rect")).toObject();
    m_rect = QRect(coordinateOf(rect.value(QStringLiteral("x")), 0), coordinateOf(rect.value(QStringLiteral("y")), 0),
                   coordinateOf(rect.value(QStringLiteral("width")), m_standardFaceWidth),
                   coordinateOf(rect.value(QStringLiteral("height")), m_standardFaceHeight));
    m_zPosition = intOf(value.value(QStringLiteral("zPosition")), m_zPosition);
    m_blendMode = intOf(value.value(QStringLiteral("blendMode")), m_blendMode);
    const QJsonValue intensity = value.value(QStringLiteral("intensity"));
    if (intensity.isDouble())
        m_intensity = intensity.toDouble();
    if (m_kind->extraKey.isEmpty())
        return;
    // Members the program does not know are kept as they came.
    const QJsonObject extra = value.value(m_kind->extraKey).toObject();
    for (auto it = extra.begin(); it != extra.end(); ++it)
        m_extra.insert(it.key(), it.value());
}

void LWFaceMakeupV2FilterBase::init()
{
    if (m_filterValue.isEmpty())
        m_filterValue = defaultFilterValue();
    readValues(m_filterValue);
    QStringList usedFolders;
    importResources(usedFolders);
    if (m_makeup)
        m_makeup->releaseImportedFolders(usedFolders);
    applyRect();
    buildInspector();
    refreshPreview(m_resourceIds.value(m_previewDataId));
}

void LWFaceMakeupV2FilterBase::load()
{
    if (m_filterValue.isEmpty())
        return;
    const QJsonValue name = m_filterValue.value(QStringLiteral("name"));
    if (name.isString() && !name.toString().isEmpty())
        setTitle(name.toString());
    const QJsonValue checked = m_filterValue.value(QStringLiteral("checked"));
    if (checked.isBool())
        setChecked(checked.toBool());
    readValues(m_filterValue);
    for (const LWFaceMakeupV2FilterKind::ResourceSlot &slot : m_kind->resources) {
        const QJsonValue id = m_filterValue.value(slot.key);
        if (id.isString())
            m_resourceIds.insert(slot.key, resourceIdOf(id));
    }
    applyRect();
    buildInspector();
    refreshPreview(m_resourceIds.value(m_previewDataId));
}

QString LWFaceMakeupV2FilterBase::resolveFolder(const QJsonValue &record, bool *fromFeatureFolder) const
{
    *fromFeatureFolder = false;
    const QString path = record.toObject().value(QStringLiteral("path")).toString();
    if (path.startsWith(QLatin1String(":/")))
        return QFileInfo(path).isDir() ? path : QString();
    if (path.isEmpty() || !m_makeup)
        return QString();
    // Package content names the folder; it must not reach outside the
    // feature folder, nor be the feature folder itself: the folder is
    // deleted once imported.
    const QString base = QDir::cleanPath(m_makeup->localAbsolutePath());
    const QString folder = QDir::cleanPath(base + QLatin1Char('/') + path);
    if (!folder.startsWith(base + QLatin1Char('/'))) {
        qWarning() << "makeup filter: resource folder outside the feature folder ignored:" << path;
        return QString();
    }
    if (!QFileInfo(folder).isDir())
        return QString();
    *fromFeatureFolder = true;
    return folder;
}

void LWFaceMakeupV2FilterBase::importResources(QStringList &usedFolders)
{
    for (const LWFaceMakeupV2FilterKind::ResourceSlot &slot : m_kind->resources) {
        bool fromFeatureFolder = false;
        const QString folder = resolveFolder(m_filterValue.value(slot.key), &fromFeatureFolder);
        if (folder.isEmpty())
            continue;
        QString id;
        if (slot.storage == LWFaceMakeupV2FilterKind::Storage::Sequence) {
            id = LWFaceMakeupV2Textures::importSequence(folder);
        } else {
            const QStringList files = LWFaceMakeupV2Textures::pngFiles(folder);
            if (!files.isEmpty())
                id = LWFaceMakeupV2Textures::importTexture(files.first());
        }
        if (id.isEmpty())
            continue;
        m_resourceIds.insert(slot.key, id);
        if (fromFeatureFolder)
            usedFolders.append(folder);
    }
}

void LWFaceMakeupV2FilterBase::applyRect()
{
    setRenderRect(m_rect);
    const LWFaceMakeupV2FilterKind::ResourceSlot *slot = m_kind->rectSlot();
    if (slot && m_makeup)
        m_makeup->setTextureCrop(m_resourceIds.value(slot->key), m_rect);
}

// --- panel -------------------------------------------------------------------------

void LWFaceMakeupV2FilterBase::buildInspector()
{
    QJsonObject data;
    for (const LWFaceMakeupV2FilterKind::ResourceSlot &slot : m_kind->resources)
        data.insert(slot.key, m_resourceIds.value(slot.key));
    data.insert(QStringLiteral("intensity"), m_intensity);
    if (m_kind->writesBlendMode)
        data.insert(QStringLiteral("blendMode"), m_blendMode);
    if (!m_kind->extraKey.isEmpty())
        data.insert(m_kind->extraKey, m_extra);
    m_inspectorValue = data;
    setInspectorViewModel(LWInspectorViewModel::fromProfile(kProfileFolder + m_kind->profile, data));
}

void LWFaceMakeupV2FilterBase::readBack()
{
    const std::shared_ptr<LWQmlViewModel> inspector = inspectorViewModel();
    if (!inspector)
        return;
    const QJsonObject value = inspector->value().toObject();
    for (const LWFaceMakeupV2FilterKind::ResourceSlot &slot : m_kind->resources) {
        const QJsonValue id = value.value(slot.key);
        if (id.isString())
            m_resourceIds.insert(slot.key, resourceIdOf(id));
    }
    m_intensity = value.value(QStringLiteral("intensity")).toDouble(1.0);
    if (m_kind->writesBlendMode)
        m_blendMode = intOf(value.value(QStringLiteral("blendMode")), m_blendMode);
    if (!m_kind->extraKey.isEmpty()) {
        const QJsonObject extra = value.value(m_kind->extraKey).toObject();
        for (auto it = extra.begin(); it != extra.end(); ++it)
            m_extra.insert(it.key(), it.value());
    }
}

// --- scene -------------------------------------------------------------------------

QString LWFaceMakeupV2FilterBase::imagePathOf(const QString &resourceId) const
{
    LWResourceManager *library = LWResourceManager::instance();
    if (resourceId.isEmpty() || !library->findRecord(resourceId))
        return QString();
    const QString path = library->absolutePath(resourceId);
    if (library->type(resourceId) == LWEffectCommon::LWResourceType2DTextureFrame)
        return path + QLatin1Char('/') + library->recordName(resourceId) + QStringLiteral("_000.png");
    return path;
}

void LWFaceMakeupV2FilterBase::setRenderRect(const QRect &rect)
{
    const QPointF before = filterPos();
    const int width = m_renderInfo.width;
    const int height = m_renderInfo.height;
    m_renderInfo.rectX = rect.x();
    m_renderInfo.rectY = rect.y();
    m_renderInfo.width = rect.width();
    m_renderInfo.height = rect.height();
    if (filterPos() != before)
        emit filterPosChanged();
    if (width != m_renderInfo.width)
        emit filterWidthChanged();
    if (height != m_renderInfo.height)
        emit filterHeightChanged();
}

void LWFaceMakeupV2FilterBase::refreshPreview(const QString &resourceId)
{
    if (m_previewDataId.isEmpty())
        return;
    m_previewResId = resourceId;
    m_renderInfo.imagePath = imagePathOf(resourceId);
    const QRect crop = m_makeup ? m_makeup->textureCrop(resourceId) : QRect();
    setRenderRect(crop.isValid() ? crop : QRect(0, 0, m_standardFaceWidth, m_standardFaceHeight));
    emit filterImgPathChanged();
    if (m_makeup)
        m_makeup->updatePartToScene();
}

// --- writing -----------------------------------------------------------------------

QRect LWFaceMakeupV2FilterBase::writtenRect() const
{
    if (m_kind->fixedRect.isValid())
        return m_kind->fixedRect;
    const LWFaceMakeupV2FilterKind::ResourceSlot *slot = m_kind->rectSlot();
    const QRect crop = (slot && m_makeup) ? m_makeup->textureCrop(m_resourceIds.value(slot->key)) : QRect();
    // An uncut layer covers the engine's standard face, whatever face the
    // makeup is shown on here.
    return crop.isValid() ? crop : kFallbackRect;
}

QJsonObject LWFaceMakeupV2FilterBase::rectObject(const QRect &rect) const
{
    const QRect written = (rect.width() <= 0 || rect.height() <= 0) ? kFallbackRect : rect;
    return QJsonObject{{"x", written.x()}, {"y", written.y()}, {"width", written.width()}, {"height", written.height()}};
}

QJsonObject LWFaceMakeupV2FilterBase::commonKeys() const
{
    QJsonObject filter{{"filterType", m_kind->typeKey}, {"zPosition", 5000 - row()}, {"intensity", m_intensity}};
    if (m_kind->writesBlendMode)
        filter.insert(QStringLiteral("blendMode"), m_blendMode);
    if (!m_kind->extraKey.isEmpty())
        filter.insert(m_kind->extraKey, m_extra);
    return filter;
}

QJsonObject LWFaceMakeupV2FilterBase::store()
{
    readBack();
    QJsonObject filter = commonKeys();
    for (const LWFaceMakeupV2FilterKind::ResourceSlot &slot : m_kind->resources)
        filter.insert(slot.key, m_resourceIds.value(slot.key));
    filter.insert(QStringLiteral("rect"), rectObject(writtenRect()));
    // Every filter keeps its title and check box in the project: the tree
    // offers to rename and uncheck each of them.
    filter.insert(QStringLiteral("name"), title());
    filter.insert(QStringLiteral("checked"), checked());
    return filter;
}

QJsonObject LWFaceMakeupV2FilterBase::lwExport(const QString &featureFolder)
{
    readBack();
    QJsonObject filter = commonKeys();
    QRect rect = writtenRect();
    exportResources(filter, featureFolder, rect);
    filter.insert(QStringLiteral("rect"), rectObject(rect));
    return filter;
}

void LWFaceMakeupV2FilterBase::exportResources(QJsonObject &filter, const QString &featureFolder, QRect &rect)
{
    for (const LWFaceMakeupV2FilterKind::ResourceSlot &slot : m_kind->resources) {
        if (!slot.exported)
            continue;
        const QString id = m_resourceIds.value(slot.key);
        const QRect known = (slot.cropped && m_makeup) ? m_makeup->textureCrop(id) : QRect();
        LWFaceMakeupV2Textures::Exported exported =
            LWFaceMakeupV2Textures::exportResource(id, featureFolder, slot.cropped, known);
        if (m_kind->defaultPictureWhenEmpty && exported.record.value(QStringLiteral("imageCount")).toInt() == 0)
            exported.record = LWFaceMakeupV2Textures::exportDefaultPicture(featureFolder);
        else if (slot.cropped && exported.rect.isValid())
            rect = exported.rect;
        filter.insert(slot.key, exported.record);
    }
}
