#include "LWUploadEffectChoiceModel.h"

#include "LWDownload.h"
#include "common/LWImageSink.h"
#include "LWLoginBridgeModel.h"
#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"
#include "LWUploadEffectModel.h"

#include <QDebug>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QUrl>

namespace {

// Ids of downloaded icons: "upload_<n>", n counting up for the whole run so
// that a picture never replaces one still shown elsewhere.
QString nextIconId()
{
    static int counter = 0;
    return QStringLiteral("upload_%1").arg(counter++);
}

} // namespace

LWUploadEffectChoiceModel *LWUploadEffectChoiceModel::instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static LWUploadEffectChoiceModel *object = nullptr;
    if (!object)
        object = new LWUploadEffectChoiceModel();
    return object;
}

LWUploadEffectChoiceModel::LWUploadEffectChoiceModel(QObject *parent)
    : QObject(parent)
{
}

QString LWUploadEffectChoiceModel::stateText(int stateCode)
{
    switch (stateCode) {
    case 0:
        return tr("Not reviewed");
    case 1:
        return tr("In review");
    case 2:
        return tr("Disapproved");
    case 3:
        return tr("Approved");
    case 4:
        return tr("Launched");
    default:
        return tr("Unknow");
    }
}

void LWUploadEffectChoiceModel::sendGetRequest()
{
    m_http.setBrowserCookies(LWLoginBridgeModel::instance()->currentWebCookies());
    m_http.get(LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathPreviousEffects),
               [this](const LWHttpReply &reply) { onReply(reply); });
}

void LWUploadEffectChoiceModel::setProblem(const QString &problem)
{
    if (m_problem == problem)
        return;
    m_problem = problem;
    emit listProblemChanged();
}

void LWUploadEffectChoiceModel::onReply(const LWHttpReply &answer)
{
    if (answer.status != 200) {
        qDebug() << "earlier effects: HTTP status" << answer.status;
        setProblem(tr("Your earlier effects could not be loaded."));
        return;
    }
    const QJsonObject reply = QJsonDocument::fromJson(answer.body).object();
    if (reply.value(QStringLiteral("status_code")).toInt(-1) != 0) {
        const QString message = reply.value(QStringLiteral("message")).toString();
        setProblem(message.isEmpty() ? tr("Your earlier effects could not be loaded.") : message);
    } else {
        setProblem(QString());
    }
    replaceLists(reply.value(QStringLiteral("data")).toObject().value(QStringLiteral("effects")).toArray());
}

void LWUploadEffectChoiceModel::replaceLists(const QJsonArray &effects)
{
    ++m_generation;
    m_names.clear();
    m_codes.clear();
    m_times.clear();
    m_icons.clear();
    m_uuids.clear();
    QStringList iconUrls;
    for (const QJsonValue &value : effects) {
        const QJsonObject effect = value.toObject();
        m_names << effect.value(QStringLiteral("name")).toString();
        m_times << effect.value(QStringLiteral("time")).toString();
        m_codes << stateText(effect.value(QStringLiteral("stateCode")).toInt(-1));
        m_uuids << effect.value(QStringLiteral("uuid")).toString();
        m_icons << QString();
        const QJsonArray urls =
            effect.value(QStringLiteral("iconUrl")).toObject().value(QStringLiteral("urlList")).toArray();
        iconUrls << (urls.isEmpty() ? QString() : urls.first().toString());
    }
    emit effectNameChanged();
    emit effectCodeChanged();
    emit effectTimeChanged();
    emit effectIconChanged();
    emit effectNumsChanged();
    for (int row = 0; row < iconUrls.size(); ++row) {
        if (!iconUrls.at(row).isEmpty())
            downloadIcon(row, iconUrls.at(row));
    }
}

void LWUploadEffectChoiceModel::downloadIcon(int row, const QString &url)
{
    const int generation = m_generation;
    const QString id = nextIconId();
    LWDownload::Request request;
    request.url = QUrl(url);
    request.maxBytes = kIconLimit;
    LWDownload::start(request, this, [this, row, generation, id](const LWDownload::Result &result) {
        const QImage image = result.ok ? QImage::fromData(result.bytes) : QImage();
        if (generation != m_generation || image.isNull() || row >= m_icons.size())
            return;
        if (m_sink)
            m_sink->insert(id, image);
        m_icons[row] = QStringLiteral("image://imageProvider/") + id;
        emit effectIconChanged();
    });
}

void LWUploadEffectChoiceModel::uploadEffctFile(int chooseIndex)
{
    if (chooseIndex == -1) {
        LWUploadEffectModel::instance()->uploadEffectFile(QString());
        return;
    }
    if (chooseIndex < 0 || chooseIndex >= m_uuids.size()) {
        qWarning() << "no earlier effect at index" << chooseIndex;
        return;
    }
    LWUploadEffectModel::instance()->uploadEffectFile(m_uuids.at(chooseIndex));
}
