import QtQuick 2.15
import "qrc:/LWViewCommon"

// A plain list of rows under an optional thin caption.
Item {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : 0

    Text {
        id: caption
        x: LWTheme.rowMargin
        height: visible ? LWTheme.captionHeight : 0
        visible: root.viewModel ? root.viewModel.headerVisible : false
        verticalAlignment: Text.AlignVCenter
        text: root.viewModel ? root.viewModel.sectionTitle.toUpperCase() : ""
        color: LWTheme.textDim
        font.pixelSize: LWTheme.tinySize
        font.letterSpacing: 1
    }
    LWListView {
        anchors.top: caption.bottom
        width: parent.width
        viewModel: root.viewModel ? root.viewModel.listView : null
    }
}
