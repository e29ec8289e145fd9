import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

LWPropRow {
    id: root
    property QtObject viewModel: null
    readonly property bool removable: viewModel ? viewModel.removeButtonVisible : false

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.compactRowHeight
    label: viewModel ? viewModel.name : ""

    LWVecFields {
        anchors.left: parent.left
        anchors.right: remove.visible ? remove.left : parent.right
        anchors.rightMargin: remove.visible ? 4 : 0
        anchors.verticalCenter: parent.verticalCenter
        count: 2
        values: root.viewModel ? root.viewModel.values : []
        onEdited: root.viewModel.setTempValue(index, value)
        onCommitted: root.viewModel.commitValue(index, value)
    }
    LWButton {
        id: remove
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: LWTheme.compactControlHeight
        height: LWTheme.compactControlHeight
        visible: root.removable
        text: "\u00d7"
        onClicked: root.viewModel.removeButtonClicked()
    }
}
