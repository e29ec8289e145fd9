import QtQuick 2.15
import "qrc:/LWViewCommon"

// A chevron pointing down when expanded and right when collapsed.
Item {
    id: arrow
    property bool expanded: true
    signal clicked()
    implicitWidth: LWTheme.iconSize
    implicitHeight: LWTheme.iconSize
    Canvas {
        id: shape
        anchors.centerIn: parent
        width: 8
        height: 8
        rotation: arrow.expanded ? 0 : -90
        Behavior on rotation { NumberAnimation { duration: 120 } }
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.strokeStyle = LWTheme.textDim
            ctx.lineWidth = 1.5
            ctx.beginPath()
            ctx.moveTo(0, 2)
            ctx.lineTo(4, 6)
            ctx.lineTo(8, 2)
            ctx.stroke()
        }
    }
    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: arrow.clicked()
    }
}
