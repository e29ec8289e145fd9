#pragma once

#include "LWResourceContainer.h"
#include "LWResourceViewBase.h"

// A group (folder) of the resource tree. Its title is the group name shown
// to the author; its path is the folder, relative to the resources folder,
// that files imported into the group are stored in.
class LWResourceGroupsView : public LWResourceViewBase, public LWResourceContainer
{
    Q_OBJECT
public:
    LWResourceGroupsView(LWResouceTreeViewModel *library, const QString &name, const QString &path);
    ~LWResourceGroupsView() override;

    QString name() const { return title(); }
    QString path() const { return m_path; }

    LWNaviTreeItem *child(int row) const override { return childNode(row); }
    int childCount() const override { return modelCount(); }
    bool naviTreeItemAcceptChild(LWNaviTreeItem *item) const override;
    void naviTreeItemInsertChild(int row, LWNaviTreeItem *item) override { insertMovedChild(row, item); }
    LWNaviTreeItem *naviTreeItemTakeChild(int row) override { return takeChildForMove(row); }
    void naviTreeItemMoveChild(int from, int to) override { moveChild(from, to); }

    LWNaviTreeItem *containerNode() override { return this; }
    QString groupPath() const override { return m_path; }

    // "name", "path", "groups", "resources".
    QJsonObject toJson() const override;
    bool isGroup() const override { return true; }
    void collectByType(int type, int constraint, QList<LWResourceViewBase *> &found, QStringList *errors) override;
    // Releases every item below first, then the group's own folder.
    void finalRelease() override;

    void logItemCount() const;

private:
    QString m_path;
};
