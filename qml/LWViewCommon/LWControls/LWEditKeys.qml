import QtQuick 2.15

// Ctrl+Z and Ctrl+Shift+Z typed inside an editor undo and redo the
// project, not the editor's text.
QtObject {
    function handle(event) {
        if (!(event.modifiers & Qt.ControlModifier) || event.key !== Qt.Key_Z)
            return false
        if (typeof mainWindowController !== "undefined" && mainWindowController) {
            if (event.modifiers & Qt.ShiftModifier)
                mainWindowController.onActionRedo()
            else
                mainWindowController.onActionUndo()
        }
        event.accepted = true
        return true
    }
}
