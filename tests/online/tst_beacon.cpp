// Usage events against lwservice's collector: the body of every one of the
// 69 event values as it arrives, the interface's string operations, the
// headers, and a collector that is down or never answers.
#include "LWOnlineTestKit.h"
#include "LWTestMain.h"
#include "LWTinyHttp.h"
#include "common/LWUsageEvents.h"
#include "online/LWBeaconProxy.h"
#include "online/LWDeviceIdentity.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QMetaEnum>
#include <QSysInfo>
#include <QTcpServer>

using namespace LWOnlineTest;

namespace {

struct Group
{
    int first;
    const char *event;
    const char *parameterKey;
    QStringList keys;
};

// Written out apart from the code's enumeration, so that a wrong number or
// a key in the wrong group shows.
const QList<Group> &groups()
{
    static const QList<Group> table{
        {0, "event_entry_project", "lw_entry_type",
         {"gsCreateNew", "gsTemplateWhiteCat", "gsTemplateLittleBeauty", "gsTemplateTidewaveDJ", "gsTemplateCatAndBear",
          "gsTemplateSweetyFilter", "gsTemplateMakeupEyeTear", "gsTemplateMakeupRobot", "gsTemplateSpaceCapsule",
          "gsTemplateButtom"}},
        {500, "event_open_studio", "lw_open_studio", {"gsOpenStudioDoubleClick", "gsOpenStudioButtom"}},
        {1000, "event_click_aid", "lw_aid_type",
         {"gsClickMyEffectStoreHouse", "gsClickOnlineTutorial", "gsClickReport", "gsClickAidButtom"}},
        {1500, "event_click_feature", "lw_feature_type",
         {"gsClickAddFeatrue", "gsClickAdd2DSticker", "gsClickAddFilter", "gsClickAddFaceMakeUp", "gsClickAdd3DFeature",
          "gsClickAddFaceDistortionV2", "gsClickAdd2DStickerV2", "gsClickAddMultiViewer", "gsClickAddLegDistortion",
          "gsClickAddBodyDistortion", "gsClickAddHairColor", "gsClickAddBGMV1", "gsClickAddFaceStretch",
          "gsClickAddMatting", "gsClickAddFeatrueButtom"}},
        {2000, "event_resource", "lw_resource_type",
         {"gsClickImportResourceFile", "gsClickImportResourceTextureFrame", "gsClickMateriallibrary",
          "gsClickImportMusic", "gsClickImportGifAsTextureFrame", "gsClickResourceButtom"}},
        {2500, "event_service", "lw_service_type",
         {"gsSyncToPhone", "gsClickFeedBack", "gsClickUploadEffect", "gsClickUploadAndSubmit", "gsClickServiceButtom"}},
        {3000, "event_leave_project", "lw_leave_project", {"gsClickClose", "gsClickLogout", "gsClickLeaveButtom"}},
        {3500, "event_makeup_filter", "lw_makeup_filter",
         {"gsMakeupMask", "gsMakeupBrow", "gsMakeupEyePart", "gsMakeupLipsV2", "gsMakeupLipsSeg", "gsMakeupLipsKeyPoint",
          "gsMakeupPupil", "gsMakeupTeeth", "gsMakeupMouth", "gsMakeupJiemao", "gsMakeupLipsV3", "gsMakeupButtom"}},
        {4000, "event_tutorial", "lw_tutorial",
         {"gsClickTutorialNext", "gsClickTutorialFinish", "gsClickTutorialSkip", "gsClickTutorialButtom"}},
        {4500, "event_preview", "lw_preview",
         {"gsClickPreviewCamera", "gsClickPreviewImage", "gsClickPreviewVideo", "gsClickPreviewRefresh",
          "gsClickPreviewUI", "gsClickPreviewPlayAndPause", "gsClickPreviewNextAndPrevious", "gsClickPreviewButtom"}},
    };
    return table;
}

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace

class TstBeacon : public QObject
{
    Q_OBJECT
private:
    Service m_service;
    LWBeaconProxy *m_proxy = nullptr;

    QJsonArray events(int limit = 1)
    {
        const Reply reply = send(QStringLiteral("GET"), m_service.base + QStringLiteral("/api/analytics/events?limit=%1").arg(limit));
        return reply.json().value(QStringLiteral("data")).toObject().value(QStringLiteral("events")).toArray();
    }

    int latestId()
    {
        const QJsonArray latest = events();
        return latest.isEmpty() ? 0 : latest.first().toObject().value(QStringLiteral("id")).toInt();
    }

    // Waits for the next report to arrive and returns its stored record.
    QJsonObject nextEvent(int afterId)
    {
        QJsonObject found;
        waitUntil([&] {
            if (m_proxy->inFlight() > 0)
                return false;
            const QJsonArray latest = events();
            if (latest.isEmpty() || latest.first().toObject().value(QStringLiteral("id")).toInt() <= afterId)
                return false;
            found = latest.first().toObject();
            return true;
        });
        return found;
    }

    void checkReport(const QJsonObject &stored, const QString &event, const QString &key, const QString &value)
    {
        QVERIFY2(!stored.isEmpty(), "no report arrived");
        QCOMPARE(stored.value(QStringLiteral("event")).toString(), event);
        const QJsonObject params = QJsonDocument::fromJson(stored.value(QStringLiteral("params")).toString().toUtf8()).object();
        QCOMPARE(params.size(), 3);
        QCOMPARE(params.value(key).toString(), value);
        QCOMPARE(params.value(QStringLiteral("_staging_flag")).toInt(-1), 0);
        QCOMPARE(params.value(QStringLiteral("os_name")).toString(), QSysInfo::productType());

        const QByteArray bodyText = stored.value(QStringLiteral("body")).toString().toUtf8();
        QVERIFY2(bodyText.contains("\n    \""), "the report is not in the indented form");
        const QJsonObject body = QJsonDocument::fromJson(bodyText).object();
        QCOMPARE(body.size(), 4);
        const QJsonArray list = body.value(QStringLiteral("events")).toArray();
        QCOMPARE(list.size(), 1);
        const QJsonObject entry = list.first().toObject();
        QCOMPARE(entry.value(QStringLiteral("event")).toString(), event);
        QVERIFY(entry.value(QStringLiteral("params")).isString());
        QVERIFY(qAbs(qint64(entry.value(QStringLiteral("time")).toDouble()) - QDateTime::currentSecsSinceEpoch()) < 30);
        const QJsonObject user = body.value(QStringLiteral("user")).toObject();
        QCOMPARE(user.value(QStringLiteral("user_unique_id")).toString(), LWDeviceIdentity::deviceId());
        QCOMPARE(user.value(QStringLiteral("user_is_auth")).toBool(), true);
        QCOMPARE(user.value(QStringLiteral("user_is_login")).toBool(true), false);
        const QJsonObject header = body.value(QStringLiteral("header")).toObject();
        QCOMPARE(header.value(QStringLiteral("app_id")).toInt(), 176524);
        QCOMPARE(header.value(QStringLiteral("app_version")).toString(), QStringLiteral(LW_VERSION));
        QCOMPARE(header.value(QStringLiteral("os_name")).toString(), QSysInfo::productType());
        QCOMPARE(header.value(QStringLiteral("os_version")).toString(), QSysInfo::productVersion());
        QVERIFY(body.value(QStringLiteral("verbose")).isDouble());
        QCOMPARE(body.value(QStringLiteral("verbose")).toInt(-1), 0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_service.start());
        m_proxy = new LWBeaconProxy(this);
    }

    void cleanup()
    {
        LWUsageEvents::setSink(nullptr);
        LWServiceConfig::setBaseUrl(QStringLiteral("analytics"), m_service.base);
        m_service.clearFaults();
    }

    void enumerationHasEveryKey()
    {
        const QMetaEnum keys = QMetaEnum::fromType<LWBeaconnEventParam::LWBeaconEventParamType>();
        int expected = 0;
        for (const Group &group : groups())
            expected += group.keys.size();
        QCOMPARE(expected, 69);
        QCOMPARE(keys.keyCount(), 69);
        QCOMPARE(LWBeaconnEventParam::valueOf(QStringLiteral("gsClickAddMatting")), 1513);
        QCOMPARE(LWBeaconnEventParam::valueOf(QStringLiteral("noSuchKey")), -1);
        QVERIFY(LWBeaconnEventParam::keyOf(10).isEmpty());
    }

    // Every value reported through the editor's one door arrives as its
    // group's event carrying the value's key.
    void everyEventValue_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("parameterKey");
        QTest::addColumn<QString>("key");
        for (const Group &group : groups()) {
            for (int i = 0; i < group.keys.size(); ++i)
                QTest::newRow(qPrintable(group.keys.at(i)))
                    << group.first + i << QString::fromLatin1(group.event) << QString::fromLatin1(group.parameterKey)
                    << group.keys.at(i);
        }
    }
    void everyEventValue()
    {
        QFETCH(int, value);
        QFETCH(QString, event);
        QFETCH(QString, parameterKey);
        QFETCH(QString, key);
        QCOMPARE(LWBeaconnEventParam::keyOf(value), key);
        m_proxy->installAsUsageSink();
        const int before = latestId();
        LWUsageEvents::report(value);
        checkReport(nextEvent(before), event, parameterKey, key);
    }

    // The interface's operations send the text they are given.
    void stringOperations_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("parameterKey");
        QTest::addColumn<QString>("value");
        QTest::newRow("entry") << "triggerEntryProjectEvent" << "gsTemplateWhiteCat" << "event_entry_project" << "lw_entry_type" << "gsTemplateWhiteCat";
        QTest::newRow("entry, empty name") << "triggerEntryProjectEvent" << "" << "event_entry_project" << "lw_entry_type" << "gsCreateNew";
        QTest::newRow("leave") << "triggerLeaveProject" << "gsClickClose" << "event_leave_project" << "lw_leave_project" << "gsClickClose";
        QTest::newRow("aid") << "triggerClickAid" << "gsClickOnlineTutorial" << "event_click_aid" << "lw_aid_type" << "gsClickOnlineTutorial";
        QTest::newRow("feature") << "triggerClickEffect" << "gsClickAddFilter" << "event_click_feature" << "lw_feature_type" << "gsClickAddFilter";
        QTest::newRow("resource") << "triggerEventResource" << "gsClickImportMusic" << "event_resource" << "lw_resource_type" << "gsClickImportMusic";
        QTest::newRow("service") << "triggerServiceEvent" << "gsSyncToPhone" << "event_service" << "lw_service_type" << "gsSyncToPhone";
        QTest::newRow("tutorial") << "triggerClickTutorial" << "gsClickTutorialSkip" << "event_tutorial" << "lw_tutorial" << "gsClickTutorialSkip";
        QTest::newRow("preview") << "triggerClickPreview" << "gsClickPreviewVideo" << "event_preview" << "lw_preview" << "gsClickPreviewVideo";
        QTest::newRow("not a key, unchanged") << "triggerClickEffect" << "somethingElse" << "event_click_feature" << "lw_feature_type" << "somethingElse";
    }
    void stringOperations()
    {
        QFETCH(QString, operation);
        QFETCH(QString, name);
        QFETCH(QString, event);
        QFETCH(QString, parameterKey);
        QFETCH(QString, value);
        const int before = latestId();
        QVERIFY(QMetaObject::invokeMethod(m_proxy, operation.toLatin1().constData(), Q_ARG(QString, name)));
        checkReport(nextEvent(before), event, parameterKey, value);
    }

    void openStudio()
    {
        int before = latestId();
        m_proxy->triggerOpenStudioEvent();
        checkReport(nextEvent(before), QStringLiteral("event_open_studio"), QStringLiteral("lw_open_studio"),
                    QStringLiteral("gsOpenStudioDoubleClick"));
        before = latestId();
        m_proxy->triggerOpenStudioEvent(LWBeaconnEventParam::gsOpenStudioButtom);
        checkReport(nextEvent(before), QStringLiteral("event_open_studio"), QStringLiteral("lw_open_studio"),
                    QStringLiteral("gsOpenStudioButtom"));
    }

    // A value outside every group names no event: nothing goes out.
    void unknownValueIsNotSent()
    {
        const int before = latestId();
        m_proxy->installAsUsageSink();
        LWUsageEvents::report(42);
        LWUsageEvents::report(1515);
        QCOMPARE(m_proxy->inFlight(), 0);
        QTest::qWait(300);
        QCOMPARE(latestId(), before);
    }

    void headers()
    {
        LWTinyHttp collector;
        QVERIFY(collector.listen(QHostAddress::LocalHost, 0));
        LWServiceConfig::setBaseUrl(QStringLiteral("analytics"), QStringLiteral("http://127.0.0.1:%1").arg(collector.serverPort()));
        m_proxy->triggerClickAid(QStringLiteral("gsClickReport"));
        QVERIFY(waitUntil([&] { return collector.complete; }));
        QVERIFY(collector.request.startsWith("POST /v1/json HTTP/1.1\r\n"));
        const QByteArray head = collector.request.left(collector.request.indexOf("\r\n\r\n")).toLower();
        QVERIFY(head.contains("\r\nuser-agent: brightfold"));
        QVERIFY(head.contains("\r\ncontent-type: application/json"));
        QVERIFY(waitUntil([&] { return m_proxy->inFlight() == 0; }));
    }

    // Nobody listening: every report is lost without a trace and without
    // holding the caller.
    void collectorDown()
    {
        LWServiceConfig::setBaseUrl(QStringLiteral("analytics"), QStringLiteral("http://127.0.0.1:%1").arg(closedPort()));
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 20; ++i)
            m_proxy->triggerClickPreview(QStringLiteral("gsClickPreviewCamera"));
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(waitUntil([&] { return m_proxy->inFlight() == 0; }));
    }

    // A collector that takes the request and never answers: reports beyond
    // the cap are dropped instead of piling up, and the caller never waits.
    void collectorStalls()
    {
        m_service.setFaults(QJsonObject{{QStringLiteral("/v1/json"), QJsonObject{{QStringLiteral("delayMs"), 4000}}}});
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < LWBeaconBase::kMaxInFlight + 20; ++i)
            m_proxy->triggerClickTutorial(QStringLiteral("gsClickTutorialNext"));
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(m_proxy->inFlight(), LWBeaconBase::kMaxInFlight);
        m_proxy->cancelRunning();
        QCOMPARE(m_proxy->inFlight(), 0);
    }
};

LW_TEST_MAIN(TstBeacon)
#include "tst_beacon.moc"
