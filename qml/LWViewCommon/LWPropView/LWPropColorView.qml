import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A colour swatch with its hexadecimal text; clicking opens the picker and
// each pick is one undo step.
LWPropRow {
    id: root
    property QtObject viewModel: null
    readonly property color current: viewModel ? viewModel.colorValue : "white"

    width: parent ? parent.width : 320
    height: viewModel ? viewModel.height : 32
    label: viewModel ? viewModel.name : ""
    labelWidth: viewModel && viewModel.labelWidth > 0 ? viewModel.labelWidth : 80

    Rectangle {
        id: swatch
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        width: 44
        height: 20
        radius: 3
        border.color: area.containsMouse ? LWTheme.accent : LWTheme.fieldBorder
        // a checkerboard hint behind translucent colours
        Grid {
            anchors.fill: parent
            anchors.margins: 1
            columns: 6
            clip: true
            Repeater {
                model: 18
                Rectangle { width: 7; height: 6; color: (index + Math.floor(index / 6)) % 2 ? "#bbbbbb" : "#ffffff" }
            }
        }
        Rectangle {
            anchors.fill: parent
            anchors.margins: 1
            radius: 2
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
        anchors.leftMargin: 8
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
