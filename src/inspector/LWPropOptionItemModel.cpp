#include "LWPropOptionItemModel.h"

LWPropOptionItemModel::LWPropOptionItemModel(const QString &title, const QString &iconPath, QObject *parent)
    : QObject(parent)
    , m_title(title)
    , m_iconPath(iconPath)
{
}
