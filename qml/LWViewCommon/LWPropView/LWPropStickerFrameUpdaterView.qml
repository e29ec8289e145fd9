import QtQuick 2.15
import "qrc:/LWViewCommon"

Item {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : 320
    height: viewModel ? viewModel.height : 28

    Rectangle {
        x: LWTheme.rowMargin
        width: root.width - 2 * LWTheme.rowMargin
        height: root.height - 6
        anchors.verticalCenter: parent.verticalCenter
        radius: 3
        color: LWTheme.panelRaised
        Text {
            anchors.fill: parent
            anchors.leftMargin: 8
            verticalAlignment: Text.AlignVCenter
            text: root.viewModel ? root.viewModel.value : ""
            color: LWTheme.textDim
            font.pixelSize: 11
            elide: Text.ElideRight
        }
    }
}
