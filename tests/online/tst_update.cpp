// The update check against lwservice: version comparison, the automatic and
// the requested check with the windows each shows, answers that offer
// nothing, the installer download with its digest check and repeat, and
// starting the installer; offers that are unsigned, wrongly signed or on
// an unprotected address refused with their reason.
#include "LWOnlineTestKit.h"
#include "LWTestMain.h"
#include "app/LWMainWindowController.h"
#include "common/LWDataPaths.h"
#include "common/LWSettings.h"
#include "online/LWCheckUpdateWindowModel.h"
#include "online/LWFeedBackModel.h"
#include "online/LWMaterialsOnLine.h"
#include "online/LWUpdateSignature.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QSignalSpy>
#include <QWindow>

using namespace LWOnlineTest;

namespace {

const QStringList kWindows{"checkUpdateCheckingWindow", "checkUpdateWindow", "checkUpdateIsNewWindow",
                           "checkUpdateDownloadWindow", "checkUpdateFinishWindow"};
const QString kInstallerFile = QStringLiteral("GlowsmithSetup-test");

// A fault that answers with this JSON body.
QJsonObject bodyFault(const QJsonObject &body)
{
    return QJsonObject{{"body", QString::fromUtf8(QJsonDocument(body).toJson(QJsonDocument::Compact))}};
}

QJsonObject offerFault(const QJsonObject &data)
{
    return bodyFault({{"status_code", 0}, {"data", data}});
}

struct Launch
{
    QString program;
    QStringList arguments;
};

} // namespace

class TstUpdate : public QObject
{
    Q_OBJECT
private:
    Service m_service;
    QList<QWindow *> m_windows; // stand-ins for the five update windows
    QList<Launch> m_launches;
    int m_quits = 0;
    bool m_launchWorks = true;
    QByteArray m_installer;

    QStringList visibleWindows() const
    {
        QStringList names;
        for (QWindow *window : m_windows) {
            if (window->isVisible())
                names << window->objectName();
        }
        return names;
    }

    void hideWindows()
    {
        for (QWindow *window : m_windows)
            window->hide();
    }

    // signature: the service signs with the test key unless one is given
    // (an empty text offers the installer unsigned).
    void offer(const QString &version, const QJsonObject &faults = QJsonObject(), const QString &md5 = QString(),
               const QJsonValue &signature = QJsonValue::Undefined)
    {
        QJsonObject update{{"version", version}, {"features", "Faster export"}, {"bugFix", "Crash on close"},
                           {"file", kInstallerFile}};
        if (!md5.isEmpty())
            update.insert(QStringLiteral("md5"), md5);
        if (!signature.isUndefined())
            update.insert(QStringLiteral("signature"), signature);
        m_service.writeConfig(QJsonObject{{"update", update}, {"faults", faults}});
    }

    // A requested check; returns whether it ended (with or without an offer).
    static bool checkByUser(LWCheckUpdateWindowModel &model)
    {
        model.updateLastestVersionByUser();
        return waitUntil([&] { return !model.showChecking(); }, 15000);
    }

    static bool downloaded(LWCheckUpdateWindowModel &model)
    {
        QSignalSpy verified(&model, &LWCheckUpdateWindowModel::downloadVerified);
        QSignalSpy buttons(&model, &LWCheckUpdateWindowModel::updateBtnStatus);
        model.showDownloadWindow();
        waitUntil([&] { return verified.count() > 0 || !model.downloadMessage().isEmpty(); }, 30000);
        return verified.count() == 1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_service.start());
        for (const QString &name : kWindows) {
            auto *window = new QWindow;
            window->setObjectName(name);
            window->resize(100, 100);
            m_windows << window;
        }
        // 300 000 bytes, so the progress moves in several steps.
        m_installer = QByteArray("installer-").repeated(30000);
        QDir().mkpath(m_service.dataPath() + QStringLiteral("/files/update"));
        QFile file(m_service.dataPath() + QStringLiteral("/files/update/") + kInstallerFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(m_installer);
        file.close();
        LWCheckUpdateWindowModel::setLauncher([this](const QString &program, const QStringList &arguments) {
            m_launches << Launch{program, arguments};
            return m_launchWorks;
        });
        LWCheckUpdateWindowModel::setQuitter([this] { ++m_quits; });
    }

    void cleanupTestCase()
    {
        qDeleteAll(m_windows);
    }

    void init()
    {
        hideWindows();
        m_launches.clear();
        m_quits = 0;
        m_launchWorks = true;
        LWSettings::instance()->setAutoCheckUpdate(true);
    }

    void servedByTheController()
    {
        auto *controller = LWMainWindowController::instance();
        QCOMPARE(controller->property("lwCheckUpdateModel").value<QObject *>(), LWCheckUpdateWindowModel::instance());
        QCOMPARE(controller->property("feedBackModel").value<QObject *>(), LWFeedBackModel::instance());
        QCOMPARE(controller->property("materialsModel").value<QObject *>(), LWMaterialsOnLine::instance());
        QCOMPARE(LWCheckUpdateWindowModel::instance()->curVersion(), QStringLiteral("1.0.0"));
    }

    void versionOrder_data()
    {
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("newer");
        QTest::newRow("patch over missing component") << "1.2.1" << "1.2" << true;
        QTest::newRow("zero equals missing") << "1.2.0" << "1.2" << false;
        QTest::newRow("numbers, not text") << "1.9.9" << "1.10.0" << false;
        QTest::newRow("numbers, not text, reversed") << "1.10.0" << "1.9.9" << true;
        QTest::newRow("same") << "2.0.3" << "2.0.3" << false;
        QTest::newRow("older") << "1.0.0" << "1.0.1" << false;
        QTest::newRow("first component wins") << "2" << "1.99.99" << true;
        QTest::newRow("empty is 0.0.0") << "" << "0.0.0" << false;
        QTest::newRow("anything over empty") << "0.0.1" << "" << true;
    }
    void versionOrder()
    {
        QFETCH(QString, candidate);
        QFETCH(QString, current);
        QFETCH(bool, newer);
        QCOMPARE(LWCheckUpdateWindowModel::isNewer(candidate, current), newer);
    }

    // The offer window for a newer version; the already-newest window only
    // for a check the author asked for.
    void requestedCheck_data()
    {
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<bool>("newer");
        QTest::newRow("1.2.1 over 1.2") << "1.2" << "1.2.1" << true;
        QTest::newRow("1.9.9 over 1.10.0") << "1.10.0" << "1.9.9" << false;
        QTest::newRow("1.2.0 over 1.2") << "1.2" << "1.2.0" << false;
    }
    void requestedCheck()
    {
        QFETCH(QString, running);
        QFETCH(QString, offered);
        QFETCH(bool, newer);
        offer(offered);
        LWCheckUpdateWindowModel model;
        model.setCurVersion(running);
        QSignalSpy answer(&model, &LWCheckUpdateWindowModel::needNeedUpdate);
        model.updateLastestVersionByUser();
        QVERIFY(model.showChecking());
        QCOMPARE(visibleWindows(), QStringList{"checkUpdateCheckingWindow"});
        QVERIFY(answer.wait(10000));
        QCOMPARE(answer.first().at(0).toBool(), newer);
        QVERIFY(!model.showChecking());
        QCOMPARE(model.lastestVersion(), offered);
        QCOMPARE(visibleWindows(), QStringList{newer ? "checkUpdateWindow" : "checkUpdateIsNewWindow"});
        QCOMPARE(model.strNewFeature(), QStringLiteral("Faster export"));
        QCOMPARE(model.strBugFixed(), QStringLiteral("Crash on close"));
    }

    // The automatic check runs once per process, only when allowed, and
    // shows nothing unless there is something to offer.
    void automaticCheck()
    {
        offer(QStringLiteral("1.0.0"));
        LWCheckUpdateWindowModel silent;
        QSignalSpy silentAnswer(&silent, &LWCheckUpdateWindowModel::needNeedUpdate);
        silent.autoCheckUpdate();
        QVERIFY(silentAnswer.wait(10000));
        QCOMPARE(silentAnswer.first().at(0).toBool(), false);
        QCOMPARE(visibleWindows(), QStringList());
        silent.autoCheckUpdate();
        QVERIFY(!silentAnswer.wait(500));

        LWSettings::instance()->setAutoCheckUpdate(false);
        LWCheckUpdateWindowModel off;
        QVERIFY(!off.bAutoCheck());
        QSignalSpy offAnswer(&off, &LWCheckUpdateWindowModel::needNeedUpdate);
        off.autoCheckUpdate();
        QVERIFY(!offAnswer.wait(500));

        off.setBAutoCheck(true);
        QVERIFY(LWSettings::instance()->autoCheckUpdate());
        offer(QStringLiteral("3.0"));
        off.autoCheckUpdate();
        QVERIFY(offAnswer.wait(10000));
        QCOMPARE(visibleWindows(), QStringList{"checkUpdateWindow"});
    }

    // Answers that offer nothing end the check without an offer; the
    // checking window stays to say that no answer came.
    void nothingOffered_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("md5");
        QTest::newRow("HTTP 500") << QJsonObject{{"status", 500}, {"body", "boom"}} << QString();
        QTest::newRow("not JSON") << QJsonObject{{"body", "<html/>"}} << QString();
        const QJsonArray local{QStringLiteral("http://127.0.0.1:1/x")};
        QTest::newRow("refused") << bodyFault({{"status_code", 1005}, {"message", "none"}}) << QString();
        QTest::newRow("no version") << offerFault({{"md5", "00"}, {"download_url", QJsonObject{{"url_list", local}}}}) << QString();
        QTest::newRow("no digest") << offerFault({{"version", "9.9"}, {"download_url", QJsonObject{{"url_list", local}}}}) << QString();
        QTest::newRow("no address") << offerFault({{"version", "9.9"}, {"md5", "00"}, {"download_url", QJsonObject{{"uri", "/x"}}}}) << QString();
        QTest::newRow("address not on the web")
            << offerFault({{"version", "9.9"}, {"md5", "00"},
                           {"download_url", QJsonObject{{"url_list", QJsonArray{QStringLiteral("file:///etc/passwd")}}}}})
            << QString();
        QTest::newRow("dropped") << QJsonObject{{"drop", true}} << QString();
    }
    void nothingOffered()
    {
        QFETCH(QJsonObject, fault);
        offer(QStringLiteral("9.9"), QJsonObject{{QLatin1String(LWServiceProtocol::kPathUpdate), fault}});
        LWCheckUpdateWindowModel model;
        QSignalSpy answer(&model, &LWCheckUpdateWindowModel::needNeedUpdate);
        QVERIFY(checkByUser(model));
        QCOMPARE(answer.count(), 0);
        QCOMPARE(visibleWindows(), QStringList{"checkUpdateCheckingWindow"});
        QVERIFY(model.lastestVersion().isEmpty());
    }

    void checkTimesOut()
    {
        offer(QStringLiteral("9.9"), QJsonObject{{QLatin1String(LWServiceProtocol::kPathUpdate), QJsonObject{{"delayMs", 12000}}}});
        LWCheckUpdateWindowModel model;
        QSignalSpy answer(&model, &LWCheckUpdateWindowModel::needNeedUpdate);
        QElapsedTimer clock;
        clock.start();
        model.updateLastestVersionByUser();
        QVERIFY(waitUntil([&] { return !model.showChecking(); }, 11000));
        QVERIFY(clock.elapsed() >= LWCheckUpdateWindowModel::kCheckTimeLimitMs - 100);
        QVERIFY(!answer.wait(300));
        QCOMPARE(visibleWindows(), QStringList{"checkUpdateCheckingWindow"});
    }

    void cancelledCheckShowsNothing()
    {
        offer(QStringLiteral("9.9"), QJsonObject{{QLatin1String(LWServiceProtocol::kPathUpdate), QJsonObject{{"delayMs", 600}}}});
        LWCheckUpdateWindowModel model;
        QSignalSpy answer(&model, &LWCheckUpdateWindowModel::needNeedUpdate);
        model.updateLastestVersionByUser();
        model.setCancel();
        QCOMPARE(visibleWindows(), QStringList());
        QVERIFY(!answer.wait(1500));
        QCOMPARE(visibleWindows(), QStringList());
    }

    // Download, progress, digest, then the installer starts with its
    // arguments and the editor ends.
    void downloadAndInstall()
    {
        offer(QStringLiteral("1.2.1"));
        LWCheckUpdateWindowModel model;
        model.setCurVersion(QStringLiteral("1.2"));
        QVERIFY(checkByUser(model));
        QSignalSpy percent(&model, &LWCheckUpdateWindowModel::i_downloadPercentChanged);
        QVERIFY(downloaded(model));
        QCOMPARE(model.downloadAttempts(), 1);
        QCOMPARE(model.downloadPercent(), 100);
        QCOMPARE(model.totalData(), 30);
        QCOMPARE(model.nowData(), 30);
        QVERIFY(percent.count() >= 1);
        QCOMPARE(visibleWindows(), QStringList{"checkUpdateFinishWindow"});
        QCOMPARE(model.downloadPath(), LWDataPaths::dataFolder() + QLatin1Char('/') + kInstallerFile + QStringLiteral(".exe"));
        QFile file(model.downloadPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), m_installer);
        file.close();

        model.installPack();
        const QString installer = LWDataPaths::dataFolder() + QStringLiteral("/Glowsmith_SetUp_1.2.1.exe");
        QCOMPARE(model.installerPath(), installer);
        QVERIFY(QFile::exists(installer));
        QVERIFY(!QFile::exists(model.downloadPath()));
        QCOMPARE(m_launches.size(), 1);
        QCOMPARE(m_launches.first().program, installer);
        QString folder = QCoreApplication::applicationDirPath();
        folder.replace('/', '\\');
        QCOMPARE(m_launches.first().arguments, (QStringList{"-update", folder, installer}));
        QCOMPARE(m_quits, 1);
    }

    // A download that arrives damaged once is fetched again and then passes.
    void damagedDownloadRepeats_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::newRow("one byte flipped") << QJsonObject{{"corrupt", true}, {"count", 1}};
        QTest::newRow("cut short") << QJsonObject{{"truncateAt", 1000}, {"count", 1}};
        QTest::newRow("stalls") << QJsonObject{{"stallAfter", 1000}, {"count", 1}};
        QTest::newRow("server error") << QJsonObject{{"status", 500}, {"body", "x"}, {"count", 1}};
    }
    void damagedDownloadRepeats()
    {
        QFETCH(QJsonObject, fault);
        offer(QStringLiteral("5.0"), QJsonObject{{QStringLiteral("/files/update/") + kInstallerFile, fault}});
        LWCheckUpdateWindowModel model;
        model.setDownloadIdleLimit(800);
        QVERIFY(checkByUser(model));
        QVERIFY(downloaded(model));
        QCOMPARE(model.downloadAttempts(), 2);
        QVERIFY(model.downloadMessage().isEmpty());
        QFile file(model.downloadPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), m_installer);
    }

    // A digest that never matches stops after a few attempts, leaves no
    // file and nothing to install.
    void wrongDigestGivesUp()
    {
        offer(QStringLiteral("5.0"), QJsonObject(), QStringLiteral("0123456789abcdef0123456789abcdef"));
        LWCheckUpdateWindowModel model;
        QVERIFY(checkByUser(model));
        QVERIFY(!downloaded(model));
        QCOMPARE(model.downloadAttempts(), LWCheckUpdateWindowModel::kMaxDownloadAttempts);
        QVERIFY(!model.downloadMessage().isEmpty());
        QVERIFY(!QFile::exists(model.downloadPath()));
        QVERIFY(!visibleWindows().contains("checkUpdateFinishWindow"));
        model.installPack();
        QCOMPARE(m_launches.size(), 0);
        QCOMPARE(m_quits, 0);
    }

    void digestIgnoresCase()
    {
        const QString md5 = QString::fromLatin1(QCryptographicHash::hash(m_installer, QCryptographicHash::Md5).toHex()).toUpper();
        offer(QStringLiteral("5.0"), QJsonObject(), md5);
        LWCheckUpdateWindowModel model;
        QVERIFY(checkByUser(model));
        QVERIFY(downloaded(model));
    }

    // The editor stays when its installer cannot start; a later attempt
    // still finds the installer.
    void installerThatDoesNotStart()
    {
        offer(QStringLiteral("5.0.1"));
        LWCheckUpdateWindowModel model;
        QVERIFY(checkByUser(model));
        QVERIFY(downloaded(model));
        m_launchWorks = false;
        model.installPack();
        QCOMPARE(m_launches.size(), 1);
        QCOMPARE(m_quits, 0);
        QVERIFY(!model.downloadMessage().isEmpty());
        m_launchWorks = true;
        model.installPack();
        QCOMPARE(m_launches.size(), 2);
        QCOMPARE(m_quits, 1);
    }

    void cancelledDownloadLeavesNoFile()
    {
        offer(QStringLiteral("5.0"), QJsonObject{{QStringLiteral("/files/update/") + kInstallerFile,
                                                  QJsonObject{{"stallAfter", 50000}}}});
        LWCheckUpdateWindowModel model;
        QVERIFY(checkByUser(model));
        model.showDownloadWindow();
        QVERIFY(waitUntil([&] { return model.nowData() > 0; }));
        // Written as it arrives, but not at its place until all of it is there.
        const QString name = QFileInfo(model.downloadPath()).fileName();
        const QDir folder = QFileInfo(model.downloadPath()).dir();
        QVERIFY(!QFile::exists(model.downloadPath()));
        model.cancelDownload();
        QVERIFY(!QFile::exists(model.downloadPath()));
        QCOMPARE(folder.entryList({name + QStringLiteral("*")}, QDir::Files), QStringList());
        QVERIFY(!visibleWindows().contains("checkUpdateDownloadWindow"));
        QCOMPARE(model.downloadPercent(), 0);
        model.installPack();
        QCOMPARE(m_launches.size(), 0);
    }

    void trustedAddresses_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("trusted");
        QTest::newRow("https anywhere") << "https://updates.example.com/setup" << true;
        QTest::newRow("http on loopback") << "http://127.0.0.1:17865/files/update/x" << true;
        QTest::newRow("http on another loopback address") << "http://127.8.0.1/x" << true;
        QTest::newRow("http on ::1") << "http://[::1]:8080/x" << true;
        QTest::newRow("http on localhost") << "http://LocalHost/x" << true;
        QTest::newRow("http elsewhere") << "http://updates.example.com/setup" << false;
        QTest::newRow("http on a network address") << "http://10.0.0.5/x" << false;
        QTest::newRow("http on a name that starts like loopback") << "http://127.0.0.1.example.com/x" << false;
        QTest::newRow("ftp") << "ftp://127.0.0.1/x" << false;
        QTest::newRow("file") << "file:///tmp/x" << false;
        QTest::newRow("no host") << "https:///x" << false;
    }
    void trustedAddresses()
    {
        QFETCH(QString, url);
        QFETCH(bool, trusted);
        QCOMPARE(LWUpdateSignature::isTrustedDownloadAddress(QUrl(url)), trusted);
    }

    // Offers that cannot be trusted are refused at the check: the author
    // who asked sees the offer with the reason and no way to download.
    void refusedOffers_data()
    {
        QTest::addColumn<QJsonObject>("faults");
        QTest::addColumn<QJsonValue>("signature");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unsigned") << QJsonObject() << QJsonValue(QString()) << "not signed";
        QTest::newRow("signature not base64") << QJsonObject() << QJsonValue(QStringLiteral("%%%")) << "damaged signature";
        QTest::newRow("signature too short")
            << QJsonObject() << QJsonValue(QString::fromLatin1(QByteArray(32, 'x').toBase64())) << "damaged signature";
        // Never fetched: the refusal comes before any download.
        const QString signature = QString::fromLatin1(QByteArray(64, '\1').toBase64());
        QTest::newRow("plain http off this machine")
            << QJsonObject{{QLatin1String(LWServiceProtocol::kPathUpdate),
                            offerFault({{"version", "9.9"}, {"md5", "00"}, {"signature", signature},
                                        {"download_url", QJsonObject{{"url_list", QJsonArray{"http://updates.glowsmith.invalid/setup"}}}}})}}
            << QJsonValue(QJsonValue::Undefined) << "not https";
    }
    void refusedOffers()
    {
        QFETCH(QJsonObject, faults);
        QFETCH(QJsonValue, signature);
        QFETCH(QString, reason);
        offer(QStringLiteral("9.9"), faults, QString(), signature);
        LWCheckUpdateWindowModel model;
        QSignalSpy answer(&model, &LWCheckUpdateWindowModel::needNeedUpdate);
        QVERIFY(checkByUser(model));
        QCOMPARE(answer.count(), 0);
        QCOMPARE(visibleWindows(), QStringList{"checkUpdateWindow"});
        QCOMPARE(model.lastestVersion(), QStringLiteral("9.9"));
        QVERIFY2(model.offerMessage().contains(reason), qPrintable(model.offerMessage()));
        model.showDownloadWindow();
        QCOMPARE(model.downloadAttempts(), 0);
        QVERIFY(!QFile::exists(model.downloadPath()));

        // The same offer found by the automatic check shows nothing.
        hideWindows();
        LWCheckUpdateWindowModel silent;
        QSignalSpy checked(&silent, &LWCheckUpdateWindowModel::offerMessageChanged);
        silent.autoCheckUpdate();
        QVERIFY(checked.wait(10000));
        QCOMPARE(visibleWindows(), QStringList());
    }

    // A well-formed signature that does not verify: the installer arrives
    // whole (its MD5 matches), is deleted at once, and nothing starts.
    void wronglySignedInstaller_data()
    {
        QTest::addColumn<QString>("signature");
        offer(QStringLiteral("5.0"));
        const QByteArray right = QByteArray::fromBase64(
            send(QStringLiteral("GET"), m_service.base + QLatin1String(LWServiceProtocol::kPathUpdate))
                .json().value("data").toObject().value("signature").toString().toLatin1());
        QByteArray flipped = right;
        if (!flipped.isEmpty())
            flipped[10] = char(flipped.at(10) ^ 0x01);
        QTest::newRow("one bit changed") << QString::fromLatin1(flipped.toBase64());
        QTest::newRow("zeros") << QString::fromLatin1(QByteArray(64, '\0').toBase64());
    }
    void wronglySignedInstaller()
    {
        QFETCH(QString, signature);
        QCOMPARE(QByteArray::fromBase64(signature.toLatin1()).size(), 64);
        offer(QStringLiteral("5.0"), QJsonObject(), QString(), signature);
        LWCheckUpdateWindowModel model;
        QVERIFY(checkByUser(model));
        QVERIFY(model.offerMessage().isEmpty());
        QVERIFY(!downloaded(model));
        QCOMPARE(model.downloadAttempts(), 1);
        QVERIFY(model.downloadMessage().contains(QStringLiteral("signature")));
        QVERIFY(!QFile::exists(model.downloadPath()));
        QVERIFY(!visibleWindows().contains("checkUpdateFinishWindow"));
        model.installPack();
        QCOMPARE(m_launches.size(), 0);
        QCOMPARE(m_quits, 0);
    }

    // An installer smaller than the progress unit of 10000 bytes.
    void tinyInstaller()
    {
        QFile file(m_service.dataPath() + QStringLiteral("/files/update/tiny"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("tiny");
        file.close();
        m_service.writeConfig(QJsonObject{{"update", QJsonObject{{"version", "7.0"}, {"file", "tiny"}}}});
        LWCheckUpdateWindowModel model;
        QVERIFY(checkByUser(model));
        QVERIFY(downloaded(model));
        QCOMPARE(model.totalData(), 0);
        QCOMPARE(model.downloadPercent(), 100);
    }
};

LW_TEST_MAIN(TstUpdate)
#include "tst_update.moc"
