import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/LWViewCommon"

Window {
    objectName: "checkUpDownloadWindow"
    width: 480
    height: 240
    visible: false
    title: qsTr("Downloading update") + " - Glowsmith"
    color: theme.window

    LWTheme { id: theme }
}
