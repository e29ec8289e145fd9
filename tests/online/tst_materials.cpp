// The material library against lwservice: the catalogue with its size
// texts and icons, the icon cache on a second opening, downloading and
// importing frame sequences and pictures into the project, and what bad
// catalogues, icons, archives and transfers lead to.
#include "LWOnlineTestKit.h"
#include "LWTestMain.h"
#include "app/LWMainWindowController.h"
#include "common/LWDataPaths.h"
#include "online/LWMaterialStore.h"
#include "online/LWMaterialsOnLine.h"
#include "resources/LWResourceManager.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectPackManager.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QSignalSpy>

#include <limits>
#include <minizip/zip.h>

using namespace LWOnlineTest;

namespace {

QJsonObject material(int type, const QString &name, qint64 size, const QString &file, const QString &icon)
{
    QJsonObject entry{{QStringLiteral("id"), 1}, {QStringLiteral("type"), type}, {QStringLiteral("size"), size}};
    if (!name.isNull())
        entry.insert(QStringLiteral("name"), name);
    if (!file.isNull())
        entry.insert(QStringLiteral("fileUrl"), QJsonObject{{QStringLiteral("uri"), file}});
    if (!icon.isNull())
        entry.insert(QStringLiteral("iconUrl"), QJsonObject{{QStringLiteral("uri"), icon}});
    return entry;
}

QJsonObject withSize(QJsonObject entry, double size)
{
    entry.insert(QStringLiteral("size"), size);
    return entry;
}

QByteArray pngBytes(const QSize &size, const QColor &colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An archive with the given entries, names taken as they are.
bool writeZip(const QString &path, const QList<QPair<QByteArray, QByteArray>> &entries)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const auto &entry : entries) {
        zip_fileinfo info{};
        ok = ok && zipOpenNewFileInZip(zip, entry.first.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                       Z_DEFAULT_COMPRESSION) == ZIP_OK;
        ok = ok && zipWriteInFileInZip(zip, entry.second.constData(), unsigned(entry.second.size())) == ZIP_OK;
        ok = ok && zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

class TstMaterials : public QObject
{
    Q_OBJECT
private:
    Service m_service;
    QJsonArray m_catalogue; // the service's own, as it lists it

    static LWEffectPackManager *packs() { return LWEffectPackManager::instance(); }
    static LWResourceManager *library() { return LWResourceManager::instance(); }

    QString servedPath(const QString &name) const
    {
        return m_service.dataPath() + QStringLiteral("/files/materials/") + name;
    }

    void serveCatalogue(const QJsonArray &materials)
    {
        const QJsonObject reply{{QStringLiteral("status_code"), 0},
                                {QStringLiteral("data"), QJsonObject{{QStringLiteral("materials"), materials}}}};
        const QString body = QString::fromUtf8(QJsonDocument(reply).toJson(QJsonDocument::Compact));
        m_service.setFaults(QJsonObject{{QLatin1String(LWServiceProtocol::kPathMaterials),
                                         QJsonObject{{QStringLiteral("body"), body},
                                                     {QStringLiteral("contentType"), QStringLiteral("application/json")}}}});
    }

    QJsonObject seeded(int type) const
    {
        for (const QJsonValue &value : m_catalogue) {
            if (value.toObject().value(QStringLiteral("type")).toInt() == type)
                return value.toObject();
        }
        return QJsonObject();
    }

    static QString uri(const QJsonObject &entry, const char *key)
    {
        return entry.value(QLatin1String(key)).toObject().value(QStringLiteral("uri")).toString();
    }

    // Lists and waits until every icon that can arrive has arrived.
    static bool listed(LWMaterialsOnLine &model, int expectedLoaded)
    {
        QSignalSpy numbers(&model, &LWMaterialsOnLine::materialNumbersChanged);
        model.sendGetRequest();
        return numbers.wait(10000) && waitUntil([&] { return model.materialLoadedNumber() == expectedLoaded; });
    }

    static int indexOf(const LWMaterialsOnLine &model, const QString &name)
    {
        for (int i = 0; i < model.materialNumbers(); ++i) {
            if (model.materialName(i) == name)
                return i;
        }
        return -1;
    }

    // Downloads the entry and reports whether the library gained anything.
    static bool download(LWMaterialsOnLine &model, int index)
    {
        QSignalSpy done(&model, &LWMaterialsOnLine::materialDownloaded);
        model.sendDownloadRequest(index);
        if (!done.wait(20000))
            return false;
        return done.first().at(1).toBool();
    }

    static QStringList leftoverFolders()
    {
        return QDir(LWMaterialStore::materialsFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).filter(
            QRegularExpression(QStringLiteral("^(?!icons$)")));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_service.start());
        LWMainWindowController::instance(); // wires the undo stack and the trees, as at start
        const Reply reply = send(QStringLiteral("GET"), m_service.base + QStringLiteral("/api/material/preview?cursor=0&count=50"));
        m_catalogue = reply.json().value(QStringLiteral("data")).toObject().value(QStringLiteral("materials")).toArray();
        QVERIFY(!seeded(1).isEmpty());
        QVERIFY(!seeded(0).isEmpty());
    }

    void init()
    {
        QDir(LWMaterialStore::materialsFolder()).removeRecursively();
        packs()->createProj();
        QVERIFY(library()->treeRoot());
    }

    void cleanup()
    {
        m_service.clearFaults();
        packs()->clearWorkspace();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void sizeText_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << qint64(0) << "<0.1M";
        QTest::newRow("just below a tenth") << qint64(99999) << "<0.1M";
        QTest::newRow("a tenth") << qint64(100000) << "0.1M";
        QTest::newRow("second decimal 4 keeps") << qint64(149999) << "0.1M";
        QTest::newRow("second decimal 5 raises") << qint64(150000) << "0.2M";
        QTest::newRow("2.349") << qint64(2349000) << "2.3M";
        QTest::newRow("2.35") << qint64(2350000) << "2.4M";
        QTest::newRow("carry into the whole") << qint64(2960000) << "3.0M";
        QTest::newRow("carry to two digits") << qint64(9990000) << "10.0M";
        QTest::newRow("large") << qint64(123456789) << "123.5M";
    }
    void sizeText()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(LWMaterialsOnLine::sizeText(bytes), text);
    }

    // The seeded catalogue: icons arrive into the cache (GIF for frame
    // sequences, PNG for pictures); a second opening takes them from there
    // without asking the service again.
    void catalogueAndIconCache()
    {
        LWMaterialsOnLine model;
        QVERIFY(listed(model, m_catalogue.size()));
        QCOMPARE(model.materialNumbers(), m_catalogue.size());
        QCOMPARE(model.iconRequestCount(), m_catalogue.size());
        for (int i = 0; i < model.materialNumbers(); ++i) {
            const QUrl icon(model.urlList().at(i));
            QVERIFY2(icon.isLocalFile(), qPrintable(icon.toString()));
            const QString suffix = model.materialType(i) == 1 ? QStringLiteral(".gif") : QStringLiteral(".png");
            QCOMPARE(icon.toLocalFile(), LWMaterialStore::iconsFolder() + QLatin1Char('/') + model.materialName(i) + suffix);
            QVERIFY(!QImage(icon.toLocalFile()).isNull());
            const qint64 size = qint64(m_catalogue.at(i).toObject().value(QStringLiteral("size")).toDouble());
            QCOMPARE(model.sizeList().at(i), LWMaterialsOnLine::sizeText(size));
        }

        LWMaterialsOnLine again;
        QSignalSpy numbers(&again, &LWMaterialsOnLine::materialNumbersChanged);
        again.sendGetRequest();
        QVERIFY(numbers.wait(10000));
        QCOMPARE(again.materialLoadedNumber(), m_catalogue.size());
        QCOMPARE(again.iconRequestCount(), 0);
        QCOMPARE(again.urlList(), model.urlList());
    }

    void sizeTextsOfTheCatalogue()
    {
        const QJsonObject png = seeded(0);
        serveCatalogue({material(0, QStringLiteral("small"), 99999, uri(png, "fileUrl"), uri(png, "iconUrl")),
                        material(0, QStringLiteral("tenth"), 100000, uri(png, "fileUrl"), uri(png, "iconUrl")),
                        material(0, QStringLiteral("large"), 2350000, uri(png, "fileUrl"), uri(png, "iconUrl")),
                        // Sizes beyond any integer: converting them was undefined.
                        withSize(material(0, QStringLiteral("huge"), 0, uri(png, "fileUrl"), uri(png, "iconUrl")), 1e30),
                        withSize(material(0, QStringLiteral("below"), 0, uri(png, "fileUrl"), uri(png, "iconUrl")), -1e30)});
        LWMaterialsOnLine model;
        QVERIFY(listed(model, 5));
        QCOMPARE(model.sizeList(), (QStringList{"<0.1M", "0.1M", "2.4M",
                                                LWMaterialsOnLine::sizeText(std::numeric_limits<qint64>::max()), "<0.1M"}));
    }

    // Entries the editor cannot use are left out; a name is never a path;
    // an icon that is no picture is neither shown nor cached.
    void unusableEntries()
    {
        const QJsonObject png = seeded(0);
        const QJsonObject seq = seeded(1);
        const QString file = uri(png, "fileUrl");
        const QString icon = uri(png, "iconUrl");
        serveCatalogue({material(0, QString(), 1000, file, icon),
                        material(0, QStringLiteral(".."), 1000, file, icon),
                        material(0, QStringLiteral("no file"), 1000, QString(), icon),
                        material(0, QStringLiteral("no icon"), 1000, file, QString()),
                        material(0, QStringLiteral("../../escape"), 1000, file, icon),
                        material(1, QStringLiteral("zip as icon"), 1000, uri(seq, "fileUrl"), uri(seq, "fileUrl")),
                        material(0, QStringLiteral("missing icon"), 1000, file, QStringLiteral("/files/materials/nothing.png")),
                        QJsonObject{{QStringLiteral("name"), QStringLiteral("bare")}},
                        QJsonValue(7)});
        LWMaterialsOnLine model;
        QSignalSpy numbers(&model, &LWMaterialsOnLine::materialNumbersChanged);
        model.sendGetRequest();
        QVERIFY(numbers.wait(10000));
        QCOMPARE(model.materialNumbers(), 3);
        QCOMPARE(model.materialName(0), QStringLiteral("../../escape"));
        QVERIFY(waitUntil([&] { return model.materialLoadedNumber() == 1; }));
        QTest::qWait(300);
        QCOMPARE(model.materialLoadedNumber(), 1);
        QCOMPARE(QUrl(model.urlList().at(0)).toLocalFile(), LWMaterialStore::iconsFolder() + QStringLiteral("/.._.._escape.png"));
        QVERIFY(model.urlList().at(1).isEmpty());
        QVERIFY(model.urlList().at(2).isEmpty());
        QVERIFY(!QFile::exists(LWMaterialStore::iconsFolder() + QStringLiteral("/zip as icon.gif")));
        QVERIFY(!QFile::exists(LWDataPaths::dataFolder() + QStringLiteral("/escape.png")));
        // An entry whose icon never came cannot be fetched.
        QSignalSpy done(&model, &LWMaterialsOnLine::materialDownloaded);
        model.sendDownloadRequest(1);
        model.sendDownloadRequest(99);
        model.sendDownloadRequest(-1);
        QTest::qWait(200);
        QCOMPARE(done.count(), 0);
    }

    void sameNameSharesOneIcon()
    {
        const QJsonObject png = seeded(0);
        const QJsonObject other = m_catalogue.last().toObject();
        serveCatalogue({material(0, QStringLiteral("twin"), 1000, uri(png, "fileUrl"), uri(png, "iconUrl")),
                        material(0, QStringLiteral("twin"), 2000, uri(png, "fileUrl"), uri(other, "iconUrl"))});
        LWMaterialsOnLine model;
        QVERIFY(listed(model, 2));
        QCOMPARE(model.iconRequestCount(), 1);
        QCOMPARE(model.urlList().at(0), model.urlList().at(1));
    }

    // A failed listing empties what was shown.
    void listingFails_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::newRow("HTTP 500") << QJsonObject{{"status", 500}, {"body", "boom"}};
        QTest::newRow("not JSON") << QJsonObject{{"body", "<html>maintenance</html>"}};
        QTest::newRow("JSON array") << QJsonObject{{"body", "[1, 2, 3]"}};
        QTest::newRow("connection dropped") << QJsonObject{{"drop", true}};
        QTest::newRow("cut short") << QJsonObject{{"truncateAt", 40}};
    }
    void listingFails()
    {
        QFETCH(QJsonObject, fault);
        LWMaterialsOnLine model;
        QVERIFY(listed(model, m_catalogue.size()));
        m_service.setFaults(QJsonObject{{QLatin1String(LWServiceProtocol::kPathMaterials), fault}});
        QSignalSpy numbers(&model, &LWMaterialsOnLine::materialNumbersChanged);
        model.sendGetRequest();
        QVERIFY(numbers.wait(10000));
        QCOMPARE(model.materialNumbers(), 0);
        QVERIFY(model.urlList().isEmpty());
        QVERIFY(model.sizeList().isEmpty());
        QCOMPARE(model.materialLoadedNumber(), 0);
    }

    // A frame sequence arrives as one resource of frames and a picture as
    // one picture; neither leaves an undo step or an unpacking folder.
    void downloadAndImport_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("frame sequence") << 1;
        QTest::newRow("picture") << 0;
    }
    void downloadAndImport()
    {
        QFETCH(int, type);
        LWMaterialsOnLine model;
        QVERIFY(listed(model, m_catalogue.size()));
        const QString name = seeded(type).value(QStringLiteral("name")).toString();
        const int index = indexOf(model, name);
        QVERIFY(index >= 0);
        const int records = library()->recordCount();
        const int steps = LWUndoStack::instance()->count();
        QVERIFY(download(model, index));
        QCOMPARE(library()->recordCount(), records + 1);
        QCOMPARE(LWUndoStack::instance()->count(), steps);
        const auto added = library()->records();
        QString id;
        for (const auto &record : added) {
            if (record->displayName == name)
                id = record->resourceId;
        }
        QVERIFY2(!id.isEmpty(), qPrintable(name));
        QCOMPARE(library()->type(id), type == 1 ? int(LWEffectCommon::LWResourceType2DTextureFrame)
                                                 : int(LWEffectCommon::LWResourceType2DTexture));
        if (type == 1)
            QVERIFY(library()->frameCount(id) > 1);
        QVERIFY(!QImage(library()->firstImage(id)).isNull());
        QVERIFY(QFile::exists(LWMaterialStore::materialPath(name, type)));
        QCOMPARE(leftoverFolders(), QStringList());

        // A second click while one download runs imports once.
        QSignalSpy done(&model, &LWMaterialsOnLine::materialDownloaded);
        model.sendDownloadRequest(index);
        model.sendDownloadRequest(index);
        QVERIFY(done.wait(20000));
        QTest::qWait(300);
        QCOMPARE(done.count(), 1);
        QCOMPARE(library()->recordCount(), records + 2);
    }

    // Transfers and files that go wrong import nothing, keep the library as
    // it was and leave no unpacking folder behind.
    void downloadFails_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QByteArray>("served");
        const QJsonObject none;
        // "served": the file the service hands out instead of the seeded one.
        QTest::newRow("HTTP 404") << 1 << QJsonObject{{"status", 404}, {"body", "gone"}} << QByteArray();
        QTest::newRow("cut short") << 1 << QJsonObject{{"truncateAt", 300}} << QByteArray();
        QTest::newRow("stalls") << 1 << QJsonObject{{"stallAfter", 300}} << QByteArray();
        QTest::newRow("dropped") << 0 << QJsonObject{{"drop", true}} << QByteArray();
        QTest::newRow("archive corrupted") << 1 << QJsonObject{{"corrupt", true}} << QByteArray();
        QTest::newRow("not an archive") << 1 << none << QByteArray("this is not a zip archive");
        QTest::newRow("archive without frames") << 1 << none << QByteArray("text-only");
        QTest::newRow("archive reaching outside") << 1 << none << QByteArray("escape");
        QTest::newRow("picture that is not one") << 0 << none << QByteArray("\x89PNG\r\n\x1a\nbroken");
    }
    void downloadFails()
    {
        QFETCH(int, type);
        QFETCH(QJsonObject, fault);
        QFETCH(QByteArray, served);
        const QJsonObject base = seeded(type);
        QString fileUri = uri(base, "fileUrl");
        if (!served.isEmpty()) {
            const QString name = type == 1 ? QStringLiteral("crafted.zip") : QStringLiteral("crafted.png");
            fileUri = QStringLiteral("/files/materials/") + name;
            const QByteArray frame = pngBytes(QSize(8, 8), Qt::red);
            bool written = false;
            if (served == "text-only")
                written = writeZip(servedPath(name), {{"set/readme.txt", "no pictures here"}});
            else if (served == "escape")
                written = writeZip(servedPath(name), {{"set/a_000.png", frame}, {"../../outside.png", frame}});
            else
                written = writeFile(servedPath(name), served);
            QVERIFY(written);
        }
        serveCatalogue({material(type, QStringLiteral("victim"), 1000, fileUri, uri(base, "iconUrl"))});
        LWMaterialsOnLine model;
        model.setTransferIdleLimit(800);
        QVERIFY(listed(model, 1));
        if (!fault.isEmpty())
            m_service.setFaults(QJsonObject{{fileUri, fault}});
        const int records = library()->recordCount();
        const int steps = LWUndoStack::instance()->count();
        QVERIFY(!download(model, 0));
        QCOMPARE(library()->recordCount(), records);
        QCOMPARE(LWUndoStack::instance()->count(), steps);
        QCOMPARE(leftoverFolders(), QStringList());
        QVERIFY(!QFile::exists(LWMaterialStore::materialsFolder() + QStringLiteral("/../outside.png")));
        QVERIFY(!QFile::exists(LWDataPaths::dataFolder() + QStringLiteral("/outside.png")));
    }

    void downloadWithoutProject()
    {
        LWMaterialsOnLine model;
        QVERIFY(listed(model, m_catalogue.size()));
        packs()->clearWorkspace();
        QVERIFY(!download(model, indexOf(model, seeded(0).value(QStringLiteral("name")).toString())));
    }
};

LW_TEST_MAIN(TstMaterials)
#include "tst_materials.moc"
