import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// Slider and number box over [min, max]: dragging or typing previews,
// releasing or finishing the edit commits one undo step.
LWPropRow {
    id: root
    property QtObject viewModel: null
    readonly property real minimum: viewModel ? viewModel.min : 0
    readonly property real maximum: viewModel ? viewModel.max : 1

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.rowHeight
    label: viewModel ? viewModel.name : ""
    labelWidth: viewModel && viewModel.labelWidth > 0 ? viewModel.labelWidth : LWTheme.labelWidth

    LWSlider {
        id: slider
        anchors.left: parent.left
        anchors.right: box.left
        anchors.rightMargin: LWTheme.spacing
        anchors.verticalCenter: parent.verticalCenter
        from: root.minimum
        to: root.maximum
        value: root.viewModel ? root.viewModel.floatValue : 0
        onPreviewed: {
            box.value = value
            root.viewModel.setTempValue(value)
        }
        onReleased: root.viewModel.floatValue = value
    }
    LWNumberField {
        id: box
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: LWTheme.rangeFieldWidth
        from: root.minimum
        to: root.maximum
        step: (root.maximum - root.minimum) / 100
        value: root.viewModel ? root.viewModel.floatValue : 0
        onEdited: {
            slider.value = value
            root.viewModel.setTempValue(value)
        }
        onCommitted: root.viewModel.floatValue = value
    }
}
