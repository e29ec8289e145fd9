import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// The compact growable list: a low header with a titled add button.
Rectangle {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.listHeaderHeight
    color: viewModel ? viewModel.color : "transparent"
    visible: viewModel ? viewModel.visible : true
    clip: true

    LWSectionHeader {
        id: header
        width: parent.width
        height: LWTheme.listHeaderHeight
        titleSize: LWTheme.smallSize
        title: root.viewModel ? root.viewModel.sectionTitle : ""
        icon: root.viewModel ? root.viewModel.sectionIcon : ""
        expandable: root.viewModel ? !root.viewModel.hideExpandButton : true
        expanded: root.viewModel ? root.viewModel.isExpanded : true
        onToggled: if (root.viewModel) root.viewModel.isExpanded = !root.viewModel.isExpanded
        LWButton {
            visible: root.viewModel ? !root.viewModel.hideAddButton : false
            height: LWTheme.compactControlHeight
            text: "+ " + (root.viewModel ? root.viewModel.addButtonTitle : "")
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
