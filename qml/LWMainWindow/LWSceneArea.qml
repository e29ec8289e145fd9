import QtQuick 2.15
import "qrc:/LWViewCommon"

// The scene of the selected feature, zoomable. Without a scene the standard
// face stands in so the editor never shows an empty hole.
Rectangle {
    id: area
    color: LWTheme.window
    clip: true

    // A loaded scene zooms itself and reports its zoom; without one the
    // placeholder face zooms here.
    property int placeholderPercent: 100
    readonly property var scene: sceneLoader.status === Loader.Ready ? sceneLoader.item : null
    readonly property bool sceneZooms: !!scene && scene.zoomPercent !== undefined
    readonly property int zoomPercent: sceneZooms ? scene.zoomPercent : placeholderPercent
    readonly property var sceneModel: mainWindowController ? mainWindowController.sceneViewModel : null
    readonly property var inspector: mainWindowController ? mainWindowController.inspectorViewModel : null

    function zoomIn() {
        if (sceneZooms)
            scene.zoomIn()
        else
            placeholderPercent = Math.min(400, placeholderPercent + 10)
    }
    function zoomOut() {
        if (sceneZooms)
            scene.zoomOut()
        else
            placeholderPercent = Math.max(20, placeholderPercent - 10)
    }

    // The zoom goes back to 100 % with every new scene or inspector, also
    // when the scene document stays loaded (another part of one sticker).
    function resetZoom() {
        placeholderPercent = 100
        if (scene && scene.resetZoom !== undefined)
            scene.resetZoom()
    }
    onSceneModelChanged: resetZoom()
    onInspectorChanged: resetZoom()

    Loader {
        id: sceneLoader
        anchors.fill: parent
        focus: true
        source: area.sceneModel && area.sceneModel.qmlPath ? area.sceneModel.qmlPath : ""
        onLoaded: {
            if (item.hasOwnProperty("lwModel"))
                item.lwModel = Qt.binding(function() { return area.sceneModel })
        }
    }

    Item {
        id: stage
        anchors.centerIn: parent
        width: parent.width
        height: parent.height
        scale: area.placeholderPercent / 100
        visible: sceneLoader.status !== Loader.Ready

        Image {
            anchors.centerIn: parent
            visible: sceneLoader.status !== Loader.Ready
            height: parent.height * 0.86
            fillMode: Image.PreserveAspectFit
            source: "qrc:/LW2DSticker/imgStandardFaceHuman.png"
            opacity: 0.5
            smooth: true
        }
    }

    Text {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: LWTheme.spacingWide
        anchors.horizontalCenter: parent.horizontalCenter
        visible: sceneLoader.status !== Loader.Ready
        // projName changes with every project change, so the test is redone.
        text: effectPackManager && (effectPackManager.projName, effectPackManager.hasProjInWorkSpace())
              ? qsTr("Add an effect with the + button, then select it to place it on the face")
              : qsTr("Create or open a project to start")
        color: LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
    }
}
