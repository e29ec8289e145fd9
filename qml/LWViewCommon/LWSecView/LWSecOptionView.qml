import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A drop-down that switches between pages of controls.
Rectangle {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.rowHeight
    color: viewModel ? viewModel.color : "transparent"
    clip: true

    LWPropRow {
        id: selector
        width: parent.width
        height: LWTheme.rowHeight
        label: root.viewModel ? (root.viewModel.name.length > 0 ? root.viewModel.name : root.viewModel.sectionTitle) : ""
        labelWidth: root.viewModel ? root.viewModel.labelWidth : LWTheme.labelWidth
        LWCombo {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            model: root.viewModel ? root.viewModel.options : []
            selected: root.viewModel ? root.viewModel.optionIndex : -1
            shownText: root.viewModel && root.viewModel.optionIndex >= 0
                       && root.viewModel.optionIndex < root.viewModel.options.length
                       ? root.viewModel.options[root.viewModel.optionIndex] : ""
            onActivated: {
                root.viewModel.optionIndex = index
                mainWindowController.refreshPreview()
            }
        }
    }
    LWListView {
        anchors.top: selector.bottom
        width: parent.width
        visible: root.viewModel ? root.viewModel.isExpanded : false
        viewModel: root.viewModel ? root.viewModel.listView : null
    }
}
