import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A toggle button; its state is the value.
LWPropRow {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.rowHeight
    label: viewModel ? viewModel.name : ""

    LWButton {
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        width: 64
        checkable: true
        checked: root.viewModel ? root.viewModel.status : false
        text: checked ? qsTr("On") : qsTr("Off")
        onClicked: root.viewModel.status = !root.viewModel.status
    }
}
