import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// Tells where a finished export went without stopping the author: a strip
// at the foot of the window that goes away by itself, with a way to show
// the package in its folder.
Rectangle {
    id: notice
    objectName: "exportNotice"

    property string path: ""
    // How long the notice stays unless the pointer rests on it.
    property int showMs: 8000

    signal showInFolder(string path)

    function show(localPath) {
        path = localPath
        visible = true
        timer.restart()
    }
    function dismiss() {
        timer.stop()
        visible = false
    }

    visible: false
    width: Math.min(row.implicitWidth + 2 * LWTheme.spacingLarge, parent ? parent.width - 2 * LWTheme.spacingLoose : 600)
    height: LWTheme.bannerHeight
    radius: LWTheme.radiusDialog
    color: LWTheme.successBanner
    border.color: LWTheme.success

    Timer {
        id: timer
        interval: notice.showMs
        onTriggered: if (!hover.containsMouse) notice.visible = false; else restart()
    }
    MouseArea {
        id: hover
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.NoButton
    }
    Row {
        id: row
        anchors.verticalCenter: parent.verticalCenter
        anchors.left: parent.left
        anchors.leftMargin: LWTheme.spacingLarge
        spacing: LWTheme.spacingMedium
        Text {
            id: label
            objectName: "exportNoticeText"
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, 520)
            elide: Text.ElideMiddle
            textFormat: Text.PlainText
            color: LWTheme.text
            font.pixelSize: LWTheme.fontSize
            text: qsTr("Exported to %1").arg(notice.path)
        }
        LWButton {
            objectName: "exportNoticeShow"
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Show in Folder")
            onClicked: {
                notice.showInFolder(notice.path)
                notice.dismiss()
            }
        }
        LWButton {
            anchors.verticalCenter: parent.verticalCenter
            text: "\u2715"
            width: LWTheme.glyphButtonWidth
            onClicked: notice.dismiss()
        }
    }
}
