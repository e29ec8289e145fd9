import QtQuick 2.15
import "qrc:/LWViewCommon"

// One property row: the label column on the left, the control on the right.
Item {
    id: row
    property string label: ""
    property int labelWidth: LWTheme.labelWidth
    property alias labelItem: labelText
    default property alias content: area.data

    implicitHeight: LWTheme.rowHeight

    Text {
        id: labelText
        x: LWTheme.rowMargin
        width: Math.max(40, row.labelWidth)
        anchors.verticalCenter: parent.verticalCenter
        text: row.label
        color: LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
        elide: Text.ElideRight
    }
    Item {
        id: area
        anchors.left: labelText.right
        anchors.leftMargin: LWTheme.spacing
        anchors.right: parent.right
        anchors.rightMargin: LWTheme.rowMargin
        anchors.top: parent.top
        anchors.bottom: parent.bottom
    }
}
