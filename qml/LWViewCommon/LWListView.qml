import QtQuick 2.15

// The rows of a section: each row's node names the document that draws it.
Item {
    id: root
    property QtObject viewModel: null

    width: parent ? parent.width : LWTheme.inspectorWidth
    height: viewModel ? viewModel.height : 0

    Column {
        width: root.width
        Repeater {
            model: root.viewModel ? root.viewModel.listModel : null
            delegate: Loader {
                width: root.width
                height: rowModel ? rowModel.height : 0
                Component.onCompleted: {
                    if (rowModel && rowModel.qmlPath.length > 0)
                        setSource(rowModel.qmlPath, { "viewModel": rowModel })
                }
            }
        }
    }
}
