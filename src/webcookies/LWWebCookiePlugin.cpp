#include "LWWebCookiePlugin.h"

#include <QUrl>
#include <QWebEngineCookieStore>
#include <QtWebEngine/QQuickWebEngineProfile>

namespace {

QWebEngineCookieStore *storeOf(QObject *profile)
{
    auto *webProfile = qobject_cast<QQuickWebEngineProfile *>(profile);
    return webProfile ? webProfile->cookieStore() : nullptr;
}

} // namespace

bool LWWebCookiePlugin::follow(QObject *profile, QObject *context, CookieHandler added, CookieHandler removed)
{
    QWebEngineCookieStore *store = storeOf(profile);
    if (!store || !context)
        return false;
    QObject::connect(store, &QWebEngineCookieStore::cookieAdded, context, std::move(added));
    QObject::connect(store, &QWebEngineCookieStore::cookieRemoved, context, std::move(removed));
    store->loadAllCookies();
    return true;
}

bool LWWebCookiePlugin::setCookie(QObject *profile, const QNetworkCookie &cookie)
{
    QWebEngineCookieStore *store = storeOf(profile);
    if (!store || cookie.domain().isEmpty())
        return false;
    // Without an origin the store takes the cookie's own domain for one.
    store->setCookie(cookie);
    return true;
}

bool LWWebCookiePlugin::deleteAllCookies(QObject *profile)
{
    QWebEngineCookieStore *store = storeOf(profile);
    if (!store)
        return false;
    store->deleteAllCookies();
    return true;
}
