import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// The first step of a submission for review: the package goes up as a new
// effect, or replaces one of the author's earlier effects, listed with their
// icons and review states. The upload window takes the choice from here.
Window {
    id: choiceWin
    objectName: "uploadChoiceWinObj"
    width: 560
    height: 560
    minimumWidth: 480
    minimumHeight: 420
    visible: false
    title: qsTr("Submit for review") + " - Glowsmith"
    color: LWTheme.window

    property var model: lwUploadEffctChoiceModel
    property int selectedRow: -1
    // -1 for a new effect, else the row of the effect to replace.
    signal chosen(int index)

    onVisibleChanged: {
        if (visible && model) {
            selectedRow = -1
            model.sendGetRequest()
        }
    }

    LWOnlineHeader {
        id: header
        width: parent.width
        title: qsTr("New effect or an update?")
        // No count while the list could not be read: it would say "0".
        subtitle: !choiceWin.model || choiceWin.model.listProblem.length > 0 ? ""
                  : (choiceWin.model.effectNums === 1 ? qsTr("1 effect") : qsTr("%1 effects").arg(choiceWin.model.effectNums))
    }

    ListView {
        id: list
        anchors.top: header.bottom
        anchors.bottom: footer.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: LWTheme.spacingLoose
        clip: true
        spacing: LWTheme.spacing
        model: choiceWin.model ? choiceWin.model.effectNums : 0
        ScrollBar.vertical: ScrollBar {}
        delegate: Rectangle {
            objectName: "earlierEffect" + index
            width: list.width
            height: 72
            radius: LWTheme.radiusCard
            color: choiceWin.selectedRow === index ? LWTheme.accentWash : (rowArea.containsMouse ? LWTheme.panelRaised : LWTheme.panel)
            border.width: choiceWin.selectedRow === index ? 1 : 0
            border.color: LWTheme.accent
            Rectangle {
                id: iconFrame
                width: 52
                height: 52
                radius: LWTheme.radiusDialog
                anchors.left: parent.left
                anchors.leftMargin: LWTheme.spacingMedium
                anchors.verticalCenter: parent.verticalCenter
                color: LWTheme.window
                Image {
                    anchors.fill: parent
                    anchors.margins: LWTheme.spacingTiny
                    fillMode: Image.PreserveAspectFit
                    source: choiceWin.model ? choiceWin.model.effectIcon[index] : ""
                }
            }
            Column {
                anchors.left: iconFrame.right
                anchors.leftMargin: LWTheme.spacingWide
                anchors.right: state.left
                anchors.rightMargin: LWTheme.spacingMedium
                anchors.verticalCenter: parent.verticalCenter
                spacing: LWTheme.spacingCompact
                Text {
                    width: parent.width
                    elide: Text.ElideRight
                    textFormat: Text.PlainText
                    text: choiceWin.model ? choiceWin.model.effectName[index] : ""
                    color: LWTheme.text
                    font.pixelSize: LWTheme.largeSize
                    font.bold: true
                }
                Text {
                    textFormat: Text.PlainText
                    text: choiceWin.model ? choiceWin.model.effectTime[index] : ""
                    color: LWTheme.textDim
                    font.pixelSize: LWTheme.smallSize
                }
            }
            Rectangle {
                id: state
                anchors.right: parent.right
                anchors.rightMargin: LWTheme.spacingWide
                anchors.verticalCenter: parent.verticalCenter
                width: stateText.implicitWidth + 18
                height: 24
                radius: height / 2
                color: LWTheme.window
                Text {
                    id: stateText
                    anchors.centerIn: parent
                    textFormat: Text.PlainText
                    text: choiceWin.model ? choiceWin.model.effectCode[index] : ""
                    color: LWTheme.accent
                    font.pixelSize: LWTheme.smallSize
                }
            }
            MouseArea {
                id: rowArea
                anchors.fill: parent
                hoverEnabled: true
                onClicked: choiceWin.selectedRow = index
            }
        }
    }

    Text {
        anchors.centerIn: list
        width: list.width - 40
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        visible: list.count === 0
        textFormat: Text.PlainText
        text: choiceWin.model && choiceWin.model.listProblem.length > 0
              ? choiceWin.model.listProblem : qsTr("No earlier effects yet.")
        color: LWTheme.textDim
        font.pixelSize: LWTheme.fontSize
    }

    Rectangle {
        id: footer
        anchors.bottom: parent.bottom
        width: parent.width
        height: LWTheme.footerHeight
        color: LWTheme.panel
        Rectangle { width: parent.width; height: LWTheme.hairline; color: LWTheme.line }
        Row {
            anchors.right: parent.right
            anchors.rightMargin: LWTheme.pageMargin
            anchors.verticalCenter: parent.verticalCenter
            spacing: LWTheme.spacingLarge
            LWOnlineButton {
                primary: choiceWin.selectedRow < 0
                text: qsTr("Submit as new effect")
                onClicked: { choiceWin.hide(); choiceWin.chosen(-1) }
            }
            LWOnlineButton {
                primary: choiceWin.selectedRow >= 0
                text: qsTr("Replace selected")
                enabled: choiceWin.selectedRow >= 0
                onClicked: { choiceWin.hide(); choiceWin.chosen(choiceWin.selectedRow) }
            }
        }
    }
}
