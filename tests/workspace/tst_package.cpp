#include "LWTestFeature.h"
#include "LWTestMain.h"
#include "LWTinyHttp.h"
#include "app/LWMainWindowController.h"
#include "common/LWDataPaths.h"
#include "navigation/LWNaviTreeModel.h"
#include "common/LWJsonFile.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWPhonePreviewSender.h"
#include "package/LWZipUtil.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <minizip/zip.h>

namespace {

QStringList featureFolders()
{
    QStringList names;
    for (LWFeatureModel *f : LWEffectPackManager::instance()->effect()->models())
        names << f->path();
    return names;
}

// An archive with the given raw entry names, written without our checks.
void writeRawZip(const QString &path, const QList<QPair<QByteArray, QByteArray>> &entries)
{
    zipFile zip = zipOpen(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    QVERIFY(zip);
    for (const auto &entry : entries) {
        QCOMPARE(zipOpenNewFileInZip(zip, entry.first.constData(), nullptr, nullptr, 0, nullptr, 0, nullptr,
                                     Z_DEFLATED, Z_DEFAULT_COMPRESSION),
                 ZIP_OK);
        zipWriteInFileInZip(zip, entry.second.constData(), unsigned(entry.second.size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
}

QStringList leftovers()
{
    return QDir(LWDataPaths::subFolder("unzipTmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

} // namespace

class TstPackage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        LWTestFeature::registerKinds();
        LWMainWindowController::instance();
    }
    void init() { LWEffectPackManager::instance()->createProj(); }
    void cleanup() { LWEffectPackManager::instance()->clearWorkspace(); }

    void exportSuffixRule_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "pack" << "pack.zip";
        QTest::newRow("lower zip") << "pack.zip" << "pack.zip";
        QTest::newRow("upper zip") << "pack.ZIP" << "pack.ZIP";
        QTest::newRow("other extension") << "pack.tar" << "pack.tar.zip";
    }
    void exportSuffixRule()
    {
        QFETCH(QString, given);
        QFETCH(QString, written);
        QTemporaryDir dir;
        auto *manager = LWEffectPackManager::instance();
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        QFile::remove(dir.filePath(written));
        QFile old(dir.filePath(written));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older export");
        old.close();
        QVERIFY(manager->exportEffect(QUrl::fromLocalFile(dir.filePath(given)).toString()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
        QTemporaryDir unpacked;
        QVERIFY(LWZipUtil::unzip(dir.filePath(written), unpacked.path()));
        QVERIFY(QFile::exists(unpacked.filePath("config.json")));
        QVERIFY(QFile::exists(unpacked.filePath("2DSticker/content.json")));
        // The package goes straight to the target: the scratch area keeps
        // nothing of it, at most the phone's package of an earlier build.
        QStringList scratch = QDir(LWDataPaths::subFolder("tmpSync")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        scratch.removeAll("lw.zip");
        QCOMPARE(scratch, QStringList());
    }

    void exportThenImportReproduces()
    {
        auto *manager = LWEffectPackManager::instance();
        manager->effect()->createFeature(LWEffectCommon::LWFeatureTypeFilter, {});
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        manager->effect()->featureAt(0)->contentJson().insert("frames", 12);
        QTemporaryDir dir;
        QVERIFY(manager->exportEffect(dir.filePath("out.zip")));

        manager->createProj();
        QVERIFY(manager->importEffectZipPack(QUrl::fromLocalFile(dir.filePath("out.zip")).toString()));
        QCOMPARE(featureFolders(), (QStringList{"2DSticker/", "Filter/"}));
        QCOMPARE(manager->effect()->featureAt(0)->contentJson().value("frames").toInt(), 12);
        QVERIFY(!LWUndoStack::instance()->canUndo());
        QVERIFY(leftovers().isEmpty());

        // The same package again: folders made unique.
        QVERIFY(manager->importEffectZipPack(dir.filePath("out.zip")));
        QCOMPARE(featureFolders(), (QStringList{"2DSticker_1/", "Filter_1/", "2DSticker/", "Filter/"}));
        QVERIFY(QFile::exists(manager->effect()->folder() + "/2DSticker_1/content.json"));
        QCOMPARE(LWMainWindowController::instance()->effectNaviTreeModel()->rowCount(), 4);
    }

    void zipSuffixMustBeLowerCase()
    {
        QTemporaryDir dir;
        auto *manager = LWEffectPackManager::instance();
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        QVERIFY(manager->exportEffect(dir.filePath("out.ZIP")));
        QVERIFY(!manager->importEffectZipPack(dir.filePath("out.ZIP")));
        QCOMPARE(manager->effect()->modelCount(), 1);
    }

    // Damaged or hostile packages change nothing, keep the undo history and
    // leave no scratch files.
    void badPackagesChangeNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("not a zip") << "garbage";
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("empty archive") << "empty";
        QTest::newRow("escaping entry") << "escape";
        QTest::newRow("absolute entry") << "absolute";
        QTest::newRow("link outside package") << "outside";
        QTest::newRow("missing file") << "missing";
    }
    void badPackagesChangeNothing()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString zip = dir.filePath("bad.zip");
        const QByteArray config = R"({"name":"x","effect":{"Link":[{"type":"2DSticker","zorder":1,"path":"2DSticker/"}]}})";
        if (kind == "garbage") {
            QFile f(zip);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("this is not an archive at all");
        } else if (kind == "truncated") {
            writeRawZip(zip, {{"config.json", config}, {"2DSticker/content.json", QByteArray(4000, 'x')}});
            QFile f(zip);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(f.size() / 2));
        } else if (kind == "empty") {
            writeRawZip(zip, {});
        } else if (kind == "escape") {
            writeRawZip(zip, {{"config.json", config}, {"../../evil.txt", "boo"}});
        } else if (kind == "absolute") {
            writeRawZip(zip, {{"config.json", config}, {"/tmp/evil-absolute.txt", "boo"}});
        } else if (kind == "outside") {
            writeRawZip(zip, {{"config.json", R"({"effect":{"Link":[{"type":"2DSticker","path":"../"}]}})"}});
        }
        auto *manager = LWEffectPackManager::instance();
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        QVERIFY(LWUndoStack::instance()->canUndo());
        QSignalSpy problems(manager, &LWEffectPackManager::packageProblem);
        manager->importEffectZipPack(zip);
        QCOMPARE(manager->effect()->modelCount(), 1);
        if (kind != "outside") {
            QVERIFY(LWUndoStack::instance()->canUndo());
            QCOMPARE(problems.size(), 1);
        }
        QVERIFY(leftovers().isEmpty());
        QVERIFY(!QFile::exists("/tmp/evil-absolute.txt"));
        QVERIFY(!QFile::exists(LWDataPaths::dataFolder() + "/evil.txt"));
    }

    void folderWithoutConfigIsIgnored()
    {
        QTemporaryDir dir;
        auto *manager = LWEffectPackManager::instance();
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        QVERIFY(!manager->importEffect(QUrl::fromLocalFile(dir.path()).toString()));
        QCOMPARE(manager->effect()->modelCount(), 1);
        QVERIFY(LWUndoStack::instance()->canUndo());
    }

    void phonePreviewRequest()
    {
        auto *manager = LWEffectPackManager::instance();
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        LWTinyHttp phone;
        QVERIFY(phone.listen(QHostAddress::LocalHost));
        auto *controller = LWMainWindowController::instance();
        controller->setMobileIP(QString("127.0.0.1:%1").arg(phone.serverPort()));
        QSignalSpy done(controller->phoneSender(), &LWPhonePreviewSender::finished);
        QVERIFY(controller->sendEffectPackage());
        QVERIFY(done.wait(10000));
        QCOMPARE(done.at(0).at(0).toBool(), true);
        QVERIFY(phone.request.startsWith("POST /upload HTTP/1.1\r\n"));
        const QByteArray body = phone.body();
        QVERIFY(body.contains("Content-Disposition: form-data; name=\"files[]\"; fileName=\"upload.zip\"; mimeType=\"zip\"\r\n"));
        QFile package(LWDataPaths::subFolder("tmpSync") + "/lw.zip");
        QVERIFY(package.open(QIODevice::ReadOnly));
        QVERIFY(body.contains(package.readAll()));

        controller->setMobileIP(QString());
        QVERIFY(!controller->sendEffectPackage());
    }
};

LW_TEST_MAIN(TstPackage)
#include "tst_package.moc"
