#pragma once

#include "LWQTHttpBase.h"

#include <QString>
#include <functional>

// Fetches one material icon and stores it in the icon cache. Only bytes
// that read as a picture are kept, so a broken answer is never served from
// the cache later. One download per object, which deletes itself once it
// has reported.
class LWMaterialDownloadIcon : public LWQTHttpBase
{
    Q_OBJECT
public:
    // cachePath: where the icon was stored; empty when it was not.
    using Done = std::function<void(const QString &cachePath)>;

    static constexpr qint64 kIconReplyLimit = 8 * 1024 * 1024;
    static constexpr int kIdleLimitMs = 20000;

    LWMaterialDownloadIcon(const QString &cachePath, Done done, QObject *parent = nullptr);

    void download(const QUrl &url);

protected:
    void replyHandler(const QByteArray &body, int status) override;

private:
    QString m_cachePath;
    Done m_done;
};
