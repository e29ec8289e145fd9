import QtQuick 2.15
import "qrc:/LWViewCommon"

// The header of a collapsible section: arrow, icon, title and optional
// buttons on the right.
Item {
    id: header
    property string title: ""
    property string icon: ""
    property bool expanded: true
    property bool expandable: true
    property int titleSize: LWTheme.fontSize
    default property alias tools: toolRow.data
    signal toggled()

    implicitHeight: LWTheme.sectionHeaderHeight

    MouseArea {
        anchors.fill: parent
        enabled: header.expandable
        onClicked: header.toggled()
    }
    Row {
        anchors.left: parent.left
        anchors.leftMargin: LWTheme.spacingSmall
        anchors.verticalCenter: parent.verticalCenter
        spacing: LWTheme.spacingSmall
        LWExpandArrow {
            anchors.verticalCenter: parent.verticalCenter
            visible: header.expandable
            expanded: header.expanded
            onClicked: header.toggled()
        }
        LWSectionIcon {
            anchors.verticalCenter: parent.verticalCenter
            name: header.icon
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: header.title
            color: LWTheme.text
            font.pixelSize: header.titleSize
            font.bold: true
        }
    }
    Row {
        id: toolRow
        anchors.right: parent.right
        anchors.rightMargin: LWTheme.rowMargin
        anchors.verticalCenter: parent.verticalCenter
        spacing: LWTheme.spacingSmall
    }
}
