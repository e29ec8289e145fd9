import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

LWPropRow {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : 320
    height: viewModel ? viewModel.height : 26
    label: viewModel ? viewModel.name : ""

    LWTheme { id: theme }
    Text {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        text: root.viewModel ? root.viewModel.label : ""
        color: theme.text
        font.pixelSize: theme.smallSize
        elide: Text.ElideRight
    }
}
