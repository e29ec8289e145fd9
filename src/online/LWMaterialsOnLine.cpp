#include "LWMaterialsOnLine.h"

#include "LWMaterialStore.h"
#include "LWServiceProtocol.h"
#include "common/LWJsonNumbers.h"
#include "common/LWServiceConfig.h"

#include <QBuffer>
#include <QDebug>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QUrl>

namespace {

QString serviceBase()
{
    return LWServiceConfig::baseUrl(QStringLiteral("materials"));
}

bool isPicture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return !reader.read().isNull();
}

} // namespace

LWMaterialsOnLine *LWMaterialsOnLine::instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static LWMaterialsOnLine *object = nullptr;
    if (!object)
        object = new LWMaterialsOnLine();
    return object;
}

LWMaterialsOnLine::LWMaterialsOnLine(QObject *parent)
    : QObject(parent)
{
}

QString LWMaterialsOnLine::sizeText(qint64 bytes)
{
    if (bytes < 100000)
        return QStringLiteral("<0.1M");
    // Whole hundredths of a megabyte, so no binary fraction can tip a digit.
    const qint64 hundredths = bytes / 10000;
    qint64 whole = hundredths / 100;
    qint64 tenth = hundredths / 10 % 10;
    if (hundredths % 10 >= 5)
        ++tenth;
    if (tenth == 10) {
        ++whole;
        tenth = 0;
    }
    return QStringLiteral("%1.%2M").arg(whole).arg(tenth);
}

QString LWMaterialsOnLine::materialName(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index).name : QString();
}

int LWMaterialsOnLine::materialType(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index).type : 0;
}

QUrl LWMaterialsOnLine::fileStoreUrl(const QString &uri)
{
    return QUrl(serviceBase() + (uri.startsWith(QLatin1Char('/')) ? uri : QLatin1Char('/') + uri));
}

void LWMaterialsOnLine::sendGetRequest()
{
    // A listing still on its way is superseded by this one.
    m_http.cancelRunning();
    m_http.get(QUrl(serviceBase() + QLatin1String(LWServiceProtocol::kPathMaterials) + QStringLiteral("?cursor=0&count=50")),
               [this](const LWHttpReply &reply) { onCatalogue(reply); });
}

void LWMaterialsOnLine::onCatalogue(const LWHttpReply &reply)
{
    if (reply.status == LWQTHttpBase::kStatusCancelled)
        return;
    clearLists();
    const QJsonDocument document = QJsonDocument::fromJson(reply.body);
    if (reply.status != 200 || !document.isObject()) {
        qDebug() << "material catalogue not available, status" << reply.status;
        announceLists();
        return;
    }
    const QJsonObject data = document.object().value(QStringLiteral("data")).toObject();
    readCatalogue(data.value(QStringLiteral("materials")).toArray());
    announceLists();
}

void LWMaterialsOnLine::clearLists()
{
    ++m_generation;
    m_entries.clear();
    m_urlList.clear();
    m_sizeList.clear();
    m_iconWaiters.clear();
    m_loaded = 0;
}

bool LWMaterialsOnLine::readEntry(const QJsonObject &object, Entry *entry)
{
    entry->id = object.value(QStringLiteral("id")).toInt();
    entry->type = object.value(QStringLiteral("type")).toInt();
    entry->name = object.value(QStringLiteral("name")).toString();
    entry->stem = LWMaterialStore::fileStem(entry->name);
    entry->size = LWJsonNumbers::truncated<qint64>(object.value(QStringLiteral("size")).toDouble());
    entry->fileUri = object.value(QStringLiteral("fileUrl")).toObject().value(QStringLiteral("uri")).toString();
    entry->iconUri = object.value(QStringLiteral("iconUrl")).toObject().value(QStringLiteral("uri")).toString();
    // Without a name there is no cache file, without the references
    // nothing to show or fetch.
    return !entry->stem.isEmpty() && !entry->fileUri.isEmpty() && !entry->iconUri.isEmpty();
}

void LWMaterialsOnLine::readCatalogue(const QJsonArray &materials)
{
    for (const QJsonValue &value : materials) {
        Entry entry;
        if (!readEntry(value.toObject(), &entry)) {
            qDebug() << "material entry without name, file or icon skipped:" << value;
            continue;
        }
        m_entries.append(entry);
        m_urlList.append(QString());
        m_sizeList.append(sizeText(entry.size));
        showIcon(m_entries.size() - 1);
    }
}

void LWMaterialsOnLine::showIcon(int index)
{
    const Entry &entry = m_entries.at(index);
    const QString cachePath = LWMaterialStore::iconPath(entry.stem, entry.type);
    if (QFileInfo(cachePath).isFile()) {
        m_urlList[index] = QUrl::fromLocalFile(cachePath).toString();
        ++m_loaded;
        return;
    }
    // Materials sharing a name share one cache file and one request.
    QList<int> &waiting = m_iconWaiters[cachePath];
    waiting.append(index);
    if (waiting.size() > 1)
        return;
    ++m_iconRequests;
    const int generation = m_generation;
    LWDownload::Request request;
    request.url = fileStoreUrl(entry.iconUri);
    request.maxBytes = kIconLimit;
    LWDownload::start(request, this, [this, cachePath, generation](const LWDownload::Result &result) {
        iconArrived(cachePath, generation, result.ok ? result.bytes : QByteArray());
    });
}

void LWMaterialsOnLine::iconArrived(const QString &cachePath, int generation, const QByteArray &bytes)
{
    // Only bytes that read as a picture are kept, so a broken answer is
    // never served from the cache later. An older listing's icon still
    // goes to the cache.
    if (bytes.isEmpty()) {
        qDebug().noquote() << "material icon not fetched:" << cachePath;
        return;
    }
    if (!isPicture(bytes)) {
        qWarning().noquote() << "material icon is not a picture; not cached:" << cachePath;
        return;
    }
    if (!LWMaterialStore::writeFile(cachePath, bytes) || generation != m_generation)
        return;
    const QList<int> indexes = m_iconWaiters.take(cachePath);
    for (int index : indexes) {
        m_urlList[index] = QUrl::fromLocalFile(cachePath).toString();
        ++m_loaded;
    }
    emit urlListChanged();
    emit materialLoadedNumberChanged();
}

void LWMaterialsOnLine::announceLists()
{
    emit urlListChanged();
    emit materialNumbersChanged();
    emit sizeListChanged();
    emit materialLoadedNumberChanged();
}

void LWMaterialsOnLine::sendDownloadRequest(int index)
{
    if (index < 0 || index >= m_entries.size() || m_urlList.at(index).isEmpty())
        return;
    const Entry entry = m_entries.at(index);
    const QString target = LWMaterialStore::materialPath(entry.stem, entry.type);
    // A second click while the first download runs would import twice.
    if (m_downloading.contains(target))
        return;
    m_downloading.insert(target);
    LWDownload::Request request;
    request.url = fileStoreUrl(entry.fileUri);
    request.targetPath = target;
    request.maxBytes = kFileLimit;
    request.idleLimitMs = m_idleLimitMs;
    LWDownload::start(request, this, [this, index, entry](const LWDownload::Result &result) {
        fileArrived(index, entry, result.ok);
    });
}

void LWMaterialsOnLine::fileArrived(int index, const Entry &entry, bool arrived)
{
    const QString target = LWMaterialStore::materialPath(entry.stem, entry.type);
    m_downloading.remove(target);
    const bool imported = arrived && LWMaterialStore::importMaterial(target, entry.stem, entry.type);
    emit materialDownloaded(index, imported);
}
