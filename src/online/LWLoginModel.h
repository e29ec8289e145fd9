#pragma once

#include <QObject>
#include <QString>

// What the sign-in windows bind to: the account form's fields, the web
// views' cookie folder and the sign-in state, and the three ways to sign in
// and out. Created by each window (QML type "LWLoginModel"); the state it
// shows lives in LWLoginManager.
class LWLoginModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString userId READ userId WRITE setUserId NOTIFY userIdChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY passwordChanged)
    Q_PROPERTY(bool flagRemeber READ flagRemeber WRITE setFlagRemeber NOTIFY flagRemeberChanged)
    Q_PROPERTY(QString cookiePath READ cookiePath NOTIFY cookiePathChanged)
    Q_PROPERTY(bool loginStatus READ loginStatus NOTIFY loginStatusChanged)
    // Where the web view windows go, from the configured service addresses.
    Q_PROPERTY(QString ssoSiteUrl READ ssoSiteUrl CONSTANT)
    Q_PROPERTY(QString ssoHost READ ssoHost CONSTANT)
    Q_PROPERTY(QString publicLoginUrl READ publicLoginUrl CONSTANT)
    // "Remember me" kept a session from the last sign-in with the form.
    Q_PROPERTY(bool hasRememberedSession READ hasRememberedSession NOTIFY hasRememberedSessionChanged)
    // The way of the last sign-in (0 account form, 1 single sign-on, 2 the
    // public page): offered first, and the one a sign-out undoes.
    Q_PROPERTY(int loginType READ loginType NOTIFY loginTypeChanged)
    // Whether any sign-in was ever recorded (else loginType is the default).
    Q_PROPERTY(bool loginTypeKnown READ loginTypeKnown NOTIFY loginTypeChanged)

public:
    // Usage event of a sign-out ("gsClickLogout").
    static constexpr int kLogoutEvent = 3001;

    explicit LWLoginModel(QObject *parent = nullptr);

    QString userId() const { return m_userId; }
    void setUserId(const QString &userId);
    QString password() const { return m_password; }
    void setPassword(const QString &password);
    bool flagRemeber() const { return m_remember; }
    void setFlagRemeber(bool remember);
    QString cookiePath() const;
    bool loginStatus() const;
    QString ssoSiteUrl() const;
    QString ssoHost() const;
    QString publicLoginUrl() const;
    bool hasRememberedSession() const;
    int loginType() const;
    bool loginTypeKnown() const;

    Q_INVOKABLE void loginRequest();
    // Signs in with the remembered session; one the service no longer
    // knows is forgotten and the form is needed again. Reports through
    // sigLoginResult only on success.
    Q_INVOKABLE bool resumeRememberedLogin();
    Q_INVOKABLE void ssoLoginCheck();
    Q_INVOKABLE void ssoLoginRecord();
    Q_INVOKABLE void publicLoginRecord();
    Q_INVOKABLE void doLogout();
    Q_INVOKABLE bool isLogin() const { return loginStatus(); }
    // Opens a page of the sign-in site in the author's browser; web
    // addresses only.
    Q_INVOKABLE bool openInBrowser(const QString &url);

signals:
    void sigLoginResult(int p_nResult, QString p_strRet);
    void publicLoginSuccess();
    void userIdChanged();
    void passwordChanged();
    void flagRemeberChanged();
    void cookiePathChanged(QString path);
    void loginStatusChanged();
    void hasRememberedSessionChanged();
    void loginTypeChanged();

private:
    QString m_userId;
    QString m_password;
    bool m_remember = false;
};
