#pragma once

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Downloads the installer into a file, writing the bytes as they arrive,
// and tells whether the whole body came. A transfer on which nothing moves
// for a while is given up; a failed or cancelled one leaves no file.
class LWDownloadModel : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDefaultIdleLimitMs = 30000;

    explicit LWDownloadModel(QObject *parent = nullptr);
    ~LWDownloadModel() override;

    // Replaces any download in progress. Returns false when the target
    // cannot be written.
    bool start(const QUrl &url, const QString &targetPath);
    void cancel();
    bool isRunning() const { return !m_reply.isNull(); }
    QString targetPath() const { return m_file.fileName(); }
    void setIdleLimit(int ms) { m_idleLimitMs = ms; }

signals:
    void progress(qint64 received, qint64 total);
    // complete: every announced byte arrived without error and is on disk.
    void finished(bool complete);

public slots:
    void downloadReadyRead();
    void downloadFinished();

private:
    void stopReply();

    QNetworkAccessManager *m_manager; // owned (QObject child)
    QFile m_file;
    QUrl m_url;
    QPointer<QNetworkReply> m_reply;  // owned by the access manager
    QTimer m_idle;
    int m_idleLimitMs = kDefaultIdleLimitMs;
    bool m_writeFailed = false;
    qint64 m_received = 0;
};
