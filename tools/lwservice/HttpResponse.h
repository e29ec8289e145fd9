#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <memory>

class DeferredReply;

// A reply before it is written: status, headers and either an in-memory
// body or a file that the connection streams.
class HttpResponse
{
public:
    int status = 200;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    QString filePath; // when set, the body is streamed from this file
    bool close = false;
    // Set by a handler whose reply is worked out off the serving thread;
    // the connection waits for it and sends what it resolves to.
    std::shared_ptr<DeferredReply> deferred;

    // {"status_code": 0, "message": "success", "data": data}
    static HttpResponse ok(const QJsonValue &data = QJsonValue());
    // {"status_code": code, "message": message} with the given HTTP status.
    static HttpResponse failure(int httpStatus, int code, const QString &message);
    static HttpResponse json(const QJsonObject &object, int httpStatus = 200);
    static HttpResponse html(const QByteArray &page);
    static HttpResponse redirect(const QString &location);
    static HttpResponse file(const QString &path, const QByteArray &contentType);
    static HttpResponse resource(const QString &resourcePath); // a page or script of the tool
    static HttpResponse later(std::shared_ptr<DeferredReply> deferred);

    void setHeader(const QByteArray &name, const QByteArray &value);
    void addHeader(const QByteArray &name, const QByteArray &value);
    QByteArray header(const QByteArray &name) const;

    static QByteArray reasonPhrase(int status);
    static QByteArray contentTypeFor(const QString &fileName);
};

// A reply still being worked out. Resolved once, on the serving thread.
class DeferredReply : public QObject
{
    Q_OBJECT
public:
    void resolve(const HttpResponse &response);
    bool isResolved() const { return m_resolved; }
    HttpResponse response() const { return m_response; }

signals:
    void resolved();

private:
    HttpResponse m_response;
    bool m_resolved = false;
};
