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

    spacing: LWTheme.spacingSmall

    Text {
        id: caption
        color: LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
        visible: text.length > 0
    }
    TextField {
        id: input
        width: field.width
        color: LWTheme.text
        placeholderTextColor: LWTheme.textFaint
        selectionColor: LWTheme.accent
        selectedTextColor: LWTheme.textOnAccent
        font.pixelSize: LWTheme.fontSize
        leftPadding: LWTheme.spacingLarge
        rightPadding: LWTheme.spacingLarge
        selectByMouse: true
        onAccepted: field.accepted()
        onTextEdited: field.edited()
        background: Rectangle {
            implicitHeight: LWTheme.onlineControlHeight
            radius: LWTheme.radiusDialog
            color: LWTheme.field
            border.width: LWTheme.hairline
            border.color: input.activeFocus ? LWTheme.accent : LWTheme.line
        }
    }
}
