#include "LWResourceGroupsView.h"

#include "LWResouceTreeViewModel.h"
#include "LWResourceManager.h"

#include <QDebug>

LWResourceGroupsView::LWResourceGroupsView(LWResouceTreeViewModel *library, const QString &name, const QString &path)
    : LWResourceViewBase(library, 0)
    , m_path(path)
{
    setTitle(name);
    setNaviItemIcon(QStringLiteral("qrc:/LWViewCommon/images/group.png"));
    setAddNaviItem(false, QString(), -1, true);
    setSubItems({menuEntry(tr("Delete"), removeGroupMenuId())});
}

LWResourceGroupsView::~LWResourceGroupsView()
{
    // The items below are the library root's QObject children, not ours.
    m_models.clear();
}

bool LWResourceGroupsView::naviTreeItemAcceptChild(LWNaviTreeItem *item) const
{
    return const_cast<LWResourceGroupsView *>(this)->acceptsChild(item);
}

QJsonObject LWResourceGroupsView::toJson() const
{
    QJsonObject node{{QStringLiteral("name"), title()}, {QStringLiteral("path"), m_path}};
    writeChildren(node);
    return node;
}

void LWResourceGroupsView::collectByType(int type, int constraint, QList<LWResourceViewBase *> &found,
                                         QStringList *errors)
{
    LWResourceViewBase::collectByType(type, constraint, found, errors);
    collectChildren(type, constraint, found, errors);
}

void LWResourceGroupsView::finalRelease()
{
    LWResourceManager *manager = LWResourceManager::instance();
    manager->holdFileRelease();
    const QList<LWResourceViewBase *> children = models();
    m_models.clear();
    for (LWResourceViewBase *child : children)
        child->finalRelease();
    manager->releaseGroupFolder(m_path, library());
    manager->resumeFileRelease();
    deleteLater();
}

void LWResourceGroupsView::logItemCount() const
{
    qDebug().noquote() << QStringLiteral("group item count: %1").arg(childCount());
}
