import QtQuick 2.15
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

    function entryText(way) {
        return names[way] + (way === lastWay && login.loginTypeKnown ? "\t" + qsTr("Last used") : "")
    }

    // Three fixed places, each showing the way the order puts there: the
    // menu's own items are neither made anew nor moved when it changes.
    LWMenu {
        id: waysMenu
        objectName: "loginWaysMenu"
        LWMenuItem {
            text: ways.entryText(ways.order[0])
            onTriggered: ways.open(ways.order[0])
        }
        LWMenuItem {
            text: ways.entryText(ways.order[1])
            onTriggered: ways.open(ways.order[1])
        }
        LWMenuItem {
            text: ways.entryText(ways.order[2])
            onTriggered: ways.open(ways.order[2])
        }
    }

    LWNormalLoginWindow { id: normalWindow }
    LWSSOLoginWindow { id: ssoWindow }
    LWPublicLoginWindow { id: publicWindow }
}
