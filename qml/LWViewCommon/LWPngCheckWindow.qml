import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// Shown when an import is refused: a PNG that is not 8 bit, or the message
// the import gives.
Window {
    id: pngCheckWin
    objectName: "pngCheckWindow"
    width: 420
    height: 200
    minimumWidth: 420
    minimumHeight: 200
    visible: false
    flags: Qt.Dialog
    modality: Qt.ApplicationModal
    title: qsTr("png check")
    color: LWTheme.panel
    property string message: ""

    Column {
        anchors.centerIn: parent
        spacing: LWTheme.pageMargin

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            width: pngCheckWin.width - 2 * LWTheme.pageMargin
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            textFormat: Text.PlainText
            text: pngCheckWin.message !== "" ? pngCheckWin.message : qsTr("Please use 8 bit PNG")
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
