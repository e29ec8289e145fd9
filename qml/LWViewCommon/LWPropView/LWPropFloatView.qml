import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

LWPropRow {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.rowHeight
    label: viewModel ? viewModel.name : ""
    labelWidth: viewModel && viewModel.labelWidth > 0 ? viewModel.labelWidth : LWTheme.labelWidth

    LWNumberField {
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        width: Math.min(parent.width, LWTheme.valueFieldWidth)
        value: root.viewModel ? root.viewModel.floatValue : 0
        onEdited: root.viewModel.setTempValue(value)
        onCommitted: root.viewModel.floatValue = value
    }
}
