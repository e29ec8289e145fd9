import QtQuick 2.15
import "LWSceneGeometry.js" as Geo

// One sticker part on the standard face, in face pixels: its frame sequence
// at framePos, scaled about its top-left corner. Only the frame on show is
// decoded: two images take turns, the hidden one loading the next frame
// while the other stays on screen, and a frame still loading when the next
// tick comes is not asked for again. A part without frames, or whose frame
// is missing or cannot be read, shows the placeholder.
Item {
    id: partItem

    property var part: null
    // The scene, which knows where the frames are: frameUrl(part, n).
    property var frames: null
    // Advanced by the scene every 150 ms.
    property int frameTick: 0
    // View pixels per face pixel, to decode no larger than shown.
    property real viewScale: 1
    // A drag or nudge not yet handed to the part (face pixels) and a scale
    // being dragged (a factor of the part's scale).
    property point offset: Qt.point(0, 0)
    property real previewFactor: 1

    readonly property bool animated: Geo.hasFrames(part)
    readonly property int frameCount: animated ? part.frameCount : 0
    readonly property int wantedFrame: frameCount > 0 ? frameTick % frameCount : -1
    readonly property string sequence: animated ? part.stickerPartPath : ""
    readonly property real shownScale: Geo.scaleOf(part) * previewFactor
    readonly property point basePos: Geo.positionOf(part)
    property int front: 0
    property bool frameFailed: false
    // Frames decoded so far: one per frame shown, never ahead of them.
    property int framesDecoded: 0

    x: basePos.x + offset.x
    y: basePos.y + offset.y
    width: Geo.widthOf(part)
    height: Geo.heightOf(part)
    scale: shownScale
    transformOrigin: Item.TopLeft
    visible: !!part && part.checked

    readonly property int sourceWidth: Geo.decodeWidth(width, width * shownScale * viewScale)

    // Frames that would not decode are not asked for again.
    property var brokenFrames: ({})

    function showNext() {
        if (wantedFrame < 0 || !visible)
            return
        var back = front === 0 ? frameB : frameA
        if (back.status === Image.Loading)
            return
        var url = frames && !brokenFrames[wantedFrame] ? String(frames.frameUrl(part, wantedFrame)) : ""
        if (url === "") {
            frameFailed = true
            return
        }
        if (back.source.toString() === url && back.status === Image.Ready) {
            front = front === 0 ? 1 : 0
            frameFailed = false
            return
        }
        back.frame = wantedFrame
        back.source = url
    }
    function settled(image, isBack) {
        if (!isBack)
            return
        if (image.status === Image.Ready) {
            front = front === 0 ? 1 : 0
            frameFailed = false
            ++framesDecoded
        } else if (image.status === Image.Error) {
            brokenFrames[image.frame] = true
            frameFailed = true
        }
    }

    onWantedFrameChanged: showNext()
    onSequenceChanged: {
        frameA.source = ""
        frameB.source = ""
        brokenFrames = {}
        frameFailed = false
        showNext()
    }
    onVisibleChanged: showNext()
    Component.onCompleted: showNext()

    Image {
        id: frameA
        property int frame: -1
        anchors.fill: parent
        asynchronous: true
        cache: false
        smooth: true
        fillMode: Image.Stretch
        sourceSize.width: partItem.sourceWidth
        visible: partItem.animated && !partItem.frameFailed && partItem.front === 0
        onStatusChanged: partItem.settled(frameA, partItem.front !== 0)
    }
    Image {
        id: frameB
        property int frame: -1
        anchors.fill: parent
        asynchronous: true
        cache: false
        smooth: true
        fillMode: Image.Stretch
        sourceSize.width: partItem.sourceWidth
        visible: partItem.animated && !partItem.frameFailed && partItem.front === 1
        onStatusChanged: partItem.settled(frameB, partItem.front !== 1)
    }
    Image {
        anchors.fill: parent
        visible: !partItem.animated || partItem.frameFailed
        source: visible ? Geo.placeholder : ""
        smooth: true
        fillMode: Image.Stretch
    }
}
