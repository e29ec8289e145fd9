#pragma once

#include "LWQTHttpBase.h"

#include <QImage>
#include <functional>

// Downloads the picture of one feedback record. One download per object,
// which deletes itself once it has reported.
class LWFeedBackDownloadImage : public LWQTHttpBase
{
    Q_OBJECT
public:
    // image is null when the download or the decoding failed.
    using Done = std::function<void(const QImage &image)>;

    static constexpr qint64 kImageReplyLimit = 8 * 1024 * 1024;
    static constexpr int kIdleLimitMs = 20000;

    explicit LWFeedBackDownloadImage(Done done, QObject *parent = nullptr);

    void download(const QUrl &url);

protected:
    void replyHandler(const QByteArray &body, int status) override;

private:
    Done m_done;
};
