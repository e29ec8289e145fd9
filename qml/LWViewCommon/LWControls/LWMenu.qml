import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// A pop-up menu in the editor's dark palette. Sub-menus declared inside it
// get the same look through the delegate.
Menu {
    id: menu
    padding: LWTheme.menuPadding
    // Shown beside the title where this menu is a sub-menu of another.
    property url iconSource: ""
    // A menu's list does not size itself to its entries; without this the
    // longer labels of some languages run into their shortcuts or are cut.
    readonly property real widestEntry: {
        var widest = 0
        for (var i = 0; i < count; ++i) {
            var entry = itemAt(i)
            if (entry)
                widest = Math.max(widest, entry.implicitWidth)
        }
        return widest
    }
    implicitWidth: Math.max(LWTheme.menuWidth, widestEntry + leftPadding + rightPadding)
    delegate: LWMenuItem {}

    background: Rectangle {
        implicitWidth: LWTheme.menuWidth
        color: LWTheme.panelRaised
        border.color: LWTheme.line
        radius: LWTheme.radius
    }
}
