#include "Replies.h"

#include "HttpRequest.h"
#include "online/LWServiceProtocol.h"

namespace Replies {

using namespace LWServiceProtocol;

HttpResponse badRequest(const QString &message)
{
    return HttpResponse::failure(400, kStatusBadRequest, message);
}

HttpResponse tooLarge(const QString &message)
{
    return HttpResponse::failure(413, kStatusTooLarge, message);
}

HttpResponse notFound(const QString &message)
{
    return HttpResponse::failure(404, kStatusNotFound, message);
}

HttpResponse notSignedIn()
{
    return HttpResponse::failure(200, kStatusNotSignedIn, notSignedInMessage());
}

HttpResponse forbidden(const QString &message)
{
    return HttpResponse::failure(403, kStatusForbidden, message);
}

HttpResponse serverError(const QString &message)
{
    return HttpResponse::failure(500, kStatusServerError, message);
}

HttpResponse refused(int code, const QString &message)
{
    return HttpResponse::failure(200, code, message);
}

HttpResponse notSaved(FileStore::Saved how, const QString &area)
{
    if (how == FileStore::Saved::Full)
        return HttpResponse::failure(507, kStatusServerError, QStringLiteral("the service's store of %1 is full").arg(area));
    return serverError();
}

bool localOnly(const HttpRequest &request, HttpResponse *refusal)
{
    if (request.fromLoopback())
        return true;
    *refusal = forbidden(QStringLiteral("only answered to the machine the service runs on"));
    return false;
}

} // namespace Replies
