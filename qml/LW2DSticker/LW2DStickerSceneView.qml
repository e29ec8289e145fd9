import QtQuick 2.15
import "qrc:/LWViewCommon"

// The whole 2D sticker over its standard face, animated; nothing here is
// edited (the parts are placed in the part editor).
Item {
    id: root

    property var lwModel: null
    readonly property alias zoomPercent: viewport.zoomPercent
    function zoomIn() { viewport.zoomIn() }
    function zoomOut() { viewport.zoomOut() }
    function resetZoom() { viewport.resetView() }

    readonly property var parts: lwModel ? lwModel.listPartObject : []
    property int frameTick: 0

    Timer {
        interval: 150
        repeat: true
        running: root.visible && root.parts.length > 0
        onTriggered: root.frameTick = (root.frameTick + 1) % 1000000
    }

    Rectangle {
        anchors.fill: parent
        color: LWTheme.window
    }

    LWSceneViewport {
        id: viewport
        anchors.fill: parent
        wheelFactor: 0.01
        contentSize: root.lwModel ? root.lwModel.backgroundSize : Qt.size(720, 1280)

        Image {
            width: viewport.contentWidth
            height: viewport.contentHeight
            source: root.lwModel ? root.lwModel.backgroundImage : ""
            smooth: true
            asynchronous: true
        }

        Repeater {
            model: root.parts
            delegate: LW2DStickerPartItem {
                part: modelData
                frames: root.lwModel
                frameTick: root.frameTick
                viewScale: viewport.viewScale
            }
        }
    }
}
