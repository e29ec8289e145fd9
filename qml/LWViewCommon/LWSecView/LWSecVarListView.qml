import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// The compact growable list: a low header with a titled add button.
Rectangle {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : 320
    height: viewModel ? viewModel.height : 28
    color: viewModel ? viewModel.color : "transparent"
    visible: viewModel ? viewModel.visible : true
    clip: true

    LWSectionHeader {
        id: header
        width: parent.width
        height: 28
        titleSize: 12
        title: root.viewModel ? root.viewModel.sectionTitle : ""
        icon: root.viewModel ? root.viewModel.sectionIcon : ""
        expandable: root.viewModel ? !root.viewModel.hideExpandButton : true
        expanded: root.viewModel ? root.viewModel.isExpanded : true
        onToggled: if (root.viewModel) root.viewModel.isExpanded = !root.viewModel.isExpanded
        LWButton {
            visible: root.viewModel ? !root.viewModel.hideAddButton : false
            height: 20
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
