import QtQuick 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// An image preview with its facts, a drop-down of the project's images and
// an import button (the filter's lookup table).
Item {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : 120

    Text {
        id: label
        x: LWTheme.rowMargin
        y: 8
        width: LWTheme.labelWidth
        text: root.viewModel ? root.viewModel.name : ""
        color: LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
        elide: Text.ElideRight
    }
    LWImageWell {
        id: well
        anchors.left: label.right
        anchors.leftMargin: LWTheme.spacing
        y: 4
        width: root.viewModel ? Math.min(root.viewModel.width, root.width / 3) : 96
        height: root.height - 8
        acceptDrops: false
        placeholder: qsTr("No image")
        source: root.viewModel && root.viewModel.optionIndex > 0 ? root.viewModel.imageUrls[root.viewModel.optionIndex] : ""
        onClicked: root.viewModel.onClickButton()
    }
    Column {
        anchors.left: well.right
        anchors.leftMargin: LWTheme.spacing
        anchors.right: parent.right
        anchors.rightMargin: LWTheme.rowMargin
        y: 4
        spacing: LWTheme.spacingCompact
        Row {
            width: parent.width
            spacing: LWTheme.spacingCompact
            LWCombo {
                width: parent.width - 26
                enabled: root.viewModel ? root.viewModel.enabled : true
                model: root.viewModel ? root.viewModel.options : []
                selected: root.viewModel ? root.viewModel.optionIndex : -1
                shownText: root.viewModel ? root.viewModel.comboDisplayText : ""
                showThumbnail: true
                popupWidth: Math.max(width, root.viewModel ? root.viewModel.fontWidth + 64 : 0)
                onActivated: root.viewModel.optionIndex = index
            }
            LWButton {
                width: LWTheme.glyphButtonWidth
                text: "+"
                fontSize: LWTheme.largeSize
                onClicked: root.viewModel.onClickButton()
            }
        }
        Text { text: root.viewModel ? root.viewModel.imageResolution : ""; color: LWTheme.textDim; font.pixelSize: LWTheme.captionSize }
        Text { text: root.viewModel ? root.viewModel.imageType : ""; color: LWTheme.textDim; font.pixelSize: LWTheme.captionSize }
        Text { text: root.viewModel ? root.viewModel.imageSize : ""; color: LWTheme.textDim; font.pixelSize: LWTheme.captionSize }
        Text { id: message; color: LWTheme.danger; font.pixelSize: LWTheme.captionSize; width: parent.width; wrapMode: Text.WordWrap }
        // The chosen image stays the author's choice; what is wrong with it
        // is said here until it is replaced.
        Text {
            objectName: "imageSizeProblem"
            visible: text !== "" && message.text === ""
            text: root.viewModel && root.viewModel.sizeProblem ? root.viewModel.sizeProblem : ""
            color: LWTheme.danger
            font.pixelSize: LWTheme.captionSize
            width: parent.width
            wrapMode: Text.WordWrap
        }
    }
    Connections {
        target: root.viewModel
        ignoreUnknownSignals: true
        function onSignalTextureSizeNotFit(text) { message.text = text }
        function onSignalunRecognizedImage(text) { message.text = text }
        function onOptionIndexChanged() { message.text = "" }
    }
}
