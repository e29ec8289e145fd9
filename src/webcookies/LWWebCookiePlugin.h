#pragma once

#include "online/LWWebCookieAccess.h"

#include <QObject>

// The web engine's side of LWWebCookieAccess: the only code of the editor
// that uses the engine's C++ interface, built as a module that the program
// loads at run time (LWWebCookieModule) instead of linking.
class LWWebCookiePlugin : public QObject, public LWWebCookieAccess
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LWWebCookieAccess_iid)
    Q_INTERFACES(LWWebCookieAccess)

public:
    bool follow(QObject *profile, QObject *context, CookieHandler added, CookieHandler removed) override;
    bool setCookie(QObject *profile, const QNetworkCookie &cookie) override;
    bool deleteAllCookies(QObject *profile) override;
};
