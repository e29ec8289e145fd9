#include "LWFeedBackModel.h"

#include "LWDeviceIdentity.h"
#include "LWDownload.h"
#include "LWOnlineAddresses.h"
#include "LWFeedBackUploadImage.h"
#include "common/LWImageSink.h"
#include "LWServiceProtocol.h"
#include "LWUploadPackage.h"
#include "common/LWDialogs.h"
#include "common/LWJsonNumbers.h"
#include "common/LWServiceConfig.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QHttpMultiPart>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QScopedValueRollback>

namespace {

const char kRecordImagePrefix[] = "feedback_";

// The exported effect for a message, or why it cannot go: the service
// takes no package over the upload limit.
struct AttachedPackage
{
    QByteArray bytes;
    QString problem;
};

AttachedPackage attachedPackage()
{
    AttachedPackage result;
    const QString path = LWUploadPackage::build();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        result.problem = LWFeedBackModel::tr("The effect package could not be made, so it cannot be attached.");
        return result;
    }
    if (LWUploadPackage::isOverLimit(file.size())) {
        result.problem = LWFeedBackModel::tr("The effect package is larger than 5 MB and cannot be attached."
                                             " Remove the tick to send your message without it.");
        return result;
    }
    result.bytes = file.readAll();
    return result;
}

void appendText(QHttpMultiPart *form, const char *name, const QString &value)
{
    QHttpPart part;
    part.setRawHeader("Content-Disposition", QByteArray("form-data; name=\"") + name + '"');
    part.setBody(value.toUtf8());
    form->append(part);
}

// The package when attached, the screenshot reference when there is one,
// the words and the contact.
QHttpMultiPart *messageForm(const QString &content, const QString &contact, const QString &imageReference,
                            const QByteArray &package)
{
    auto *form = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    if (!package.isEmpty()) {
        QHttpPart part;
        part.setRawHeader("Content-Disposition",
                          "form-data; name=\"file\"; fileName=\"effectPack.zip\"; mimeType=\"zip\"");
        part.setRawHeader(LWServiceProtocol::kContentIdHeader, LWServiceProtocol::kContentIdValue);
        part.setBody(package);
        form->append(part);
    }
    if (!imageReference.isEmpty())
        appendText(form, "image_uri", imageReference);
    appendText(form, "content", content);
    appendText(form, "contact", contact);
    return form;
}

} // namespace

LWFeedBackModel *LWFeedBackModel::instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static LWFeedBackModel *object = nullptr;
    if (!object)
        object = new LWFeedBackModel();
    return object;
}

LWFeedBackModel::LWFeedBackModel(QObject *parent)
    : QObject(parent)
    , m_uploader(new LWFeedBackUploadImage(this))
{
}

QString LWFeedBackModel::commonQuery()
{
    static const QString query = LWQTHttpBase::joinParameters({
                                     {QStringLiteral("app_name"), QLatin1String(LWServiceProtocol::kFeedbackAppName)},
                                     {QStringLiteral("channel"), QStringLiteral("update")},
                                     {QStringLiteral("device_id"), LWDeviceIdentity::deviceId()},
                                     {QStringLiteral("aid"), QString::number(LWServiceProtocol::kAnalyticsAppId)},
                                     {QStringLiteral("appkey"), QLatin1String(LWServiceProtocol::kFeedbackAppKey)},
                                 })
        + QStringLiteral("&ac=wifi&");
    return query;
}

QString LWFeedBackModel::serviceUrl(const char *path)
{
    return LWServiceConfig::baseUrl(QStringLiteral("feedback")) + QLatin1String(path) + QLatin1Char('?') + commonQuery();
}

// --- screenshot -------------------------------------------------------------------

void LWFeedBackModel::setScreenshotUrl(const QUrl &url)
{
    if (m_screenshotUrl == url)
        return;
    m_screenshotUrl = url;
    emit screenshotUrlChanged();
}

void LWFeedBackModel::chooseScreenshot()
{
    LWFileRequest request;
    request.title = tr("Choose a screenshot");
    request.filter = QStringList{tr("Images (*.png *.jpg *.jpeg)")};
    QPointer<LWFeedBackModel> self(this);
    LWDialogs::instance()->openFile(request, [self](const QList<QUrl> &urls) {
        if (self && !urls.isEmpty())
            self->setScreenshotUrl(urls.first());
    });
}

void LWFeedBackModel::clearScreenshot()
{
    setScreenshotUrl(QUrl());
}

bool LWFeedBackModel::uploadImage(QUrl imageurl)
{
    const QString path = imageurl.isLocalFile() ? imageurl.toLocalFile() : imageurl.toString();
    m_imageReference = m_uploader->upload(path);
    m_referenceFor = m_imageReference.isEmpty() ? QUrl() : imageurl;
    return !m_imageReference.isEmpty();
}

// --- sending --------------------------------------------------------------------------

QString LWFeedBackModel::packageProblem()
{
    return attachedPackage().problem;
}

bool LWFeedBackModel::submit(const QString &content, const QString &contact, const QUrl &image, bool withPackage)
{
    // The screenshot upload waits in a nested event loop, in which the
    // window could ask to send again.
    if (content.trimmed().isEmpty() || m_submitting)
        return false;
    QScopedValueRollback<bool> submitting(m_submitting, true);
    // A message that was meant to carry the effect never goes without it.
    AttachedPackage package;
    if (withPackage) {
        package = attachedPackage();
        if (!package.problem.isEmpty()) {
            qWarning().noquote() << "feedback not sent:" << package.problem;
            return false;
        }
    }
    if (image.isEmpty())
        m_imageReference.clear();
    else if (image != m_referenceFor || m_imageReference.isEmpty())
        uploadImage(image); // a failed upload still lets the words through
    QHttpMultiPart *form = messageForm(content, contact, m_imageReference, package.bytes);
    m_messages.post(QUrl(serviceUrl(LWServiceProtocol::kPathFeedbackPost)), form, [this](const LWHttpReply &reply) {
        if (reply.status != 200)
            qWarning() << "feedback not delivered, status" << reply.status << reply.body.left(200);
        emit submitFinished(reply.status == 200);
    });
    // The screenshot belongs to this message only.
    m_imageReference.clear();
    m_referenceFor = QUrl();
    setScreenshotUrl(QUrl());
    return true;
}

// --- records --------------------------------------------------------------------------

void LWFeedBackModel::getRecords()
{
    m_records.cancelRunning();
    m_records.get(QUrl(serviceUrl(LWServiceProtocol::kPathFeedbackList) + QStringLiteral("&min_id=100&count=50")),
                  [this](const LWHttpReply &reply) { onRecords(reply); });
}

void LWFeedBackModel::onRecords(const LWHttpReply &reply)
{
    if (reply.status != 200) {
        if (reply.status != LWQTHttpBase::kStatusCancelled)
            qDebug() << "feedback records not available, status" << reply.status;
        return;
    }
    const QJsonValue data = QJsonDocument::fromJson(reply.body).object().value(QStringLiteral("data"));
    if (!data.isArray()) {
        qWarning() << "feedback records are not a list; the page keeps what it shows";
        return;
    }
    readRecords(data.toArray());
    announceLists();
}

void LWFeedBackModel::readRecords(const QJsonArray &records)
{
    ++m_generation;
    m_contentList.clear();
    m_timeList.clear();
    m_typeList.clear();
    m_urlList.clear();
    for (const QJsonValue &value : records) {
        const QJsonObject record = value.toObject();
        const qint64 published = LWJsonNumbers::truncated<qint64>(record.value(QStringLiteral("pub_date")).toDouble());
        m_contentList.append(record.value(QStringLiteral("content")).toString());
        m_timeList.append(QDateTime::fromSecsSinceEpoch(published).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        m_typeList.append(record.value(QStringLiteral("type")).toInt() == 0 ? tr("User feedback") : tr("Reply"));
        m_urlList.append(QString());
        const QString imageUrl = record.value(QStringLiteral("image_url")).toString();
        if (!imageUrl.isEmpty())
            fetchImage(m_urlList.size() - 1, imageUrl);
    }
}

void LWFeedBackModel::fetchImage(int index, const QString &url)
{
    if (!m_sink)
        return;
    // A record's picture is the feedback service's own: any other address
    // (another host, a local file, a share) is not fetched at all.
    if (!LWOnlineAddresses::sameOrigin(QUrl(url), QUrl(LWServiceConfig::baseUrl(QStringLiteral("feedback"))))) {
        qWarning().noquote() << "feedback picture not from the feedback service; not fetched:" << QUrl(url).scheme();
        return;
    }
    const int generation = m_generation;
    LWDownload::Request request;
    request.url = QUrl(url);
    request.maxBytes = kRecordImageLimit;
    LWDownload::start(request, this, [this, index, generation](const LWDownload::Result &result) {
        const QImage image = result.ok ? QImage::fromData(result.bytes) : QImage();
        if (image.isNull() || generation != m_generation || !m_sink)
            return;
        const QString id = QLatin1String(kRecordImagePrefix) + QString::number(index);
        m_sink->insert(id, image);
        // Shown only once it is there, so the view never asks for a
        // picture the provider does not have.
        m_urlList[index] = QStringLiteral("image://imageProvider/") + id;
        emit urlListChanged();
    });
}

void LWFeedBackModel::announceLists()
{
    emit contentListChanged();
    emit timeListChanged();
    emit typeListChanged();
    emit urlListChanged();
    emit recordNumbersChanged();
}
