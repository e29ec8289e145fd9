import QtQuick 2.15
import QtWebEngine 1.10

// The bridge window's view of the publishing service's pages, in a document
// of its own so that the engine's module loads with the first showing. The
// window hands it the web channel that carries "gsBridge".
WebEngineView {
    id: view
    objectName: "bridgeWebView"
    profile: lwLoginBridgeModel.webProfile
    url: lwLoginBridgeModel.i_nowUrl
    userScripts: [
        WebEngineScript {
            name: "qwebchannel"
            sourceUrl: "qrc:///qtwebchannel/qwebchannel.js"
            injectionPoint: WebEngineScript.DocumentCreation
            worldId: WebEngineScript.MainWorld
        }
    ]
    // The bridge is for the publishing service's own pages: no document of
    // another origin is let into this view, whether by a link, a redirect, a
    // frame or a new window. Such pages open in the author's browser instead.
    onUrlChanged: lwLoginBridgeModel.setPageUrl(url)
    // The public sign-in page ends signed in: the editor takes it as its own.
    onLoadingChanged: {
        if (loadRequest.status === WebEngineView.LoadSucceededStatus && loginModel && !loginModel.loginStatus
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
