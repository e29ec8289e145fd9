import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

LWPropRow {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.rowHeight
    visible: viewModel ? viewModel.visible : true
    label: viewModel ? viewModel.name : ""
    labelWidth: viewModel && viewModel.labelWidth > 0 ? viewModel.labelWidth : LWTheme.labelWidth

    LWCheck {
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        checked: root.viewModel ? root.viewModel.checked : false
        onToggled: root.viewModel.checked = !root.viewModel.checked
    }
}
