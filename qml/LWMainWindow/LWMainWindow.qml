import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/LWViewCommon"

Window {
    objectName: "mainStudioObj"
    width: 1440
    height: 900
    visible: false
    title: qsTr("Untitled") + " - Glowsmith"
    color: theme.window

    LWTheme { id: theme }
}
