import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// A labelled single-line field on the dark panel.
Column {
    id: field
    property alias label: caption.text
    property alias text: input.text
    property alias placeholder: input.placeholderText
    property alias echoMode: input.echoMode
    property alias maximumLength: input.maximumLength
    property alias input: input
    signal accepted()
    signal edited()

    spacing: 6

    Text {
        id: caption
        color: LWTheme.textDim
        font.pixelSize: 12
        visible: text.length > 0
    }
    TextField {
        id: input
        width: field.width
        color: LWTheme.text
        placeholderTextColor: "#6d7080"
        selectionColor: LWTheme.accent
        selectedTextColor: "#1e1f24"
        font.pixelSize: LWTheme.fontSize
        leftPadding: 12
        rightPadding: 12
        selectByMouse: true
        onAccepted: field.accepted()
        onTextEdited: field.edited()
        background: Rectangle {
            implicitHeight: 36
            radius: 6
            color: "#1a1b20"
            border.width: 1
            border.color: input.activeFocus ? LWTheme.accent : LWTheme.line
        }
    }
}
