import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/LWViewCommon"

Window {
    objectName: "compressFilesWindow"
    width: 640
    height: 480
    visible: false
    title: qsTr("Compressed file") + " - Glowsmith"
    color: theme.window

    LWTheme { id: theme }
}
