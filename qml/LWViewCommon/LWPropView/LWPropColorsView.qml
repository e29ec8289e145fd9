import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A gradient bar with its stops: click the bar to add a stop, drag a stop
// to move it, double-click it to pick its colour, right-click to remove it.
Item {
    id: root
    property QtObject viewModel: null
    property QtObject editedStop: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : 70

    Text {
        id: label
        x: LWTheme.rowMargin
        y: 6
        text: root.viewModel ? root.viewModel.name : ""
        color: LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
    }
    Rectangle {
        id: bar
        x: LWTheme.rowMargin + 6
        y: 26
        width: root.width - 2 * LWTheme.rowMargin - 12
        height: 18
        radius: LWTheme.radiusControl
        border.color: LWTheme.fieldBorder
        // Drawn from the stops each time they change.
        Canvas {
            id: paint
            anchors.fill: parent
            anchors.margins: LWTheme.hairline
            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                if (!root.viewModel)
                    return
                var g = ctx.createLinearGradient(0, 0, width, 0)
                var stops = root.viewModel.gradientStops
                var any = false
                for (var i = 0; i < stops.length; ++i) {
                    if (stops[i].deleted)
                        continue
                    g.addColorStop(stops[i].position, stops[i].color)
                    any = true
                }
                ctx.fillStyle = any ? g : "#ffffff"
                ctx.fillRect(0, 0, width, height)
            }
        }
        MouseArea {
            anchors.fill: parent
            onClicked: root.viewModel.createStop(mouse.x / width)
        }
    }
    Repeater {
        model: root.viewModel ? root.viewModel.gradientStops : []
        delegate: Item {
            id: stopItem
            visible: !modelData.deleted
            x: bar.x + modelData.position * bar.width - 6
            y: bar.y + bar.height + 2
            width: 12
            height: 16
            Canvas {
                anchors.fill: parent
                property color fill: modelData.color
                onFillChanged: requestPaint()
                onPaint: {
                    var ctx = getContext("2d")
                    ctx.reset()
                    ctx.fillStyle = fill
                    ctx.strokeStyle = stopArea.containsMouse ? LWTheme.accent : LWTheme.text
                    ctx.beginPath()
                    ctx.moveTo(width / 2, 0)
                    ctx.lineTo(width, 5)
                    ctx.lineTo(width, height - 1)
                    ctx.lineTo(0, height - 1)
                    ctx.lineTo(0, 5)
                    ctx.closePath()
                    ctx.fill()
                    ctx.stroke()
                }
            }
            MouseArea {
                id: stopArea
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                cursorShape: Qt.SizeHorCursor
                onPositionChanged: if (pressed && mouse.buttons & Qt.LeftButton)
                    modelData.position = Math.max(0, Math.min(1, (stopItem.x + mouse.x - bar.x) / bar.width))
                onClicked: if (mouse.button === Qt.RightButton) root.viewModel.removeStop(modelData)
                onDoubleClicked: {
                    root.editedStop = modelData
                    picker.color = modelData.color
                    picker.open()
                }
            }
        }
    }
    Connections {
        target: root.viewModel
        ignoreUnknownSignals: true
        function onGradientStopsChanged() { paint.requestPaint() }
        function onQmlViewDataChanged() { paint.requestPaint() }
    }
    LWColorPicker {
        id: picker
        y: bar.y + bar.height + 20
        onPicked: if (root.editedStop) root.editedStop.color = color
    }
}
