import QtQuick 2.15
import QtQuick.Window 2.15
import QtWebEngine 1.10
import Glowsmith.Online 1.0
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// Sign-in on the publishing service's own page (phone number and code).
// The page tells the editor what happened through its address:
// "activity=login" once signed in, "activity=openBrowse&url=..." to open a
// page in the author's browser.
Window {
    id: publicWin
    objectName: "publicLoginWinObj"
    width: 520
    height: 660
    visible: false
    title: qsTr("Sign in") + " - Glowsmith"
    color: LWTheme.window

    LWLoginModel { id: loginModel }

    onVisibleChanged: {
        if (!visible)
            return
        cover.visible = true
        view.url = loginModel.publicLoginUrl
    }

    function follow(address) {
        if (address.indexOf("activity=login") >= 0) {
            cover.text = qsTr("Signed in. Getting things ready...")
            cover.visible = true
            finishTimer.restart()
        } else if (address.indexOf("activity=openBrowse") >= 0) {
            var at = address.indexOf("&url=")
            if (at >= 0)
                loginModel.openInBrowser(decodeURIComponent(address.substring(at + 5)))
            publicWin.hide()
        }
    }

    WebEngineView {
        id: view
        objectName: "publicWebView"
        anchors.fill: parent
        profile: lwLoginBridgeModel.webProfile
        onLoadingChanged: {
            if (loadRequest.status === WebEngineView.LoadStartedStatus)
                return
            uncoverTimer.restart()
            if (loadRequest.status === WebEngineView.LoadSucceededStatus)
                publicWin.follow(loadRequest.url.toString())
        }
    }
    LWWaitingCover {
        id: cover
        anchors.fill: parent
    }
    Timer {
        id: uncoverTimer
        interval: 200
        onTriggered: if (!finishTimer.running) cover.visible = false
    }
    Timer {
        id: finishTimer
        interval: 12000
        onTriggered: {
            publicWin.hide()
            loginModel.publicLoginRecord()
        }
    }
}
