import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A context menu built from a tree item's menu models (title and id); an
// entry with entries of its own opens them as a sub-menu. Choosing an entry
// hands its id to the item.
LWMenu {
    id: naviMenu
    objectName: "naviContextMenu"
    property var items: []
    property var target: null
    // What this menu made for the current items, taken down before the next.
    property var made: []

    onItemsChanged: rebuild()

    function rebuild() {
        for (var i = 0; i < made.length; ++i) {
            if (made[i].isMenu)
                made[i].owner.removeMenu(made[i].object)
            else
                made[i].owner.removeItem(made[i].object)
            made[i].object.destroy()
        }
        made = []
        fill(naviMenu, items)
    }

    function fill(into, entries) {
        for (var i = 0; i < entries.length; ++i) {
            var entry = entries[i]
            if (!entry)
                continue
            if (entry.subItemCount > 0) {
                var sub = submenuComponent.createObject(naviMenu.parent, { title: entry.itemTitle })
                fill(sub, entry.subItems)
                into.addMenu(sub)
                made.push({ owner: into, object: sub, isMenu: true })
            } else {
                var item = entryComponent.createObject(naviMenu.parent, { entry: entry })
                into.addItem(item)
                made.push({ owner: into, object: item, isMenu: false })
            }
        }
    }

    Component {
        id: entryComponent
        LWMenuItem {
            property var entry
            objectName: entry ? "menuEntry_" + entry.itemId : ""
            text: entry ? entry.itemTitle : ""
            // Not "menu": inside an entry that names the entry's own menu,
            // which for a sub-menu is not this one.
            onTriggered: {
                if (naviMenu.target && entry)
                    naviMenu.target.menuItemAction(entry.itemId)
            }
        }
    }
    Component {
        id: submenuComponent
        LWMenu {}
    }
}
