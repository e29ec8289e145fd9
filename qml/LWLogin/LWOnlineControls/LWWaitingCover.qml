import QtQuick 2.15
import "qrc:/LWViewCommon"

// Covers a web view while its page is on the way.
Rectangle {
    id: cover
    property alias text: caption.text
    // False once waiting is over without a result: the caption stays, the spinner goes.
    property bool busy: true
    color: LWTheme.window

    // Swallow clicks meant for the half-loaded page below.
    MouseArea { anchors.fill: parent; hoverEnabled: true }

    Column {
        anchors.centerIn: parent
        spacing: LWTheme.spacingLoose
        Item {
            visible: cover.busy
            width: 40
            height: 40
            anchors.horizontalCenter: parent.horizontalCenter
            Repeater {
                model: 8
                Rectangle {
                    width: 6
                    height: 6
                    radius: height / 2
                    color: LWTheme.accent
                    opacity: 0.25 + 0.75 * ((index + spinner.step) % 8) / 7
                    x: 17 + 16 * Math.cos(index * Math.PI / 4)
                    y: 17 + 16 * Math.sin(index * Math.PI / 4)
                }
            }
        }
        Text {
            id: caption
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Loading...")
            color: LWTheme.textDim
            font.pixelSize: LWTheme.fontSize
        }
    }
    Timer {
        id: spinner
        property int step: 0
        interval: 90
        repeat: true
        running: cover.visible && cover.busy
        onTriggered: step = (step + 1) % 8
    }
}
