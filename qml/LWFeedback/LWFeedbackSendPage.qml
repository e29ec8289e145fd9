import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"
import "qrc:/LWLogin/LWOnlineControls"

// The message page: what went wrong, an optional screenshot and effect
// package, and a way to reach the author.
Item {
    id: page
    property var model: null
    property string notice: ""
    property bool noticeIsError: false
    readonly property string messageHint: qsTr("Please describe the problem in detail so we can better assist you(within 200 words)")
    readonly property string contactHint: qsTr("Optional, for contact")
    readonly property bool canSubmit: messageArea.text.trim().length > 0 && messageArea.text !== messageHint

    function submit() {
        if (!canSubmit || typeof mainWindowController === "undefined" || !mainWindowController)
            return
        var content = messageArea.text
        var contact = contactField.text
        var screenshot = page.model ? page.model.screenshotUrl.toString() : ""
        var attach = attachCheck.checked
        // Said before anything goes, with the message kept: the author
        // decides whether to send it without the effect.
        if (attach && page.model) {
            var problem = page.model.packageProblem()
            if (problem.length > 0) {
                page.notice = problem
                page.noticeIsError = true
                return
            }
        }
        // Cleared first: the screenshot upload may take a moment, and a
        // second click meanwhile must find nothing to send.
        messageArea.text = ""
        contactField.text = ""
        attachCheck.checked = false
        page.notice = qsTr("Sending your feedback...")
        page.noticeIsError = false
        mainWindowController.submitFeedBackInfo(content, contact, screenshot, attach)
    }

    Connections {
        target: page.model
        ignoreUnknownSignals: true
        function onSubmitFinished(sent) {
            page.notice = sent ? qsTr("Thank you! Your feedback was sent.")
                               : qsTr("The feedback could not be sent. Please try again later.")
            page.noticeIsError = !sent
        }
    }

    Column {
        anchors.fill: parent
        anchors.margins: LWTheme.pageMargin
        spacing: LWTheme.spacingWide

        Rectangle {
            width: parent.width
            height: 170
            radius: LWTheme.radiusDialog
            color: LWTheme.field
            border.color: messageArea.activeFocus ? LWTheme.accent : LWTheme.line
            ScrollView {
                anchors.fill: parent
                TextArea {
                    id: messageArea
                    objectName: "feedbackMessage"
                    wrapMode: TextEdit.Wrap
                    color: LWTheme.text
                    font.pixelSize: LWTheme.fontSize
                    placeholderText: page.messageHint
                    placeholderTextColor: LWTheme.textFaint
                    selectByMouse: true
                    background: null
                }
            }
        }

        LWOnlineField {
            id: contactField
            objectName: "feedbackContact"
            width: parent.width
            label: qsTr("Contact")
            placeholder: page.contactHint
            maximumLength: 200
        }

        Row {
            spacing: LWTheme.spacingWide
            Rectangle {
                width: 96
                height: 64
                radius: LWTheme.radiusDialog
                color: LWTheme.field
                border.color: LWTheme.line
                Image {
                    anchors.fill: parent
                    anchors.margins: 3
                    visible: source.toString().length > 0
                    source: page.model ? page.model.screenshotUrl : ""
                    fillMode: Image.PreserveAspectFit
                    asynchronous: true
                    sourceSize.width: 180
                }
                Text {
                    // Wraps inside the frame: some languages need two lines.
                    anchors.centerIn: parent
                    width: parent.width - 8
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                    maximumLineCount: 3
                    elide: Text.ElideRight
                    visible: !page.model || page.model.screenshotUrl.toString().length === 0
                    text: qsTr("No screenshot")
                    color: LWTheme.textDim
                    font.pixelSize: LWTheme.captionSize
                }
            }
            Column {
                anchors.verticalCenter: parent.verticalCenter
                spacing: LWTheme.spacing
                Row {
                    spacing: LWTheme.spacingMedium
                    LWOnlineButton {
                        primary: false
                        text: qsTr("Add screenshot")
                        onClicked: if (page.model) page.model.chooseScreenshot()
                    }
                    LWOnlineButton {
                        primary: false
                        visible: page.model !== null && page.model.screenshotUrl.toString().length > 0
                        text: qsTr("Remove")
                        onClicked: page.model.clearScreenshot()
                    }
                }
                Row {
                    spacing: LWTheme.spacing
                    LWCheck {
                        id: attachCheck
                        objectName: "feedbackAttach"
                        anchors.verticalCenter: parent.verticalCenter
                        onToggled: checked = !checked
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: qsTr("Attach the current effect package")
                        color: LWTheme.textDim
                        font.pixelSize: LWTheme.smallSize
                    }
                }
            }
        }
    }

    Text {
        anchors.left: parent.left
        anchors.verticalCenter: submitButton.verticalCenter
        anchors.leftMargin: LWTheme.pageMargin
        anchors.right: submitButton.left
        anchors.rightMargin: LWTheme.spacingLarge
        objectName: "feedbackNotice"
        wrapMode: Text.Wrap
        maximumLineCount: 3
        elide: Text.ElideRight
        visible: page.notice.length > 0
        text: page.notice
        color: page.noticeIsError ? LWTheme.danger : LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
    }
    LWOnlineButton {
        id: submitButton
        objectName: "feedbackSubmit"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: LWTheme.dialogPadding
        text: qsTr("Submit")
        enabled: page.canSubmit
        onClicked: page.submit()
    }
}
