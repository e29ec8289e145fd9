#pragma once

#include "NSLWResourceParameter.h"
#include "common/Singleton.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class LWNaviTreeItem;
class LWQmlViewModel;
class LWResouceTreeViewModel;
class LWResource2DTextureModel;
class LWResourceViewBase;

// The project's resource library: the table of resource records keyed by
// resource id, which the rest of the program queries, and the tree the
// author arranges them in. Owns "resourcemanager.json" and the
// "Resources" folder beside it.
class LWResourceManager : public QObject, public Singleton<LWResourceManager>
{
    Q_OBJECT
    friend class Singleton<LWResourceManager>;

public:
    using Singleton<LWResourceManager>::instance;
    using ResourceContentPtr = NSLWResourceParameter::ResourceContentPtr;
    // The item selected in the resource tree; imports go into its group.
    using SelectedItemProvider = std::function<LWNaviTreeItem *()>;

    static QString manifestFileName() { return QStringLiteral("resourcemanager.json"); }

    // --- library lifecycle -------------------------------------------------
    // Replaces the library with the one of the workspace (effect) folder.
    // A manifest that is missing or holds an empty object leaves the library
    // empty and returns false.
    bool load(const QString &workspaceFolder);
    // Writes the manifest into the folder, or into the library's own
    // workspace folder when none is given.
    bool save(const QString &folder = QString());
    // No library any more (the project was closed).
    void unload();
    bool isLoaded() const { return !m_root.isNull(); }
    bool isLoadedFor(const QString &workspaceFolder) const;
    QString workspaceFolder() const { return m_workspaceFolder; }
    // Save-as moved the project: the library now lives there.
    void setWorkspaceFolder(const QString &workspaceFolder);
    LWResouceTreeViewModel *treeRoot() const;

    // --- queries (an unknown id gives the fallback) -------------------------
    QString absolutePath(const QString &resourceId) const;
    QString firstImage(const QString &resourceId) const;
    QStringList frameFileList(const QString &resourceId) const;
    int frameCount(const QString &resourceId) const;
    qint64 sizeOnDisk(const QString &resourceId, bool *exists = nullptr) const;
    QString fileName(const QString &resourceId) const;
    QString sourceFilePath(const QString &resourceId) const;
    QString recordName(const QString &resourceId) const;
    QString displayName(const QString &resourceId) const;
    QString plainFilePath(const QString &resourceId) const;
    int type(const QString &resourceId) const;
    int compressType(const QString &resourceId) const;
    // The shared record, or an empty one.
    ResourceContentPtr record(const QString &resourceId) const;
    // The shared record, or null.
    ResourceContentPtr findRecord(const QString &resourceId) const;
    // The record's inspector model (images and frame sequences), made on
    // the first request and kept with the record; null for other types.
    std::shared_ptr<LWResource2DTextureModel> resourceModel(const QString &resourceId) const;
    // The root of that model's panel.
    std::shared_ptr<LWQmlViewModel> inspectorModel(const QString &resourceId) const;
    // The absolute resources folder with a trailing "/", created when unset.
    QString resourcesFolder();
    // Copies the file, or the frame folder as a sub-folder named by the
    // record name, into the destination folder.
    bool copyOut(const QString &resourceId, const QString &destinationFolder) const;
    // Deletes the file (the folder for a frame sequence) and the record.
    void remove(const QString &resourceId);
    // The image, or the frames of a frame sequence, become these pictures
    // (stored anew, one undo step; a single image keeps its stored format).
    bool replaceImages(const QString &resourceId, const QStringList &images);
    // Files no record names any more; they go once no saved manifest does.
    void releaseStoredPath(const QString &relativePath);
    // Whether the resource's first image meets the texture constraint; a
    // resource without inspector model meets none.
    bool checkConstraint(const QString &resourceId, int constraint, QString *error) const;

    QList<ResourceContentPtr> records() const { return m_records.values(); }
    int recordCount() const { return m_records.size(); }
    void insertRecord(const ResourceContentPtr &record);

    // --- tree ----------------------------------------------------------------
    // Adds an item from {"name", "resourceId"} or a group from {"name",
    // "path", "groups", "resources"} under the parent (the root when null),
    // through an undo command or directly. Returns the new item.
    LWResourceViewBase *addResourceItem(const QJsonObject &object, LWNaviTreeItem *parent, bool withUndo,
                                        int position = -1);
    LWResourceViewBase *addGroup(const QJsonObject &object, LWNaviTreeItem *parent, bool withUndo,
                                 int position = -1);
    // The insertion itself (also the add command's first redo): builds the
    // item, puts it into the parent, tells the tree and the library views.
    LWResourceViewBase *insertTreeItem(LWResouceTreeViewModel *library, int kind, const QJsonObject &object,
                                       LWNaviTreeItem *parent, int position);
    QList<LWResourceViewBase *> collectByType(int type, int constraint = 0, QStringList *errors = nullptr) const;
    // Tells the library views which resource type changed (8: all).
    void announceDataChanged(const LWResourceViewBase *item);

    void setSelectedItemProvider(SelectedItemProvider provider) { m_selectedItem = std::move(provider); }
    // Where imports go: the selected group, the group of the selected
    // resource, else the root. Null without a library.
    LWNaviTreeItem *importParent() const;

    // --- final release of removed items ------------------------------------
    // Only for items of the current library; a library that has been
    // replaced keeps its files.
    void releaseResource(const QString &resourceId, const LWResouceTreeViewModel *library);
    void releaseGroupFolder(const QString &groupPath, const LWResouceTreeViewModel *library);
    // A group releases all its items, then its folder: the files are
    // looked at once, when the group is done.
    void holdFileRelease() { ++m_releaseHolds; }
    void resumeFileRelease();
    // Relative paths whose deletion waits for a save (see flushReleasedFiles).
    QStringList pendingDeletions() const { return m_pendingDeletions; }

signals:
    // A library was loaded (its root) or dropped (null).
    void libraryLoaded(LWNaviTreeItem *root);
    void resourceModelDataChanged(int type);

private:
    LWResourceManager();
    ~LWResourceManager() override;

    void clearLibrary();
    void readRecords(const QJsonObject &manager);
    void computeResourcesFolder();
    QJsonObject toJson() const;
    bool treeNamesResource(const LWNaviTreeItem *node, const QString &resourceId) const;
    bool pathInUse(const QString &relativePath, const QStringList &savedPaths) const;
    QStringList savedRecordPaths() const;
    // Deletes the released files that neither a record of the table nor the
    // manifest on disk still names: until the next save, a saved project may
    // still need them.
    void flushReleasedFiles();

    QString m_resourcesPath = QStringLiteral("Resources");
    QString m_resourcesFolder; // absolute, with a trailing "/"
    QString m_workspaceFolder;
    QHash<QString, ResourceContentPtr> m_records;
    QPointer<LWResouceTreeViewModel> m_root; // owned (QObject child)
    QStringList m_pendingDeletions;          // relative to the resources folder
    int m_releaseHolds = 0;
    SelectedItemProvider m_selectedItem;
};
