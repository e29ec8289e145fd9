import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

LWPropRow {
    id: root
    property QtObject viewModel: null
    readonly property real progress: viewModel ? Math.max(0, Math.min(1, viewModel.progress)) : 0

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.rowHeight
    label: viewModel ? viewModel.name : ""
    labelWidth: viewModel && viewModel.labelWidth > 0 ? viewModel.labelWidth : LWTheme.labelWidth

    Rectangle {
        anchors.left: parent.left
        anchors.right: percent.left
        anchors.rightMargin: LWTheme.spacing
        anchors.verticalCenter: parent.verticalCenter
        height: 6
        radius: height / 2
        color: LWTheme.field
        border.color: LWTheme.fieldBorder
        Rectangle {
            width: parent.width * root.progress
            height: parent.height
            radius: height / 2
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
        font.pixelSize: LWTheme.captionSize
    }
}
