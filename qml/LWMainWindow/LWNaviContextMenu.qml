import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A context menu built from a tree item's menu models (title and id, with
// sub-menus). Choosing an entry hands its id to the item.
LWMenu {
    id: menu
    property var items: []
    property var target: null

    Instantiator {
        model: menu.items
        delegate: LWMenuItem {
            text: modelData ? modelData.itemTitle : ""
            onTriggered: {
                if (menu.target && modelData)
                    menu.target.menuItemAction(modelData.itemId)
            }
        }
        onObjectAdded: menu.insertItem(index, object)
        onObjectRemoved: menu.removeItem(object)
    }
}
