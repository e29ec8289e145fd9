import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A growable list under a split-line header with expand and add buttons.
Rectangle {
    id: root
    property QtObject viewModel: null
    property int headerHeight: LWTheme.subsectionHeaderHeight

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : headerHeight
    color: viewModel ? viewModel.color : "transparent"
    visible: viewModel ? viewModel.visible : true
    clip: true

    LWSplitLine { width: parent.width }
    LWSectionHeader {
        id: header
        width: parent.width
        height: root.headerHeight
        titleSize: LWTheme.smallSize
        title: root.viewModel ? root.viewModel.sectionTitle : ""
        icon: root.viewModel ? root.viewModel.sectionIcon : ""
        expandable: root.viewModel ? !root.viewModel.hideExpandButton : true
        expanded: root.viewModel ? root.viewModel.isExpanded : true
        onToggled: if (root.viewModel) root.viewModel.isExpanded = !root.viewModel.isExpanded
        LWButton {
            visible: root.viewModel ? !root.viewModel.hideAddButton : false
            text: "+"
            fontSize: LWTheme.largeSize
            onClicked: root.viewModel.addButtonClicked()
        }
    }
    LWListView {
        anchors.top: header.bottom
        width: parent.width
        visible: root.viewModel ? root.viewModel.isExpanded : false
        viewModel: root.viewModel ? root.viewModel.listView : null
    }
}
