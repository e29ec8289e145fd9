import QtQuick 2.15
import QtQuick.Window 2.15
import Glowsmith.Online 1.0
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// Phone preview: the effect goes up as a draft, and the phone app scans
// the QR code to fetch it.
Window {
    id: draftWin
    objectName: "uploadDraftWinObj"
    width: 420
    height: 560
    minimumWidth: 380
    minimumHeight: 520
    visible: false
    title: qsTr("Preview on phone") + " - Glowsmith"
    color: LWTheme.window

    property var model: lwDraftUploadEffectModel
    property string info: ""
    property bool failed: false

    Connections {
        target: draftWin.model
        ignoreUnknownSignals: true
        function onInfoChanged(p_strInfo) { draftWin.info = p_strInfo }
        function onDraftUploadResult(p_type, p_strRet) {
            draftWin.failed = p_type !== 0
            draftWin.info = p_type === 0 ? qsTr("Scan the code with the phone app to preview the effect.") : p_strRet
        }
        function onEffectUUIDChanged(uuid) { code.text = uuid }
    }

    onVisibleChanged: if (visible && model && !model.uploading) model.uploadEffectDraft()

    LWOnlineHeader {
        id: header
        width: parent.width
        title: qsTr("Preview on phone")
        subtitle: qsTr("Uploads the effect as a draft")
    }

    Rectangle {
        id: card
        anchors.top: header.bottom
        anchors.topMargin: LWTheme.contentTopMargin
        anchors.horizontalCenter: parent.horizontalCenter
        width: 260
        height: 260
        radius: LWTheme.radiusLarge
        color: LWTheme.paper
        LWQrCode {
            id: code
            objectName: "draftQrCode"
            anchors.fill: parent
            anchors.margins: LWTheme.spacingMedium
            text: draftWin.model ? draftWin.model.effectUUID : ""
        }
        LWWaitingCover {
            anchors.fill: parent
            radius: LWTheme.radiusLarge
            visible: !code.valid
            text: draftWin.failed ? qsTr("No code yet") : qsTr("Uploading...")
            busy: !draftWin.failed
        }
    }

    Text {
        id: infoText
        anchors.top: card.bottom
        anchors.topMargin: LWTheme.spacingSection
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 64
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        textFormat: Text.PlainText
        text: draftWin.info
        color: draftWin.failed ? LWTheme.danger : LWTheme.textDim
        font.pixelSize: LWTheme.fontSize
    }

    LWOnlineButton {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: LWTheme.pageMargin
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 64
        text: qsTr("Upload again")
        enabled: draftWin.model !== null && !draftWin.model.uploading
        onClicked: draftWin.model.uploadEffectDraft()
    }
}
