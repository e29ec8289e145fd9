import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// Saturation and value square, hue and alpha bars and a hexadecimal field.
// Dragging previews in the picker only; releasing picks the colour, so a
// drag is one edit.
Popup {
    id: picker
    property color color: "white"
    property bool showAlpha: true
    property real hue: 0
    property real saturation: 0
    property real brightness: 1
    property real alpha: 1
    signal picked(color color)

    function load(c) {
        hue = c.hsvHue < 0 ? hue : c.hsvHue
        saturation = c.hsvSaturation
        brightness = c.hsvValue
        alpha = c.a
    }
    function current() { return Qt.hsva(hue, saturation, brightness, showAlpha ? alpha : 1) }
    function hexOf(c) {
        function two(x) { var s = Math.round(x * 255).toString(16); return s.length < 2 ? "0" + s : s }
        return two(c.r) + two(c.g) + two(c.b) + (showAlpha ? two(c.a) : "")
    }
    function fromHex(text) {
        var t = text.replace("#", "")
        if (!/^[0-9a-fA-F]{6}([0-9a-fA-F]{2})?$/.test(t))
            return
        var c = Qt.rgba(parseInt(t.substr(0, 2), 16) / 255, parseInt(t.substr(2, 2), 16) / 255,
                        parseInt(t.substr(4, 2), 16) / 255, t.length > 6 ? parseInt(t.substr(6, 2), 16) / 255 : 1)
        load(c)
        picked(current())
    }

    onAboutToShow: load(color)
    width: 228
    padding: LWTheme.spacingMedium
    modal: false
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    background: Rectangle {
        color: LWTheme.panelRaised
        border.color: LWTheme.line
        radius: LWTheme.radius
    }
    contentItem: Column {
        spacing: LWTheme.spacing
        Rectangle {
            id: square
            width: 208
            height: 140
            radius: LWTheme.radiusFine
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0; color: "white" }
                GradientStop { position: 1; color: Qt.hsva(picker.hue, 1, 1, 1) }
            }
            Rectangle {
                anchors.fill: parent
                radius: LWTheme.radiusFine
                gradient: Gradient {
                    GradientStop { position: 0; color: "transparent" }
                    GradientStop { position: 1; color: "black" }
                }
            }
            Rectangle {
                x: picker.saturation * square.width - 5
                y: (1 - picker.brightness) * square.height - 5
                width: 10
                height: 10
                radius: height / 2
                color: "transparent"
                border.color: picker.brightness > 0.5 ? "black" : "white"
                border.width: LWTheme.markerWidth
            }
            MouseArea {
                anchors.fill: parent
                function take(mouse) {
                    picker.saturation = Math.max(0, Math.min(1, mouse.x / width))
                    picker.brightness = 1 - Math.max(0, Math.min(1, mouse.y / height))
                }
                onPressed: take(mouse)
                onPositionChanged: take(mouse)
                onReleased: picker.picked(picker.current())
            }
        }
        Rectangle {
            id: hueBar
            width: 208
            height: 12
            radius: LWTheme.radiusFine
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0.0; color: "#ff0000" }
                GradientStop { position: 0.17; color: "#ffff00" }
                GradientStop { position: 0.33; color: "#00ff00" }
                GradientStop { position: 0.5; color: "#00ffff" }
                GradientStop { position: 0.67; color: "#0000ff" }
                GradientStop { position: 0.83; color: "#ff00ff" }
                GradientStop { position: 1.0; color: "#ff0000" }
            }
            Rectangle {
                x: picker.hue * hueBar.width - 2
                width: 4
                height: parent.height
                color: "white"
                border.color: "black"
            }
            MouseArea {
                anchors.fill: parent
                function take(mouse) { picker.hue = Math.max(0, Math.min(0.999, mouse.x / width)) }
                onPressed: take(mouse)
                onPositionChanged: take(mouse)
                onReleased: picker.picked(picker.current())
            }
        }
        Rectangle {
            id: alphaBar
            visible: picker.showAlpha
            width: 208
            height: 12
            radius: LWTheme.radiusFine
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0; color: Qt.hsva(picker.hue, picker.saturation, picker.brightness, 0) }
                GradientStop { position: 1; color: Qt.hsva(picker.hue, picker.saturation, picker.brightness, 1) }
            }
            border.color: LWTheme.line
            Rectangle {
                x: picker.alpha * alphaBar.width - 2
                width: 4
                height: parent.height
                color: "white"
                border.color: "black"
            }
            MouseArea {
                anchors.fill: parent
                function take(mouse) { picker.alpha = Math.max(0, Math.min(1, mouse.x / width)) }
                onPressed: take(mouse)
                onPositionChanged: take(mouse)
                onReleased: picker.picked(picker.current())
            }
        }
        Row {
            spacing: LWTheme.spacing
            Rectangle {
                width: 36
                height: 22
                radius: LWTheme.radiusControl
                color: picker.current()
                border.color: LWTheme.fieldBorder
            }
            LWTextField {
                width: 164
                text: picker.hexOf(picker.current())
                onCommitted: picker.fromHex(text)
            }
        }
    }
}
