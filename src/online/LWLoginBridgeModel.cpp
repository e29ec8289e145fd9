#include "LWLoginBridgeModel.h"

#include "LWBrowserCookieReader.h"
#include "LWExternalBrowser.h"
#include "common/LWDiagnosticLog.h"
#include "common/LWWindowsReady.h"
#include "LWLoginManager.h"
#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"
#include "LWUploadEffectFile.h"
#include "LWUploadPackage.h"
#include "LWWebBridge.h"
#include "LWWebSession.h"

#include <QDebug>
#include <algorithm>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QUrl>
#include <QWindow>

constexpr char LWLoginBridgeModel::kWindowName[];

LWLoginBridgeModel *LWLoginBridgeModel::instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static LWLoginBridgeModel *object = nullptr;
    if (!object)
        object = new LWLoginBridgeModel();
    return object;
}

LWLoginBridgeModel::LWLoginBridgeModel(QObject *parent)
    : QObject(parent)
    , m_bridge(new LWWebBridge(this))
    , m_file(new LWUploadEffectFile(this))
{
}

bool LWLoginBridgeModel::needsCompression(const QString &packagePath)
{
    const QFileInfo package(packagePath);
    return !packagePath.isEmpty() && package.isFile() && package.size() > 0x500000;
}

QObject *LWLoginBridgeModel::webBridge() const
{
    return m_bridge;
}

namespace {
// WebEngineProfile.ForcePersistentCookies: the session survives a restart.
constexpr int kForcePersistentCookies = 2;
} // namespace

QObject *LWLoginBridgeModel::webProfile()
{
    if (m_profile)
        return m_profile;
    // Made by the declarative engine rather than linked in: the web engine's
    // libraries then load with the first web view, not with the program.
    QQmlEngine *engine = nullptr;
    const auto windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows) {
        if ((engine = qmlEngine(window)))
            break;
    }
    if (!engine) {
        if (!m_profileEngine)
            m_profileEngine = new QQmlEngine(this);
        engine = m_profileEngine;
    }
    QQmlComponent component(engine);
    component.setData("import QtWebEngine 1.10\nWebEngineProfile {}\n", QUrl());
    QObject *profile = component.create();
    if (!profile) {
        qWarning().noquote() << "web profile:" << component.errorString();
        return nullptr;
    }
    QQmlEngine::setObjectOwnership(profile, QQmlEngine::CppOwnership);
    profile->setParent(this);
    profile->setProperty("storageName", QStringLiteral("LWLogin"));
    profile->setProperty("persistentStoragePath", cookiePath());
    profile->setProperty("cachePath", QString(cookiePath() + QStringLiteral("/cache")));
    profile->setProperty("persistentCookiesPolicy", kForcePersistentCookies);
    m_profile = profile;
    LWWebSession::instance()->attachProfile(profile);
    return m_profile;
}

QList<QNetworkCookie> LWLoginBridgeModel::currentWebCookies() const
{
    // The live store has a sign-in of a moment ago; its file may not yet.
    if (LWWebSession::instance()->isLive())
        return LWWebSession::instance()->cookies();
    QList<QNetworkCookie> cookies;
    if (!LWBrowserCookieReader::read(LWLoginManager::cookieDatabase(), &cookies))
        LWDiagnosticLog::instance()->log(LWDiagnosticLog::CategoryNetwork, LWDiagnosticLog::Error, "cookie 初始化失败\n");
    // A sign-in through the editor's own form waits for the first web view
    // to reach the store; until then it is the web views' session all the same.
    const QList<QNetworkCookie> shared = LWWebSession::instance()->pendingCookies();
    for (const QNetworkCookie &cookie : shared) {
        cookies.erase(std::remove_if(cookies.begin(), cookies.end(),
                                     [&cookie](const QNetworkCookie &kept) { return kept.hasSameIdentifier(cookie); }),
                      cookies.end());
        cookies << cookie;
    }
    return cookies;
}

void LWLoginBridgeModel::setPageUrl(const QUrl &url)
{
    m_pageUrl = url;
}

bool LWLoginBridgeModel::pageTrusted() const
{
    return isOwnPage(m_pageUrl);
}

bool LWLoginBridgeModel::isOwnPage(const QUrl &url) const
{
    return LWOnlineAddresses::isPublishOrigin(url);
}

void LWLoginBridgeModel::openPage(const QString &url)
{
    const QUrl address(url);
    if (isOwnPage(address))
        setI_nowUrl(url);
    else
        openOutside(address);
}

void LWLoginBridgeModel::openOutside(const QUrl &url)
{
    if (!LWOnlineAddresses::isWebAddress(url)) {
        qWarning() << "bridge view: refused to open" << url.scheme() << "address";
        return;
    }
    LWExternalBrowser::open(url);
}

QString LWLoginBridgeModel::cookiePath() const
{
    return LWLoginManager::cookieFolder();
}

void LWLoginBridgeModel::setI_nowUrl(const QString &url)
{
    if (m_nowUrl == url)
        return;
    m_nowUrl = url;
    emit i_nowUrlChanged();
}

void LWLoginBridgeModel::setCloseWindowAfterOpenBrowser(bool close)
{
    if (m_closeAfterBrowser == close)
        return;
    m_closeAfterBrowser = close;
    emit closeWindowAfterOpenBrowserChanged();
}

void LWLoginBridgeModel::bridgeChange()
{
    const QString path = LWUploadPackage::currentPath();
    const qint64 size = QFileInfo(path).isFile() ? QFileInfo(path).size() : 0;
    if (m_zipPath != path) {
        m_zipPath = path;
        emit i_zipPathChanged();
    }
    if (m_zipSize != size) {
        m_zipSize = size;
        emit i_zipSizeChanged();
    }
}

void LWLoginBridgeModel::showWindow(QString p_window)
{
    const bool upload = p_window == QLatin1String("upload");
    if (upload)
        setI_nowUrl(LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathSiteUpload).toString());
    setCloseWindowAfterOpenBrowser(!upload);
    LWWindowsReady::ensure();
    const auto windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows) {
        if (window->objectName() == QLatin1String(kWindowName)) {
            window->show();
            window->raise();
            window->requestActivate();
            return;
        }
    }
}

QJsonObject LWLoginBridgeModel::failure(const char *code)
{
    // The page compares these with text, not numbers.
    return QJsonObject{{QStringLiteral("status_code"), QString::fromLatin1(code)}};
}

QJsonObject LWLoginBridgeModel::uploadLocalEffect()
{
    bridgeChange();
    // The live store once the web engine runs; before that, what the store
    // left on disk.
    if (LWWebSession::instance()->isLive())
        m_file->pageUpload(m_zipPath, LWWebSession::instance()->cookies());
    else
        m_file->pageUpload(m_zipPath, LWLoginManager::cookieDatabase());
    const QJsonObject reply = m_file->replyObject();
    if (!reply.isEmpty())
        return reply;
    return failure(m_file->state() == LWUploadTimedOut ? "100" : "300");
}

QJsonObject LWLoginBridgeModel::getPackageInfo()
{
    bridgeChange();
    return QJsonObject{{QStringLiteral("status_code"), 0},
                       {QStringLiteral("message"), QStringLiteral("success")},
                       {QStringLiteral("data"), QJsonObject{{QStringLiteral("size"), m_zipSize}}}};
}
