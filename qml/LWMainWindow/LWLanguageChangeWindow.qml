import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// Tells that a new interface language takes effect after a restart.
Window {
    id: win
    objectName: "languageChangeWindow"
    property string note: ""
    width: 380
    height: 150
    visible: false
    modality: Qt.ApplicationModal
    title: qsTr("Language") + " - Glowsmith"
    color: LWTheme.panel

    Text {
        anchors.top: parent.top
        anchors.topMargin: 30
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 40
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: win.note
        color: LWTheme.text
        font.pixelSize: LWTheme.largeSize
    }
    LWButton {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: LWTheme.dialogPadding
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("OK")
        highlighted: true
        width: LWTheme.largeButtonWidth
        height: LWTheme.largeButtonHeight
        onClicked: win.close()
    }
}
