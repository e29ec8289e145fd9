#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>

class LWLoginBridgeModel;

// The object the publishing service's upload page reaches through the web
// channel as "gsBridge". Calls from the page are served by the bridge
// model, and only while the bridge view shows a page of the publishing
// service's own origin: whatever else got into the view may not send the
// author's package or steer the editor. Addresses the page asks for must be
// web addresses; those of other origins open in the author's browser.
class LWWebBridge : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool hasBridge READ hasBridge CONSTANT)

public:
    // The page's event names of the services group and their usage values.
    static int usageEventValue(const QString &name); // 0 when unknown

    explicit LWWebBridge(LWLoginBridgeModel *model); // model owns this object

    bool hasBridge() const { return true; }

    Q_INVOKABLE void openWebview(const QString &url);
    Q_INVOKABLE void closeWebView();
    Q_INVOKABLE void openBrowser(const QString &url);
    Q_INVOKABLE QJsonObject uploadEffect();
    Q_INVOKABLE QJsonObject getPackageInfo();
    Q_INVOKABLE void triggerEvent(const QString &arg);

    static bool isWebAddress(const QString &url);

private:
    bool callerTrusted(const char *call) const;

    LWLoginBridgeModel *m_model; // owner
};
