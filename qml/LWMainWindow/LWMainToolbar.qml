import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// Upload, zoom, phone preview, feedback and the account button.
ToolBar {
    id: bar
    property int zoomPercent: 100
    property bool signedIn: false
    // Where the menus of the upload and account buttons hang from.
    readonly property alias uploadButton: uploadButton
    readonly property alias accountButton: accountButton
    // Two ways up: the editor's own submission for review, and the
    // publishing site's upload page.
    signal submitClicked()
    signal uploadPageClicked()
    signal syncClicked()
    signal feedbackClicked()
    signal accountClicked()
    signal zoomIn()
    signal zoomOut()

    height: LWTheme.toolbarHeight
    background: Rectangle {
        color: LWTheme.panel
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: LWTheme.hairline
            color: LWTheme.line
        }
    }

    Row {
        anchors.left: parent.left
        anchors.leftMargin: LWTheme.spacingLarge
        anchors.verticalCenter: parent.verticalCenter
        spacing: LWTheme.spacing
        LWButton {
            id: uploadButton
            objectName: "uploadButton"
            text: qsTr("Upload")
            highlighted: true
            height: LWTheme.largeButtonHeight
            width: LWTheme.largeButtonWidth
            onClicked: uploadMenu.popup(uploadButton, 0, uploadButton.height + LWTheme.spacingTiny)
        }
    }

    LWMenu {
        id: uploadMenu
        objectName: "uploadMenu"
        LWMenuItem {
            text: qsTr("Submit for review...")
            onTriggered: bar.submitClicked()
        }
        LWMenuItem {
            text: qsTr("Upload on the publishing site...")
            onTriggered: bar.uploadPageClicked()
        }
    }

    Row {
        anchors.centerIn: parent
        spacing: LWTheme.spacingSmall
        LWButton {
            text: "\u2212"
            width: LWTheme.toolButtonSize
            height: LWTheme.toolButtonSize
            fontSize: LWTheme.glyphSize
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
            width: LWTheme.toolButtonSize
            height: LWTheme.toolButtonSize
            fontSize: LWTheme.glyphSize
            onClicked: bar.zoomIn()
        }
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: LWTheme.spacingLarge
        anchors.verticalCenter: parent.verticalCenter
        spacing: LWTheme.spacing
        LWPackageSizeBadge {
            anchors.verticalCenter: parent.verticalCenter
        }
        LWButton {
            text: qsTr("Sync to Phone")
            height: LWTheme.largeButtonHeight
            onClicked: bar.syncClicked()
        }
        LWButton {
            text: qsTr("Feedback")
            height: LWTheme.largeButtonHeight
            visible: feedBackModel !== null
            onClicked: bar.feedbackClicked()
        }
        LWButton {
            id: accountButton
            text: bar.signedIn ? qsTr("Account") : qsTr("Sign in")
            height: LWTheme.largeButtonHeight
            onClicked: bar.accountClicked()
        }
    }
}
