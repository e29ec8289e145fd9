import QtQuick 2.15
import "qrc:/LWViewCommon"

// A single-line text box: typing previews, Return or leaving commits.
Rectangle {
    id: field
    property string text: ""
    property bool editable: true
    property string placeholder: ""
    signal edited(string text)
    signal committed(string text)

    implicitHeight: LWTheme.controlHeight
    radius: LWTheme.radiusControl
    color: field.editable ? LWTheme.field : LWTheme.panel
    border.color: input.activeFocus ? LWTheme.accent : (hover.hovered ? LWTheme.fieldHover : LWTheme.fieldBorder)

    LWEditKeys { id: editKeys }
    HoverHandler { id: hover }

    onTextChanged: if (!input.activeFocus) input.text = field.text
    Component.onCompleted: input.text = field.text

    TextInput {
        id: input
        anchors.fill: parent
        anchors.leftMargin: LWTheme.spacingSmall
        anchors.rightMargin: LWTheme.spacingSmall
        verticalAlignment: TextInput.AlignVCenter
        color: LWTheme.text
        selectionColor: LWTheme.accentDim
        font.pixelSize: LWTheme.smallSize
        selectByMouse: true
        clip: true
        readOnly: !field.editable
        onTextEdited: field.edited(text)
        onEditingFinished: field.committed(text)
        Keys.onPressed: editKeys.handle(event)
    }
    Text {
        anchors.fill: input
        verticalAlignment: Text.AlignVCenter
        visible: input.text.length === 0 && !input.activeFocus
        text: field.placeholder
        color: LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
        font.italic: true
    }
}
