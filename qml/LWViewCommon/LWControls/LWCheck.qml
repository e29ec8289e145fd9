import QtQuick 2.15
import "qrc:/LWViewCommon"

// A square check mark; toggled() asks the owner to flip it.
Rectangle {
    id: box
    property bool checked: false
    property bool interactive: true
    signal toggled()

    implicitWidth: LWTheme.checkSize
    implicitHeight: LWTheme.checkSize
    radius: LWTheme.radiusControl
    color: box.checked ? LWTheme.accent : LWTheme.field
    border.color: box.checked ? LWTheme.accent : (area.containsMouse ? LWTheme.fieldHover : LWTheme.fieldBorder)
    opacity: box.enabled ? 1 : 0.5

    Canvas {
        anchors.fill: parent
        visible: box.checked
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.strokeStyle = LWTheme.checkMark
            ctx.lineWidth = 2
            ctx.beginPath()
            ctx.moveTo(width * 0.25, height * 0.52)
            ctx.lineTo(width * 0.43, height * 0.7)
            ctx.lineTo(width * 0.76, height * 0.32)
            ctx.stroke()
        }
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        enabled: box.interactive
        cursorShape: Qt.PointingHandCursor
        onClicked: box.toggled()
    }
}
