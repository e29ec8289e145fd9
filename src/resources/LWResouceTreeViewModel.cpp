#include "LWResouceTreeViewModel.h"

#include "LWResourceComponentView.h"
#include "LWResourceGroupsView.h"
#include "LWResourceManager.h"

#include <QDebug>
#include <QJsonArray>

LWResouceTreeViewModel::LWResouceTreeViewModel(QObject *parent)
    : LWNaviTreeItem(parent)
{
    setTitle(QStringLiteral("Root"));
}

LWResouceTreeViewModel::~LWResouceTreeViewModel()
{
    // The items are our QObject children and go with us; the lists in the
    // groups must not be walked while they do.
    m_models.clear();
}

QVariant LWResouceTreeViewModel::data(int column) const
{
    return column == 0 ? QVariant(QStringLiteral("resource")) : QVariant();
}

bool LWResouceTreeViewModel::naviTreeItemAcceptChild(LWNaviTreeItem *item) const
{
    return const_cast<LWResouceTreeViewModel *>(this)->acceptsChild(item);
}

QJsonObject LWResouceTreeViewModel::toJson() const
{
    QJsonObject tree{{QStringLiteral("name"), QStringLiteral("Root")}};
    writeChildren(tree);
    return tree;
}

void LWResouceTreeViewModel::fillFromJson(const QJsonObject &tree)
{
    const QJsonArray groups = tree.value(QStringLiteral("groups")).toArray();
    for (const QJsonValue &group : groups) {
        if (group.isObject())
            putChild(-1, buildGroup(group.toObject()));
    }
    const QJsonArray resources = tree.value(QStringLiteral("resources")).toArray();
    for (const QJsonValue &resource : resources) {
        if (resource.isObject())
            putChild(-1, buildComponent(resource.toObject()));
    }
    logItemCount();
}

LWResourceGroupsView *LWResouceTreeViewModel::buildGroup(const QJsonObject &node)
{
    auto *group = new LWResourceGroupsView(this, node.value(QStringLiteral("name")).toString(),
                                           node.value(QStringLiteral("path")).toString());
    const QJsonArray resources = node.value(QStringLiteral("resources")).toArray();
    for (const QJsonValue &resource : resources) {
        if (resource.isObject())
            group->putChild(-1, buildComponent(resource.toObject()));
    }
    const QJsonArray groups = node.value(QStringLiteral("groups")).toArray();
    for (const QJsonValue &nested : groups) {
        if (nested.isObject())
            group->putChild(-1, buildGroup(nested.toObject()));
    }
    group->logItemCount();
    return group;
}

LWResourceComponentView *LWResouceTreeViewModel::buildComponent(const QJsonObject &node)
{
    const QString resourceId = node.value(QStringLiteral("resourceId")).toString();
    const NSLWResourceParameter::ResourceContentPtr record = LWResourceManager::instance()->findRecord(resourceId);
    if (record)
        record->compressType = node.value(QStringLiteral("compressType")).toInt(0);
    return new LWResourceComponentView(this, node.value(QStringLiteral("name")).toString(), resourceId,
                                       record ? record->type : 0,
                                       LWResourceManager::instance()->inspectorModel(resourceId));
}

void LWResouceTreeViewModel::logItemCount() const
{
    qDebug().noquote() << QStringLiteral("treeview item count: %1").arg(childCount());
}
