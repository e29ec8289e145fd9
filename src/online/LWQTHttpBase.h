#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkRequest>
#include <QObject>
#include <QPair>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class LWNetworkcookieJar;
class QHttpMultiPart;
class QNetworkAccessManager;
class QNetworkCookie;
class QNetworkReply;
class QUrl;

// What a request comes back with.
struct LWHttpReply
{
    // The HTTP status; 0 when there is none (no connection, connection
    // dropped), LWQTHttpBase::kStatusTimedOut or kStatusCancelled.
    int status = 0;
    // The body as the service sent it, also with an HTTP error status.
    // Empty when the transfer failed, was cut off, went over the size
    // limit, or was handed to a sink as it arrived.
    QByteArray body;
    // Every byte of the body arrived (and a sink took all of it).
    bool whole = false;
};

// The client of the online services, held by every online model (one per
// kind of request, so that cancelling one kind leaves the others). All
// clients of a thread share that thread's access manager; each keeps its
// own headers, its own cookie jar (with the web view's sign-in cookies once
// loaded) and limits on what a reply may cost: bytes, time and silence.
// Requests complete through a callback. The synchronous forms serve the
// requests whose caller needs the answer before it returns: they spin a
// nested event loop, so the interface keeps running meanwhile.
class LWQTHttpBase : public QObject
{
    Q_OBJECT
public:
    using Parameters = QList<QPair<QString, QString>>;
    // Runs once per request, also for time-outs, cancellations and
    // failures; never after the client is gone.
    using Done = std::function<void(const LWHttpReply &reply)>;
    // Takes the body of a fetch as it arrives; false stops the transfer.
    using Sink = std::function<bool(const QByteArray &chunk)>;
    // Bytes received so far and the announced total, -1 when unknown.
    using Progress = std::function<void(qint64 received, qint64 total)>;

    static constexpr int kStatusTimedOut = -1;
    static constexpr int kStatusCancelled = -2;
    // A reply larger than this is dropped and handled as an empty body.
    static constexpr qint64 kDefaultReplyLimit = 16 * 1024 * 1024;
    // A request on which nothing has moved for this long is given up: a
    // service that stops sending without closing would otherwise hold it,
    // and the connection it occupies, for ever.
    static constexpr int kDefaultIdleLimitMs = 30000;

    explicit LWQTHttpBase(QObject *parent = nullptr);
    ~LWQTHttpBase() override; // aborts what is still running, without callbacks

    // Requests carry "User-Agent: Brightfold" and the form content type
    // until changed here; an empty value removes the header.
    void setRawHeader(const QByteArray &name, const QByteArray &value);

    void get(const QUrl &url, Done done);
    void post(const QUrl &url, const QByteArray &body, Done done);
    void post(const QUrl &url, QHttpMultiPart *multiPart, Done done); // takes ownership
    // A GET whose body goes to sink as it arrives (kept for the reply when
    // sink is empty), with optional progress.
    void fetch(const QUrl &url, Sink sink, Progress progress, Done done);

    // Waits up to timeLimitMs; a reply that comes later is aborted unseen
    // and the result has kStatusTimedOut.
    LWHttpReply getSync(const QUrl &url, int timeLimitMs);
    LWHttpReply postSync(const QUrl &url, const QByteArray &body, int timeLimitMs);
    LWHttpReply postSync(const QUrl &url, QHttpMultiPart *multiPart, int timeLimitMs); // takes ownership

    // Loads the web view's cookie store into this client's cookie jar.
    void loadBrowserCookies(const QString &databasePath, bool onlyIfNotLoaded);
    // The same from cookies already at hand (the web view's live store).
    void setBrowserCookies(const QList<QNetworkCookie> &cookies);
    bool cookiesLoaded() const { return m_cookiesLoaded; }
    // Null until cookies were loaded or a reply set one.
    LWNetworkcookieJar *cookieJar() const { return m_cookieJar; }

    // Aborts the requests in flight; their callbacks see kStatusCancelled.
    void cancelRunning();
    bool isRunning() const { return !m_calls.empty(); }

    void setReplyLimit(qint64 bytes) { m_replyLimit = bytes; }
    // Whole-request limit of the asynchronous forms; 0 (the default): none.
    void setTimeLimit(int ms) { m_timeLimitMs = ms; }
    // 0: wait for ever.
    void setIdleLimit(int ms) { m_idleLimitMs = ms; }
    // Redirects to addresses at least as safe (never https to http).
    void setFollowRedirects(bool follow) { m_followRedirects = follow; }

    // "key=value&key=value": the form body and query text of the account
    // requests. Keys and values are percent-encoded so that "&", "=", "+"
    // or "%" in an account name cannot change the parameters.
    static QString joinParameters(const Parameters &parameters);

    // The access manager of the calling thread, created on first use.
    static QNetworkAccessManager *threadManager();
    // Replaces the calling thread's manager (taking ownership) before any
    // request: for harnesses that answer requests themselves.
    static void installThreadManager(QNetworkAccessManager *manager);

public slots:
    // Completes the reply of one of this client's requests.
    void serviceFinished(QNetworkReply *p_reply);

private:
    enum class Stop { None, Cancelled, TimedOut, Oversize, SinkRefused };
    struct Call;

    QNetworkRequest requestFor(const QUrl &url, bool multipart) const;
    std::shared_ptr<Call> track(QNetworkReply *reply, int timeLimitMs, Done done, Sink sink = Sink(),
                                Progress progress = Progress());
    void watchLimits(const std::shared_ptr<Call> &call, int timeLimitMs);
    void readArrived(Call &call);
    void stop(Call &call, Stop why);
    LWHttpReply complete(Call &call);
    void keepCookies(QNetworkReply *reply);
    LWNetworkcookieJar *jar();
    LWHttpReply wait(const std::function<std::shared_ptr<Call>(Done)> &start);

    bool m_cookiesLoaded = false;
    bool m_followRedirects = false;
    qint64 m_replyLimit = kDefaultReplyLimit;
    int m_timeLimitMs = 0;
    int m_idleLimitMs = kDefaultIdleLimitMs;
    LWNetworkcookieJar *m_cookieJar = nullptr; // owned (QObject child)
    QNetworkRequest m_request;                 // headers of every request
    std::vector<std::shared_ptr<Call>> m_calls; // in flight
};
