#pragma once

#include "LWQTHttpBase.h"

#include <QByteArray>
#include <functional>

// Fetches the file of one material. A download on which nothing arrives
// for a while is given up. One download per object, which deletes itself
// once it has reported.
class LWMaterialDownloadFile : public LWQTHttpBase
{
    Q_OBJECT
public:
    // bytes is empty when the download failed.
    using Done = std::function<void(const QByteArray &bytes)>;

    static constexpr qint64 kFileReplyLimit = 128 * 1024 * 1024;
    static constexpr int kDefaultIdleLimitMs = 20000;

    explicit LWMaterialDownloadFile(Done done, QObject *parent = nullptr);

    void download(const QUrl &url);

protected:
    void replyHandler(const QByteArray &body, int status) override;

private:
    Done m_done;
};
