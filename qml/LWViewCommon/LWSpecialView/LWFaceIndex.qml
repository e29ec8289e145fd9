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

    width: parent ? parent.width : 320
    height: viewModel ? viewModel.height : 26

    LWPropRow {
        id: modeRow
        width: parent.width
        height: 26
        label: root.viewModel ? root.viewModel.name : ""
        labelWidth: root.viewModel ? root.viewModel.labelWidth : 80
        Row {
            anchors.verticalCenter: parent.verticalCenter
            spacing: 4
            LWButton {
                height: 20
                text: qsTr("All Faces")
                checked: !root.customised
                onClicked: root.viewModel.setAllFaces(true)
            }
            LWButton {
                height: 20
                text: qsTr("Customize")
                checked: root.customised
                onClicked: root.viewModel.setAllFaces(false)
            }
        }
    }
    Column {
        anchors.top: modeRow.bottom
        anchors.topMargin: 6
        x: LWTheme.rowMargin + (root.viewModel ? root.viewModel.labelWidth : 80) + 8
        width: root.width - x - LWTheme.rowMargin
        spacing: 0
        visible: root.customised
        Repeater {
            model: root.faces.length
            Item {
                readonly property int slot: index
                width: parent.width
                height: 20
                Text {
                    width: 22
                    anchors.verticalCenter: parent.verticalCenter
                    text: (index + 1) + "."
                    color: LWTheme.textDim
                    font.pixelSize: 11
                }
                LWCombo {
                    x: 22
                    width: parent.width - 50
                    height: 18
                    model: root.faceNames.map(function(name) { return { "title": name, "iconPath": "" } })
                    selected: root.faces[index]
                    shownText: root.faceNames[root.faces[index]] !== undefined ? root.faceNames[root.faces[index]] : ""
                    onActivated: root.viewModel.setFaceIndexAt(parent.slot, index)
                }
                LWButton {
                    anchors.right: parent.right
                    width: 20
                    height: 18
                    text: "\u2212"
                    onClicked: root.viewModel.removeFaceSlot(parent.slot)
                }
            }
        }
        Item {
            width: parent.width
            height: 24
            LWButton {
                y: 3
                height: 18
                visible: root.faces.length < 5
                text: "+ " + qsTr("Add face")
                onClicked: root.viewModel.addFaceSlot()
            }
        }
    }
}
