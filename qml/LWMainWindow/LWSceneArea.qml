import QtQuick 2.15
import "qrc:/LWViewCommon"

// The scene of the selected feature, zoomable. Without a scene the standard
// face stands in so the editor never shows an empty hole.
Rectangle {
    id: area
    color: theme.window
    clip: true
    LWTheme { id: theme }

    property int zoomPercent: 100
    readonly property var sceneModel: mainWindowController ? mainWindowController.sceneViewModel : null
    readonly property var inspector: mainWindowController ? mainWindowController.inspectorViewModel : null

    function zoomIn() { zoomPercent = Math.min(400, zoomPercent + 10) }
    function zoomOut() { zoomPercent = Math.max(20, zoomPercent - 10) }

    onSceneModelChanged: zoomPercent = 100
    onInspectorChanged: zoomPercent = 100

    Item {
        id: stage
        anchors.centerIn: parent
        width: parent.width
        height: parent.height
        scale: area.zoomPercent / 100

        Loader {
            id: sceneLoader
            anchors.fill: parent
            source: area.sceneModel && area.sceneModel.qmlPath ? area.sceneModel.qmlPath : ""
            onLoaded: {
                if (item.hasOwnProperty("viewModel"))
                    item.viewModel = Qt.binding(function() { return area.sceneModel })
            }
        }

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
        anchors.bottomMargin: 14
        anchors.horizontalCenter: parent.horizontalCenter
        visible: sceneLoader.status !== Loader.Ready
        // projName changes with every project change, so the test is redone.
        text: effectPackManager && (effectPackManager.projName, effectPackManager.hasProjInWorkSpace())
              ? qsTr("Add an effect with the + button, then select it to place it on the face")
              : qsTr("Create or open a project to start")
        color: theme.textDim
        font.pixelSize: theme.smallSize
    }
}
