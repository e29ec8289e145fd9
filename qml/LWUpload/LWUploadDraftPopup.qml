import QtQuick 2.15
import Glowsmith.Online 1.0
import "qrc:/LWViewCommon"

// The editor's compact phone preview: a line that opens into the QR code
// of the latest draft, for scanning it again without the phone window.
Rectangle {
    id: popup
    property var model: lwDraftUploadEffectModel
    property bool expanded: false
    // What the code says: empty until a draft went up.
    property string code: model ? model.effectUUID : ""

    width: 240
    height: expanded ? 292 : 40
    radius: LWTheme.radiusCard
    color: LWTheme.panel
    border.color: LWTheme.line
    clip: true

    // The code carries the time it was shown at: fresh on every opening.
    onExpandedChanged: if (expanded && model) code = model.effectUUID

    Behavior on height { NumberAnimation { duration: 160; easing.type: Easing.OutCubic } }

    Text {
        id: toggle
        objectName: "draftPopupToggle"
        anchors.top: parent.top
        anchors.horizontalCenter: parent.horizontalCenter
        height: 40
        verticalAlignment: Text.AlignVCenter
        text: popup.expanded ? qsTr("Click to close the QR code") : qsTr("Click to expand QR code")
        color: LWTheme.accent
        font.pixelSize: LWTheme.fontSize
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: popup.expanded = !popup.expanded
        }
    }
    Rectangle {
        anchors.top: toggle.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: 236
        height: 236
        radius: LWTheme.radiusCard
        color: LWTheme.paper
        visible: popup.expanded
        LWQrCode {
            id: qr
            objectName: "draftPopupQrCode"
            anchors.fill: parent
            anchors.margins: LWTheme.spacing
            text: popup.code
        }
        Text {
            anchors.centerIn: parent
            visible: !qr.valid
            text: qsTr("Upload a draft first")
            color: LWTheme.textOnPaper
            font.pixelSize: LWTheme.smallSize
        }
        Connections {
            target: popup.model
            ignoreUnknownSignals: true
            function onEffectUUIDChanged(uuid) { popup.code = uuid }
        }
    }
}
