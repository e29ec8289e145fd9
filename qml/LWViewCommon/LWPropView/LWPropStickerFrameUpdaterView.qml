import QtQuick 2.15
import "qrc:/LWViewCommon"

Item {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : 28

    Rectangle {
        x: LWTheme.rowMargin
        width: root.width - 2 * LWTheme.rowMargin
        height: root.height - 6
        anchors.verticalCenter: parent.verticalCenter
        radius: LWTheme.radiusControl
        color: LWTheme.panelRaised
        Text {
            anchors.fill: parent
            anchors.leftMargin: LWTheme.spacing
            verticalAlignment: Text.AlignVCenter
            text: root.viewModel ? root.viewModel.value : ""
            color: LWTheme.textDim
            font.pixelSize: LWTheme.captionSize
            elide: Text.ElideRight
        }
    }
}
