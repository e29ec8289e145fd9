import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LW2DSticker"
import "qrc:/LW2DSticker/LWSceneGeometry.js" as Geo

// The makeup's layers over the mean face. Their rectangles are given on the
// makeup's standard face, which is wider than the picture and centred on
// it; the pupil is drawn over both eyes.
Item {
    id: root

    property var lwModel: null
    readonly property alias zoomPercent: viewport.zoomPercent
    function zoomIn() { viewport.zoomIn() }
    function zoomOut() { viewport.zoomOut() }
    function resetZoom() { viewport.resetView() }

    readonly property var filters: lwModel ? lwModel.listFilterObject : []
    readonly property real faceWidth: background.implicitWidth > 0 ? background.implicitWidth : 720
    readonly property real faceHeight: background.implicitHeight > 0 ? background.implicitHeight : 1280
    // How far the standard face reaches past the picture on the left.
    readonly property real shift: lwModel && lwModel.standardFaceWidth > 0
                                  ? (lwModel.standardFaceWidth - faceWidth) / 2 : 0
    readonly property string pupil: lwModel && filters ? lwModel.pupilFilterPath : ""

    Rectangle {
        anchors.fill: parent
        color: LWTheme.window
    }

    LWSceneViewport {
        id: viewport
        anchors.fill: parent
        wheelFactor: 0.1
        contentSize: Qt.size(root.faceWidth, root.faceHeight)

        Image {
            id: background
            width: viewport.contentWidth
            height: viewport.contentHeight
            source: root.lwModel ? root.lwModel.backgroundImage : "qrc:/LWFaceMakeUpV2/res/meanface.png"
            smooth: true
        }

        Repeater {
            model: root.filters
            delegate: Image {
                readonly property real standard: root.lwModel && root.lwModel.standardFaceWidth > 0
                                                 ? root.lwModel.standardFaceWidth : 1280
                x: modelData.filterPos.x - root.shift
                y: modelData.filterPos.y
                width: modelData.filterWidth > 0 ? modelData.filterWidth : standard
                height: modelData.filterHeight > 0 ? modelData.filterHeight : standard
                visible: modelData.checked && modelData.filterImgPath !== ""
                source: visible ? Geo.fileUrl(modelData.filterImgPath) : ""
                sourceSize.width: Geo.decodeWidth(width, width * viewport.viewScale)
                asynchronous: true
                smooth: true
                fillMode: Image.Stretch
            }
        }

        Repeater {
            model: root.lwModel && root.lwModel.filterChecked && root.pupil !== ""
                   ? [Qt.point(488, 490), Qt.point(733, 490)] : []
            delegate: Image {
                x: modelData.x - root.shift
                y: modelData.y
                width: 60
                height: 60
                source: Geo.fileUrl(root.pupil)
                smooth: true
                asynchronous: true
            }
        }
    }
}
