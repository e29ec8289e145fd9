import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A rotation in degrees; only finished edits count.
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
        count: 3
        decimals: 1
        step: 1
        values: root.viewModel ? root.viewModel.values : []
        onCommitted: root.viewModel.commitValue(index, value)
    }
}
