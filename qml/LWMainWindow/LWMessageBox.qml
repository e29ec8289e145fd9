import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A small modal message with one or two buttons.
Popup {
    id: box
    modal: true
    focus: true
    width: 400
    padding: LWTheme.dialogPadding
    closePolicy: Popup.CloseOnEscape

    property string title: ""
    property string text: ""
    property string acceptText: qsTr("OK")
    property string rejectText: ""

    signal accepted()
    signal rejected()

    function show(message, buttonText) {
        if (message !== undefined)
            text = message
        if (buttonText !== undefined)
            acceptText = buttonText
        open()
    }

    background: Rectangle {
        color: LWTheme.panel
        border.color: LWTheme.line
        radius: LWTheme.radiusDialog
    }

    contentItem: Column {
        spacing: LWTheme.spacingWide
        Text {
            visible: box.title.length > 0
            width: 360
            text: box.title
            color: LWTheme.text
            font.pixelSize: LWTheme.headingSize
            font.bold: true
            wrapMode: Text.WordWrap
        }
        Text {
            width: 360
            text: box.text
            color: box.title.length > 0 ? LWTheme.textDim : LWTheme.text
            font.pixelSize: LWTheme.largeSize
            wrapMode: Text.WordWrap
        }
        Row {
            spacing: LWTheme.spacingMedium
            anchors.right: parent.right
            LWButton {
                text: box.acceptText
                highlighted: true
                width: LWTheme.largeButtonWidth
                height: LWTheme.largeButtonHeight
                onClicked: {
                    box.close()
                    box.accepted()
                }
            }
            LWButton {
                visible: box.rejectText.length > 0
                text: box.rejectText
                width: LWTheme.largeButtonWidth
                height: LWTheme.largeButtonHeight
                onClicked: {
                    box.close()
                    box.rejected()
                }
            }
        }
    }
}
