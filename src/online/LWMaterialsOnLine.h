#pragma once

#include "LWDownload.h"
#include "LWQTHttpBase.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

class QJsonArray;
class QJsonObject;

// The material library window: the service's catalogue with each entry's
// icon (from the cache when it was fetched before) and size text; a click on
// an entry whose icon is ready downloads the material and imports it into
// the project's resources. One per process.
class LWMaterialsOnLine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList urlList READ urlList NOTIFY urlListChanged)
    Q_PROPERTY(int materialNumbers READ materialNumbers NOTIFY materialNumbersChanged)
    Q_PROPERTY(QStringList sizeList READ sizeList NOTIFY sizeListChanged)
    Q_PROPERTY(int materialLoadedNumber READ materialLoadedNumber NOTIFY materialLoadedNumberChanged)

public:
    static constexpr qint64 kIconLimit = 8 * 1024 * 1024;
    static constexpr qint64 kFileLimit = 128 * 1024 * 1024;

    // The one the interface uses; tests may make their own.
    static LWMaterialsOnLine *instance();
    explicit LWMaterialsOnLine(QObject *parent = nullptr);

    QStringList urlList() const { return m_urlList; }
    int materialNumbers() const { return m_entries.size(); }
    QStringList sizeList() const { return m_sizeList; }
    int materialLoadedNumber() const { return m_loaded; }

    // Fetches the catalogue; the lists follow when it arrives.
    Q_INVOKABLE void sendGetRequest();
    // Downloads and imports the material at index, when its icon is ready.
    Q_INVOKABLE void sendDownloadRequest(int index);

    // "<0.1M" below 100000 bytes, else megabytes with one decimal, the
    // second decimal rounding it: 2349000 gives "2.3M", 2350000 "2.4M".
    static QString sizeText(qint64 bytes);

    QString materialName(int index) const;
    int materialType(int index) const;
    int iconRequestCount() const { return m_iconRequests; }
    // How long a material download may see no data before it is given up.
    void setTransferIdleLimit(int ms) { m_idleLimitMs = ms; }


signals:
    void urlListChanged();
    void materialNumbersChanged();
    void sizeListChanged();
    void materialLoadedNumberChanged();
    // A download ended; imported tells whether the library gained anything.
    void materialDownloaded(int index, bool imported);

private:
    struct Entry
    {
        int id = 0;
        int type = 0;
        QString name;
        QString stem; // name as used in the cache's file names
        qint64 size = 0;
        QString fileUri;
        QString iconUri;
    };

    static bool readEntry(const QJsonObject &object, Entry *entry);
    static QUrl fileStoreUrl(const QString &uri);
    void onCatalogue(const LWHttpReply &reply);
    void clearLists();
    void readCatalogue(const QJsonArray &materials);
    void showIcon(int index);
    void iconArrived(const QString &cachePath, int generation, const QByteArray &bytes);
    void fileArrived(int index, const Entry &entry, bool arrived);
    void announceLists();

    QList<Entry> m_entries;
    QStringList m_urlList; // one per entry; empty until the icon is ready
    QStringList m_sizeList;
    int m_loaded = 0;
    int m_generation = 0; // icons of an older listing go to the cache only
    int m_iconRequests = 0;
    int m_idleLimitMs = LWDownload::kDefaultIdleLimitMs;
    QHash<QString, QList<int>> m_iconWaiters; // cache path -> entries showing it
    QSet<QString> m_downloading;              // material files being fetched
    LWQTHttpBase m_http;                      // owned; the catalogue
};
