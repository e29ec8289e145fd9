import QtQuick 2.15
import "qrc:/LWViewCommon"

// A framed image on a checkerboard that accepts dropped image files.
Rectangle {
    id: well
    property string source: ""
    property string placeholder: qsTr("Drop images here")
    property bool acceptDrops: true
    signal dropped(var urls)
    signal clicked()

    radius: LWTheme.radius
    color: LWTheme.field
    border.color: drop.containsDrag ? LWTheme.accent : LWTheme.fieldBorder
    clip: true

    readonly property int checkerColumns: Math.max(1, Math.ceil(width / 12))
    readonly property int checkerRows: Math.max(0, Math.ceil(height / 12))

    Grid {
        anchors.fill: parent
        anchors.margins: LWTheme.hairline
        columns: well.checkerColumns
        visible: image.status === Image.Ready
        Repeater {
            model: image.status === Image.Ready ? well.checkerColumns * well.checkerRows : 0
            Rectangle {
                width: 12
                height: 12
                color: (index % well.checkerColumns + Math.floor(index / well.checkerColumns)) % 2
                       ? LWTheme.checkerLight : LWTheme.checkerDark
            }
        }
    }
    Image {
        id: image
        anchors.fill: parent
        anchors.margins: LWTheme.spacingSmall
        fillMode: Image.PreserveAspectFit
        source: well.source
        // A preview, not the texture: decoded at most at twice the well's size.
        sourceSize.width: LWTheme.previewSourceSize
        sourceSize.height: LWTheme.previewSourceSize
        asynchronous: true
        cache: false
    }
    Text {
        anchors.fill: parent
        anchors.margins: LWTheme.spacingSmall
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        visible: image.status !== Image.Ready
        text: well.placeholder
        color: LWTheme.textDim
        font.pixelSize: LWTheme.smallSize
    }
    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: well.clicked()
    }
    DropArea {
        id: drop
        anchors.fill: parent
        enabled: well.acceptDrops
        onDropped: if (drop.hasUrls) well.dropped(drop.urls)
    }
}
