import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

LWPropRow {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.compactRowHeight
    label: viewModel ? viewModel.name : ""

    LWVecFields {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        count: 4
        values: root.viewModel ? root.viewModel.values : []
        onEdited: root.viewModel.setTempValue(index, value)
        onCommitted: root.viewModel.commitValue(index, value)
    }
}
