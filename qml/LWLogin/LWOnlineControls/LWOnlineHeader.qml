import QtQuick 2.15
import "qrc:/LWViewCommon"

// Title strip of the online windows: the mark, a title and a line below.
Rectangle {
    id: header
    property alias title: caption.text
    property alias subtitle: detail.text
    height: LWTheme.onlineHeaderHeight
    color: LWTheme.panel

    Rectangle {
        id: mark
        width: LWTheme.onlineMarkSize
        height: LWTheme.onlineMarkSize
        radius: LWTheme.radiusCard
        anchors.left: parent.left
        anchors.leftMargin: LWTheme.dialogPadding
        anchors.verticalCenter: parent.verticalCenter
        gradient: Gradient {
            GradientStop { position: 0.0; color: LWTheme.accentLight }
            GradientStop { position: 1.0; color: LWTheme.accent }
        }
    }
    Column {
        anchors.left: mark.right
        anchors.leftMargin: LWTheme.spacingLarge
        anchors.verticalCenter: parent.verticalCenter
        spacing: LWTheme.spacingTiny
        Text {
            id: caption
            textFormat: Text.PlainText
            color: LWTheme.text
            font.pixelSize: LWTheme.dialogTitleSize
            font.bold: true
        }
        Text {
            id: detail
            // Carries service texts (the offered version).
            textFormat: Text.PlainText
            color: LWTheme.textDim
            font.pixelSize: LWTheme.smallSize
            visible: text.length > 0
        }
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: LWTheme.hairline
        color: LWTheme.line
    }
}
