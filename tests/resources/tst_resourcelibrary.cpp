#include "LWResourceTestKit.h"
#include "LWTestFeature.h"
#include "LWTestMain.h"
#include "common/LWJsonFile.h"
#include "navigation/LWNaviTreeSelModel.h"
#include "resources/LWResourceImageCheck.h"
#include "undo/LWUndoCommand.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace LWResourceTestKit;

namespace {

LWEffectPackManager *packs()
{
    return LWEffectPackManager::instance();
}

ImportResourceParam returningId()
{
    ImportResourceParam param;
    param.returnResourceId = true;
    return param;
}

QJsonObject manifestOf(const QString &workspace)
{
    return LWJsonFile::read(workspace + "/resourcemanager.json");
}

// Every answer the library gives about a resource, except the display name,
// which the manifest does not keep.
QVariantMap answers(const QString &id)
{
    LWResourceManager *m = library();
    bool exists = false;
    const qint64 size = m->sizeOnDisk(id, &exists);
    return {{"absolutePath", m->absolutePath(id)}, {"firstImage", m->firstImage(id)},
            {"frameFileList", m->frameFileList(id)}, {"frameCount", m->frameCount(id)},
            {"size", size}, {"exists", exists}, {"fileName", m->fileName(id)},
            {"sourceFilePath", m->sourceFilePath(id)}, {"name", m->recordName(id)},
            {"plainFilePath", m->plainFilePath(id)}, {"type", m->type(id)},
            {"compressType", m->compressType(id)}, {"flags", m->record(id)->flags},
            {"subtype", m->record(id)->subtype}};
}

// What the tree shows of each item: parent, title, icon. (The manifest keeps
// groups and resources in two lists, so a reopened tree lists groups first.)
QStringList shownTree()
{
    QList<LWResourceViewBase *> items;
    collectItems(library()->treeRoot(), items);
    QStringList shown;
    for (LWResourceViewBase *item : items)
        shown << QStringLiteral("%1|%2|%3").arg(item->parentItem()->title(), item->title(), item->naviItemIcon());
    shown.sort();
    return shown;
}

// Pushes steps that change nothing in the library until the oldest
// commands fall off the stack.
void pushFillerSteps(int count)
{
    for (int i = 0; i < count; ++i) {
        auto *command = new LWUndoCommand(QStringLiteral("filler"));
        LWUndoStack::instance()->push(command, true);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TstResourceLibrary : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        LWTestFeature::registerKinds();
        LWMainWindowController::instance(); // wires the undo stack and the trees, as at start
        QVERIFY(m_sources.isValid());
    }
    void init()
    {
        packs()->createProj();
        QVERIFY(library()->treeRoot());
    }
    void cleanup()
    {
        packs()->clearWorkspace();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void newProjectHasTemplateLibrary()
    {
        QSignalSpy libraries(packs(), &LWEffectPackManager::resourceInWorkspaceChanged);
        packs()->createProj();
        QCOMPARE(libraries.size(), 1);
        LWResouceTreeViewModel *root = library()->treeRoot();
        QCOMPARE(libraries.at(0).at(0).value<LWNaviTreeItem *>(), root);
        QCOMPARE(LWMainWindowController::instance()->resourceNaviTreeModel()->rootItem(), root);
        QCOMPARE(root->title(), QString("Root"));
        QCOMPARE(root->childCount(), 0);
        const QString workspace = packs()->project()->effectFolder();
        QVERIFY(QFileInfo(workspace + "/Resources").isDir());
        QCOMPARE(library()->resourcesFolder(), workspace + "/Resources/");

        packs()->saveProj();
        const QJsonObject saved = manifestOf(workspace);
        const QJsonObject expected{
            {"resourceManager", QJsonObject{{"resourcesPath", "Resources"}, {"list", QJsonArray()}}},
            {"resourceView", QJsonObject{{"tree", QJsonObject{{"name", "Root"}, {"groups", QJsonArray()},
                                                                {"resources", QJsonArray()}}}}}};
        QCOMPARE(saved, expected);
    }

    void plainPathRule_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("plain");
        QTest::newRow("low") << "G/abc_1_32jr3jf39_LowQuility" << "G/abc_1";
        QTest::newRow("medium") << "seq_32jr3jf39_MediumQuility" << "seq";
        QTest::newRow("high") << "seq_32jr3jf39_HighQuility" << "seq";
        QTest::newRow("suffix after the word") << "seq_32jr3jf39_LowQuility.png" << "seq_32jr3jf39_LowQuility.png";
        QTest::newRow("two parts") << "seq_LowQuility" << "seq_LowQuility";
        QTest::newRow("other marker") << "seq_32jr3jf38_LowQuility" << "seq_32jr3jf38_LowQuility";
        QTest::newRow("other word") << "seq_32jr3jf39_lowQuility" << "seq_32jr3jf39_lowQuility";
        QTest::newRow("plain") << "frames" << "frames";
    }
    void plainPathRule()
    {
        QFETCH(QString, source);
        QFETCH(QString, plain);
        QCOMPARE(NSLWResourceParameter::plainFilePathOf(source), plain);
        // Loaded records carry it; imported ones keep their own path.
        QTemporaryDir workspace;
        LWJsonFile::write(workspace.filePath("resourcemanager.json"),
                          {{"resourceManager", QJsonObject{{"list", QJsonArray{QJsonObject{
                                                                {"resourceId", "r1"}, {"sourceFilePath", source}}}}}}});
        QVERIFY(library()->load(workspace.path()));
        QCOMPARE(library()->plainFilePath("r1"), plain);
    }

    void manifestLoadRules_data()
    {
        QTest::addColumn<QByteArray>("manifest");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("topItems");
        QTest::addColumn<QString>("folder");
        QTest::newRow("missing") << QByteArray() << false << 0 << 0 << "";
        QTest::newRow("empty object") << QByteArray("{}") << false << 0 << 0 << "";
        QTest::newRow("not json") << QByteArray("{\"resourceManager\": ") << false << 0 << 0 << "";
        QTest::newRow("template") << QByteArray(R"({"resourceManager": {"resourcesPath": "Resources"},
            "resourceView": {"tree": {"name": "Root"}}})") << true << 0 << 0 << "Resources";
        QTest::newRow("own folder name") << QByteArray(R"({"resourceManager": {"resourcesPath": "Assets"}})")
                                         << true << 0 << 0 << "Assets";
        QTest::newRow("folder name not a string") << QByteArray(R"({"resourceManager": {"resourcesPath": 5}})")
                                                  << true << 0 << 0 << "Resources";
        QTest::newRow("folder outside the workspace") << QByteArray(R"({"resourceManager": {"resourcesPath": "../x"}})")
                                                      << true << 0 << 0 << "Resources";
        QTest::newRow("list not an array") << QByteArray(R"({"resourceManager": {"list": {"resourceId": "a"}}})")
                                           << true << 0 << 0 << "Resources";
        QTest::newRow("entries without id skipped") << QByteArray(R"({"resourceManager": {"list":
            [{"name": "x"}, 7, {"resourceId": ""}, {"resourceId": "a", "type": "1"}, {"resourceId": "a", "type": 6}]}})")
                                                    << true << 1 << 0 << "Resources";
        // A record's file would be shown, exported and compressed wherever
        // its path leads.
        QTest::newRow("records leading out of the library skipped") << QByteArray(R"({"resourceManager": {"list": [
            {"resourceId": "up", "sourceFilePath": "../../../private.png", "type": 1},
            {"resourceId": "absolute", "sourceFilePath": "/etc/passwd", "type": 1},
            {"resourceId": "climbs", "sourceFilePath": "g/../../x.png", "type": 1},
            {"resourceId": "backslash", "sourceFilePath": "..\\x.png", "type": 1},
            {"resourceId": "a", "sourceFilePath": "g/../a.png", "type": 6}]}})")
                                                                    << true << 1 << 0 << "Resources";
        QTest::newRow("view not an object") << QByteArray(R"({"resourceManager": {}, "resourceView": []})")
                                            << true << 0 << 0 << "Resources";
        QTest::newRow("groups first, junk skipped") << QByteArray(R"({"resourceManager": {},
            "resourceView": {"tree": {"resources": [{"name": "ghost", "resourceId": "none"}, 3],
                                      "groups": [{"name": "G", "path": "g", "resources": [], "groups": [{"name": "H"}]}, "x"]}}})")
                                                    << true << 0 << 2 << "Resources";
    }
    void manifestLoadRules()
    {
        QFETCH(QByteArray, manifest);
        QFETCH(bool, loads);
        QFETCH(int, records);
        QFETCH(int, topItems);
        QFETCH(QString, folder);
        QTemporaryDir workspace;
        if (!manifest.isNull())
            QVERIFY(writeFile(workspace.filePath("resourcemanager.json"), manifest));
        QSignalSpy libraries(packs(), &LWEffectPackManager::resourceInWorkspaceChanged);
        QCOMPARE(library()->load(workspace.path()), loads);
        QCOMPARE(libraries.size(), 1);
        QCOMPARE(library()->recordCount(), records);
        if (!loads) {
            // The previous library does not linger behind a failed load.
            QVERIFY(!library()->treeRoot());
            QVERIFY(!library()->isLoaded());
            QCOMPARE(libraries.at(0).at(0).value<LWNaviTreeItem *>(), nullptr);
            return;
        }
        QCOMPARE(library()->treeRoot()->childCount(), topItems);
        QCOMPARE(library()->resourcesFolder(), workspace.path() + "/" + folder + "/");
        QVERIFY(QFileInfo(workspace.filePath(folder)).isDir());
        if (records)
            QCOMPARE(library()->type("a"), 6); // a repeated id: the last entry wins
        if (topItems) {
            auto *group = qobject_cast<LWResourceGroupsView *>(library()->treeRoot()->child(0));
            QVERIFY(group);
            QCOMPARE(group->path(), QString("g"));
            QCOMPARE(group->childCount(), 1);
            auto *ghost = qobject_cast<LWResourceComponentView *>(library()->treeRoot()->child(1));
            QVERIFY(ghost);
            QCOMPARE(ghost->title(), QString("ghost"));
            QCOMPARE(ghost->resourceType(), 0);
            QCOMPARE(ghost->naviItemIcon(), QString());
            QCOMPARE(ghost->toJson().value("compressType").toInt(), -1);
        }
    }

    void queries()
    {
        QTemporaryDir workspace;
        const QString resources = workspace.filePath("Resources");
        QVERIFY(!writePng(resources + "/a.png", QSize(20, 10)).isEmpty());
        QVERIFY(writeFile(resources + "/G/b.mp3", "abc"));
        for (int i = 0; i < 3; ++i)
            QVERIFY(writeFile(resources + QString("/seq/seq_00%1.png").arg(i), QByteArray(10 + i, 'x')));
        const QByteArray manifest = R"({"resourceManager": {"list": [
            {"resourceId": "A", "name": "qwertyui", "sourceFilePath": "a.png", "flags": "png", "type": 1, "subtype": 2},
            {"resourceId": "B", "sourceFilePath": "G/b.mp3", "flags": "mp3", "type": 7},
            {"resourceId": "S", "name": "seq", "sourceFilePath": "seq", "flags": "folder", "type": 6, "subtype": 3},
            {"resourceId": "M", "name": "missing", "sourceFilePath": "missing", "flags": "folder", "type": 6}]},
            "resourceView": {"tree": {"resources": [{"name": "a", "resourceId": "A", "compressType": 2},
                                                    {"name": "s", "resourceId": "S"}]}}})";
        QVERIFY(writeFile(workspace.filePath("resourcemanager.json"), manifest));
        QVERIFY(library()->load(workspace.path()));
        LWResourceManager *m = library();
        const QString root = resources + "/";

        QCOMPARE(m->absolutePath("A"), root + "a.png");
        QCOMPARE(m->firstImage("A"), root + "a.png");
        QCOMPARE(m->frameCount("A"), 1);
        QCOMPARE(m->frameFileList("A"), QStringList()); // not a frame sequence
        QCOMPARE(m->fileName("A"), QString("a.png"));
        QCOMPARE(m->fileName("B"), QString("b.mp3"));
        QCOMPARE(m->recordName("A"), QString("qwertyui"));
        QCOMPARE(m->compressType("A"), 2); // from the tree node
        QCOMPARE(m->compressType("S"), 0); // node without the key
        QCOMPARE(m->compressType("B"), 0); // no node: a new record's level

        QCOMPARE(m->frameCount("S"), 3);
        QStringList frames = m->frameFileList("S");
        frames.sort();
        QCOMPARE(frames, QStringList({root + "seq/seq_000.png", root + "seq/seq_001.png", root + "seq/seq_002.png"}));
        QVERIFY(frames.contains(m->firstImage("S")));
        QCOMPARE(m->fileName("S"), QString());
        bool exists = false;
        QCOMPARE(m->sizeOnDisk("S", &exists), qint64(10 + 11 + 12));
        QVERIFY(exists);
        QCOMPARE(m->sizeOnDisk("B", &exists), qint64(3));
        QCOMPARE(m->frameCount("M"), 0);
        QCOMPARE(m->firstImage("M"), QString());
        QCOMPARE(m->sizeOnDisk("M", &exists), qint64(0));
        QVERIFY(!exists);

        // Unknown ids give the fallbacks.
        QCOMPARE(m->absolutePath("nope"), QString());
        QCOMPARE(m->firstImage("nope"), QString());
        QCOMPARE(m->frameFileList("nope"), QStringList());
        QCOMPARE(m->frameCount("nope"), 0);
        QCOMPARE(m->sizeOnDisk("nope", &exists), qint64(0));
        QVERIFY(!exists);
        QCOMPARE(m->type("nope"), 0);
        QCOMPARE(m->compressType("nope"), -1);
        QVERIFY(m->record("nope"));
        QCOMPARE(m->record("nope")->resourceId, QString());
        // Images and frame sequences have an inspector, made once and kept.
        QVERIFY(m->inspectorModel("A"));
        QCOMPARE(m->inspectorModel("A"), m->inspectorModel("A"));
        QVERIFY(m->inspectorModel("S"));
        QVERIFY(!m->inspectorModel("B"));
        QVERIFY(!m->inspectorModel("nope"));
        QVERIFY(!m->copyOut("nope", workspace.filePath("out")));

        QVERIFY(m->copyOut("A", workspace.filePath("out")));
        QVERIFY(QFile::exists(workspace.filePath("out/a.png")));
        QVERIFY(m->copyOut("S", workspace.filePath("out")));
        QCOMPARE(QDir(workspace.filePath("out/seq")).entryList(QDir::Files).size(), 3);

        m->remove("A");
        QVERIFY(!QFile::exists(root + "a.png"));
        QVERIFY(!m->findRecord("A"));
        m->remove("S");
        QVERIFY(!QFileInfo::exists(root + "seq"));
        m->remove("nope");
    }

    void textureConstraints_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("constraint");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<QString>("error");
        QTest::newRow("none") << QSize(3, 3) << 0 << true << "";
        QTest::newRow("1200 ok") << QSize(1200, 1200) << 1 << true << "";
        QTest::newRow("1200 off") << QSize(1200, 1199) << 1 << false << "Size should be 1200 x 1200";
        QTest::newRow("1280 off") << QSize(1200, 1200) << 2 << false << "Size should be 1280 x 1280";
        QTest::newRow("540x960 edge") << QSize(540, 960) << 3 << true << "";
        QTest::newRow("540x960 over") << QSize(541, 10) << 3 << false << "Size should under 540 x 960";
        QTest::newRow("million edge") << QSize(1000, 1000) << 4 << true << "";
        QTest::newRow("million over") << QSize(2000, 501) << 4 << false << "Size should under 1000 x 1000";
        QTest::newRow("174x89") << QSize(174, 89) << 5 << true << "";
        QTest::newRow("512 off") << QSize(512, 256) << 6 << false << "Size should be 512 x 512";
        QTest::newRow("150") << QSize(150, 150) << 7 << true << "";
        QTest::newRow("unknown constraint") << QSize(150, 150) << 8 << false << "";
    }
    void textureConstraints()
    {
        QFETCH(QSize, size);
        QFETCH(int, constraint);
        QFETCH(bool, fits);
        QFETCH(QString, error);
        const QString path = writePng(m_sources.filePath("constraint.png"), size);
        QString said = "untouched";
        QCOMPARE(LWResourceImageCheck::checkTextureConstraint(path, constraint, &said), fits);
        QCOMPARE(said, error);
    }

    void constraintFailures()
    {
        QString error;
        QVERIFY(!LWResourceImageCheck::checkTextureConstraint(QString(), 0, &error));
        QVERIFY(!LWResourceImageCheck::checkTextureConstraint(m_sources.filePath("none.png"), 6, &error));
        QCOMPARE(error, QString());
        // A file that is no image has no size: the bounded rules call it invalid.
        QVERIFY(writeFile(m_sources.filePath("text.png"), "not an image"));
        QVERIFY(!LWResourceImageCheck::checkTextureConstraint(m_sources.filePath("text.png"), 3, &error));
        QCOMPARE(error, QString("Invalid resources"));
        QVERIFY(!library()->checkConstraint("unknown id", 6, &error));
        QCOMPARE(error, QString("Resource unqualified"));
    }

    void collectByTypeWithConstraint()
    {
        const QString big = packs()->importFileToWorkSpaceResource(writePng(m_sources.filePath("big.png"), QSize(512, 512)), returningId());
        const QString small = packs()->importFileToWorkSpaceResource(writePng(m_sources.filePath("small.png"), QSize(64, 64)), returningId());
        const QString music = packs()->importFileToWorkSpaceResource(writeFile(m_sources.filePath("m.mp3"), "id3") ? m_sources.filePath("m.mp3") : QString(), returningId());
        QVERIFY(!big.isEmpty() && !small.isEmpty() && !music.isEmpty());
        QCOMPARE(library()->collectByType(LWEffectCommon::LWResourceType2DTexture).size(), 2);
        QCOMPARE(library()->collectByType(LWEffectCommon::LWResourceMusic).size(), 1);
        QStringList errors;
        const QList<LWResourceViewBase *> fitting = library()->collectByType(
            LWEffectCommon::LWResourceType2DTexture, LWEffectCommon::LWConstrainTypeTextureSizeFix512x512, &errors);
        QCOMPARE(fitting.size(), 1);
        QCOMPARE(qobject_cast<LWResourceComponentView *>(fitting.first())->resourceId(), big);
        QCOMPARE(errors, QStringList{"Size should be 512 x 512"});
    }

    void contextMenus()
    {
        const QString id = packs()->importFileToWorkSpaceResource(writePng(m_sources.filePath("menu.png")), returningId());
        LWResourceComponentView *item = componentOf(id);
        QVERIFY(item);
        const QVariantList menu = item->subItems();
        QCOMPARE(menu.size(), 2);
        QCOMPARE(menu.at(0).toMap().value("itemTitle").toString(), QString("Rename"));
        QCOMPARE(menu.at(0).toMap().value("itemId").toString(), QString("renameResItem"));
        QCOMPARE(menu.at(1).toMap().value("itemTitle").toString(), QString("Delete"));
        QCOMPARE(menu.at(1).toMap().value("itemId").toString(), QString("removeResItem"));
        QCOMPARE(item->naviItemIcon(), QString("qrc:/LWViewCommon/images/resImage.png"));
        QVERIFY(QFile::exists(":/LWViewCommon/images/resImage.png"));
        item->menuItemAction("renameResItem");
        QVERIFY(item->naviItemEditing());

        packs()->addEmptyGroup();
        auto *group = qobject_cast<LWResourceGroupsView *>(library()->treeRoot()->child(0));
        QVERIFY(group);
        QVERIFY(group->isBranch());
        QCOMPARE(group->naviItemIcon(), QString("qrc:/LWViewCommon/images/group.png"));
        QVERIFY(QFile::exists(":/LWViewCommon/images/group.png"));
        QCOMPARE(group->subItems().size(), 1);
        QCOMPARE(group->subItems().at(0).toMap().value("itemId").toString(), QString("removeGroup"));
        group->menuItemAction("removeGroup");
        QCOMPARE(library()->treeRoot()->childCount(), 1);
        LW_VERIFY_LIBRARY();
    }

    void roundTrip()
    {
        // One of everything the library holds.
        const QString sources = m_sources.filePath("trip");
        QStringList ids;
        ids << packs()->importFileToWorkSpaceResource(writePng(sources + "/logo.png"), returningId());
        QImage photo(6, 6, QImage::Format_RGB32);
        photo.fill(Qt::blue);
        QVERIFY(photo.save(sources + "/photo.jpg", "JPG"));
        ids << packs()->importFileToWorkSpaceResource(sources + "/photo.jpg", returningId());
        QVERIFY(writeFile(sources + "/song.mp3", "ID3"));
        ids << packs()->importFileToWorkSpaceResource(sources + "/song.mp3", returningId());
        QVERIFY(writeFile(sources + "/light.glsl", "void main(){}"));
        ids << packs()->importFileToWorkSpaceResource(sources + "/light.glsl", returningId());
        QStringList chosen;
        for (int i = 0; i < 3; ++i)
            chosen << writePng(sources + QString("/wave_%1.png").arg(i));
        ids << packs()->importMultiFilesAsTextureToWorkSpaceResource(chosen, returningId());
        for (int i = 0; i < 2; ++i)
            writePng(sources + QString("/blink/blink%1.png").arg(i));
        ids << packs()->importTextureFolderToWorkSpaceResource(sources + "/blink", returningId());
        ids << packs()->importFileToWorkSpaceResource(writeGif(sources + "/spin.gif", {Qt::red, Qt::green}), returningId());
        writePng(sources + "/pack/a.png");
        writePng(sources + "/pack/inner/b.png");
        ids << packs()->importGroupToWorkSpaceResource(sources + "/pack", returningId());
        QCOMPARE(ids.size(), 9);
        QVERIFY(!ids.contains(QString()));
        library()->findRecord(ids.at(4))->compressType = 2;
        componentOf(ids.first())->naviTreeItemRename("Company logo");
        LW_VERIFY_LIBRARY();

        QTemporaryDir target;
        const QString folder = target.filePath("Trip");
        packs()->saveProjAs(folder);
        const QJsonObject manifest = manifestOf(folder + "/effect");
        const QJsonObject tree = library()->treeRoot()->toJson();
        const QStringList shown = shownTree();
        QMap<QString, QVariantMap> before;
        for (const QString &id : qAsConst(ids))
            before.insert(id, answers(id));
        QCOMPARE(manifest.value("resourceView").toObject().value("tree").toObject(), tree);
        QCOMPARE(manifest.value("resourceManager").toObject().value("list").toArray().size(), ids.size());

        packs()->clearWorkspace();
        packs()->openProj(folder + "/Trip.lwproj");
        QVERIFY(library()->isLoadedFor(folder + "/effect"));
        LW_VERIFY_LIBRARY();
        QCOMPARE(library()->treeRoot()->toJson(), tree);
        QCOMPARE(shownTree(), shown);
        for (const QString &id : qAsConst(ids))
            QCOMPARE(answers(id), before.value(id));
        // Saved again, the manifest is the same document.
        QVERIFY(QDir().mkpath(target.filePath("again")));
        QVERIFY(library()->save(target.filePath("again")));
        QCOMPARE(manifestOf(target.filePath("again")), manifest);
    }

    void deletedGroupComesBackWithFilesUntilTheStepIsGone()
    {
        const QString sources = m_sources.filePath("del");
        writePng(sources + "/props/hat.png");
        writePng(sources + "/props/more/scarf.png");
        const QStringList ids = packs()->importGroupToWorkSpaceResource(sources + "/props", returningId());
        QCOMPARE(ids.size(), 2);
        QPointer<LWResourceGroupsView> group = qobject_cast<LWResourceGroupsView *>(library()->treeRoot()->child(0));
        QVERIFY(group);
        const QString groupFolder = library()->resourcesFolder() + group->path();
        QStringList files;
        for (const QString &id : ids)
            files << library()->absolutePath(id);
        auto filesThere = [&files, &groupFolder] {
            for (const QString &file : files) {
                if (!QFile::exists(file))
                    return false;
            }
            return QFileInfo(groupFolder).isDir();
        };
        QVERIFY(filesThere());

        group->menuItemAction("removeGroup");
        QCOMPARE(library()->treeRoot()->childCount(), 0);
        QVERIFY(filesThere());
        LW_VERIFY_LIBRARY();
        LWMainWindowController::instance()->onActionUndo();
        QCOMPARE(library()->treeRoot()->childCount(), 1);
        QCOMPARE(library()->treeRoot()->child(0), group.data());
        QCOMPARE(group->childCount(), 2);
        QVERIFY(filesThere());
        LW_VERIFY_LIBRARY();
        LWMainWindowController::instance()->onActionRedo();
        QCOMPARE(library()->treeRoot()->childCount(), 0);
        LW_VERIFY_LIBRARY();

        // Stack: import, remove. Nine more steps push the import out; the
        // removal can still be undone, so the files stay.
        pushFillerSteps(9);
        QVERIFY(filesThere());
        QVERIFY(group);
        pushFillerSteps(1);
        QVERIFY(!group);
        for (const QString &file : files)
            QVERIFY2(!QFile::exists(file), qPrintable(file));
        QVERIFY(!QFileInfo::exists(groupFolder));
        for (const QString &id : ids)
            QVERIFY(!library()->findRecord(id));
        LW_VERIFY_LIBRARY();
    }

    void undoneImportIsReleasedWhenItsRedoIsDropped()
    {
        const QString id = packs()->importFileToWorkSpaceResource(writePng(m_sources.filePath("undone.png")), returningId());
        const QString file = library()->absolutePath(id);
        LWMainWindowController::instance()->onActionUndo();
        QVERIFY(!componentOf(id));
        QVERIFY(QFile::exists(file));
        LW_VERIFY_LIBRARY();
        LWMainWindowController::instance()->onActionRedo();
        QVERIFY(componentOf(id));
        LW_VERIFY_LIBRARY();
        LWMainWindowController::instance()->onActionUndo();
        pushFillerSteps(1); // the redo is gone for good
        QVERIFY(!QFile::exists(file));
        QVERIFY(!library()->findRecord(id));
        LW_VERIFY_LIBRARY();
    }

    void savedProjectKeepsReleasedFilesUntilTheNextSave()
    {
        QTemporaryDir target;
        const QString folder = target.filePath("Kept");
        packs()->saveProjAs(folder);
        const QString id = packs()->importFileToWorkSpaceResource(writePng(m_sources.filePath("kept.png")), returningId());
        const QString relative = library()->sourceFilePath(id);
        const QString file = library()->absolutePath(id);
        QVERIFY(file.startsWith(folder + "/effect/Resources/"));
        packs()->saveProj();

        componentOf(id)->menuItemAction("removeResItem");
        pushFillerSteps(10);
        // The project on disk still names the file: it stays until a save
        // that no longer does.
        QVERIFY(!library()->findRecord(id));
        QVERIFY(QFile::exists(file));
        QCOMPARE(library()->pendingDeletions(), QStringList{relative});
        LW_VERIFY_LIBRARY();
        packs()->saveProj();
        QVERIFY(!QFile::exists(file));
        QVERIFY(library()->pendingDeletions().isEmpty());
        const QJsonArray list = manifestOf(folder + "/effect").value("resourceManager").toObject().value("list").toArray();
        QVERIFY(list.isEmpty());
    }

    void renameAndMoveChangeOnlyTheTree()
    {
        const QString sources = m_sources.filePath("move");
        writePng(sources + "/pics/inside.png");
        packs()->importGroupToWorkSpaceResource(sources + "/pics");
        const QString top = packs()->importFileToWorkSpaceResource(writePng(sources + "/top.png"), returningId());
        auto *group = qobject_cast<LWResourceGroupsView *>(library()->treeRoot()->child(0));
        QVERIFY(group);
        auto *inside = qobject_cast<LWResourceComponentView *>(group->child(0));
        QVERIFY(inside);
        const QString insidePath = library()->sourceFilePath(inside->resourceId());
        QVERIFY(insidePath.startsWith(group->path() + "/"));

        packs()->setSaved(true);
        LWResourceComponentView *topItem = componentOf(top);
        const QString file = library()->absolutePath(top);
        QVERIFY(!topItem->naviTreeItemRename("  "));
        QCOMPARE(topItem->title(), QString("top"));
        QVERIFY(packs()->isSaved());
        QVERIFY(topItem->naviTreeItemRename("Logo"));
        QCOMPARE(topItem->title(), QString("Logo"));
        QCOMPARE(library()->absolutePath(top), file);
        QVERIFY(QFile::exists(file));
        QVERIFY(!packs()->isSaved());

        // Drag the item out of its group to the top.
        packs()->setSaved(true);
        LWNaviTreeModel *model = LWMainWindowController::instance()->resourceNaviTreeModel();
        QVERIFY(model->moveRows(model->indexOfItem(group), 0, 1, QModelIndex(), 0));
        QCOMPARE(library()->treeRoot()->child(0), inside);
        QCOMPARE(group->childCount(), 0);
        QCOMPARE(library()->sourceFilePath(inside->resourceId()), insidePath);
        QVERIFY(!packs()->isSaved());
        LW_VERIFY_LIBRARY();
        // A group never goes into itself.
        QVERIFY(!model->moveRows(QModelIndex(), 1, 1, model->indexOfItem(group), 0));

        // The emptied group goes for good, its folder stays for the item
        // that was dragged out of it.
        group->menuItemAction("removeGroup");
        pushFillerSteps(10);
        QVERIFY(QFile::exists(library()->absolutePath(inside->resourceId())));
        LW_VERIFY_LIBRARY();
        packs()->saveProj();
        const QJsonObject tree = manifestOf(packs()->project()->effectFolder()).value("resourceView").toObject().value("tree").toObject();
        QCOMPARE(tree.value("groups").toArray().size(), 0);
        QCOMPARE(tree.value("resources").toArray().at(1).toObject().value("name").toString(), QString("Logo"));
    }

    void deletionNeverLeavesTheLibrary()
    {
        // A manifest from elsewhere whose paths point out of the library.
        QTemporaryDir workspace;
        QVERIFY(writeFile(workspace.filePath("victim.txt"), "keep"));
        QVERIFY(writeFile(workspace.filePath("outside/keep.txt"), "keep"));
        QVERIFY(writeFile(workspace.filePath("Resources/inner.png"), "keep"));
        const QByteArray manifest = R"({"resourceManager": {"list": [
            {"resourceId": "X", "sourceFilePath": "../victim.txt", "type": 1},
            {"resourceId": "Y", "sourceFilePath": "../victim.txt", "type": 1}]},
            "resourceView": {"tree": {"groups": [
                {"name": "everything", "path": "", "resources": [{"name": "x", "resourceId": "X"}]},
                {"name": "up", "path": "../outside", "resources": []}]}}})";
        QVERIFY(writeFile(workspace.filePath("resourcemanager.json"), manifest));
        QVERIFY(library()->load(workspace.path()));
        LWResouceTreeViewModel *root = library()->treeRoot();
        qobject_cast<LWResourceViewBase *>(root->child(0))->removeWithUndo();
        qobject_cast<LWResourceViewBase *>(root->child(0))->removeWithUndo();
        QCOMPARE(root->childCount(), 0);
        pushFillerSteps(10);
        library()->remove("Y");
        QVERIFY(QFile::exists(workspace.filePath("victim.txt")));
        QVERIFY(QFile::exists(workspace.filePath("outside/keep.txt")));
        QVERIFY(QFile::exists(workspace.filePath("Resources/inner.png")));
    }

    void replacedLibraryKeepsItsFiles()
    {
        const QString id = packs()->importFileToWorkSpaceResource(writePng(m_sources.filePath("old.png")), returningId());
        const QString file = library()->absolutePath(id);
        componentOf(id)->menuItemAction("removeResItem");
        // Another project: its load replaces the library before the old
        // steps are dropped; they must not delete anything in either.
        packs()->createProj();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QFile::exists(file));
        LW_VERIFY_LIBRARY();
    }

    void importsGoUnderTheSelectedGroup()
    {
        const QString sources = m_sources.filePath("sel");
        writePng(sources + "/set/one.png");
        packs()->importGroupToWorkSpaceResource(sources + "/set");
        auto *group = qobject_cast<LWResourceGroupsView *>(library()->treeRoot()->child(0));
        auto *controller = LWMainWindowController::instance();
        LWNaviTreeModel *model = controller->resourceNaviTreeModel();
        controller->resourceNaviTreeSelModel()->applyCurrentIndex(model->indexOfItem(group), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(controller->selectedResourceItem(), group);

        const QString id = packs()->importFileToWorkSpaceResource(writePng(sources + "/two.png"), returningId());
        QCOMPARE(componentOf(id)->parentItem(), group);
        QVERIFY(library()->sourceFilePath(id).startsWith(group->path() + "/"));
        LW_VERIFY_LIBRARY();

        // A selected resource: the new one goes beside it.
        controller->resourceNaviTreeSelModel()->applyCurrentIndex(model->indexOfItem(componentOf(id)),
                                                                  QItemSelectionModel::ClearAndSelect);
        const QString frames = packs()->importTextureFolderToWorkSpaceResource(sources + "/set", returningId());
        QCOMPARE(componentOf(frames)->parentItem(), group);
        QVERIFY(library()->sourceFilePath(frames).startsWith(group->path() + "/"));

        // The group removed: imports go to the top again.
        group->removeWithUndo();
        const QString top = packs()->importFileToWorkSpaceResource(sources + "/two.png", returningId());
        QCOMPARE(componentOf(top)->parentItem(), library()->treeRoot());
        QVERIFY(!library()->sourceFilePath(top).contains('/'));
        LW_VERIFY_LIBRARY();
    }

    void libraryViewsHearOfChanges()
    {
        QSignalSpy changes(LWMainWindowController::instance(), &LWMainWindowController::resourceModelDataChanged);
        const QString id = packs()->importFileToWorkSpaceResource(writePng(m_sources.filePath("heard.png")), returningId());
        QCOMPARE(changes.takeLast().at(0).toInt(), int(LWEffectCommon::LWResourceType2DTexture));
        packs()->addEmptyGroup();
        QCOMPARE(changes.takeLast().at(0).toInt(), int(LWEffectCommon::LWResourceTypeAll));
        componentOf(id)->removeWithUndo();
        QCOMPARE(changes.takeLast().at(0).toInt(), int(LWEffectCommon::LWResourceType2DTexture));
    }

    void projectMusicJoinsTheLibrary()
    {
        QTemporaryDir target;
        const QString folder = target.filePath("Song");
        QVERIFY(QDir().mkpath(folder + "/effect/bgm"));
        LWJsonFile::write(folder + "/Song.lwproj", {{"name", "Song"}});
        LWJsonFile::write(folder + "/effect/effect.json",
                          {{"name", "LW"}, {"effect", QJsonObject{{"Link", QJsonArray()},
                                                                  {"bgm", QJsonObject{{"music_path", "bgm/song.mp3"}}}}}});
        QVERIFY(writeFile(folder + "/effect/bgm/song.mp3", "ID3 music"));
        QFile::copy(":/ResourceTemplates/resourcemanager.json", folder + "/effect/resourcemanager.json");
        QFile::setPermissions(folder + "/effect/resourcemanager.json", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        packs()->openProj(folder + "/Song.lwproj");
        auto *bgm = dynamic_cast<LWTestFeature *>(packs()->effect()->featureAt(0));
        QVERIFY(bgm);
        const QString id = bgm->data.value("resId").toString();
        QCOMPARE(library()->type(id), int(LWEffectCommon::LWResourceMusic));
        QCOMPARE(library()->record(id)->flags, QString("mp3"));
        QVERIFY(QFile::exists(library()->absolutePath(id)));
        QVERIFY(library()->absolutePath(id).startsWith(folder + "/effect/Resources/"));
        QVERIFY(!LWUndoStack::instance()->canUndo());
        LW_VERIFY_LIBRARY();
    }

private:
    QTemporaryDir m_sources;
};

LW_TEST_MAIN(TstResourceLibrary)
#include "tst_resourcelibrary.moc"
