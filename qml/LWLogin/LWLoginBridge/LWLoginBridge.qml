import QtQuick 2.15
import QtQuick.Window 2.15
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

    // The web engine starts with the first showing, not with the program:
    // the view's document brings the engine's module in, so loading this
    // window with the others does not load the engine's libraries.
    onVisibleChanged: {
        if (!visible)
            return
        lwLoginBridgeModel.bridgeChange()
        if (viewLoader.item)
            viewLoader.item.reload()
        else
            viewLoader.setSource("LWBridgeWebView.qml", {"webChannel": channel})
    }

    Loader {
        id: viewLoader
        anchors.fill: parent
    }
    LWWaitingCover {
        anchors.fill: parent
        visible: viewLoader.status !== Loader.Ready || viewLoader.item.loading
    }
}
