import QtQuick 2.15
import "qrc:/LWViewCommon"

// Title strip of the online windows: the mark, a title and a line below.
Rectangle {
    id: header
    property alias title: caption.text
    property alias subtitle: detail.text
    height: 64
    color: LWTheme.panel

    Rectangle {
        id: mark
        width: 28
        height: 28
        radius: 8
        anchors.left: parent.left
        anchors.leftMargin: 20
        anchors.verticalCenter: parent.verticalCenter
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#ffb08a" }
            GradientStop { position: 1.0; color: LWTheme.accent }
        }
    }
    Column {
        anchors.left: mark.right
        anchors.leftMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        spacing: 2
        Text {
            id: caption
            color: LWTheme.text
            font.pixelSize: 16
            font.bold: true
        }
        Text {
            id: detail
            color: LWTheme.textDim
            font.pixelSize: 12
            visible: text.length > 0
        }
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: LWTheme.line
    }
}
