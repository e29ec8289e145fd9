import QtQuick 2.15
import "qrc:/LWViewCommon"

// Number boxes for the components of a vector, labelled X, Y, Z, W.
Row {
    id: fields
    property var values: []
    property int count: 2
    property int decimals: 2
    property real step: 0.01
    signal edited(int index, real value)
    signal committed(int index, real value)

    spacing: LWTheme.spacingCompact
    Repeater {
        model: fields.count
        LWNumberField {
            width: (fields.width - (fields.count - 1) * fields.spacing) / fields.count
            height: LWTheme.compactControlHeight
            prefix: ["X", "Y", "Z", "W"][index]
            decimals: fields.decimals
            step: fields.step
            value: fields.values && index < fields.values.length ? fields.values[index] : 0
            onEdited: fields.edited(index, value)
            onCommitted: fields.committed(index, value)
        }
    }
}
