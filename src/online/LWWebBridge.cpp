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

void LWWebBridge::openWebview(const QString &url)
{
    if (!isWebAddress(url)) {
        qWarning() << "gsBridge: refused to show" << url;
        return;
    }
    m_model->setI_nowUrl(url);
}

void LWWebBridge::closeWebView()
{
    emit m_model->closeWindowRequested();
}

void LWWebBridge::openBrowser(const QString &url)
{
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
    return m_model->uploadLocalEffect();
}

QJsonObject LWWebBridge::getPackageInfo()
{
    return m_model->getPackageInfo();
}

void LWWebBridge::triggerEvent(const QString &arg)
{
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
