// One sign-in for the editor and its web views, under Xvfb against lwservice:
// a sign-in with the editor's own form reaches the web views' cookie store
// (before the first web view exists and while they run), the upload page
// greets the account without a second sign-in, and a sign-out empties the
// store again, live and on disk. The store is watched here through the web
// engine itself, not through the editor's copy of it. Screenshots go to
// LW_SHOT_DIR when set.
#include "LWOnlineTestKit.h"
#include "LWTestMain.h"
#include "common/LWSettings.h"
#include "online/LWLoginBridgeModel.h"
#include "online/LWLoginManager.h"
#include "online/LWLoginModel.h"
#include "online/LWOnlineTypes.h"
#include "online/LWUploadPackage.h"
#include "online/LWWebSession.h"

#include <QNetworkCookie>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtWebEngine>
#include <QtWebEngine/QQuickWebEngineProfile>
#include <QWebEngineCookieStore>

using namespace LWOnlineTest;

class TstWebSession : public QObject
{
    Q_OBJECT
private:
    Service m_service;
    QTemporaryDir m_dir;
    QString m_package;
    // No controller: its answer to a sign-out is a restart of the program.
    QQmlApplicationEngine *m_engine = nullptr;
    QQuickWindow *m_bridge = nullptr;
    QList<QNetworkCookie> m_store; // the web views' store as the web engine reports it

    QObject *view() const { return m_bridge ? m_bridge->findChild<QObject *>(QStringLiteral("bridgeWebView")) : nullptr; }

    // The store's cookie of that name, as the web engine reports it.
    QByteArray stored(const char *name) const
    {
        for (const QNetworkCookie &cookie : m_store) {
            if (cookie.name() == name)
                return cookie.value();
        }
        return QByteArray();
    }

    void watchStore()
    {
        auto *profile = qobject_cast<QQuickWebEngineProfile *>(LWLoginBridgeModel::instance()->webProfile());
        QVERIFY(profile);
        QWebEngineCookieStore *store = profile->cookieStore();
        connect(store, &QWebEngineCookieStore::cookieAdded, this, [this](const QNetworkCookie &cookie) {
            forget(cookie);
            m_store << cookie;
        });
        connect(store, &QWebEngineCookieStore::cookieRemoved, this, &TstWebSession::forget);
        store->loadAllCookies();
    }

    void forget(const QNetworkCookie &cookie)
    {
        m_store.erase(std::remove_if(m_store.begin(), m_store.end(),
                                     [&cookie](const QNetworkCookie &c) { return c.hasSameIdentifier(cookie); }),
                      m_store.end());
    }

    // The upload page, loaded afresh, and the line that says who it is for.
    QString uploadPageLead()
    {
        QObject *page = view();
        if (!page)
            return QString();
        QSignalSpy loads(page, SIGNAL(loadingChanged(QQuickWebEngineLoadRequest *)));
        QMetaObject::invokeMethod(page, "reload");
        if (!waitUntil([&] { return loads.count() >= 2 && !page->property("loading").toBool(); }, 20000))
            return QStringLiteral("(the page did not load)");
        QJSValue holder = m_engine->newObject();
        const QJSValue keep =
            m_engine->evaluate(QStringLiteral("(function(holder) { return function(r) { holder.value = r; }; })"))
                .call({holder});
        QString lead;
        // The page asks the service who is signed in once it has found the bridge.
        waitUntil(
            [&] {
                QMetaObject::invokeMethod(page, "runJavaScript",
                                          Q_ARG(QString, QStringLiteral("document.getElementById('lead').textContent")),
                                          Q_ARG(QJSValue, keep));
                QTest::qWait(150);
                lead = holder.property(QStringLiteral("value")).toString();
                return lead.startsWith(QLatin1String("Signed in")) || lead.startsWith(QLatin1String("You are not"));
            },
            15000);
        return lead;
    }

    void shoot(const QString &name)
    {
        const QString folder = qEnvironmentVariable("LW_SHOT_DIR");
        if (!folder.isEmpty() && m_bridge)
            m_bridge->grabWindow().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    static QString signInWithForm()
    {
        LWLoginModel form;
        form.setUserId(kDemoUser);
        form.setPassword(kDemoPassword);
        form.loginRequest();
        return form.loginStatus() ? LWLoginManager::instance()->normalSessionToken() : QString();
    }

    static void signOut()
    {
        QSignalSpy signedOut(LWLoginManager::instance(), &LWLoginManager::signedOutByAuthor);
        LWLoginModel().doLogout();
        QVERIFY(waitUntil([&] { return signedOut.count() == 1; }, 5000));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_service.start());
        m_package = m_dir.filePath(QStringLiteral("lw.zip"));
        QVERIFY(writePackage(m_package, 4096));
        LWUploadPackage::setBuilder([this] { return m_package; });
        QCOMPARE(LWUploadPackage::build(), m_package);
        LWOnlineTypes::registerQmlTypes();
        m_engine = new QQmlApplicationEngine(this);
        m_engine->rootContext()->setContextProperty(QStringLiteral("lwLoginBridgeModel"), LWLoginBridgeModel::instance());
        m_engine->load(QUrl(QStringLiteral("qrc:/LWLogin/LWLoginBridge/LWLoginBridge.qml")));
        QVERIFY(!m_engine->rootObjects().isEmpty());
        m_bridge = qobject_cast<QQuickWindow *>(m_engine->rootObjects().first());
        QVERIFY(m_bridge);
    }

    // Signed in with the form before any web view exists: the first one
    // opens on the same session, and the upload page knows the account.
    void formSignInReachesFirstWebView()
    {
        const QString session = signInWithForm();
        QVERIFY(!session.isEmpty());
        LWLoginBridgeModel::instance()->showWindow(QStringLiteral("upload"));
        QVERIFY(m_bridge->isVisible());
        QVERIFY(waitUntil([&] { return view() != nullptr; }));
        watchStore();
        QVERIFY(waitUntil([&] { return stored(LWServiceProtocol::kSessionCookie) == session.toLatin1(); }));
        QCOMPARE(uploadPageLead(), QStringLiteral("Signed in as Demo Author."));
        shoot(QStringLiteral("websession-signed-in"));
    }

    // A sign-out empties the store as well: the page no longer knows the
    // account, nothing is left on disk, and the page's upload is refused.
    void signOutEmptiesWebStore()
    {
        QVERIFY(!stored(LWServiceProtocol::kSessionCookie).isEmpty());
        signOut();
        QVERIFY(waitUntil([&] { return stored(LWServiceProtocol::kSessionCookie).isEmpty(); }));
        QVERIFY(m_store.isEmpty());
        QVERIFY(LWWebSession::instance()->cookies().isEmpty());
        QVERIFY(!QFile::exists(LWLoginManager::cookieDatabase()));
        QCOMPARE(uploadPageLead(), QStringLiteral("You are not signed in."));
        shoot(QStringLiteral("websession-signed-out"));
        const QJsonObject reply = LWLoginBridgeModel::instance()->uploadLocalEffect();
        QVERIFY2(reply.value(QStringLiteral("status_code")) == QJsonValue(LWServiceProtocol::kStatusNotSignedIn),
                 QJsonDocument(reply).toJson().constData());
    }

    // While the web views run, a sign-in reaches them at once, and the
    // page's upload goes as the signed-in account.
    void formSignInWhileWebViewsRun()
    {
        const QString session = signInWithForm();
        QVERIFY(!session.isEmpty());
        QVERIFY(waitUntil([&] { return stored(LWServiceProtocol::kSessionCookie) == session.toLatin1(); }));
        QCOMPARE(uploadPageLead(), QStringLiteral("Signed in as Demo Author."));
        const QJsonObject reply = LWLoginBridgeModel::instance()->uploadLocalEffect();
        QVERIFY2(reply.value(QStringLiteral("status_code")) == QJsonValue(0), QJsonDocument(reply).toJson().constData());
        signOut();
        QVERIFY(waitUntil([&] { return m_store.isEmpty(); }));
    }

    // A single sign-on made in the web view a moment ago, not yet written to
    // the store's file: signing out still ends it at the service.
    void singleSignOnEndsFromLiveStore()
    {
        const QByteArray value = ssoCookie(m_service);
        QVERIFY(!value.isEmpty());
        QNetworkCookie cookie(LWServiceProtocol::kSsoCookie, value);
        cookie.setDomain(QStringLiteral("127.0.0.1"));
        cookie.setPath(QStringLiteral("/"));
        auto *profile = qobject_cast<QQuickWebEngineProfile *>(LWLoginBridgeModel::instance()->webProfile());
        QVERIFY(profile);
        profile->cookieStore()->setCookie(cookie);
        QVERIFY(waitUntil([&] { return stored(LWServiceProtocol::kSsoCookie) == value; }));
        QFile::remove(LWLoginManager::cookieDatabase());
        const QString site = m_service.base + QStringLiteral("/effect/site/");
        QCOMPARE(send(QStringLiteral("GET"), site, {}, {}, "gs_sso=" + value).status, 200);
        LWSettings::instance()->setAutoLogin(true, 1);
        LWLoginManager::instance()->setSignedIn(true);

        signOut();
        QVERIFY(waitUntil([&] { return m_store.isEmpty(); }));
        // Sent to the sign-in page: the session is over.
        QCOMPARE(send(QStringLiteral("GET"), site, {}, {}, "gs_sso=" + value).status, 302);
    }

    void cleanupTestCase()
    {
        if (m_bridge)
            m_bridge->hide();
    }
};

int main(int argc, char **argv)
{
    LWTest::isolate();
    QtWebEngine::initialize();
    QGuiApplication app(argc, argv);
    TstWebSession test;
    return LWTest::run(argc, argv, &test);
}
#include "tst_websession.moc"
