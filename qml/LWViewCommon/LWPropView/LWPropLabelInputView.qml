import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

LWPropRow {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.compactRowHeight
    label: viewModel ? viewModel.name : ""

    LWTextField {
        id: field
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        editable: root.viewModel ? root.viewModel.editable : true
        text: root.viewModel ? root.viewModel.stringValue : ""
        onEdited: root.viewModel.setTempValue(text)
        onCommitted: root.viewModel.stringValue = text
        HoverHandler { id: hover }
        ToolTip.visible: hover.hovered && root.viewModel && root.viewModel.stringToolTip.length > 0
        ToolTip.text: root.viewModel ? root.viewModel.stringToolTip : ""
        ToolTip.delay: 600
    }
}
