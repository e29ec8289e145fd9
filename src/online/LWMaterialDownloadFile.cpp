#include "LWMaterialDownloadFile.h"

#include <QDebug>
#include <QUrl>

LWMaterialDownloadFile::LWMaterialDownloadFile(Done done, QObject *parent)
    : LWQTHttpBase(parent)
    , m_done(std::move(done))
{
    setReplyLimit(kFileReplyLimit);
    setIdleLimit(kDefaultIdleLimitMs);
}

void LWMaterialDownloadFile::download(const QUrl &url)
{
    getAsync(url);
}

void LWMaterialDownloadFile::replyHandler(const QByteArray &body, int status)
{
    // A cut transfer ends in a network error, which leaves the body empty.
    const bool ok = status == 200 && !body.isEmpty();
    if (!ok)
        qDebug() << "material download failed, status" << status;
    if (m_done)
        m_done(ok ? body : QByteArray());
    deleteLater();
}
