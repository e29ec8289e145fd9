import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"
import "qrc:/LWViewCommon/LWControls"

// The project's frame sequences with their size, and the quality each is
// stored at. Choosing a level makes (or reuses) the compressed copy of the
// chosen sequence; the original frames are always kept.
Window {
    id: win
    objectName: "compressFilesWindow"
    width: 720
    height: 520
    minimumWidth: 600
    minimumHeight: 440
    visible: false
    title: qsTr("Compressed file") + " - Glowsmith"
    color: LWTheme.window

    property var model: lwCompressFilesViewModel
    property var files: []
    readonly property var levelTitles: [qsTr("No compression"), qsTr("High quality"), qsTr("Medium quality"),
                                        qsTr("Low quality")]

    function readFiles() { files = model ? model.getFileList() : [] }

    Component.onCompleted: readFiles()
    onModelChanged: readFiles()

    Connections {
        target: win.model
        ignoreUnknownSignals: true
        function onFileListChanged() { win.readFiles() }
    }

    LWOnlineHeader {
        id: header
        width: parent.width
        title: qsTr("Compressed file")
        subtitle: qsTr("Suggest to compress sequence files if special effect is over 5M")
    }

    Rectangle {
        id: listPane
        anchors.top: header.bottom
        anchors.bottom: footer.top
        anchors.left: parent.left
        anchors.margins: LWTheme.spacingLoose
        width: 220
        radius: LWTheme.radiusDialog
        color: LWTheme.panel
        border.color: LWTheme.line

        ListView {
            id: fileList
            objectName: "compressFileList"
            anchors.fill: parent
            anchors.margins: LWTheme.spacingCompact
            clip: true
            model: win.files
            currentIndex: win.model ? win.model.currentIndex : -1
            ScrollBar.vertical: ScrollBar {}

            delegate: Rectangle {
                width: fileList.width
                height: 34
                radius: LWTheme.radius
                readonly property bool chosen: index === fileList.currentIndex
                color: chosen ? LWTheme.panelRaised : (area.containsMouse ? LWTheme.sectionHeader : "transparent")
                border.color: chosen ? LWTheme.accent : "transparent"

                Image {
                    id: icon
                    anchors.left: parent.left
                    anchors.leftMargin: LWTheme.spacing
                    anchors.verticalCenter: parent.verticalCenter
                    width: LWTheme.iconSize
                    height: LWTheme.iconSize
                    source: "qrc:/LWViewCommon/images/resTexture.png"
                }
                Text {
                    anchors.left: icon.right
                    anchors.leftMargin: LWTheme.spacing
                    anchors.right: parent.right
                    anchors.rightMargin: LWTheme.spacing
                    anchors.verticalCenter: parent.verticalCenter
                    elide: Text.ElideRight
                    text: modelData ? modelData.getFileName : ""
                    color: LWTheme.text
                    font.pixelSize: LWTheme.fontSize
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: if (win.model) win.model.onFileListClick(index)
                }
            }
        }
        Text {
            anchors.centerIn: parent
            width: parent.width - 24
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            visible: win.files.length === 0
            text: qsTr("The project has no frame sequences.")
            color: LWTheme.textDim
            font.pixelSize: LWTheme.smallSize
        }
    }

    Item {
        id: details
        anchors.top: header.bottom
        anchors.bottom: footer.top
        anchors.left: listPane.right
        anchors.right: parent.right
        anchors.margins: LWTheme.spacingLoose
        enabled: win.files.length > 0

        LWImageWell {
            id: preview
            objectName: "compressPreview"
            anchors.top: parent.top
            anchors.left: parent.left
            width: 200
            height: 200
            acceptDrops: false
            placeholder: qsTr("No frames")
            source: win.model ? win.model.getImagesFirstPath : ""
        }

        Column {
            anchors.top: parent.top
            anchors.left: preview.right
            anchors.leftMargin: LWTheme.spacingLoose
            anchors.right: parent.right
            spacing: LWTheme.spacing

            Text {
                text: qsTr("Frames")
                color: LWTheme.textDim
                font.pixelSize: LWTheme.smallSize
            }
            Text {
                objectName: "compressFrameCount"
                text: win.model ? win.model.getImagesNumber : 0
                color: LWTheme.text
                font.pixelSize: LWTheme.figureSize
            }
            Text {
                text: qsTr("Size")
                color: LWTheme.textDim
                font.pixelSize: LWTheme.smallSize
            }
            Text {
                objectName: "compressSize"
                text: win.model ? win.model.getImagesSize : ""
                color: LWTheme.text
                font.pixelSize: LWTheme.figureSize
            }
        }

        Column {
            anchors.top: preview.bottom
            anchors.topMargin: LWTheme.spacingSection
            anchors.left: parent.left
            anchors.right: parent.right
            spacing: LWTheme.spacingMedium

            Text {
                text: qsTr("Quality")
                color: LWTheme.textDim
                font.pixelSize: LWTheme.smallSize
            }
            Flow {
                width: parent.width
                spacing: LWTheme.spacing
                Repeater {
                    model: win.levelTitles
                    Rectangle {
                        objectName: "compressLevel" + index
                        readonly property bool chosen: win.model !== null && win.model.getCompressType === index
                        readonly property bool usable: win.model !== null && win.model.getCompressTypeEnable
                        width: levelText.implicitWidth + 28
                        height: 30
                        radius: height / 2
                        opacity: usable ? 1 : 0.5
                        color: chosen ? LWTheme.accent : (levelArea.containsMouse && usable ? LWTheme.panelRaised : LWTheme.panel)
                        border.color: chosen ? LWTheme.accent : LWTheme.line
                        Text {
                            id: levelText
                            anchors.centerIn: parent
                            text: modelData
                            color: parent.chosen ? LWTheme.textOnAccent : LWTheme.text
                            font.pixelSize: LWTheme.fontSize
                            font.bold: parent.chosen
                        }
                        MouseArea {
                            id: levelArea
                            anchors.fill: parent
                            hoverEnabled: true
                            enabled: parent.usable
                            cursorShape: Qt.PointingHandCursor
                            onClicked: win.model.onCompressTypeListClick(index)
                        }
                    }
                }
            }
            Item {
                width: parent.width
                height: 20
                Rectangle {
                    id: track
                    anchors.left: parent.left
                    anchors.right: percent.left
                    anchors.rightMargin: LWTheme.spacingMedium
                    anchors.verticalCenter: parent.verticalCenter
                    height: 6
                    radius: height / 2
                    color: LWTheme.field
                    border.color: LWTheme.fieldBorder
                    Rectangle {
                        objectName: "compressProgress"
                        width: track.width * Math.max(0, Math.min(1, win.model ? win.model.getProcessValue : 0))
                        height: parent.height
                        radius: height / 2
                        color: LWTheme.accent
                    }
                }
                Text {
                    id: percent
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    width: 40
                    horizontalAlignment: Text.AlignRight
                    text: Math.round(Math.max(0, Math.min(1, win.model ? win.model.getProcessValue : 0)) * 100) + "%"
                    color: LWTheme.textDim
                    font.pixelSize: LWTheme.smallSize
                }
            }
        }
    }

    Item {
        id: footer
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: LWTheme.footerHeight
        Rectangle { width: parent.width; height: LWTheme.hairline; color: LWTheme.line }
        LWOnlineButton {
            objectName: "compressFinishButton"
            anchors.right: parent.right
            anchors.rightMargin: LWTheme.dialogPadding
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Finish")
            onClicked: if (win.model) win.model.showCompressFilesWindow(false); else win.close()
        }
    }
}
