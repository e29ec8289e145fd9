import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/LWViewCommon"

Window {
    objectName: "loginBridgeWinObj"
    width: 420
    height: 560
    visible: false
    title: qsTr("Sign in") + " - Glowsmith"
    color: theme.window

    LWTheme { id: theme }
}
