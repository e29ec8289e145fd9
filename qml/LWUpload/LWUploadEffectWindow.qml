import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// Submitting the effect for review: name, introduction, the action hint the
// camera shows, and an icon. Whether it is a new effect or replaces an
// earlier one was chosen in the choice window, which the author can go back
// to from here.
Window {
    id: uploadWin
    objectName: "uploadEffectWinObj"
    width: 640
    height: 600
    minimumWidth: 560
    minimumHeight: 560
    visible: false
    title: qsTr("Submit effect") + " - Glowsmith"
    color: LWTheme.window

    property var model: lwUploadEffectModel
    property var choices: lwUploadEffctChoiceModel
    // -1: a new effect; else the row of the earlier effect it replaces.
    property int target: -1
    property string targetName: ""
    property string notice: ""
    property bool noticeIsError: false
    signal chooseEarlierEffect()

    readonly property var hints: [qsTr("No hint"), qsTr("Open your mouth"), qsTr("Blink your eyes"),
        qsTr("Raise your eyebrows"), qsTr("Nod your head"), qsTr("Show your palm")]

    onVisibleChanged: {
        if (visible && model) {
            notice = ""
            closeTimer.stop()
            // An update keeps the effect's name unless the author gave one.
            if (targetName.length > 0 && model.effectName.length === 0)
                model.effectName = targetName
            model.getAndCaculateEffectPack()
        }
    }

    function submit() {
        say(qsTr("Uploading..."), false)
        if (target >= 0 && choices)
            choices.uploadEffctFile(target)
        else
            model.uploadEffectFile()
    }

    // After a submission the author's effects page opens in the browser;
    // the window goes once the success could be read.
    Timer {
        id: closeTimer
        interval: 1500
        onTriggered: uploadWin.hide()
    }

    function say(text, isError) {
        notice = text
        noticeIsError = isError
    }

    Connections {
        target: uploadWin.model
        ignoreUnknownSignals: true
        function onFileUploadResult(p_type, p_retStr) {
            uploadWin.say(p_retStr, p_type !== 0)
            if (p_type === 0)
                closeTimer.restart()
        }
        function onIconUploadResult(p_type, p_retStr) {
            uploadWin.say(p_type === 0 ? qsTr("Icon uploaded.") : p_retStr, p_type !== 0)
        }
        function onCancleUploadSignal() { uploadWin.say(qsTr("Upload cancelled."), false) }
    }

    LWOnlineHeader {
        id: header
        width: parent.width
        title: uploadWin.target >= 0 ? qsTr("Update \u201c%1\u201d").arg(uploadWin.targetName)
                                     : qsTr("Submit a new effect for review")
        subtitle: uploadWin.model && uploadWin.model.uploadReady
                  ? qsTr("Package ready: %1").arg(uploadWin.model.effectSize)
                  : qsTr("Preparing the effect package...")
    }

    Row {
        id: body
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: LWTheme.pageMargin
        spacing: LWTheme.pageMargin

        Column {
            spacing: LWTheme.spacingMedium
            width: 170
            Rectangle {
                width: 170
                height: 170
                radius: LWTheme.radiusTile
                color: LWTheme.panel
                border.color: LWTheme.line
                Image {
                    anchors.fill: parent
                    anchors.margins: LWTheme.spacingCompact
                    source: uploadWin.model ? uploadWin.model.iconPath : ""
                    fillMode: Image.PreserveAspectFit
                    smooth: true
                }
            }
            LWOnlineButton {
                width: 170
                primary: false
                text: qsTr("Change icon")
                enabled: uploadWin.model !== null && !uploadWin.model.buploading
                onClicked: uploadWin.model.chooseIcon()
            }
            Text {
                width: 170
                wrapMode: Text.Wrap
                text: qsTr("PNG, 162 × 162 pixels, at most 40 kB")
                color: LWTheme.textDim
                font.pixelSize: LWTheme.smallSize
            }
        }

        Column {
            width: body.width - 170 - body.spacing
            spacing: LWTheme.spacingWide
            LWOnlineField {
                id: nameField
                width: parent.width
                label: qsTr("Effect name")
                placeholder: qsTr("What should the effect be called?")
                maximumLength: 100
                text: uploadWin.model ? uploadWin.model.effectName : ""
                objectName: "uploadNameField"
                onEdited: if (uploadWin.model) uploadWin.model.effectName = text
            }
            Column {
                width: parent.width
                spacing: LWTheme.spacingSmall
                Text { text: qsTr("Introduction"); color: LWTheme.textDim; font.pixelSize: LWTheme.smallSize }
                Rectangle {
                    width: parent.width
                    height: 96
                    radius: LWTheme.radiusDialog
                    color: LWTheme.field
                    border.color: descArea.activeFocus ? LWTheme.accent : LWTheme.line
                    TextArea {
                        id: descArea
                        objectName: "uploadDescArea"
                        anchors.fill: parent
                        wrapMode: TextEdit.Wrap
                        color: LWTheme.text
                        font.pixelSize: LWTheme.fontSize
                        placeholderText: qsTr("Tell people what the effect does")
                        placeholderTextColor: LWTheme.textFaint
                        selectByMouse: true
                        background: null
                        text: uploadWin.model ? uploadWin.model.effectDesc : ""
                        onTextChanged: if (uploadWin.model && activeFocus) uploadWin.model.effectDesc = text
                    }
                }
            }
            Column {
                width: parent.width
                spacing: LWTheme.spacingSmall
                Text { text: qsTr("Hint shown to the person in front of the camera"); color: LWTheme.textDim; font.pixelSize: LWTheme.smallSize }
                ComboBox {
                    id: hintBox
                    width: parent.width
                    model: uploadWin.hints
                    currentIndex: uploadWin.model ? uploadWin.model.currentIndex : 0
                    onActivated: {
                        if (!uploadWin.model)
                            return
                        uploadWin.model.currentIndex = index
                        uploadWin.model.strDescription = index === 0 ? "" : uploadWin.hints[index]
                    }
                    contentItem: Text {
                        leftPadding: LWTheme.spacingLarge
                        text: hintBox.displayText
                        color: LWTheme.text
                        font.pixelSize: LWTheme.fontSize
                        verticalAlignment: Text.AlignVCenter
                    }
                    background: Rectangle {
                        implicitHeight: LWTheme.onlineControlHeight
                        radius: LWTheme.radiusDialog
                        color: LWTheme.field
                        border.color: LWTheme.line
                    }
                }
            }
        }
    }

    Rectangle {
        id: banner
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: footer.top
        anchors.margins: LWTheme.pageMargin
        height: LWTheme.bannerHeight
        radius: LWTheme.radiusDialog
        visible: uploadWin.notice.length > 0
        color: uploadWin.noticeIsError ? LWTheme.dangerBanner : LWTheme.successBanner
        border.color: uploadWin.noticeIsError ? LWTheme.danger : LWTheme.success
        Text {
            anchors.fill: parent
            anchors.leftMargin: LWTheme.spacingLarge
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            textFormat: Text.PlainText
            text: uploadWin.notice
            color: LWTheme.text
            font.pixelSize: LWTheme.fontSize
        }
    }

    Rectangle {
        id: footer
        anchors.bottom: parent.bottom
        width: parent.width
        height: LWTheme.footerHeight
        color: LWTheme.panel
        Rectangle { width: parent.width; height: LWTheme.hairline; color: LWTheme.line }
        // The service says nothing until the whole package is in: the bar
        // tells the request is under way, and the button beside it stops it.
        ProgressBar {
            objectName: "uploadProgress"
            anchors.left: parent.left
            anchors.leftMargin: LWTheme.pageMargin
            anchors.verticalCenter: parent.verticalCenter
            width: 160
            indeterminate: true
            visible: uploadWin.model !== null && uploadWin.model.buploading
        }
        Row {
            anchors.right: parent.right
            anchors.rightMargin: LWTheme.pageMargin
            anchors.verticalCenter: parent.verticalCenter
            spacing: LWTheme.spacingLarge
            LWOnlineButton {
                primary: false
                text: uploadWin.target >= 0 ? qsTr("Choose another effect") : qsTr("Replace an earlier effect")
                enabled: uploadWin.model !== null && !uploadWin.model.buploading
                onClicked: uploadWin.chooseEarlierEffect()
            }
            LWOnlineButton {
                objectName: "uploadSubmitButton"
                property bool uploading: uploadWin.model !== null && uploadWin.model.buploading
                text: uploading ? qsTr("Cancel upload") : qsTr("Submit for review")
                enabled: uploading || (uploadWin.model !== null && uploadWin.model.uploadReady)
                onClicked: {
                    if (uploading) {
                        uploadWin.model.cancleUpload()
                        return
                    }
                    uploadWin.submit()
                }
            }
        }
    }
}
