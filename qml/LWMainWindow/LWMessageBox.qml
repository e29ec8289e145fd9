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
    padding: 20
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
        radius: 6
    }

    contentItem: Column {
        spacing: 14
        Text {
            visible: box.title.length > 0
            width: 360
            text: box.title
            color: LWTheme.text
            font.pixelSize: LWTheme.fontSize + 2
            font.bold: true
            wrapMode: Text.WordWrap
        }
        Text {
            width: 360
            text: box.text
            color: box.title.length > 0 ? LWTheme.textDim : LWTheme.text
            font.pixelSize: LWTheme.fontSize + 1
            wrapMode: Text.WordWrap
        }
        Row {
            spacing: 10
            anchors.right: parent.right
            LWButton {
                text: box.acceptText
                highlighted: true
                width: 86
                height: 28
                onClicked: {
                    box.close()
                    box.accepted()
                }
            }
            LWButton {
                visible: box.rejectText.length > 0
                text: box.rejectText
                width: 86
                height: 28
                onClicked: {
                    box.close()
                    box.rejected()
                }
            }
        }
    }
}
