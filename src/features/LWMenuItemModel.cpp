#include "LWMenuItemModel.h"

LWMenuItemModel::LWMenuItemModel(const QString &title, const QString &id, QObject *parent)
    : QObject(parent)
    , m_title(title)
    , m_id(id)
{
}

void LWMenuItemModel::appendSubItem(LWMenuItemModel *item)
{
    if (!item)
        return;
    item->setParent(this);
    m_subItems.append(item);
    emit subItemsChanged();
    emit subItemCountChanged();
}
