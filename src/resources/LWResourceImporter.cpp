#include "LWResourceImporter.h"

#include "LWResouceTreeViewModel.h"
#include "LWResourceContainer.h"
#include "LWResourceFileCopy.h"
#include "LWResourceManager.h"
#include "LWResourceNaming.h"
#include "NSLWResourceParameter.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "common/LWImageLimits.h"
#include "navigation/LWNaviTreeItem.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>

using NSLWResourceParameter::ResourceContentPtr;
using NSLWResourceParameter::stResourceContent;

namespace {

struct FileKind
{
    const char *suffix; // lower case
    int type;
    int subtype;
    const char *flags;
};

// What a single file becomes, by its lower-cased suffix.
const FileKind kFileKinds[] = {
    {"png", LWEffectCommon::LWResourceType2DTexture, 2, "png"},
    {"jpg", LWEffectCommon::LWResourceType2DTexture, 4, "jpeg"},
    {"jpeg", LWEffectCommon::LWResourceType2DTexture, 4, "jpeg"},
    {"mtl", LWEffectCommon::LWResourceTypeMTL, 0, "mtl"},
    {"particle", LWEffectCommon::LWResourceTypeParticle, 0, "particle"},
    {"fbx", LWEffectCommon::LWResourceType3DModel, 0, "model"},
    {"obj", LWEffectCommon::LWResourceType3DModel, 0, "model"},
    {"acmod", LWEffectCommon::LWResourceType3DModel, 0, "model"},
    {"acanim", LWEffectCommon::LWResourceType3DModel, 0, "model"},
    {"glsl", LWEffectCommon::LWResourceTypeShader, 0, "shader"},
    {"fs", LWEffectCommon::LWResourceTypeShader, 0, "shader"},
    {"vs", LWEffectCommon::LWResourceTypeShader, 0, "shader"},
    {"mp3", LWEffectCommon::LWResourceMusic, 0, "mp3"},
};

const FileKind *fileKindOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FileKind &kind : kFileKinds) {
        if (suffix == QLatin1String(kind.suffix))
            return &kind;
    }
    return nullptr;
}

QString joinPath(const QString &groupPath, const QString &name)
{
    return groupPath.isEmpty() ? name : groupPath + QLatin1Char('/') + name;
}

// "000", "001", ... growing to four digits past 999.
QString frameNumber(int counter)
{
    return QStringLiteral("%1").arg(counter, 3, 10, QLatin1Char('0'));
}

ResourceContentPtr newFrameRecord(const QString &folderName, const QString &groupPath, int subtype,
                                  const QString &sequenceName)
{
    auto record = std::make_shared<stResourceContent>();
    record->resourceId = NSLWResourceParameter::newResourceId();
    record->name = folderName;
    record->sourceFilePath = joinPath(groupPath, folderName);
    record->plainFilePath = record->sourceFilePath;
    record->flags = QStringLiteral("folder");
    // A package's folders keep their generated names on disk; the library
    // shows the name the author gave them.
    record->displayName = LWResourceNaming::readableName(sequenceName);
    record->subtype = subtype;
    record->type = LWEffectCommon::LWResourceType2DTextureFrame;
    return record;
}

QJsonObject treeObjectFor(const QString &displayName, const QString &resourceId)
{
    return {{QStringLiteral("name"), LWResourceNaming::trimmedDisplayName(LWResourceNaming::readableName(displayName))},
            {QStringLiteral("resourceId"), resourceId}};
}

// The last "/"-separated part of a folder path, ignoring trailing "/".
QString folderName(QString folder)
{
    while (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder.section(QLatin1Char('/'), -1);
}

} // namespace

LWResourceImporter::LWResourceImporter(const ImportResourceParam &param, LWNaviTreeItem *parent)
    : m_param(param)
    , m_parent(parent)
{
    if (LWResourceContainer *container = LWResourceContainer::of(parent))
        m_groupPath = container->groupPath();
}

QString LWResourceImporter::folderFor(const QString &groupPath) const
{
    return LWResourceManager::instance()->resourcesFolder() + groupPath;
}

QString LWResourceImporter::addToTree(const Stored &stored)
{
    if (m_param.addToTree && !stored.treeObject.isEmpty() && m_parent)
        LWResourceManager::instance()->addResourceItem(stored.treeObject, m_parent, m_param.withUndo);
    return stored.id;
}

// --- single files ---------------------------------------------------------------

QString LWResourceImporter::importFile(const QString &path)
{
    if (QFileInfo(path).suffix() != QLatin1String("gif"))
        return importSingleFile(path);
    const QStringList frames = extractGifFrames(path);
    if (frames.isEmpty())
        return QString();
    const QString id = addToTree(storeFramesFromFiles(frames, m_groupPath));
    // The frames were only a way into the library, which holds its copies
    // now: left behind they would pile up with every import.
    LWFolderUtil::removeFolder(QFileInfo(frames.first()).absolutePath());
    QDir().rmdir(LWDataPaths::subFolder(QStringLiteral("gifTemp")));
    return id;
}

QString LWResourceImporter::importSingleFile(const QString &path)
{
    return addToTree(storeSingleFile(path, m_groupPath));
}

LWResourceImporter::Stored LWResourceImporter::storeSingleFile(const QString &path, const QString &groupPath) const
{
    const QFileInfo source(path);
    // Classified before copying, so an unknown kind leaves no stray copy.
    const FileKind *kind = fileKindOf(path);
    if (!source.isFile() || !kind)
        return {};
    const QString folder = folderFor(groupPath);
    if (!groupPath.isEmpty())
        QDir().mkpath(folder);
    const QString relativePath = joinPath(groupPath, LWResourceNaming::generatedName(source.fileName(), folder));
    const QString destination = LWResourceManager::instance()->resourcesFolder() + relativePath;
    if (!LWResourceFileCopy::copyFile(path, destination)) {
        qDebug().noquote() << "dst :" << destination;
        return {};
    }

    auto record = std::make_shared<stResourceContent>();
    record->resourceId = NSLWResourceParameter::newResourceId();
    record->name = LWResourceNaming::randomLetters();
    record->sourceFilePath = relativePath;
    record->plainFilePath = relativePath;
    record->flags = QLatin1String(kind->flags);
    record->displayName = source.baseName();
    record->subtype = kind->subtype;
    record->type = kind->type;
    LWResourceManager::instance()->insertRecord(record);

    Stored stored{record->resourceId, {}};
    // Shaders belong to the materials that use them, not to the tree.
    if (kind->type != LWEffectCommon::LWResourceTypeShader)
        stored.treeObject = treeObjectFor(record->displayName, record->resourceId);
    return stored;
}

// --- frame sequences ---------------------------------------------------------

QString LWResourceImporter::importFramesFromFiles(const QStringList &paths)
{
    return addToTree(storeFramesFromFiles(paths, m_groupPath));
}

LWResourceImporter::Stored LWResourceImporter::storeFramesFromFiles(const QStringList &paths,
                                                                    const QString &groupPath) const
{
    if (paths.isEmpty() || !QFileInfo::exists(paths.first()))
        return {};
    const QString firstName = QFileInfo(paths.first()).fileName();
    const QString sequenceName = firstName.section(QLatin1Char('_'), 0, 0);
    const QString parent = folderFor(groupPath);
    const QString generated = LWResourceNaming::generatedName(firstName, parent).section(QLatin1Char('.'), 0, 0);
    const QString name = LWResourceNaming::uniqueIn(generated, parent);
    const QString folder = parent + QLatin1Char('/') + name;
    QDir().mkpath(folder);

    int copied = 0;
    for (const QString &path : paths) {
        // Compared as written: "logo.PNG" is no frame.
        const QString suffix = QFileInfo(path).suffix();
        if (suffix != QLatin1String("png") && suffix != QLatin1String("jpg"))
            continue;
        const QString target = QStringLiteral("%1/%2_%3.%4").arg(folder, name, frameNumber(copied), suffix);
        if (LWResourceFileCopy::copyFile(path, target))
            ++copied;
        else
            qDebug().noquote() << "dst :" << target;
    }
    if (copied == 0)
        return {};
    const ResourceContentPtr record = newFrameRecord(name, groupPath, 1, sequenceName);
    LWResourceManager::instance()->insertRecord(record);
    return {record->resourceId, treeObjectFor(sequenceName, record->resourceId)};
}

QString LWResourceImporter::importFramesFromFolder(const QString &folder)
{
    return addToTree(storeFramesFromFolder(folder, m_groupPath));
}

LWResourceImporter::Stored LWResourceImporter::storeFramesFromFolder(const QString &folder,
                                                                     const QString &groupPath) const
{
    if (!QFileInfo(folder).isDir())
        return {};
    QString sequenceName = folderName(folder);
    if (sequenceName.isEmpty())
        sequenceName = QStringLiteral("Untitled");

    QStringList frames;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        if (entry.suffix().toLower() == QLatin1String("png"))
            frames.append(entry.filePath());
    }
    if (frames.isEmpty())
        return {};

    const QString parent = folderFor(groupPath);
    const QString name = LWResourceNaming::generatedName(sequenceName, parent);
    const QString target = parent + QLatin1Char('/') + name;
    QDir().mkpath(target);
    int copied = 0;
    for (const QString &frame : qAsConst(frames)) {
        const QString destination = QStringLiteral("%1/%2_%3.png").arg(target, name, frameNumber(copied));
        if (LWResourceFileCopy::copyFile(frame, destination))
            ++copied;
        else
            qDebug().noquote() << "dst :" << destination;
    }
    if (copied == 0)
        return {};
    const ResourceContentPtr record = newFrameRecord(name, groupPath, 3, sequenceName);
    LWResourceManager::instance()->insertRecord(record);
    return {record->resourceId, treeObjectFor(sequenceName, record->resourceId)};
}

QString LWResourceImporter::importFolderAndChildren(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return QString();
    const QFileInfoList children = QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &child : children)
        importFramesFromFolder(child.filePath());
    return importFramesFromFolder(folder);
}

QStringList LWResourceImporter::extractGifFrames(const QString &gifPath)
{
    QImageReader reader(gifPath);
    // Every frame is decoded onto the canvas: a canvas past the limit is
    // refused before the first frame is.
    if (!LWImageLimits::fits(reader.size()))
        return {};
    QImage frame;
    if (!reader.read(&frame))
        return {};
    QString name = QFileInfo(gifPath).completeBaseName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("gif"); // the name becomes a folder under gifTemp
    const QString folder = LWDataPaths::subFolder(QStringLiteral("gifTemp/") + name);
    QStringList frames;
    int index = 0;
    do {
        const QString path = folder + QStringLiteral("/%1_%2.png").arg(name).arg(index++);
        if (frame.save(path, "PNG"))
            frames.append(path);
        else
            qDebug().noquote() << "gif frame not saved:" << path;
    } while (reader.read(&frame));
    return frames;
}

// --- groups ----------------------------------------------------------------------

QStringList LWResourceImporter::importGroup(const QString &folder)
{
    QStringList ids;
    const QJsonObject group = storeGroup(folder, m_groupPath, ids);
    if (!group.isEmpty() && m_param.addToTree && m_parent)
        LWResourceManager::instance()->addGroup(group, m_parent, m_param.withUndo);
    return ids;
}

QJsonObject LWResourceImporter::storeGroup(const QString &folder, const QString &parentPath, QStringList &ids) const
{
    if (!QFileInfo(folder).isDir())
        return {};
    QString name = folderName(folder);
    if (name.isEmpty())
        name = QStringLiteral("NewGroups");
    const QString path = joinPath(parentPath, LWResourceNaming::generatedName(name, folderFor(parentPath)));

    QJsonArray groups;
    QJsonArray resources;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir()) {
            // A link back up the tree would never end.
            if (entry.isSymLink())
                continue;
            const QJsonObject nested = storeGroup(entry.filePath(), path, ids);
            if (!nested.isEmpty())
                groups.append(nested);
            continue;
        }
        const Stored stored = storeSingleFile(entry.filePath(), path);
        if (!stored.treeObject.isEmpty())
            resources.append(stored.treeObject);
        if (!stored.id.isEmpty())
            ids.append(stored.id);
    }
    return {{QStringLiteral("name"), name},
            {QStringLiteral("path"), path},
            {QStringLiteral("groups"), groups},
            {QStringLiteral("resources"), resources}};
}

void LWResourceImporter::addEmptyGroup()
{
    LWResourceManager *library = LWResourceManager::instance();
    if (!library->treeRoot())
        return;
    const QString name = LWResourceNaming::generatedName(QStringLiteral("New Folder"), library->resourcesFolder());
    const QJsonObject group{{QStringLiteral("name"), name},
                            {QStringLiteral("path"), name},
                            {QStringLiteral("groups"), QJsonArray()},
                            {QStringLiteral("resources"), QJsonArray()}};
    library->addGroup(group, library->treeRoot(), m_param.withUndo, 0);
}
