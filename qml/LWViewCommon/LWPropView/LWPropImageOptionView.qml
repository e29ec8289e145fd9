import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A grid of images to choose from; the first cell is "no image".
Item {
    id: root
    property QtObject viewModel: null
    readonly property int cellWidth: viewModel ? viewModel.imgWidth + 12 : 76
    readonly property int cellHeight: viewModel ? viewModel.imgHeight + 26 : 90

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : 300

    Text {
        id: label
        x: LWTheme.rowMargin
        height: 24
        verticalAlignment: Text.AlignVCenter
        text: root.viewModel ? root.viewModel.name : ""
        color: LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
    }
    GridView {
        id: grid
        anchors.top: label.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: LWTheme.rowMargin
        anchors.topMargin: 0
        clip: true
        cellWidth: root.cellWidth
        cellHeight: root.cellHeight
        enabled: root.viewModel ? root.viewModel.enabled : true
        opacity: enabled ? 1 : 0.5
        model: root.viewModel ? root.viewModel.options : []
        ScrollBar.vertical: ScrollBar {}
        delegate: Item {
            width: grid.cellWidth
            height: grid.cellHeight
            readonly property bool current: root.viewModel && root.viewModel.optionIndex === index
            Rectangle {
                id: frame
                x: 4
                y: 4
                width: parent.width - 8
                height: parent.height - 24
                radius: LWTheme.radiusControl
                color: LWTheme.field
                border.color: current ? LWTheme.accent : (cellArea.containsMouse ? LWTheme.fieldHover : LWTheme.fieldBorder)
                border.width: current ? 2 : 1
                Image {
                    anchors.fill: parent
                    anchors.margins: LWTheme.spacingCompact
                    fillMode: Image.PreserveAspectFit
                    source: modelData ? modelData.iconPath : ""
                    sourceSize.width: LWTheme.previewSourceSize
                    sourceSize.height: LWTheme.previewSourceSize
                    asynchronous: true
                }
            }
            Text {
                anchors.top: frame.bottom
                anchors.topMargin: LWTheme.spacingTiny
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: modelData ? modelData.title : ""
                color: current ? LWTheme.accent : LWTheme.textDim
                font.pixelSize: LWTheme.tinySize
                elide: Text.ElideRight
            }
            MouseArea {
                id: cellArea
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: root.viewModel.optionIndex = index
            }
        }
    }
}
