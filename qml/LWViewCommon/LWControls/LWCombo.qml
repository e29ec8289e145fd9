import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// A drop-down over a list of entries with "title" and "iconPath" (the
// option items of the view-models), with thumbnails for resource lists.
ComboBox {
    id: combo
    property int selected: -1
    property bool showThumbnail: false
    property string shownText: ""
    property int popupWidth: Math.max(width, LWTheme.comboPopupWidth)

    implicitHeight: LWTheme.controlHeight
    font.pixelSize: LWTheme.smallSize
    displayText: shownText
    onSelectedChanged: currentIndex = selected
    Component.onCompleted: currentIndex = selected
    onModelChanged: currentIndex = selected

    function iconOf(entry) { return entry && entry.iconPath ? entry.iconPath : "" }
    // Entries are option items ({title, iconPath}) or plain texts.
    function titleOf(entry) {
        if (typeof entry === "string")
            return entry
        return entry && entry.title !== undefined ? entry.title : ""
    }

    background: Rectangle {
        radius: LWTheme.radiusControl
        color: combo.enabled ? LWTheme.field : LWTheme.panel
        border.color: combo.popup.visible ? LWTheme.accent : (combo.hovered ? LWTheme.fieldHover : LWTheme.fieldBorder)
    }
    contentItem: Row {
        leftPadding: LWTheme.spacingSmall
        spacing: LWTheme.spacingSmall
        Image {
            anchors.verticalCenter: parent.verticalCenter
            width: LWTheme.iconSize
            height: LWTheme.iconSize
            fillMode: Image.PreserveAspectFit
            visible: combo.showThumbnail && source != ""
            source: combo.showThumbnail && combo.model && combo.currentIndex >= 0 && combo.currentIndex < combo.count
                    ? combo.iconOf(combo.model[combo.currentIndex]) : ""
            // Decoded at the size shown: a texture may be thousands of pixels wide.
            sourceSize.width: LWTheme.iconSourceSize
            sourceSize.height: LWTheme.iconSourceSize
            asynchronous: true
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            width: combo.width - 40
            text: combo.displayText
            color: combo.enabled ? LWTheme.text : LWTheme.textDim
            font.pixelSize: LWTheme.smallSize
            elide: Text.ElideRight
        }
    }
    indicator: Canvas {
        x: combo.width - width - 8
        y: (combo.height - height) / 2
        width: 8
        height: 5
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.fillStyle = LWTheme.textDim
            ctx.beginPath()
            ctx.moveTo(0, 0)
            ctx.lineTo(width, 0)
            ctx.lineTo(width / 2, height)
            ctx.closePath()
            ctx.fill()
        }
    }
    delegate: ItemDelegate {
        width: combo.popupWidth
        height: combo.showThumbnail ? LWTheme.comboThumbnailRowHeight : LWTheme.comboRowHeight
        highlighted: combo.highlightedIndex === index
        contentItem: Row {
            spacing: LWTheme.spacing
            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: LWTheme.thumbnailSize
                height: LWTheme.thumbnailSize
                fillMode: Image.PreserveAspectFit
                visible: combo.showThumbnail
                source: combo.showThumbnail ? combo.iconOf(modelData) : ""
                sourceSize.width: 2 * LWTheme.thumbnailSize
                sourceSize.height: 2 * LWTheme.thumbnailSize
                asynchronous: true
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: combo.titleOf(modelData)
                color: index === combo.currentIndex ? LWTheme.accent : LWTheme.text
                font.pixelSize: LWTheme.smallSize
            }
        }
        background: Rectangle { color: highlighted ? LWTheme.fieldHover : "transparent" }
    }
    popup: Popup {
        y: combo.height + 2
        width: combo.popupWidth
        implicitHeight: Math.min(contentItem.implicitHeight + 2, LWTheme.popupMaxHeight)
        padding: LWTheme.hairline
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: combo.popup.visible ? combo.delegateModel : null
            currentIndex: combo.highlightedIndex
            ScrollIndicator.vertical: ScrollIndicator {}
        }
        background: Rectangle {
            color: LWTheme.panelRaised
            border.color: LWTheme.line
            radius: LWTheme.radiusControl
        }
    }
}
