import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3 as Dialogs
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// The project's resource library: groups and resources, import buttons
// and drops.
Rectangle {
    id: navigator
    color: LWTheme.panel

    readonly property var ctrl: mainWindowController

    LWPanelHeader {
        id: head
        width: parent.width
        title: qsTr("Resources")
        LWButton {
            text: qsTr("Assest library")
            height: LWTheme.headerButtonHeight
            visible: materialsModel !== null
            onClicked: materialsRequested()
        }
        LWButton {
            id: importButton
            text: "+ " + qsTr("Import")
            height: LWTheme.headerButtonHeight
            onClicked: importMenu.popup(importButton, 0, importButton.height + 2)
        }
    }
    signal materialsRequested()
    function report(name) {
        if (typeof beaconProxy !== "undefined" && beaconProxy)
            beaconProxy.triggerEventResource(name)
    }

    LWNaviTreeView {
        anchors.top: head.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        showCheckBoxes: false
        treeModel: navigator.ctrl ? navigator.ctrl.resourceNaviTreeModel : null
        selectionModel: navigator.ctrl ? navigator.ctrl.resourceNaviTreeSelModel : null
        onFilesDropped: {
            var list = []
            for (var i = 0; i < urls.length; ++i)
                list.push(urls[i].toString())
            effectPackManager.importMultiFilesToWorkSpaceResource(list)
        }
    }

    LWMenu {
        id: importMenu
        LWMenuItem {
            text: qsTr("Images or music…")
            onTriggered: filesDialog.open()
        }
        LWMenuItem {
            text: qsTr("Frame sequence from images…")
            onTriggered: framesDialog.open()
        }
        LWMenuItem {
            text: qsTr("Frame sequence folder…")
            onTriggered: folderDialog.open()
        }
        LWMenuItem {
            text: qsTr("Folder with groups…")
            onTriggered: groupDialog.open()
        }
    }

    Dialogs.FileDialog {
        id: filesDialog
        title: qsTr("Import resources")
        selectMultiple: true
        nameFilters: [qsTr("Images and music") + " (*.png *.jpg *.jpeg *.gif *.mp3 *.wav *.m4a)", qsTr("All files") + " (*)"]
        onAccepted: {
            var list = []
            for (var i = 0; i < fileUrls.length; ++i)
                list.push(fileUrls[i].toString())
            effectPackManager.importMultiFilesToWorkSpaceResource(list)
            navigator.report("gsClickImportResourceFile")
        }
    }
    Dialogs.FileDialog {
        id: framesDialog
        title: qsTr("Import frame sequence")
        selectMultiple: true
        nameFilters: [qsTr("Images") + " (*.png *.jpg)"]
        onAccepted: {
            var list = []
            for (var i = 0; i < fileUrls.length; ++i)
                list.push(fileUrls[i].toString())
            effectPackManager.importMultiFilesAsTextureToWorkSpaceResource(list)
            navigator.report("gsClickImportResourceTextureFrame")
        }
    }
    Dialogs.FileDialog {
        id: folderDialog
        title: qsTr("Import frame sequence folder")
        selectFolder: true
        onAccepted: {
            effectPackManager.importTextureFolderToWorkSpaceResource(fileUrl.toString())
            navigator.report("gsClickImportResourceTextureFrame")
        }
    }
    Dialogs.FileDialog {
        id: groupDialog
        title: qsTr("Import folder")
        selectFolder: true
        onAccepted: effectPackManager.importGroupToWorkSpaceResource(fileUrl.toString())
    }
}
