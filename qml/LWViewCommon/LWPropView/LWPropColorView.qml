import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A colour swatch with its hexadecimal text; clicking opens the picker and
// each pick is one undo step.
LWPropRow {
    id: root
    property QtObject viewModel: null
    readonly property color current: viewModel ? viewModel.colorValue : "white"

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.rowHeight
    label: viewModel ? viewModel.name : ""
    labelWidth: viewModel && viewModel.labelWidth > 0 ? viewModel.labelWidth : LWTheme.labelWidth

    Rectangle {
        id: swatch
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        width: 44
        height: LWTheme.compactControlHeight
        radius: LWTheme.radiusControl
        border.color: area.containsMouse ? LWTheme.accent : LWTheme.fieldBorder
        // a checkerboard hint behind translucent colours
        Grid {
            anchors.fill: parent
            anchors.margins: LWTheme.hairline
            columns: 6
            clip: true
            Repeater {
                model: 18
                Rectangle { width: 7; height: 6; color: (index + Math.floor(index / 6)) % 2 ? LWTheme.swatchCheckerDark : LWTheme.swatchCheckerLight }
            }
        }
        Rectangle {
            anchors.fill: parent
            anchors.margins: LWTheme.hairline
            radius: LWTheme.radiusFine
            color: root.current
        }
        MouseArea {
            id: area
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: picker.open()
        }
    }
    Text {
        anchors.left: swatch.right
        anchors.leftMargin: LWTheme.spacing
        anchors.verticalCenter: parent.verticalCenter
        text: "#" + picker.hexOf(root.current).toUpperCase()
        color: LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
        font.family: "DejaVu Sans Mono"
    }
    LWColorPicker {
        id: picker
        y: swatch.height + 6
        color: root.current
        showAlpha: root.viewModel ? root.viewModel.showAlpha : true
        onPicked: root.viewModel.colorValue = color
    }
}
