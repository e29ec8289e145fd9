#pragma once

#include <QString>
#include <QStringList>

// Base addresses of the online services. Compiled defaults point at the
// local reference service on 127.0.0.1; "<data>/services.json" may override
// any of them ({"account": "http://host:port", ...}); tests set them
// directly. Also compiled into the crash helper, which has no core library.
namespace LWServiceConfig {

// Service names: "account", "sso", "publish", "materials", "feedback", "update",
// "analytics", "crash".
QString baseUrl(const QString &service);
void setBaseUrl(const QString &service, const QString &url); // tests
QString crashUploadUrl();

// Every service name, in the order above.
QStringList serviceNames();
// The compiled address every service has unless told otherwise.
QString defaultBaseUrl();
// Whether the service keeps the compiled address: no test set one and
// services.json names none for it.
bool usesDefault(const QString &service);
// Whether services.json, when there is one, can be read as an object. An
// unreadable one names no address, but was meant to.
bool configurationReadable();

constexpr int kDefaultPort = 17865;

} // namespace LWServiceConfig
