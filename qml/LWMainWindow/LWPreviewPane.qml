import QtQuick 2.15
import QtQuick.Window 2.15
import QtQml 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// The collapsible "Preview window" at the right edge: the whole effect,
// drawn from its package, playing on the standard face or on a face
// tracked in a photo, a video or the camera.
Rectangle {
    id: pane
    objectName: "previewPane"
    property bool collapsed: true
    readonly property var model: typeof previewModel !== "undefined" ? previewModel : null
    color: LWTheme.panel

    Binding {
        target: pane.model
        property: "active"
        value: !pane.collapsed || detached.visible
        when: pane.model !== null
        restoreMode: Binding.RestoreNone
    }

    LWPanelHeader {
        id: head
        width: parent.width
        title: pane.collapsed ? "" : qsTr("Preview window")
        Text {
            text: pane.collapsed ? "\u00AB" : "\u00BB"
            color: LWTheme.textDim
            font.pixelSize: LWTheme.glyphSize
            MouseArea {
                objectName: "previewToggle"
                anchors.fill: parent
                anchors.margins: -LWTheme.hitSlopLarge
                onClicked: pane.collapsed = !pane.collapsed
            }
        }
    }

    Column {
        anchors.top: head.bottom
        anchors.topMargin: LWTheme.spacingLarge
        anchors.horizontalCenter: parent.horizontalCenter
        visible: !pane.collapsed
        spacing: LWTheme.spacing
        width: pane.width - 2 * LWTheme.spacingLarge

        Rectangle {
            width: parent.width
            height: width * 16 / 9
            radius: LWTheme.radiusCard
            color: LWTheme.field
            border.color: LWTheme.line
            LWPreviewFrame {
                anchors.fill: parent
                anchors.margins: LWTheme.spacingSmall
                model: pane.model
            }
            MouseArea {
                anchors.fill: parent
                onDoubleClicked: detached.show()
            }
        }

        LWSlider {
            id: scrubber
            objectName: "previewScrubber"
            width: parent.width
            from: 0
            to: pane.model ? pane.model.durationMs : 1
            value: pane.model ? pane.model.timeMs : 0
            onPreviewed: if (pane.model) pane.model.seek(value)
        }

        Row {
            spacing: LWTheme.spacingSmall
            LWButton {
                objectName: "previewPlay"
                text: pane.model && pane.model.playing ? qsTr("Pause") : qsTr("Play")
                onClicked: pane.model.playing ? pane.model.pause() : pane.model.play()
            }
            LWButton {
                objectName: "previewRestart"
                text: qsTr("Restart")
                onClicked: pane.model.restart()
            }
            LWButton {
                objectName: "previewMute"
                visible: pane.model ? pane.model.hasMusic : false
                checkable: true
                checked: pane.model ? pane.model.muted : false
                text: checked ? qsTr("Unmute") : qsTr("Mute")
                onClicked: pane.model.muted = !pane.model.muted
            }
            LWButton {
                text: "\u2197"
                onClicked: detached.show()
            }
        }

        Text {
            objectName: "previewStats"
            text: !pane.model ? ""
                  : (pane.model.timeMs / 1000).toFixed(2) + " s  \u00B7  "
                    + (pane.model.playing ? qsTr("%1 fps").arg(pane.model.framesPerSecond.toFixed(1)) : qsTr("paused"))
                    + "  \u00B7  " + qsTr("%1 ms a frame").arg(pane.model.drawMs)
            color: LWTheme.textDim
            font.pixelSize: LWTheme.smallSize
        }

        Text {
            text: qsTr("Draw on")
            color: LWTheme.textDim
            font.pixelSize: LWTheme.smallSize
        }
        Flow {
            width: parent.width
            spacing: LWTheme.spacingSmall
            LWButton {
                objectName: "previewSourceStandard"
                text: qsTr("Standard face")
                checked: pane.model !== null && pane.model.source === 0
                onClicked: pane.model.useStandardFace()
            }
            LWButton {
                objectName: "previewSourcePhoto"
                text: qsTr("Photo\u2026")
                checked: pane.model !== null && pane.model.source === 1
                onClicked: pane.model.choosePhoto()
            }
            LWButton {
                objectName: "previewSourceVideo"
                text: qsTr("Video\u2026")
                checked: pane.model !== null && pane.model.source === 2
                onClicked: pane.model.chooseVideo()
            }
            LWButton {
                objectName: "previewSourceCamera"
                text: qsTr("Camera")
                checked: pane.model !== null && pane.model.source === 3
                onClicked: pane.model.useCamera()
            }
        }
        Text {
            objectName: "previewFaceStatus"
            width: parent.width
            visible: text.length > 0
            wrapMode: Text.WordWrap
            text: pane.model ? pane.model.faceStatus : ""
            color: LWTheme.accentLight
            font.pixelSize: LWTheme.smallSize
        }
        // Several faces: the author says which one the effect follows.
        Row {
            spacing: LWTheme.spacingSmall
            visible: pane.model !== null && pane.model.faceCount > 1
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Follow")
                color: LWTheme.textDim
                font.pixelSize: LWTheme.smallSize
            }
            Repeater {
                model: pane.model ? pane.model.faceCount : 0
                LWButton {
                    objectName: "previewFace" + index
                    text: qsTr("Face %1").arg(index + 1)
                    checked: pane.model !== null && pane.model.chosenFace === index
                    onClicked: pane.model.chooseFace(index)
                }
            }
        }
        Text {
            objectName: "previewStandardOnly"
            width: parent.width
            visible: text.length > 0
            wrapMode: Text.WordWrap
            text: pane.model ? pane.model.standardOnlyNote : ""
            color: LWTheme.textFaint
            font.pixelSize: LWTheme.smallSize
        }

        Row {
            spacing: LWTheme.spacingSmall
            visible: pane.model !== null && pane.model.allowsCat && pane.model.source === 0
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Face")
                color: LWTheme.textDim
                font.pixelSize: LWTheme.smallSize
            }
            LWButton {
                text: qsTr("Human")
                checked: pane.model !== null && pane.model.faceType === 0
                onClicked: pane.model.faceType = 0
            }
            LWButton {
                objectName: "previewCatFace"
                text: qsTr("Cat")
                checked: pane.model !== null && pane.model.faceType === 1
                onClicked: pane.model.faceType = 1
            }
        }

        Text {
            visible: pane.model !== null && pane.model.triggers.length > 0
            text: qsTr("Try a face action")
            color: LWTheme.textDim
            font.pixelSize: LWTheme.smallSize
        }
        Flow {
            width: parent.width
            spacing: LWTheme.spacingSmall
            Repeater {
                model: pane.model ? pane.model.triggers : []
                LWButton {
                    objectName: "previewTrigger" + modelData.value
                    text: modelData.label
                    onClicked: pane.model.fire(modelData.value)
                }
            }
        }

        Text {
            width: parent.width
            wrapMode: Text.WordWrap
            text: qsTr("Use \"Sync to Phone\" to try the effect on the phone's camera.")
            color: LWTheme.textFaint
            font.pixelSize: LWTheme.smallSize
        }
    }

    // The same preview, larger, in a window of its own.
    Window {
        id: detached
        title: qsTr("Preview window")
        width: 460
        height: 800
        color: LWTheme.window
        LWPreviewFrame {
            anchors.fill: parent
            anchors.margins: LWTheme.spacingLarge
            model: pane.model
        }
    }
}
