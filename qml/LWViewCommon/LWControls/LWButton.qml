import QtQuick 2.15
import "qrc:/LWViewCommon"

// A flat button with a text or a one-glyph label.
Rectangle {
    id: button
    property string text: ""
    property bool highlighted: false
    property bool checkable: false
    property bool checked: false
    property int fontSize: 12
    signal clicked()

    implicitWidth: Math.max(24, label.implicitWidth + 16)
    implicitHeight: 22
    radius: 3
    color: area.pressed || button.checked ? theme.accentDim
           : (button.highlighted ? theme.accent : (area.containsMouse ? theme.fieldHover : theme.panelRaised))
    border.color: button.checked ? theme.accent : theme.fieldBorder
    opacity: button.enabled ? 1 : 0.45

    LWTheme { id: theme }

    Text {
        id: label
        anchors.centerIn: parent
        text: button.text
        color: theme.text
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
