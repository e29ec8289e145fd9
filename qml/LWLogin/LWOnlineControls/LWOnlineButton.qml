import QtQuick 2.15
import "qrc:/LWViewCommon"

// The sign-in and upload windows' button: filled accent for the main
// action, outlined for the others.
Rectangle {
    id: button
    property alias text: label.text
    property bool primary: true
    signal clicked()

    implicitWidth: Math.max(LWTheme.onlineButtonWidth, label.implicitWidth + LWTheme.onlineButtonPadding)
    implicitHeight: LWTheme.onlineControlHeight
    radius: LWTheme.radiusDialog
    opacity: enabled ? 1.0 : 0.45
    color: primary ? (area.pressed ? LWTheme.accentPressed : (area.containsMouse ? LWTheme.accentHover : LWTheme.accent))
                   : (area.containsMouse ? LWTheme.panelRaised : "transparent")
    border.width: primary ? 0 : 1
    border.color: LWTheme.line

    Text {
        id: label
        anchors.centerIn: parent
        color: button.primary ? LWTheme.textOnAccent : LWTheme.text
        font.pixelSize: LWTheme.fontSize
        font.bold: button.primary
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
