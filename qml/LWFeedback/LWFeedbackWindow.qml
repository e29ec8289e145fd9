import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// Feedback: a page to write to us and a page with the conversation so far.
Window {
    id: win
    objectName: "feedbackWindowObj"
    width: 640
    height: 560
    minimumWidth: 560
    minimumHeight: 500
    visible: false
    title: qsTr("Feedback") + " - Glowsmith"
    color: LWTheme.window

    property var model: feedBackModel
    property int page: 0

    function showPage(index) {
        page = index
        if (index === 1 && mainWindowController)
            mainWindowController.getFeedBackRecords()
    }

    onVisibleChanged: {
        if (!visible)
            return
        showPage(0)
        if (typeof beaconProxy !== "undefined" && beaconProxy)
            beaconProxy.triggerServiceEvent("gsClickFeedBack")
    }

    LWOnlineHeader {
        id: header
        width: parent.width
        title: qsTr("Feedback")
        subtitle: qsTr("Tell us what went wrong or what you would like to see")
    }

    Row {
        id: tabs
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.leftMargin: LWTheme.spacingLarge
        LWFeedbackTab {
            objectName: "sendTab"
            text: qsTr("Feedback")
            current: win.page === 0
            onClicked: win.showPage(0)
        }
        LWFeedbackTab {
            objectName: "recordsTab"
            text: qsTr("My feedback")
            current: win.page === 1
            onClicked: win.showPage(1)
        }
    }
    Rectangle {
        anchors.top: tabs.bottom
        width: parent.width
        height: LWTheme.hairline
        color: LWTheme.line
    }

    LWFeedbackSendPage {
        objectName: "sendPage"
        anchors.top: tabs.bottom
        anchors.topMargin: LWTheme.hairline
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        visible: win.page === 0
        model: win.model
    }
    LWFeedbackRecordsPage {
        objectName: "recordsPage"
        anchors.top: tabs.bottom
        anchors.topMargin: LWTheme.hairline
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        visible: win.page === 1
        model: win.model
    }
}
