// Feedback against lwservice: the common query, messages with and without
// screenshot and effect package (the form as it travels, checked on a
// local endpoint), the record list with replies and pictures, and answers
// that must not disturb what the record page shows.
#include "LWOnlineTestKit.h"
#include "LWTestMain.h"
#include "LWTinyHttp.h"
#include "app/LWMainWindowController.h"
#include "online/LWDeviceIdentity.h"
#include "online/LWFeedBackModel.h"
#include "common/LWImageSink.h"
#include "online/LWUploadPackage.h"

#include <QImage>
#include <QJsonArray>
#include <QSignalSpy>

using namespace LWOnlineTest;

namespace {

class RecordingSink : public LWImageSink
{
public:
    QHash<QString, QImage> images;
    void insert(const QString &id, const QImage &image) override { images.insert(id, image); }
};

// The part names of a multipart body, in order.
QStringList partNames(const QByteArray &body)
{
    QStringList names;
    const QRegularExpression name(QStringLiteral("Content-Disposition: form-data; name=\"([^\"]+)\""));
    auto it = name.globalMatch(QString::fromLatin1(body));
    while (it.hasNext())
        names << it.next().captured(1);
    return names;
}

} // namespace

class TstFeedback : public QObject
{
    Q_OBJECT
private:
    Service m_service;
    QTemporaryDir m_dir;
    RecordingSink m_sink;
    QString m_package;

    QString writePicture(const QString &name, const char *format)
    {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(QColor(0xff, 0x7a, 0x45));
        const QString path = m_dir.filePath(name);
        return image.save(path, format) ? path : QString();
    }

    QJsonObject latestMessage()
    {
        const Reply reply = send(QStringLiteral("GET"), m_service.base + QStringLiteral("/api/feedback/messages"));
        return reply.json().value(QStringLiteral("data")).toObject().value(QStringLiteral("messages")).toArray().first().toObject();
    }

    // Sends through the model and waits for the service's answer.
    bool submitted(LWFeedBackModel &model, const QString &content, const QUrl &image, bool withPackage)
    {
        QSignalSpy finished(&model, &LWFeedBackModel::submitFinished);
        if (!model.submit(content, QStringLiteral("author@example.org"), image, withPackage))
            return false;
        return finished.wait(15000) && finished.first().at(0).toBool();
    }

    // The form as it leaves the editor, caught on a local endpoint. The
    // screenshot goes to the real service first; the message then carries
    // its reference without uploading again.
    QByteArray capturedForm(const QString &content, const QUrl &image, bool withPackage)
    {
        LWTinyHttp endpoint;
        if (!endpoint.listen(QHostAddress::LocalHost, 0))
            return QByteArray();
        LWFeedBackModel model;
        if (!image.isEmpty() && !model.uploadImage(image))
            return QByteArray();
        LWServiceConfig::setBaseUrl(QStringLiteral("feedback"), QStringLiteral("http://127.0.0.1:%1").arg(endpoint.serverPort()));
        model.submit(content, QStringLiteral("me"), image, withPackage);
        waitUntil([&] { return endpoint.complete; });
        LWServiceConfig::setBaseUrl(QStringLiteral("feedback"), m_service.base);
        return endpoint.request;
    }

    bool recordsArrive(LWFeedBackModel &model)
    {
        QSignalSpy numbers(&model, &LWFeedBackModel::recordNumbersChanged);
        model.getRecords();
        return numbers.wait(10000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_service.start());
        QVERIFY(m_dir.isValid());
        m_package = m_dir.filePath(QStringLiteral("lw.zip"));
        QVERIFY(writePackage(m_package, 2048));
        LWUploadPackage::setBuilder([this] { return m_package; });
    }

    void cleanup()
    {
        m_service.clearFaults();
        LWServiceConfig::setBaseUrl(QStringLiteral("feedback"), m_service.base);
    }

    void commonQuery()
    {
        QCOMPARE(LWFeedBackModel::commonQuery(),
                 QStringLiteral("app_name=lumeworks&channel=update&device_id=%1&aid=176524&appkey=a7c3e19f5d2b4068&ac=wifi&")
                     .arg(LWDeviceIdentity::deviceId()));
    }

    // Which parts go out, in which order: the package only when chosen, the
    // screenshot reference only when one was uploaded.
    void formParts_data()
    {
        QTest::addColumn<bool>("withImage");
        QTest::addColumn<bool>("withPackage");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("words only") << false << false << QStringList{"content", "contact"};
        QTest::newRow("screenshot") << true << false << QStringList{"image_uri", "content", "contact"};
        QTest::newRow("package") << false << true << QStringList{"file", "content", "contact"};
        QTest::newRow("both") << true << true << QStringList{"file", "image_uri", "content", "contact"};
    }
    void formParts()
    {
        QFETCH(bool, withImage);
        QFETCH(bool, withPackage);
        QFETCH(QStringList, parts);
        const QUrl image = withImage ? QUrl::fromLocalFile(writePicture(QStringLiteral("shot.png"), "PNG")) : QUrl();
        const QByteArray request = capturedForm(QStringLiteral("It crashed"), image, withPackage);
        QVERIFY(request.startsWith("POST /feedback/1/post_message/?" + LWFeedBackModel::commonQuery().toUtf8() + " HTTP/1.1"));
        QCOMPARE(partNames(request), parts);
        QVERIFY(request.contains("\r\n\r\nIt crashed\r\n"));
        QVERIFY(request.contains("\r\n\r\nme\r\n"));
        if (withPackage) {
            QVERIFY(request.contains("form-data; name=\"file\"; fileName=\"effectPack.zip\"; mimeType=\"zip\""));
            QVERIFY(request.contains("Content-ID: lumeWorks"));
        }
        if (withImage)
            QVERIFY(request.contains("\r\n\r\nimages/"));
    }

    // What the service keeps of a message, with and without attachments.
    void storedMessage_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("withPackage");
        QTest::addColumn<bool>("imageKept");
        QTest::newRow("words only") << QString() << false << false;
        QTest::newRow("PNG screenshot and package") << "shot.png" << true << true;
        QTest::newRow("JPEG screenshot") << "shot.jpg" << false << true;
        QTest::newRow("screenshot that is no picture") << "notes.txt" << false << false;
        QTest::newRow("screenshot that is missing") << "missing.png" << false << false;
    }
    void storedMessage()
    {
        QFETCH(QString, picture);
        QFETCH(bool, withPackage);
        QFETCH(bool, imageKept);
        QUrl image;
        if (picture.endsWith(QLatin1String(".png")) && picture != QLatin1String("missing.png"))
            image = QUrl::fromLocalFile(writePicture(picture, "PNG"));
        else if (picture.endsWith(QLatin1String(".jpg")))
            image = QUrl::fromLocalFile(writePicture(picture, "JPEG"));
        else if (!picture.isEmpty()) {
            image = QUrl::fromLocalFile(m_dir.filePath(picture));
            if (picture == QLatin1String("notes.txt")) {
                QFile notes(image.toLocalFile());
                QVERIFY(notes.open(QIODevice::WriteOnly));
                notes.write("not a picture");
            }
        }
        LWFeedBackModel model;
        const QString content = QStringLiteral("Message %1").arg(QTest::currentDataTag());
        QVERIFY(submitted(model, content, image, withPackage));
        const QJsonObject stored = latestMessage();
        QCOMPARE(stored.value(QStringLiteral("content")).toString(), content);
        QCOMPARE(stored.value(QStringLiteral("contact")).toString(), QStringLiteral("author@example.org"));
        QCOMPARE(stored.value(QStringLiteral("device_id")).toString(), LWDeviceIdentity::deviceId());
        QCOMPARE(!stored.value(QStringLiteral("image_url")).toString().isEmpty(), imageKept);
        QCOMPARE(stored.value(QStringLiteral("has_package")).toBool(), withPackage);
        // The screenshot went with this message only.
        QVERIFY(model.imageReference().isEmpty());
        QVERIFY(model.screenshotUrl().isEmpty());
    }

    void emptyMessageIsNotSent()
    {
        LWFeedBackModel model;
        QSignalSpy finished(&model, &LWFeedBackModel::submitFinished);
        QVERIFY(!model.submit(QString(), QStringLiteral("x"), QUrl(), false));
        QVERIFY(!model.submit(QStringLiteral("  \n "), QStringLiteral("x"), QUrl(), false));
        QVERIFY(!finished.wait(300));
    }

    // A message meant to carry the effect goes with it or not at all: the
    // window learns why first, and the model never sends it without.
    void attachedPackageLimit_data()
    {
        QTest::addColumn<qint64>("size"); // -1: the package cannot be made
        QTest::addColumn<bool>("sent");
        QTest::newRow("exactly 5 MB") << qint64(5 * 1024 * 1024) << true;
        QTest::newRow("one byte over") << qint64(5 * 1024 * 1024 + 1) << false;
        QTest::newRow("no package") << qint64(-1) << false;
    }
    void attachedPackageLimit()
    {
        QFETCH(qint64, size);
        QFETCH(bool, sent);
        const QString package = m_dir.filePath(QStringLiteral("limit.zip"));
        if (size >= 0)
            QVERIFY(writePackage(package, size));
        LWUploadPackage::setBuilder([&] { return size >= 0 ? package : QString(); });
        LWTinyHttp endpoint;
        QVERIFY(endpoint.listen(QHostAddress::LocalHost, 0));
        LWServiceConfig::setBaseUrl(QStringLiteral("feedback"), QStringLiteral("http://127.0.0.1:%1").arg(endpoint.serverPort()));
        LWFeedBackModel model;
        QCOMPARE(model.packageProblem().isEmpty(), sent);
        QCOMPARE(model.submit(QStringLiteral("with the effect"), QString(), QUrl(), true), sent);
        waitUntil([&] { return endpoint.complete; }, sent ? 10000 : 500);
        QCOMPARE(endpoint.complete, sent);
        if (sent)
            QCOMPARE(partNames(endpoint.request), (QStringList{"file", "content", "contact"}));
        LWUploadPackage::setBuilder([this] { return m_package; });
        QFile::remove(package);
    }

    void sendingFails()
    {
        m_service.setFaults(QJsonObject{{QLatin1String(LWServiceProtocol::kPathFeedbackPost), QJsonObject{{"status", 500}}}});
        LWFeedBackModel model;
        QSignalSpy finished(&model, &LWFeedBackModel::submitFinished);
        QVERIFY(model.submit(QStringLiteral("lost"), QString(), QUrl(), false));
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().at(0).toBool(), false);
    }

    // The conversation: the author's messages and the service's replies,
    // times in the display form, pictures through the image provider.
    void records()
    {
        LWFeedBackModel model;
        model.setImageSink(&m_sink);
        QVERIFY(submitted(model, QStringLiteral("With a picture"),
                          QUrl::fromLocalFile(writePicture(QStringLiteral("record.png"), "PNG")), false));
        const QJsonObject reply{{"device_id", LWDeviceIdentity::deviceId()}, {"content", "Thanks, fixed in 1.2"}};
        QCOMPARE(send(QStringLiteral("POST"), m_service.base + QStringLiteral("/api/feedback/reply"),
                      QJsonDocument(reply).toJson(), "application/json").status, 200);
        QVERIFY(recordsArrive(model));
        const int count = model.recordNumbers();
        QVERIFY(count >= 2);
        QCOMPARE(model.contentList().at(count - 1), QStringLiteral("Thanks, fixed in 1.2"));
        QCOMPARE(model.typeList().at(count - 1), QStringLiteral("Reply"));
        QCOMPARE(model.contentList().at(count - 2), QStringLiteral("With a picture"));
        QCOMPARE(model.typeList().at(count - 2), QStringLiteral("User feedback"));
        const QRegularExpression time(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$"));
        for (const QString &text : model.timeList())
            QVERIFY2(time.match(text).hasMatch(), qPrintable(text));
        QCOMPARE(model.timeList().size(), count);
        QCOMPARE(model.urlList().size(), count);
        // Only the record with a picture gets one, once it has arrived.
        QVERIFY(waitUntil([&] { return !model.urlList().at(count - 2).isEmpty(); }));
        const QString url = model.urlList().at(count - 2);
        QVERIFY2(url.startsWith(QStringLiteral("image://imageProvider/feedback_")), qPrintable(url));
        const QImage picture = m_sink.images.value(url.mid(int(qstrlen("image://imageProvider/"))));
        QCOMPARE(picture.size(), QSize(64, 48));
        QVERIFY(model.urlList().at(count - 1).isEmpty());
    }

    // A record's picture is fetched only from the feedback service itself:
    // the same picture by another host name, or any other scheme, is left.
    void recordPicturesOnlyFromTheService()
    {
        LWFeedBackModel model;
        model.setImageSink(&m_sink);
        QVERIFY(submitted(model, QStringLiteral("Picture for the origins"),
                          QUrl::fromLocalFile(writePicture(QStringLiteral("origin.png"), "PNG")), false));
        const QString own = latestMessage().value(QStringLiteral("image_url")).toString();
        QVERIFY(QUrl(own).host() == QLatin1String("127.0.0.1"));
        QString otherHost = own;
        otherHost.replace(QStringLiteral("127.0.0.1"), QStringLiteral("localhost"));
        const QStringList urls{own, otherHost, QStringLiteral("file://") + writePicture(QStringLiteral("local.png"), "PNG"),
                               QStringLiteral("ftp://127.0.0.1/x.png")};
        QJsonArray records;
        for (const QString &url : urls)
            records.append(QJsonObject{{"pub_date", 1700000000}, {"content", url}, {"type", 1}, {"image_url", url}});
        m_service.setFaults(QJsonObject{{QLatin1String(LWServiceProtocol::kPathFeedbackList),
                                         QJsonObject{{"body", QString::fromUtf8(QJsonDocument(QJsonObject{{"status_code", 0}, {"data", records}})
                                                                                   .toJson(QJsonDocument::Compact))}}}});
        QVERIFY(recordsArrive(model));
        QCOMPARE(model.recordNumbers(), urls.size());
        QVERIFY(waitUntil([&] { return !model.urlList().at(0).isEmpty(); }));
        QTest::qWait(500);
        QCOMPARE(model.urlList().mid(1), (QStringList{QString(), QString(), QString()}));
    }

    // Answers that are not a record list change nothing on the page.
    void recordsKeptOnBadAnswers_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::newRow("data not an array") << QJsonObject{{"body", "{\"status_code\":0,\"data\":{\"records\":[]}}"}};
        QTest::newRow("data missing") << QJsonObject{{"body", "{\"status_code\":0}"}};
        QTest::newRow("not JSON") << QJsonObject{{"body", "oops"}};
        QTest::newRow("HTTP 500") << QJsonObject{{"status", 500}};
        QTest::newRow("dropped") << QJsonObject{{"drop", true}};
    }
    void recordsKeptOnBadAnswers()
    {
        QFETCH(QJsonObject, fault);
        LWFeedBackModel model;
        QVERIFY(submitted(model, QStringLiteral("Keep me"), QUrl(), false));
        QVERIFY(recordsArrive(model));
        const QStringList before = model.contentList();
        QVERIFY(!before.isEmpty());
        m_service.setFaults(QJsonObject{{QLatin1String(LWServiceProtocol::kPathFeedbackList), fault}});
        QSignalSpy numbers(&model, &LWFeedBackModel::recordNumbersChanged);
        model.getRecords();
        QVERIFY(!numbers.wait(1500));
        QCOMPARE(model.contentList(), before);
        QCOMPARE(model.recordNumbers(), before.size());
    }

    // Found by fuzzing: a publication date beyond any integer (converting it
    // was undefined) leaves the record on the page.
    void recordDateBeyondAnInteger()
    {
        LWFeedBackModel model;
        m_service.setFaults(QJsonObject{{QLatin1String(LWServiceProtocol::kPathFeedbackList),
                                         QJsonObject{{"body", R"({"data":[{"pub_date":17009007199254900100,"content":"late"}]})"}}}});
        QVERIFY(recordsArrive(model));
        QCOMPARE(model.contentList(), QStringList{"late"});
        QCOMPARE(model.timeList().size(), 1);
    }

    void servedThroughTheController()
    {
        auto *controller = LWMainWindowController::instance();
        auto *model = LWFeedBackModel::instance();
        QSignalSpy finished(model, &LWFeedBackModel::submitFinished);
        controller->submitFeedBackInfo(QStringLiteral("Through the controller"), QStringLiteral("c"),
                                       QUrl::fromLocalFile(writePicture(QStringLiteral("c.png"), "PNG")).toString(), false);
        QVERIFY(finished.wait(10000));
        QVERIFY(!latestMessage().value(QStringLiteral("image_url")).toString().isEmpty());
        QSignalSpy numbers(model, &LWFeedBackModel::recordNumbersChanged);
        controller->getFeedBackRecords();
        QVERIFY(numbers.wait(10000));
        QCOMPARE(model->contentList().last(), QStringLiteral("Through the controller"));
    }
};

LW_TEST_MAIN(TstFeedback)
#include "tst_feedback.moc"
