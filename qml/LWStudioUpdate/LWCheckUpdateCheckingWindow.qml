import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// Shown while a requested update check runs; when no answer came it says so.
Window {
    id: win
    objectName: "checkUpdateCheckingWindow"
    width: 420
    height: 220
    minimumWidth: 420
    minimumHeight: 220
    visible: false
    title: qsTr("Check Updates") + " - Glowsmith"
    color: LWTheme.window

    property var model: lwCheckUpdateModel
    readonly property bool checking: model ? model.i_showChecking : false

    onClosing: if (model) model.setCancel()

    LWOnlineHeader {
        id: header
        width: parent.width
        title: qsTr("Check Updates")
        subtitle: qsTr("Current version %1").arg(win.model ? win.model.curVersion : "")
    }

    Column {
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: LWTheme.pageMargin
        spacing: LWTheme.spacingLoose

        LWUpdateBusyDots {
            objectName: "checkingDots"
            visible: win.checking
            running: win.checking
        }
        Text {
            objectName: "checkingText"
            width: parent.width
            wrapMode: Text.Wrap
            color: win.checking ? LWTheme.text : LWTheme.danger
            font.pixelSize: LWTheme.fontSize
            text: win.checking ? qsTr("Looking for a newer version...")
                               : qsTr("The update service did not answer. Please try again later.")
        }
    }

    LWOnlineButton {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: LWTheme.dialogPadding
        primary: false
        text: win.checking ? qsTr("Cancel") : qsTr("Close")
        onClicked: if (win.model) win.model.setCancel()
    }
}
