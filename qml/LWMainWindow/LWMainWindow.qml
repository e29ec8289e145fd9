import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Dialogs 1.3 as Dialogs
import "qrc:/LWViewCommon"
import "qrc:/LWViewCommon/LWControls"
import "qrc:/LWUpload"
import "qrc:/LWLogin"
import "qrc:/LWFeedback"
import "qrc:/LWMaterials"
import Glowsmith.Online 1.0
import Glowsmith.App 1.0

// The editor: effect and resource navigators, the scene, the inspector and
// the preview pane, with the menus and the guard that asks before an
// unsaved project is replaced or left.
ApplicationWindow {
    id: mainWin
    objectName: "mainStudioObj"
    x: 50
    y: 60
    width: Math.max(minimumWidth, Screen.width - 100)
    height: Math.max(minimumHeight, Screen.height - 80)
    minimumWidth: 1172
    minimumHeight: 660
    visible: false
    title: (effectPackManager && effectPackManager.projName ? effectPackManager.projName : qsTr("Untitled")) + " - Glowsmith"
    color: LWTheme.window

    readonly property var ctrl: mainWindowController
    readonly property var packs: effectPackManager
    property bool shownOnce: false

    // --- the guard ------------------------------------------------------
    LWSaveGuard {
        id: guard
        objectName: "saveGuard"
        anchors.centerIn: parent
        onPerform: mainWin.perform(operation, param)
        onSaveRequested: mainWin.saveThen(function() { guard.run() }, function() { guard.dropPending() })
    }

    function report(trigger, name) {
        if (typeof beaconProxy !== "undefined" && beaconProxy)
            beaconProxy[trigger](name)
    }

    function perform(operation, param) {
        switch (operation) {
        case LWPendingOperation.None:
            ctrl.forceClose = true
            mainWin.close()
            ctrl.forceClose = false
            break
        case LWPendingOperation.NewProject:
            ctrl.clearProjOnWorkspace()
            packs.createProj()
            report("triggerEntryProjectEvent", "gsCreateNew")
            break
        case LWPendingOperation.NewFromTemplate:
            ctrl.clearProjOnWorkspace()
            packs.createProjFromTemp(param.zip)
            report("triggerEntryProjectEvent", param.usageEvent)
            break
        case LWPendingOperation.OpenProject:
            openDialog.open()
            break
        case LWPendingOperation.OpenRecent:
            openRecent(param)
            break
        case LWPendingOperation.LogOut:
            logoutQuestion.show(qsTr("Do you save the project before exiting?"))
            break
        }
    }

    function openRecent(path) {
        if (packs.projExist(path)) {
            ctrl.clearProjOnWorkspace()
            packs.openProj(path)
        } else {
            message.show(qsTr("The Lumeworks project you want to open does not exist and may have been renamed or deleted."))
        }
    }

    function saveProject() {
        saveThen(function() {}, function() {})
    }

    // Saves the project (a temporary one through the save-as dialog) and
    // goes on with next only when the save succeeded; a failed or cancelled
    // save goes to stopped instead, and the failure's message stays shown.
    property var afterSave: null
    property var afterFailedSave: null
    function saveThen(next, stopped) {
        afterSave = next
        afterFailedSave = stopped
        if (packs.isTmpProj) {
            saveAsDialog.open()
            return
        }
        if (packs.checkCurrentEffect())
            packs.saveProj()
        finishSave(packs.isSaved)
    }
    function finishSave(saved) {
        var next = saved ? afterSave : afterFailedSave
        afterSave = null
        afterFailedSave = null
        if (next)
            next()
    }

    function syncToPhone() {
        if (!packs.checkCurrentEffect())
            return
        if (packs.getFeatureCount() === 0) {
            message.show(qsTr("Please add an effect first"))
            return
        }
        draftWindow.show()
        draftWindow.raise()
        report("triggerServiceEvent", "gsSyncToPhone")
    }

    menuBar: LWMainMenuBar {
        window: mainWin
        guard: guard
    }

    // --- shortcuts --------------------------------------------------------
    Shortcut { sequence: "Ctrl+N"; onActivated: guard.request(LWPendingOperation.NewProject, "") }
    Shortcut { sequence: "Ctrl+O"; onActivated: guard.request(LWPendingOperation.OpenProject, "") }
    Shortcut { sequence: "Ctrl+S"; onActivated: mainWin.saveProject() }
    Shortcut { sequence: "Ctrl+Z"; onActivated: ctrl.onActionUndo() }
    Shortcut { sequence: "Shift+Ctrl+Z"; onActivated: ctrl.onActionRedo() }

    // --- layout -----------------------------------------------------------
    header: LWMainToolbar {
        id: toolbar
        onSubmitClicked: mainWin.submitForReview()
        onUploadPageClicked: mainWin.openUploadPage()
        onSyncClicked: mainWin.syncToPhone()
        onAccountClicked: mainWin.showAccount()
        onFeedbackClicked: {
            feedbackWindow.show()
            feedbackWindow.raise()
        }
        signedIn: login.loginStatus
        onZoomIn: scene.zoomIn()
        onZoomOut: scene.zoomOut()
        zoomPercent: scene.zoomPercent
    }

    SplitView {
        anchors.fill: parent
        orientation: Qt.Horizontal
        handle: Rectangle {
            implicitWidth: LWTheme.hairline
            color: LWTheme.line
        }

        SplitView {
            SplitView.preferredWidth: 280
            SplitView.minimumWidth: 200
            orientation: Qt.Vertical
            handle: Rectangle {
                implicitHeight: LWTheme.hairline
                color: LWTheme.line
            }
            LWEffectNavigator {
                SplitView.fillHeight: true
                SplitView.minimumHeight: 160
            }
            LWResourceNavigator {
                onMaterialsRequested: mainWin.showMaterials()
                SplitView.preferredHeight: parent ? parent.height * 0.45 : 300
                SplitView.minimumHeight: 140
            }
        }

        LWSceneArea {
            id: scene
            SplitView.fillWidth: true
            SplitView.minimumWidth: 320
        }

        LWInspectorPanel {
            SplitView.preferredWidth: ctrl ? ctrl.getInspectorWidth() : LWTheme.inspectorWidth
            SplitView.minimumWidth: 260
        }

        LWPreviewPane {
            SplitView.preferredWidth: collapsed ? 28 : 280
            SplitView.minimumWidth: 28
        }
    }

    // --- dialogs ------------------------------------------------------------
    Dialogs.FileDialog {
        id: openDialog
        title: qsTr("Open project")
        nameFilters: [qsTr("Glowsmith project") + " (*.lwproj)"]
        onAccepted: {
            ctrl.clearProjOnWorkspace()
            packs.openProj(fileUrl.toString())
        }
    }
    Dialogs.FileDialog {
        id: saveAsDialog
        objectName: "saveAsDialog"
        title: qsTr("Save As")
        selectFolder: true
        selectExisting: false
        onAccepted: mainWin.saveAsTo(fileUrl.toString())
        onRejected: mainWin.finishSave(false)
    }
    Dialogs.FileDialog {
        id: exportDialog
        objectName: "exportDialog"
        title: qsTr("Export effect package")
        selectExisting: false
        nameFilters: [qsTr("Effect package") + " (*.zip)"]
        onAccepted: mainWin.exportTo(fileUrl.toString())
    }
    // What the dialogs do once the author picked a place; kept apart so the
    // interface tests can take the same path without a platform dialog.
    function saveAsTo(url) {
        packs.saveProjAs(url)
        finishSave(packs.isSaved)
    }
    function exportTo(url) {
        if (packs.checkCurrentEffect())
            packs.exportEffect(url)
    }
    function exportPackage() { exportDialog.open() }
    function saveAs() { saveAsDialog.open() }

    LWAdapterFileDialog { adapter: ctrl ? ctrl.customFileDialogAdapter : null }
    LWTutorialDialog { adapter: ctrl ? ctrl.customTutorialDialogAdapter : null }

    LWMessageBox {
        id: message
        objectName: "messageBox"
        anchors.centerIn: parent
    }
    LWMessageBox {
        id: recovery
        anchors.centerIn: parent
        text: qsTr("Resume last project?")
        acceptText: qsTr("Recover")
        rejectText: qsTr("Cancle")
        onAccepted: {
            packs.openBackupProj()
            packs.readyToAutoBackupProj()
        }
        onRejected: packs.readyToAutoBackupProj()
    }
    LWOnboardingTour {
        id: tour
        anchors.fill: parent
        onFinished: {
            ctrl.needShowTutorial = false
            mainWin.report("triggerClickTutorial", skipped ? "gsClickTutorialSkip" : "gsClickTutorialFinish")
        }
        onNextClicked: mainWin.report("triggerClickTutorial", "gsClickTutorialNext")
    }
    LWLanguageChangeWindow { id: languageWindow }
    LWUploadDraftWindow { id: draftWindow }
    LWFeedbackWindow { id: feedbackWindow }
    LWMaterialsWindow { id: materialsWindow }
    function showMaterials() {
        materialsWindow.show()
        materialsWindow.raise()
    }
    LWLoginModel { id: login }
    LWLoginWays {
        id: loginWays
        objectName: "loginWays"
    }
    function showAccount() {
        var button = toolbar.accountButton
        if (login.isLogin())
            accountMenu.popup(button, button.width - accountMenu.implicitWidth, button.height + 2)
        else
            loginWays.signInThen(null, button)
    }
    LWMenu {
        id: accountMenu
        objectName: "accountMenu"
        LWMenuItem {
            enabled: false
            text: qsTr("Signed in with: %1").arg(loginWays.names[loginWays.lastWay])
        }
        LWMenuItem {
            text: qsTr("Log out")
            onTriggered: guard.request(LWPendingOperation.LogOut, "")
        }
    }

    // --- uploading ----------------------------------------------------------
    // Both ways up need an account; the package goes to the texture
    // compression first when it is over the service's limit.
    function submitForReview() {
        report("triggerServiceEvent", "gsClickUploadEffect")
        loginWays.signInThen(function() {
            if (!ctrl.packageFitsUpload())
                return
            uploadWindow.hide()
            choiceWindow.show()
            choiceWindow.raise()
        }, toolbar.uploadButton)
    }
    function openUploadPage() {
        report("triggerServiceEvent", "gsClickUploadEffect")
        loginWays.signInThen(function() { ctrl.showLoginWindow("upload") }, toolbar.uploadButton)
    }
    LWUploadEffectChoiceWindow {
        id: choiceWindow
        onChosen: {
            uploadWindow.target = index
            uploadWindow.targetName = index >= 0 ? choiceWindow.model.effectName[index] : ""
            uploadWindow.show()
            uploadWindow.raise()
        }
    }
    LWUploadEffectWindow {
        id: uploadWindow
        onChooseEarlierEffect: {
            uploadWindow.hide()
            choiceWindow.show()
            choiceWindow.raise()
        }
    }
    // The latest phone draft's code at hand once the phone window is closed.
    LWUploadDraftPopup {
        id: draftPopup
        objectName: "draftPopup"
        property bool wanted: false
        z: 20
        visible: wanted && !draftWindow.visible && code.length > 0
        // In the scene's top right corner, clear of the panels' controls
        // (the split view fills the window, so its children's places are
        // the window's).
        x: scene.x + scene.width - width - LWTheme.spacingLoose
        y: LWTheme.spacingLoose
    }
    Connections {
        target: lwDraftUploadEffectModel
        ignoreUnknownSignals: true
        function onDraftUploadResult(p_type, p_strRet) {
            if (p_type === 0)
                draftPopup.wanted = true
        }
    }

    Connections {
        target: ctrl
        ignoreUnknownSignals: true
        function onCheckFeatureCountsModelChanged() {
            message.show(qsTr("Effects such as filters and leg deformations can only be effective one. Please remove unwanted filters."),
                         qsTr("Confirm"))
        }
        function onAuthorMessage(text) { message.show(text, qsTr("OK")) }
        function onAccountOverDueSignal() {
            accountOverDue.show(qsTr("Whether to save the current project"))
        }
    }
    Connections {
        target: packs
        ignoreUnknownSignals: true
        function onPackageProblem(messageText) { message.show(messageText) }
        function onEffectExported(path) { exportNotice.show(path) }
    }
    LWExportNotice {
        id: exportNotice
        z: 10
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: LWTheme.spacingLoose
        onShowInFolder: if (ctrl) ctrl.showInFolder(path)
    }
    LWMessageBox {
        id: logoutQuestion
        anchors.centerIn: parent
        acceptText: qsTr("Save")
        rejectText: qsTr("Not Save")
        // Logging out restarts the program: only after the save is done.
        onAccepted: mainWin.saveThen(function() { login.doLogout() }, function() {})
        onRejected: login.doLogout()
    }
    LWMessageBox {
        id: accountOverDue
        anchors.centerIn: parent
        title: qsTr("The account will log in on other machines and will exit.")
        acceptText: qsTr("OK")
        rejectText: qsTr("Cancel")
        onAccepted: saveAsDialog.open()
        onRejected: login.doLogout()
    }

    onVisibleChanged: {
        if (visible) {
            ctrl.setWindowStyle(objectName)
            if (!shownOnce) {
                shownOnce = true
                if (packs.lastCrashFlag)
                    recovery.show(qsTr("Resume last project?"))
                else
                    packs.readyToAutoBackupProj()
            }
            if (ctrl.needShowTutorial)
                tour.start()
        } else {
            ctrl.clearProjOnWorkspace()
        }
    }

    onClosing: {
        if (ctrl.forceClose) {
            leave()
            return
        }
        close.accepted = false
        guard.request(LWPendingOperation.None, "")
    }

    function leave() {
        report("triggerLeaveProject", "gsClickClose")
        accountMenu.close()
        loginWays.closeAll()
        draftWindow.close()
        draftPopup.expanded = false
        draftPopup.wanted = false
        choiceWindow.close()
        uploadWindow.close()
        feedbackWindow.close()
        materialsWindow.close()
        ctrl.onClosingMainWindow()
        ctrl.showHomeWindow()
    }
}
