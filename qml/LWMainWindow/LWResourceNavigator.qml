import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3 as Dialogs
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// The project's resource library: groups and resources, import buttons
// and drops.
Rectangle {
    id: navigator
    objectName: "resourceNavigator"
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
        objectName: "resourceTree"
        anchors.top: head.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        showCheckBoxes: false
        treeModel: navigator.ctrl ? navigator.ctrl.resourceNaviTreeModel : null
        selectionModel: navigator.ctrl ? navigator.ctrl.resourceNaviTreeSelModel : null
        // Several files make one frame sequence; a single file or folder is
        // imported for what it is.
        onFilesDropped: {
            var list = []
            for (var i = 0; i < urls.length; ++i)
                list.push(urls[i].toString())
            if (list.length > 1) {
                effectPackManager.importMultiFilesAsTextureToWorkSpaceResource(list)
                navigator.report("gsClickImportResourceTextureFrame")
            } else if (list.length === 1) {
                effectPackManager.importUnknowFileToWorkSpaceResource(list[0])
                navigator.report("gsClickImportResourceFile")
            }
        }
    }

    LWMenu {
        id: importMenu
        objectName: "resourceImportMenu"
        LWMenuItem {
            text: qsTr("Import File")
            onTriggered: filesDialog.open()
        }
        LWMenuItem {
            text: qsTr("Import GIF")
            onTriggered: gifDialog.open()
        }
        LWMenuItem {
            text: qsTr("Import Texture Frames")
            onTriggered: framesDialog.open()
        }
        LWMenuItem {
            text: qsTr("Import Texture Folder")
            onTriggered: folderDialog.open()
        }
        LWMenuItem {
            text: qsTr("Import Music")
            onTriggered: musicDialog.open()
        }
        LWMenuItem {
            text: qsTr("Folder with groups…")
            onTriggered: groupDialog.open()
        }
        LWMenuItem {
            text: qsTr("New Group")
            onTriggered: effectPackManager.addEmptyGroup()
        }
    }

    // What the dialogs do once the author picked; kept apart so the
    // interface tests take the same path without a platform dialog.
    function urlList(urls) {
        var list = []
        for (var i = 0; i < urls.length; ++i)
            list.push(urls[i].toString())
        return list
    }
    function importFiles(urls, eventName) {
        effectPackManager.importMultiFilesToWorkSpaceResource(urlList(urls))
        navigator.report(eventName)
    }
    function importFrames(urls) {
        effectPackManager.importMultiFilesAsTextureToWorkSpaceResource(urlList(urls))
        navigator.report("gsClickImportResourceTextureFrame")
    }
    function importFolder(url) {
        effectPackManager.importTextureFolderAndReadChildFolderToWorkSpace(url.toString())
        navigator.report("gsClickImportResourceTextureFrame")
    }

    Dialogs.FileDialog {
        id: filesDialog
        title: qsTr("Import File")
        selectMultiple: true
        nameFilters: ["Imgae files( *.jpeg | *.png)"]
        onAccepted: navigator.importFiles(fileUrls, "gsClickImportResourceFile")
    }
    Dialogs.FileDialog {
        id: gifDialog
        title: qsTr("Import GIF")
        selectMultiple: true
        nameFilters: ["Imgae files( *.gif)"]
        onAccepted: navigator.importFiles(fileUrls, "gsClickImportGifAsTextureFrame")
    }
    Dialogs.FileDialog {
        id: framesDialog
        title: qsTr("Import Texture Frames")
        selectMultiple: true
        nameFilters: [qsTr("Image files") + " ( *.png)"]
        onAccepted: navigator.importFrames(fileUrls)
    }
    Dialogs.FileDialog {
        id: folderDialog
        title: qsTr("Import Texture Folder")
        selectFolder: true
        onAccepted: navigator.importFolder(fileUrl)
    }
    Dialogs.FileDialog {
        id: musicDialog
        title: qsTr("choose music file")
        selectMultiple: true
        nameFilters: [qsTr("music files") + " ( *.mp3)"]
        onAccepted: navigator.importFiles(fileUrls, "gsClickImportMusic")
    }
    Dialogs.FileDialog {
        id: groupDialog
        title: qsTr("Import folder")
        selectFolder: true
        onAccepted: effectPackManager.importGroupToWorkSpaceResource(fileUrl.toString())
    }
}
