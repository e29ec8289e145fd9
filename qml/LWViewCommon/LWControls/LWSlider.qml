import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// A thin slider: moving previews, releasing commits.
Slider {
    id: slider
    signal previewed(real value)
    signal released(real value)

    implicitHeight: LWTheme.controlHeight
    padding: 0
    live: true
    onMoved: previewed(value)
    onPressedChanged: if (!pressed) released(value)

    background: Item {
        x: slider.leftPadding
        y: slider.topPadding + slider.availableHeight / 2 - 2
        width: slider.availableWidth
        height: LWTheme.sliderTrack
        Rectangle {
            anchors.fill: parent
            radius: height / 2
            color: LWTheme.field
            border.color: LWTheme.fieldBorder
        }
        Rectangle {
            width: slider.visualPosition * parent.width
            height: parent.height
            radius: height / 2
            color: slider.enabled ? LWTheme.accent : LWTheme.textDim
        }
    }
    handle: Rectangle {
        x: slider.leftPadding + slider.visualPosition * (slider.availableWidth - width)
        y: slider.topPadding + slider.availableHeight / 2 - height / 2
        width: LWTheme.sliderHandle
        height: LWTheme.sliderHandle
        radius: height / 2
        color: slider.pressed ? LWTheme.accent : LWTheme.text
        border.color: LWTheme.window
    }
}
