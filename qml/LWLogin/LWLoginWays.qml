import QtQuick 2.15
import QtQml 2.15
import QtQuick.Window 2.15
import Glowsmith.Online 1.0
import "qrc:/LWViewCommon/LWControls"

// The three ways to sign in, offered wherever the editor needs an account:
// the account form, the company's single sign-on and the publishing site's
// phone page, the way of the last sign-in first. What asked for the
// sign-in goes on once it is done.
Item {
    id: ways

    readonly property bool signedIn: login.loginStatus
    readonly property int lastWay: login.loginType >= 0 && login.loginType <= 2 ? login.loginType : 0
    readonly property var names: [qsTr("Account and password"), qsTr("Company sign-on"), qsTr("Phone number")]
    // Menu order: the remembered way, then the others in their usual order.
    readonly property var order: {
        var list = [lastWay]
        for (var way = 0; way < 3; ++way) {
            if (way !== lastWay)
                list.push(way)
        }
        return list
    }
    // Runs once signed in; a new request replaces one the author left.
    property var pending: null

    // Signed in: next runs at once. Otherwise the ways are offered, below
    // the control that asked (at the pointer without one), and next waits
    // for the sign-in.
    function signInThen(next, control) {
        if (login.isLogin()) {
            pending = null
            if (next)
                next()
            return
        }
        pending = next || null
        if (control) {
            // Kept inside the window: right-aligned under a control on its right.
            var window = control.Window.window
            var right = window && control.mapToItem(null, 0, 0).x > window.width / 2
            waysMenu.popup(control, right ? control.width - waysMenu.implicitWidth : 0, control.height + 2)
        } else {
            waysMenu.popup()
        }
    }

    function open(way) {
        var window = way === 1 ? ssoWindow : (way === 2 ? publicWindow : normalWindow)
        window.show()
        window.raise()
        window.requestActivate()
    }

    function closeAll() {
        waysMenu.close()
        normalWindow.close()
        ssoWindow.close()
        publicWindow.close()
    }

    onSignedInChanged: {
        if (!signedIn || !pending)
            return
        var next = pending
        pending = null
        next()
    }

    LWLoginModel { id: login }

    LWMenu {
        id: waysMenu
        objectName: "loginWaysMenu"
        Instantiator {
            model: ways.order
            delegate: LWMenuItem {
                objectName: "loginWay" + modelData
                text: ways.names[modelData] + (index === 0 && login.loginTypeKnown ? "\t" + qsTr("Last used") : "")
                onTriggered: ways.open(modelData)
            }
            onObjectAdded: waysMenu.insertItem(index, object)
            onObjectRemoved: waysMenu.removeItem(object)
        }
    }

    LWNormalLoginWindow { id: normalWindow }
    LWSSOLoginWindow { id: ssoWindow }
    LWPublicLoginWindow { id: publicWindow }
}
