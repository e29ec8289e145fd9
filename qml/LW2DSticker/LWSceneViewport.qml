import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A zoomable, pannable picture of a standard face, shared by every scene.
// Children are placed in face pixels (the picture's own coordinates); the
// viewport fits the face to its height times wholeScale. Above 1.0 the face
// can be panned with the scroll bars; at or below it stays centred.
FocusScope {
    id: viewport

    // The face in its own pixels; never empty, so nothing divides by 0.
    property size contentSize: Qt.size(720, 1280)
    property real wholeScale: defaultScale
    property real defaultScale: 0.9
    property real minScale: 0.2
    property real maxScale: 9.9
    property real zoomStep: 0.1
    // What one wheel notch adds, before the speed-up at large zooms.
    property real wheelFactor: 0.01
    // Whether the viewport's own mouse area takes the wheel and the context
    // menu; a scene with its own mouse handling calls zoomAt and showMenu.
    property bool handlesMouse: true
    default property alias content: stage.data
    // Drawn over the face in view pixels, under the scroll bars.
    property alias overlay: overlayLayer.data
    readonly property alias stage: stage
    readonly property bool sliderPressed: hbar.pressed || vbar.pressed

    // The main window shows the zoom 0.1 higher, so the default reads 100%.
    readonly property int zoomPercent: Math.round((wholeScale + 0.1) * 100)
    readonly property real contentWidth: contentSize.width > 0 ? contentSize.width : 720
    readonly property real contentHeight: contentSize.height > 0 ? contentSize.height : 1280
    // View pixels per face pixel.
    readonly property real viewScale: wholeScale * Math.max(1, height) / contentHeight
    readonly property bool pannable: wholeScale > 1.0 + 1e-9
    // The face point shown at the view's centre.
    property real centreX: contentWidth / 2
    property real centreY: contentHeight / 2
    readonly property real shownCentreX: clampCentre(centreX, contentWidth, width)
    readonly property real shownCentreY: clampCentre(centreY, contentHeight, height)

    property bool animating: false
    property real targetScale: wholeScale

    Behavior on wholeScale {
        enabled: viewport.animating
        NumberAnimation { duration: 200; easing.type: Easing.OutCubic }
    }

    function clampScale(value) {
        var clamped = Math.max(minScale, Math.min(maxScale, value))
        return Math.round(clamped * 1e6) / 1e6
    }

    function clampCentre(centre, extent, viewExtent) {
        var shown = extent * viewScale
        if (!pannable || shown <= viewExtent)
            return extent / 2
        var half = viewExtent / (2 * viewScale)
        return Math.max(half, Math.min(extent - half, centre))
    }

    // Keyboard and button zoom: about the view's centre, animated.
    function zoomBy(delta) {
        targetScale = clampScale((animating ? targetScale : wholeScale) + delta)
        animating = true
        wholeScale = targetScale
    }
    function zoomIn() { zoomBy(zoomStep) }
    function zoomOut() { zoomBy(-zoomStep) }

    // The wheel: about the point under the cursor, at once.
    function zoomAt(viewX, viewY, angleDeltaY) {
        var steps = angleDeltaY / 120
        var speed = Math.exp((wholeScale - minScale) / 4)
        var next = clampScale(wholeScale + speed * steps * wheelFactor)
        if (next === wholeScale)
            return
        var anchor = mapToFace(viewX, viewY)
        animating = false
        wholeScale = next
        targetScale = next
        var s = viewScale
        centreX = anchor.x - (viewX - width / 2) / s
        centreY = anchor.y - (viewY - height / 2) / s
    }

    function resetView() {
        animating = false
        wholeScale = defaultScale
        targetScale = defaultScale
        centreX = contentWidth / 2
        centreY = contentHeight / 2
    }

    function showMenu(viewX, viewY) {
        menu.popup(viewport, viewX, viewY)
    }

    // Face pixels <-> view pixels.
    function mapToFace(viewX, viewY) {
        return Qt.point(shownCentreX + (viewX - width / 2) / viewScale,
                        shownCentreY + (viewY - height / 2) / viewScale)
    }
    function mapFromFace(faceX, faceY) {
        return Qt.point(width / 2 + (faceX - shownCentreX) * viewScale,
                        height / 2 + (faceY - shownCentreY) * viewScale)
    }

    // Without a scene's own key handling "+", "=" and "-" zoom.
    Keys.onPressed: {
        if (event.key === Qt.Key_Plus || event.key === Qt.Key_Equal) {
            zoomIn()
            event.accepted = true
        } else if (event.key === Qt.Key_Minus) {
            zoomOut()
            event.accepted = true
        }
    }

    Item {
        id: stage
        x: viewport.width / 2 - viewport.shownCentreX * viewport.viewScale
        y: viewport.height / 2 - viewport.shownCentreY * viewport.viewScale
        width: viewport.contentWidth
        height: viewport.contentHeight
        scale: viewport.viewScale
        transformOrigin: Item.TopLeft
    }

    MouseArea {
        anchors.fill: parent
        enabled: viewport.handlesMouse
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onPressed: {
            viewport.forceActiveFocus()
            if (mouse.button === Qt.RightButton)
                viewport.showMenu(mouse.x, mouse.y)
        }
        onWheel: viewport.zoomAt(wheel.x, wheel.y, wheel.angleDelta.y)
    }

    Item {
        id: overlayLayer
        anchors.fill: parent
    }

    // Scroll bars: position and size follow the shown centre, a drag moves it.
    ScrollBar {
        id: hbar
        orientation: Qt.Horizontal
        anchors.left: parent.left
        anchors.right: vbar.visible ? vbar.left : parent.right
        anchors.bottom: parent.bottom
        visible: viewport.pannable && size < 1
        size: Math.min(1, viewport.width / (viewport.contentWidth * viewport.viewScale))
        // The bar's own drag sets position without undoing this binding.
        position: viewport.shownCentreX / viewport.contentWidth - size / 2
        policy: ScrollBar.AlwaysOn
        onPositionChanged: {
            if (pressed)
                viewport.centreX = (position + size / 2) * viewport.contentWidth
        }
        contentItem: Rectangle {
            implicitHeight: 8
            radius: implicitHeight / 2
            color: hbar.pressed ? LWTheme.accent : LWTheme.fieldHover
        }
        background: Rectangle { color: "transparent" }
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: Qt.OpenHandCursor
        }
    }

    ScrollBar {
        id: vbar
        objectName: "verticalBar"
        orientation: Qt.Vertical
        anchors.top: parent.top
        anchors.bottom: hbar.visible ? hbar.top : parent.bottom
        anchors.right: parent.right
        visible: viewport.pannable && size < 1
        size: Math.min(1, viewport.height / (viewport.contentHeight * viewport.viewScale))
        position: viewport.shownCentreY / viewport.contentHeight - size / 2
        policy: ScrollBar.AlwaysOn
        onPositionChanged: {
            if (pressed)
                viewport.centreY = (position + size / 2) * viewport.contentHeight
        }
        contentItem: Rectangle {
            implicitWidth: 8
            radius: implicitWidth / 2
            color: vbar.pressed ? LWTheme.accent : LWTheme.fieldHover
        }
        background: Rectangle { color: "transparent" }
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: Qt.OpenHandCursor
        }
    }

    LWMenu {
        id: menu
        LWMenuItem {
            text: qsTr("Reset View")
            onTriggered: viewport.resetView()
        }
    }
}
