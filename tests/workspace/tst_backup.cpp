#include "LWTestFeature.h"
#include "LWTestMain.h"
#include "app/LWMainWindowController.h"
#include "common/LWDataPaths.h"
#include "common/LWJsonFile.h"
#include "common/LWSettingFlags.h"
#include "workspace/LWAutoBackup.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {
int linkCount(const QString &effectJson)
{
    return LWJsonFile::read(effectJson).value("effect").toObject().value("Link").toArray().size();
}
} // namespace

class TstBackup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        LWTestFeature::registerKinds();
        LWMainWindowController::instance();
    }
    void cleanup() { LWEffectPackManager::instance()->clearWorkspace(); }

    void nothingWithoutProject()
    {
        LWAutoBackup backup;
        QSignalSpy done(&backup, &LWAutoBackup::backupDone);
        backup.autoBackup();
        QCOMPARE(done.size(), 0);
        QVERIFY(!QFileInfo::exists(LWTest::homeFolder() + "/Lumeworks/backup"));
    }

    void backupHoldsUnsavedState()
    {
        auto *manager = LWEffectPackManager::instance();
        manager->createProj();
        QTemporaryDir dir;
        manager->saveProjAs(dir.filePath("Cat"));
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        manager->effect()->createFeature(LWEffectCommon::LWFeatureTypeFilter, {});

        LWAutoBackup backup;
        QSignalSpy done(&backup, &LWAutoBackup::backupDone);
        backup.autoBackup();
        QCOMPARE(done.size(), 1);
        QVERIFY(done.at(0).at(0).toBool());
        const QString published = LWAutoBackup::publishedFolder();
        QCOMPARE(LWJsonFile::read(published + "/backup.lwproj"), (QJsonObject{{"name", "Cat"}, {"effect", "effect"}}));
        QCOMPARE(linkCount(published + "/effect/effect.json"), 2);
        // The project's own files are untouched by a backup.
        QCOMPARE(linkCount(dir.filePath("Cat/effect/effect.json")), 0);
        QVERIFY(!manager->isSaved());
        // Nothing half-way is left beside the backup.
        const QStringList entries = QDir(LWDataPaths::backupFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(entries, (QStringList{"curprojbk", "tmpbk"}));

        // After a crash the backup reopens with the unsaved work, and working
        // on replaces the published backup with the restored state.
        LWSettingFlags::write("lastCrashed", true);
        QVERIFY(manager->lastCrashFlag());
        manager->openBackupProj();
        QCOMPARE(manager->effect()->modelCount(), 2);
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        backup.autoBackup();
        QCOMPARE(linkCount(published + "/effect/effect.json"), 3);
    }

    void timerRunsBackupOnInterfaceThread()
    {
        auto *manager = LWEffectPackManager::instance();
        manager->createProj();
        LWAutoBackup backup(30);
        QThread *interfaceThread = QThread::currentThread();
        QThread *ranOn = nullptr;
        connect(&backup, &LWAutoBackup::backupDone, this, [&] { ranOn = QThread::currentThread(); });
        backup.start();
        QTRY_VERIFY(ranOn);
        QCOMPARE(ranOn, interfaceThread);
        backup.quit();
        QVERIFY(backup.wait(5000));
    }

    void startedOnce()
    {
        auto *manager = LWEffectPackManager::instance();
        manager->readyToAutoBackupProj();
        LWAutoBackup *thread = manager->autoBackupThread();
        QVERIFY(thread && thread->isRunning());
        manager->readyToAutoBackupProj();
        QCOMPARE(manager->autoBackupThread(), thread);
        thread->quit();
        QVERIFY(thread->wait(5000));
    }
};

LW_TEST_MAIN(TstBackup)
#include "tst_backup.moc"
