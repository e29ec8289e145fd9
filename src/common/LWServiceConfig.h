#pragma once

#include <QString>

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

constexpr int kDefaultPort = 17865;

} // namespace LWServiceConfig
