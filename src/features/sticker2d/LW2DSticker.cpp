#include "LW2DSticker.h"

#include "LW2DStickerFrames.h"
#include "LW2DStickerPart.h"
#include "NS2DStickerParameter.h"
#include "common/LWFolderUtil.h"
#include "resources/LWResourceImporter.h"
#include "resources/LWResourceManager.h"
#include "resources/LWResourceNaming.h"
#include "features/sticker2d/LW2DStickerPartSceneViewModel.h"

#include <QDebug>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

LW2DSticker::LW2DSticker(LWNaviTreeItem *treeItem, QObject *parent)
    : QObject(parent)
    , m_treeItem(treeItem)
{
}

LW2DSticker::~LW2DSticker()
{
    // The parts die with this object (QObject children); the list must not
    // outlive them as dangling pointers while that happens.
    m_models.clear();
}

void LW2DSticker::setScene(LW2DStickerPartSceneViewModel *scene)
{
    m_scene = scene;
    if (scene)
        scene->setSticker(this);
}

LW2DStickerPartSceneViewModel *LW2DSticker::scene() const
{
    return m_scene.data();
}

int LW2DSticker::faceType() const
{
    return m_scene ? m_scene->faceType() : NS2DStickerParameter::FaceTypeHuman;
}

const NS2DStickerParameter::FaceTypeRelateData &LW2DSticker::faceTypeData() const
{
    return NS2DStickerParameter::faceTypeData(faceType());
}

// --- reading -------------------------------------------------------------------

void LW2DSticker::load(const QJsonObject &document, const LoadContext &context)
{
    qDeleteAll(takeAllModels());
    m_version = QStringLiteral("1.1");
    m_backgroundEdge = QJsonObject();
    if (document.isEmpty())
        return;

    const QJsonValue version = document.value(QLatin1String("version"));
    if (version.isString())
        m_version = version.toString();
    const QJsonValue edge = document.value(QLatin1String("backgroundEdge"));
    if (edge.isObject())
        m_backgroundEdge = edge.toObject();

    QList<LW2DStickerPartData> parts;
    const QJsonObject stored = document.value(QLatin1String("parts")).toObject();
    for (auto it = stored.begin(); it != stored.end(); ++it)
        parts.append(LW2DStickerPartData::fromJson(it.key(), it.value(), context.fromProject));
    std::stable_sort(parts.begin(), parts.end(), [](const LW2DStickerPartData &a, const LW2DStickerPartData &b) {
        return a.zPosition > b.zPosition;
    });
    for (LW2DStickerPartData &data : parts) {
        if (!context.fromProject) {
            // The stored key names the frame folder; the title is that key.
            data.resourceId = importFrameFolder(context.featureFolder, data.title);
            data.title = uniqueModelName(displayTitle(data.title));
        }
        insertPart(modelCount(), data);
    }
}

QString LW2DSticker::displayTitle(const QString &key)
{
    // Exported keys are the library's generated sequence names: a tree of
    // generated stems says nothing about which part is which.
    return LWResourceNaming::readableName(key);
}

QString LW2DSticker::importFrameFolder(const QString &featureFolder, const QString &key)
{
    // A key is a folder name inside the feature folder and nothing else:
    // a package must never make us read, let alone delete, anything outside.
    if (featureFolder.isEmpty() || !LW2DStickerFrames::isPlainName(key))
        return QString();
    const QString folder = featureFolder + QLatin1Char('/') + key;
    if (!QFileInfo(folder).isDir())
        return QString();
    LWResourceManager *library = LWResourceManager::instance();
    if (!library->isLoaded()) {
        qWarning().noquote() << "2D sticker: no resource library for the frames of" << key;
        return QString();
    }
    ImportResourceParam param;
    param.returnResourceId = true;
    param.withUndo = false;
    const QString id = LWResourceImporter(param, library->importParent()).importFramesFromFolder(folder);
    // Frames that did not make it into the library stay where they are.
    if (!id.isEmpty())
        LWFolderUtil::removeFolder(folder);
    return id;
}

LW2DStickerPart *LW2DSticker::insertPart(int row, const LW2DStickerPartData &data)
{
    auto *part = new LW2DStickerPart(this, data);
    insertModel(row, part);
    return part;
}

void LW2DSticker::insertModel(int row, LW2DStickerPart *model)
{
    LWModelContainer<LW2DStickerPart>::insertModel(row, model);
    emit partsChanged();
}

bool LW2DSticker::removeModel(LW2DStickerPart *model)
{
    const bool removed = LWModelContainer<LW2DStickerPart>::removeModel(model);
    if (removed)
        emit partsChanged();
    return removed;
}

LW2DStickerPart *LW2DSticker::removeModelAt(int row)
{
    LW2DStickerPart *removed = LWModelContainer<LW2DStickerPart>::removeModelAt(row);
    if (removed)
        emit partsChanged();
    return removed;
}

void LW2DSticker::movePart(int from, int to)
{
    moveModel(from, to);
    emit partsChanged();
}

// --- writing -------------------------------------------------------------------

QJsonObject LW2DSticker::write(const WriteContext &context) const
{
    QJsonObject document{{QStringLiteral("version"), m_version}};
    if (hasBackgroundEdge())
        document.insert(QStringLiteral("backgroundEdge"), m_backgroundEdge);

    const bool exporting = !context.projectKeys;
    QJsonObject parts;
    int counter = 1;
    for (int row = 0; row < m_models.size(); ++row) {
        const LW2DStickerPart *part = m_models.at(row);
        if (exporting && !part->checked())
            continue;
        QString key = part->frameFolderName();
        if (parts.contains(key)) {
            // Never overwrite another part whose own name ends in a number.
            while (parts.contains(key + QString::number(counter)))
                ++counter;
            key += QString::number(counter++);
        }
        QJsonObject json = part->partData().toJson(5000 - row, context.projectKeys, part->title(), part->checked());
        if (!context.frameFolder.isEmpty()) {
            const QStringList frames = part->hasResolvedTexture()
                                           ? LW2DStickerFrames::resourceFrames(part->partData().resourceId)
                                           : QStringList();
            if (frames.isEmpty() || LW2DStickerFrames::exportFrames(frames, context.frameFolder, key) == 0) {
                LW2DStickerFrames::exportPlaceholder(context.frameFolder, key);
                json.insert(QStringLiteral("frameCount"), 1);
            }
        }
        parts.insert(key, json);
    }
    document.insert(QStringLiteral("parts"), parts);
    return document;
}

QSet<int> LW2DSticker::exportedTriggerTypes() const
{
    QSet<int> types;
    for (const LW2DStickerPart *part : m_models) {
        if (part->checked())
            types.insert(part->partData().triggerType);
    }
    return types;
}

// --- names ---------------------------------------------------------------------

bool LW2DSticker::containsModelName(const QString &name) const
{
    return std::any_of(m_models.cbegin(), m_models.cend(),
                       [&name](const LW2DStickerPart *part) { return part->title() == name; });
}

QString LW2DSticker::nextName(const QString &name)
{
    static const QRegularExpression kNumbered(QStringLiteral("^(.*)_(\\d+)$"));
    const QRegularExpressionMatch match = kNumbered.match(name);
    if (!match.hasMatch())
        return name + QStringLiteral("_2");
    return match.captured(1) + QLatin1Char('_') + QString::number(match.captured(2).toLongLong() + 1);
}

QString LW2DSticker::uniqueModelName(const QString &name) const
{
    QString candidate = name;
    while (containsModelName(candidate))
        candidate = nextName(candidate);
    return candidate;
}
