import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// The answer to a requested check when the running version is the newest.
Window {
    id: win
    objectName: "checkUpdateIsNewWindow"
    width: 420
    height: 230
    minimumWidth: 420
    minimumHeight: 230
    visible: false
    title: qsTr("Check Updates") + " - Glowsmith"
    color: LWTheme.window

    property var model: lwCheckUpdateModel

    LWOnlineHeader {
        id: header
        width: parent.width
        title: qsTr("You are up to date")
    }

    Column {
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: LWTheme.pageMargin
        spacing: LWTheme.spacingSection

        Text {
            width: parent.width
            wrapMode: Text.Wrap
            color: LWTheme.text
            font.pixelSize: LWTheme.fontSize
            textFormat: Text.PlainText
            text: qsTr("Glowsmith %1 is the newest version.").arg(win.model ? win.model.curVersion : "")
        }
        LWUpdateAutoCheck { model: win.model }
    }

    LWOnlineButton {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: LWTheme.dialogPadding
        text: qsTr("OK")
        onClicked: win.close()
    }
}
