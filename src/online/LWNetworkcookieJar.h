#pragma once

#include <QNetworkCookieJar>

// A cookie jar whose whole content can be replaced from outside: the
// service objects fill it with the cookies imported from the web view.
class LWNetworkcookieJar : public QNetworkCookieJar
{
    Q_OBJECT
public:
    explicit LWNetworkcookieJar(QObject *parent = nullptr);

    using QNetworkCookieJar::allCookies;
    using QNetworkCookieJar::setAllCookies;
};
