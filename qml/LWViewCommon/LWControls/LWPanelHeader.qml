import QtQuick 2.15
import "qrc:/LWViewCommon"

// The strip at the top of an editor panel: the panel's title, and the
// panel's own buttons on the right. The title gives way to the buttons,
// whose labels are longer in some languages.
Rectangle {
    id: header
    property string title: ""
    default property alias tools: toolRow.data

    implicitHeight: LWTheme.panelHeaderHeight
    color: LWTheme.sectionHeader

    Text {
        anchors.left: parent.left
        anchors.leftMargin: LWTheme.rowMargin
        anchors.right: toolRow.left
        anchors.rightMargin: LWTheme.spacing
        anchors.verticalCenter: parent.verticalCenter
        elide: Text.ElideRight
        text: header.title
        color: LWTheme.text
        font.pixelSize: LWTheme.fontSize
        font.bold: true
    }
    Row {
        id: toolRow
        anchors.right: parent.right
        anchors.rightMargin: LWTheme.spacing
        anchors.verticalCenter: parent.verticalCenter
        spacing: LWTheme.spacingSmall
    }
}
