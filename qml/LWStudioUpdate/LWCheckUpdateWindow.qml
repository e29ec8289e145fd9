import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// A newer version is offered: what it brings, and the way to it. The
// checking and already-newest windows of the check live here too.
Window {
    id: win
    objectName: "checkUpdateWindow"
    width: 520
    height: 440
    minimumWidth: 460
    minimumHeight: 380
    visible: false
    title: qsTr("Update") + " - Glowsmith"
    color: LWTheme.window

    property var model: lwCheckUpdateModel

    LWCheckUpdateCheckingWindow {}
    LWCheckUpdateIsNewWindow {}

    LWOnlineHeader {
        id: header
        width: parent.width
        title: qsTr("A new version is available")
        subtitle: win.model ? qsTr("Glowsmith %1 (you have %2)").arg(win.model.lastestVersion).arg(win.model.curVersion) : ""
    }

    ScrollView {
        id: notes
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: refusal.visible ? refusal.top : footer.top
        anchors.margins: LWTheme.dialogPadding
        clip: true

        Column {
            width: notes.availableWidth
            spacing: LWTheme.spacingMedium
            Text {
                text: qsTr("New features")
                color: LWTheme.accent
                font.pixelSize: LWTheme.fontSize
                font.bold: true
            }
            Text {
                objectName: "featuresText"
                width: parent.width
                wrapMode: Text.Wrap
                color: LWTheme.text
                font.pixelSize: LWTheme.fontSize
                textFormat: Text.PlainText
                text: win.model && win.model.strNewFeature.length > 0 ? win.model.strNewFeature : "-"
            }
            Item { width: 1; height: LWTheme.spacingSmall }
            Text {
                text: qsTr("Fixed problems")
                color: LWTheme.accent
                font.pixelSize: LWTheme.fontSize
                font.bold: true
            }
            Text {
                objectName: "bugFixText"
                width: parent.width
                wrapMode: Text.Wrap
                color: LWTheme.text
                font.pixelSize: LWTheme.fontSize
                textFormat: Text.PlainText
                text: win.model && win.model.strBugFixed.length > 0 ? win.model.strBugFixed : "-"
            }
        }
    }

    // Why this offer cannot be downloaded (unsigned, or not over https).
    Text {
        id: refusal
        objectName: "offerMessage"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: footer.top
        anchors.margins: LWTheme.dialogPadding
        visible: text.length > 0
        wrapMode: Text.Wrap
        textFormat: Text.PlainText
        color: LWTheme.danger
        font.pixelSize: LWTheme.fontSize
        text: win.model ? win.model.offerMessage : ""
    }

    Item {
        id: footer
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 76
        Rectangle { width: parent.width; height: LWTheme.hairline; color: LWTheme.line }

        LWUpdateAutoCheck {
            anchors.left: parent.left
            anchors.leftMargin: LWTheme.dialogPadding
            anchors.verticalCenter: parent.verticalCenter
            model: win.model
        }
        Row {
            anchors.right: parent.right
            anchors.rightMargin: LWTheme.dialogPadding
            anchors.verticalCenter: parent.verticalCenter
            spacing: LWTheme.spacingLarge
            LWOnlineButton {
                primary: false
                text: qsTr("Later")
                onClicked: win.close()
            }
            LWOnlineButton {
                objectName: "updateNowButton"
                text: qsTr("Update now")
                enabled: win.model ? win.model.offerMessage.length === 0 : false
                onClicked: if (win.model) win.model.showDownloadWindow()
            }
        }
    }
}
