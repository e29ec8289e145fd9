#include "LWFaceMakeUpV2Model.h"

#include "LWFaceMakeUpV2FilterAddUndoCommand.h"
#include "LWFaceMakeupV2FilterBase.h"
#include "LWFaceMakeupV2FilterKind.h"
#include "LWFaceMakeupV2Textures.h"
#include "common/LWFolderUtil.h"
#include "common/LWJsonFile.h"
#include "common/LWJsonNumbers.h"
#include "common/LWUsageEvents.h"
#include "features/LWMenuItemModel.h"
#include "inspector/LWInspectorViewModel.h"
#include "navigation/LWNaviComponentRemoveUndoCommandBase.h"
#include "undo/LWUndoStack.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <algorithm>

namespace {

const QString kTemplateFolder = QStringLiteral(":/FeatureTemplates/FaceMakeupV2/");
const QString kFaceIndexKey = QStringLiteral("faceIndexArray");
const QString kSdkVersion = QStringLiteral("2.8.0");

// The add menu's entries: (title, menu id, filter type), in menu order.
struct AddEntry
{
    const char *title;
    const char *id;
    const char *type;
};

const AddEntry kMenuEntries[] = {
    {QT_TRANSLATE_NOOP("LWFaceMakeUpV2Model", "Eyebrow"), "menuItemBrow", "brow"},
    {QT_TRANSLATE_NOOP("LWFaceMakeUpV2Model", "Mask"), "menuItemAddMask", "mask"},
    {QT_TRANSLATE_NOOP("LWFaceMakeUpV2Model", "Eye"), "menuItemAddEye", "eye_part"},
    {QT_TRANSLATE_NOOP("LWFaceMakeUpV2Model", "Pupil"), "menuItemAddPupil", "pupil"},
    {QT_TRANSLATE_NOOP("LWFaceMakeUpV2Model", "Lip V2"), "menuItemAddLipV2", "lips_v2"},
};
// The tree's add list shows the same entries in another order.
const int kAddListOrder[] = {2, 1, 3, 4, 0};

QString translated(const char *text)
{
    return QCoreApplication::translate("LWFaceMakeUpV2Model", text);
}

QString filterTypeOfMenu(const QString &menuId)
{
    for (const AddEntry &entry : kMenuEntries) {
        if (menuId == QLatin1String(entry.id))
            return QLatin1String(entry.type);
    }
    return QString();
}

// A document's makeup file name must stay a plain name inside the feature
// folder: exports write to it.
QString plainFileName(const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return name;
}

int zPositionOf(const QJsonValue &filter)
{
    const QJsonValue z = filter.toObject().value(QStringLiteral("zPosition"));
    return z.isDouble() ? LWJsonNumbers::rounded<int>(z.toDouble()) : 1;
}

} // namespace

LWFaceMakeUpV2Model::LWFaceMakeUpV2Model(LWFeatureContainer *container, int zOrder, const QString &path,
                                         const QJsonObject &record, const LoadParam &param, const QString &choice)
    : LWFeatureTreeItem(container, zOrder, path)
{
    setNaviItemIcon(QStringLiteral("qrc:/LWViewCommon/images/meizhuang.png"));
    setAddNaviItem(true, QStringLiteral("menuItemAdd"), -1, true);
    buildMenus();
    setFeatureType(LWEffectCommon::LWFeatureTypeFaceMakeupV2);
    m_scene = new LWMakeupV2SceneViewModel(this, this);
    setSceneViewModel(m_scene);
    if (!param.bLoadFromProject) {
        loadContentFile();
        readContentFile();
        if (!choice.isEmpty())
            appendNewPart(choice);
    } else {
        readProjectData(record);
    }
    if (!inspectorViewModel())
        buildFaceInspector(QJsonArray());
    setSdkVersion(kSdkVersion);
}

QString LWFaceMakeUpV2Model::faceProfilePath()
{
    return QStringLiteral(":/LWFaceMakeUpV2/profile/LWFaceMakeUpV2FaceNumber.json");
}

LWFaceMakeUpV2Model::~LWFaceMakeUpV2Model()
{
    // Filters are our QObject children, listed or held by an undo command.
    // Delete them while the list they might be looked up in still exists.
    m_models.clear();
    const auto filters = findChildren<LWFaceMakeupV2FilterBase *>(QString(), Qt::FindDirectChildrenOnly);
    qDeleteAll(filters);
}

void LWFaceMakeUpV2Model::buildMenus()
{
    auto *add = new LWMenuItemModel(tr("Add Effect"), QStringLiteral("menuItemAdd"), this);
    for (const AddEntry &entry : kMenuEntries)
        add->appendSubItem(new LWMenuItemModel(translated(entry.title), QLatin1String(entry.id)));
    setSubItems({QVariant::fromValue<QObject *>(add),
                 QVariant::fromValue<QObject *>(new LWMenuItemModel(tr("Rename"), QStringLiteral("menuItemRename"), this)),
                 QVariant::fromValue<QObject *>(
                     new LWMenuItemModel(tr("Delete Effect"), QStringLiteral("menuItemDelete"), this))});
    QVariantList addList;
    for (int index : kAddListOrder) {
        const AddEntry &entry = kMenuEntries[index];
        addList.append(QVariant::fromValue<QObject *>(
            new LWMenuItemModel(translated(entry.title), QLatin1String(entry.id), this)));
    }
    setAddNaviItems(addList);
}

// --- tree ------------------------------------------------------------------------

LWNaviTreeItem *LWFaceMakeUpV2Model::child(int row) const
{
    return modelAt(row);
}

bool LWFaceMakeUpV2Model::naviTreeItemAcceptChild(LWNaviTreeItem *item) const
{
    auto *filter = qobject_cast<LWFaceMakeupV2FilterBase *>(item);
    return filter && filter->parentItem() == this && indexOfModel(filter) >= 0;
}

void LWFaceMakeUpV2Model::naviTreeItemMoveChild(int from, int to)
{
    moveModel(from, to);
    updatePartToScene();
}

void LWFaceMakeUpV2Model::naviTreeItemSelect()
{
    for (LWFaceMakeupV2FilterBase *filter : qAsConst(m_models))
        filter->naviTreeItemInspectorDataChanged();
}

void LWFaceMakeUpV2Model::naviTreeItemUpdateResourceInScene()
{
    naviTreeItemSelect();
    updatePartToScene();
}

void LWFaceMakeUpV2Model::menuItemAction(QString menuItemId)
{
    const QString type = filterTypeOfMenu(menuItemId);
    if (!type.isEmpty())
        addPart(type);
    else if (menuItemId == QLatin1String("menuItemDelete"))
        onActionRemoveFeature();
    else if (menuItemId == QLatin1String("menuItemRename"))
        setNaviItemEditing(true);
    // "menuItemAdd" only opens the sub-menu.
}

void LWFaceMakeUpV2Model::onResponseContextMenu(QString p_strItemId)
{
    menuItemAction(p_strItemId);
}

// --- list --------------------------------------------------------------------------

void LWFaceMakeUpV2Model::insertModel(int row, LWFaceMakeupV2FilterBase *model)
{
    LWModelContainer::insertModel(row, model);
    updatePartToScene();
}

void LWFaceMakeUpV2Model::appendModel(LWFaceMakeupV2FilterBase *model)
{
    LWModelContainer::appendModel(model);
    updatePartToScene();
}

bool LWFaceMakeUpV2Model::removeModel(LWFaceMakeupV2FilterBase *model)
{
    const bool removed = LWModelContainer::removeModel(model);
    if (removed)
        updatePartToScene();
    return removed;
}

LWFaceMakeupV2FilterBase *LWFaceMakeUpV2Model::removeModelAt(int row)
{
    LWFaceMakeupV2FilterBase *removed = LWModelContainer::removeModelAt(row);
    if (removed)
        updatePartToScene();
    return removed;
}

void LWFaceMakeUpV2Model::prependModel(LWFaceMakeupV2FilterBase *model)
{
    LWModelContainer::prependModel(model);
    updatePartToScene();
}

void LWFaceMakeUpV2Model::updatePartToScene()
{
    if (m_scene)
        m_scene->notifyFilterListChanged();
}

QObjectList LWFaceMakeUpV2Model::sceneFilters() const
{
    QObjectList filters;
    for (auto it = m_models.crbegin(); it != m_models.crend(); ++it) {
        if ((*it)->filterType() != LWFaceMakeupV2FilterBase::LWFaceMakeUpFilterTypePupil)
            filters.append(*it);
    }
    return filters;
}

QString LWFaceMakeUpV2Model::scenePupilPath() const
{
    for (LWFaceMakeupV2FilterBase *filter : m_models) {
        if (filter->filterType() == LWFaceMakeupV2FilterBase::LWFaceMakeUpFilterTypePupil)
            return filter->filterImgPath();
    }
    return QString();
}

// --- filters -----------------------------------------------------------------------

void LWFaceMakeUpV2Model::addPart(const QString &type)
{
    // A step that adds nothing would only sit on the stack.
    if (!LWFaceMakeupV2FilterKind::find(type)) {
        qWarning() << "makeup: no filter of type" << type;
        return;
    }
    LWUndoStack::instance()->push(new LWFaceMakeUpV2FilterAddUndoCommand(this, type));
}

LWFaceMakeupV2FilterBase *LWFaceMakeUpV2Model::createPart(const QString &type)
{
    const LWFaceMakeupV2FilterKind *kind = LWFaceMakeupV2FilterKind::find(type);
    if (!kind || !kind->create) {
        qWarning() << "makeup: no filter of type" << type;
        return nullptr;
    }
    LWUsageEvents::report(kind->usageEvent);
    return kind->create(this);
}

LWFaceMakeupV2FilterBase *LWFaceMakeUpV2Model::appendNewPart(const QString &type)
{
    LWFaceMakeupV2FilterBase *filter = createPart(type);
    if (!filter)
        return nullptr;
    filter->init();
    appendModel(filter);
    return filter;
}

void LWFaceMakeUpV2Model::onActionRemoveFilter(LWFaceMakeupV2FilterBase *filter)
{
    if (!filter || indexOfModel(filter) < 0)
        return;
    LWUndoStack::instance()->push(new LWNaviComponentRemoveUndoCommandBase<LWFaceMakeupV2FilterBase>(this, filter));
}

bool LWFaceMakeUpV2Model::clipedImage(const QString &path, QRect &rect)
{
    return LWFaceMakeupV2Textures::cropToVisible(path, rect);
}

QRect LWFaceMakeUpV2Model::getDefaultSize() const
{
    switch (m_standardType) {
    case gsMakeupEStandardFace1200x1200:
        return QRect(0, 0, 1200, 1200);
    case gsMakeupEStandardFace1280x1280:
        return QRect(0, 0, 1280, 1280);
    case gsMakeupEStandardFace720x900:
        break;
    }
    return QRect(0, 0, 720, 900);
}

QList<int> LWFaceMakeUpV2Model::faceList() const
{
    QList<int> faces;
    const std::shared_ptr<LWQmlViewModel> inspector = inspectorViewModel();
    if (!inspector)
        return faces;
    const QJsonArray ids = inspector->value().toObject().value(kFaceIndexKey).toArray();
    for (const QJsonValue &id : ids)
        faces.append(id.toInt());
    return faces;
}

void LWFaceMakeUpV2Model::setTextureCrop(const QString &resourceId, const QRect &rect)
{
    if (resourceId.isEmpty())
        return;
    const QRect face = getDefaultSize();
    if (rect.isValid() && (rect.width() < face.width() || rect.height() < face.height()))
        m_textureCrops.insert(resourceId, rect);
    else
        m_textureCrops.remove(resourceId);
}

void LWFaceMakeUpV2Model::releaseImportedFolders(const QStringList &folders)
{
    m_pendingFolders += folders;
    if (m_parsing > 0)
        return;
    m_pendingFolders.removeDuplicates();
    for (const QString &folder : qAsConst(m_pendingFolders))
        LWFolderUtil::removeFolder(folder);
    m_pendingFolders.clear();
}

// --- reading ---------------------------------------------------------------------

void LWFaceMakeUpV2Model::readContentPath()
{
    const QJsonValue content = contentJson().value(QStringLiteral("content"));
    const QString name = plainFileName(content.toObject().value(QStringLiteral("path")).toString());
    if (!name.isEmpty())
        m_makeupJsonPath = name;
    else if (content.isObject())
        qWarning() << "makeup: the content file names no usable makeup document; using" << m_makeupJsonPath;
}

void LWFaceMakeUpV2Model::readContentFile()
{
    readContentPath();
    const QString file = localAbsolutePath() + m_makeupJsonPath;
    const QString document = QFileInfo(file).isFile() ? file : kTemplateFolder + QStringLiteral("makeup.json");
    parseDocument(LWJsonFile::read(document), false);
}

void LWFaceMakeUpV2Model::readProjectData(const QJsonObject &record)
{
    readProjectRecord(record);
    readContentPath();
    parseDocument(record.value(QStringLiteral("substance")).toObject(), true);
}

void LWFaceMakeUpV2Model::parseDocument(const QJsonObject &document, bool fromProject)
{
    if (document.isEmpty())
        return;
    buildFaceInspector(document.value(QStringLiteral("faceID")));
    const QJsonValue points = document.value(QStringLiteral("standardFaceKeyPoints"));
    if (points.isString())
        m_standardFaceKeyPointsPath = points.toString();
    const QJsonValue sdk = document.value(QStringLiteral("faceSDKType"));
    if (sdk.isDouble())
        m_faceSDK = qMax(2, sdk.toInt(2));
    const QJsonValue version = document.value(QStringLiteral("version"));
    if (version.isString())
        m_version = version.toString();
    const QJsonValue size = document.value(QStringLiteral("standardFaceSize"));
    if (size.isObject())
        readStandardFace(size.toObject());
    readFilters(document.value(QStringLiteral("filters")).toArray(), fromProject);
}

void LWFaceMakeUpV2Model::readStandardFace(const QJsonObject &size)
{
    if (size.value(QStringLiteral("width")).isDouble())
        m_faceWidth = size.value(QStringLiteral("width")).toInt();
    if (size.value(QStringLiteral("height")).isDouble())
        m_faceHeight = size.value(QStringLiteral("height")).toInt();
    if (m_faceWidth == 1200 && m_faceHeight == 1200)
        m_standardType = gsMakeupEStandardFace1200x1200;
    else if (m_faceWidth == 1280 && m_faceHeight == 1280)
        m_standardType = gsMakeupEStandardFace1280x1280;
    else
        m_standardType = gsMakeupEStandardFace720x900;
}

void LWFaceMakeUpV2Model::readFilters(const QJsonArray &filters, bool fromProject)
{
    // Layers are written top first with falling "zPosition"; a document
    // whose array order disagrees is read in the order the engine draws.
    QList<QJsonValue> ordered(filters.begin(), filters.end());
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const QJsonValue &a, const QJsonValue &b) { return zPositionOf(a) > zPositionOf(b); });
    ++m_parsing;
    for (const QJsonValue &value : qAsConst(ordered)) {
        const QJsonValue type = value.toObject().value(QStringLiteral("filterType"));
        if (!type.isString())
            continue;
        LWFaceMakeupV2FilterBase *filter = createPart(type.toString());
        if (!filter)
            continue;
        filter->setFilterValue(value);
        if (fromProject)
            filter->load();
        else
            filter->init();
        appendModel(filter);
    }
    --m_parsing;
    releaseImportedFolders({});
}

void LWFaceMakeUpV2Model::buildFaceInspector(const QJsonValue &faceIds)
{
    const QJsonArray faces = faceIds.isArray() ? faceIds.toArray() : QJsonArray();
    setInspectorViewModel(LWInspectorViewModel::fromProfile(faceProfilePath(), QJsonObject{{kFaceIndexKey, faces}}));
}

// --- writing ---------------------------------------------------------------------

QJsonObject LWFaceMakeUpV2Model::standardFaceSizeObject() const
{
    return QJsonObject{{"width", m_faceWidth}, {"height", m_faceHeight}};
}

QJsonObject LWFaceMakeUpV2Model::storeDocument()
{
    QJsonArray filters;
    for (LWFaceMakeupV2FilterBase *filter : qAsConst(m_models))
        filters.append(filter->store());
    QJsonObject document{{"standardFaceKeyPoints", m_standardFaceKeyPointsPath},
                         {"filters", filters},
                         {"standardFaceSize", standardFaceSizeObject()},
                         {"faceSDKType", m_faceSDK},
                         {"version", m_version}};
    QJsonArray faces;
    for (int face : faceList())
        faces.append(face);
    if (!faces.isEmpty())
        document.insert(QStringLiteral("faceID"), faces);
    return document;
}

QJsonObject LWFaceMakeUpV2Model::exportDocument(const QString &featureFolder)
{
    QJsonArray faces;
    for (int face : faceList())
        faces.append(face);
    // No face chosen means every face the engine can track.
    if (faces.isEmpty())
        faces = QJsonArray{0, 1, 2, 3, 4, 5};
    // The version follows what this export holds, not what earlier ones did.
    setSdkVersion(kSdkVersion);
    QJsonArray filters;
    for (LWFaceMakeupV2FilterBase *filter : qAsConst(m_models)) {
        if (!filter->checked())
            continue;
        QString version = sdkVersion();
        filter->getMaxVersion(version);
        raiseSdkVersion(version);
        filters.append(filter->lwExport(featureFolder));
    }
    return QJsonObject{{"faceID", faces},
                       {"standardFaceKeyPoints", m_standardFaceKeyPointsPath},
                       {"filters", filters},
                       {"standardFaceSize", standardFaceSizeObject()},
                       {"faceSDKType", m_faceSDK},
                       {"version", m_version}};
}

QJsonValue LWFaceMakeUpV2Model::saveFeature(const SaveParam &param)
{
    if (param.bSaveProject) {
        contentJson().insert(QStringLiteral("tag"), newTag());
        QJsonObject record = projectRecord();
        record.insert(QStringLiteral("substance"), storeDocument());
        return record;
    }
    exportPackage(param);
    return QJsonValue();
}

void LWFaceMakeUpV2Model::exportPackage(const SaveParam &param)
{
    QString featureFolder = localAbsolutePath();
    if (!param.path.isEmpty()) {
        featureFolder = param.path + QLatin1Char('/') + path();
        if (!exportContentFile(param))
            qWarning() << "makeup export: the content file could not be written into" << featureFolder;
        if (!LWFolderUtil::copyFolder(kTemplateFolder + QStringLiteral("mask"), featureFolder + QStringLiteral("mask")))
            qWarning() << "makeup export: the key point files could not be copied into" << featureFolder;
    }
    QDir().mkpath(featureFolder);
    const QString folder = QDir::cleanPath(featureFolder);
    if (!LWJsonFile::write(folder + QLatin1Char('/') + m_makeupJsonPath, exportDocument(folder)))
        qWarning() << "makeup export: makeup document not written into" << folder;
}

QJsonValue LWFaceMakeUpV2Model::toConfigLinkValue() const
{
    return QJsonObject{{"type", LWEffectCommon::featurePackageName(featureType())},
                       {"zorder", zOrder()},
                       {"path", path()}};
}
