import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A collapsible panel: header with icon and title, then its rows.
Rectangle {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.sectionHeaderHeight
    color: viewModel ? viewModel.color : "transparent"
    clip: true

    LWSectionHeader {
        id: header
        width: parent.width
        height: LWTheme.sectionHeaderHeight
        title: root.viewModel ? root.viewModel.sectionTitle : ""
        icon: root.viewModel ? root.viewModel.sectionIcon : ""
        expanded: root.viewModel ? root.viewModel.isExpanded : true
        onToggled: if (root.viewModel) root.viewModel.isExpanded = !root.viewModel.isExpanded
        LWButton {
            visible: root.viewModel ? !root.viewModel.hideRemoveButton : false
            text: "\u2212"
            fontSize: LWTheme.largeSize
            onClicked: root.viewModel.removeButtonClicked()
        }
    }
    LWListView {
        anchors.top: header.bottom
        width: parent.width
        visible: root.viewModel ? root.viewModel.isExpanded : false
        viewModel: root.viewModel ? root.viewModel.listView : null
    }
    LWSplitLine {
        anchors.bottom: parent.bottom
        width: parent.width
        visible: root.viewModel ? root.viewModel.hasSplit : false
    }
}
