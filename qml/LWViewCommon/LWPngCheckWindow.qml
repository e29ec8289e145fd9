import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// Shown when an import is refused because a PNG is not 8 bit.
Window {
    id: pngCheckWin
    objectName: "pngCheckWindow"
    width: 320
    height: 160
    minimumWidth: 320
    minimumHeight: 160
    visible: false
    flags: Qt.Dialog
    modality: Qt.ApplicationModal
    title: qsTr("png check")
    color: LWTheme.panel

    Column {
        anchors.centerIn: parent
        spacing: LWTheme.pageMargin

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Please use 8 bit PNG")
            color: LWTheme.text
            font.pixelSize: LWTheme.fontSize
        }
        Button {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("ok")
            onClicked: pngCheckWin.close()
        }
    }
}
