#include "LWWebBridge.h"

#include "LWExternalBrowser.h"
#include "LWLoginBridgeModel.h"
#include "common/LWUsageEvents.h"

#include <QDebug>
#include <QHash>
#include <QUrl>

int LWWebBridge::usageEventValue(const QString &name)
{
    static const QHash<QString, int> values{
        {QStringLiteral("gsSyncToPhone"), 2500},
        {QStringLiteral("gsClickFeedBack"), 2501},
        {QStringLiteral("gsClickUploadEffect"), 2502},
        {QStringLiteral("gsClickUploadAndSubmit"), 2503},
    };
    return values.value(name, 0);
}

LWWebBridge::LWWebBridge(LWLoginBridgeModel *model)
    : QObject(model)
    , m_model(model)
{
}

bool LWWebBridge::isWebAddress(const QString &url)
{
    const QUrl parsed(url);
    return parsed.isValid() && (parsed.scheme() == QLatin1String("http") || parsed.scheme() == QLatin1String("https"));
}

bool LWWebBridge::callerTrusted(const char *call) const
{
    if (m_model->pageTrusted())
        return true;
    qWarning().noquote() << "gsBridge:" << call << "refused to a page of another origin:"
                         << m_model->pageUrl().toString(QUrl::RemoveQuery | QUrl::RemoveFragment | QUrl::RemoveUserInfo);
    return false;
}

void LWWebBridge::openWebview(const QString &url)
{
    if (!callerTrusted("openWebview"))
        return;
    if (!isWebAddress(url)) {
        qWarning() << "gsBridge: refused to show" << url;
        return;
    }
    m_model->openPage(url);
}

void LWWebBridge::closeWebView()
{
    if (!callerTrusted("closeWebView"))
        return;
    emit m_model->closeWindowRequested();
}

void LWWebBridge::openBrowser(const QString &url)
{
    if (!callerTrusted("openBrowser"))
        return;
    if (!isWebAddress(url)) {
        qWarning() << "gsBridge: refused to open" << url;
        return;
    }
    LWExternalBrowser::open(QUrl(url));
    if (m_model->closeWindowAfterOpenBrowser())
        emit m_model->closeWindowRequested();
}

QJsonObject LWWebBridge::uploadEffect()
{
    if (!callerTrusted("uploadEffect"))
        return QJsonObject{{QStringLiteral("status_code"), QStringLiteral("300")}};
    return m_model->uploadLocalEffect();
}

QJsonObject LWWebBridge::getPackageInfo()
{
    if (!callerTrusted("getPackageInfo"))
        return QJsonObject{{QStringLiteral("status_code"), QStringLiteral("300")}};
    return m_model->getPackageInfo();
}

void LWWebBridge::triggerEvent(const QString &arg)
{
    if (!callerTrusted("triggerEvent"))
        return;
    bool numeric = false;
    int value = arg.toInt(&numeric);
    if (!numeric)
        value = usageEventValue(arg);
    if (value <= 0) {
        qDebug() << "gsBridge: unknown usage event" << arg;
        return;
    }
    LWUsageEvents::report(value);
}
