import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A drop-down, with thumbnails for resource lists and an import button
// when the profile asks for one. Also draws the 2D texture choice.
LWPropRow {
    id: root
    property QtObject viewModel: null
    readonly property bool clickable: viewModel ? viewModel.showClickButton === true : false

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.rowHeight
    label: viewModel ? viewModel.name : ""
    labelWidth: viewModel && viewModel.labelWidth > 0 ? viewModel.labelWidth : LWTheme.labelWidth

    LWCombo {
        anchors.left: parent.left
        anchors.right: importButton.visible ? importButton.left : parent.right
        anchors.rightMargin: importButton.visible ? 4 : 0
        anchors.verticalCenter: parent.verticalCenter
        enabled: root.viewModel ? root.viewModel.enabled : true
        model: root.viewModel ? root.viewModel.options : []
        selected: root.viewModel ? root.viewModel.optionIndex : -1
        shownText: root.viewModel ? root.viewModel.comboDisplayText : ""
        // The texture choice has no switch: it always shows its images.
        showThumbnail: root.viewModel ? root.viewModel.showThumbnail !== false : false
        popupWidth: Math.max(width, root.viewModel ? root.viewModel.fontWidth + 64 : 0)
        // A choice is an edit of the project: the save question must know.
        onActivated: {
            root.viewModel.optionIndex = index
            mainWindowController.refreshPreview()
        }
    }
    LWButton {
        id: importButton
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: LWTheme.glyphButtonWidth
        visible: root.clickable
        enabled: root.viewModel ? root.viewModel.enabled : true
        text: "+"
        fontSize: LWTheme.largeSize
        onClicked: root.viewModel.onClickButton()
    }
}
