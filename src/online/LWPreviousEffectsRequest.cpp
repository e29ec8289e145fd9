#include "LWPreviousEffectsRequest.h"

#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"

LWPreviousEffectsRequest::LWPreviousEffectsRequest(Done done, QObject *parent)
    : LWQTHttpBase(parent)
    , m_done(std::move(done))
{
}

void LWPreviousEffectsRequest::send(const QString &cookieDatabase)
{
    loadBrowserCookies(cookieDatabase, false);
    getAsync(LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathPreviousEffects));
}

void LWPreviousEffectsRequest::replyHandler(const QByteArray &body, int status)
{
    if (m_done)
        m_done(body, status);
}
