import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// The installer arrived and passed its check: install now or later.
Window {
    id: win
    objectName: "checkUpdateFinishWindow"
    width: 460
    height: 250
    minimumWidth: 460
    minimumHeight: 250
    visible: false
    title: qsTr("Update") + " - Glowsmith"
    color: LWTheme.window

    property var model: lwCheckUpdateModel

    LWOnlineHeader {
        id: header
        width: parent.width
        title: qsTr("Download complete")
        subtitle: qsTr("Glowsmith %1 is ready to install").arg(win.model ? win.model.lastestVersion : "")
    }

    Column {
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: LWTheme.pageMargin
        spacing: LWTheme.spacingLarge

        Text {
            width: parent.width
            wrapMode: Text.Wrap
            color: LWTheme.text
            font.pixelSize: LWTheme.fontSize
            text: qsTr("Glowsmith closes so that the installer can update it. Save your project first.")
        }
        Text {
            width: parent.width
            wrapMode: Text.Wrap
            visible: text.length > 0
            color: LWTheme.danger
            font.pixelSize: LWTheme.smallSize
            textFormat: Text.PlainText
            text: win.model ? win.model.downloadMessage : ""
        }
    }

    Row {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: LWTheme.dialogPadding
        spacing: LWTheme.spacingLarge
        LWOnlineButton {
            primary: false
            text: qsTr("Later")
            onClicked: win.close()
        }
        LWOnlineButton {
            objectName: "installButton"
            text: qsTr("Install now")
            onClicked: if (win.model) win.model.installPack()
        }
    }
}
