import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// Upload, zoom, phone preview, feedback and the account button.
ToolBar {
    id: bar
    property int zoomPercent: 100
    property bool signedIn: false
    signal uploadClicked()
    signal syncClicked()
    signal feedbackClicked()
    signal accountClicked()
    signal zoomIn()
    signal zoomOut()

    height: 44
    background: Rectangle {
        color: LWTheme.panel
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: LWTheme.line
        }
    }

    Row {
        anchors.left: parent.left
        anchors.leftMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        spacing: 8
        LWButton {
            text: qsTr("Upload")
            highlighted: true
            height: 28
            width: 86
            onClicked: bar.uploadClicked()
        }
    }

    Row {
        anchors.centerIn: parent
        spacing: 6
        LWButton {
            text: "\u2212"
            width: 28
            height: 28
            fontSize: 16
            onClicked: bar.zoomOut()
        }
        Text {
            width: 56
            anchors.verticalCenter: parent.verticalCenter
            horizontalAlignment: Text.AlignHCenter
            text: bar.zoomPercent + "%"
            color: LWTheme.text
            font.pixelSize: LWTheme.fontSize
        }
        LWButton {
            text: "+"
            width: 28
            height: 28
            fontSize: 16
            onClicked: bar.zoomIn()
        }
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        spacing: 8
        LWPackageSizeBadge {
            anchors.verticalCenter: parent.verticalCenter
        }
        LWButton {
            text: qsTr("Sync to Phone")
            height: 28
            onClicked: bar.syncClicked()
        }
        LWButton {
            text: qsTr("Feedback")
            height: 28
            visible: mainWindowController.feedBackModel !== null
            onClicked: bar.feedbackClicked()
        }
        LWButton {
            text: bar.signedIn ? qsTr("Account") : qsTr("Sign in")
            height: 28
            onClicked: bar.accountClicked()
        }
    }
}
