import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// A menu entry in the editor's palette. A text "Label\tShortcut" shows the
// shortcut right-aligned and dimmed.
MenuItem {
    id: item
    readonly property string label: text.split("\t")[0]
    readonly property url glyphSource: subMenu && subMenu.iconSource !== undefined ? subMenu.iconSource : icon.source
    readonly property string shortcutText: text.indexOf("\t") >= 0 ? text.split("\t")[1] : ""

    implicitHeight: LWTheme.menuItemHeight
    leftPadding: LWTheme.spacingLarge
    rightPadding: LWTheme.spacingLarge

    contentItem: Item {
        readonly property real lead: item.checkable || glyph.visible ? 24 : 0
        implicitWidth: lead + title.implicitWidth + (item.shortcutText ? shortcut.implicitWidth + 32 : 0)
                       + (item.subMenu ? 16 : 0)
        implicitHeight: 20
        Text {
            id: mark
            visible: item.checkable
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            text: item.checked ? "\u2713" : ""
            color: LWTheme.accent
            font.pixelSize: LWTheme.fontSize
        }
        Image {
            id: glyph
            visible: !item.checkable && item.glyphSource.toString() !== ""
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            width: LWTheme.iconSize
            height: LWTheme.iconSize
            sourceSize.width: LWTheme.iconSourceSize
            sourceSize.height: LWTheme.iconSourceSize
            source: visible ? item.glyphSource : ""
        }
        Text {
            id: title
            anchors.left: parent.left
            anchors.leftMargin: parent.lead
            anchors.verticalCenter: parent.verticalCenter
            text: item.label
            color: item.enabled ? LWTheme.text : LWTheme.textDim
            font.pixelSize: LWTheme.fontSize
        }
        Text {
            id: shortcut
            anchors.right: parent.right
            anchors.rightMargin: item.subMenu ? 16 : 0
            anchors.verticalCenter: parent.verticalCenter
            text: item.shortcutText
            color: LWTheme.textDim
            font.pixelSize: LWTheme.smallSize
        }
        Text {
            visible: item.subMenu !== null
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            text: "\u203A"
            color: LWTheme.textDim
            font.pixelSize: LWTheme.headingSize
        }
    }
    indicator: Item {}
    arrow: Item {}
    background: Rectangle {
        implicitWidth: 0
        radius: LWTheme.radiusControl
        color: item.highlighted && item.enabled ? LWTheme.accentDim : "transparent"
    }
}
