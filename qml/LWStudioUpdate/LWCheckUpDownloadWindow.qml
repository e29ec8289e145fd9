import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// The installer on its way, with progress; the window that offers to
// install it lives here too.
Window {
    id: win
    objectName: "checkUpdateDownloadWindow"
    width: 480
    height: 250
    minimumWidth: 440
    minimumHeight: 250
    visible: false
    title: qsTr("Downloading update") + " - Glowsmith"
    color: LWTheme.window

    property var model: lwCheckUpdateModel
    readonly property string message: model ? model.downloadMessage : ""
    readonly property real percent: model ? model.i_downloadPercent : 0

    function megabytes(units) {
        // The model counts in units of 10000 bytes.
        return (units / 100).toFixed(1)
    }

    LWCheckUpdateFinishWindow {}

    onClosing: if (model && message.length === 0) model.cancelDownload()

    LWOnlineHeader {
        id: header
        width: parent.width
        title: qsTr("Downloading Glowsmith %1").arg(win.model ? win.model.lastestVersion : "")
        subtitle: qsTr("The installer is checked before it is offered")
    }

    Column {
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: LWTheme.pageMargin
        spacing: LWTheme.spacingMedium

        Rectangle {
            objectName: "progressTrack"
            width: parent.width
            height: 10
            radius: height / 2
            color: LWTheme.field
            border.color: LWTheme.line
            Rectangle {
                width: parent.width * Math.min(1, win.percent / 100)
                height: parent.height
                radius: height / 2
                color: LWTheme.accent
            }
        }
        Row {
            width: parent.width
            Text {
                width: parent.width / 2
                color: LWTheme.text
                font.pixelSize: LWTheme.fontSize
                text: Math.round(win.percent) + " %"
            }
            Text {
                width: parent.width / 2
                horizontalAlignment: Text.AlignRight
                color: LWTheme.textDim
                font.pixelSize: LWTheme.smallSize
                visible: win.model !== null && win.model.i_totalData > 0
                text: win.model ? qsTr("%1 MB of %2 MB").arg(win.megabytes(win.model.i_nowData))
                                                       .arg(win.megabytes(win.model.i_totalData)) : ""
            }
        }
        Text {
            objectName: "downloadMessage"
            width: parent.width
            wrapMode: Text.Wrap
            visible: text.length > 0
            color: LWTheme.danger
            font.pixelSize: LWTheme.smallSize
            textFormat: Text.PlainText
            text: win.message
        }
    }

    Row {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: LWTheme.dialogPadding
        spacing: LWTheme.spacingLarge
        LWOnlineButton {
            primary: false
            text: win.message.length > 0 ? qsTr("Close") : qsTr("Cancel")
            onClicked: {
                if (win.model)
                    win.model.cancelDownload()
                win.close()
            }
        }
        LWOnlineButton {
            visible: win.message.length > 0
            text: qsTr("Try again")
            onClicked: if (win.model) win.model.startDownload()
        }
    }
}
