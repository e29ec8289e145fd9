import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// A pop-up menu in the editor's dark palette. Sub-menus declared inside it
// get the same look through the delegate.
Menu {
    id: menu
    padding: 4
    implicitWidth: Math.max(200, contentItem ? contentItem.implicitWidth + leftPadding + rightPadding : 0)
    delegate: LWMenuItem {}

    LWTheme { id: theme }

    background: Rectangle {
        implicitWidth: 200
        color: theme.panelRaised
        border.color: theme.line
        radius: 4
    }
}
