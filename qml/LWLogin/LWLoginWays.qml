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

    // The entries stay the same three items, moved into the order: items
    // made anew for each order would leave the old ones behind until they
    // are collected.
    function arrange() {
        var entries = [wayEntry0, wayEntry1, wayEntry2]
        for (var at = 0; at < order.length; ++at) {
            for (var from = at; from < waysMenu.count; ++from) {
                if (waysMenu.itemAt(from) === entries[order[at]]) {
                    if (from !== at)
                        waysMenu.moveItem(from, at)
                    break
                }
            }
        }
    }
    onOrderChanged: arrange()
    Component.onCompleted: arrange()

    function entryText(way) {
        return names[way] + (way === lastWay && login.loginTypeKnown ? "\t" + qsTr("Last used") : "")
    }

    LWMenu {
        id: waysMenu
        objectName: "loginWaysMenu"
        LWMenuItem {
            id: wayEntry0
            objectName: "loginWay0"
            text: ways.entryText(0)
            onTriggered: ways.open(0)
        }
        LWMenuItem {
            id: wayEntry1
            objectName: "loginWay1"
            text: ways.entryText(1)
            onTriggered: ways.open(1)
        }
        LWMenuItem {
            id: wayEntry2
            objectName: "loginWay2"
            text: ways.entryText(2)
            onTriggered: ways.open(2)
        }
    }

    LWNormalLoginWindow { id: normalWindow }
    LWSSOLoginWindow { id: ssoWindow }
    LWPublicLoginWindow { id: publicWindow }
}
