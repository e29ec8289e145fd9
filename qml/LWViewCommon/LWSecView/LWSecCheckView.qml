import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A section that counts only while the owner's condition holds; its rows
// are dimmed while it does not.
Rectangle {
    id: root
    property QtObject viewModel: null
    readonly property bool active: viewModel ? viewModel.isChecked : false

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.subsectionHeaderHeight
    color: viewModel ? viewModel.color : "transparent"
    clip: true

    LWSectionHeader {
        id: header
        width: parent.width
        height: LWTheme.subsectionHeaderHeight
        title: root.viewModel ? root.viewModel.sectionTitle : ""
        icon: root.viewModel ? root.viewModel.sectionIcon : ""
        expanded: root.viewModel ? root.viewModel.isExpanded : true
        onToggled: if (root.viewModel) root.viewModel.isExpanded = !root.viewModel.isExpanded
        LWCheck {
            checked: root.active
            interactive: false
        }
    }
    LWListView {
        anchors.top: header.bottom
        width: parent.width
        opacity: root.active ? 1 : 0.4
        enabled: root.active
        visible: root.viewModel ? root.viewModel.isExpanded : false
        viewModel: root.viewModel ? root.viewModel.listView : null
    }
}
