#include "LWTestFeature.h"
#include "LWTestMain.h"
#include "LWTestTree.h"
#include "navigation/LWEffectNaviTreeModel.h"
#include "common/LWDataPaths.h"
#include "common/LWJsonFile.h"
#include "common/LWUsageEvents.h"
#include "common/PostEventOffice.h"
#include "package/LWPackageConfig.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectModel.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// Records the immediate editor events, as the controller would receive them.
struct EventLog : LWEditorEventListener
{
    QList<QPair<int, LWNaviTreeItem *>> events;
    void onEditorEvent(LWEditorEventType event, const LWEditorEventData *data) override
    {
        events.append({int(event), data ? data->item : nullptr});
    }
    int count(LWEditorEventType event) const
    {
        int n = 0;
        for (const auto &e : events)
            n += e.first == event;
        return n;
    }
};

QStringList folderNames(const LWEffectModel &effect)
{
    QStringList names;
    for (LWFeatureModel *feature : effect.models()) {
        if (!feature->path().isEmpty()) // music has no folder and no place
            names << feature->path();
    }
    return names;
}

void writeEffect(const QString &folder, const QJsonObject &document)
{
    QDir().mkpath(folder);
    QVERIFY(LWJsonFile::write(folder + "/effect.json", document));
}

} // namespace

class TstEffect : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { LWTestFeature::registerKinds(); }
    void init() { LWUndoStack::instance()->clear(); }

    void newFeaturesGetUniqueFoldersAndGoFirst()
    {
        QTemporaryDir dir;
        LWEffectModel effect(dir.path());
        LWFeatureModel *first = effect.createFeature(LWEffectCommon::LWFeatureType2DSticker, {}, false);
        LWFeatureModel *second = effect.createFeature(LWEffectCommon::LWFeatureType2DSticker, {}, false);
        QVERIFY(first && second);
        QCOMPARE(folderNames(effect), (QStringList{"2DSticker_1/", "2DSticker/"}));
        QCOMPARE(effect.featureAt(0), second);
        QCOMPARE(second->asNaviTreeItem()->row(), 0);
        QCOMPARE(first->asNaviTreeItem()->row(), 1);
        QCOMPARE(second->asNaviTreeItem()->title(), QString("2DSticker_1"));
        // New features start from their template.
        QCOMPARE(first->contentJson().value("tag").toString(), QString("2DSticker_sticker"));
    }

    void uniqueNames_data()
    {
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("unique");
        QTest::newRow("free") << QStringList{} << "Filter" << "Filter/";
        QTest::newRow("taken") << QStringList{"Filter/"} << "Filter" << "Filter_1/";
        QTest::newRow("gap kept") << QStringList{"Filter/", "Filter_1/", "Filter_3/"} << "Filter" << "Filter_2/";
        QTest::newRow("numbered continues") << QStringList{"Filter_4/"} << "Filter_4" << "Filter_5/";
        QTest::newRow("numbered free") << QStringList{"Filter/"} << "Filter_4" << "Filter_4/";
    }
    void uniqueNames()
    {
        QFETCH(QStringList, taken);
        QFETCH(QString, name);
        QFETCH(QString, unique);
        QTemporaryDir dir;
        LWEffectModel effect(dir.path());
        for (const QString &path : taken) {
            LWFeatureFactory::Request request;
            request.effect = &effect;
            request.path = path;
            effect.insertModel(0, new LWTestFeature(request, LWEffectCommon::LWFeatureTypeFilter));
        }
        QCOMPARE(effect.uniqueFolderName(name), unique);
    }

    void secondFilterWarnsButIsCreated()
    {
        QTemporaryDir dir;
        LWEffectModel effect(dir.path());
        EventLog log;
        effect.createFeature(LWEffectCommon::LWFeatureTypeFilter, {}, false);
        QCOMPARE(log.count(LWEditorEventFeatureCountsChanged), 0);
        QVERIFY(effect.checkEffect());
        effect.createFeature(LWEffectCommon::LWFeatureTypeFilter, {}, false);
        QCOMPARE(log.count(LWEditorEventFeatureCountsChanged), 1);
        QCOMPARE(effect.modelCount(), 2);
        QVERIFY(!effect.checkEffect());
        QCOMPARE(log.count(LWEditorEventFeatureCountsChanged), 2);
        // A filter folder reads config.json: the Filter template's.
        QCOMPARE(effect.featureAt(0)->contentJson().value("version").toString(), QString("1.1"));
    }

    void kindsWithoutClassOnlyReport()
    {
        QTemporaryDir dir;
        LWEffectModel effect(dir.path());
        QList<int> reported;
        LWUsageEvents::setSink([&](int value, int) { reported << value; });
        QVERIFY(!effect.createFeature(LWEffectCommon::LWFeatureTypeFaceDistortionV2, {}, false));
        effect.createFeature(LWEffectCommon::LWFeatureType2DSticker, {}, false);
        LWUsageEvents::setSink(nullptr);
        QCOMPARE(reported, (QList<int>{1505, 1501}));
        QCOMPARE(effect.modelCount(), 1);
    }

    void loadOrdersByZorder()
    {
        QTemporaryDir dir;
        QJsonArray links;
        for (int z : {4001, 901, 902})
            links.append(QJsonObject{{"type", "2DSticker"}, {"zorder", z}, {"path", QString("s%1/").arg(z)}});
        writeEffect(dir.path(), {{"name", "Cats"}, {"version", "1.2"}, {"effect", QJsonObject{{"Link", links}}}});
        std::unique_ptr<LWEffectModel> effect(LWEffectModel::load(dir.path()));
        QCOMPARE(effect->name(), QString("Cats"));
        QCOMPARE(effect->version(), QString("1.2"));
        // Built 901, 902, 4001; each new one goes first.
        QCOMPARE(folderNames(*effect), (QStringList{"s4001/", "s902/", "s901/"}));
    }

    void brokenEffectFilesLoadEmpty_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not json") << QByteArray("{\"effect\": [");
        QTest::newRow("wrong types") << QByteArray(R"({"name": 3, "version": {}, "effect": {"Link": {"type": "2DSticker"}}})");
        QTest::newRow("bad links") << QByteArray(R"({"effect": {"Link": [1, "x", {"type": "NoSuchKind", "path": "a/"}, {"type": 5}], "bgm": 3}})");
        // An export wrote the features of these wherever their paths led.
        QTest::newRow("links leading out of the effect") << QByteArray(R"({"effect": {"Link": [
            {"type": "2DSticker", "zorder": 1, "path": "../../escape/"}, {"type": "Filter", "path": "/tmp/abs/"},
            {"type": "2DSticker", "path": "a/../../x/"}, {"type": "2DSticker", "path": "..\\x/"}]}})");
    }
    void brokenEffectFilesLoadEmpty()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        if (!content.isEmpty()) {
            QFile file(dir.filePath("effect.json"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        std::unique_ptr<LWEffectModel> effect(LWEffectModel::load(dir.path()));
        QCOMPARE(effect->modelCount(), 0);
        QVERIFY(effect->name().isEmpty());
    }

    void projectSaveWritesLinksAndBgm()
    {
        QTemporaryDir dir;
        writeEffect(dir.path(), {{"name", "LW"}, {"version", "1.2"}, {"extra", "kept"}, {"effect", QJsonObject{}}});
        std::unique_ptr<LWEffectModel> effect(LWEffectModel::load(dir.path()));
        effect->createFeature(LWEffectCommon::LWFeatureType2DSticker, {}, false);
        effect->createFeature(LWEffectCommon::LWFeatureTypeBGM, QJsonObject{{"actiontype", 0}}, false);
        effect->createFeature(LWEffectCommon::LWFeatureType2DSticker, {}, false);
        effect->featureAt(2)->asNaviTreeItem()->setTitle("Ears");
        SaveParam param;
        param.bSaveProject = true;
        QVERIFY(effect->save(param));

        const QJsonObject saved = LWJsonFile::read(dir.filePath("effect.json"));
        QCOMPARE(saved.value("name").toString(), QString("LW"));
        QCOMPARE(saved.value("extra").toString(), QString("kept"));
        const QJsonArray links = saved.value("effect").toObject().value("Link").toArray();
        QCOMPARE(links.size(), 2);
        QCOMPARE(links.at(1).toObject().value("name").toString(), QString("Ears"));
        QCOMPARE(links.at(0).toObject().value("type").toString(), QString("2DSticker"));
        QVERIFY(links.at(0).toObject().value("contentFile").isObject());
        QCOMPARE(saved.value("effect").toObject().value("bgm").toObject().value("actiontype").toInt(), 0);

        // And it loads back the same features in the same order, titles
        // included, however often it is saved and reopened.
        const QStringList order = folderNames(*effect);
        std::unique_ptr<LWEffectModel> again(LWEffectModel::load(dir.path()));
        QCOMPARE(again->modelCount(), 3);
        QCOMPARE(folderNames(*again), order);
        again->save(param);
        std::unique_ptr<LWEffectModel> third(LWEffectModel::load(dir.path()));
        QCOMPARE(folderNames(*third), order);
        QStringList titles;
        for (LWFeatureModel *f : again->models())
            titles << f->asNaviTreeItem()->title();
        QVERIFY(titles.contains("Ears"));
    }

    void exportWritesPackage()
    {
        QTemporaryDir dir;
        QTemporaryDir out;
        writeEffect(dir.path(), {{"name", "Cat_old"}, {"version", "1.2"}, {"effect", QJsonObject{}}});
        std::unique_ptr<LWEffectModel> effect(LWEffectModel::load(dir.path()));
        effect->createFeature(LWEffectCommon::LWFeatureType2DSticker, {}, false);
        effect->createFeature(LWEffectCommon::LWFeatureTypeFilter, {}, false);
        LWFeatureModel *hidden = effect->createFeature(LWEffectCommon::LWFeatureType2DSticker, {}, false);
        hidden->asNaviTreeItem()->setChecked(false);
        SaveParam param;
        param.path = out.path();
        QVERIFY(effect->save(param));

        const QJsonObject config = LWJsonFile::read(out.filePath("config.json"));
        QVERIFY(QRegularExpression("^Cat_[0-9a-f]{32}$").match(config.value("name").toString()).hasMatch());
        QCOMPARE(config.value("version").toString(), QString("2.9.1"));
        const QJsonArray links = config.value("effect").toObject().value("Link").toArray();
        QCOMPARE(links.size(), 2);
        QCOMPARE(links.at(0).toObject().keys(), (QStringList{"path", "type", "zorder"}));
        QCOMPARE(links.at(0).toObject().value("type").toString(), QString("Filter"));
        // Content files carry a fresh tag; the unchecked sticker is absent.
        const QJsonObject content = LWJsonFile::read(out.filePath("Filter/config.json"));
        QVERIFY(QRegularExpression("^Filter_[0-9a-f]{32}$").match(content.value("tag").toString()).hasMatch());
        QVERIFY(QFile::exists(out.filePath("2DSticker/content.json")));
        QVERIFY(!QFile::exists(out.filePath("2DSticker_1/content.json")));
    }

    void contentFileRule_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::newRow("filter prefix") << "Filter_byTool" << "config.json";
        QTest::newRow("filter later") << "MyFilter" << "content.json";
        QTest::newRow("lower case") << "filter" << "content.json";
        QTest::newRow("sticker") << "2DSticker_byTool-1" << "content.json";
    }
    void contentFileRule()
    {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QCOMPARE(LWPackageConfig::contentFileName(folder), file);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(folder));
        LWJsonFile::write(dir.filePath(folder + "/" + file), {{"tag", "from-folder"}});
        LWEffectModel effect(dir.path());
        LWFeatureFactory::Request request;
        request.effect = &effect;
        request.path = folder + "/";
        LWTestFeature feature(request, LWEffectCommon::LWFeatureType2DSticker);
        QCOMPARE(feature.tag(), QString("from-folder"));
        QCOMPARE(feature.name(), folder);
        QVERIFY(QRegularExpression("^" + QRegularExpression::escape(folder) + "_[0-9a-f]{32}$").match(feature.newTag()).hasMatch());
    }

    void packageLinksAreCopiedIn()
    {
        QTemporaryDir package;
        QTemporaryDir project;
        QDir().mkpath(package.filePath("2DSticker"));
        LWJsonFile::write(package.filePath("2DSticker/content.json"), {{"tag", "pkg"}});
        LWEffectModel effect(project.path());
        effect.createFeature(LWEffectCommon::LWFeatureType2DSticker, {}, false);
        LWFeatureModel *imported = effect.createFeatureFromLink(
            {{"type", "2DSticker"}, {"zorder", 7}, {"path", "2DSticker/"}}, package.path(), false);
        QVERIFY(imported);
        QCOMPARE(imported->path(), QString("2DSticker_1/"));
        QCOMPARE(imported->tag(), QString("pkg"));
        QCOMPARE(imported->zOrder(), 7);
        QVERIFY(QFile::exists(project.filePath("2DSticker_1/content.json")));

        // An entry that builds nothing leaves no copied folder behind.
        QDir().mkpath(package.filePath("Odd"));
        QVERIFY(!effect.createFeatureFromLink({{"type", "FaceStretch"}, {"path", "Odd/"}}, package.path(), false));
        QVERIFY(!QFile::exists(project.filePath("Odd")));
        // Nor can an entry reach outside its package.
        QVERIFY(!effect.createFeatureFromLink({{"type", "2DSticker"}, {"path", "../"}}, package.path(), false));
    }

    void multiViewerGrid_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("expectRows");
        QTest::addColumn<int>("expectCols");
        QTest::newRow("grid") << 2 << 3 << 0 << 3 << 4;
        QTest::newRow("uv tag wins") << 5 << 6 << 1 << 1 << 2;
    }
    void multiViewerGrid()
    {
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(int, tag);
        QFETCH(int, expectRows);
        QFETCH(int, expectCols);
        LWEffectModel effect(QString{});
        effect.setMultiViewerRowsAndCols(rows, cols, tag);
        QCOMPARE(effect.multiViewerRows(), expectRows);
        QCOMPARE(effect.multiViewerCols(), expectCols);
        QCOMPARE(effect.multiViewerTextureTag(), tag);
    }

    // Ten steps are kept; each creation, undo and redo is shown in the tree
    // as it happens; redo brings back the same object at the front.
    void undoableCreation()
    {
        QTemporaryDir dir;
        LWEffectModel effect(dir.path());
        LWEffectNaviTreeModel model(&effect);
        LWTestTreeRecorder tree(&model);
        QList<LWFeatureModel *> created;
        for (int i = 0; i < 11; ++i) {
            created << effect.createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
            QVERIFY(LWTest::modelMatchesTree(model));
        }
        QCOMPARE(effect.modelCount(), 11);
        QCOMPARE(tree.count("+0"), 11);
        for (int i = 0; i < 11; ++i) {
            LWUndoStack::instance()->undo();
            QVERIFY(LWTest::modelMatchesTree(model));
        }
        QCOMPARE(effect.modelCount(), 1);
        QCOMPARE(effect.featureAt(0), created.first());
        QCOMPARE(tree.count("-"), 10);

        LWUndoStack::instance()->redo();
        QVERIFY(LWTest::modelMatchesTree(model));
        QCOMPARE(effect.modelCount(), 2);
        QCOMPARE(effect.featureAt(0), created.at(1));
        QCOMPARE(tree.count("+0"), 12);
    }

    void removalUndoRestoresPlaceAndSelects()
    {
        QTemporaryDir dir;
        LWEffectModel effect(dir.path());
        effect.createFeature(LWEffectCommon::LWFeatureType2DSticker, {}, false);
        LWFeatureModel *middle = effect.createFeature(LWEffectCommon::LWFeatureTypeFilter, {}, false);
        effect.createFeature(LWEffectCommon::LWFeatureType2DSticker, {}, false);
        QCOMPARE(effect.indexOfModel(middle), 1);
        LWEffectNaviTreeModel model(&effect);
        LWTestTreeRecorder tree(&model);
        middle->asNaviTreeItem()->menuItemAction("menuItemRemove");
        QCOMPARE(effect.modelCount(), 2);
        QCOMPARE(effect.indexOfModel(middle), -1);
        QCOMPARE(tree.log, QStringList{"-1"});
        QVERIFY(LWTest::modelMatchesTree(model));
        LWUndoStack::instance()->undo();
        QCOMPARE(effect.indexOfModel(middle), 1);
        QCOMPARE(tree.log, (QStringList{"-1", "+1", "select"}));
        QVERIFY(LWTest::modelMatchesTree(model));
        LWUndoStack::instance()->redo();
        QCOMPARE(effect.indexOfModel(middle), -1);
        QVERIFY(LWTest::modelMatchesTree(model));
    }

    void commandsOutliveTheirEffect()
    {
        QTemporaryDir dir;
        auto *effect = new LWEffectModel(dir.path());
        effect->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        LWFeatureModel *feature = effect->createFeature(LWEffectCommon::LWFeatureType2DSticker, {}, false);
        feature->onActionRemoveFeature();
        delete effect;
        // Both commands now point at nothing; neither may crash.
        LWUndoStack::instance()->undo();
        LWUndoStack::instance()->undo();
        LWUndoStack::instance()->redo();
        LWUndoStack::instance()->clear();
    }
};

LW_TEST_MAIN(TstEffect)
#include "tst_effect.moc"
