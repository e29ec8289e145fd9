#include "LWFeatureTreeItem.h"

#include "LWMenuItemModel.h"

LWFeatureTreeItem::LWFeatureTreeItem(LWFeatureContainer *container, int zOrder, const QString &path)
    : LWNaviTreeItem(container ? container->containerItem() : nullptr)
    , LWFeatureModel(container, zOrder, path)
{
    setTitle(name());
}

LWFeatureTreeItem::~LWFeatureTreeItem()
{
    if (LWFeatureContainer *effect = container())
        effect->removeModel(this);
}

LWNaviTreeItem *LWFeatureTreeItem::parentItem() const
{
    return container() ? container()->containerItem() : nullptr;
}

QVariant LWFeatureTreeItem::data(int column) const
{
    return column == 0 ? QVariant(title()) : QVariant();
}

int LWFeatureTreeItem::row() const
{
    return container() ? qMax(0, container()->indexOfModel(this)) : 0;
}

void LWFeatureTreeItem::menuItemAction(QString menuItemId)
{
    if (menuItemId == removeMenuId())
        onActionRemoveFeature();
}

void LWFeatureTreeItem::setContextMenu(const QList<QPair<QString, QString>> &entries)
{
    QVariantList menu;
    for (const auto &entry : entries)
        menu.append(QVariant::fromValue<QObject *>(new LWMenuItemModel(entry.first, entry.second, this)));
    setSubItems(menu);
}
