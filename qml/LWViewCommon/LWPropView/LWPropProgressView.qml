import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

LWPropRow {
    id: root
    property QtObject viewModel: null
    readonly property real progress: viewModel ? Math.max(0, Math.min(1, viewModel.progress)) : 0

    width: parent ? parent.width : 320
    height: viewModel ? viewModel.height : 32
    label: viewModel ? viewModel.name : ""
    labelWidth: viewModel && viewModel.labelWidth > 0 ? viewModel.labelWidth : 80

    Rectangle {
        anchors.left: parent.left
        anchors.right: percent.left
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        height: 6
        radius: 3
        color: LWTheme.field
        border.color: LWTheme.fieldBorder
        Rectangle {
            width: parent.width * root.progress
            height: parent.height
            radius: 3
            color: LWTheme.accent
        }
    }
    Text {
        id: percent
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: 36
        horizontalAlignment: Text.AlignRight
        text: Math.round(root.progress * 100) + "%"
        color: LWTheme.textDim
        font.pixelSize: 11
    }
}
