import QtQuick 2.15
import QtQuick.Window 2.15
import QtWebEngine 1.10
import QtWebChannel 1.15
import Glowsmith.Online 1.0
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// The publishing service's pages inside the editor (the upload page
// first). The pages reach the editor through the web channel object
// "gsBridge": the package's size, sending it, opening pages, closing.
Window {
    id: bridgeWin
    objectName: "gsLoginBridgeObj"
    width: 960
    height: 720
    minimumWidth: 720
    minimumHeight: 520
    visible: false
    title: qsTr("Upload effect") + " - Glowsmith"
    color: LWTheme.window

    WebChannel {
        id: channel
        Component.onCompleted: channel.registerObject("gsBridge", lwLoginBridgeModel.webBridge)
    }

    // The upload page sends a signed-out author to the site's own sign-in
    // page; a sign-in there is the editor's too.
    LWLoginModel { id: loginModel }

    Connections {
        target: lwLoginBridgeModel
        function onCloseWindowRequested() { bridgeWin.hide() }
    }

    // The web engine starts with the first showing, not with the program.
    property bool used: false
    onVisibleChanged: {
        if (!visible)
            return
        used = true
        lwLoginBridgeModel.bridgeChange()
        if (viewLoader.item)
            viewLoader.item.reload()
    }

    Loader {
        id: viewLoader
        anchors.fill: parent
        active: bridgeWin.used
        sourceComponent: Component {
            WebEngineView {
                id: view
                objectName: "bridgeWebView"
                profile: lwLoginBridgeModel.webProfile
                webChannel: channel
                url: lwLoginBridgeModel.i_nowUrl
                userScripts: [
                    WebEngineScript {
                        name: "qwebchannel"
                        sourceUrl: "qrc:///qtwebchannel/qwebchannel.js"
                        injectionPoint: WebEngineScript.DocumentCreation
                        worldId: WebEngineScript.MainWorld
                    }
                ]
                // The bridge is for the publishing service's own pages: no
                // document of another origin is let into this view, whether
                // by a link, a redirect, a frame or a new window. Such pages
                // open in the author's browser instead.
                onUrlChanged: lwLoginBridgeModel.setPageUrl(url)
                onLoadingChanged: {
                    if (loadRequest.status === WebEngineView.LoadSucceededStatus && !loginModel.loginStatus
                            && loadRequest.url.toString().indexOf("activity=login") >= 0)
                        loginModel.publicLoginRecord()
                }
                onNavigationRequested: function(request) {
                    if (lwLoginBridgeModel.isOwnPage(request.url))
                        return
                    request.action = WebEngineNavigationRequest.IgnoreRequest
                    if (request.isMainFrame)
                        lwLoginBridgeModel.openOutside(request.url)
                }
                onNewViewRequested: function(request) {
                    // The service's pages that open a new window stay in this one.
                    lwLoginBridgeModel.openPage(request.requestedUrl.toString())
                }
            }
        }
    }
    LWWaitingCover {
        anchors.fill: parent
        visible: viewLoader.status !== Loader.Ready || viewLoader.item.loading
    }
}
