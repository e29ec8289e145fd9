import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LW2DSticker"

// The scene of an effect that works on the whole camera picture: a face
// over the shared backdrop, zoomable. Each such feature names its face.
Item {
    id: root

    property var lwModel: null
    property url facePicture: ""
    readonly property alias zoomPercent: viewport.zoomPercent
    function zoomIn() { viewport.zoomIn() }
    function zoomOut() { viewport.zoomOut() }
    function resetZoom() { viewport.resetView() }

    Rectangle {
        anchors.fill: parent
        color: LWTheme.window
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
            source: root.facePicture
            smooth: true
        }
    }
}
