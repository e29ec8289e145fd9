#include "LW2DStickerAddMenuState.h"

#include <QCoreApplication>
#include <QMetaProperty>
#include <QQmlPropertyMap>

namespace LW2DStickerAddMenuState {

namespace {

// The controller is a direct child of the application object and the one
// object there that publishes the map.
QQmlPropertyMap *controllerMap()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    const QObjectList children = app->children();
    for (QObject *child : children) {
        const QMetaObject *meta = child->metaObject();
        const int index = meta->indexOfProperty("lwCustomPropertyMap");
        if (index < 0)
            continue;
        if (auto *map = qobject_cast<QQmlPropertyMap *>(meta->property(index).read(child).value<QObject *>()))
            return map;
    }
    return nullptr;
}

} // namespace

QString beginState()
{
    return QStringLiteral("beginMenuItemAdd2DSticker");
}

bool isAddingFromMenu()
{
    const QQmlPropertyMap *map = controllerMap();
    return map && map->value(QStringLiteral("state")).toString() == beginState();
}

} // namespace LW2DStickerAddMenuState
