#include "LW2DStickerFeatureModel.h"

#include "LW2DSticker.h"
#include "LW2DStickerAddComponetUndoCommand.h"
#include "LW2DStickerFrames.h"
#include "features/LWFeatureCatalogue.h"
#include "features/LWFeatureKind.h"
#include "LW2DStickerPart.h"
#include "NS2DStickerParameter.h"
#include "common/LWFolderUtil.h"
#include "common/LWJsonFile.h"
#include "common/LWDialogs.h"
#include "inspector/LWInspectorHub.h"
#include "inspector/LWInspectorViewModel.h"
#include "inspector/LWPropIntViewModel.h"
#include "features/sticker2d/LW2DStickerPartSceneViewModel.h"
#include "features/sticker2d/LW2DStickerSceneViewModel.h"
#include "undo/LWUndoStack.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPointer>

namespace {

const QString kDefaultStickerFile = QStringLiteral("substance.json");

QList<int> readFaceIndexes(const QJsonValue &value)
{
    QList<int> indexes;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &index : array) {
        if (index.isDouble())
            indexes.append(LWPropIntViewModel::toInt(index, 0));
    }
    return indexes;
}

// Image files of a folder, in listing order.
QStringList imageFiles(const QString &folder)
{
    static const QStringList kFilters = {QStringLiteral("*.png"), QStringLiteral("*.PNG"), QStringLiteral("*.jpg"),
                                         QStringLiteral("*.JPG"), QStringLiteral("*.jpeg"), QStringLiteral("*.JPEG")};
    QStringList files;
    const QFileInfoList entries = QDir(folder).entryInfoList(kFilters, QDir::Files, QDir::Name);
    for (const QFileInfo &entry : entries)
        files.append(entry.filePath());
    return files;
}

} // namespace

LW2DStickerFeatureModel::LW2DStickerFeatureModel(LWFeatureContainer *container, int zOrder, const QString &path,
                                                 const QJsonObject &record, const LoadParam &loadParam,
                                                 int stickerKind)
    : LWFeatureTreeItem(container, zOrder, path)
    , m_stickerKind(stickerKind)
    , m_faceIndexes(readFaceIndexes(record.value(QLatin1String("faceIndex"))))
{
    // A folder without content file: a new sticker from the template.
    const bool isNew = !loadParam.bLoadFromProject && contentJson().isEmpty();
    setNaviItemIcon(QStringLiteral("qrc:/LWViewCommon/images/2dFeature.png"));
    setContextMenu({{tr("Import As Texture"), importFrameMenuId()},
                    {tr("Delete Effect"), removeFeatureMenuId()},
                    {tr("Add component"), addComponentMenuId()},
                    {tr("Rename"), renameFeatureMenuId()}});
    setAddNaviItem(true, addComponentMenuId(), LWNaviTreeItem::kNaviTreeItemType, true);
    setFeatureType(LWEffectCommon::LWFeatureType2DSticker);
    setResourceFilter(LWEffectCommon::LWResourceType2DTextureFrame);
    m_partScene = new LW2DStickerPartSceneViewModel(this);
    m_sticker = new LW2DSticker(this, this);
    m_sticker->setScene(m_partScene);
    // The feature shows the whole sticker; its parts show the part editor.
    setSceneViewModel(new LW2DStickerSceneViewModel(m_sticker, this));
    connect(m_partScene, &LW2DStickerPartSceneViewModel::faceTypeChanged, this, [this] {
        for (LW2DStickerPart *part : m_sticker->models())
            part->notifyGeometryChanged();
    });

    if (loadParam.bLoadFromProject) {
        readProjectRecord(record);
        readStickerFileName();
        LW2DSticker::LoadContext context;
        context.fromProject = true;
        m_sticker->load(record.value(QLatin1String("substance")).toObject(), context);
    } else {
        loadContentFile();
        readContentFile();
    }
    buildInspector();
    setSdkVersion(QStringLiteral("2.7.0"));

    // Made from the add menu (its state is set meanwhile), a new sticker
    // comes with its first part.
    const LWFeatureKind *kind = LWFeatureKinds::find(LWEffectCommon::LWFeatureType2DSticker);
    if (isNew && kind && LWFeatureCatalogue::instance()->isAddingFromMenu(kind->menu.state)) {
        const QString name = m_sticker->uniqueModelName(QStringLiteral("Untitled"));
        m_sticker->insertPart(0, newComponentData(name, featureFolder() + QLatin1Char('/') + name));
    }
}

LW2DStickerFeatureModel::~LW2DStickerFeatureModel() = default;

QString LW2DStickerFeatureModel::linkTypeName() const
{
    return m_stickerKind == 0 ? QStringLiteral("2DStickerV2") : QStringLiteral("2DSticker");
}

QString LW2DStickerFeatureModel::featureFolder() const
{
    QString folder = localAbsolutePath();
    while (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

void LW2DStickerFeatureModel::buildInspector()
{
    const QJsonObject data{{QStringLiteral("faceIndexArray"), faceIndexArray()}};
    setInspectorViewModel(LWInspectorViewModel::fromProfile(profilePath(), data));
}

QJsonArray LW2DStickerFeatureModel::faceIndexArray() const
{
    QJsonArray array;
    for (int index : m_faceIndexes)
        array.append(index);
    return array;
}

// --- tree --------------------------------------------------------------------------

LWNaviTreeItem *LW2DStickerFeatureModel::child(int row) const
{
    return m_sticker->modelAt(row);
}

int LW2DStickerFeatureModel::childCount() const
{
    return m_sticker->modelCount();
}

bool LW2DStickerFeatureModel::naviTreeItemAcceptChild(LWNaviTreeItem *item) const
{
    // Parts keep their sticker: their frames and anchors belong to it.
    auto *part = qobject_cast<LW2DStickerPart *>(item);
    return part && part->sticker() == m_sticker;
}

void LW2DStickerFeatureModel::naviTreeItemInsertChild(int row, LWNaviTreeItem *item)
{
    auto *part = qobject_cast<LW2DStickerPart *>(item);
    if (part && part->sticker() == m_sticker && m_sticker->indexOfModel(part) < 0)
        m_sticker->insertModel(row, part);
}

LWNaviTreeItem *LW2DStickerFeatureModel::naviTreeItemTakeChild(int row)
{
    return m_sticker->removeModelAt(row);
}

void LW2DStickerFeatureModel::naviTreeItemMoveChild(int from, int to)
{
    m_sticker->movePart(from, to);
}

void LW2DStickerFeatureModel::menuItemAction(QString menuItemId)
{
    if (menuItemId == importFrameMenuId())
        importFrame();
    else if (menuItemId == removeFeatureMenuId())
        onActionRemoveFeature();
    else if (menuItemId == addComponentMenuId())
        addComponent();
    else if (menuItemId == renameFeatureMenuId())
        setNaviItemEditing(true);
    else
        LWFeatureTreeItem::menuItemAction(menuItemId);
}

void LW2DStickerFeatureModel::naviTreeItemInspectorDataChanged()
{
    const std::shared_ptr<LWQmlViewModel> root = inspectorViewModel();
    if (!root)
        return;
    const QJsonValue faces = root->value().toObject().value(QLatin1String("faceIndexArray"));
    if (faces.isArray())
        m_faceIndexes = readFaceIndexes(faces);
}

// --- files ---------------------------------------------------------------------------

void LW2DStickerFeatureModel::readStickerFileName()
{
    const QString named =
        contentJson().value(QLatin1String("content")).toObject().value(QLatin1String("path")).toString();
    // The name comes from a package anybody can write: the document lives in
    // the feature folder and nowhere else.
    const QString file = QFileInfo(named).fileName();
    m_stickerFileName = LW2DStickerFrames::isPlainName(file) ? file : kDefaultStickerFile;
}

void LW2DStickerFeatureModel::readContentFile()
{
    readStickerFileName();
    LW2DSticker::LoadContext context;
    context.featureFolder = featureFolder();
    m_sticker->load(LWJsonFile::read(context.featureFolder + QLatin1Char('/') + m_stickerFileName), context);
}

QJsonObject LW2DStickerFeatureModel::getFeatureRequirements() const
{
    const QSet<int> types = m_sticker->exportedTriggerTypes();
    QJsonObject requirement{{QStringLiteral("matting"), false}};
    if (types.contains(NS2DStickerParameter::kHandTriggerType))
        requirement.insert(QStringLiteral("handDetect"), true);
    for (int type : types) {
        if (type != NS2DStickerParameter::kHandTriggerType) {
            requirement.insert(QStringLiteral("faceDetect"), true);
            break;
        }
    }
    return requirement;
}

QJsonValue LW2DStickerFeatureModel::saveFeature(const SaveParam &param)
{
    if (param.bSaveProject) {
        contentJson().insert(QStringLiteral("tag"), newTag());
        QJsonObject record = projectRecord();
        record.insert(QStringLiteral("type"), linkTypeName());
        record.insert(QStringLiteral("faceIndex"), faceIndexArray());
        LW2DSticker::WriteContext context;
        context.projectKeys = true;
        record.insert(QStringLiteral("substance"), m_sticker->write(context));
        return record;
    }
    if (param.path.isEmpty())
        return QJsonValue();
    if (!path().endsWith(QLatin1Char('/')))
        setPath(path() + QLatin1Char('/'));
    // The engine finds the document through the content file.
    QJsonObject content = contentJson().value(QLatin1String("content")).toObject();
    if (content.value(QLatin1String("path")).toString() != m_stickerFileName) {
        content.insert(QStringLiteral("path"), m_stickerFileName);
        contentJson().insert(QStringLiteral("content"), content);
    }
    exportContentFile(param);
    LW2DSticker::WriteContext context;
    context.frameFolder = param.path + QLatin1Char('/') + path();
    context.frameFolder.chop(1);
    LWJsonFile::write(context.frameFolder + QLatin1Char('/') + m_stickerFileName, m_sticker->write(context));
    return QJsonValue();
}

QJsonValue LW2DStickerFeatureModel::toConfigLinkValue() const
{
    QJsonObject link{{QStringLiteral("type"), linkTypeName()},
                     {QStringLiteral("zorder"), zOrder()},
                     {QStringLiteral("path"), path()}};
    if (!m_faceIndexes.isEmpty())
        link.insert(QStringLiteral("faceIndex"), faceIndexArray());
    return link;
}

// --- new components --------------------------------------------------------------

LW2DStickerPartData LW2DStickerFeatureModel::newComponentData(const QString &name, const QString &folder) const
{
    LW2DStickerPartData data;
    data.title = name;
    const QStringList frames = LW2DStickerFrames::pngFiles(folder);
    if (!frames.isEmpty()) {
        const QSize size = QImageReader(frames.first()).size();
        if (size.isValid()) {
            data.width = size.width();
            data.height = size.height();
        }
        data.frameCount = frames.size();
    }
    const NS2DStickerParameter::FaceTypeRelateData &face = m_sticker->faceTypeData();
    const QList<int> eyes = face.traceRegion(NS2DStickerParameter::TraceRegionEyes);
    for (int index : eyes) {
        LW2DStickerAnchor anchor;
        anchor.index = index;
        anchor.setPos(face.point(index));
        data.anchors.positionX.append(anchor);
    }
    if (eyes.size() == 2) {
        data.anchors.scaleA = data.anchors.positionX.at(0);
        data.anchors.scaleB = data.anchors.positionX.at(1);
    }
    return data;
}

void LW2DStickerFeatureModel::addComponent()
{
    const QString name = m_sticker->uniqueModelName(QStringLiteral("Untitled"));
    const LW2DStickerPartData data = newComponentData(name, featureFolder() + QLatin1Char('/') + name);
    LWUndoStack::instance()->push(
        new LW2DStickerAddComponetUndoCommand(m_sticker, name, LWNaviTreeItem::kNaviTreeItemType, data));
}

void LW2DStickerFeatureModel::receiveTemplateResources(const QStringList &resourceIds)
{
    const QString name = m_sticker->uniqueModelName(QStringLiteral("Untitled"));
    LW2DStickerPartData data = newComponentData(name, featureFolder() + QLatin1Char('/') + name);
    auto *command = new LW2DStickerAddComponetUndoCommand(m_sticker, name, LWNaviTreeItem::kNaviTreeItemType, data);
    LWUndoStack::instance()->push(command);
    if (LW2DStickerPart *part = command->part())
        part->receiveTemplateResources(resourceIds);
}

void LW2DStickerFeatureModel::importFrame()
{
    // Any frame of the sequence is picked: it stands for its folder, whose
    // images all become the part's frames (a folder dialog would show the
    // author no frames to recognise).
    LWFileRequest request;
    request.title = tr("Choose file");
    request.filter = QStringList{tr("Image files") + QStringLiteral(" ( *.png)")};
    request.selectFolder = false;
    QPointer<LW2DStickerFeatureModel> self(this);
    LWDialogs::instance()->openFile(request, [self](const QList<QUrl> &urls) {
        if (self && !urls.isEmpty())
            self->importTextureFrom(urls.first().isLocalFile() ? urls.first().toLocalFile() : urls.first().toString());
    });
}

QString LW2DStickerFeatureModel::freeComponentName(const QString &base) const
{
    // Free among the parts and among the folders already in the feature
    // folder, which may hold frames that never reached the library.
    QString name = m_sticker->uniqueModelName(LW2DStickerFrames::isPlainName(base) ? base : QStringLiteral("Untitled"));
    const QString folder = featureFolder() + QLatin1Char('/');
    while (QFileInfo::exists(folder + name))
        name = m_sticker->uniqueModelName(LW2DSticker::nextName(name));
    return name;
}

LW2DStickerPart *LW2DStickerFeatureModel::importTextureFrom(const QString &pickedPath)
{
    const QFileInfo picked(pickedPath);
    const QString source = picked.isDir() ? picked.absoluteFilePath() : picked.absolutePath();
    const QStringList images = imageFiles(source);
    if (images.isEmpty()) {
        qWarning().noquote() << "2D sticker: no image to import in" << source;
        return nullptr;
    }
    const QString name = freeComponentName(QFileInfo(source).fileName());
    const QString folder = featureFolder() + QLatin1Char('/') + name;
    // Numbered PNGs, the layout a frame folder of a package has.
    const int copied = LW2DStickerFrames::exportFrames(images, featureFolder(), name);
    if (copied == 0) {
        LWFolderUtil::removeFolder(folder);
        return nullptr;
    }
    LW2DStickerPartData data = newComponentData(name, folder);
    data.resourceId = LW2DSticker::importFrameFolder(featureFolder(), name);
    auto *command = new LW2DStickerAddComponetUndoCommand(m_sticker, name, LWNaviTreeItem::kNaviTreeItemType, data);
    LWUndoStack::instance()->push(command);
    return command->part();
}
