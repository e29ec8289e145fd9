import QtQuick 2.15
import QtQuick.Controls 2.15
import Glowsmith.Navigation 1.0
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"

// A navigation tree (effect or resources) drawn as an indented list: check
// boxes, icons, in-place rename, context menus from the items' menu models,
// click / shift / ctrl selection, and drag to reorder.
Item {
    id: tree
    property var treeModel: null        // LWNaviTreeModel
    property var selectionModel: null   // LWNaviTreeSelModel
    property bool showCheckBoxes: true
    property bool allowDrag: true
    readonly property alias flatModel: flat
    readonly property int rowHeight: LWTheme.treeRowHeight

    // Files dropped on the tree (package zips on the effect tree, images on
    // the resource tree).
    signal filesDropped(var urls)

    LWNaviTreeFlatModel {
        id: flat
        sourceModel: tree.treeModel
        selectionModel: tree.selectionModel
    }

    function selectRow(sourceIndex, modifiers) {
        if (!tree.selectionModel)
            return
        if (modifiers & Qt.ShiftModifier)
            tree.selectionModel.setSelectItemUsingShift(sourceIndex)
        else if (modifiers & Qt.ControlModifier)
            tree.selectionModel.setSelectItemUsingCtrl(sourceIndex)
        else
            tree.selectionModel.setCurrentIndex(sourceIndex, 3 /* ClearAndSelect */)
    }

    function dropRow(source, targetIndex, into) {
        if (!tree.treeModel || !source || source.sourceIndex === undefined)
            return false
        if (into && tree.treeModel.moveIn(source.sourceIndex, targetIndex)) {
            flat.expandTo(targetIndex)
            return true
        }
        return tree.treeModel.moveRow(source.sourceIndex, targetIndex, 0)
    }

    // Delete removes every selected item, each as its own undo step.
    function removeSelected() {
        if (tree.selectionModel)
            tree.selectionModel.removeSelectedIndexs()
    }

    activeFocusOnTab: true
    Keys.onDeletePressed: tree.removeSelected()

    function expandIndex(sourceIndex) {
        flat.expandTo(sourceIndex)
    }

    ListView {
        id: list
        anchors.fill: parent
        clip: true
        model: flat
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        delegate: Item {
            id: row
            width: list.width
            height: tree.rowHeight
            property var navItem: model.item

            Rectangle {
                anchors.fill: parent
                color: model.selected ? LWTheme.selection
                                      : (hover.containsMouse ? LWTheme.panelRaised : "transparent")
                Rectangle {
                    visible: model.current
                    width: LWTheme.markerWidth
                    height: parent.height
                    color: LWTheme.accent
                }
            }

            MouseArea {
                id: hover
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                drag.target: tree.allowDrag && model.depth >= 0 ? dragProxy : null
                // A row being dragged is not a flick of the list.
                preventStealing: true
                onPressed: {
                    tree.forceActiveFocus()
                    if (mouse.button === Qt.LeftButton)
                        tree.selectRow(model.sourceIndex, mouse.modifiers)
                }
                onClicked: {
                    if (mouse.button === Qt.RightButton) {
                        tree.selectRow(model.sourceIndex, 0)
                        contextMenu.items = row.navItem ? row.navItem.subItems : []
                        contextMenu.target = row.navItem
                        contextMenu.popup()
                    }
                }
                onDoubleClicked: {
                    if (tree.selectionModel && row.navItem)
                        tree.selectionModel.setItemEditing(model.sourceIndex, true)
                }
                onReleased: {
                    if (!dragProxy.Drag.active)
                        return
                    dragProxy.Drag.drop()
                    dragProxy.x = 0
                    dragProxy.y = 0
                }
            }

            Item {
                id: dragProxy
                width: row.width
                height: row.height
                property var sourceIndex: model.sourceIndex
                Drag.active: hover.drag.active
                Drag.hotSpot.x: 20
                Drag.hotSpot.y: height / 2
                Drag.keys: ["lw-tree-row"]
                Rectangle {
                    anchors.fill: parent
                    visible: dragProxy.Drag.active
                    color: LWTheme.dragShadow
                    radius: LWTheme.radiusFine
                }
            }

            // The upper half of a row places the dragged row before it; the
            // lower half puts it into the row when the row takes it (a group,
            // a sticker, also while empty), else before it.
            DropArea {
                id: rowDrop
                anchors.fill: parent
                keys: ["lw-tree-row"]
                readonly property bool into: containsDrag && drag.y > height / 2
                Rectangle {
                    visible: rowDrop.containsDrag && !rowDrop.into
                    anchors.top: parent.top
                    width: parent.width
                    height: LWTheme.markerWidth
                    color: LWTheme.accent
                }
                Rectangle {
                    visible: rowDrop.into
                    anchors.fill: parent
                    color: "transparent"
                    border.color: LWTheme.accent
                    radius: LWTheme.radiusFine
                }
                onDropped: tree.dropRow(drop.source, model.sourceIndex, drop.y > height / 2)
            }

            Row {
                anchors.verticalCenter: parent.verticalCenter
                x: LWTheme.spacingSmall + model.depth * LWTheme.treeIndent
                spacing: LWTheme.spacingSmall

                Text {
                    width: 12
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.hasChildren ? (model.expanded ? "\u25BE" : "\u25B8") : ""
                    color: LWTheme.textDim
                    font.pixelSize: LWTheme.smallSize
                    MouseArea {
                        anchors.fill: parent
                        anchors.margins: -LWTheme.hitSlop
                        enabled: model.hasChildren
                        onClicked: flat.toggleExpanded(index)
                    }
                }
                LWCheck {
                    visible: tree.showCheckBoxes
                    anchors.verticalCenter: parent.verticalCenter
                    checked: row.navItem ? row.navItem.checked : false
                    onToggled: if (row.navItem) row.navItem.checked = !row.navItem.checked
                }
                Image {
                    anchors.verticalCenter: parent.verticalCenter
                    width: LWTheme.iconSize
                    height: LWTheme.iconSize
                    visible: source != ""
                    source: row.navItem ? row.navItem.naviItemIcon : ""
                    sourceSize.width: LWTheme.iconSourceSize
                    sourceSize.height: LWTheme.iconSourceSize
                }
                Text {
                    visible: !(row.navItem && row.navItem.naviItemEditing)
                    anchors.verticalCenter: parent.verticalCenter
                    text: row.navItem ? row.navItem.title : ""
                    color: LWTheme.text
                    font.pixelSize: LWTheme.fontSize
                    elide: Text.ElideRight
                    width: Math.max(40, row.width - x - 60 - model.depth * LWTheme.treeIndent)
                }
                TextField {
                    id: editor
                    visible: row.navItem ? row.navItem.naviItemEditing : false
                    width: Math.max(60, row.width - 110 - model.depth * LWTheme.treeIndent)
                    height: 24
                    text: row.navItem ? row.navItem.title : ""
                    color: LWTheme.text
                    font.pixelSize: LWTheme.fontSize
                    background: Rectangle { color: LWTheme.field; border.color: LWTheme.accent; radius: LWTheme.radiusFine }
                    onVisibleChanged: if (visible) { forceActiveFocus(); selectAll() }
                    onAccepted: finish(true)
                    onActiveFocusChanged: if (!activeFocus && visible) finish(true)
                    Keys.onEscapePressed: finish(false)
                    function finish(keep) {
                        if (!row.navItem)
                            return
                        if (keep && text.length > 0 && text !== row.navItem.title)
                            row.navItem.naviTreeItemRename(text)
                        row.navItem.naviItemEditing = false
                    }
                }
            }

            // The add button some items carry (a sticker adds parts, the
            // makeup adds filters).
            Text {
                anchors.right: parent.right
                anchors.rightMargin: LWTheme.spacingMedium
                anchors.verticalCenter: parent.verticalCenter
                visible: row.navItem ? row.navItem.canAddNaviItem : false
                text: "+"
                color: addArea.containsMouse ? LWTheme.accent : LWTheme.textDim
                font.pixelSize: LWTheme.largeGlyphSize
                MouseArea {
                    id: addArea
                    anchors.fill: parent
                    anchors.margins: -LWTheme.hitSlop
                    hoverEnabled: true
                    onClicked: {
                        var entries = row.navItem.addNaviItems
                        if (entries && entries.length > 0) {
                            contextMenu.items = entries
                            contextMenu.target = row.navItem
                            contextMenu.popup()
                        } else {
                            row.navItem.menuItemAction(row.navItem.addNaviItemAction)
                        }
                    }
                }
            }
        }

        Text {
            anchors.centerIn: parent
            visible: list.count === 0
            text: qsTr("Nothing here yet")
            color: LWTheme.textDim
            font.pixelSize: LWTheme.smallSize
        }
    }

    // Files dropped on a row go to that row: it is selected first (the
    // group an import goes into, the feature a picture is for).
    DropArea {
        anchors.fill: parent
        keys: ["text/uri-list"]
        onDropped: {
            if (!drop.hasUrls)
                return
            tree.selectRowAt(drop.y)
            tree.filesDropped(drop.urls)
        }
    }
    function selectRowAt(y) {
        var row = list.indexAt(0, y + list.contentY)
        if (row >= 0)
            tree.selectRow(flat.sourceIndexAt(row), 0)
    }

    LWNaviContextMenu { id: contextMenu }
}
