import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LW2DSticker"

// A lookup filter acts on the whole camera picture; its scene shows the
// standard face over the backdrop, zoomable.
Item {
    id: root

    property var lwModel: null
    readonly property alias zoomPercent: viewport.zoomPercent
    function zoomIn() { viewport.zoomIn() }
    function zoomOut() { viewport.zoomOut() }

    LWTheme { id: theme }

    Rectangle {
        anchors.fill: parent
        color: theme.window
    }

    LWSceneViewport {
        id: viewport
        anchors.fill: parent
        wheelFactor: 0.1
        contentSize: Qt.size(720, 1280)

        Image {
            width: viewport.contentWidth
            height: viewport.contentHeight
            source: "qrc:/LWFilter/bg_facedistortion.png"
            smooth: true
        }
        Image {
            width: viewport.contentWidth
            height: viewport.contentHeight
            source: "qrc:/LWFilter/imgStandardFace.png"
            smooth: true
        }
    }
}
