// The online windows under Xvfb, each from its document in the resources,
// with the controller wiring behind them: the public sign-in page and the
// upload page load from lwservice in the editor's web views, the page's
// address drives the public sign-in, and the draft window's QR code decodes
// to the text the phone app expects. Screenshots go to LW_SHOT_DIR when set.
#include "LWOnlineTestKit.h"
#include "LWTestMain.h"
#include "app/LWAppHost.h"
#include "app/LWMainWindowController.h"
#include "common/LWSettings.h"
#include "online/LWDeviceIdentity.h"
#include "online/LWExternalBrowser.h"
#include "online/LWLoginBridgeModel.h"
#include "online/LWLoginManager.h"
#include "online/LWLoginModel.h"
#include "online/LWTimerCheckLoginThread.h"
#include "online/LWUploadDraftEffectModel.h"
#include "online/LWUploadEffectChoiceModel.h"
#include "online/LWUploadEffectModel.h"
#include "online/LWUploadPackage.h"

#include <QNetworkCookie>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtWebEngine>
#include <QtWebEngine/QQuickWebEngineProfile>
#include <QWebEngineCookieStore>

using namespace LWOnlineTest;

class TstOnlineUi : public QObject
{
    Q_OBJECT
private:
    Service m_service;
    QTemporaryDir m_dir;
    QString m_package;
    QList<QUrl> m_opened;
    QQmlApplicationEngine *m_engine = nullptr;

    QQuickWindow *load(const QString &document)
    {
        const int before = m_engine->rootObjects().size();
        m_engine->load(QUrl(QStringLiteral("qrc") + document));
        if (m_engine->rootObjects().size() != before + 1)
            return nullptr;
        return qobject_cast<QQuickWindow *>(m_engine->rootObjects().last());
    }

    static QObject *child(QQuickWindow *window, const QString &name)
    {
        return window ? window->findChild<QObject *>(name) : nullptr;
    }

    static bool pageLoaded(QObject *view, const QString &title)
    {
        return waitUntil([&] { return !view->property("loading").toBool() && view->property("title").toString() == title; },
                         20000);
    }

    void shoot(QQuickWindow *window, const QString &name)
    {
        const QString folder = qEnvironmentVariable("LW_SHOT_DIR");
        if (!folder.isEmpty())
            window->grabWindow().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_service.start());
        LWExternalBrowser::setOpener([this](const QUrl &url) { m_opened << url; });
        m_package = m_dir.filePath(QStringLiteral("lw.zip"));
        QVERIFY(writePackage(m_package, 4096));
        LWUploadPackage::setBuilder([this] { return m_package; });
        LWAppHost::registerTypes();
        m_engine = new QQmlApplicationEngine(this);
        LWAppHost::publishServices(*m_engine);
        LWMainWindowController::instance()->attachEngine(m_engine);
    }

    void servedModels()
    {
        auto *controller = LWMainWindowController::instance();
        QCOMPARE(controller->property("lwUploadEffectModel").value<QObject *>(), LWUploadEffectModel::instance());
        QCOMPARE(controller->property("lwDraftUploadEffectModel").value<QObject *>(), LWUploadDraftEffectModel::instance());
        QCOMPARE(controller->property("lwUploadEffctChoiceModel").value<QObject *>(), LWUploadEffectChoiceModel::instance());
    }

    // Another client signs the same account in; the periodic check tells
    // the controller, which the editor window turns into its warning.
    void takeoverReachesController()
    {
        LWLoginModel model;
        model.setUserId(kDemoUser);
        model.setPassword(kDemoPassword);
        model.loginRequest();
        QVERIFY(model.loginStatus());
        QVERIFY(!signInAsDevice(m_service, kOtherDevice).isEmpty());
        QSignalSpy overDue(LWMainWindowController::instance(), &LWMainWindowController::accountOverDueSignal);
        LWLoginManager::instance()->checkThread()->checkAccountIsOverDue();
        QCOMPARE(overDue.count(), 1);
    }

    void uploadPageInBridgeWindow()
    {
        QQuickWindow *window = load(QStringLiteral(":/LWLogin/LWLoginBridge/LWLoginBridge.qml"));
        QVERIFY(window);
        QCOMPARE(window->objectName(), QStringLiteral("gsLoginBridgeObj"));
        LWMainWindowController::instance()->showLoginWindow(QStringLiteral("upload"));
        QVERIFY(window->isVisible());
        QObject *view = child(window, QStringLiteral("bridgeWebView"));
        QVERIFY(view);
        QVERIFY(pageLoaded(view, QStringLiteral("Upload - Glowsmith")));
        QCOMPARE(view->property("url").toUrl(), QUrl(m_service.base + QStringLiteral("/site/studio/upload")));
        QTest::qWait(600);
        shoot(window, QStringLiteral("bridge-upload"));
        window->hide();
    }

    // Signed in, the upload page finds "gsBridge" and shows the size of the
    // editor's package, which it can only have learnt through the bridge.
    void uploadPageTalksToTheBridge()
    {
        auto *profile = qobject_cast<QQuickWebEngineProfile *>(LWLoginBridgeModel::instance()->webProfile());
        QVERIFY(profile);
        QNetworkCookie session(LWServiceProtocol::kSessionCookie, signInAsDevice(m_service, kOtherDevice));
        session.setDomain(QStringLiteral("127.0.0.1"));
        session.setPath(QStringLiteral("/"));
        profile->cookieStore()->setCookie(session, QUrl(m_service.base));
        QQuickWindow *window = nullptr;
        for (QObject *root : m_engine->rootObjects()) {
            if (root->objectName() == QLatin1String("gsLoginBridgeObj"))
                window = qobject_cast<QQuickWindow *>(root);
        }
        QVERIFY(window);
        LWMainWindowController::instance()->showLoginWindow(QStringLiteral("upload"));
        QObject *view = child(window, QStringLiteral("bridgeWebView"));
        QVERIFY(view);
        QVERIFY(pageLoaded(view, QStringLiteral("Upload - Glowsmith")));
        QJSValue holder = m_engine->newObject();
        const QJSValue keep = m_engine->evaluate(QStringLiteral("(function(holder) { return function(r) { holder.value = r; }; })"))
                                  .call({holder});
        QVERIFY(waitUntil([&] {
            holder.deleteProperty(QStringLiteral("value"));
            QMetaObject::invokeMethod(view, "runJavaScript", Q_ARG(QString, QStringLiteral("document.getElementById('package').textContent")),
                                      Q_ARG(QJSValue, keep));
            QTest::qWait(200);
            return holder.property(QStringLiteral("value")).toString().contains(QStringLiteral("4.0 KB"));
        }, 15000));
        QTest::qWait(300);
        shoot(window, QStringLiteral("bridge-upload-signed-in"));

        // The page's upload goes with the session of the web view's store
        // as it is now, not only once the store has written its file.
        QFile::remove(LWLoginManager::cookieDatabase());
        const QJsonObject reply = LWLoginBridgeModel::instance()->uploadLocalEffect();
        QCOMPARE(reply.value(QStringLiteral("status_code")), QJsonValue(0));
        window->hide();
    }

    // No page of another origin gets into the bridge view, so none meets
    // "gsBridge": links, new windows and addresses the editor is given
    // open in the author's browser, and the view stays on the service's page.
    void otherOriginsOpenOutside()
    {
        QQuickWindow *window = nullptr;
        for (QObject *root : m_engine->rootObjects()) {
            if (root->objectName() == QLatin1String("gsLoginBridgeObj"))
                window = qobject_cast<QQuickWindow *>(root);
        }
        QVERIFY(window);
        QObject *view = child(window, QStringLiteral("bridgeWebView"));
        QVERIFY(view);
        // Showing the window reloads the page: wait for that load's end.
        QSignalSpy loads(view, SIGNAL(loadingChanged(QQuickWebEngineLoadRequest *)));
        LWMainWindowController::instance()->showLoginWindow(QStringLiteral("upload"));
        QVERIFY(waitUntil([&] { return loads.count() >= 2; }, 20000));
        QVERIFY(pageLoaded(view, QStringLiteral("Upload - Glowsmith")));
        const QUrl own = view->property("url").toUrl();
        QVERIFY(LWLoginBridgeModel::instance()->pageTrusted());
        // Same service, other host name: another origin.
        QString foreign = m_service.base + QStringLiteral("/site/tutorial");
        foreign.replace(QStringLiteral("127.0.0.1"), QStringLiteral("localhost"));
        m_opened.clear();

        auto run = [view](const QString &script) {
            return QMetaObject::invokeMethod(view, "runJavaScript", Q_ARG(QString, script), Q_ARG(QJSValue, QJSValue()));
        };
        QVERIFY(run(QStringLiteral("location.href = '%1?link'").arg(foreign)));
        const bool linked = waitUntil([&] { return m_opened.contains(QUrl(foreign + QStringLiteral("?link"))); });
        QVERIFY2(linked, qPrintable(view->property("url").toString() + QLatin1Char(' ') + QString::number(m_opened.size())
                                    + QLatin1Char(' ') + (m_opened.isEmpty() ? QString() : m_opened.first().toString())));
        QVERIFY(run(QStringLiteral("window.open('%1?window', '_blank')").arg(foreign)));
        QVERIFY(waitUntil([&] { return m_opened.contains(QUrl(foreign + QStringLiteral("?window"))); }));
        QVERIFY(run(QStringLiteral("var f = document.createElement('iframe'); f.src = '%1?frame'; document.body.appendChild(f)").arg(foreign)));
        LWLoginBridgeModel::instance()->setI_nowUrl(foreign + QStringLiteral("?given"));
        QVERIFY(waitUntil([&] { return m_opened.contains(QUrl(foreign + QStringLiteral("?given"))); }));
        QTest::qWait(500);
        QCOMPARE(view->property("url").toUrl(), own);
        QVERIFY(LWLoginBridgeModel::instance()->pageTrusted());
        // A frame is kept out without a browser window of its own.
        QVERIFY(!m_opened.contains(QUrl(foreign + QStringLiteral("?frame"))));
        QCOMPARE(m_opened.size(), 3);
        m_opened.clear();
        window->hide();
    }

    void oversizedPackageGoesToCompression()
    {
        QVERIFY(writePackage(m_package, 6 * 1024 * 1024));
        QStringList compressed;
        LWMainWindowController::instance()->setCompressionWindowOpener([&compressed](const QString &p) { compressed << p; });
        LWLoginBridgeModel::instance()->setI_nowUrl(QString());
        LWMainWindowController::instance()->showLoginWindow(QStringLiteral("upload"));
        LWMainWindowController::instance()->setCompressionWindowOpener(nullptr);
        QCOMPARE(compressed, QStringList{m_package});
        QCOMPARE(LWLoginBridgeModel::instance()->i_nowUrl(), QString());
        QVERIFY(writePackage(m_package, 4096));
    }

    // "Remember me" through the window: the next showing of the sign-in
    // window signs in with the kept session and goes, without the password.
    void signInWindowUsesRememberedSession()
    {
        LWLoginModel first;
        first.setUserId(kDemoUser);
        first.setPassword(kDemoPassword);
        first.setFlagRemeber(true);
        first.loginRequest();
        QVERIFY(first.loginStatus());
        LWLoginManager::instance()->setSignedIn(false);
        QQuickWindow *window = load(QStringLiteral(":/LWLogin/LWNormalLoginWindow.qml"));
        QVERIFY(window);
        window->show();
        QVERIFY(waitUntil([&] { return !window->isVisible(); }));
        QVERIFY(!LWLoginManager::instance()->isLogout());
        LWSettings::instance()->forgetSession();
    }

    // The page's address drives the window: a sign-in hides it and records
    // the sign-in after the page has had its time; a tutorial link opens in
    // the author's browser.
    void publicSignInPage()
    {
        QQuickWindow *window = load(QStringLiteral(":/LWLogin/LWPublicLoginWindow.qml"));
        QVERIFY(window);
        window->show();
        QObject *view = child(window, QStringLiteral("publicWebView"));
        QVERIFY(view);
        QVERIFY(pageLoaded(view, QStringLiteral("Sign in - Glowsmith")));
        QTest::qWait(600);
        shoot(window, QStringLiteral("public-login"));

        const QString tutorial = m_service.base + QStringLiteral("/site/tutorial");
        view->setProperty("url", QUrl(m_service.base + QStringLiteral("/site/studio/login?activity=openBrowse&url=")
                                      + QString::fromLatin1(QUrl::toPercentEncoding(tutorial))));
        QVERIFY(waitUntil([&] { return !window->isVisible(); }));
        QCOMPARE(m_opened, QList<QUrl>{QUrl(tutorial)});

        LWLoginManager::instance()->setSignedIn(false);
        window->show();
        QVERIFY(pageLoaded(view, QStringLiteral("Sign in - Glowsmith")));
        view->setProperty("url", QUrl(m_service.base + QStringLiteral("/site/studio/login?activity=login")));
        QVERIFY(waitUntil([&] { return !window->isVisible(); }, 16000));
        QVERIFY(!LWLoginManager::instance()->isLogout());
        QCOMPARE(LWSettings::instance()->loginType(), 2);
    }

    void draftWindowShowsQrCode()
    {
        QQuickWindow *window = load(QStringLiteral(":/LWUpload/LWUploadDraftWindow.qml"));
        QVERIFY(window);
        QSignalSpy results(LWUploadDraftEffectModel::instance(), &LWUploadDraftEffectModel::draftUploadResult);
        window->show();
        QVERIFY(waitUntil([&] { return results.count() == 1; }));
        QCOMPARE(results.first().at(0).toInt(), 0);
        QObject *code = child(window, QStringLiteral("draftQrCode"));
        QVERIFY(code);
        QVERIFY(waitUntil([&] { return code->property("valid").toBool(); }));
        QTest::qWait(300);
        const QImage shot = window->grabWindow();
        const QString file = m_dir.filePath(QStringLiteral("draft.png"));
        QVERIFY(shot.save(file));
        shoot(window, QStringLiteral("draft"));
        QProcess zbar;
        zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), file});
        QVERIFY(zbar.waitForFinished(20000));
        const QString decoded = QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
        const QRegularExpression shape(QStringLiteral("^\\{\"id\": \"%1\",\"type\": \"studio\",\"time\": \"\\d+\"\\}$")
                                           .arg(QRegularExpression::escape(LWDeviceIdentity::deviceId())));
        QVERIFY2(shape.match(decoded).hasMatch(), qPrintable(decoded));
        QCOMPARE(decoded, code->property("text").toString());
        window->hide();
    }

    void closingTheEditorStopsOnlineWork()
    {
        m_service.setFaults({{QStringLiteral("/api/effect/preview"), QJsonObject{{"delayMs", 5000}}}});
        LWUploadDraftEffectModel *draft = LWUploadDraftEffectModel::instance();
        QSignalSpy results(draft, &LWUploadDraftEffectModel::draftUploadResult);
        draft->uploadEffectDraft();
        QVERIFY(draft->uploading());
        LWLoginManager::instance()->startPolling();
        QElapsedTimer clock;
        clock.start();
        LWMainWindowController::instance()->onClosingMainWindow();
        QVERIFY(waitUntil([&] { return results.count() == 1; }, 3000));
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(results.first().at(0).toInt(), 1);
        QVERIFY(!LWLoginManager::instance()->checkThread()->isRunning());
        m_service.clearFaults();
    }

    // Not checks: pictures of the windows without web views, for people.
    void windowPictures()
    {
        if (qEnvironmentVariableIsEmpty("LW_SHOT_DIR"))
            QSKIP("LW_SHOT_DIR not set");
        LWUploadEffectModel::instance()->getAndCaculateEffectPack();
        for (const QString &name : {QStringLiteral("LWLogin/LWNormalLoginWindow"), QStringLiteral("LWUpload/LWUploadEffectWindow"),
                                    QStringLiteral("LWUpload/LWUploadEffectChoiceWindow")}) {
            QQuickWindow *window = load(QStringLiteral(":/") + name + QStringLiteral(".qml"));
            QVERIFY(window);
            window->show();
            QTest::qWait(1500);
            shoot(window, name.section(QLatin1Char('/'), 1));
            window->hide();
        }
    }
};

int main(int argc, char **argv)
{
    LWTest::isolate();
    QtWebEngine::initialize();
    QGuiApplication app(argc, argv);
    TstOnlineUi test;
    return LWTest::run(argc, argv, &test);
}
#include "tst_onlineui.moc"
