import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

LWPropRow {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.compactRowHeight
    label: viewModel ? viewModel.label : ""

    LWButton {
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        height: LWTheme.compactControlHeight
        text: root.viewModel ? root.viewModel.buttonText : ""
        onClicked: root.viewModel.clicked()
    }
}
