#pragma once

#include "common/LWEffectCommon.h"

#include <QJsonObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class LWNaviTreeItem;

// Brings files into the resource library: copies them under generated
// names into the resources folder (into the folder of the target group),
// creates their records and, as the parameters say, their tree items with
// or without an undo step. Every operation returns the new resource id, or
// empty when nothing was imported; a failed import leaves no record.
class LWResourceImporter
{
public:
    // parent: the root or the group of the current library that new items
    // go under; its group path is where the files go.
    LWResourceImporter(const ImportResourceParam &param, LWNaviTreeItem *parent);

    // A ".gif" becomes a frame sequence of its frames, anything else a
    // single file.
    QString importFile(const QString &path);
    // One resource for a file whose suffix names a known kind.
    QString importSingleFile(const QString &path);
    // One frame sequence of the files named ".png" or ".jpg", in list order.
    QString importFramesFromFiles(const QStringList &paths);
    // One frame sequence of the folder's PNG files, in name order.
    QString importFramesFromFolder(const QString &folder);
    // A frame sequence for every direct sub-folder, then for the folder.
    // Returns the folder's own id.
    QString importFolderAndChildren(const QString &folder);
    // The folder tree as a group tree of single files; the ids of the files.
    QStringList importGroup(const QString &folder);
    // A new empty group at the top of the tree.
    void addEmptyGroup();

    // Saves the frames of an animated GIF as PNG files into
    // "<data>/gifTemp/<gif name>/" and lists them in frame order; empty when
    // the GIF does not decode.
    static QStringList extractGifFrames(const QString &gifPath);

private:
    struct Stored
    {
        QString id;
        QJsonObject treeObject; // empty: no tree item (shaders, failures)
    };

    Stored storeSingleFile(const QString &path, const QString &groupPath) const;
    Stored storeFramesFromFiles(const QStringList &paths, const QString &groupPath) const;
    Stored storeFramesFromFolder(const QString &folder, const QString &groupPath) const;
    QJsonObject storeGroup(const QString &folder, const QString &parentPath, QStringList &ids) const;
    // The absolute folder for a group path (the resources folder for none).
    QString folderFor(const QString &groupPath) const;
    QString addToTree(const Stored &stored);

    ImportResourceParam m_param;
    QPointer<LWNaviTreeItem> m_parent;
    QString m_groupPath;
};
