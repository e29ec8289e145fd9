#include "LWResourceManager.h"

#include "LWResourceFileCopy.h"
#include "LWResourceNaming.h"
#include "LWResourceReplaceImagesUndoCommand.h"

#include "LWResouceTreeViewModel.h"
#include "LWResource2DTextureModel.h"
#include "LWResourceAddUndoCommand.h"
#include "LWResourceComponentView.h"
#include "LWResourceContainer.h"
#include "LWResourceGroupsView.h"
#include "LWResourceImageCheck.h"
#include "LWResourceViewBase.h"
#include "common/LWEffectCommon.h"
#include "common/LWFolderUtil.h"
#include "common/LWJsonFile.h"
#include "compress/LWTextureCompess.h"
#include "inspector/LWInspectorViewModel.h"
#include "undo/LWUndoStack.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <algorithm>

using NSLWResourceParameter::ResourceContentPtr;
using NSLWResourceParameter::stResourceContent;

namespace {

const QString kDefaultResourcesPath = QStringLiteral("Resources");

// Paths stored in a manifest come from files anybody can edit: only plain
// relative paths inside the resources folder may ever be deleted.
bool isLibraryPath(const QString &relativePath)
{
    if (relativePath.isEmpty() || QDir::isAbsolutePath(relativePath) || relativePath.startsWith(QLatin1Char(':'))
        || relativePath.contains(QLatin1Char('\\')))
        return false;
    const QString clean = QDir::cleanPath(relativePath);
    return clean != QLatin1String(".") && clean != QLatin1String("..")
           && !clean.startsWith(QLatin1String("../"));
}

// One of the paths is the other or lies inside it.
bool pathsOverlap(const QString &a, const QString &b)
{
    const QString x = QDir::cleanPath(a);
    const QString y = QDir::cleanPath(b);
    return x == y || y.startsWith(x + QLatin1Char('/')) || x.startsWith(y + QLatin1Char('/'));
}

// Files and folders of a folder, unsorted, without "." and "..".
QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::NoSort);
}

bool removePath(const QString &absolutePath)
{
    const QFileInfo info(absolutePath);
    if (info.isDir() && !info.isSymLink())
        return LWFolderUtil::removeFolder(absolutePath);
    if (!info.exists() && !info.isSymLink())
        return true;
    return QFile::remove(absolutePath);
}

QString cleanFolder(const QString &folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

} // namespace

LWResourceManager::LWResourceManager() = default;

LWResourceManager::~LWResourceManager() = default;

// --- library lifecycle -----------------------------------------------------

void LWResourceManager::clearLibrary()
{
    m_records.clear();
    m_pendingDeletions.clear();
    m_resourcesPath = kDefaultResourcesPath;
    m_resourcesFolder.clear();
    m_workspaceFolder.clear();
    // The views may still hold the old root until they are told of the new
    // one; undo commands of the old library keep their items until then too.
    if (m_root)
        m_root->deleteLater();
    m_root = nullptr;
}

bool LWResourceManager::load(const QString &workspaceFolder)
{
    const QJsonObject document = LWJsonFile::read(workspaceFolder + QLatin1Char('/') + manifestFileName());
    clearLibrary();
    if (document.isEmpty()) {
        qWarning() << "resource library: no manifest in" << workspaceFolder;
        emit libraryLoaded(nullptr);
        return false;
    }
    m_workspaceFolder = workspaceFolder;
    const QJsonValue manager = document.value(QStringLiteral("resourceManager"));
    if (manager.isObject())
        readRecords(manager.toObject());
    computeResourcesFolder();

    // A library always has a tree, even when the manifest lost its own:
    // imports need somewhere to go.
    m_root = new LWResouceTreeViewModel(this);
    const QJsonValue view = document.value(QStringLiteral("resourceView"));
    if (view.isObject())
        m_root->fillFromJson(view.toObject().value(QStringLiteral("tree")).toObject());
    emit resourceModelDataChanged(LWEffectCommon::LWResourceTypeAll);
    emit libraryLoaded(m_root);
    return true;
}

void LWResourceManager::readRecords(const QJsonObject &manager)
{
    const QJsonValue path = manager.value(QStringLiteral("resourcesPath"));
    if (path.isString() && isLibraryPath(path.toString()))
        m_resourcesPath = path.toString();
    const QJsonArray list = manager.value(QStringLiteral("list")).toArray();
    for (const QJsonValue &value : list) {
        const QJsonObject entry = value.toObject();
        const QString id = entry.value(QStringLiteral("resourceId")).toString();
        if (id.isEmpty())
            continue;
        const QString sourceFilePath = entry.value(QStringLiteral("sourceFilePath")).toString();
        // A record naming a file outside the library would show, export,
        // compress or upload whatever file of the author's disk it names.
        if (!sourceFilePath.isEmpty() && !isLibraryPath(sourceFilePath)) {
            qWarning() << "resource library: ignoring a record outside the library:" << sourceFilePath;
            continue;
        }
        auto record = std::make_shared<stResourceContent>();
        record->resourceId = id;
        record->uid = entry.value(QStringLiteral("uid")).toString();
        record->name = entry.value(QStringLiteral("name")).toString();
        record->sourceFilePath = sourceFilePath;
        record->plainFilePath = NSLWResourceParameter::plainFilePathOf(record->sourceFilePath);
        record->additionalProperties = entry.value(QStringLiteral("additionalProperties")).toString();
        record->flags = entry.value(QStringLiteral("flags")).toString();
        record->subtype = entry.value(QStringLiteral("subtype")).toInt();
        record->type = entry.value(QStringLiteral("type")).toInt();
        m_records.insert(id, record);
    }
}

void LWResourceManager::computeResourcesFolder()
{
    if (m_workspaceFolder.isEmpty())
        return;
    m_resourcesFolder = m_workspaceFolder + QLatin1Char('/') + m_resourcesPath + QLatin1Char('/');
    QDir().mkpath(m_resourcesFolder);
}

void LWResourceManager::unload()
{
    clearLibrary();
}

bool LWResourceManager::isLoadedFor(const QString &workspaceFolder) const
{
    return isLoaded() && !workspaceFolder.isEmpty() && cleanFolder(workspaceFolder) == cleanFolder(m_workspaceFolder);
}

LWResouceTreeViewModel *LWResourceManager::treeRoot() const
{
    return m_root.data();
}

void LWResourceManager::setWorkspaceFolder(const QString &workspaceFolder)
{
    m_workspaceFolder = workspaceFolder;
    computeResourcesFolder();
}

QJsonObject LWResourceManager::toJson() const
{
    QList<ResourceContentPtr> sorted = m_records.values();
    // The table has no order of its own; a stable one keeps saved files
    // comparable.
    std::sort(sorted.begin(), sorted.end(),
              [](const ResourceContentPtr &a, const ResourceContentPtr &b) { return a->resourceId < b->resourceId; });
    QJsonArray list;
    for (const ResourceContentPtr &record : sorted) {
        list.append(QJsonObject{{QStringLiteral("resourceId"), record->resourceId},
                                {QStringLiteral("uid"), record->uid},
                                {QStringLiteral("name"), record->name},
                                {QStringLiteral("sourceFilePath"), record->sourceFilePath},
                                {QStringLiteral("flags"), record->flags},
                                {QStringLiteral("type"), record->type},
                                {QStringLiteral("subtype"), record->subtype}});
    }
    // Only a loaded library is saved, and a loaded library has a tree.
    const QJsonObject tree = m_root->toJson();
    return {{QStringLiteral("resourceManager"),
             QJsonObject{{QStringLiteral("resourcesPath"), m_resourcesPath}, {QStringLiteral("list"), list}}},
            {QStringLiteral("resourceView"), QJsonObject{{QStringLiteral("tree"), tree}}}};
}

bool LWResourceManager::save(const QString &folder)
{
    const QString target = folder.isEmpty() ? m_workspaceFolder : folder;
    if (!isLoaded() || target.isEmpty())
        return false;
    const bool ok = LWJsonFile::write(target + QLatin1Char('/') + manifestFileName(), toJson());
    if (ok && cleanFolder(target) == cleanFolder(m_workspaceFolder))
        flushReleasedFiles();
    return ok;
}

// --- queries -----------------------------------------------------------------

ResourceContentPtr LWResourceManager::findRecord(const QString &resourceId) const
{
    return m_records.value(resourceId);
}

ResourceContentPtr LWResourceManager::record(const QString &resourceId) const
{
    ResourceContentPtr found = findRecord(resourceId);
    return found ? found : std::make_shared<stResourceContent>();
}

void LWResourceManager::insertRecord(const ResourceContentPtr &record)
{
    if (record && !record->resourceId.isEmpty())
        m_records.insert(record->resourceId, record);
}

QString LWResourceManager::resourcesFolder()
{
    if (m_resourcesFolder.isEmpty())
        computeResourcesFolder();
    return m_resourcesFolder;
}

QString LWResourceManager::absolutePath(const QString &resourceId) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    return found ? m_resourcesFolder + found->sourceFilePath : QString();
}

QString LWResourceManager::firstImage(const QString &resourceId) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    if (!found)
        return QString();
    const QString path = m_resourcesFolder + found->sourceFilePath;
    if (!found->isFolder())
        return path;
    const QStringList entries = folderEntries(path);
    return entries.isEmpty() ? QString() : path + QLatin1Char('/') + entries.first();
}

QStringList LWResourceManager::frameFileList(const QString &resourceId) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    if (!found || found->type != LWEffectCommon::LWResourceType2DTextureFrame)
        return {};
    const QString folder = m_resourcesFolder + found->sourceFilePath;
    QStringList paths;
    for (const QString &entry : folderEntries(folder))
        paths.append(folder + QLatin1Char('/') + entry);
    return paths;
}

int LWResourceManager::frameCount(const QString &resourceId) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    if (!found)
        return 0;
    if (!found->isFolder())
        return 1;
    return folderEntries(m_resourcesFolder + found->sourceFilePath).size();
}

qint64 LWResourceManager::sizeOnDisk(const QString &resourceId, bool *exists) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    const QFileInfo info(found ? m_resourcesFolder + found->sourceFilePath : QString());
    if (exists)
        *exists = found && info.exists();
    if (!found || !info.exists())
        return 0;
    if (!info.isDir())
        return info.size();
    qint64 total = 0;
    QDirIterator it(info.filePath(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

QString LWResourceManager::fileName(const QString &resourceId) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    if (!found || found->isFolder())
        return QString();
    return found->sourceFilePath.section(QLatin1Char('/'), -1);
}

QString LWResourceManager::sourceFilePath(const QString &resourceId) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    return found ? found->sourceFilePath : QString();
}

QString LWResourceManager::recordName(const QString &resourceId) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    return found ? found->name : QString();
}

QString LWResourceManager::displayName(const QString &resourceId) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    return found ? found->displayName : QString();
}

QString LWResourceManager::plainFilePath(const QString &resourceId) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    return found ? found->plainFilePath : QString();
}

int LWResourceManager::type(const QString &resourceId) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    return found ? found->type : 0;
}

int LWResourceManager::compressType(const QString &resourceId) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    return found ? found->compressType : -1;
}

std::shared_ptr<LWResource2DTextureModel> LWResourceManager::resourceModel(const QString &resourceId) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    if (!found)
        return nullptr;
    if (!found->model)
        found->model = LWResource2DTextureModel::create(found);
    return found->model;
}

std::shared_ptr<LWQmlViewModel> LWResourceManager::inspectorModel(const QString &resourceId) const
{
    const std::shared_ptr<LWResource2DTextureModel> model = resourceModel(resourceId);
    if (!model || !model->inspector())
        return nullptr;
    // Whoever shows the panel keeps its model, the panel's data source, alive.
    return std::shared_ptr<LWQmlViewModel>(model, model->inspector().get());
}

bool LWResourceManager::copyOut(const QString &resourceId, const QString &destinationFolder) const
{
    const ResourceContentPtr found = findRecord(resourceId);
    if (!found || destinationFolder.isEmpty())
        return false;
    const QString source = m_resourcesFolder + found->sourceFilePath;
    if (found->isFolder())
        return LWFolderUtil::copyFolder(source, destinationFolder + QLatin1Char('/') + found->name);
    if (!QDir().mkpath(destinationFolder))
        return false;
    const QString target = destinationFolder + QLatin1Char('/') + fileName(resourceId);
    if (QFileInfo::exists(target))
        QFile::remove(target);
    return QFile::copy(source, target);
}

void LWResourceManager::remove(const QString &resourceId)
{
    const ResourceContentPtr found = m_records.take(resourceId);
    if (!found)
        return;
    if (isLibraryPath(found->sourceFilePath))
        removePath(m_resourcesFolder + found->sourceFilePath);
    else
        qWarning() << "resource library: refusing to delete outside the library:" << found->sourceFilePath;
}

bool LWResourceManager::checkConstraint(const QString &resourceId, int constraint, QString *error) const
{
    if (findRecord(resourceId)) {
        if (const std::shared_ptr<LWResource2DTextureModel> model = resourceModel(resourceId))
            return model->qualify(constraint, error);
        if (constraint == LWEffectCommon::LWConstraintTypeNone)
            return LWResourceImageCheck::checkTextureConstraint(firstImage(resourceId), constraint, error);
    }
    if (error)
        *error = QCoreApplication::translate("LWResourceManager", "Resource unqualified");
    return false;
}

// --- tree ------------------------------------------------------------------------

LWResourceViewBase *LWResourceManager::insertTreeItem(LWResouceTreeViewModel *library, int kind,
                                                      const QJsonObject &object, LWNaviTreeItem *parent,
                                                      int position)
{
    LWResourceContainer *container = LWResourceContainer::of(parent ? parent : library);
    if (!library || !container)
        return nullptr;
    LWResourceViewBase *item = kind == LWResourceAddUndoCommand::KindGroup
                                   ? static_cast<LWResourceViewBase *>(library->buildGroup(object))
                                   : library->buildComponent(object);
    container->putChild(position, item);
    announceDataChanged(item);
    return item;
}

LWResourceViewBase *LWResourceManager::addResourceItem(const QJsonObject &object, LWNaviTreeItem *parent,
                                                       bool withUndo, int position)
{
    if (!m_root)
        return nullptr;
    if (!withUndo)
        return insertTreeItem(m_root, LWResourceAddUndoCommand::KindResource, object, parent, position);
    auto *command = new LWResourceAddUndoCommand(m_root, LWResourceAddUndoCommand::KindResource, object, parent,
                                                 position);
    LWUndoStack::instance()->push(command, true);
    return command->item();
}

LWResourceViewBase *LWResourceManager::addGroup(const QJsonObject &object, LWNaviTreeItem *parent, bool withUndo,
                                                int position)
{
    if (!m_root)
        return nullptr;
    if (!withUndo)
        return insertTreeItem(m_root, LWResourceAddUndoCommand::KindGroup, object, parent, position);
    auto *command = new LWResourceAddUndoCommand(m_root, LWResourceAddUndoCommand::KindGroup, object, parent,
                                                 position);
    LWUndoStack::instance()->push(command, true);
    return command->item();
}

QList<LWResourceViewBase *> LWResourceManager::collectByType(int type, int constraint, QStringList *errors) const
{
    QList<LWResourceViewBase *> found;
    if (m_root)
        m_root->collectChildren(type, constraint, found, errors);
    return found;
}

void LWResourceManager::announceDataChanged(const LWResourceViewBase *item)
{
    if (!item)
        return;
    emit resourceModelDataChanged(item->isGroup() ? int(LWEffectCommon::LWResourceTypeAll) : item->resourceType());
}

LWNaviTreeItem *LWResourceManager::importParent() const
{
    if (!m_root)
        return nullptr;
    auto *selected = qobject_cast<LWResourceViewBase *>(m_selectedItem ? m_selectedItem() : nullptr);
    if (!selected || selected->library() != m_root || !selected->isAttached())
        return m_root;
    if (selected->isGroup())
        return selected;
    // A resource is selected: the new item goes beside it.
    return selected->parentItem() ? selected->parentItem() : m_root.data();
}

// --- final release -------------------------------------------------------------

bool LWResourceManager::treeNamesResource(const LWNaviTreeItem *node, const QString &resourceId) const
{
    const int count = node->childCount();
    for (int row = 0; row < count; ++row) {
        const LWNaviTreeItem *child = node->child(row);
        const auto *component = qobject_cast<const LWResourceComponentView *>(child);
        if ((component && component->resourceId() == resourceId) || treeNamesResource(child, resourceId))
            return true;
    }
    return false;
}

void LWResourceManager::releaseResource(const QString &resourceId, const LWResouceTreeViewModel *library)
{
    if (!library || library != m_root)
        return;
    // Another item may show the same record (a manifest may name it twice).
    if (treeNamesResource(m_root, resourceId))
        return;
    const ResourceContentPtr found = m_records.take(resourceId);
    if (!found)
        return;
    if (isLibraryPath(found->sourceFilePath))
        m_pendingDeletions.append(found->sourceFilePath);
    else
        qWarning() << "resource library: refusing to delete outside the library:" << found->sourceFilePath;
    // A frame sequence's folders of its other compression levels go with it.
    if (found->isFolder()) {
        const QString plain = NSLWResourceParameter::plainFilePathOf(found->sourceFilePath);
        for (int level = 0; level <= 3; ++level) {
            const QString folder = plain + LWTextureCompess::folderSuffix(level);
            if (folder != found->sourceFilePath && isLibraryPath(folder) && QFileInfo(m_resourcesFolder + folder).isDir())
                m_pendingDeletions.append(folder);
        }
    }
    flushReleasedFiles();
}

bool LWResourceManager::replaceImages(const QString &resourceId, const QStringList &images)
{
    const ResourceContentPtr record = findRecord(resourceId);
    if (!record || images.isEmpty() || resourcesFolder().isEmpty())
        return false;
    const QString plain = record->plainFilePath.isEmpty() ? NSLWResourceParameter::plainFilePathOf(record->sourceFilePath)
                                                          : record->plainFilePath;
    const int slash = plain.lastIndexOf(QLatin1Char('/'));
    const QString group = slash < 0 ? QString() : plain.left(slash + 1); // with its "/"
    const QString folder = m_resourcesFolder + group;
    using Command = LWResourceReplaceImagesUndoCommand;
    const Command::Storage before{record->name, record->sourceFilePath, record->compressType};
    Command::Storage after;
    QString storedName; // the new file or frame folder, inside the group
    if (record->isFolder()) {
        after.name = storedName = LWResourceNaming::generatedName(record->name, folder);
        const QString target = folder + storedName;
        if (!QDir().mkpath(target))
            return false;
        for (int i = 0; i < images.size(); ++i) {
            const QString frame = QStringLiteral("%1/%2_%3.png").arg(target, storedName).arg(i, 3, 10, QLatin1Char('0'));
            const bool png = QFileInfo(images.at(i)).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
            if (!(png ? LWResourceFileCopy::copyFile(images.at(i), frame) : QImage(images.at(i)).save(frame, "PNG"))) {
                qWarning().noquote() << "resource library: could not store" << images.at(i);
                removePath(target);
                return false;
            }
        }
    } else {
        // The stored format stays, so the record's kind stays true.
        after.name = record->name;
        const QString stored = QFileInfo(plain).fileName();
        storedName = LWResourceNaming::generatedName(stored, folder);
        const QString target = folder + storedName;
        const bool sameFormat = QFileInfo(images.first()).suffix().compare(QFileInfo(stored).suffix(), Qt::CaseInsensitive) == 0;
        if (!(sameFormat ? LWResourceFileCopy::copyFile(images.first(), target) : QImage(images.first()).save(target))) {
            qWarning().noquote() << "resource library: could not store" << images.first();
            removePath(target);
            return false;
        }
    }
    after.sourceFilePath = group + storedName;
    after.compressType = 0;
    LWUndoStack::instance()->push(new Command(resourceId, before, after));
    return true;
}

void LWResourceManager::releaseStoredPath(const QString &relativePath)
{
    if (relativePath.isEmpty() || !isLibraryPath(relativePath))
        return;
    m_pendingDeletions.append(relativePath);
    flushReleasedFiles();
}

void LWResourceManager::releaseGroupFolder(const QString &groupPath, const LWResouceTreeViewModel *library)
{
    if (!library || library != m_root)
        return;
    if (!isLibraryPath(groupPath)) {
        qWarning() << "resource library: not deleting group folder" << groupPath;
        return;
    }
    m_pendingDeletions.append(groupPath);
    flushReleasedFiles();
}

QStringList LWResourceManager::savedRecordPaths() const
{
    const QJsonObject saved = LWJsonFile::read(m_workspaceFolder + QLatin1Char('/') + manifestFileName());
    const QJsonArray list = saved.value(QStringLiteral("resourceManager")).toObject().value(QStringLiteral("list")).toArray();
    QStringList paths;
    for (const QJsonValue &entry : list)
        paths.append(entry.toObject().value(QStringLiteral("sourceFilePath")).toString());
    return paths;
}

bool LWResourceManager::pathInUse(const QString &relativePath, const QStringList &savedPaths) const
{
    for (const ResourceContentPtr &record : m_records) {
        if (!record->sourceFilePath.isEmpty() && pathsOverlap(relativePath, record->sourceFilePath))
            return true;
    }
    for (const QString &saved : savedPaths) {
        if (!saved.isEmpty() && pathsOverlap(relativePath, saved))
            return true;
    }
    return false;
}

void LWResourceManager::resumeFileRelease()
{
    if (m_releaseHolds > 0 && --m_releaseHolds == 0)
        flushReleasedFiles();
}

void LWResourceManager::flushReleasedFiles()
{
    if (m_releaseHolds > 0 || m_pendingDeletions.isEmpty() || m_resourcesFolder.isEmpty())
        return;
    const QStringList saved = savedRecordPaths();
    QStringList waiting;
    for (const QString &path : qAsConst(m_pendingDeletions)) {
        if (pathInUse(path, saved)) {
            if (!waiting.contains(path))
                waiting.append(path);
            continue;
        }
        if (!removePath(m_resourcesFolder + path))
            qWarning() << "resource library: could not delete" << path;
    }
    m_pendingDeletions = waiting;
}
