import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3 as Dialogs
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// The first window: start a project, pick a template, reopen recent work.
Window {
    id: homeWin
    objectName: "homeWinObj"
    width: 1080
    height: 680
    minimumWidth: 860
    minimumHeight: 560
    visible: false
    title: qsTr("Home") + " - Glowsmith"
    color: LWTheme.window

    readonly property var ctrl: mainWindowController
    readonly property var packs: effectPackManager
    property int tab: 0
    property var recent: []

    // The other windows stay alive hidden for the whole run, so the last
    // window closing is no signal here: closing home is leaving the program.
    onClosing: Qt.quit()

    onVisibleChanged: {
        if (!visible)
            return
        ctrl.setWindowStyle(objectName)
        recent = packs.recentProjs()
    }

    Component.onCompleted: {
        if (packs.lastCrashFlag)
            recovery.open()
    }

    function newProject() {
        ctrl.showMainWindow()
        ctrl.clearProjOnWorkspace()
        packs.createProj()
        report("triggerEntryProjectEvent", "gsCreateNew")
        if (lwCheckUpdateModel)
            lwCheckUpdateModel.autoCheckUpdate()
    }
    function fromTemplate(zip, eventName) {
        ctrl.showMainWindow()
        ctrl.clearProjOnWorkspace()
        packs.createProjFromTemp(zip)
        report("triggerEntryProjectEvent", eventName)
    }
    // Usage events go through the published proxy when it is there.
    function report(trigger, name) {
        if (typeof beaconProxy !== "undefined" && beaconProxy)
            beaconProxy[trigger](name)
    }
    function openProject(path) {
        if (!packs.projExist(path)) {
            missing.open()
            return
        }
        ctrl.showMainWindow()
        ctrl.clearProjOnWorkspace()
        packs.openProj(path)
    }

    // --- left column ----------------------------------------------------------
    Rectangle {
        id: side
        width: 240
        height: parent.height
        color: LWTheme.panel

        Column {
            anchors.fill: parent
            anchors.margins: LWTheme.dialogPadding
            spacing: LWTheme.spacingWide

            Row {
                spacing: LWTheme.spacingMedium
                Image {
                    width: 36
                    height: 36
                    source: "qrc:/win_resource/AppIcon.png"
                    sourceSize.width: 72
                    sourceSize.height: 72
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "Glowsmith"
                    color: LWTheme.text
                    font.pixelSize: LWTheme.titleSize
                    font.bold: true
                }
            }
            Item { width: 1; height: LWTheme.spacingMedium }
            LWButton {
                width: parent.width
                height: 40
                highlighted: true
                text: "+  " + qsTr("New project")
                fontSize: LWTheme.largeSize
                onClicked: homeWin.newProject()
            }
            LWButton {
                width: parent.width
                height: 34
                text: qsTr("Open project…")
                onClicked: openDialog.open()
            }
            Item { width: 1; height: LWTheme.spacingMedium }
            Repeater {
                model: [qsTr("Templates"), qsTr("Recent projects")]
                Rectangle {
                    width: side.width - 40
                    height: 34
                    radius: LWTheme.radius
                    color: homeWin.tab === index ? LWTheme.panelRaised : "transparent"
                    Rectangle {
                        visible: homeWin.tab === index
                        width: LWTheme.tabMarkerWidth
                        height: parent.height
                        color: LWTheme.accent
                    }
                    Text {
                        anchors.left: parent.left
                        anchors.leftMargin: LWTheme.spacingWide
                        anchors.verticalCenter: parent.verticalCenter
                        text: modelData
                        color: homeWin.tab === index ? LWTheme.text : LWTheme.textDim
                        font.pixelSize: LWTheme.largeSize
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: homeWin.tab = index
                    }
                }
            }
        }
        Column {
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.margins: LWTheme.dialogPadding
            spacing: LWTheme.spacingMedium
            Text {
                text: qsTr("Online tutorial")
                color: LWTheme.accent
                font.pixelSize: LWTheme.fontSize
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: {
                        homeWin.report("triggerClickAid", "gsClickOnlineTutorial")
                        Qt.openUrlExternally(homeWin.ctrl.tutorialUrl())
                    }
                }
            }
            Text {
                text: qsTr("My effects")
                color: LWTheme.accent
                font.pixelSize: LWTheme.fontSize
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: {
                        homeWin.report("triggerClickAid", "gsClickMyEffectStoreHouse")
                        Qt.openUrlExternally(homeWin.ctrl.myEffectsUrl())
                    }
                }
            }
        }
    }

    // --- content ----------------------------------------------------------------
    Item {
        anchors.left: side.right
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.margins: LWTheme.pageMargin

        Text {
            id: heading
            text: homeWin.tab === 0 ? qsTr("Start from a template") : qsTr("Recent projects")
            color: LWTheme.text
            font.pixelSize: LWTheme.titleSize
            font.bold: true
        }

        Text {
            visible: homeWin.tab === 0 && templateGrid.count === 0
            anchors.top: heading.bottom
            anchors.topMargin: LWTheme.spacingSection
            text: qsTr("Start with a new project; templates arrive with the next update.")
            color: LWTheme.textDim
            font.pixelSize: LWTheme.fontSize
        }
        GridView {
            id: templateGrid
            visible: homeWin.tab === 0
            anchors.top: heading.bottom
            anchors.topMargin: LWTheme.spacingSection
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            clip: true
            cellWidth: 196
            cellHeight: 262
            model: templateCatalogue
            delegate: Item {
                width: 184
                height: 250
                Rectangle {
                    id: card
                    width: parent.width
                    height: 200
                    radius: LWTheme.radiusCard
                    color: LWTheme.panel
                    border.color: tileArea.containsMouse ? LWTheme.accent : LWTheme.line
                    clip: true
                    Image {
                        id: picture
                        anchors.fill: parent
                        anchors.margins: LWTheme.hairline
                        fillMode: Image.PreserveAspectCrop
                        source: model.picture
                        asynchronous: false
                        visible: status === Image.Ready
                    }
                    Text {
                        anchors.centerIn: parent
                        visible: !picture.visible
                        text: "\u2728"
                        color: LWTheme.accent
                        font.pixelSize: LWTheme.tileGlyphSize
                    }
                }
                Text {
                    anchors.top: card.bottom
                    anchors.topMargin: LWTheme.spacing
                    width: parent.width
                    text: model.title
                    color: LWTheme.text
                    font.pixelSize: LWTheme.fontSize
                    // Long template names take a second line rather than
                    // losing their end.
                    wrapMode: Text.WordWrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                }
                MouseArea {
                    id: tileArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: homeWin.fromTemplate(model.zip, model.usageEvent)
                }
            }
        }

        GridView {
            visible: homeWin.tab === 1
            anchors.top: heading.bottom
            anchors.topMargin: LWTheme.spacingSection
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            clip: true
            cellWidth: 270
            cellHeight: 96
            model: homeWin.recent
            delegate: Rectangle {
                width: 258
                height: 84
                radius: LWTheme.radiusDialog
                color: recentArea.containsMouse ? LWTheme.panelRaised : LWTheme.panel
                border.color: LWTheme.line
                Column {
                    anchors.left: parent.left
                    anchors.leftMargin: LWTheme.spacingLoose
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: LWTheme.spacingSmall
                    Text {
                        text: modelData.projName
                        color: LWTheme.text
                        font.pixelSize: LWTheme.largeSize
                        font.bold: true
                        width: 220
                        elide: Text.ElideRight
                    }
                    Text {
                        text: modelData.projTime
                        color: LWTheme.textDim
                        font.pixelSize: LWTheme.smallSize
                    }
                }
                MouseArea {
                    id: recentArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: homeWin.openProject(modelData.projFilePath)
                }
            }
            Text {
                anchors.centerIn: parent
                visible: parent.count === 0
                text: qsTr("Projects you save appear here")
                color: LWTheme.textDim
                font.pixelSize: LWTheme.fontSize
            }
        }
    }

    Dialogs.FileDialog {
        id: openDialog
        title: qsTr("Open project")
        nameFilters: [qsTr("Glowsmith project") + " (*.lwproj)"]
        onAccepted: homeWin.openProject(fileUrl.toString())
    }

    Popup {
        id: missing
        objectName: "missingProject"
        anchors.centerIn: parent
        modal: true
        padding: LWTheme.dialogPadding
        background: Rectangle { color: LWTheme.panel; border.color: LWTheme.line; radius: LWTheme.radiusDialog }
        contentItem: Column {
            spacing: LWTheme.spacingWide
            Text {
                width: 340
                wrapMode: Text.WordWrap
                text: qsTr("The Lumeworks project you want to open does not exist and may have been renamed or deleted.")
                color: LWTheme.text
                font.pixelSize: LWTheme.largeSize
            }
            LWButton {
                anchors.right: parent.right
                text: qsTr("OK")
                highlighted: true
                width: LWTheme.largeButtonWidth
                height: LWTheme.largeButtonHeight
                onClicked: missing.close()
            }
        }
    }

    Popup {
        id: recovery
        anchors.centerIn: parent
        modal: true
        padding: LWTheme.dialogPadding
        background: Rectangle { color: LWTheme.panel; border.color: LWTheme.line; radius: LWTheme.radiusDialog }
        contentItem: Column {
            spacing: LWTheme.spacingWide
            Text {
                text: qsTr("Resume last project?")
                color: LWTheme.text
                font.pixelSize: LWTheme.headingSize
            }
            Row {
                spacing: LWTheme.spacingMedium
                LWButton {
                    text: qsTr("Recover")
                    highlighted: true
                    width: LWTheme.largeButtonWidth
                    height: LWTheme.largeButtonHeight
                    onClicked: {
                        recovery.close()
                        homeWin.ctrl.showMainWindow()
                        homeWin.packs.openBackupProj()
                        homeWin.packs.readyToAutoBackupProj()
                    }
                }
                LWButton {
                    text: qsTr("Cancle")
                    width: LWTheme.largeButtonWidth
                    height: LWTheme.largeButtonHeight
                    onClicked: {
                        recovery.close()
                        homeWin.packs.readyToAutoBackupProj()
                    }
                }
            }
        }
    }
}
