#pragma once

#include <QNetworkReply>
#include <QObject>
#include <QPointer>

class QNetworkAccessManager;

// Sends a built package to the preview receiver on a phone in the local
// network: one multipart POST to "http://<address>/upload".
class LWPhonePreviewSender : public QObject
{
    Q_OBJECT
public:
    explicit LWPhonePreviewSender(QObject *parent = nullptr);
    ~LWPhonePreviewSender() override;

    // address: an IP address or host name, optionally with ":port".
    // Returns false when the package cannot be read or the address is
    // empty; otherwise the upload runs and finished() follows.
    bool send(const QString &packagePath, const QString &address);
    bool isSending() const { return !m_reply.isNull(); }

public slots:
    void onUpLoadError(QNetworkReply::NetworkError errorCode);
    void onUploadProgress(qlonglong bytesSent, qlonglong bytesTotal);

signals:
    void finished(bool ok, QString message);
    void progress(qlonglong bytesSent, qlonglong bytesTotal);

private:
    QNetworkAccessManager *m_network;      // owned (QObject child)
    QPointer<QNetworkReply> m_reply;       // owned by the network manager
};
