import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A labelled image replaced by dropping a file on it.
Item {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : 120

    Text {
        id: label
        x: LWTheme.rowMargin
        y: 8
        width: LWTheme.labelWidth
        text: root.viewModel ? root.viewModel.labelName : ""
        color: LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
        elide: Text.ElideRight
    }
    LWImageWell {
        anchors.left: label.right
        anchors.leftMargin: LWTheme.spacing
        y: 4
        width: root.viewModel ? Math.min(root.viewModel.width, root.width - 100) : 120
        height: root.height - 8
        source: root.viewModel ? root.viewModel.imgPath : ""
        onDropped: root.viewModel.changeImage(urls[0])
    }
}
