import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// The material library: ready-made images and frame sequences. A click on
// an entry whose icon has arrived adds the material to the project's
// resources.
Window {
    id: win
    objectName: "materialsWindowObj"
    width: 760
    height: 560
    minimumWidth: 520
    minimumHeight: 400
    visible: false
    title: qsTr("Assest library") + " - Glowsmith"
    color: LWTheme.window

    property var model: materialsModel
    // Per entry: "loading", "added" or "failed" once a download was asked for.
    property var states: ({})

    function setState(index, state) {
        var copy = Object.assign({}, states)
        copy[index] = state
        states = copy
    }

    onVisibleChanged: {
        if (!visible || !model)
            return
        states = ({})
        model.sendGetRequest()
        if (typeof beaconProxy !== "undefined" && beaconProxy)
            beaconProxy.triggerEventResource("gsClickMateriallibrary")
    }

    Connections {
        target: win.model
        ignoreUnknownSignals: true
        function onMaterialDownloaded(index, imported) { win.setState(index, imported ? "added" : "failed") }
        function onMaterialNumbersChanged() { win.states = ({}) }
    }

    LWOnlineHeader {
        id: header
        width: parent.width
        title: qsTr("Assest library")
        subtitle: qsTr("Click a material to add it to the project's resources")
    }

    Text {
        anchors.centerIn: grid
        visible: !win.model || win.model.materialNumbers === 0
        color: LWTheme.textDim
        font.pixelSize: LWTheme.fontSize
        text: qsTr("No materials to show yet.")
    }

    GridView {
        id: grid
        objectName: "materialGrid"
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: LWTheme.spacingLoose
        clip: true
        cellWidth: 148
        cellHeight: 176
        model: win.model ? win.model.materialNumbers : 0
        ScrollBar.vertical: ScrollBar {}

        delegate: Item {
            id: cell
            width: grid.cellWidth
            height: grid.cellHeight
            readonly property string icon: win.model && index < win.model.urlList.length ? win.model.urlList[index] : ""
            readonly property string size: win.model && index < win.model.sizeList.length ? win.model.sizeList[index] : ""
            readonly property string state_: win.states[index] !== undefined ? win.states[index] : ""
            readonly property bool ready: icon.length > 0

            Rectangle {
                id: tile
                anchors.fill: parent
                anchors.margins: LWTheme.spacing
                radius: LWTheme.radiusTile
                color: area.containsMouse && cell.ready ? LWTheme.panelRaised : LWTheme.panel
                border.color: cell.state_ === "added" ? LWTheme.accent : LWTheme.line

                Rectangle {
                    id: well
                    anchors.top: parent.top
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.topMargin: LWTheme.spacingMedium
                    width: 112
                    height: 112
                    radius: LWTheme.radiusCard
                    color: LWTheme.field

                    Loader {
                        anchors.fill: parent
                        anchors.margins: LWTheme.spacingSmall
                        active: cell.ready
                        sourceComponent: cell.icon.toLowerCase().endsWith(".gif") ? animated : still
                    }
                    LWMaterialsLoading {
                        anchors.centerIn: parent
                        visible: !cell.ready || cell.state_ === "loading"
                    }
                }
                Text {
                    anchors.top: well.bottom
                    anchors.topMargin: LWTheme.spacing
                    anchors.horizontalCenter: parent.horizontalCenter
                    color: cell.state_ === "failed" ? LWTheme.danger : LWTheme.textDim
                    font.pixelSize: LWTheme.smallSize
                    text: cell.state_ === "added" ? qsTr("Added · %1").arg(cell.size)
                        : cell.state_ === "failed" ? qsTr("Not added · %1").arg(cell.size)
                        : cell.size
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: cell.ready ? Qt.PointingHandCursor : Qt.ArrowCursor
                    onClicked: {
                        if (!cell.ready || cell.state_ === "loading" || !win.model)
                            return
                        win.setState(index, "loading")
                        win.model.sendDownloadRequest(index)
                    }
                }
            }

            Component {
                id: animated
                AnimatedImage {
                    source: cell.icon
                    fillMode: Image.PreserveAspectFit
                    playing: win.visible
                    smooth: true
                }
            }
            Component {
                id: still
                Image {
                    source: cell.icon
                    fillMode: Image.PreserveAspectFit
                    sourceSize.width: 2 * width
                    sourceSize.height: 2 * height
                    smooth: true
                    asynchronous: true
                }
            }
        }
    }
}
