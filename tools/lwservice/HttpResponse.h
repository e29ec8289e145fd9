#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>

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

    // {"status_code": 0, "message": "success", "data": data}
    static HttpResponse ok(const QJsonValue &data = QJsonValue());
    // {"status_code": code, "message": message} with the given HTTP status.
    static HttpResponse failure(int httpStatus, int code, const QString &message);
    static HttpResponse json(const QJsonObject &object, int httpStatus = 200);
    static HttpResponse html(const QByteArray &page);
    static HttpResponse redirect(const QString &location);
    static HttpResponse file(const QString &path, const QByteArray &contentType);
    static HttpResponse resource(const QString &resourcePath); // a page or script of the tool

    void setHeader(const QByteArray &name, const QByteArray &value);
    void addHeader(const QByteArray &name, const QByteArray &value);
    QByteArray header(const QByteArray &name) const;

    static QByteArray reasonPhrase(int status);
    static QByteArray contentTypeFor(const QString &fileName);
};
