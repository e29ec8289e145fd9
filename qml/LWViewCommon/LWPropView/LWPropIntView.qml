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
        decimals: 0
        step: 1
        from: root.viewModel ? root.viewModel.minValue : -2147483648
        to: root.viewModel ? root.viewModel.maxValue : 2147483647
        editable: root.viewModel ? root.viewModel.editable : true
        value: root.viewModel ? root.viewModel.intValue : 0
        onEdited: root.viewModel.setTempValue(Math.round(value))
        onCommitted: root.viewModel.intValue = Math.round(value)
    }
}
