import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/LWViewCommon"

Window {
    objectName: "checkUpdateWindow"
    width: 480
    height: 320
    visible: false
    title: qsTr("Update") + " - Glowsmith"
    color: theme.window

    LWTheme { id: theme }
}
