import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// Which faces the effect follows: every face, or up to five chosen ones.
Item {
    id: root
    property QtObject viewModel: null
    readonly property var faces: viewModel ? viewModel.faceIndexs : []
    readonly property bool customised: faces.length > 0
    readonly property var faceNames: [qsTr("Face 1"), qsTr("Face 2"), qsTr("Face 3"),
                                      qsTr("Face 4"), qsTr("Face 5"), qsTr("Face 6")]

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : LWTheme.compactRowHeight

    LWPropRow {
        id: modeRow
        width: parent.width
        height: LWTheme.compactRowHeight
        label: root.viewModel ? root.viewModel.name : ""
        labelWidth: root.viewModel ? root.viewModel.labelWidth : LWTheme.labelWidth
        Row {
            anchors.verticalCenter: parent.verticalCenter
            spacing: LWTheme.spacingCompact
            LWButton {
                height: LWTheme.compactControlHeight
                text: qsTr("All Faces")
                checked: !root.customised
                onClicked: {
                    root.viewModel.setAllFaces(true)
                    mainWindowController.refreshPreview()
                }
            }
            LWButton {
                height: LWTheme.compactControlHeight
                text: qsTr("Customize")
                checked: root.customised
                onClicked: {
                    root.viewModel.setAllFaces(false)
                    mainWindowController.refreshPreview()
                }
            }
        }
    }
    Column {
        anchors.top: modeRow.bottom
        anchors.topMargin: LWTheme.spacingSmall
        x: LWTheme.rowMargin + (root.viewModel ? root.viewModel.labelWidth : LWTheme.labelWidth) + 8
        width: root.width - x - LWTheme.rowMargin
        spacing: 0
        visible: root.customised
        Repeater {
            model: root.faces.length
            Item {
                readonly property int slot: index
                width: parent.width
                height: LWTheme.compactControlHeight
                Text {
                    width: 22
                    anchors.verticalCenter: parent.verticalCenter
                    text: (index + 1) + "."
                    color: LWTheme.textDim
                    font.pixelSize: LWTheme.captionSize
                }
                LWCombo {
                    x: 22
                    width: parent.width - 50
                    height: LWTheme.miniControlHeight
                    model: root.faceNames.map(function(name) { return { "title": name, "iconPath": "" } })
                    selected: root.faces[index]
                    shownText: root.faceNames[root.faces[index]] !== undefined ? root.faceNames[root.faces[index]] : ""
                    onActivated: {
                        root.viewModel.setFaceIndexAt(parent.slot, index)
                        mainWindowController.refreshPreview()
                    }
                }
                LWButton {
                    anchors.right: parent.right
                    width: LWTheme.compactControlHeight
                    height: LWTheme.miniControlHeight
                    text: "\u2212"
                    onClicked: {
                        root.viewModel.removeFaceSlot(parent.slot)
                        mainWindowController.refreshPreview()
                    }
                }
            }
        }
        Item {
            width: parent.width
            height: 24
            LWButton {
                y: 3
                height: LWTheme.miniControlHeight
                visible: root.faces.length < 5
                text: "+ " + qsTr("Add face")
                onClicked: {
                    root.viewModel.addFaceSlot()
                    mainWindowController.refreshPreview()
                }
            }
        }
    }
}
