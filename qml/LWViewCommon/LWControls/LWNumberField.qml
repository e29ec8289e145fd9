import QtQuick 2.15
import "qrc:/LWViewCommon"

// A compact number box: typing previews (edited), Return or leaving the
// field commits (committed); arrow keys and the wheel step and commit.
Rectangle {
    id: field
    property real value: 0
    property int decimals: 2
    property real step: 0.01
    property real from: -1e9
    property real to: 1e9
    property bool editable: true
    property string prefix: ""
    signal edited(real value)
    signal committed(real value)

    implicitWidth: LWTheme.numberFieldWidth
    implicitHeight: LWTheme.controlHeight
    radius: LWTheme.radiusControl
    color: field.editable ? LWTheme.field : LWTheme.panel
    border.color: input.activeFocus ? LWTheme.accent : (hover.hovered ? LWTheme.fieldHover : LWTheme.fieldBorder)

    LWEditKeys { id: editKeys }
    HoverHandler { id: hover }

    function clamp(v) { return Math.max(field.from, Math.min(field.to, v)) }
    function format(v) { return Number(v).toFixed(field.decimals) }
    function refresh() { if (!input.activeFocus) input.text = format(field.value) }
    function stepBy(n) {
        if (!field.editable)
            return
        var v = field.clamp(field.value + n * field.step)
        input.text = format(v)
        field.committed(v)
    }

    onValueChanged: refresh()
    Component.onCompleted: refresh()

    Text {
        id: prefixText
        anchors.left: parent.left
        anchors.leftMargin: field.prefix.length > 0 ? 6 : 0
        anchors.verticalCenter: parent.verticalCenter
        text: field.prefix
        color: LWTheme.accent
        font.pixelSize: LWTheme.captionSize
        font.bold: true
    }
    TextInput {
        id: input
        anchors.left: prefixText.right
        anchors.leftMargin: LWTheme.spacingSmall
        anchors.right: parent.right
        anchors.rightMargin: LWTheme.spacingSmall
        anchors.verticalCenter: parent.verticalCenter
        color: field.editable ? LWTheme.text : LWTheme.textDim
        selectionColor: LWTheme.accentDim
        font.pixelSize: LWTheme.smallSize
        selectByMouse: true
        clip: true
        readOnly: !field.editable
        validator: DoubleValidator {
            bottom: field.from
            top: field.to
            decimals: field.decimals
            notation: DoubleValidator.StandardNotation
        }
        onTextEdited: {
            var v = parseFloat(text)
            if (!isNaN(v))
                field.edited(field.clamp(v))
        }
        onEditingFinished: {
            var v = parseFloat(text)
            if (isNaN(v))
                v = field.value
            v = field.clamp(v)
            text = field.format(v)
            field.committed(v)
        }
        onActiveFocusChanged: if (!activeFocus) field.refresh()
        Keys.onPressed: {
            if (editKeys.handle(event))
                return
            if (event.key === Qt.Key_Up) {
                field.stepBy(1)
                event.accepted = true
            } else if (event.key === Qt.Key_Down) {
                field.stepBy(-1)
                event.accepted = true
            }
        }
    }
    WheelHandler {
        enabled: field.editable && input.activeFocus
        onWheel: field.stepBy(event.angleDelta.y > 0 ? 1 : -1)
    }
}
