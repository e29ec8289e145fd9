import QtQuick 2.15
import "qrc:/LWViewCommon"

// The small glyph of a section header, chosen by the profile's icon name.
Canvas {
    id: icon
    property string name: ""
    property color tint: LWTheme.accent

    implicitWidth: 14
    implicitHeight: 14
    visible: name.length > 0
    onNameChanged: requestPaint()
    onTintChanged: requestPaint()

    onPaint: {
        var ctx = getContext("2d")
        ctx.reset()
        ctx.strokeStyle = tint
        ctx.fillStyle = tint
        ctx.lineWidth = 1.6
        var w = width, h = height
        if (name === "triggerIcon") {
            // a lightning bolt
            ctx.beginPath()
            ctx.moveTo(w * 0.6, 0)
            ctx.lineTo(w * 0.15, h * 0.58)
            ctx.lineTo(w * 0.48, h * 0.58)
            ctx.lineTo(w * 0.38, h)
            ctx.lineTo(w * 0.85, h * 0.4)
            ctx.lineTo(w * 0.52, h * 0.4)
            ctx.closePath()
            ctx.fill()
        } else if (name === "genzongIcon") {
            // a tracking reticle
            ctx.beginPath()
            ctx.arc(w / 2, h / 2, w * 0.32, 0, Math.PI * 2)
            ctx.stroke()
            ctx.beginPath()
            ctx.moveTo(w / 2, 0); ctx.lineTo(w / 2, h * 0.3)
            ctx.moveTo(w / 2, h * 0.7); ctx.lineTo(w / 2, h)
            ctx.moveTo(0, h / 2); ctx.lineTo(w * 0.3, h / 2)
            ctx.moveTo(w * 0.7, h / 2); ctx.lineTo(w, h / 2)
            ctx.stroke()
        } else {
            // sliders: the generic property glyph
            for (var i = 0; i < 3; ++i) {
                var y = h * (0.2 + i * 0.3)
                ctx.beginPath()
                ctx.moveTo(0, y); ctx.lineTo(w, y)
                ctx.stroke()
                ctx.beginPath()
                ctx.arc(w * [0.3, 0.7, 0.45][i], y, 2.2, 0, Math.PI * 2)
                ctx.fill()
            }
        }
    }
}
