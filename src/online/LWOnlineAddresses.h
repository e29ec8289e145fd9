#pragma once

#include <QString>
#include <QUrl>

// Where each online request goes, built from the configured base addresses
// (LWServiceConfig): the account and enterprise sign-on services answer
// under "/effect/", the publishing service at its root.
namespace LWOnlineAddresses {

// Base of the account service, ending in "/effect/". A configured address
// may or may not already end in "/effect".
QString accountBase();
// Base of the enterprise single sign-on service (service name "sso").
QString ssoBase();
// Host of the enterprise service as it appears in page addresses.
QString ssoHost();
// Root of the publishing service, without a trailing slash.
QString publishBase();

QUrl publishUrl(const char *path);

// http or https: the only addresses a service reply may send the editor to.
bool isWebAddress(const QUrl &url);

// Same scheme, host and port (the scheme's default when none is given).
bool sameOrigin(const QUrl &a, const QUrl &b);
// A page of the publishing service itself, the only one trusted with the
// editor's bridge.
bool isPublishOrigin(const QUrl &url);

} // namespace LWOnlineAddresses
