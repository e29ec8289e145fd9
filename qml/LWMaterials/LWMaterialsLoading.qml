import QtQuick 2.15
import "qrc:/LWViewCommon"

// A small turning arc while an icon or a material is on its way.
Item {
    id: spinner
    width: 26
    height: 26

    Canvas {
        id: arc
        anchors.fill: parent
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.lineWidth = 3
            ctx.strokeStyle = LWTheme.accent
            ctx.beginPath()
            ctx.arc(width / 2, height / 2, width / 2 - 3, 0, Math.PI * 1.4)
            ctx.stroke()
        }
        RotationAnimation on rotation {
            running: spinner.visible
            from: 0
            to: 360
            duration: 900
            loops: Animation.Infinite
        }
    }
}
