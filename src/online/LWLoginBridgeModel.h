#pragma once

#include <QJsonObject>
#include <QList>
#include <QNetworkCookie>
#include <QObject>
#include <QString>
#include <QUrl>

class QQmlEngine;
class LWUploadEffectFile;
class LWWebBridge;

// The bridge window ("gsLoginBridgeObj"): a web view on the publishing
// service's pages, and the web channel object "gsBridge" through which the
// upload page measures and sends the effect package. Published to the
// interface as "lwLoginBridgeModel".
class LWLoginBridgeModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString i_nowUrl READ i_nowUrl WRITE setI_nowUrl NOTIFY i_nowUrlChanged)
    Q_PROPERTY(QString i_zipPath READ i_zipPath NOTIFY i_zipPathChanged)
    Q_PROPERTY(qint64 i_zipSize READ i_zipSize NOTIFY i_zipSizeChanged)
    Q_PROPERTY(bool closeWindowAfterOpenBrowser READ closeWindowAfterOpenBrowser WRITE setCloseWindowAfterOpenBrowser
                   NOTIFY closeWindowAfterOpenBrowserChanged)
    Q_PROPERTY(QObject *webBridge READ webBridge CONSTANT)
    Q_PROPERTY(QString cookiePath READ cookiePath CONSTANT)
    // The one web profile of the sign-in and bridge windows: persistent
    // cookies in cookiePath, shared so that a sign-in in one window holds
    // in the others. Created on first use (the web engine must be running).
    Q_PROPERTY(QObject *webProfile READ webProfile CONSTANT)

public:
    static constexpr char kWindowName[] = "gsLoginBridgeObj";

    // The one the interface uses; tests may make their own.
    static LWLoginBridgeModel *instance();
    explicit LWLoginBridgeModel(QObject *parent = nullptr);

    // Uploading starts with the package: one over the service's limit goes
    // to the texture compression first.
    static bool needsCompression(const QString &packagePath);

    QString i_nowUrl() const { return m_nowUrl; }
    void setI_nowUrl(const QString &url);
    QString i_zipPath() const { return m_zipPath; }
    qint64 i_zipSize() const { return m_zipSize; }
    bool closeWindowAfterOpenBrowser() const { return m_closeAfterBrowser; }
    void setCloseWindowAfterOpenBrowser(bool close);
    QObject *webBridge() const;
    QString cookiePath() const;
    QObject *webProfile();

    // The address the bridge view shows; the bridge serves its page only
    // while it is of the publishing service's own origin.
    Q_INVOKABLE void setPageUrl(const QUrl &url);
    QUrl pageUrl() const { return m_pageUrl; }
    bool pageTrusted() const;
    // Whether the bridge view may show this address; every other one goes
    // to the author's browser.
    Q_INVOKABLE bool isOwnPage(const QUrl &url) const;
    // A page the author asked for: in the bridge view when it is the
    // service's own, else in the author's browser.
    Q_INVOKABLE void openPage(const QString &url);
    Q_INVOKABLE void openOutside(const QUrl &url);

    // The web views' cookies as they are now, for the editor's own requests
    // that go as the web views' account (the submission, the list of
    // earlier effects): the live store once the web engine runs, since its
    // file is written only when the engine gets round to it; before that,
    // what the store left on disk.
    QList<QNetworkCookie> currentWebCookies() const;

    Q_INVOKABLE void bridgeChange();
    Q_INVOKABLE void showWindow(QString p_window);
    Q_INVOKABLE QJsonObject uploadLocalEffect();
    Q_INVOKABLE QJsonObject getPackageInfo();

signals:
    void i_nowUrlChanged();
    void i_zipPathChanged();
    void i_zipSizeChanged();
    void closeWindowAfterOpenBrowserChanged();
    // The page asked to close the window.
    void closeWindowRequested();

private:
    static QJsonObject failure(const char *code);

    QString m_nowUrl;
    QUrl m_pageUrl;
    QString m_zipPath;
    qint64 m_zipSize = 0;
    bool m_closeAfterBrowser = true;
    LWWebBridge *m_bridge;      // owned (QObject child)
    LWUploadEffectFile *m_file; // owned (QObject child)
    QObject *m_profile = nullptr; // owned (QObject child); its cookies are LWWebSession's
    QQmlEngine *m_profileEngine = nullptr; // owned (QObject child): makes the profile when no window has an engine
};
