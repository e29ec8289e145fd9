#pragma once

#include <QList>
#include <QNetworkRequest>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>

class LWNetworkcookieJar;
class QHttpMultiPart;
class QNetworkAccessManager;
class QNetworkReply;
class QUrl;

// Base of every request to the online services: one access manager and one
// request object per service object, common headers, asynchronous requests
// and synchronous ones with a time limit, and the web view's sign-in
// cookies. The concrete class gets (body, HTTP status) in replyHandler.
class LWQTHttpBase : public QObject
{
    Q_OBJECT
public:
    using Parameters = QList<QPair<QString, QString>>;

    static constexpr int kStatusTimedOut = -1;
    static constexpr int kStatusCancelled = -2;
    // A reply larger than this is cut off and handled as an empty body.
    static constexpr qint64 kDefaultReplyLimit = 16 * 1024 * 1024;

    explicit LWQTHttpBase(QObject *parent = nullptr);
    ~LWQTHttpBase() override;

    void getAsync(const QUrl &url);
    void postAsync(const QUrl &url, const QByteArray &body);
    void postAsync(const QUrl &url, QHttpMultiPart *multiPart); // takes ownership

    // Spin a nested event loop until the reply or the time limit; the
    // handler has run when these return.
    void getSync(const QUrl &url, int timeLimitMs);
    void postSync(const QUrl &url, const QByteArray &body, int timeLimitMs);
    void postSync(const QUrl &url, QHttpMultiPart *multiPart, int timeLimitMs); // takes ownership

    // Loads the web view's cookie store into this object's cookie jar.
    void loadBrowserCookies(const QString &databasePath, bool onlyIfNotLoaded);
    bool cookiesLoaded() const { return m_cookiesLoaded; }
    LWNetworkcookieJar *cookieJar() const { return m_cookieJar; }

    // Aborts the requests in flight; their handler sees kStatusCancelled.
    void cancelRunning();
    bool isRunning() const;
    void setReplyLimit(qint64 bytes) { m_replyLimit = bytes; }
    // Aborts a request on which nothing has moved for this long; its handler
    // sees kStatusTimedOut. 0 (the default) waits for ever.
    void setIdleLimit(int ms) { m_idleLimitMs = ms; }

    // "key=value&key=value": the form body and query text of the account
    // requests. Keys and values are percent-encoded so that "&", "=", "+"
    // or "%" in an account name cannot change the parameters.
    static QString joinParameters(const Parameters &parameters);

public slots:
    void serviceFinished(QNetworkReply *p_reply);

protected:
    // status: the HTTP status, 0 without one, kStatusTimedOut or kStatusCancelled.
    virtual void replyHandler(const QByteArray &body, int status) = 0;
    virtual void setupHeaders();

    QNetworkRequest &request() { return m_request; }

private:
    void prepare(const QUrl &url);
    QNetworkRequest multipartRequest() const;
    QNetworkReply *track(QNetworkReply *reply);
    void watchIdle(QNetworkReply *reply);
    void watchAsync(QNetworkReply *reply);
    void waitFor(QNetworkReply *reply, int timeLimitMs);

    bool m_cookiesLoaded = false;
    bool m_headersReady = false;
    qint64 m_replyLimit = kDefaultReplyLimit;
    int m_idleLimitMs = 0;
    LWNetworkcookieJar *m_cookieJar = nullptr;  // owned by the access manager once set
    QNetworkRequest m_request;
    QNetworkAccessManager *m_manager;           // owned (QObject child)
    QList<QPointer<QNetworkReply>> m_running;   // owned by the access manager
};
