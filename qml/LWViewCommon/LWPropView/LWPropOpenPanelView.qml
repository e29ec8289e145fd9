import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A button that opens the control's pop-up panel beside the row.
LWPropRow {
    id: root
    property QtObject viewModel: null
    readonly property QtObject panelModel: viewModel ? viewModel.contentItem : null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.compactRowHeight
    label: viewModel ? viewModel.name : ""

    LWButton {
        id: opener
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        height: LWTheme.compactControlHeight
        enabled: root.panelModel !== null
        text: qsTr("Edit\u2026")
        onClicked: popup.open()
    }
    Popup {
        id: popup
        y: root.height
        width: root.width - 24
        height: root.viewModel ? Math.min(root.viewModel.popupHeight + 16, 420) : 0
        padding: LWTheme.spacing
        background: Rectangle {
            color: root.panelModel ? root.panelModel.color : "transparent"
            border.color: LWTheme.line
            radius: LWTheme.radius
        }
        contentItem: Loader {
            active: popup.visible && root.panelModel !== null
            onActiveChanged: if (active) setSource(root.panelModel.qmlPath, { "viewModel": root.panelModel })
        }
    }
}
