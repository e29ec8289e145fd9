import QtQuick 2.15
import "qrc:/LWViewCommon"

// A flat button with a text or a one-glyph label.
Rectangle {
    id: button
    property string text: ""
    property bool highlighted: false
    property bool checkable: false
    property bool checked: false
    property int fontSize: LWTheme.smallSize
    signal clicked()

    implicitWidth: Math.max(LWTheme.buttonMinWidth, label.implicitWidth + LWTheme.buttonPadding)
    implicitHeight: LWTheme.controlHeight
    radius: LWTheme.radiusControl
    color: area.pressed || button.checked ? LWTheme.accentDim
           : (button.highlighted ? LWTheme.accent : (area.containsMouse ? LWTheme.fieldHover : LWTheme.panelRaised))
    border.color: button.checked ? LWTheme.accent : LWTheme.fieldBorder
    opacity: button.enabled ? 1 : 0.45

    Text {
        id: label
        anchors.centerIn: parent
        text: button.text
        color: LWTheme.text
        font.pixelSize: button.fontSize
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
