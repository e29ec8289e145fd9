// Compression levels of a project's frame sequences: switched in the
// sequence's inspector (one undo step each) or in the batch window, each
// level compressed once and reused, the record moved only to a complete
// folder, saved and reopened with the project, and exported as the one
// folder the record names. Also the resource inspectors' profiles and the
// size rules they answer for the texture choices.
#include "LWCompressTestKit.h"
#include "LWStickerTestKit.h"
#include "LWTestMain.h"
#include "app/LWAppHost.h"
#include "app/LWMainWindowController.h"
#include "common/LWEffectCommon.h"
#include "common/LWJsonFile.h"
#include "windows/LWCompressFilesViewModel.h"
#include "inspector/LWInspectorViewModel.h"
#include "inspector/LWProp2DTextureButtonViewModel.h"
#include "inspector/LWPropOptionViewModel.h"
#include "inspector/LWPropProgressbarViewModel.h"
#include "resources/LWResource2DTextureFrameModel.h"
#include "resources/LWResourceComponentView.h"
#include "resources/LWResourceManager.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"
#include "package/LWZipUtil.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace LWCompressTestKit;

namespace {

constexpr int kWait = 30000;

LWEffectPackManager *packs()
{
    return LWEffectPackManager::instance();
}

LWResourceManager *library()
{
    return LWResourceManager::instance();
}

std::shared_ptr<LWResource2DTextureFrameModel> frameModel(const QString &id)
{
    return std::dynamic_pointer_cast<LWResource2DTextureFrameModel>(library()->resourceModel(id));
}

// The controls of a sequence's panel.
struct Panel
{
    LWProp2DTextureButtonViewModel *texture = nullptr;
    LWPropOptionViewModel *level = nullptr;
    LWPropProgressbarViewModel *progress = nullptr;
};

Panel panelOf(const std::shared_ptr<LWResource2DTextureModel> &model)
{
    LWQmlViewModel *root = model ? model->inspector().get() : nullptr;
    return {qobject_cast<LWProp2DTextureButtonViewModel *>(findNode(root, "texture2d")),
            qobject_cast<LWPropOptionViewModel *>(findNode(root, "compressType")),
            qobject_cast<LWPropProgressbarViewModel *>(findNode(root, "progress"))};
}

QString localPath(const QString &url)
{
    return QUrl(url).toLocalFile();
}

QJsonObject resourceNode(const QJsonObject &manifest, const QString &id)
{
    const QJsonArray nodes = manifest["resourceView"]["tree"]["resources"].toArray();
    for (const QJsonValue &node : nodes) {
        if (node["resourceId"].toString() == id)
            return node.toObject();
    }
    return {};
}

QString storedPath(const QJsonObject &manifest, const QString &id)
{
    const QJsonArray list = manifest["resourceManager"]["list"].toArray();
    for (const QJsonValue &entry : list) {
        if (entry["resourceId"].toString() == id)
            return entry["sourceFilePath"].toString();
    }
    return {};
}

// A package with one sticker whose parts are given; the frame folders are
// written by the caller under "2DSticker/<part>".
void writeStickerPackage(const QString &folder, const QJsonObject &parts)
{
    QDir().mkpath(folder + "/2DSticker");
    const QJsonObject link{{"type", "2DSticker"}, {"zorder", 1}, {"path", "2DSticker/"}};
    LWJsonFile::write(folder + "/config.json", {{"name", "LW_test"}, {"version", "2.7.0"},
                                                {"effect", QJsonObject{{"Link", QJsonArray{link}}}}});
    LWJsonFile::write(folder + "/2DSticker/content.json",
                      {{"tag", "2DSticker_x"}, {"version", "1.0"},
                       {"requirement", QJsonObject{{"faceDetect", true}, {"matting", false}}},
                       {"content", QJsonObject{{"path", "sticker.json"}}}});
    LWJsonFile::write(folder + "/2DSticker/sticker.json", {{"version", "1.1"}, {"parts", parts}});
}

} // namespace

class TstCompressLevels : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QQmlEngine *m_engine = nullptr; // owned
    int m_sources = 0;

    // A sequence of count frames imported from a folder; its id.
    QString importSequence(int count, int size = 96)
    {
        const QString folder = m_dir.filePath(QStringLiteral("walk%1").arg(++m_sources));
        if (writeFrames(folder, "walk", count, size).size() != count)
            return {};
        ImportResourceParam param;
        param.returnResourceId = true;
        return packs()->importTextureFolderToWorkSpaceResource(folder, param);
    }

    QString folderOf(const QString &id) const { return library()->resourcesFolder() + library()->sourceFilePath(id); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        LWAppHost::registerTypes();
        m_engine = new QQmlEngine(this);
        LWAppHost::publishServices(*m_engine);
    }
    void init()
    {
        packs()->createProj();
        QVERIFY(library()->treeRoot());
    }
    void cleanup()
    {
        LWTextureCompess::stopAll();
        packs()->clearWorkspace();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        removeInstalledQuantiser();
    }

    // 2, then 0, then 2 again compresses once: the second 2 takes the folder
    // made the first time. While compressing, the controls are off and the
    // record stays on the frames it had; each choice is one undo step, and
    // undo and redo switch without compressing again.
    void levelsTwoZeroTwoCompressOnce()
    {
        const QString id = importSequence(3);
        const auto model = frameModel(id);
        QVERIFY(model);
        const Panel panel = panelOf(model);
        QVERIFY(panel.texture && panel.level && panel.progress);
        const QString plain = library()->sourceFilePath(id);
        const QString name = library()->recordName(id);
        const QString medium = plain + LWTextureCompess::folderSuffix(2);
        QCOMPARE(localPath(panel.texture->strTexurePath()), folderOf(id) + "/" + name + "_000.png");
        QCOMPARE(panel.texture->imageCount(), 3);
        const qint64 plainBytes = library()->sizeOnDisk(id);
        QSignalSpy completed(model.get(), &LWResource2DTextureFrameModel::compressionCompleted);
        QSignalSpy progressed(model.get(), &LWResource2DTextureFrameModel::compressionProgress);
        const int steps = LWUndoStack::instance()->count();

        panel.level->setOptionIndex(2);
        QVERIFY(model->compressing());
        QCOMPARE(LWUndoStack::instance()->count(), steps + 1);
        QVERIFY(!panel.level->enabled());
        QVERIFY(!panel.texture->enabled());
        QCOMPARE(panel.progress->progress(), 0.0);
        QCOMPARE(library()->sourceFilePath(id), plain);
        QCOMPARE(library()->compressType(id), 0);

        QTRY_VERIFY_WITH_TIMEOUT(!model->compressing(), kWait);
        QCOMPARE(completed.count(), 1);
        QCOMPARE(progressed.count(), 3);
        QCOMPARE(progressed.last().at(0).toFloat(), 1.0f);
        QCOMPARE(library()->sourceFilePath(id), medium);
        QCOMPARE(library()->compressType(id), 2);
        QVERIFY(panel.level->enabled());
        QVERIFY(panel.texture->enabled());
        QCOMPARE(panel.progress->progress(), 1.0);
        QCOMPARE(localPath(panel.texture->strTexurePath()), folderOf(id) + "/" + name + "_000.png");
        QVERIFY(folderOf(id).endsWith("_32jr3jf39_MediumQuility"));
        QCOMPARE(panel.texture->imageCount(), 3);
        QVERIFY(library()->sizeOnDisk(id) < plainBytes);
        QCOMPARE(entriesOf(folderOf(id)), entriesOf(library()->resourcesFolder() + plain));
        for (const QString &frame : entriesOf(folderOf(id)))
            QVERIFY(isPaletteImage(folderOf(id) + "/" + frame));
        QVERIFY(!QFileInfo::exists(folderOf(id) + LWResource2DTextureFrameModel::stagingSuffix()));

        panel.level->setOptionIndex(0);
        QVERIFY(!model->compressing());
        QCOMPARE(library()->sourceFilePath(id), plain);
        QCOMPARE(library()->compressType(id), 0);
        QCOMPARE(panel.progress->progress(), 0.0);
        QCOMPARE(localPath(panel.texture->strTexurePath()), library()->resourcesFolder() + plain + "/" + name + "_000.png");

        panel.level->setOptionIndex(2);
        QVERIFY(!model->compressing());
        QCOMPARE(library()->sourceFilePath(id), medium);
        QCOMPARE(library()->compressType(id), 2);

        LWUndoStack::instance()->undo();
        QCOMPARE(panel.level->optionIndex(), 0);
        QCOMPARE(library()->sourceFilePath(id), plain);
        LWUndoStack::instance()->redo();
        QCOMPARE(panel.level->optionIndex(), 2);
        QCOMPARE(library()->sourceFilePath(id), medium);
        QVERIFY(!model->compressing());
        QTest::qWait(100);
        QCOMPARE(completed.count(), 1);
    }

    // A compression that fails leaves the sequence as it was: same folder,
    // same level, the drop-down back on it, no folder of the failed level
    // and nothing half made. The next try starts afresh.
    void failedCompressionLeavesTheSequence()
    {
        const QString id = importSequence(2);
        const auto model = frameModel(id);
        const Panel panel = panelOf(model);
        const QString plain = library()->sourceFilePath(id);
        const QString low = library()->resourcesFolder() + plain + LWTextureCompess::folderSuffix(3);
        QSignalSpy failed(model.get(), &LWResource2DTextureFrameModel::compressionFailed);
        QVERIFY(writeBytes(LWTextureCompess::quantiserPath(), "\x7f" "ELF not really"));
        QVERIFY(QFile::setPermissions(LWTextureCompess::quantiserPath(), QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                                             | QFileDevice::WriteOwner));

        panel.level->setOptionIndex(3);
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, kWait);
        QCOMPARE(failed.first().at(0).toInt(), int(LWTextureCompess::ErrorStart));
        QCOMPARE(failed.first().at(1).toString(), id);
        QVERIFY(!model->compressing());
        QCOMPARE(model->level(), 0);
        QCOMPARE(panel.level->optionIndex(), 0);
        QVERIFY(panel.level->enabled());
        QVERIFY(panel.texture->enabled());
        QCOMPARE(library()->sourceFilePath(id), plain);
        QCOMPARE(library()->compressType(id), 0);
        QVERIFY(!QFileInfo::exists(low));
        QVERIFY(!QFileInfo::exists(low + LWResource2DTextureFrameModel::stagingSuffix()));

        removeInstalledQuantiser();
        panel.level->setOptionIndex(3);
        QTRY_VERIFY_WITH_TIMEOUT(!model->compressing(), kWait);
        QCOMPARE(library()->compressType(id), 3);
        QVERIFY(QFileInfo(low).isDir());
    }

    // A level chosen while a compression runs (here by undo, which the
    // disabled drop-down cannot stop) is taken up when it ends; the folder
    // that was being made is kept for later.
    void levelChosenDuringCompressionFollows()
    {
        QVERIFY(installStandIn("sleep 0.3; cp \"$8\" \"${10}\""));
        const QString id = importSequence(3, 32);
        const auto model = frameModel(id);
        const Panel panel = panelOf(model);
        const QString plain = library()->sourceFilePath(id);

        panel.level->setOptionIndex(2);
        QVERIFY(model->compressing());
        LWUndoStack::instance()->undo();
        QCOMPARE(panel.level->optionIndex(), 0);
        QCOMPARE(model->level(), 0);
        QVERIFY(model->compressing());

        QTRY_VERIFY_WITH_TIMEOUT(!model->compressing(), kWait);
        QCOMPARE(library()->sourceFilePath(id), plain);
        QCOMPARE(library()->compressType(id), 0);
        QVERIFY(QFileInfo(library()->resourcesFolder() + plain + LWTextureCompess::folderSuffix(2)).isDir());
        LWUndoStack::instance()->redo();
        QVERIFY(!model->compressing());
        QCOMPARE(library()->compressType(id), 2);
    }

    // The level is saved with the project and comes back with it: the
    // reopened sequence previews the first frame of its level's folder.
    void savedLevelReopens()
    {
        const QString id = importSequence(2);
        const auto model = frameModel(id);
        panelOf(model).level->setOptionIndex(2);
        QTRY_VERIFY_WITH_TIMEOUT(!model->compressing(), kWait);
        const QString medium = library()->sourceFilePath(id);
        const QString name = library()->recordName(id);
        const QString folder = m_dir.filePath("Saved");
        packs()->saveProjAs(folder);
        const QString effect = packs()->project()->effectFolder();
        const QString projectFile = packs()->project()->projectFilePath();
        const QJsonObject manifest = LWJsonFile::read(effect + "/resourcemanager.json");
        QCOMPARE(resourceNode(manifest, id).value("compressType").toInt(), 2);
        QCOMPARE(storedPath(manifest, id), medium);

        packs()->clearWorkspace();
        packs()->openProj(projectFile);
        QVERIFY(library()->findRecord(id));
        const auto reopened = frameModel(id);
        QVERIFY(reopened && reopened != model);
        QCOMPARE(reopened->level(), 2);
        QCOMPARE(library()->plainFilePath(id) + LWTextureCompess::folderSuffix(2), medium);
        const Panel panel = panelOf(reopened);
        QCOMPARE(panel.level->optionIndex(), 2);
        QCOMPARE(panel.progress->progress(), 1.0);
        QCOMPARE(localPath(panel.texture->strTexurePath()), library()->resourcesFolder() + medium + "/" + name + "_000.png");

        // Back to no compression and again: the folder made before serves.
        panel.level->setOptionIndex(0);
        QCOMPARE(library()->sourceFilePath(id), library()->plainFilePath(id));
        panel.level->setOptionIndex(2);
        QVERIFY(!reopened->compressing());
        QCOMPARE(library()->sourceFilePath(id), medium);
    }

    // The package carries the frames of the folder the record names and
    // nothing of the sequence's other folders.
    void exportTakesTheLevelsFolder()
    {
        const QString package = m_dir.filePath("stickerpkg");
        writeStickerPackage(package, {{"ears", LWStickerTestKit::part(5000, {{"frameCount", 3}, {"width", 96.0}, {"height", 96.0}})}});
        QCOMPARE(writeFrames(package + "/2DSticker/ears", "ears", 3).size(), 3);
        QVERIFY(packs()->importEffect(package));
        QString id;
        for (const auto &record : library()->records()) {
            if (record->type == LWEffectCommon::LWResourceType2DTextureFrame)
                id = record->resourceId;
        }
        QVERIFY(!id.isEmpty());
        const auto model = frameModel(id);
        model->chooseLevel(3);
        QTRY_VERIFY_WITH_TIMEOUT(!model->compressing(), kWait);
        const QString compressed = folderOf(id);
        QVERIFY(compressed.endsWith("_LowQuility"));
        const QString name = library()->recordName(id);

        const QString zip = packs()->buildPackage();
        QVERIFY(!zip.isEmpty());
        const QString unpacked = m_dir.filePath("unpacked");
        QVERIFY(LWZipUtil::unzip(zip, unpacked));
        QStringList exported;
        QDirIterator it(unpacked, {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            exported << it.next();
        exported.sort();
        QCOMPARE(exported.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QString frame = QStringLiteral("%1_%2.png").arg(name).arg(i, 3, 10, QLatin1Char('0'));
            QVERIFY2(exported.at(i).endsWith("/" + name + "/" + frame), qPrintable(exported.at(i)));
            QCOMPARE(bytesOf(exported.at(i)), bytesOf(compressed + "/" + frame));
            QVERIFY(bytesOf(exported.at(i)) != bytesOf(library()->resourcesFolder() + library()->plainFilePath(id) + "/" + frame));
        }
    }

    // A sequence removed for good takes the folders of all its levels along.
    void removedSequenceTakesEveryLevel()
    {
        const QString id = importSequence(2, 32);
        const auto model = frameModel(id);
        model->chooseLevel(2);
        QTRY_VERIFY_WITH_TIMEOUT(!model->compressing(), kWait);
        model->chooseLevel(3);
        QTRY_VERIFY_WITH_TIMEOUT(!model->compressing(), kWait);
        const QString plain = library()->resourcesFolder() + library()->plainFilePath(id);
        QStringList folders{plain, plain + LWTextureCompess::folderSuffix(2), plain + LWTextureCompess::folderSuffix(3)};
        for (const QString &folder : folders)
            QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));

        LWResourceComponentView *item = nullptr;
        for (LWResourceViewBase *candidate : library()->collectByType(LWEffectCommon::LWResourceType2DTextureFrame)) {
            auto *component = qobject_cast<LWResourceComponentView *>(candidate);
            if (component && component->resourceId() == id)
                item = component;
        }
        QVERIFY(item);
        item->menuItemAction(LWResourceViewBase::removeMenuId());
        LWUndoStack::instance()->clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!library()->findRecord(id));
        for (const QString &folder : folders)
            QVERIFY2(!QFileInfo::exists(folder), qPrintable(folder));
    }

    // The size rules, answered by the resource's inspector model: images on
    // the image, sequences on their first frame; a missing image fails
    // without a text; a resource without inspector meets no constraint.
    void constraints_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("constraint");
        QTest::addColumn<bool>("removeFile");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<QString>("error");

        QTest::newRow("sequence of 512 x 512") << "sequence" << QSize(512, 512) << 6 << false << true << "";
        QTest::newRow("sequence too small for 1200") << "sequence" << QSize(512, 512) << 1 << false << false
                                                     << "Size should be 1200 x 1200";
        QTest::newRow("sequence, face size 1280 checked") << "sequence" << QSize(96, 96) << 2 << false << false
                                                          << "Size should be 1280 x 1280";
        QTest::newRow("image of 150 x 150") << "image" << QSize(150, 150) << 7 << false << true << "";
        QTest::newRow("image too wide") << "image" << QSize(600, 100) << 3 << false << false
                                        << "Size should under 540 x 960";
        QTest::newRow("image without constraint") << "image" << QSize(20, 20) << 0 << false << true << "";
        QTest::newRow("image gone") << "image" << QSize(150, 150) << 7 << true << false << "";
        QTest::newRow("sequence gone") << "sequence" << QSize(512, 512) << 6 << true << false << "";
        QTest::newRow("music") << "music" << QSize() << 4 << false << false << "Resource unqualified";
    }
    void constraints()
    {
        QFETCH(QString, kind);
        QFETCH(QSize, size);
        QFETCH(int, constraint);
        QFETCH(bool, removeFile);
        QFETCH(bool, fits);
        QFETCH(QString, error);
        ImportResourceParam param;
        param.returnResourceId = true;
        QString id;
        if (kind == "sequence") {
            id = importSequence(2, size.width());
        } else if (kind == "image") {
            const QString file = m_dir.filePath(QStringLiteral("picture%1.png").arg(++m_sources));
            QVERIFY(QImage(artwork(1, 0).scaled(size)).save(file));
            id = packs()->importFileToWorkSpaceResource(file, param);
        } else {
            const QString file = m_dir.filePath("tune.mp3");
            QVERIFY(writeBytes(file, "ID3"));
            id = packs()->importFileToWorkSpaceResource(file, param);
        }
        QVERIFY(!id.isEmpty());
        if (removeFile) {
            const QString path = library()->absolutePath(id);
            QVERIFY(QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path));
        }
        QString text = "untouched";
        QCOMPARE(library()->checkConstraint(id, constraint, &text), fits);
        QCOMPARE(text, error);
    }

    // Every language variant of both profiles builds the same controls over
    // the same keys; only the labels differ.
    void profilesInEveryLanguage_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QStringList>("ids");
        const QString texture = LWResource2DTextureModel::profilePath2DTexture();
        const QString frames = LWResource2DTextureFrameModel::profilePath2DTextureFrame();
        for (const QString &tag : {QString(), QString("_EN"), QString("_JP"), QString("_KR")}) {
            QTest::newRow(qPrintable("texture" + tag)) << QString(texture).replace(".json", tag + ".json")
                                                       << QStringList{"texture2d"};
            QTest::newRow(qPrintable("frames" + tag)) << QString(frames).replace(".json", tag + ".json")
                                                      << QStringList{"texture2d", "compressType", "progress"};
        }
    }
    void profilesInEveryLanguage()
    {
        QFETCH(QString, profile);
        QFETCH(QStringList, ids);
        const QJsonObject document = LWJsonFile::read(profile);
        QVERIFY2(!document.isEmpty(), qPrintable(profile));
        const QJsonObject data{{"texture2d", ""}, {"compressType", 1}, {"progress", 1}};
        LWInspectorViewModel root(document, data);
        QStringList built;
        std::function<void(LWQmlViewModel *)> walk = [&](LWQmlViewModel *node) {
            for (const auto &child : node->children()) {
                if (!child->id().isEmpty())
                    built << child->id();
                walk(child.get());
            }
        };
        walk(&root);
        QCOMPARE(built, ids);
        auto *texture = qobject_cast<LWProp2DTextureButtonViewModel *>(findNode(&root, "texture2d"));
        QVERIFY(texture);
        QCOMPARE(texture->itemWidth(), 260);
        QCOMPARE(texture->itemHeight(), 264);
        if (auto *level = qobject_cast<LWPropOptionViewModel *>(findNode(&root, "compressType"))) {
            QCOMPARE(level->entryCount(), 4);
            for (int i = 0; i < 4; ++i)
                QCOMPARE(level->entry(i).value.toString(), QString::number(i));
            QCOMPARE(level->optionIndex(), 1);
            QCOMPARE(level->value(), QJsonValue(1));
            QVERIFY(!level->name().isEmpty());
            QVERIFY(!findNode(&root, "progress")->name().isEmpty());
        }
    }

    // The batch window's model lists the sequences (not the images) with
    // their names, shows the chosen one and switches its level the way the
    // inspector does, without an undo step; the inspector follows.
    void batchWindowSwitchesTheChosenSequence()
    {
        auto *batch = LWCompressFilesViewModel::instance();
        QCOMPARE(LWMainWindowController::instance()->property("lwCompressFilesViewModel").value<QObject *>(),
                 static_cast<QObject *>(batch));
        const QString first = importSequence(2, 32);
        const QString second = importSequence(3);
        ImportResourceParam param;
        const QString picture = m_dir.filePath("still.png");
        QVERIFY(artwork(16, 1).save(picture));
        packs()->importFileToWorkSpaceResource(picture, param);

        batch->reloadFileList();
        const QList<QObject *> files = batch->getFileList();
        QCOMPARE(files.size(), 2);
        QCOMPARE(files.at(0)->property("getFileName").toString(), library()->displayName(first));
        QCOMPARE(files.at(1)->property("getFileName").toString(), library()->displayName(second));
        QCOMPARE(batch->currentIndex(), 0);

        batch->onFileListClick(1);
        QCOMPARE(batch->currentResourceId(), second);
        QCOMPARE(batch->getImagesNumber(), 3);
        const qint64 before = library()->sizeOnDisk(second);
        QCOMPARE(batch->getImagesSize(), QString::number(before / 1024.0, 'f', 2) + " KB");
        QCOMPARE(localPath(batch->getImagesFirstPath()), folderOf(second) + "/" + library()->recordName(second) + "_000.png");
        QCOMPARE(batch->getCompressType(), 0);
        QVERIFY(batch->getCompressTypeEnable());

        QSignalSpy values(batch, &LWCompressFilesViewModel::processValueChanged);
        const int steps = LWUndoStack::instance()->count();
        batch->onCompressTypeListClick(2);
        QVERIFY(!batch->getCompressTypeEnable());
        QCOMPARE(batch->getCompressType(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(batch->getCompressTypeEnable(), kWait);
        QVERIFY(values.count() >= 3);
        QCOMPARE(batch->getProcessValue(), 1.0f);
        QCOMPARE(library()->compressType(second), 2);
        QVERIFY(library()->sizeOnDisk(second) < before);
        QCOMPARE(batch->getImagesSize(), QString::number(library()->sizeOnDisk(second) / 1024.0, 'f', 2) + " KB");
        QVERIFY(batch->getImagesFirstPath().contains("_32jr3jf39_MediumQuility/"));
        QCOMPARE(LWUndoStack::instance()->count(), steps);
        QCOMPARE(panelOf(frameModel(second)).level->optionIndex(), 2);
        QCOMPARE(library()->compressType(first), 0);

        // Reading the list again keeps the choice.
        batch->reloadFileList();
        QCOMPARE(batch->currentResourceId(), second);
        packs()->clearWorkspace();
        QCOMPARE(batch->getFileList().size(), 0);
        QCOMPARE(batch->currentIndex(), -1);
    }
};

LW_TEST_MAIN(TstCompressLevels)
#include "tst_compresslevels.moc"
