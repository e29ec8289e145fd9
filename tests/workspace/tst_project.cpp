#include "LWTestFeature.h"
#include "LWTestMain.h"
#include "app/LWMainWindowController.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "common/LWJsonFile.h"
#include "common/LWSettingFlags.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"
#include "workspace/LWRecentProjects.h"

#include <QJsonArray>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

#include <sys/stat.h>

namespace {
QJsonArray recentEntries()
{
    return LWJsonFile::read(LWDataPaths::recentProjectsPath()).value("projs").toArray();
}
} // namespace

class TstProject : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        LWTestFeature::registerKinds();
        LWMainWindowController::instance(); // wires the undo stack to the workspace, as at start
    }
    void cleanup() { LWEffectPackManager::instance()->clearWorkspace(); }

    void newProjectIsTemporary()
    {
        auto *manager = LWEffectPackManager::instance();
        QSignalSpy names(manager, &LWEffectPackManager::projNameChanged);
        QSignalSpy effects(manager, &LWEffectPackManager::effectInWorkspaceChanged);
        manager->createProj();
        QVERIFY(manager->hasProjInWorkSpace());
        QVERIFY(manager->isTmpProj());
        QVERIFY(!manager->isSaved());
        QCOMPARE(manager->projName(), QString("Untitled"));
        QCOMPARE(manager->workspaceEffectName(), QString("LW"));
        QCOMPARE(names.size(), 1);
        QCOMPARE(effects.size(), 1);
        const QString folder = manager->project()->folder();
        QVERIFY(folder.startsWith(LWTest::homeFolder() + "/Lumeworks/projTemp/"));
        QVERIFY(QFile::exists(folder + "/effect/effect.json"));
        QVERIFY(QFile::exists(folder + "/effect/resourcemanager.json"));
        QVERIFY(QFileInfo(folder + "/effect/effect.json").isWritable());
    }

    void saveAsIntoCat()
    {
        auto *manager = LWEffectPackManager::instance();
        manager->createProj();
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        QVERIFY(!manager->isSaved());
        QTemporaryDir dir;
        const QString cat = dir.filePath("Cat");
        manager->saveProjAs(QUrl::fromLocalFile(cat).toString());
        QVERIFY(manager->isSaved());
        QVERIFY(!manager->isTmpProj());
        QCOMPARE(manager->projName(), QString("Cat"));
        QCOMPARE(LWJsonFile::read(cat + "/Cat.lwproj"), (QJsonObject{{"name", "Cat"}, {"effect", "effect"}}));
        QVERIFY(!QFile::exists(cat + "/Untitled.lwproj"));
        QCOMPARE(LWJsonFile::read(cat + "/effect/effect.json").value("effect").toObject().value("Link").toArray().size(), 1);
        QVERIFY(QFile::exists(cat + "/effect/resourcemanager.json"));
        QCOMPARE(recentEntries().at(0).toObject().value("dir").toString(), cat);

        // Save twice: one entry, still first, newer time.
        const qint64 before = recentEntries().at(0).toObject().value("at").toString().toLongLong();
        QTest::qWait(1100);
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        QVERIFY(!manager->isSaved());
        manager->saveProj();
        QVERIFY(manager->isSaved());
        const QJsonArray entries = recentEntries();
        int count = 0;
        for (const QJsonValue &e : entries)
            count += e.toObject().value("dir").toString() == cat;
        QCOMPARE(count, 1);
        QVERIFY(entries.at(0).toObject().value("at").toString().toLongLong() > before);

        // Save-as onto the own folder is a plain save.
        manager->saveProjAs(cat);
        QCOMPARE(manager->projName(), QString("Cat"));
        QCOMPARE(manager->project()->folder(), cat);
    }

    // Save As of a never-saved project links its files into the new folder
    // (the scratch folder stays whole for anything still naming it); a
    // saved project is copied, so the two never share a file.
    void saveAsLinksOnlyANeverSavedProject_data()
    {
        QTest::addColumn<bool>("savedFirst");
        QTest::newRow("never saved") << false;
        QTest::newRow("saved before") << true;
    }
    void saveAsLinksOnlyANeverSavedProject()
    {
        QFETCH(bool, savedFirst);
        auto *manager = LWEffectPackManager::instance();
        manager->createProj();
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        QTemporaryDir dir;
        if (savedFirst)
            manager->saveProjAs(dir.filePath("First"));
        const QString before = manager->project()->folder();
        QFile file(before + "/effect/Resources/frame.png");
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("frame");
        file.close();
        struct stat was {};
        QCOMPARE(::stat(QFile::encodeName(file.fileName()).constData(), &was), 0);

        const QString target = dir.filePath("Moth");
        manager->saveProjAs(target);
        QVERIFY(manager->isSaved());
        QCOMPARE(manager->project()->folder(), target);
        QCOMPARE(LWJsonFile::read(target + "/Moth.lwproj").value("name").toString(), QString("Moth"));
        QCOMPARE(LWJsonFile::read(target + "/effect/effect.json").value("effect").toObject().value("Link").toArray().size(), 1);
        struct stat now {};
        QCOMPARE(::stat(QFile::encodeName(target + "/effect/Resources/frame.png").constData(), &now), 0);
        QCOMPARE(now.st_ino == was.st_ino, !savedFirst);
        QVERIFY(QFile::exists(file.fileName()));
    }

    void openRules_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("opens");
        QTest::newRow("plain path") << "plain" << true;
        QTest::newRow("file url") << "url" << true;
        QTest::newRow("upper case extension") << "upper" << false;
        QTest::newRow("not a project") << "other" << false;
        QTest::newRow("empty") << "empty" << false;
    }
    void openRules()
    {
        QFETCH(QString, how);
        QFETCH(bool, opens);
        QTemporaryDir dir;
        const QString folder = dir.filePath("Dog");
        QDir().mkpath(folder + "/effect");
        LWJsonFile::write(folder + "/Dog.lwproj", {{"name", "Dog"}});
        LWJsonFile::write(folder + "/Dog.LWPROJ", {{"name", "Dog"}});
        LWJsonFile::write(folder + "/notes.json", {{"name", "Dog"}});
        const QString path = how == "plain" ? folder + "/Dog.lwproj"
                             : how == "url" ? QUrl::fromLocalFile(folder + "/Dog.lwproj").toString()
                             : how == "upper" ? folder + "/Dog.LWPROJ"
                             : how == "other" ? folder + "/notes.json"
                                              : QString();
        auto *manager = LWEffectPackManager::instance();
        manager->openProj(path);
        QCOMPARE(manager->hasProjInWorkSpace(), opens);
        if (opens) {
            QCOMPARE(manager->projName(), QString("Dog"));
            QVERIFY(manager->isSaved());
            QVERIFY(!manager->isTmpProj());
            QVERIFY(manager->projExist(path));
        }
    }

    void brokenProjectOpensWithDefaults()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("Fox.lwproj"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x00\x01garbage", 9);
        file.close();
        auto *manager = LWEffectPackManager::instance();
        manager->openProj(dir.filePath("Fox.lwproj"));
        QVERIFY(manager->hasProjInWorkSpace());
        QCOMPARE(manager->projName(), QString("Fox"));
        QCOMPARE(manager->project()->effectFolder(), dir.filePath("effect"));
        QCOMPARE(manager->effect()->modelCount(), 0);
    }

    // A save that cannot write keeps what was on disk and does not claim
    // the project is saved.
    void failedSaveKeepsFilesAndState()
    {
        auto *manager = LWEffectPackManager::instance();
        manager->createProj();
        QTemporaryDir dir;
        manager->saveProjAs(dir.filePath("Owl"));
        QVERIFY(manager->isSaved());
        const QByteArray before = [&] {
            QFile f(dir.filePath("Owl/Owl.lwproj"));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        // effect.json replaced by a folder: that write must fail.
        QFile::remove(dir.filePath("Owl/effect/effect.json"));
        QDir().mkpath(dir.filePath("Owl/effect/effect.json"));
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Can't open file for writing|could not move"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("project could not be saved"));
        manager->saveProj();
        QVERIFY(!manager->isSaved());
        QFile f(dir.filePath("Owl/Owl.lwproj"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void crashFlagReportsBackupOnce()
    {
        auto *manager = LWEffectPackManager::instance();
        LWSettingFlags::write("lastCrashed", true);
        QVERIFY(!manager->lastCrashFlag()); // no backup to offer
        QVERIFY(!LWSettingFlags::read("lastCrashed").value());

        const QString backup = LWDataPaths::backupFolder() + "/curprojbk";
        QDir().mkpath(backup + "/effect");
        LWJsonFile::write(backup + "/backup.lwproj", {{"name", "Rescued"}});
        LWSettingFlags::write("lastCrashed", true);
        QVERIFY(manager->lastCrashFlag());
        QVERIFY(!manager->lastCrashFlag());

        manager->openBackupProj();
        QVERIFY(manager->hasProjInWorkSpace());
        QCOMPARE(manager->projName(), QString("Rescued"));
        QVERIFY(!manager->isTmpProj());
        QVERIFY(manager->project()->folder().startsWith(LWTest::homeFolder() + "/Lumeworks/projTemp/"));
        // The backup itself is left as it was.
        QVERIFY(QFile::exists(backup + "/backup.lwproj"));
        LWFolderUtil::removeFolder(backup);
    }

    void featureRequestsWithoutProject()
    {
        auto *manager = LWEffectPackManager::instance();
        QCOMPARE(manager->getFeatureCount(), 0);
        QVERIFY(manager->checkCurrentEffect());
        manager->createFeatureToWorkSpaceEffect("LWFeatureType2DSticker");
        QVERIFY(manager->effect());
        QVERIFY(manager->effect()->folder().startsWith(LWTest::homeFolder() + "/Lumeworks/tmp/"));
        QCOMPARE(manager->getFeatureCount(), 1);
        manager->effect()->featureAt(0)->asNaviTreeItem()->setChecked(false);
        QCOMPARE(manager->getFeatureCount(), 0);
        manager->createFeatureToWorkSpaceEffect("2DSticker"); // not a key
        QCOMPARE(manager->effect()->modelCount(), 1);
        manager->createFeatureToWorkSpaceEffectWithChoice("LWFeatureTypeFilter", "eyebrow");
        QCOMPARE(manager->effect()->pendingMakeupChoice(), QString("eyebrow"));
        QCOMPARE(manager->effect()->modelCount(), 2);
    }

    // Killing the program in the middle of saving never leaves a project
    // that cannot be read.
    void killedSaveLeavesReadableProject()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("Bee");
        QDir().mkpath(folder + "/effect");
        LWJsonFile::write(folder + "/Bee.lwproj", {{"name", "Bee"}, {"effect", "effect"}});
        LWJsonFile::write(folder + "/effect/effect.json", LWJsonFile::read(":/FeatureTemplates/Effect/effect.json"));
        for (int round = 0; round < 12; ++round) {
            QProcess child;
            child.start(LW_SAVE_CHILD, {folder + "/Bee.lwproj"});
            QVERIFY(child.waitForReadyRead(20000));
            QTest::qWait(int(QRandomGenerator::global()->bounded(5, 250)));
            child.kill();
            QVERIFY(child.waitForFinished(10000));
            QVERIFY2(!LWJsonFile::read(folder + "/Bee.lwproj").isEmpty(), "project file unreadable");
            const QJsonObject effect = LWJsonFile::read(folder + "/effect/effect.json");
            QVERIFY2(effect.value("effect").toObject().value("Link").isArray(), "effect.json unreadable");
        }
    }
};

LW_TEST_MAIN(TstProject)
#include "tst_project.moc"
