// The editor's online ways as an author takes them, through the real main
// window against lwservice on 127.0.0.1: each way to sign in from the
// account button and out again, the submission for review (a new effect,
// then an update of it) checked in the service's records, sign-in asked
// for on the way up, the phone draft's compact QR code, and the feedback
// window refusing to leave out an effect it cannot attach. Screenshots go
// to LW_SHOT_DIR when set, in the language of LW_SHOT_LANG.
#include "LWEditorDriver.h"
#include "LWOnlineTestKit.h"
#include "LWTestMain.h"
#include "app/CustomFileDialogAdapter.h"
#include "app/LWGuiApplication.h"
#include "app/LWMainWindowController.h"
#include "common/LWLanguage.h"
#include "common/LWResources.h"
#include "common/LWSettings.h"
#include "online/LWDeviceIdentity.h"
#include "online/LWExternalBrowser.h"
#include "online/LWFeedBackModel.h"
#include "online/LWLoginBridgeModel.h"
#include "online/LWWebSession.h"
#include "online/LWLoginManager.h"
#include "online/LWUploadDraftEffectModel.h"
#include "online/LWUploadEffectChoiceModel.h"
#include "online/LWUploadEffectModel.h"
#include "online/LWUploadPackage.h"
#include "workspace/LWEffectPackManager.h"

#include <QImage>
#include <QPainter>
#include <QTranslator>
#include <QtWebEngine>

using namespace LWEditorDriver;
using namespace LWOnlineTest;

namespace {

// Warnings of the interface documents while they are driven: each one is a
// fault of a document (a binding loop, a missing property).
QStringList g_qmlWarnings;
QtMessageHandler g_previousHandler = nullptr;

void collectQmlWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && message.contains(QLatin1String(".qml:")))
        g_qmlWarnings << message;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

QString ui(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}

// The menu entry text of a way, with the mark of the remembered one.
QString wayEntry(int way, bool last)
{
    static const char *names[] = {"Account and password", "Company sign-on", "Phone number"};
    return ui("LWLoginWays", names[way]) + (last ? QStringLiteral("\t") + ui("LWLoginWays", "Last used") : QString());
}

// Typed key by key, as the window gets it from a keyboard.
void typeText(QWindow *window, const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(window, c.toLatin1());
}

// Delegates of a list are items without a parent object: searched through
// the item tree.
QQuickItem *itemNamed(QQuickItem *root, const QString &name)
{
    if (!root)
        return nullptr;
    if (root->objectName() == name)
        return root;
    for (QQuickItem *child : root->childItems()) {
        if (QQuickItem *found = itemNamed(child, name))
            return found;
    }
    return nullptr;
}

// A menu takes clicks once its opening has finished.
bool menuReady(QObject *menu)
{
    return menu && menu->property("opened").toBool();
}

bool runScript(QObject *view, const QString &script)
{
    return QMetaObject::invokeMethod(view, "runJavaScript", Q_ARG(QString, script), Q_ARG(QJSValue, QJSValue()));
}

bool pageLoaded(QObject *view, const QString &title, int ms = 20000)
{
    return waitUntil([&] { return !view->property("loading").toBool() && view->property("title").toString() == title; },
                     ms);
}

QString writeIcon(const QString &path)
{
    QImage image(162, 162, QImage::Format_ARGB32);
    image.fill(QColor(QStringLiteral("#ff8a3d")));
    QPainter painter(&image);
    painter.setBrush(QColor(QStringLiteral("#2b1a4a")));
    painter.drawEllipse(QRect(41, 41, 80, 80));
    painter.end();
    return image.save(path) ? path : QString();
}

QString decodeQr(const QImage &image, const QString &file)
{
    if (!image.save(file))
        return QString();
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), file});
    if (!zbar.waitForFinished(20000))
        return QString();
    return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
}

} // namespace

class TstOnlineFlow : public QObject
{
    Q_OBJECT

    Service m_service;
    QTemporaryDir m_dir;
    QString m_package;
    QByteArray m_session; // the web views' sign-in
    QList<QUrl> m_opened;
    QQmlApplicationEngine *m_engine = nullptr; // owned

    LWMainWindowController *ctrl() const { return LWMainWindowController::instance(); }
    QQuickWindow *editor() const { return window(*m_engine, QStringLiteral("mainStudioObj")); }
    template <typename T = QObject>
    T *inEditor(const QString &name) const { return editor()->findChild<T *>(name); }
    // The editor's child windows are found by their object names.
    QQuickWindow *childWindow(const QString &name) const { return inEditor<QQuickWindow>(name); }
    QQuickItem *shown(QQuickWindow *w, const QString &text) const { return itemWithText(w->contentItem(), text); }

    void shoot(QQuickWindow *w, const QString &name, const QRect &part = QRect())
    {
        const QString folder = qEnvironmentVariable("LW_SHOT_DIR");
        if (folder.isEmpty())
            return;
        QImage image = w->grabWindow();
        if (part.isValid())
            image = image.copy(part);
        const QString language = qEnvironmentVariable("LW_SHOT_LANG", QStringLiteral("1"));
        image.save(folder + QLatin1Char('/') + name + QStringLiteral("-") + language + QStringLiteral(".png"));
    }

    // The way the account button offers: the menu of ways.
    void openWays()
    {
        QVERIFY(activate(editor()));
        QVERIFY(clickText(editor(), ui("LWMainToolbar", "Sign in")));
        QTRY_VERIFY(menuReady(inEditor(QStringLiteral("loginWaysMenu"))));
    }

    void chooseWay(int way, bool last)
    {
        QQuickItem *entry = shown(editor(), wayEntry(way, last));
        QVERIFY2(entry, qPrintable(wayEntry(way, last)));
        QVERIFY(click(editor(), entry));
        QTRY_VERIFY(!opened(inEditor(QStringLiteral("loginWaysMenu"))));
    }

    void signInWithForm()
    {
        QQuickWindow *form = childWindow(QStringLiteral("normalLoginWinObj"));
        QVERIFY(form);
        QTRY_VERIFY(showing(form));
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY(activate(form));
        auto *user = form->findChild<QQuickItem *>(QStringLiteral("loginUserField"));
        auto *password = form->findChild<QQuickItem *>(QStringLiteral("loginPasswordField"));
        QVERIFY(user && password);
        typeInto(form, user->property("input").value<QQuickItem *>(), kDemoUser);
        typeInto(form, password->property("input").value<QQuickItem *>(), kDemoPassword);
        shoot(form, QStringLiteral("login-form"));
        QTest::keyClick(form, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!showing(form), 10000);
    }

    void signInWithSso()
    {
        QQuickWindow *sso = childWindow(QStringLiteral("ssoLoginWinObj"));
        QVERIFY(sso);
        QTRY_VERIFY(showing(sso));
        QObject *view = sso->findChild<QObject *>(QStringLiteral("ssoWebView"));
        QVERIFY(view);
        QVERIFY(pageLoaded(view, QStringLiteral("Sign in - Glowsmith")));
        QTest::qWait(400);
        shoot(sso, QStringLiteral("login-sso"));
        QVERIFY(runScript(view, QStringLiteral("document.getElementById('username').value = '%1';"
                                               "document.getElementById('password').value = '%2';"
                                               "document.getElementById('submit').click();")
                                    .arg(kDemoUser, kDemoPassword)));
        QTRY_VERIFY_WITH_TIMEOUT(!showing(sso), 20000);
    }

    void signInWithPhone()
    {
        QQuickWindow *phone = childWindow(QStringLiteral("publicLoginWinObj"));
        QVERIFY(phone);
        QTRY_VERIFY(showing(phone));
        QObject *view = phone->findChild<QObject *>(QStringLiteral("publicWebView"));
        QVERIFY(view);
        QVERIFY(pageLoaded(view, QStringLiteral("Sign in - Glowsmith")));
        QTest::qWait(600);
        shoot(phone, QStringLiteral("login-phone"));
        // The local service hands the code back with its reply.
        QVERIFY(runScript(view, QStringLiteral("document.getElementById('phone').value = '10000000000';"
                                               "document.getElementById('send').click();")));
        QTest::qWait(1500);
        QVERIFY(runScript(view, QStringLiteral("document.getElementById('submit').click();")));
        QTRY_VERIFY_WITH_TIMEOUT(!showing(phone), 25000);
    }

    void signOutThroughAccountMenu()
    {
        QVERIFY(activate(editor()));
        QVERIFY(clickText(editor(), ui("LWMainToolbar", "Account")));
        QObject *menu = inEditor(QStringLiteral("accountMenu"));
        QTRY_VERIFY(menuReady(menu));
        shoot(editor(), QStringLiteral("account-menu"));
        QVERIFY(clickText(editor(), ui("LWMainWindow", "Log out")));
        // An empty project: nothing to save, the question of the sign-out.
        QTRY_VERIFY(shown(editor(), ui("LWMainWindow", "Not Save")));
        QVERIFY(clickText(editor(), ui("LWMainWindow", "Not Save")));
    }

    // Signed in as the web views are: the site's session in their store.
    void webSignedIn()
    {
        m_session = signInAsDevice(m_service, LWDeviceIdentity::deviceId());
        QVERIFY(!m_session.isEmpty());
        QVERIFY(writeCookieStore(LWLoginManager::cookieDatabase(),
                                 {{QStringLiteral("127.0.0.1"), QString::fromLatin1(LWServiceProtocol::kSessionCookie), m_session}}));
        // A web view made by an earlier case keeps its live store, which
        // the requests prefer to the file.
        QNetworkCookie session(LWServiceProtocol::kSessionCookie, m_session);
        session.setDomain(QStringLiteral("127.0.0.1"));
        session.setPath(QStringLiteral("/"));
        LWWebSession::instance()->shareSignIn({session});
        LWSettings::instance()->setAutoLogin(true, 2);
        LWLoginManager::instance()->setSignedIn(true);
    }

    void signedOut()
    {
        LWLoginManager::instance()->setSignedIn(false);
        QFile::remove(LWLoginManager::cookieDatabase());
    }

    // The service's records of the author's effects, asked with the same
    // session (a sign-in of another device would take the account over).
    QJsonArray earlierEffects()
    {
        const Reply reply = send(QStringLiteral("GET"), m_service.base + QStringLiteral("/api/effect/previousEffects"),
                                 QByteArray(), QByteArray(), QByteArray(LWServiceProtocol::kSessionCookie) + '=' + m_session);
        return reply.json().value(QStringLiteral("data")).toObject().value(QStringLiteral("effects")).toArray();
    }

    void chooseUploadEntry(const QString &entry)
    {
        QVERIFY(activate(editor()));
        QVERIFY(click(editor(), inEditor<QQuickItem>(QStringLiteral("uploadButton"))));
        QTRY_VERIFY(menuReady(inEditor(QStringLiteral("uploadMenu"))));
        shoot(editor(), QStringLiteral("upload-menu"));
        QVERIFY(clickText(editor(), ui("LWMainToolbar", qPrintable(entry))));
    }

    void typeInto(QQuickWindow *w, QQuickItem *field, const QString &text)
    {
        QVERIFY(field);
        QVERIFY(click(w, field));
        QTRY_VERIFY(field->hasActiveFocus());
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_Delete);
        typeText(w, text);
        QTRY_COMPARE(field->property("text").toString(), text);
    }

    // Through the choice window and the upload window to the service.
    void submitThroughWindows(int row, const QString &name, const QString &intro, bool withIcon)
    {
        chooseUploadEntry(QStringLiteral("Submit for review..."));
        QQuickWindow *choice = childWindow(QStringLiteral("uploadChoiceWinObj"));
        QVERIFY(choice);
        QTRY_VERIFY(showing(choice));
        QVERIFY(QTest::qWaitForWindowExposed(choice));
        QObject *choices = ctrl()->property("lwUploadEffctChoiceModel").value<QObject *>();
        QTRY_COMPARE(choices->property("effectNums").toInt(), earlierEffects().size());
        QTest::qWait(800);
        shoot(choice, row < 0 ? QStringLiteral("choice-empty") : QStringLiteral("choice"));
        QVERIFY(activate(choice));
        if (row >= 0) {
            const QString name = QStringLiteral("earlierEffect%1").arg(row);
            QTRY_VERIFY(itemNamed(choice->contentItem(), name));
            QVERIFY(click(choice, itemNamed(choice->contentItem(), name)));
            QVERIFY(clickText(choice, ui("LWUploadEffectChoiceWindow", "Replace selected")));
        } else {
            QVERIFY(clickText(choice, ui("LWUploadEffectChoiceWindow", "Submit as new effect")));
        }
        QQuickWindow *upload = childWindow(QStringLiteral("uploadEffectWinObj"));
        QVERIFY(upload);
        QTRY_VERIFY(showing(upload));
        QVERIFY(QTest::qWaitForWindowExposed(upload));
        QVERIFY(!showing(choice));
        LWUploadEffectModel *model = LWUploadEffectModel::instance();
        QTRY_VERIFY(model->uploadReady());
        QCOMPARE(model->effectSize(), QStringLiteral("4.00Kb"));
        QVERIFY(activate(upload));
        typeInto(upload, upload->findChild<QQuickItem *>(QStringLiteral("uploadNameField"))->property("input").value<QQuickItem *>(),
                 name);
        typeInto(upload, upload->findChild<QQuickItem *>(QStringLiteral("uploadDescArea")), intro);
        QCOMPARE(model->effectName(), name);
        QCOMPARE(model->effectDesc(), intro);
        if (withIcon) {
            QObject *adapter = ctrl()->fileDialogAdapter();
            QSignalSpy asked(adapter, SIGNAL(openDialog()));
            QSignalSpy iconResults(model, &LWUploadEffectModel::iconUploadResult);
            QVERIFY(clickText(upload, ui("LWUploadEffectWindow", "Change icon")));
            QTRY_COMPARE(asked.size(), 1);
            QObject answer;
            answer.setProperty("fileUrl", QUrl::fromLocalFile(writeIcon(m_dir.filePath(QStringLiteral("icon.png")))));
            answer.setProperty("fileUrls", QVariant::fromValue(QList<QUrl>{answer.property("fileUrl").toUrl()}));
            answer.setProperty("folder", QUrl());
            QObject *platformDialog = inEditor(QStringLiteral("adapterFileDialog"));
            QVERIFY(platformDialog);
            QTRY_VERIFY(platformDialog->property("visible").toBool());
            QMetaObject::invokeMethod(platformDialog, "close");
            QMetaObject::invokeMethod(adapter, "accepted", Q_ARG(QObject *, &answer));
            QTRY_COMPARE(iconResults.size(), 1);
            QCOMPARE(iconResults.first().at(0).toInt(), 0);
            QVERIFY(!model->iconReference().isEmpty());
        }
        QTest::qWait(300);
        shoot(upload, row < 0 ? QStringLiteral("upload-new") : QStringLiteral("upload-replace"));
        QSignalSpy results(model, &LWUploadEffectModel::fileUploadResult);
        m_opened.clear();
        QVERIFY(activate(upload));
        QVERIFY(click(upload, upload->findChild<QQuickItem *>(QStringLiteral("uploadSubmitButton"))));
        QTRY_COMPARE_WITH_TIMEOUT(results.size(), 1, 15000);
        QVERIFY2(results.first().at(0).toInt() == 0, qPrintable(results.first().at(1).toString()));
        QTest::qWait(200);
        shoot(upload, row < 0 ? QStringLiteral("upload-done") : QStringLiteral("upload-replace-done"));
        // The author ends on the effects page, the window gone.
        QCOMPARE(m_opened, QList<QUrl>{QUrl(m_service.base + QStringLiteral("/site/effects"))});
        QTRY_VERIFY_WITH_TIMEOUT(!showing(upload), 5000);
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
        g_previousHandler = qInstallMessageHandler(collectQmlWarnings);
        m_engine = loadEditor(this);
        // A sign-out restarts the program; here it only ends the sign-in.
        QObject::disconnect(LWLoginManager::instance(), &LWLoginManager::signedOutByAuthor, ctrl(), nullptr);
        ctrl()->showMainWindow();
        QTRY_VERIFY(showing(editor()));
        QVERIFY(activate(editor()));
    }

    void init()
    {
        g_qmlWarnings.clear();
    }

    void cleanup()
    {
        QVERIFY2(g_qmlWarnings.isEmpty(), qPrintable(g_qmlWarnings.join(QLatin1Char('\n'))));
        m_service.clearFaults();
        QVERIFY(writePackage(m_package, 4096));
    }

    // From the account button to signed in, as every online model sees
    // it, and back out by the way that signed in.
    void signInEachWay_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<bool>("webStoreCleared");
        QTest::newRow("account form") << 0 << true;
        QTest::newRow("company sign-on") << 1 << true;
        QTest::newRow("phone page") << 2 << true;
    }
    void signInEachWay()
    {
        QFETCH(int, way);
        QFETCH(bool, webStoreCleared);
        signedOut();
        openWays();
        shoot(editor(), QStringLiteral("ways-menu-before-%1").arg(way));
        chooseWay(way, LWSettings::instance()->loginType() == way && LWSettings::instance()->autoLogin().has_value());
        switch (way) {
        case 0: signInWithForm(); break;
        case 1: signInWithSso(); break;
        default: signInWithPhone(); break;
        }
        if (QTest::currentTestFailed())
            return;
        QVERIFY(!LWLoginManager::instance()->isLogout());
        QCOMPARE(LWSettings::instance()->loginType(), way);
        QCOMPARE(LWSettings::instance()->autoLogin(), std::optional<bool>(true));
        QTRY_VERIFY(shown(editor(), ui("LWMainToolbar", "Account")));
        // Every way's sign-in is the upload's too: the list of the author's
        // effects loads at once, without a second sign-in.
        {
            auto *choices = LWUploadEffectChoiceModel::instance();
            QSignalSpy problem(choices, &LWUploadEffectChoiceModel::listProblemChanged);
            QSignalSpy listed(choices, &LWUploadEffectChoiceModel::effectNumsChanged);
            choices->sendGetRequest();
            QTRY_VERIFY(problem.size() + listed.size() > 0);
            QVERIFY2(choices->listProblem().isEmpty(), qPrintable(choices->listProblem()));
        }

        // Out again: the account menu tells the way, the sign-out undoes it.
        QByteArray ssoSession;
        for (const QNetworkCookie &cookie : LWLoginBridgeModel::instance()->currentWebCookies()) {
            if (way == 1 && cookie.name() == LWServiceProtocol::kSsoCookie)
                ssoSession = cookie.value();
        }
        QCOMPARE(ssoSession.isEmpty(), way != 1);
        QVERIFY(writeCookieStore(LWLoginManager::cookieDatabase(), {}));
        QSignalSpy signedOutSpy(LWLoginManager::instance(), &LWLoginManager::signedOutByAuthor);
        signOutThroughAccountMenu();
        QTRY_COMPARE_WITH_TIMEOUT(signedOutSpy.size(), 1, 5000);
        QVERIFY(LWLoginManager::instance()->isLogout());
        QCOMPARE(LWSettings::instance()->autoLogin(), std::optional<bool>(false));
        QCOMPARE(!QFile::exists(LWLoginManager::cookieDatabase()), webStoreCleared);
        QTRY_VERIFY(shown(editor(), ui("LWMainToolbar", "Sign in")));
        // The company's session is over at the service: its signed-in page
        // sends the old cookie back to the sign-in.
        if (way == 1) {
            const Reply site = send(QStringLiteral("GET"), m_service.base + QStringLiteral("/effect/site/"), QByteArray(),
                                    QByteArray(), QByteArray(LWServiceProtocol::kSsoCookie) + '=' + ssoSession);
            QCOMPARE(site.status, 302);
        }

        // The next sign-in offers this way first.
        openWays();
        shoot(editor(), QStringLiteral("ways-menu-after-%1").arg(way));
        auto *menu = inEditor<QObject>(QStringLiteral("loginWaysMenu"));
        QQuickItem *first = nullptr;
        QMetaObject::invokeMethod(menu, "itemAt", Q_RETURN_ARG(QQuickItem *, first), Q_ARG(int, 0));
        QVERIFY(first);
        QCOMPARE(first->property("text").toString(), wayEntry(way, true));
        QMetaObject::invokeMethod(menu, "close");
    }

    // Upload asks for the sign-in first and goes on to the submission
    // once it is done.
    void uploadAsksForSignIn()
    {
        signedOut();
        chooseUploadEntry(QStringLiteral("Submit for review..."));
        QTRY_VERIFY(menuReady(inEditor(QStringLiteral("loginWaysMenu"))));
        chooseWay(0, LWSettings::instance()->loginType() == 0);
        signInWithForm();
        QQuickWindow *choice = childWindow(QStringLiteral("uploadChoiceWinObj"));
        QTRY_VERIFY(showing(choice));
        choice->hide();
    }

    // A new effect, then an update of it: the service's records follow.
    void submitNewThenReplace()
    {
        webSignedIn();
        const int before = earlierEffects().size();
        submitThroughWindows(-1, QStringLiteral("Sunset glow"), QStringLiteral("Warm light on the face"), true);
        if (QTest::currentTestFailed())
            return;
        QJsonArray effects = earlierEffects();
        QCOMPARE(effects.size(), before + 1);
        const QJsonObject created = effects.first().toObject();
        QCOMPARE(created.value(QStringLiteral("name")).toString(), QStringLiteral("Sunset glow"));
        QCOMPARE(created.value(QStringLiteral("description")).toString(), QStringLiteral("Warm light on the face"));
        QVERIFY(!created.value(QStringLiteral("iconUrl")).toObject().value(QStringLiteral("uri")).toString().isEmpty());
        const QString uuid = created.value(QStringLiteral("uuid")).toString();

        submitThroughWindows(0, QStringLiteral("Sunset glow 2"), QStringLiteral("Warmer"), false);
        if (QTest::currentTestFailed())
            return;
        effects = earlierEffects();
        QCOMPARE(effects.size(), before + 1);
        QCOMPARE(effects.first().toObject().value(QStringLiteral("uuid")).toString(), uuid);
        QCOMPARE(effects.first().toObject().value(QStringLiteral("name")).toString(), QStringLiteral("Sunset glow 2"));
        QCOMPARE(effects.first().toObject().value(QStringLiteral("description")).toString(), QStringLiteral("Warmer"));
    }

    // The other way up: the publishing site's page in the bridge window.
    void uploadPageEntry()
    {
        webSignedIn();
        chooseUploadEntry(QStringLiteral("Upload on the publishing site..."));
        QQuickWindow *bridge = window(*m_engine, QStringLiteral("gsLoginBridgeObj"));
        QVERIFY(bridge);
        QTRY_VERIFY(showing(bridge));
        QObject *view = bridge->findChild<QObject *>(QStringLiteral("bridgeWebView"));
        QTRY_VERIFY(view);
        QVERIFY(pageLoaded(view, QStringLiteral("Upload - Glowsmith")));
        QCOMPARE(view->property("url").toUrl(), QUrl(m_service.base + QStringLiteral("/site/studio/upload")));
        QTest::qWait(600);
        shoot(bridge, QStringLiteral("upload-page"));
        bridge->hide();
    }

    // After a phone sync the latest draft's code stays at hand in the
    // editor, opened and closed on a click, and scans as the phone expects.
    void draftPopupQrCode()
    {
        LWEffectPackManager::instance()->createFeatureToWorkSpaceEffect(QStringLiteral("LWFeatureTypeFilter"));
        QTRY_VERIFY(LWEffectPackManager::instance()->getFeatureCount() > 0);
        QVERIFY(activate(editor()));
        QSignalSpy drafts(LWUploadDraftEffectModel::instance(), &LWUploadDraftEffectModel::draftUploadResult);
        QVERIFY(clickText(editor(), ui("LWMainToolbar", "Sync to Phone")));
        QTRY_COMPARE_WITH_TIMEOUT(drafts.size(), 1, 15000);
        QCOMPARE(drafts.first().at(0).toInt(), 0);
        auto *popup = inEditor<QQuickItem>(QStringLiteral("draftPopup"));
        QVERIFY(popup);
        QQuickWindow *draftWindow = childWindow(QStringLiteral("uploadDraftWinObj"));
        QVERIFY(showing(draftWindow));
        QVERIFY(!popup->isVisible());
        draftWindow->close();
        QTRY_VERIFY(popup->isVisible());
        QVERIFY(activate(editor()));
        shoot(editor(), QStringLiteral("draft-popup-closed"));
        QVERIFY(!popup->property("expanded").toBool());
        QVERIFY(shown(editor(), ui("LWUploadDraftPopup", "Click to expand QR code")));
        QVERIFY(clickText(editor(), ui("LWUploadDraftPopup", "Click to expand QR code")));
        QTRY_VERIFY(popup->property("expanded").toBool());
        QTRY_VERIFY(shown(editor(), ui("LWUploadDraftPopup", "Click to close the QR code")));
        QTest::qWait(500);
        const QRect area = popup->mapRectToScene(QRectF(0, 0, popup->width(), popup->height())).toRect();
        shoot(editor(), QStringLiteral("draft-popup"), area.adjusted(-120, -20, 20, 20));
        QImage picture = editor()->grabWindow().copy(area);
        const QString decoded = decodeQr(picture, m_dir.filePath(QStringLiteral("popup.png")));
        const QRegularExpression shape(QStringLiteral("^\\{\"id\": \"%1\",\"type\": \"studio\",\"time\": \"\\d+\"\\}$")
                                           .arg(QRegularExpression::escape(LWDeviceIdentity::deviceId())));
        QVERIFY2(shape.match(decoded).hasMatch(), qPrintable(decoded));
        QVERIFY(clickText(editor(), ui("LWUploadDraftPopup", "Click to close the QR code")));
        QTRY_VERIFY(!popup->property("expanded").toBool());
        QVERIFY(shown(editor(), ui("LWUploadDraftPopup", "Click to expand QR code")));
    }

    // An effect over the limit cannot go with the message: the window says
    // so and sends nothing; without the tick the message goes alone.
    void feedbackSaysPackageTooLarge()
    {
        QVERIFY(writePackage(m_package, 5 * 1024 * 1024 + 1));
        QVERIFY(activate(editor()));
        QVERIFY(clickText(editor(), ui("LWMainToolbar", "Feedback")));
        QQuickWindow *feedback = childWindow(QStringLiteral("feedbackWindowObj"));
        QVERIFY(feedback);
        QTRY_VERIFY(showing(feedback));
        QVERIFY(activate(feedback));
        QSignalSpy finished(LWFeedBackModel::instance(), &LWFeedBackModel::submitFinished);
        auto *message = feedback->findChild<QQuickItem *>(QStringLiteral("feedbackMessage"));
        typeInto(feedback, message, QStringLiteral("The sticker jumps when I blink"));
        QVERIFY(click(feedback, feedback->findChild<QQuickItem *>(QStringLiteral("feedbackAttach"))));
        QVERIFY(feedback->findChild<QQuickItem *>(QStringLiteral("feedbackAttach"))->property("checked").toBool());
        QVERIFY(click(feedback, feedback->findChild<QQuickItem *>(QStringLiteral("feedbackSubmit"))));
        auto *notice = feedback->findChild<QQuickItem *>(QStringLiteral("feedbackNotice"));
        QVERIFY(notice);
        QTRY_COMPARE(notice->property("text").toString(),
                     ui("LWFeedBackModel", "The effect package is larger than 5 MB and cannot be attached."
                                           " Remove the tick to send your message without it."));
        QTest::qWait(300);
        shoot(feedback, QStringLiteral("feedback-too-large"));
        QTest::qWait(500);
        QCOMPARE(finished.size(), 0);
        QCOMPARE(message->property("text").toString(), QStringLiteral("The sticker jumps when I blink"));

        QVERIFY(click(feedback, feedback->findChild<QQuickItem *>(QStringLiteral("feedbackAttach"))));
        QVERIFY(click(feedback, feedback->findChild<QQuickItem *>(QStringLiteral("feedbackSubmit"))));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 10000);
        QCOMPARE(finished.first().at(0).toBool(), true);
        feedback->close();
    }
};

int main(int argc, char **argv)
{
    LWTest::isolate();
    QtWebEngine::initialize();
    LWGuiApplication app(argc, argv);
    QTranslator translator;
    LWEditorDriver::useShotLanguage(app, translator);
    TstOnlineFlow test;
    return LWTest::run(argc, argv, &test);
}
#include "tst_onlineflow.moc"
