import QtQuick 2.15
import "qrc:/LWViewCommon"
import "LWSceneGeometry.js" as Geo

// The part editor of a 2D sticker: the parts over the standard face, the
// selected one dragged, nudged with the arrow keys or scaled with its handle.
// Every gesture reaches the model once, when it ends: one undo step per drag,
// per scale and per burst of arrow presses.
Item {
    id: root

    property var lwModel: null
    readonly property alias zoomPercent: viewport.zoomPercent
    function zoomIn() { viewport.zoomIn() }
    function zoomOut() { viewport.zoomOut() }
    function resetZoom() { viewport.resetView() }

    readonly property var parts: lwModel ? lwModel.listPartObject : []
    readonly property int selectedIndex: lwModel && lwModel.qmlSelectIndex >= 0
                                         && lwModel.qmlSelectIndex < parts.length ? lwModel.qmlSelectIndex : -1
    readonly property var selectedPart: selectedIndex >= 0 ? parts[selectedIndex] : null
    readonly property var keyPoints: lwModel ? lwModel.keyPoints : []

    // "default", "movePart", "scalePart" or "moveSlider".
    readonly property string mode: pressMode !== "" ? pressMode : (viewport.sliderPressed ? "moveSlider" : "default")
    property string pressMode: ""
    property int hoverIndex: -1
    property bool overHandle: false

    // The gesture in progress: which part, how far it moved (face pixels),
    // how much it grew.
    property int activeIndex: -1
    property point activeOffset: Qt.point(0, 0)
    property real activeFactor: 1
    property point pressPoint: Qt.point(0, 0)
    property point pressOffset: Qt.point(0, 0)
    property size pressSize: Qt.size(0, 0)

    // Edges the dragged part lines up with, in view pixels.
    property var guideXs: []
    property var guideYs: []
    property var matchedParts: []

    property int frameTick: 0
    readonly property int nudgeStep: 8
    readonly property real alignTolerance: 1.0
    readonly property int handleSize: 7
    // The handle stops here; a part already smaller may only grow.
    readonly property real minScale: 0.05

    onLwModelChanged: resetGesture()
    onPartsChanged: {
        if (activeIndex >= parts.length)
            resetGesture()
        if (hoverIndex >= parts.length)
            hoverIndex = -1
    }

    Timer {
        interval: 150
        repeat: true
        running: root.visible && root.parts.length > 0
        onTriggered: root.frameTick = (root.frameTick + 1) % 1000000
    }

    // --- geometry ---------------------------------------------------------

    function offsetOf(i) { return i === activeIndex ? activeOffset : Qt.point(0, 0) }
    function factorOf(i) { return i === activeIndex ? activeFactor : 1 }

    // The part's box on the face, as drawn now.
    function faceRect(i) {
        var part = parts[i]
        var pos = Geo.positionOf(part)
        var off = offsetOf(i)
        var s = Geo.scaleOf(part) * factorOf(i)
        return Qt.rect(pos.x + off.x, pos.y + off.y, Geo.widthOf(part) * s, Geo.heightOf(part) * s)
    }
    function viewRect(i) {
        var r = faceRect(i)
        var topLeft = viewport.mapFromFace(r.x, r.y)
        return Qt.rect(topLeft.x, topLeft.y, r.width * viewport.viewScale, r.height * viewport.viewScale)
    }
    function contains(r, x, y) {
        return x >= r.x && x <= r.x + r.width && y >= r.y && y <= r.y + r.height
    }
    function shown(i) { return !!parts[i] && parts[i].checked }
    function editable(i) {
        var part = parts[i]
        return !!part && Geo.hasScale(part) && Geo.finite(part.framePos.x) && Geo.finite(part.framePos.y)
    }

    // The topmost shown part under a view point: the last drawn first.
    function partAt(x, y) {
        var face = viewport.mapToFace(x, y)
        for (var i = parts.length - 1; i >= 0; --i) {
            if (shown(i) && contains(faceRect(i), face.x, face.y))
                return i
        }
        return -1
    }
    function handleContains(x, y) {
        if (selectedIndex < 0 || !shown(selectedIndex) || !editable(selectedIndex))
            return false
        var r = viewRect(selectedIndex)
        var half = handleSize / 2
        return Math.abs(x - (r.x + r.width)) <= half && Math.abs(y - (r.y + r.height)) <= half
    }

    // --- gestures ---------------------------------------------------------

    function resetGesture() {
        activeIndex = -1
        activeOffset = Qt.point(0, 0)
        activeFactor = 1
        pressMode = ""
        clearGuides()
    }
    function clearGuides() {
        guideXs = []
        guideYs = []
        matchedParts = []
    }

    // Hands a pending move to the model: one step, or none when the part
    // is where it was.
    function commitMove() {
        // Plain numbers: a point read from a property follows the property.
        var i = activeIndex
        var dx = activeOffset.x
        var dy = activeOffset.y
        if (i < 0 || !lwModel)
            return resetGesture()
        var pos = Geo.positionOf(parts[i])
        resetGesture()
        if (dx !== 0 || dy !== 0)
            lwModel.movePart(i, Qt.point(pos.x + dx, pos.y + dy))
    }

    function commitScale() {
        var i = activeIndex
        var factor = activeFactor
        resetGesture()
        if (i >= 0 && lwModel && factor !== 1)
            lwModel.scalePart(i, factor)
    }

    function beginMove(i, x, y) {
        if (activeIndex !== i) {
            commitMove()
            activeIndex = i
        }
        pressMode = "movePart"
        pressPoint = Qt.point(x, y)
        pressOffset = activeOffset
    }

    function dragMove(x, y) {
        var s = viewport.viewScale
        activeOffset = Qt.point(pressOffset.x + (x - pressPoint.x) / s, pressOffset.y + (y - pressPoint.y) / s)
        findGuides()
    }

    function beginScale(x, y) {
        commitMove()
        var r = viewRect(selectedIndex)
        activeIndex = selectedIndex
        activeFactor = 1
        pressMode = "scalePart"
        pressPoint = Qt.point(x, y)
        pressSize = Qt.size(r.width, r.height)
    }

    // The handle: the pressed size plus the mouse offset, each side at
    // least 5; the smaller ratio scales both sides.
    function dragScale(x, y) {
        if (!(pressSize.width > 0) || !(pressSize.height > 0))
            return
        var w = Math.max(5, pressSize.width + x - pressPoint.x)
        var h = Math.max(5, pressSize.height + y - pressPoint.y)
        var factor = Math.min(w / pressSize.width, h / pressSize.height)
        var scale = Geo.scaleOf(parts[activeIndex])
        var floor = Math.min(root.minScale, scale)
        if (scale * factor < floor)
            factor = floor / scale
        activeFactor = factor
    }

    // Edges of the dragged part within the tolerance of another shown
    // part's edges: left before right, top before bottom.
    function findGuides() {
        var xs = []
        var ys = []
        var matched = []
        var r = viewRect(activeIndex)
        var edgesX = [r.x, r.x + r.width]
        var edgesY = [r.y, r.y + r.height]
        for (var i = 0; i < parts.length; ++i) {
            if (i === activeIndex || !shown(i))
                continue
            var o = viewRect(i)
            var hit = false
            var otherX = [o.x, o.x + o.width]
            var otherY = [o.y, o.y + o.height]
            for (var a = 0; a < 2; ++a) {
                for (var b = 0; b < 2; ++b) {
                    if (Math.abs(edgesX[a] - otherX[b]) <= alignTolerance) {
                        xs.push(otherX[b])
                        hit = true
                    }
                    if (Math.abs(edgesY[a] - otherY[b]) <= alignTolerance) {
                        ys.push(otherY[b])
                        hit = true
                    }
                }
            }
            if (hit)
                matched.push(i)
        }
        guideXs = xs
        guideYs = ys
        matchedParts = matched
    }

    function nudge(dx, dy) {
        if (selectedIndex < 0 || !editable(selectedIndex) || pressMode !== "")
            return false
        if (activeIndex !== selectedIndex) {
            commitMove()
            activeIndex = selectedIndex
        }
        activeOffset = Qt.point(activeOffset.x + dx, activeOffset.y + dy)
        return true
    }

    function updateHover(x, y) {
        overHandle = handleContains(x, y)
        if (selectedIndex >= 0 && shown(selectedIndex) && contains(viewRect(selectedIndex), x, y))
            hoverIndex = selectedIndex
        else
            hoverIndex = partAt(x, y)
    }

    // --- drawing ----------------------------------------------------------

    Rectangle {
        anchors.fill: parent
        color: LWTheme.window
    }

    LWSceneViewport {
        id: viewport
        objectName: "viewport"
        anchors.fill: parent
        handlesMouse: false
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
                offset: index === root.activeIndex ? root.activeOffset : Qt.point(0, 0)
                previewFactor: index === root.activeIndex ? root.activeFactor : 1
            }
        }

        overlay: [
            // Outlines of the parts the dragged one lines up with.
            Repeater {
                model: root.matchedParts
                delegate: Rectangle {
                    readonly property rect box: root.viewRect(modelData)
                    x: box.x
                    y: box.y
                    width: box.width
                    height: box.height
                    color: "transparent"
                    border.color: LWTheme.accent
                    border.width: LWTheme.hairline
                    opacity: 0.7
                }
            },
            Repeater {
                model: root.guideXs
                delegate: Rectangle {
                    x: Math.round(modelData)
                    y: 0
                    width: LWTheme.hairline
                    height: viewport.height
                    color: LWTheme.accent
                }
            },
            Repeater {
                model: root.guideYs
                delegate: Rectangle {
                    x: 0
                    y: Math.round(modelData)
                    width: viewport.width
                    height: LWTheme.hairline
                    color: LWTheme.accent
                }
            },
            // The hovered part, unless it is the selected one.
            Rectangle {
                readonly property rect box: root.hoverIndex >= 0 && root.hoverIndex < root.parts.length
                                            ? root.viewRect(root.hoverIndex) : Qt.rect(0, 0, 0, 0)
                visible: root.hoverIndex >= 0 && root.hoverIndex !== root.selectedIndex && root.pressMode === ""
                x: box.x
                y: box.y
                width: box.width
                height: box.height
                color: "transparent"
                border.color: LWTheme.text
                border.width: LWTheme.hairline
                opacity: 0.45
            },
            // What the selected part follows: its centre joined to each of
            // its key points by a dashed line.
            Canvas {
                id: traceCanvas
                anchors.fill: parent
                visible: root.selectedIndex >= 0 && root.shown(root.selectedIndex)
                readonly property var trace: root.traceGeometry()
                onTraceChanged: requestPaint()
                onWidthChanged: requestPaint()
                onHeightChanged: requestPaint()
                onPaint: {
                    var ctx = getContext("2d")
                    ctx.reset()
                    var t = trace
                    if (!t)
                        return
                    ctx.strokeStyle = LWTheme.accent
                    ctx.lineWidth = 1
                    ctx.setLineDash([4, 3])
                    for (var i = 0; i < t.points.length; ++i) {
                        ctx.beginPath()
                        ctx.moveTo(t.centre.x, t.centre.y)
                        ctx.lineTo(t.points[i].x, t.points[i].y)
                        ctx.stroke()
                    }
                    ctx.setLineDash([])
                    ctx.fillStyle = LWTheme.accent
                    for (var j = 0; j < t.points.length; ++j) {
                        ctx.beginPath()
                        ctx.arc(t.points[j].x, t.points[j].y, 4, 0, 2 * Math.PI)
                        ctx.fill()
                    }
                    ctx.fillStyle = LWTheme.markerFill
                    ctx.strokeStyle = LWTheme.accent
                    ctx.beginPath()
                    ctx.arc(t.centre.x, t.centre.y, 4, 0, 2 * Math.PI)
                    ctx.fill()
                    ctx.stroke()
                }
            },
            Rectangle {
                id: selectionBox
                readonly property rect box: root.selectedIndex >= 0 ? root.viewRect(root.selectedIndex)
                                                                    : Qt.rect(0, 0, 0, 0)
                visible: root.selectedIndex >= 0 && root.shown(root.selectedIndex)
                x: box.x
                y: box.y
                width: box.width
                height: box.height
                color: "transparent"
                border.color: LWTheme.accent
                border.width: LWTheme.hairline
            },
            Rectangle {
                visible: selectionBox.visible && root.editable(root.selectedIndex)
                x: Math.round(selectionBox.box.x + selectionBox.box.width - root.handleSize / 2)
                y: Math.round(selectionBox.box.y + selectionBox.box.height - root.handleSize / 2)
                width: root.handleSize
                height: root.handleSize
                color: root.pressMode === "scalePart" || root.overHandle ? LWTheme.accent : LWTheme.markerFill
                border.color: LWTheme.accent
                border.width: LWTheme.hairline
            },
            MouseArea {
                id: mouseArea
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                cursorShape: root.mode === "movePart" ? Qt.SizeAllCursor
                           : root.mode === "scalePart" || root.overHandle ? Qt.SizeFDiagCursor
                           : root.mode === "moveSlider" ? Qt.OpenHandCursor : Qt.ArrowCursor

                onPressed: {
                    keyCatcher.forceActiveFocus()
                    if (mouse.button === Qt.RightButton) {
                        viewport.showMenu(mouse.x, mouse.y)
                        return
                    }
                    if (!root.lwModel)
                        return
                    if (root.handleContains(mouse.x, mouse.y)) {
                        root.beginScale(mouse.x, mouse.y)
                        return
                    }
                    var hit = root.partAt(mouse.x, mouse.y)
                    if (hit < 0)
                        return
                    if (hit !== root.selectedIndex) {
                        root.commitMove()
                        root.lwModel.qmlSelectIndex = hit
                    }
                    if (root.editable(hit))
                        root.beginMove(hit, mouse.x, mouse.y)
                }
                onPositionChanged: {
                    if (root.pressMode === "movePart")
                        root.dragMove(mouse.x, mouse.y)
                    else if (root.pressMode === "scalePart")
                        root.dragScale(mouse.x, mouse.y)
                    else
                        root.updateHover(mouse.x, mouse.y)
                }
                onReleased: {
                    if (root.pressMode === "movePart")
                        root.commitMove()
                    else if (root.pressMode === "scalePart")
                        root.commitScale()
                    root.updateHover(mouse.x, mouse.y)
                }
                onEntered: {
                    if (root.pressMode === "")
                        root.updateHover(mouseX, mouseY)
                }
                onCanceled: root.resetGesture()
                onExited: {
                    if (root.pressMode === "") {
                        root.hoverIndex = -1
                        root.overHandle = false
                    }
                }
                onWheel: viewport.zoomAt(wheel.x, wheel.y, wheel.angleDelta.y)
            },
            Item {
                id: keyCatcher
                focus: true
                Keys.onPressed: {
                    var dx = event.key === Qt.Key_Left ? -root.nudgeStep : event.key === Qt.Key_Right ? root.nudgeStep : 0
                    var dy = event.key === Qt.Key_Up ? -root.nudgeStep : event.key === Qt.Key_Down ? root.nudgeStep : 0
                    if ((dx !== 0 || dy !== 0) && root.nudge(dx, dy))
                        event.accepted = true
                }
                // A nudge whose key release goes elsewhere still lands.
                onActiveFocusChanged: {
                    if (!activeFocus && root.pressMode === "")
                        root.commitMove()
                }
                Keys.onReleased: {
                    var arrow = event.key === Qt.Key_Left || event.key === Qt.Key_Right
                                || event.key === Qt.Key_Up || event.key === Qt.Key_Down
                    if (arrow && !event.isAutoRepeat && root.pressMode === "") {
                        root.commitMove()
                        event.accepted = true
                    }
                }
            },
            Text {
                anchors.left: parent.left
                anchors.bottom: parent.bottom
                anchors.margins: LWTheme.spacingMedium
                visible: text !== ""
                text: root.hoverIndex >= 0 && root.hoverIndex < root.parts.length && root.parts[root.hoverIndex]
                      ? root.parts[root.hoverIndex].title : ""
                color: LWTheme.text
                font.pixelSize: LWTheme.smallSize
                style: Text.Outline
                styleColor: LWTheme.window
            }
        ]
    }

    // The centre of the selected part and the key points it follows, in
    // view pixels; null when nothing is selected.
    function traceGeometry() {
        if (selectedIndex < 0)
            return null
        var part = parts[selectedIndex]
        var r = viewRect(selectedIndex)
        var centre = Qt.point(r.x + r.width / 2, r.y + r.height / 2)
        var ids = part.listTracePoint || []
        var points = []
        for (var i = 0; i < ids.length; ++i) {
            var p = keyPoints[ids[i]]
            if (p && Geo.finite(p.x) && Geo.finite(p.y))
                points.push(viewport.mapFromFace(p.x, p.y))
        }
        return { centre: centre, points: points }
    }

}
