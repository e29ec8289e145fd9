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
        anchors.top: head.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        treeModel: navigator.ctrl ? navigator.ctrl.effectNaviTreeModel : null
        selectionModel: navigator.ctrl ? navigator.ctrl.effectNaviTreeSelModel : null
        onFilesDropped: {
            for (var i = 0; i < urls.length; ++i)
                effectPackManager.importEffectZipPack(urls[i].toString())
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

    function addFeature(key) {
        if (key === "LWFeatureType2DSticker") {
            ctrl.lwCustomPropertyMap.state = "beginMenuItemAdd2DSticker"
            effectPackManager.createFeatureToWorkSpaceEffect(key)
            ctrl.lwCustomPropertyMap.state = "endMenuItemAdd2DSticker"
        } else {
            effectPackManager.createFeatureToWorkSpaceEffect(key)
        }
    }

    LWMenu {
        id: addMenu
        LWMenuItem {
            text: qsTr("2D Sticker")
            icon.source: "qrc:/LWViewCommon/images/2dFeature.png"
            onTriggered: navigator.addFeature("LWFeatureType2DSticker")
        }
        LWMenuItem {
            text: qsTr("Filter")
            icon.source: "qrc:/LWViewCommon/images/featureFilter.png"
            onTriggered: navigator.addFeature("LWFeatureTypeFilter")
        }
        LWMenu {
            title: qsTr("Makeup V2")
            iconSource: "qrc:/LWViewCommon/images/meizhuang.png"
            Instantiator {
                id: makeupEntries
                model: [
                    { label: qsTr("Eyebrow"), choice: "brow" },
                    { label: qsTr("Mask"), choice: "mask" },
                    { label: qsTr("Eye"), choice: "eye_part" },
                    { label: qsTr("Pupil"), choice: "pupil" },
                    { label: qsTr("Lip V2"), choice: "lips_v2" }
                ]
                delegate: LWMenuItem {
                    text: modelData.label
                    onTriggered: effectPackManager.createFeatureToWorkSpaceEffectWithChoice("LWFeatureTypeFaceMakeupV2", modelData.choice)
                }
                onObjectAdded: makeupMenu.insertItem(index, object)
                onObjectRemoved: makeupMenu.removeItem(object)
            }
            id: makeupMenu
        }
        LWMenuItem {
            text: qsTr("HairColor")
            icon.source: "qrc:/LWViewCommon/images/featurehaircolor.png"
            onTriggered: navigator.addFeature("LWFeatureTypeHairColor")
        }
        LWMenuItem {
            text: qsTr("FacePick")
            icon.source: "qrc:/LWViewCommon/images/featuresegbody.png"
            onTriggered: navigator.addFeature("LWFeatureTypeMatting")
        }
    }
}
