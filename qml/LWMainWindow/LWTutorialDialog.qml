import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// The per-feature tutorial prompt a core object opens through the
// controller's tutorial adapter.
Window {
    id: dialog
    objectName: "lwTutorialDialogObj"
    property var adapter: null
    width: 420
    height: 230
    visible: false
    modality: Qt.ApplicationModal
    title: (adapter ? adapter.title : "") + " - Glowsmith"
    color: LWTheme.panel

    property bool answered: false

    Connections {
        target: dialog.adapter
        ignoreUnknownSignals: true
        function onOpenDialog() {
            dialog.answered = false
            dialog.show()
        }
    }

    function answer(accepted) {
        answered = true
        close()
        if (!adapter)
            return
        if (accepted)
            adapter.accepted()
        else
            adapter.rejected()
    }
    onClosing: if (!answered) answer(false)

    Column {
        anchors.fill: parent
        anchors.margins: LWTheme.dialogPadding
        spacing: LWTheme.spacingWide
        Text {
            width: parent.width
            text: dialog.adapter ? dialog.adapter.title : ""
            color: LWTheme.text
            font.pixelSize: LWTheme.dialogTitleSize
            font.bold: true
            wrapMode: Text.WordWrap
        }
        Text {
            width: parent.width
            text: dialog.adapter ? dialog.adapter.content : ""
            color: LWTheme.textDim
            font.pixelSize: LWTheme.fontSize
            wrapMode: Text.WordWrap
        }
        Row {
            spacing: LWTheme.spacing
            LWCheck {
                checked: dialog.adapter ? dialog.adapter.neverShowChecked : false
                onToggled: if (dialog.adapter) dialog.adapter.neverShowChecked = !dialog.adapter.neverShowChecked
            }
            Text {
                text: qsTr("Do not remind again")
                color: LWTheme.text
                font.pixelSize: LWTheme.smallSize
            }
        }
        Row {
            spacing: LWTheme.spacingMedium
            LWButton {
                text: qsTr("Check out tutorial")
                highlighted: true
                height: LWTheme.largeButtonHeight
                onClicked: {
                    if (dialog.adapter && dialog.adapter.url_tutorial.length > 0)
                        Qt.openUrlExternally(dialog.adapter.url_tutorial)
                    dialog.answer(true)
                }
            }
            LWButton {
                text: qsTr("Download template")
                height: LWTheme.largeButtonHeight
                onClicked: {
                    if (dialog.adapter && dialog.adapter.url_download.length > 0)
                        Qt.openUrlExternally(dialog.adapter.url_download)
                    dialog.answer(true)
                }
            }
        }
    }
}
