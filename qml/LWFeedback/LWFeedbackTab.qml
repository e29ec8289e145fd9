import QtQuick 2.15
import "qrc:/LWViewCommon"

// One of the feedback window's two page tabs.
Item {
    id: tab
    property alias text: label.text
    property bool current: false
    signal clicked()

    implicitWidth: label.implicitWidth + 32
    implicitHeight: LWTheme.tabHeight

    Text {
        id: label
        anchors.centerIn: parent
        color: tab.current ? LWTheme.text : LWTheme.textDim
        font.pixelSize: LWTheme.fontSize
        font.bold: tab.current
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: LWTheme.markerWidth
        color: tab.current ? LWTheme.accent : "transparent"
    }
    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: tab.clicked()
    }
}
