// Sign-in and account state against lwservice: the account form, the
// single sign-on and public checks carried by the web view's cookie store,
// takeover by another client reaching the periodic check, and sign-out.
#include "LWOnlineTestKit.h"
#include "LWTestMain.h"
#include "LWTinyHttp.h"
#include "common/LWSettings.h"
#include "common/LWUsageEvents.h"
#include "online/LWLoginManager.h"
#include "online/LWLoginModel.h"
#include "online/LWNormalLogin.h"
#include "online/LWPublicPhoneLogin.h"
#include "online/LWSSOLogin.h"
#include "online/LWTimerCheckLoginThread.h"

#include <QSignalSpy>

using namespace LWOnlineTest;

namespace {
const QString kLoginPath = QStringLiteral("/effect/api/user/login");
const QString kInfoPath = QStringLiteral("/effect/api/user/info");
const QString kWrongCredentials = QString::fromUtf8("账号名或者密码错误");
const QString kTakenOver = QString::fromUtf8("账号在其他客户端登陆");
const QString kTimeout = QString::fromUtf8("网络超时");
} // namespace

class TstLogin : public QObject
{
    Q_OBJECT
private:
    Service m_service;

    void storeCookie(const QByteArray &name, const QByteArray &value)
    {
        QVERIFY(writeCookieStore(LWLoginManager::cookieDatabase(), {{"127.0.0.1", QString::fromLatin1(name), value, 0, false}}));
    }

private slots:
    void initTestCase() { QVERIFY(m_service.start()); }
    void cleanup() { m_service.clearFaults(); }

    void normalSignIn_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QJsonObject none;
        QTest::newRow("success") << kDemoPassword << none << 0 << "success";
        QTest::newRow("wrong password") << "not-it" << none << 2 << kWrongCredentials;
        QTest::newRow("slow service") << kDemoPassword << QJsonObject{{"delayMs", 4500}} << 2 << kTimeout;
        QTest::newRow("500 with a body") << kDemoPassword << QJsonObject{{"status", 500}, {"body", "{\"status_code\":0}"}}
                                         << 1 << QString();
        QTest::newRow("not JSON") << kDemoPassword << QJsonObject{{"body", "<html>"}} << 1 << QString();
        QTest::newRow("JSON of the wrong shape") << kDemoPassword << QJsonObject{{"body", "[1,2,3]"}} << 1 << QString();
        QTest::newRow("success without data")
            << kDemoPassword << QJsonObject{{"body", "{\"status_code\":0,\"message\":\"ok\"}"}} << 1 << QString();
        QTest::newRow("access token of another request")
            << kDemoPassword << QJsonObject{{"body", "{\"status_code\":0,\"data\":{\"access_token\":\"00ff\"}}"}} << 1 << QString();
        QTest::newRow("locked account") << kDemoPassword << QJsonObject{{"body", "{\"status_code\":1002}"}} << 2 << kWrongCredentials;
        QTest::newRow("dropped") << kDemoPassword << QJsonObject{{"drop", true}} << 1 << QString();
    }
    // One login object for all rows: a reply that proves nothing must not
    // inherit the success of the row before it.
    void normalSignIn()
    {
        QFETCH(QString, password);
        QFETCH(QJsonObject, fault);
        QFETCH(int, code);
        QFETCH(QString, message);
        static LWNormalLogin login;
        login.login(kDemoUser, kDemoPassword); // an earlier success on the same object
        if (!fault.isEmpty())
            m_service.setFaults({{kLoginPath, fault}});
        int called = 0;
        login.setCallback([&called](int, const QString &) { ++called; });
        const LWLoginResult result = login.login(kDemoUser, password);
        login.setCallback(nullptr);
        QCOMPARE(called, 1);
        QCOMPARE(result.code, code);
        QCOMPARE(result.message, message);
    }

    void formSignInRemembers_data()
    {
        QTest::addColumn<bool>("remember");
        QTest::newRow("remembered") << true;
        QTest::newRow("not remembered") << false;
    }
    void formSignInRemembers()
    {
        QFETCH(bool, remember);
        LWLoginModel model;
        QSignalSpy results(&model, &LWLoginModel::sigLoginResult);
        model.setUserId(kDemoUser);
        model.setPassword(kDemoPassword);
        model.setFlagRemeber(remember);
        model.loginRequest();
        QCOMPARE(results.count(), 1);
        QCOMPARE(results.first().at(0).toInt(), 0);
        QVERIFY(model.loginStatus());
        QVERIFY(model.isLogin());
        const LWSettings *settings = LWSettings::instance();
        QCOMPARE(settings->defaultUserId(), kDemoUser);
        QCOMPARE(settings->defaultRemember(), remember);
        QCOMPARE(settings->loginType(), 0);
        QCOMPARE(settings->autoLogin(), std::optional<bool>(true));
        QCOMPARE(settings->defaultSessionToken().isEmpty(), !remember);
        QVERIFY(LWLoginManager::instance()->checkThread()->isRunning());
        QCOMPARE(LWLoginManager::instance()->checkThread()->period(), 180000);

        // Whatever was remembered, the password is nowhere in the file; the
        // session it holds instead is for its owner's eyes only.
        const QString path = QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brightfold", "Lumeworks").fileName();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY(!content.contains(kDemoPassword.toUtf8()));
        QVERIFY(!content.contains(LWServiceProtocol::maskText(kDemoPassword).toUtf8()));
        if (remember) {
            QVERIFY(content.contains(settings->defaultSessionToken().toUtf8()));
            const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                | QFile::WriteOther | QFile::ExeOther;
            QCOMPARE(QFile::permissions(path) & others, QFile::Permissions());
        }

        LWLoginModel fresh;
        QCOMPARE(fresh.userId(), kDemoUser);
        QCOMPARE(fresh.password(), QString());
        QCOMPARE(fresh.hasRememberedSession(), remember);
        QCOMPARE(fresh.cookiePath(), LWTest::homeFolder() + QStringLiteral("/Lumeworks/LWCookie"));
        QVERIFY(QFileInfo(fresh.cookiePath()).isDir());
    }

    // "Remember me" signs in again with the kept session, without the
    // password; a session the service no longer knows is forgotten, and
    // signing out forgets it too.
    void rememberedSessionSignsIn()
    {
        LWLoginModel model;
        model.setUserId(kDemoUser);
        model.setPassword(kDemoPassword);
        model.setFlagRemeber(true);
        model.loginRequest();
        QVERIFY(model.loginStatus());
        const QString token = LWSettings::instance()->defaultSessionToken();
        QVERIFY(!token.isEmpty());
        LWLoginManager::instance()->setSignedIn(false);

        LWLoginModel later;
        QSignalSpy results(&later, &LWLoginModel::sigLoginResult);
        QVERIFY(later.hasRememberedSession());
        QVERIFY(later.resumeRememberedLogin());
        QVERIFY(later.loginStatus());
        QCOMPARE(results.count(), 1);
        QCOMPARE(results.first().at(0).toInt(), 0);

        LWLoginManager::instance()->setSignedIn(false);
        LWSettings::instance()->setLoginRecord(kDemoUser, true, 0, true, QStringLiteral("no-such-session"));
        QVERIFY(!later.resumeRememberedLogin());
        QVERIFY(!later.loginStatus());
        QVERIFY(LWSettings::instance()->defaultSessionToken().isEmpty());
        QVERIFY(!later.hasRememberedSession());
        QCOMPARE(results.count(), 1);

        LWSettings::instance()->setLoginRecord(kDemoUser, true, 0, true, token);
        later.doLogout();
        QVERIFY(LWSettings::instance()->defaultSessionToken().isEmpty());
        QVERIFY(!later.resumeRememberedLogin());
    }

    void wrongPasswordSignsOut()
    {
        LWLoginModel model;
        model.setUserId(kDemoUser);
        model.setPassword(QStringLiteral("wrong"));
        QSignalSpy results(&model, &LWLoginModel::sigLoginResult);
        model.loginRequest();
        QCOMPARE(results.first().at(0).toInt(), 2);
        QCOMPARE(results.first().at(1).toString(), kWrongCredentials);
        QVERIFY(!model.loginStatus());
    }

    // The editor signs in, then the same account signs in on another
    // device: the next periodic check reports the takeover once and stops.
    void takeoverReachesTheCheck()
    {
        LWLoginModel model;
        model.setUserId(kDemoUser);
        model.setPassword(kDemoPassword);
        model.loginRequest();
        QVERIFY(model.loginStatus());
        LWLoginManager *manager = LWLoginManager::instance();
        QCOMPARE(manager->normalCheck().code, 0);

        QVERIFY(!signInAsDevice(m_service, kOtherDevice).isEmpty());
        QSignalSpy overDue(manager, &LWLoginManager::accountOverDue);
        manager->checkThread()->checkAccountIsOverDue();
        QCOMPARE(overDue.count(), 1);
        const LWLoginResult check = manager->normalCheck();
        QCOMPARE(check.code, 3);
        QCOMPARE(check.message, kTakenOver);
    }

    void periodicCheckStopsAfterTakeover()
    {
        int checks = 0;
        int result = 0;
        LWTimerCheckLoginThread thread(40, [&] { ++checks; return result; });
        QSignalSpy overDue(&thread, &LWTimerCheckLoginThread::accountOverDueSignal);
        thread.start();
        QVERIFY(waitUntil([&] { return checks >= 2; }, 3000));
        QCOMPARE(overDue.count(), 0);
        result = 3;
        QVERIFY(waitUntil([&] { return overDue.count() == 1; }, 3000));
        const int atTakeover = checks;
        QTest::qWait(300);
        QCOMPARE(overDue.count(), 1);
        QVERIFY(checks <= atTakeover + 1);
        thread.stop();
        QVERIFY(!thread.isRunning());
    }

    void ssoCheck_data()
    {
        QTest::addColumn<bool>("withCookie");
        QTest::addColumn<int>("code");
        QTest::newRow("signed on in the web view") << true << 0;
        QTest::newRow("no sign-on cookie") << false << 1;
    }
    void ssoCheck()
    {
        QFETCH(bool, withCookie);
        QFETCH(int, code);
        storeCookie(LWServiceProtocol::kSsoCookie, withCookie ? ssoCookie(m_service) : QByteArray("nothing"));
        LWLoginModel model;
        QSignalSpy results(&model, &LWLoginModel::sigLoginResult);
        model.ssoLoginCheck();
        QCOMPARE(results.count(), 1);
        QCOMPARE(results.first().at(0).toInt(), code);
        QCOMPARE(model.loginStatus(), code == 0);
        if (code == 0)
            QCOMPARE(LWSettings::instance()->loginType(), 1);
    }

    // The public page's check answers valid or not; a takeover code from
    // the service is not a takeover of this kind of sign-in.
    void publicCheck_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("signed in") << QJsonObject() << 0 << QString();
        QTest::newRow("takeover code") << QJsonObject{{"body", "{\"status_code\":1004,\"message\":\"elsewhere\"}"}} << 1
                                       << "elsewhere";
        QTest::newRow("slow") << QJsonObject{{"delayMs", 4500}} << 2 << kTimeout;
    }
    void publicCheck()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(int, code);
        QFETCH(QString, message);
        storeCookie(LWServiceProtocol::kSessionCookie, signInAsDevice(m_service, kOtherDevice));
        m_service.setFaults({{QStringLiteral("/api/user/info"), fault}});
        LWPublicPhoneLogin check;
        const LWLoginResult result = check.check(LWLoginManager::cookieDatabase());
        QCOMPARE(result.code, code);
        if (code != 0)
            QCOMPARE(result.message, message);
    }

    void publicRecord()
    {
        LWLoginModel model;
        QSignalSpy success(&model, &LWLoginModel::publicLoginSuccess);
        model.publicLoginRecord();
        QCOMPARE(success.count(), 1);
        QVERIFY(model.loginStatus());
        QCOMPARE(LWSettings::instance()->loginType(), 2);
        QCOMPARE(LWSettings::instance()->autoLogin(), std::optional<bool>(true));
    }

    // Signing out by type: the enterprise session is ended at the service,
    // the web views' cookie store goes for every type (the form's sign-in
    // is shared with them), type 0 sends nothing.
    void signOut_data()
    {
        QTest::addColumn<int>("loginType");
        QTest::addColumn<bool>("storeRemoved");
        QTest::addColumn<bool>("requestSent");
        QTest::newRow("account form") << 0 << true << false;
        QTest::newRow("single sign-on") << 1 << true << true;
        QTest::newRow("public page") << 2 << true << false;
    }
    void signOut()
    {
        QFETCH(int, loginType);
        QFETCH(bool, storeRemoved);
        QFETCH(bool, requestSent);
        LWTinyHttp capture;
        QVERIFY(capture.listen(QHostAddress::LocalHost));
        LWServiceConfig::setBaseUrl(QStringLiteral("sso"), QStringLiteral("http://127.0.0.1:%1").arg(capture.serverPort()));
        storeCookie(LWServiceProtocol::kSsoCookie, "sso-value");
        QList<int> events;
        LWUsageEvents::setSink([&events](int value, int) { events << value; });
        LWSettings::instance()->setAutoLogin(true, loginType);
        LWLoginManager::instance()->setSignedIn(true);
        LWLoginModel model;
        QSignalSpy signedOut(LWLoginManager::instance(), &LWLoginManager::signedOutByAuthor);

        model.doLogout();
        QVERIFY(waitUntil([&] { return signedOut.count() == 1; }, 5000));
        QVERIFY(!model.loginStatus());
        QCOMPARE(LWSettings::instance()->autoLogin(), std::optional<bool>(false));
        QCOMPARE(events, QList<int>{3001});
        QCOMPARE(!QFile::exists(LWLoginManager::cookieDatabase()), storeRemoved);
        QTest::qWait(100);
        QCOMPARE(!capture.request.isEmpty(), requestSent);
        if (requestSent) {
            QVERIFY(capture.request.startsWith("POST /effect/api/user/logout "));
            QVERIFY(capture.request.contains("gs_sso=sso-value"));
        }
        LWUsageEvents::setSink(nullptr);
        LWServiceConfig::setBaseUrl(QStringLiteral("sso"), m_service.base);
    }
};

LW_TEST_MAIN(TstLogin)
#include "tst_login.moc"
