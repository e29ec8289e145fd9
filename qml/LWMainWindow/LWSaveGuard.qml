import QtQuick 2.15
import QtQuick.Controls 2.15
import Glowsmith.App 1.0
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// Asks "Whether to save the current project" before an action replaces or
// leaves a project that has unsaved features, then performs the action, an
// LWPendingOperation with its parameter (the template, the project file).
Popup {
    id: guard
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    width: 380
    padding: LWTheme.dialogPadding

    // Outside LWPendingOperation: nothing waits for the author's answer.
    readonly property int nothingPending: -1
    property int pendingOperation: nothingPending
    property var pendingParam: ""

    signal perform(int operation, var param)
    // The window saves (through save-as for a temporary project) and calls
    // run() when the save succeeded, dropPending() when it did not.
    signal saveRequested()

    function request(operation, param) {
        if (effectPackManager.hasProjInWorkSpace() && effectPackManager.getFeatureCount() > 0
                && !effectPackManager.isSaved) {
            pendingOperation = operation
            pendingParam = param
            open()
        } else {
            perform(operation, param)
        }
    }

    function dropPending() {
        pendingOperation = nothingPending
        close()
    }

    function run() {
        var operation = pendingOperation
        var param = pendingParam
        pendingOperation = nothingPending
        close()
        perform(operation, param)
    }

    background: Rectangle {
        color: LWTheme.panel
        border.color: LWTheme.line
        radius: LWTheme.radiusDialog
    }

    contentItem: Column {
        spacing: LWTheme.spacingSection
        Text {
            width: 340
            text: qsTr("Whether to save the current project")
            color: LWTheme.text
            font.pixelSize: LWTheme.headingSize
            wrapMode: Text.WordWrap
        }
        Row {
            spacing: LWTheme.spacingMedium
            anchors.right: parent.right
            LWButton {
                text: qsTr("Save")
                highlighted: true
                width: LWTheme.largeButtonWidth
                height: LWTheme.largeButtonHeight
                onClicked: {
                    guard.close()
                    guard.saveRequested()
                }
            }
            LWButton {
                text: qsTr("Cancle")
                width: LWTheme.largeButtonWidth
                height: LWTheme.largeButtonHeight
                onClicked: guard.dropPending()
            }
            LWButton {
                text: qsTr("Not Save")
                width: LWTheme.largeButtonWidth
                height: LWTheme.largeButtonHeight
                onClicked: guard.run()
            }
        }
    }
}
