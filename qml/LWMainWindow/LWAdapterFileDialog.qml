import QtQuick 2.15
import QtQuick.Dialogs 1.3 as Dialogs

// The file dialog core objects ask for through the controller's adapter:
// it shows the adapter's settings and reports the choice back.
Item {
    id: host
    property var adapter: null

    Dialogs.FileDialog {
        id: dialog
        objectName: "adapterFileDialog"
        title: host.adapter ? host.adapter.title : ""
        folder: host.adapter && host.adapter.directory.toString().length > 0 ? host.adapter.directory : shortcuts.home
        nameFilters: host.adapter && host.adapter.filter.length > 0 ? host.adapter.filter : [qsTr("All files") + " (*)"]
        selectFolder: host.adapter ? host.adapter.selectFolder : false
        selectMultiple: host.adapter ? host.adapter.selectMultiple : false
        modality: host.adapter && host.adapter.modality ? Qt.ApplicationModal : Qt.NonModal
        onAccepted: if (host.adapter) host.adapter.accepted(dialog)
        onRejected: if (host.adapter) host.adapter.rejected(dialog)
    }

    Connections {
        target: host.adapter
        ignoreUnknownSignals: true
        function onOpenDialog() { dialog.open() }
    }
}
