#pragma once

#include "LWQTHttpBase.h"

#include <QImage>
#include <QString>
#include <functional>

// Downloads the icon of an earlier effect and hands the decoded picture on
// under the id it is to be shown by. One download per object, which
// deletes itself once it has reported.
class LWUploadDownloadIcon : public LWQTHttpBase
{
    Q_OBJECT
public:
    // image is null when the download or the decoding failed.
    using Done = std::function<void(const QString &id, const QImage &image)>;

    static constexpr qint64 kIconReplyLimit = 4 * 1024 * 1024;

    LWUploadDownloadIcon(const QString &id, Done done, QObject *parent = nullptr);

    void download(const QUrl &url);

protected:
    void replyHandler(const QByteArray &body, int status) override;

private:
    QString m_id;
    Done m_done;
};
