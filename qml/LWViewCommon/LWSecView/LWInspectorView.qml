import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/LWViewCommon"

// The whole panel (or a nested inspector): its rows in a scrolling column.
Rectangle {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    // Nested inside a list, the height of its rows; as the main panel the
    // window anchors it and the column scrolls.
    height: viewModel ? viewModel.height : 0
    color: viewModel && viewModel.color !== "transparent" ? viewModel.color : "transparent"

    Flickable {
        id: flick
        anchors.fill: parent
        contentWidth: width
        contentHeight: list.height
        interactive: contentHeight > height
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollBar.vertical: ScrollBar { policy: flick.interactive ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff }
        LWListView {
            id: list
            width: flick.width
            viewModel: root.viewModel ? root.viewModel.listViewModel : null
        }
    }
}
