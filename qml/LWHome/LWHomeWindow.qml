import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// The first window: where an author starts a project.
Window {
    id: homeWin
    objectName: "homeWinObj"
    width: 1080
    height: 680
    minimumWidth: 800
    minimumHeight: 520
    visible: false
    title: qsTr("Home") + " - Glowsmith"
    color: theme.window

    LWTheme { id: theme }

    // The other windows stay alive hidden for the whole run, so the last
    // window closing is no signal here: closing home is leaving the program.
    onClosing: Qt.quit()

    Column {
        anchors.centerIn: parent
        spacing: 14

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Glowsmith"
            color: theme.text
            font.pixelSize: 40
            font.bold: true
        }
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 64
            height: 3
            radius: 1.5
            color: theme.accent
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Camera effects for faces, hair and backgrounds")
            color: theme.textDim
            font.pixelSize: theme.fontSize + 2
        }
    }
}
