#include "LWFeedBackModel.h"

#include "LWDeviceIdentity.h"
#include "LWFeedBackDownloadImage.h"
#include "LWFeedBackSendMessage.h"
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
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QScopedValueRollback>

namespace {

const char kRecordImagePrefix[] = "feedback_";

QByteArray packageBytes()
{
    const QString path = LWUploadPackage::build();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    // The service leaves larger packages out; they would only cost time.
    if (LWUploadPackage::isOverLimit(file.size())) {
        qWarning() << "effect package too large to attach to feedback:" << file.size();
        return QByteArray();
    }
    return file.readAll();
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
    : LWQTHttpBase(parent)
    , m_uploader(new LWFeedBackUploadImage(this))
    , m_sender(new LWFeedBackSendMessage([this](bool sent) { emit submitFinished(sent); }, this))
{
}

QString LWFeedBackModel::commonQuery()
{
    static const QString query = joinParameters({
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

bool LWFeedBackModel::submit(const QString &content, const QString &contact, const QUrl &image, bool withPackage)
{
    // The screenshot upload waits in a nested event loop, in which the
    // window could ask to send again.
    if (content.trimmed().isEmpty() || m_submitting)
        return false;
    QScopedValueRollback<bool> submitting(m_submitting, true);
    if (image.isEmpty())
        m_imageReference.clear();
    else if (image != m_referenceFor || m_imageReference.isEmpty())
        uploadImage(image); // a failed upload still lets the words through
    LWFeedBackSendMessage::Message message;
    message.content = content;
    message.contact = contact;
    message.imageReference = m_imageReference;
    if (withPackage)
        message.package = packageBytes();
    m_sender->send(QUrl(serviceUrl(LWServiceProtocol::kPathFeedbackPost)), message);
    // The screenshot belongs to this message only.
    m_imageReference.clear();
    m_referenceFor = QUrl();
    setScreenshotUrl(QUrl());
    return true;
}

// --- records --------------------------------------------------------------------------

void LWFeedBackModel::getRecords()
{
    cancelRunning();
    getAsync(QUrl(serviceUrl(LWServiceProtocol::kPathFeedbackList) + QStringLiteral("&min_id=100&count=50")));
}

void LWFeedBackModel::replyHandler(const QByteArray &body, int status)
{
    if (status != 200) {
        if (status != kStatusCancelled)
            qDebug() << "feedback records not available, status" << status;
        return;
    }
    const QJsonValue data = QJsonDocument::fromJson(body).object().value(QStringLiteral("data"));
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
    const int generation = m_generation;
    QPointer<LWFeedBackModel> self(this);
    auto *download = new LWFeedBackDownloadImage([self, index, generation](const QImage &image) {
        if (!self || image.isNull() || generation != self->m_generation || !self->m_sink)
            return;
        const QString id = QLatin1String(kRecordImagePrefix) + QString::number(index);
        self->m_sink->insert(id, image);
        // Shown only once it is there, so the view never asks for a
        // picture the provider does not have.
        self->m_urlList[index] = QStringLiteral("image://imageProvider/") + id;
        emit self->urlListChanged();
    }, this);
    download->download(QUrl(url));
}

void LWFeedBackModel::announceLists()
{
    emit contentListChanged();
    emit timeListChanged();
    emit typeListChanged();
    emit urlListChanged();
    emit recordNumbersChanged();
}
