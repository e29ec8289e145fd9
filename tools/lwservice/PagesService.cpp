#include "PagesService.h"

#include "AccountStore.h"
#include "FileStore.h"
#include "HttpRequest.h"
#include "Replies.h"
#include "Router.h"
#include "online/LWServiceProtocol.h"

using namespace LWServiceProtocol;

namespace {

QString resourcePath(const QString &file)
{
    return QStringLiteral(":/lwservice/pages/") + file;
}

} // namespace

PagesService::PagesService(const ServiceContext &context)
    : m_context(context)
{
}

void PagesService::registerRoutes(Router &router)
{
    page(router, QStringLiteral("/"), QStringLiteral("index.html"));
    page(router, QLatin1String(kPathSiteLogin), QStringLiteral("login.html"));
    page(router, QLatin1String(kPathSiteUpload), QStringLiteral("upload.html"));
    page(router, QLatin1String(kPathSiteEffects), QStringLiteral("effects.html"));
    page(router, QLatin1String(kPathSiteTutorial), QStringLiteral("tutorial.html"));
    page(router, QStringLiteral("/sso/login"), QStringLiteral("sso_login.html"));
    page(router, QLatin1String(kPathPhoneUpload), QStringLiteral("phone.html"), true);
    page(router, QStringLiteral("/site/analytics"), QStringLiteral("analytics.html"), true);
    page(router, QStringLiteral("/site/feedback"), QStringLiteral("feedback.html"), true);
    page(router, QStringLiteral("/site/crashes"), QStringLiteral("crashes.html"), true);
    router.add("GET", QLatin1String(kPathSsoSite), [this](const HttpRequest &r) { return ssoSite(r); });
    router.add("GET", QStringLiteral("/static/*"), [this](const HttpRequest &r) { return asset(r); });
}

void PagesService::page(Router &router, const QString &path, const QString &file, bool localOnly)
{
    router.add("GET", path, [file, localOnly](const HttpRequest &request) {
        HttpResponse refusal;
        if (localOnly && !Replies::localOnly(request, &refusal))
            return refusal;
        return HttpResponse::resource(resourcePath(file));
    });
}

HttpResponse PagesService::ssoSite(const HttpRequest &request)
{
    // The editor records a single sign-on when this page finishes loading,
    // so it is shown only to a signed-in visitor; anyone else is sent to
    // the sign-in page, whose address does not contain "/effect".
    const QString cookie = request.cookie(QLatin1String(kSsoCookie));
    const AccountStore::Session session = m_context.accounts->cookieSession(cookie, QStringLiteral("sso"));
    if (session.state != AccountStore::SessionState::Active)
        return HttpResponse::redirect(QStringLiteral("/sso/login"));
    return HttpResponse::resource(resourcePath(QStringLiteral("sso_site.html")));
}

HttpResponse PagesService::asset(const HttpRequest &request)
{
    const QString name = request.path.mid(int(qstrlen("/static/")));
    if (!FileStore::isSafeName(name))
        return Replies::notFound();
    HttpResponse reply = HttpResponse::resource(resourcePath(QStringLiteral("static/") + name));
    if (reply.status == 200)
        reply.setHeader("Cache-Control", "max-age=60");
    return reply;
}
