import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A drop-down that switches between pages of controls.
Rectangle {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : 320
    height: viewModel ? viewModel.height : 32
    color: viewModel ? viewModel.color : "transparent"
    clip: true

    LWTheme { id: theme }

    LWPropRow {
        id: selector
        width: parent.width
        height: 32
        label: root.viewModel ? (root.viewModel.name.length > 0 ? root.viewModel.name : root.viewModel.sectionTitle) : ""
        labelWidth: root.viewModel ? root.viewModel.labelWidth : 80
        ComboBox {
            id: pages
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            height: 22
            font.pixelSize: 12
            model: root.viewModel ? root.viewModel.options : []
            currentIndex: root.viewModel ? root.viewModel.optionIndex : 0
            onActivated: root.viewModel.optionIndex = index
            background: Rectangle {
                radius: 3
                color: theme.field
                border.color: pages.hovered ? theme.fieldHover : theme.fieldBorder
            }
            contentItem: Text {
                leftPadding: 6
                verticalAlignment: Text.AlignVCenter
                text: pages.displayText
                color: theme.text
                font.pixelSize: 12
                elide: Text.ElideRight
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
