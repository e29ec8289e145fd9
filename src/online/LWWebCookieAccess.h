#pragma once

#include <QNetworkCookie>
#include <QtPlugin>

#include <functional>

class QObject;
class QUrl;

// What the editor needs of its web views' cookie store. The store belongs to
// the web engine, whose libraries are large enough that linking them costs
// every start of the program; so this is implemented by a module of its own
// (src/webcookies), loaded once the first web profile exists.
//
// Every call takes the profile object the declarative engine made (a
// WebEngineProfile) and fails, returning false, for anything else.
class LWWebCookieAccess
{
public:
    using CookieHandler = std::function<void(const QNetworkCookie &)>;

    virtual ~LWWebCookieAccess() = default;

    // From now on every cookie the store takes reaches added and every one it
    // drops reaches removed, for as long as context lives; the cookies the
    // store kept from earlier runs arrive through added as well.
    virtual bool follow(QObject *profile, QObject *context, CookieHandler added, CookieHandler removed) = 0;
    // Puts a cookie into the store as if its domain had set it.
    virtual bool setCookie(QObject *profile, const QNetworkCookie &cookie) = 0;
    virtual bool deleteAllCookies(QObject *profile) = 0;
};

#define LWWebCookieAccess_iid "example.brightfold.glowsmith.LWWebCookieAccess/1.0"
Q_DECLARE_INTERFACE(LWWebCookieAccess, LWWebCookieAccess_iid)
