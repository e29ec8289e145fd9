// The material library, update and feedback windows under Xvfb, each from
// its document in the resources with the controller's models behind it and
// lwservice answering: what they show at each step, and a picture of each
// step in LW_SHOT_DIR when that is set.
#include "LWOnlineTestKit.h"
#include "LWTestMain.h"
#include "app/CustomFileDialogAdapter.h"
#include "app/LWAppHost.h"
#include "app/LWMainWindowController.h"
#include "online/LWCheckUpdateWindowModel.h"
#include "online/LWDeviceIdentity.h"
#include "online/LWFeedBackModel.h"
#include "online/LWMaterialsOnLine.h"
#include "resources/LWResourceManager.h"
#include "workspace/LWEffectPackManager.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>

using namespace LWOnlineTest;

class TstOnlineWindows : public QObject
{
    Q_OBJECT
private:
    Service m_service;
    QTemporaryDir m_dir;
    QQmlApplicationEngine *m_engine = nullptr;

    QQuickWindow *load(const QString &document)
    {
        const int before = m_engine->rootObjects().size();
        m_engine->load(QUrl(QStringLiteral("qrc") + document));
        if (m_engine->rootObjects().size() != before + 1)
            return nullptr;
        return qobject_cast<QQuickWindow *>(m_engine->rootObjects().last());
    }

    static QQuickWindow *windowNamed(const QString &name)
    {
        for (QWindow *window : QGuiApplication::allWindows()) {
            if (window->objectName() == name)
                return qobject_cast<QQuickWindow *>(window);
        }
        return nullptr;
    }

    static QStringList visibleUpdateWindows()
    {
        QStringList names;
        for (QWindow *window : QGuiApplication::allWindows()) {
            if (window->isVisible() && window->objectName().startsWith(QLatin1String("checkUpdate")))
                names << window->objectName();
        }
        names.sort();
        return names;
    }

    static QQuickItem *firstReadyCell(QQuickItem *grid)
    {
        auto *content = grid->property("contentItem").value<QQuickItem *>();
        if (!content)
            return nullptr;
        for (QQuickItem *cell : content->childItems()) {
            if (cell->property("ready").toBool() && cell->x() == 0 && cell->y() == 0 && cell->width() > 0)
                return cell;
        }
        return nullptr;
    }

    void shoot(QQuickWindow *window, const QString &name)
    {
        QTest::qWait(400); // let images and animations settle
        const QImage shot = window->grabWindow();
        QVERIFY(!shot.isNull());
        const QString folder = qEnvironmentVariable("LW_SHOT_DIR");
        if (!folder.isEmpty())
            QVERIFY(shot.save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

    QString screenshotFile()
    {
        QImage image(480, 300, QImage::Format_RGB32);
        image.fill(QColor(0x26, 0x28, 0x2e));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(0xff, 0x7a, 0x45));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(240, 150), 90, 90);
        painter.setBrush(QColor(0x5c, 0xc8, 0xff));
        painter.drawRect(40, 40, 120, 60);
        painter.end();
        const QString path = m_dir.filePath(QStringLiteral("screenshot.png"));
        return image.save(path) ? path : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_service.start());
        LWAppHost::registerTypes();
        m_engine = new QQmlApplicationEngine(this);
        LWAppHost::publishServices(*m_engine);
        LWMainWindowController::instance()->attachEngine(m_engine);
        LWEffectPackManager::instance()->createProj();
        LWCheckUpdateWindowModel::setLauncher([](const QString &, const QStringList &) { return false; });
        LWCheckUpdateWindowModel::setQuitter([] {});
    }

    void cleanupTestCase()
    {
        LWMainWindowController::instance()->attachEngine(nullptr);
    }

    // The grid fills from the catalogue; a click adds the material to the
    // project's resources.
    void materialGrid()
    {
        QQuickWindow *window = load(QStringLiteral(":/LWMaterials/LWMaterialsWindow.qml"));
        QVERIFY(window);
        auto *model = LWMaterialsOnLine::instance();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(waitUntil([&] { return model->materialNumbers() > 0 && model->materialLoadedNumber() == model->materialNumbers(); }));
        auto *grid = window->findChild<QQuickItem *>(QStringLiteral("materialGrid"));
        QVERIFY(grid);
        QCOMPARE(grid->property("count").toInt(), model->materialNumbers());

        const int records = LWResourceManager::instance()->recordCount();
        QSignalSpy downloaded(model, &LWMaterialsOnLine::materialDownloaded);
        // The first tile, once its icon is in place (a click before that is ignored).
        QQuickItem *first = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((first = firstReadyCell(grid)) != nullptr, 15000);
        // Under load the first press can reach the window before its tiles
        // take input; a tile that took the click shows it is loading.
        for (int attempt = 0; attempt < 5 && first->property("state_").toString().isEmpty() && downloaded.isEmpty(); ++attempt) {
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                              first->mapToScene(QPointF(first->width() / 2, first->height() / 2)).toPoint());
            QTest::qWait(300);
        }
        QVERIFY(!downloaded.isEmpty() || downloaded.wait(30000));
        QCOMPARE(downloaded.first().at(1).toBool(), true);
        QCOMPARE(LWResourceManager::instance()->recordCount(), records + 1);
        shoot(window, QStringLiteral("materials-grid"));
        window->hide();
    }

    // Checking, the offer, progress, the finished download, the answer
    // that the version is the newest and the one that no answer came.
    void updateWindows()
    {
        QVERIFY(load(QStringLiteral(":/LWStudioUpdate/LWCheckUpdateWindow.qml")));
        QVERIFY(load(QStringLiteral(":/LWStudioUpdate/LWCheckUpDownloadWindow.qml")));
        auto *model = LWCheckUpdateWindowModel::instance();
        model->setCurVersion(QStringLiteral("1.2"));
        const QString installer = QStringLiteral("GlowsmithSetup-big");
        QDir().mkpath(m_service.dataPath() + QStringLiteral("/files/update"));
        QFile file(m_service.dataPath() + QStringLiteral("/files/update/") + installer);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(2400000, 'g'));
        file.close();
        const QJsonObject offer{{"version", "1.2.1"}, {"file", installer},
                                {"features", "Material library with animated stickers.\nFeedback with screenshots."},
                                {"bugFix", "The preview no longer flickers when a frame sequence is replaced."}};
        m_service.writeConfig(QJsonObject{
            {"update", offer},
            {"faults", QJsonObject{{QLatin1String(LWServiceProtocol::kPathUpdate), QJsonObject{{"delayMs", 2500}, {"count", 1}}},
                                   {QStringLiteral("/files/update/") + installer,
                                    QJsonObject{{"stallAfter", 1100000}, {"count", 1}}}}}});

        model->updateLastestVersionByUser();
        QCOMPARE(visibleUpdateWindows(), QStringList{"checkUpdateCheckingWindow"});
        shoot(windowNamed(QStringLiteral("checkUpdateCheckingWindow")), QStringLiteral("update-checking"));
        QVERIFY(waitUntil([&] { return !model->showChecking(); }));
        QCOMPARE(visibleUpdateWindows(), QStringList{"checkUpdateWindow"});
        shoot(windowNamed(QStringLiteral("checkUpdateWindow")), QStringLiteral("update-offer"));

        model->setDownloadIdleLimit(2500);
        auto *offerWindow = windowNamed(QStringLiteral("checkUpdateWindow"));
        auto *updateNow = offerWindow->findChild<QQuickItem *>(QStringLiteral("updateNowButton"));
        QVERIFY(updateNow);
        QTest::mouseClick(offerWindow, Qt::LeftButton, Qt::NoModifier,
                          updateNow->mapToScene(QPointF(updateNow->width() / 2, updateNow->height() / 2)).toPoint());
        QVERIFY(waitUntil([&] { return model->nowData() >= 100; }));
        QCOMPARE(visibleUpdateWindows(), QStringList{"checkUpdateDownloadWindow"});
        shoot(windowNamed(QStringLiteral("checkUpdateDownloadWindow")), QStringLiteral("update-download"));
        QSignalSpy verified(model, &LWCheckUpdateWindowModel::downloadVerified);
        QVERIFY(verified.wait(20000));
        QCOMPARE(model->downloadAttempts(), 2);
        QCOMPARE(visibleUpdateWindows(), QStringList{"checkUpdateFinishWindow"});
        shoot(windowNamed(QStringLiteral("checkUpdateFinishWindow")), QStringLiteral("update-finish"));
        windowNamed(QStringLiteral("checkUpdateFinishWindow"))->hide();

        model->setCurVersion(QStringLiteral("1.10.0"));
        model->updateLastestVersionByUser();
        QVERIFY(waitUntil([&] { return !model->showChecking(); }));
        QCOMPARE(visibleUpdateWindows(), QStringList{"checkUpdateIsNewWindow"});
        shoot(windowNamed(QStringLiteral("checkUpdateIsNewWindow")), QStringLiteral("update-isnew"));
        windowNamed(QStringLiteral("checkUpdateIsNewWindow"))->hide();

        m_service.setFaults(QJsonObject{{QLatin1String(LWServiceProtocol::kPathUpdate), QJsonObject{{"status", 503}}}});
        model->updateLastestVersionByUser();
        QVERIFY(waitUntil([&] { return !model->showChecking(); }));
        QCOMPARE(visibleUpdateWindows(), QStringList{"checkUpdateCheckingWindow"});
        shoot(windowNamed(QStringLiteral("checkUpdateCheckingWindow")), QStringLiteral("update-noanswer"));
        model->setCancel();
        QCOMPARE(visibleUpdateWindows(), QStringList());
        m_service.clearFaults();
    }

    // The message page with a screenshot picked, then the conversation
    // page after sending and a reply.
    void feedbackPages()
    {
        QQuickWindow *window = load(QStringLiteral(":/LWFeedback/LWFeedbackWindow.qml"));
        QVERIFY(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *message = window->findChild<QQuickItem *>(QStringLiteral("feedbackMessage"));
        auto *contact = window->findChild<QQuickItem *>(QStringLiteral("feedbackContact"));
        auto *submit = window->findChild<QQuickItem *>(QStringLiteral("feedbackSubmit"));
        QVERIFY(message && contact && submit);
        QVERIFY(!submit->isEnabled());
        message->setProperty("text", QStringLiteral("The sticker jumps when I switch to the cat face. Screenshot attached."));
        contact->setProperty("text", QStringLiteral("author@example.org"));
        QVERIFY(submit->isEnabled());

        auto *model = LWFeedBackModel::instance();
        model->chooseScreenshot();
        QObject picked;
        picked.setProperty("fileUrl", QUrl::fromLocalFile(screenshotFile()));
        LWMainWindowController::instance()->fileDialogAdapter()->accepted(&picked);
        QVERIFY(!model->screenshotUrl().isEmpty());
        shoot(window, QStringLiteral("feedback-send"));

        QSignalSpy finished(model, &LWFeedBackModel::submitFinished);
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                          submit->mapToScene(QPointF(submit->width() / 2, submit->height() / 2)).toPoint());
        QVERIFY(finished.wait(15000));
        QVERIFY(finished.first().at(0).toBool());
        QCOMPARE(message->property("text").toString(), QString());
        QCOMPARE(contact->property("text").toString(), QString());
        QVERIFY(model->screenshotUrl().isEmpty());
        QVERIFY(!submit->isEnabled());
        shoot(window, QStringLiteral("feedback-sent"));

        const QJsonObject reply{{"device_id", LWDeviceIdentity::deviceId()},
                                {"content", "Thank you! This is fixed in 1.2.1; the update is on its way."}};
        QCOMPARE(send(QStringLiteral("POST"), m_service.base + QStringLiteral("/api/feedback/reply"),
                      QJsonDocument(reply).toJson(), "application/json").status, 200);
        auto *recordsTab = window->findChild<QQuickItem *>(QStringLiteral("recordsTab"));
        QVERIFY(recordsTab);
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                          recordsTab->mapToScene(QPointF(recordsTab->width() / 2, recordsTab->height() / 2)).toPoint());
        QVERIFY(waitUntil([&] { return model->recordNumbers() == 2 && !model->urlList().first().isEmpty(); }));
        auto *records = window->findChild<QQuickItem *>(QStringLiteral("feedbackRecords"));
        QVERIFY(records && records->isVisible());
        QCOMPARE(records->property("count").toInt(), 2);
        shoot(window, QStringLiteral("feedback-records"));
    }
};

LW_TEST_MAIN(TstOnlineWindows)
#include "tst_onlinewindows.moc"
