import QtQuick 2.15
import "qrc:/LWViewCommon"

// The pop-up list of a particle system's colours.
Rectangle {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : 280
    height: viewModel ? viewModel.height : 0
    color: viewModel ? viewModel.color : "transparent"

    LWListView {
        width: parent.width
        viewModel: root.viewModel ? root.viewModel.listViewModel : null
    }
}
