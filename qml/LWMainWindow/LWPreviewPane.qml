import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// The collapsible "Preview window" at the right edge.
Rectangle {
    id: pane
    property bool collapsed: true
    color: LWTheme.panel

    LWPanelHeader {
        id: head
        width: parent.width
        title: pane.collapsed ? "" : qsTr("Preview window")
        Text {
            text: pane.collapsed ? "\u00AB" : "\u00BB"
            color: LWTheme.textDim
            font.pixelSize: LWTheme.glyphSize
            MouseArea {
                anchors.fill: parent
                anchors.margins: -LWTheme.hitSlopLarge
                onClicked: pane.collapsed = !pane.collapsed
            }
        }
    }
    Column {
        anchors.top: head.bottom
        anchors.topMargin: LWTheme.dialogPadding
        anchors.horizontalCenter: parent.horizontalCenter
        visible: !pane.collapsed
        spacing: LWTheme.spacingLarge
        Rectangle {
            width: pane.width - 40
            height: width * 16 / 9
            radius: LWTheme.radiusCard
            color: LWTheme.field
            border.color: LWTheme.line
            Image {
                anchors.fill: parent
                anchors.margins: LWTheme.spacingSmall
                fillMode: Image.PreserveAspectFit
                source: "qrc:/LW2DSticker/imgStandardFaceHuman.png"
            }
        }
        Text {
            width: pane.width - 40
            wrapMode: Text.WordWrap
            text: qsTr("Use \"Sync to Phone\" to try the effect on a real camera.")
            color: LWTheme.textDim
            font.pixelSize: LWTheme.smallSize
        }
    }
}
