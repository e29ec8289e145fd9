import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// The large preview of a texture resource with its frame count and size;
// dropping images of the same size replaces them.
Item {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : 264

    LWImageWell {
        id: well
        x: LWTheme.rowMargin
        width: Math.min(root.viewModel ? root.viewModel.itemWidth : 260, root.width - 2 * LWTheme.rowMargin)
        height: root.height - 40
        source: root.viewModel ? root.viewModel.strTexurePath : ""
        enabled: root.viewModel ? root.viewModel.enabled : true
        opacity: enabled ? 1 : 0.5
        onDropped: root.viewModel.changeTextures(urls)
    }
    Column {
        anchors.top: well.bottom
        anchors.topMargin: LWTheme.spacingSmall
        x: LWTheme.rowMargin
        spacing: LWTheme.spacingTiny
        Text {
            text: (root.viewModel ? root.viewModel.imageCount : 0) + " " + qsTr("frame(s)") + "  \u00b7  "
                  + (root.viewModel ? root.viewModel.textureSize : "0KB")
            color: LWTheme.textDim
            font.pixelSize: LWTheme.captionSize
        }
        Text {
            id: message
            color: LWTheme.danger
            font.pixelSize: LWTheme.captionSize
        }
    }
    Connections {
        target: root.viewModel
        ignoreUnknownSignals: true
        function onSignalTextureSizeNotFit(text) { message.text = text }
        function onSignalunRecognizedImage(text) { message.text = text }
        function onStrTexurePathChanged() { message.text = "" }
    }
}
