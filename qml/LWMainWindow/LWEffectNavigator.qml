import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// The effect tree with its add menu. Package zips dropped here are imported.
Rectangle {
    id: navigator
    color: LWTheme.panel

    readonly property var ctrl: mainWindowController

    LWPanelHeader {
        id: head
        width: parent.width
        title: qsTr("Effects")
        LWButton {
            id: addButton
            text: "+ " + qsTr("Add")
            height: LWTheme.headerButtonHeight
            // Drops from the button, wherever the pointer is.
            onClicked: addMenu.popup(addButton, 0, addButton.height + 2)
        }
    }

    LWNaviTreeView {
        id: tree
        objectName: "effectTree"
        anchors.top: head.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        treeModel: navigator.ctrl ? navigator.ctrl.effectNaviTreeModel : null
        selectionModel: navigator.ctrl ? navigator.ctrl.effectNaviTreeSelModel : null
        // Packages join the effect; pictures go to the feature they were
        // dropped on (a sticker makes a part of them, the filter a table).
        onFilesDropped: {
            for (var i = 0; i < urls.length; ++i) {
                var url = urls[i].toString()
                if (url.toLowerCase().endsWith(".zip"))
                    effectPackManager.importEffectZipPack(url)
                else if (navigator.ctrl)
                    navigator.ctrl.importTemplateResource(url)
            }
        }
    }

    Connections {
        target: navigator.ctrl ? navigator.ctrl.effectNaviTreeModel : null
        ignoreUnknownSignals: true
        function onExpandRequest(index) { tree.expandIndex(index) }
    }
    Connections {
        target: navigator.ctrl
        ignoreUnknownSignals: true
        // A new template project selects its first feature.
        function onDefaultSelIndexChanged() {
            var index = navigator.ctrl.defaultSelIndex
            if (navigator.ctrl.effectNaviTreeSelModel && index.valid)
                navigator.ctrl.effectNaviTreeSelModel.setCurrentIndex(index, 3)
        }
    }

    // A kind with a menu state is created while the state is set (the 2D
    // sticker makes its first part then); a choice goes with its kind.
    function addFeature(entry, choice) {
        var map = ctrl.lwCustomPropertyMap
        if (entry.state !== "")
            map.state = "beginMenuItemAdd" + entry.state
        if (choice !== undefined)
            effectPackManager.createFeatureToWorkSpaceEffectWithChoice(entry.key, choice)
        else
            effectPackManager.createFeatureToWorkSpaceEffect(entry.key)
        if (entry.state !== "")
            map.state = "endMenuItemAdd" + entry.state
    }

    // The add menu lists the feature kinds the catalogue offers, in its order.
    LWMenu {
        id: addMenu
        objectName: "effectAddMenu"
        Component.onCompleted: {
            var entries = typeof featureCatalogue !== "undefined" ? featureCatalogue.entries : []
            for (var i = 0; i < entries.length; ++i) {
                var entry = entries[i]
                if (entry.choices.length === 0) {
                    addMenu.addItem(entryComponent.createObject(navigator, { entry: entry }))
                    continue
                }
                var submenu = submenuComponent.createObject(navigator, { title: entry.label, iconSource: entry.icon })
                for (var j = 0; j < entry.choices.length; ++j)
                    submenu.addItem(choiceComponent.createObject(navigator, { entry: entry, choice: entry.choices[j] }))
                addMenu.addMenu(submenu)
            }
        }
    }
    Component {
        id: entryComponent
        LWMenuItem {
            property var entry
            objectName: "addFeature_" + entry.key
            text: entry.label
            icon.source: entry.icon
            onTriggered: navigator.addFeature(entry)
        }
    }
    Component {
        id: submenuComponent
        LWMenu {}
    }
    Component {
        id: choiceComponent
        LWMenuItem {
            property var entry
            property var choice
            objectName: "addFeature_" + entry.key + "_" + choice.choice
            text: choice.label
            onTriggered: navigator.addFeature(entry, choice.choice)
        }
    }
}
