// The recovery point: the published backup follows the open project within
// seconds, written incrementally, and whatever ends the editor the next
// start offers the last edit. SIGTERM ends it cleanly instead.
#include "LWTestMain.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "common/LWJsonFile.h"
#include "common/LWRunMarker.h"
#include "common/LWSettingFlags.h"
#include "resources/LWResourceManager.h"
#include "workspace/LWAutoBackup.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"
#include "workspace/LWRecoveryPoint.h"

#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/stat.h>

namespace {

int linkCount(const QString &effectJson)
{
    return LWJsonFile::read(effectJson).value("effect").toObject().value("Link").toArray().size();
}

QString picture(const QString &folder, int index)
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(QColor::fromHsv(index * 40 % 360, 200, 200));
    const QString path = folder + QStringLiteral("/picture%1.png").arg(index);
    image.save(path);
    return path;
}

ImportResourceParam quietImport()
{
    ImportResourceParam param;
    param.returnResourceId = true;
    param.withUndo = false;
    return param;
}

quint64 inodeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? quint64(info.st_ino) : 0;
}

} // namespace

class TstRecovery : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Runs the child until it has made its edit; returns what it reported
    // ("<features> <resources>"), empty when it never got there.
    QString startChild(QProcess &child, const QStringList &arguments)
    {
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(LW_RECOVERY_CHILD), arguments);
        QByteArray out;
        while (!out.contains('\n') && child.waitForReadyRead(60000))
            out += child.readAllStandardOutput();
        const QString line = QString::fromUtf8(out).trimmed();
        return line.startsWith(QLatin1String("edited ")) ? line.mid(7) : QString();
    }

    // What the next start offers: the counts of the restored project, or
    // "no offer".
    QString nextStartOffer()
    {
        auto *manager = LWEffectPackManager::instance();
        manager->clearWorkspace();
        LWRunMarker::begin();
        const bool offered = manager->lastCrashFlag();
        LWRunMarker::end();
        if (!offered)
            return QStringLiteral("no offer");
        manager->openBackupProj();
        if (!manager->effect())
            return QStringLiteral("no project");
        const QString counts = QStringLiteral("%1 %2").arg(manager->effect()->modelCount()).arg(
            LWResourceManager::instance()->recordCount());
        manager->clearWorkspace();
        return counts;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        auto *manager = LWEffectPackManager::instance();
        manager->createProj();
        manager->importFileToWorkSpaceResource(picture(m_dir.path(), 0), quietImport());
        manager->saveProjAs(m_dir.filePath("base/Bee"));
        QVERIFY(QFileInfo::exists(m_dir.filePath("base/Bee/Bee.lwproj")));
        manager->clearWorkspace();
    }

    void cleanup()
    {
        LWEffectPackManager::instance()->clearWorkspace();
        LWFolderUtil::removeFolder(LWDataPaths::backupFolder());
        LWSettingFlags::write("lastCrashed", false);
    }

    void writesOnlyWhatChanged()
    {
        auto *manager = LWEffectPackManager::instance();
        manager->createProj();
        for (int i = 0; i < 3; ++i)
            manager->importFileToWorkSpaceResource(picture(m_dir.path(), i), quietImport());
        LWRecoveryPoint point;
        const QString published = LWAutoBackup::publishedFolder();

        // The first point mirrors the project: its files linked, not copied.
        QVERIFY(point.write(manager->project()));
        QVERIFY(point.lastCost().seeded);
        QCOMPARE(point.lastCost().filesLinked, 3);
        QCOMPARE(LWJsonFile::read(published + "/backup.lwproj"), (QJsonObject{{"name", "Untitled"}, {"effect", "effect"}}));
        const QString resources = manager->project()->effectFolder() + "/Resources";
        const QString first = QDir(resources).entryList(QDir::Files).value(0);
        QVERIFY(!first.isEmpty());
        QCOMPARE(inodeOf(published + "/effect/Resources/" + first), inodeOf(resources + "/" + first));

        // An edit rewrites the documents and brings over no file again.
        manager->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        QVERIFY(point.write(manager->project()));
        QVERIFY(!point.lastCost().seeded);
        QCOMPARE(point.lastCost().filesLinked, 0);
        QCOMPARE(linkCount(published + "/effect/effect.json"), 1);
        // A new picture is the one file brought over.
        manager->importFileToWorkSpaceResource(picture(m_dir.path(), 7), quietImport());
        QVERIFY(point.write(manager->project()));
        QCOMPARE(point.lastCost().filesLinked, 1);
        QCOMPARE(QDir(published + "/effect/Resources").entryList(QDir::Files).size(), 4);
        // Nothing of the journal is left in the backup.
        QVERIFY(!QFileInfo::exists(published + "/.lwsave"));
        QVERIFY(!QFileInfo::exists(published + "/.lwsave.new"));

        // The three-minute backup replaces the mirror with a copy; the next
        // point goes on from there without copying the project again.
        QVERIFY(LWAutoBackup::backupProject(manager->project()));
        const int filesBefore = QDir(resources).entryList(QDir::Files).size();
        manager->effect()->createFeature(LWEffectCommon::LWFeatureTypeFilter, {});
        const int filesAdded = QDir(resources).entryList(QDir::Files).size() - filesBefore;
        QVERIFY(point.write(manager->project()));
        QCOMPARE(point.lastCost().filesLinked, filesAdded);
        QCOMPARE(linkCount(published + "/effect/effect.json"), 2);

        // Another project starts a new mirror.
        manager->openProj(m_dir.filePath("base/Bee/Bee.lwproj"));
        QVERIFY(point.write(manager->project()));
        QVERIFY(point.lastCost().seeded);
        QCOMPARE(LWJsonFile::read(published + "/backup.lwproj").value("name").toString(), QString("Bee"));
        QCOMPARE(linkCount(published + "/effect/effect.json"), 0);
    }

    void followsEditsOnceArmed()
    {
        auto *manager = LWEffectPackManager::instance();
        LWRecoveryPoint point;
        manager->createProj();
        manager->effect()->createFeature(LWEffectCommon::LWFeatureTypeFilter, {});
        manager->pushHappend();
        // Before the recovery question is answered the backup is left alone.
        QVERIFY(!point.isPending());
        QSignalSpy written(&point, &LWRecoveryPoint::written);
        point.arm();
        QVERIFY(point.isPending());
        QVERIFY(written.wait(LWRecoveryPoint::kQuietMs + 3000));
        QVERIFY(written.at(0).at(0).toBool());
        QCOMPARE(linkCount(LWAutoBackup::publishedFolder() + "/effect/effect.json"), 1);
        // A flush with nothing new writes nothing.
        QVERIFY(point.flush());
        QCOMPARE(written.size(), 1);
        manager->effect()->createFeature(LWEffectCommon::LWFeatureTypeFilter, {});
        manager->pushHappend();
        QVERIFY(point.flush());
        QCOMPARE(written.size(), 2);
        QCOMPARE(linkCount(LWAutoBackup::publishedFolder() + "/effect/effect.json"), 2);
    }

    void killedAfterEditIsOffered_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("saved") << QStringList{"saved", m_dir.filePath("base/Bee/Bee.lwproj")};
        QTest::newRow("never saved, empty") << QStringList{"empty"};
        QTest::newRow("never saved, template")
            << QStringList{"template", "qrc:/LWHome/templates/temp2DSticker1.zip"};
    }
    void killedAfterEditIsOffered()
    {
        QFETCH(QStringList, arguments);
        QProcess child;
        const QString edited = startChild(child, arguments);
        QVERIFY2(!edited.isEmpty(), "the child made no edit");
        // A random moment once the edits have settled.
        const int wait = LWRecoveryPoint::kQuietMs + int(QRandomGenerator::global()->bounded(1000, 2500));
        QThread::msleep(ulong(wait));
        child.kill();
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(nextStartOffer(), edited);
    }

    void terminateEndsCleanlyWithTheEdit_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void terminateEndsCleanlyWithTheEdit()
    {
        QFETCH(int, signal);
        QProcess child;
        const QString edited = startChild(child, {"empty"});
        QVERIFY(!edited.isEmpty());
        // Within the quiet period: the edit is only on disk if the signal
        // wrote it.
        ::kill(pid_t(child.processId()), signal);
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(!QFileInfo::exists(LWDataPaths::dataFolder() + "/running.lock"));
        // A clean end: the next start offers nothing...
        QCOMPARE(nextStartOffer(), QString("no offer"));
        // ...yet the backup holds the edit, should a later crash need it.
        LWSettingFlags::write("lastCrashed", true);
        QCOMPARE(nextStartOffer(), edited);
    }
};

LW_TEST_MAIN(TstRecovery)
#include "tst_recovery.moc"
