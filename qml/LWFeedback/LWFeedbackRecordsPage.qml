import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// Earlier messages and the service's replies, oldest first.
Item {
    id: page
    property var model: null
    readonly property int count: model ? model.recordNumbers : 0

    Text {
        anchors.centerIn: parent
        visible: page.count === 0
        text: qsTr("No feedback yet.")
        color: LWTheme.textDim
        font.pixelSize: LWTheme.fontSize
    }

    ListView {
        id: list
        objectName: "feedbackRecords"
        anchors.fill: parent
        anchors.margins: LWTheme.spacingLoose
        clip: true
        spacing: LWTheme.spacingMedium
        model: page.count
        ScrollBar.vertical: ScrollBar {}

        delegate: Rectangle {
            id: card
            readonly property bool isReply: page.model && page.model.typeList[index] !== qsTr("User feedback")
            readonly property string image: page.model && index < page.model.urlList.length ? page.model.urlList[index] : ""
            width: list.width - 12
            height: body.implicitHeight + 24
            x: isReply ? 12 : 0
            radius: LWTheme.radiusCard
            color: isReply ? LWTheme.panelRaised : LWTheme.panel
            border.color: isReply ? LWTheme.accentDim : LWTheme.line

            Column {
                id: body
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.top: parent.top
                anchors.margins: LWTheme.spacingLarge
                spacing: LWTheme.spacingSmall
                Row {
                    spacing: LWTheme.spacingMedium
                    Text {
                        textFormat: Text.PlainText
                        text: page.model ? page.model.typeList[index] : ""
                        color: card.isReply ? LWTheme.accent : LWTheme.text
                        font.pixelSize: LWTheme.smallSize
                        font.bold: true
                    }
                    Text {
                        textFormat: Text.PlainText
                        text: page.model ? page.model.timeList[index] : ""
                        color: LWTheme.textDim
                        font.pixelSize: LWTheme.smallSize
                    }
                }
                Text {
                    width: parent.width
                    wrapMode: Text.Wrap
                    textFormat: Text.PlainText
                    text: page.model ? page.model.contentList[index] : ""
                    color: LWTheme.text
                    font.pixelSize: LWTheme.fontSize
                }
                Rectangle {
                    visible: card.image.length > 0
                    width: Math.min(parent.width, 228)
                    height: visible ? 132 : 0
                    radius: LWTheme.radiusDialog
                    color: LWTheme.field
                    border.color: LWTheme.line
                    Image {
                        anchors.fill: parent
                        anchors.margins: LWTheme.spacingCompact
                        fillMode: Image.PreserveAspectFit
                        cache: false
                        sourceSize.height: 2 * height
                        source: card.image
                    }
                }
            }
        }
    }
}
