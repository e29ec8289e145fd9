import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import Glowsmith.Online 1.0
import "qrc:/LWViewCommon"
import "qrc:/LWLogin/LWOnlineControls"

// Sign-in with an account name and password of the account service.
Window {
    id: loginWin
    objectName: "normalLoginWinObj"
    width: 420
    height: 500
    minimumWidth: 380
    minimumHeight: 460
    visible: false
    title: qsTr("Sign in") + " - Glowsmith"
    color: LWTheme.window

    property bool busy: false

    LWLoginModel { id: loginModel }

    function signIn() {
        if (busy)
            return
        busy = true
        loginModel.userId = nameField.text.trim()
        loginModel.password = passwordField.text
        loginModel.flagRemeber = remember.checked
        loginModel.loginRequest()
    }

    // "Remember me" signs in with the kept session; the form is for when
    // there is none or the service has ended it.
    onVisibleChanged: {
        if (visible && !busy && loginModel.hasRememberedSession)
            Qt.callLater(resume)
    }
    // Once the showing is done: a window hidden while it is being shown
    // stays on screen.
    function resume() {
        if (busy || !visible)
            return
        busy = true
        if (!loginModel.resumeRememberedLogin())
            busy = false
    }

    Connections {
        target: loginModel
        function onSigLoginResult(p_nResult, p_strRet) {
            loginWin.busy = false
            if (p_nResult === 0) {
                // The password has done its work: the form keeps none.
                passwordField.text = ""
                loginModel.password = ""
                loginWin.hide()
                mainWindowController.showMainWindow()
                return
            }
            failure.text = p_strRet.length > 0 ? p_strRet : qsTr("The sign-in did not succeed. Please try again.")
            failure.open()
        }
    }

    LWOnlineHeader {
        id: header
        width: parent.width
        title: qsTr("Sign in to Glowsmith")
        subtitle: qsTr("Use your publishing account to upload effects")
    }

    Column {
        anchors.top: header.bottom
        anchors.topMargin: LWTheme.contentTopMargin
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 72
        spacing: LWTheme.spacingSection

        LWOnlineField {
            id: nameField
            objectName: "loginUserField"
            width: parent.width
            label: qsTr("Account")
            placeholder: qsTr("Account name")
            text: loginModel.userId
            maximumLength: 100
            onAccepted: passwordField.input.forceActiveFocus()
        }
        LWOnlineField {
            id: passwordField
            objectName: "loginPasswordField"
            width: parent.width
            label: qsTr("Password")
            placeholder: qsTr("Password")
            echoMode: TextInput.Password
            text: loginModel.password
            onAccepted: loginWin.signIn()
        }
        Row {
            spacing: LWTheme.spacing
            Rectangle {
                id: remember
                property bool checked: loginModel.flagRemeber
                width: 18
                height: 18
                radius: LWTheme.radius
                anchors.verticalCenter: parent.verticalCenter
                color: checked ? LWTheme.accent : "transparent"
                border.width: checked ? 0 : 1
                border.color: LWTheme.line
                Text {
                    anchors.centerIn: parent
                    text: "\u2713"
                    visible: remember.checked
                    color: LWTheme.textOnAccent
                    font.pixelSize: LWTheme.fontSize
                    font.bold: true
                }
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: remember.checked = !remember.checked
                }
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Remember me on this computer")
                color: LWTheme.textDim
                font.pixelSize: LWTheme.fontSize
            }
        }
        LWOnlineButton {
            width: parent.width
            text: loginWin.busy ? qsTr("Signing in...") : qsTr("Sign in")
            enabled: !loginWin.busy && nameField.text.trim().length > 0 && passwordField.text.length > 0
            onClicked: loginWin.signIn()
        }
    }

    Text {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: LWTheme.spacingSection
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("Your sign-in is checked again every few minutes.")
        color: LWTheme.textFaint
        font.pixelSize: LWTheme.smallSize
    }

    Dialog {
        id: failure
        property alias text: failureText.text
        title: "登陆失败"
        modal: true
        anchors.centerIn: parent
        width: parent.width - 64
        standardButtons: Dialog.Ok
        background: Rectangle { color: LWTheme.panelRaised; radius: LWTheme.radiusCard; border.color: LWTheme.line }
        header: Text {
            text: failure.title
            color: LWTheme.text
            font.pixelSize: LWTheme.headingSize
            font.bold: true
            padding: LWTheme.spacingLoose
        }
        Text {
            id: failureText
            width: parent.width
            wrapMode: Text.Wrap
            textFormat: Text.PlainText
            color: LWTheme.text
            font.pixelSize: LWTheme.fontSize
        }
    }
}
