import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// "Parameter information": the inspector of the selected tree item.
Rectangle {
    id: panel
    color: LWTheme.panel

    readonly property var inspector: mainWindowController ? mainWindowController.inspectorViewModel : null

    LWPanelHeader {
        id: head
        width: parent.width
        title: qsTr("Parameter information")
    }

    Loader {
        id: loader
        anchors.top: head.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        source: panel.inspector && panel.inspector.qmlPath ? panel.inspector.qmlPath : ""
        onLoaded: {
            item.viewModel = Qt.binding(function() { return panel.inspector })
            item.height = Qt.binding(function() { return loader.height })
        }
    }

    Text {
        anchors.centerIn: parent
        width: parent.width - 40
        visible: loader.status !== Loader.Ready
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: qsTr("Select a feature or a resource to edit its parameters")
        color: LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
    }
}
