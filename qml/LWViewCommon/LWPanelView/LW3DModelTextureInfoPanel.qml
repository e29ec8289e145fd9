import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// The images of a model animation's texture, side by side.
Rectangle {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : 280
    height: viewModel ? viewModel.height : 200
    color: "transparent"

    ListView {
        anchors.fill: parent
        orientation: ListView.Horizontal
        spacing: LWTheme.spacingSmall
        clip: true
        model: root.viewModel ? root.viewModel.textures : []
        ScrollBar.horizontal: ScrollBar {}
        delegate: Column {
            spacing: LWTheme.spacingCompact
            Rectangle {
                width: 66
                height: 66
                radius: LWTheme.radiusControl
                color: LWTheme.field
                border.color: LWTheme.fieldBorder
                Image {
                    anchors.fill: parent
                    anchors.margins: 3
                    fillMode: Image.PreserveAspectFit
                    source: modelData ? modelData.iconPath : ""
                    sourceSize.width: 2 * width
                    sourceSize.height: 2 * height
                    asynchronous: true
                }
            }
            Text {
                width: 66
                text: modelData ? modelData.title : ""
                color: LWTheme.textDim
                font.pixelSize: LWTheme.tinySize
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignHCenter
            }
        }
    }
}
