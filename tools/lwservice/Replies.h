#pragma once

#include "FileStore.h"
#include "HttpResponse.h"

#include <QString>

class HttpRequest;

// The service's standard failure replies. Well-formed requests that a rule
// refuses get HTTP 200 with a non-zero "status_code" (the editor reads the
// code); malformed ones get the matching HTTP error with the same body shape.
namespace Replies {

HttpResponse badRequest(const QString &message);
HttpResponse tooLarge(const QString &message);
HttpResponse notFound(const QString &message = QStringLiteral("not found"));
HttpResponse notSignedIn();
HttpResponse forbidden(const QString &message);
HttpResponse serverError(const QString &message = QStringLiteral("the service could not store the data"));
HttpResponse refused(int code, const QString &message); // HTTP 200, non-zero code
// A file of the area could not be saved: 507 when its quota is used up,
// else 500.
HttpResponse notSaved(FileStore::Saved how, const QString &area);

// Inspection pages and their data are for the machine the service runs on.
bool localOnly(const HttpRequest &request, HttpResponse *refusal);

} // namespace Replies
