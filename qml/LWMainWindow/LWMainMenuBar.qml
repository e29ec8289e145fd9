import QtQuick 2.15
import QtQuick.Controls 2.15
import Glowsmith.App 1.0
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// File, Edit, Tool and Help menus of the editor.
MenuBar {
    id: bar
    property var window: null
    property var guard: null

    delegate: MenuBarItem {
        id: menuBarItem
        contentItem: Text {
            text: menuBarItem.text
            color: LWTheme.text
            font.pixelSize: LWTheme.fontSize
        }
        background: Rectangle {
            color: menuBarItem.highlighted ? LWTheme.panelRaised : "transparent"
        }
    }
    background: Rectangle {
        color: LWTheme.panel
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: LWTheme.hairline
            color: LWTheme.line
        }
    }

    LWMenu {
        title: qsTr("File")
        LWMenu {
            title: qsTr("New")
            LWMenuItem {
                text: qsTr("New empty project") + "\tCtrl+N"
                onTriggered: bar.guard.request(LWPendingOperation.NewProject, "")
            }
            LWMenu {
                id: templateMenu
                title: qsTr("Create a new project from the template")
                Instantiator {
                    model: templateCatalogue
                    delegate: LWMenuItem {
                        text: model.group + " \u203A " + model.title
                        onTriggered: bar.guard.request(LWPendingOperation.NewFromTemplate,
                                                       { zip: model.zip, usageEvent: model.usageEvent })
                    }
                    onObjectAdded: templateMenu.insertItem(index, object)
                    onObjectRemoved: templateMenu.removeItem(object)
                }
            }
        }
        LWMenuItem {
            text: qsTr("Open") + "\tCtrl+O"
            onTriggered: bar.guard.request(LWPendingOperation.OpenProject, "")
        }
        LWMenu {
            id: recentMenu
            title: qsTr("Open recently")
            property var entries: []
            onAboutToShow: entries = effectPackManager.recentProjs()
            Instantiator {
                model: recentMenu.entries
                delegate: LWMenuItem {
                    text: modelData.projName
                    onTriggered: bar.guard.request(LWPendingOperation.OpenRecent, modelData.projFilePath)
                }
                onObjectAdded: recentMenu.insertItem(index, object)
                onObjectRemoved: recentMenu.removeItem(object)
            }
        }
        LWMenuSeparator {}
        LWMenuItem {
            text: qsTr("Save") + "\tCtrl+S"
            onTriggered: bar.window.saveProject()
        }
        LWMenuItem {
            text: qsTr("Save As")
            onTriggered: bar.window.saveAs()
        }
        LWMenuItem {
            text: qsTr("Export effect package")
            onTriggered: bar.window.exportPackage()
        }
    }
    LWMenu {
        title: qsTr("Edit")
        LWMenuItem {
            text: qsTr("Undo") + "\tCtrl+Z"
            onTriggered: mainWindowController.onActionUndo()
        }
        LWMenuItem {
            text: qsTr("Redo") + "\tShift+Ctrl+Z"
            onTriggered: mainWindowController.onActionRedo()
        }
        LWMenuItem {
            text: qsTr("Select All") + "\tCtrl+A"
        }
    }
    LWMenu {
        id: toolMenu
        title: qsTr("Tool")
        Instantiator {
            model: [
                { label: qsTr("Chinese"), type: 2, note: "重启后生效（中文）" },
                { label: qsTr("English"), type: 1, note: "Please reboot for then software（English）" },
                { label: qsTr("Japanese"), type: 3, note: "再起動して更新(日本語)" },
                { label: qsTr("Korean"), type: 4, note: "Please reboot for then software（Korean）" }
            ]
            delegate: LWMenuItem {
                text: modelData.label
                checkable: true
                checked: mainWindowController.currentLanguageType === modelData.type
                onTriggered: {
                    mainWindowController.currentLanguageType = modelData.type
                    mainWindowController.needShowTutorial = true
                    languageWindow.note = modelData.note
                    languageWindow.show()
                }
            }
            onObjectAdded: toolMenu.insertItem(index, object)
            onObjectRemoved: toolMenu.removeItem(object)
        }
    }
    LWMenu {
        title: qsTr("Help")
        LWMenuItem {
            text: qsTr("Tutorial")
            onTriggered: {
                bar.window.report("triggerClickAid", "gsClickOnlineTutorial")
                Qt.openUrlExternally(mainWindowController.tutorialUrl())
            }
        }
        LWMenuItem {
            text: qsTr("Check Updates")
            enabled: lwCheckUpdateModel !== null
            onTriggered: lwCheckUpdateModel.updateLastestVersionByUser()
        }
        LWMenuItem {
            text: qsTr("Onboarding flow")
            onTriggered: tour.start()
        }
    }
}
