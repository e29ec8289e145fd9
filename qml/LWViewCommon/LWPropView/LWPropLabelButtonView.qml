import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

LWPropRow {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : 320
    height: viewModel ? viewModel.height : 26
    label: viewModel ? viewModel.label : ""

    LWButton {
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        height: 20
        text: root.viewModel ? root.viewModel.buttonText : ""
        onClicked: root.viewModel.clicked()
    }
}
