#include "LWNetworkcookieJar.h"

LWNetworkcookieJar::LWNetworkcookieJar(QObject *parent)
    : QNetworkCookieJar(parent)
{
}
