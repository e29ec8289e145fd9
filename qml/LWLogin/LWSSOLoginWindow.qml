import QtQuick 2.15
import QtQuick.Window 2.15
import QtWebEngine 1.10
import Glowsmith.Online 1.0
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// Single sign-on: the enterprise service's own pages in a web view. Its
// signed-in page lies under "/effect" on the enterprise host; reaching it
// is the sign-in.
Window {
    id: ssoWin
    objectName: "ssoLoginWinObj"
    width: 520
    height: 640
    visible: false
    title: qsTr("Company sign-on") + " - Glowsmith"
    color: LWTheme.window

    LWLoginModel { id: loginModel }

    onVisibleChanged: if (visible) view.url = loginModel.ssoSiteUrl

    WebEngineView {
        id: view
        objectName: "ssoWebView"
        anchors.fill: parent
        profile: lwLoginBridgeModel.webProfile
        onLoadingChanged: {
            if (loadRequest.status !== WebEngineView.LoadSucceededStatus)
                return
            if (loadRequest.url.toString().indexOf(loginModel.ssoHost + "/effect") < 0)
                return
            // Signed in: the window has done its work.
            loginModel.ssoLoginRecord()
            ssoWin.hide()
        }
    }
    LWWaitingCover {
        anchors.fill: parent
        visible: view.loading
    }
}
