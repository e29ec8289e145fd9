import QtQuick 2.15
import "qrc:/LWViewCommon"

// The collapsible "Preview window" at the right edge.
Rectangle {
    id: pane
    property bool collapsed: true
    color: theme.panel
    LWTheme { id: theme }

    Rectangle {
        id: head
        width: parent.width
        height: 34
        color: theme.sectionHeader
        Text {
            anchors.left: parent.left
            anchors.leftMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            visible: !pane.collapsed
            text: qsTr("Preview window")
            color: theme.text
            font.pixelSize: theme.fontSize
            font.bold: true
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            text: pane.collapsed ? "\u00AB" : "\u00BB"
            color: theme.textDim
            font.pixelSize: 16
            MouseArea {
                anchors.fill: parent
                anchors.margins: -6
                onClicked: pane.collapsed = !pane.collapsed
            }
        }
    }
    Column {
        anchors.top: head.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        visible: !pane.collapsed
        spacing: 12
        Rectangle {
            width: pane.width - 40
            height: width * 16 / 9
            radius: 8
            color: theme.field
            border.color: theme.line
            Image {
                anchors.fill: parent
                anchors.margins: 6
                fillMode: Image.PreserveAspectFit
                source: "qrc:/LW2DSticker/imgStandardFaceHuman.png"
            }
        }
        Text {
            width: pane.width - 40
            wrapMode: Text.WordWrap
            text: qsTr("Use \"Sync to Phone\" to try the effect on a real camera.")
            color: theme.textDim
            font.pixelSize: theme.smallSize
        }
    }
}
