import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A random range: equal bounds make a fixed number.
LWPropRow {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.compactRowHeight
    label: viewModel ? viewModel.name : ""

    LWNumberField {
        id: low
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        width: (parent.width - dash.width - 8) / 2
        height: LWTheme.compactControlHeight
        prefix: "MIN"
        from: root.viewModel ? root.viewModel.rangeMin : -1e9
        to: root.viewModel ? root.viewModel.rangeMax : 1e9
        value: root.viewModel ? root.viewModel.minValue : 0
        onEdited: root.viewModel.setTempMinValue(value)
        onCommitted: root.viewModel.minValue = value
    }
    Text {
        id: dash
        anchors.left: low.right
        anchors.leftMargin: LWTheme.spacingCompact
        anchors.verticalCenter: parent.verticalCenter
        text: "\u2013"
        color: LWTheme.textDim
    }
    LWNumberField {
        anchors.left: dash.right
        anchors.leftMargin: LWTheme.spacingCompact
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        height: LWTheme.compactControlHeight
        prefix: "MAX"
        from: root.viewModel ? root.viewModel.rangeMin : -1e9
        to: root.viewModel ? root.viewModel.rangeMax : 1e9
        value: root.viewModel ? root.viewModel.maxValue : 0
        onEdited: root.viewModel.setTempMaxValue(value)
        onCommitted: root.viewModel.maxValue = value
    }
}
