// The 2D sticker in a project: created from the add menu, components added,
// imported and removed with undo, packages read and written, projects
// saved and reopened, and the package checks.

#include "LWFeatureInvariants.h"
#include "LWStickerTestKit.h"
#include "LWTestMain.h"
#include "LWTestTree.h"
#include "app/LWAppHost.h"
#include "app/LWMainWindowController.h"
#include "common/LWDataPaths.h"
#include "common/LWJsonFile.h"
#include "features/sticker2d/LW2DStickerFeatureModel.h"
#include "features/sticker2d/LW2DStickerFrames.h"
#include "features/sticker2d/NS2DStickerParameter.h"
#include "inspector/LWFaceIndexModel.h"
#include "common/LWDialogs.h"
#include "inspector/LWInspectorHub.h"
#include "inspector/LWPropOptionViewModel.h"
#include "navigation/LWNaviTreeModel.h"
#include "resources/LWResourceManager.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "package/LWPackageCheck.h"
#include "workspace/LWPackageSizeEstimator.h"
#include "workspace/LWProjectModel.h"

#include <QImageReader>
#include <QQmlEngine>
#include <QQmlPropertyMap>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

using namespace LWStickerTestKit;

namespace {

LWEffectPackManager *packs()
{
    return LWEffectPackManager::instance();
}

LWResourceManager *library()
{
    return LWResourceManager::instance();
}

void newProject()
{
    packs()->createProj();
    LWUndoStack::instance()->clear();
}

LW2DStickerFeatureModel *stickerAt(int row)
{
    LWEffectModel *effect = packs()->effect();
    return effect && row < effect->modelCount() ? dynamic_cast<LW2DStickerFeatureModel *>(effect->featureAt(row))
                                                : nullptr;
}

LW2DStickerFeatureModel *createSticker(const QString &key = "LWFeatureType2DSticker")
{
    packs()->createFeatureToWorkSpaceEffect(key);
    return stickerAt(0);
}

bool treeMatches()
{
    LWNaviTreeModel *tree = LWMainWindowController::instance()->effectNaviTreeModel();
    return tree && LWTest::modelMatchesTree(*tree);
}

// The file dialog answers with what the test chose.
class PickedDialogs : public LWDialogs
{
public:
    void openFile(const LWFileRequest &request, FilesPicked done) override
    {
        lastRequest = request;
        done(picked);
    }
    QList<QUrl> picked;
    LWFileRequest lastRequest;
};

QJsonObject exportInto(const QString &folder)
{
    SaveParam param;
    param.path = folder;
    param.bSaveProject = false;
    packs()->effect()->save(param);
    return LWJsonFile::read(folder + "/config.json");
}

// A package: one sticker ("2DSticker/") whose parts and frame folders are
// given; config.json and content.json written as the engine reads them.
void writePackage(const QString &folder, const QJsonObject &parts, const QJsonObject &link = {},
                  const QString &stickerFile = "sticker.json")
{
    QJsonObject entry{{"type", "2DSticker"}, {"zorder", 1}, {"path", "2DSticker/"}};
    for (auto it = link.begin(); it != link.end(); ++it)
        entry.insert(it.key(), it.value());
    QDir().mkpath(folder + "/2DSticker");
    LWJsonFile::write(folder + "/config.json", {{"name", "LW_test"}, {"version", "2.7.0"},
                                                {"effect", QJsonObject{{"Link", QJsonArray{entry}}}}});
    LWJsonFile::write(folder + "/2DSticker/content.json",
                      {{"tag", "2DSticker_x"}, {"version", "1.0"},
                       {"requirement", QJsonObject{{"faceDetect", true}, {"matting", false}}},
                       {"content", QJsonObject{{"path", stickerFile}}}});
    LWJsonFile::write(folder + "/2DSticker/" + stickerFile, {{"version", "1.1"}, {"parts", parts}});
}

QJsonObject stickerDocument(const QString &packageFolder, const QString &featureFolder = "2DSticker")
{
    const QJsonObject content = LWJsonFile::read(packageFolder + "/" + featureFolder + "/content.json");
    return LWJsonFile::read(packageFolder + "/" + featureFolder + "/"
                            + content.value("content").toObject().value("path").toString());
}

// Numbered frames of each exported part: as many as "frameCount", of its size.
void verifyFrames(const QString &featureFolder, const QJsonObject &document)
{
    const QJsonObject parts = document.value("parts").toObject();
    for (auto it = parts.begin(); it != parts.end(); ++it) {
        const QJsonObject p = it.value().toObject();
        const QString folder = featureFolder + "/" + it.key();
        const QStringList frames = LW2DStickerFrames::pngFiles(folder);
        QCOMPARE(frames.size(), p.value("frameCount").toInt());
        for (int i = 0; i < frames.size(); ++i)
            QCOMPARE(frames.at(i), LW2DStickerFrames::framePath(folder, it.key(), i));
        if (it.key().startsWith("__LWOptionNone"))
            continue;
        QCOMPARE(QImageReader(frames.value(0)).size(), QSize(p.value("width").toInt(), p.value("height").toInt()));
    }
}

} // namespace

class TstSticker2DPackage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        LWMainWindowController::instance();
        LWAppHost::publishServices(m_engine);
        LWTest::checkInvariantsAfterEveryStep();
        auto dialogs = std::make_unique<PickedDialogs>();
        m_dialogs = dialogs.get();
        LWDialogs::install(std::move(dialogs));
    }
    void init() { newProject(); }
    void cleanup() { packs()->clearWorkspace(); }

    // --- creation ------------------------------------------------------------------

    void addMenuCreatesTheFirstComponent()
    {
        auto *map = qobject_cast<QQmlPropertyMap *>(LWMainWindowController::instance()->lwCustomPropertyMap());
        map->insert("state", "beginMenuItemAdd2DSticker");
        LW2DStickerFeatureModel *fromMenu = createSticker();
        map->insert("state", "endMenuItemAdd2DSticker");
        QVERIFY(fromMenu);
        QCOMPARE(titles(fromMenu->sticker()), QStringList{"Untitled"});
        const LW2DStickerPart *first = fromMenu->sticker()->modelAt(0);
        QCOMPARE(first->frameWidth(), 300.0);
        QCOMPARE(first->frameCount(), 0);
        const auto &face = NS2DStickerParameter::faceTypeData(NS2DStickerParameter::FaceTypeHuman);
        QCOMPARE(first->listTracePoint(), (QList<int>{74, 77}));
        QCOMPARE(first->anchors().positionX.at(1).pos(), face.point(77));
        QCOMPARE(first->partScale(), 1.0);

        LW2DStickerFeatureModel *plain = createSticker();
        QCOMPARE(plain->sticker()->modelCount(), 0);
        QCOMPARE(plain->path(), QString("2DSticker_1/"));
        QVERIFY(treeMatches());
        // Taking the creation back takes its component with it.
        LWUndoStack::instance()->undo();
        LWUndoStack::instance()->undo();
        QCOMPARE(packs()->effect()->modelCount(), 0);
        QVERIFY(treeMatches());
        LWUndoStack::instance()->redo();
        QCOMPARE(stickerAt(0)->sticker()->modelCount(), 1);
        QVERIFY(treeMatches());
    }

    void featureMenusAndKinds()
    {
        LW2DStickerFeatureModel *v2 = createSticker("LWFeatureType2DStickerV2");
        QCOMPARE(v2->featureType(), LWEffectCommon::LWFeatureType2DSticker);
        QCOMPARE(v2->toConfigLinkValue().toObject(),
                 (QJsonObject{{"type", "2DStickerV2"}, {"zorder", 5000}, {"path", "2DStickerV2/"}}));
        QCOMPARE(v2->sdkVersion(), QString("2.7.0"));
        QStringList ids;
        for (const QVariant &entry : v2->subItems())
            ids << entry.value<QObject *>()->property("itemId").toString();
        QCOMPARE(ids, (QStringList{"importFrame", "removeFeature", "addComponent", "renameFeature"}));
        QVERIFY(v2->canAddNaviItem());
        QCOMPARE(v2->addNaviItemAction(), QString("addComponent"));
        QCOMPARE(v2->naviItemIcon(), QString("qrc:/LWViewCommon/images/2dFeature.png"));

        // The feature panel edits which faces the sticker is drawn on.
        auto *faces = qobject_cast<LWFaceIndexModel *>(node(v2->inspectorViewModel().get(), "faceIndexArray"));
        QVERIFY(faces);
        faces->setFaceIndexs({2, 0});
        v2->naviTreeItemInspectorDataChanged();
        QCOMPARE(v2->faceIndexes(), (QList<int>{2, 0}));
        QCOMPARE(v2->toConfigLinkValue().toObject().value("faceIndex").toArray(), (QJsonArray{2, 0}));

        v2->menuItemAction("renameFeature");
        QVERIFY(v2->naviItemEditing());
        QVERIFY(v2->naviTreeItemRename("Ears"));
        QCOMPARE(v2->title(), QString("Ears"));
        QVERIFY(!v2->naviTreeItemRename("  "));
        v2->menuItemAction("removeFeature");
        QCOMPARE(packs()->effect()->modelCount(), 0);
        QVERIFY(treeMatches());
    }

    // --- components ------------------------------------------------------------------

    void componentsAddAndRemoveWithUndo()
    {
        LW2DStickerFeatureModel *feature = createSticker();
        LW2DSticker *sticker = feature->sticker();
        auto *stack = LWUndoStack::instance();
        stack->clear();
        for (int i = 0; i < 3; ++i) {
            feature->menuItemAction("addComponent");
            QVERIFY(treeMatches());
        }
        QCOMPARE(titles(sticker), (QStringList{"Untitled_3", "Untitled_2", "Untitled"}));
        QCOMPARE(LWMainWindowController::instance()->selectedEffectItem(), sticker->modelAt(0));
        LW2DStickerPart *newest = sticker->modelAt(0);
        stack->undo();
        QCOMPARE(titles(sticker), (QStringList{"Untitled_2", "Untitled"}));
        QVERIFY(treeMatches());
        stack->redo();
        QCOMPARE(sticker->modelAt(0), newest);
        QVERIFY(treeMatches());

        LW2DStickerPart *middle = sticker->modelAt(1);
        middle->menuItemAction("remove");
        QCOMPARE(titles(sticker), (QStringList{"Untitled_3", "Untitled"}));
        QVERIFY(treeMatches());
        stack->undo();
        QCOMPARE(sticker->modelAt(1), middle);
        QVERIFY(treeMatches());

        // A component folder that already holds PNGs gives the new part its
        // frames and size.
        QVERIFY(writeFrames(feature->localAbsolutePath(), "Untitled_4", 3, QSize(64, 48)));
        QDir(feature->localAbsolutePath() + "Untitled_4").rename("Untitled_4_000.png", "a.png");
        feature->addComponent();
        LW2DStickerPart *framed = sticker->modelAt(0);
        QCOMPARE(framed->title(), QString("Untitled_4"));
        QCOMPARE(framed->frameCount(), 3);
        QCOMPARE(framed->frameWidth(), 64.0);
        QCOMPARE(framed->frameHeight(), 48.0);

        // Reordering in the tree is the drawing order.
        LWNaviTreeModel *tree = LWMainWindowController::instance()->effectNaviTreeModel();
        const QModelIndex featureIndex = tree->indexOfItem(feature);
        QVERIFY(tree->moveRow(tree->index(0, 0, featureIndex), tree->index(2, 0, featureIndex), 1));
        QCOMPARE(titles(sticker), (QStringList{"Untitled_3", "Untitled_2", "Untitled_4", "Untitled"}));
        QVERIFY(treeMatches());
    }

    void importAsTexture_data()
    {
        QTest::addColumn<QString>("pick");   // "folder" or "file"
        QTest::addColumn<QString>("format"); // of the images
        QTest::newRow("folder of PNGs") << "folder" << "png";
        QTest::newRow("a file stands for its folder") << "file" << "png";
        QTest::newRow("JPEG frames become PNG") << "folder" << "jpg";
    }
    void importAsTexture()
    {
        QFETCH(QString, pick);
        QFETCH(QString, format);
        LW2DStickerFeatureModel *feature = createSticker();
        QTemporaryDir dir;
        const QString source = dir.filePath("sparkle");
        QDir().mkpath(source);
        for (int i = 0; i < 3; ++i) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(QColor(10 * i, 100, 200));
            QVERIFY(image.save(QStringLiteral("%1/frame%2.%3").arg(source).arg(i).arg(format)));
        }
        m_dialogs->picked = {QUrl::fromLocalFile(pick == "file" ? source + "/frame1." + format : source)};
        LWUndoStack::instance()->clear();
        feature->menuItemAction("importFrame");
        QVERIFY(!m_dialogs->lastRequest.selectFolder); // a frame stands for its folder
        QCOMPARE(LWUndoStack::instance()->count(), 1);
        QCOMPARE(titles(feature->sticker()), QStringList{"sparkle"});
        const LW2DStickerPart *part = feature->sticker()->modelAt(0);
        QCOMPARE(part->frameCount(), 3);
        QCOMPARE(part->frameWidth(), 40.0);
        QCOMPARE(part->frameHeight(), 30.0);
        const QString id = part->partData().resourceId;
        QCOMPARE(library()->type(id), int(LWEffectCommon::LWResourceType2DTextureFrame));
        QCOMPARE(library()->frameCount(id), 3);
        QVERIFY(part->stickerPartPath().endsWith(library()->recordName(id)));
        QVERIFY(QFileInfo(part->stickerPartPath() + "_002.png").isFile());
        // The copy the import was made from is gone from the feature folder.
        QVERIFY(!QFileInfo::exists(feature->localAbsolutePath() + "sparkle"));
        QVERIFY(treeMatches());

        // The same folder again: a second name.
        feature->menuItemAction("importFrame");
        QCOMPARE(titles(feature->sticker()), (QStringList{"sparkle_2", "sparkle"}));
    }

    // Choosing a frame sequence in the panel gives the part its frames and
    // size; the panel's frame count follows without a step of its own.
    void textureChosenInThePanel()
    {
        LW2DStickerFeatureModel *feature = createSticker();
        feature->addComponent();
        LW2DStickerPart *part = feature->sticker()->modelAt(0);
        QTemporaryDir dir;
        QVERIFY(writeFrames(dir.path(), "stars", 5, QSize(30, 20)));
        ImportResourceParam param;
        param.returnResourceId = true;
        const QString id = packs()->importTextureFolderToWorkSpaceResource(dir.filePath("stars"), param);
        QVERIFY(!id.isEmpty());

        auto *texture = qobject_cast<LWPropOptionViewModel *>(node(part->inspectorViewModel().get(), "textureResId"));
        QVERIFY(texture);
        int index = -1;
        for (int i = 0; i < texture->entryCount(); ++i) {
            if (texture->entry(i).value.toString() == id)
                index = i;
        }
        QVERIFY(index > 0);
        auto *stack = LWUndoStack::instance();
        stack->clear();
        texture->setOptionIndex(index); // the part is selected: the controller makes it pull
        QCOMPARE(stack->count(), 1);
        QCOMPARE(part->partData().resourceId, id);
        QCOMPARE(part->frameCount(), 5);
        QCOMPARE(part->frameWidth(), 30.0);
        QCOMPARE(node(part->inspectorViewModel().get(), "frameCount")->property("intValue").toInt(), 5);
        QCOMPARE(stack->count(), 1);

        // A frame count typed afterwards is the author's.
        node(part->inspectorViewModel().get(), "frameCount")->setProperty("intValue", 2);
        QCOMPARE(part->frameCount(), 2);
        stack->undo();
        QCOMPARE(part->frameCount(), 5);
        stack->undo();
        QVERIFY(!part->hasResolvedTexture());
    }

    void importOfNothingAddsNothing()
    {
        LW2DStickerFeatureModel *feature = createSticker();
        QTemporaryDir dir;
        QVERIFY(LWStickerTestKit::writeFrames(dir.path(), "notes", 0, QSize(1, 1)));
        QFile(dir.filePath("notes/readme.txt")).open(QIODevice::WriteOnly);
        LWUndoStack::instance()->clear();
        m_dialogs->picked = {QUrl::fromLocalFile(dir.filePath("notes"))};
        feature->importFrame();
        m_dialogs->picked = {};
        feature->importFrame();
        QCOMPARE(feature->sticker()->modelCount(), 0);
        QCOMPARE(LWUndoStack::instance()->count(), 0);
    }

    // --- packages ----------------------------------------------------------------------

    // Package folder -> feature -> export: the same parts and numbers, every
    // frame present and counted; and again, stable.
    // The size shown in the editor is the size of the package export
    // writes, measured without leaving anything behind; a package past the
    // publishing limit is marked.
    void packageSizeIsTheExportedSize_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("over");
        QTest::newRow("small") << 3 << false;
        QTest::newRow("past the limit") << 24 << true;
    }
    void packageSizeIsTheExportedSize()
    {
        QFETCH(int, frames);
        QFETCH(bool, over);
        QTemporaryDir dir;
        const QString package = dir.filePath("package");
        writePackage(package, {{"noise", part(5000, {{"frameCount", frames}, {"width", 256.0}, {"height", 256.0}})}});
        // Noise does not deflate: each frame weighs about 256 KB.
        QDir().mkpath(package + "/2DSticker/noise");
        QRandomGenerator random(7);
        for (int i = 0; i < frames; ++i) {
            QImage image(256, 256, QImage::Format_ARGB32);
            for (int y = 0; y < image.height(); ++y) {
                auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    line[x] = random.generate();
            }
            QVERIFY(image.save(LW2DStickerFrames::framePath(package + "/2DSticker/noise", "noise", i)));
        }
        QVERIFY(packs()->importEffect(package));

        LWPackageSizeEstimator *estimator = LWPackageSizeEstimator::instance();
        estimator->measureNow();
        QTRY_VERIFY_WITH_TIMEOUT(!estimator->measuring() && estimator->bytes() > 0, 20000);
        QVERIFY(QDir(LWDataPaths::subFolder("tmpSize")).isEmpty());

        const QString exported = dir.filePath("exported.zip");
        QVERIFY(packs()->exportEffect(exported));
        // Each export draws fresh identifiers, which deflate a byte or two
        // differently; anything more is a different package.
        QVERIFY2(qAbs(qint64(estimator->bytes()) - QFileInfo(exported).size()) < 64,
                 qPrintable(QString("%1 vs %2").arg(estimator->bytes()).arg(QFileInfo(exported).size())));
        QCOMPARE(estimator->overLimit(), over);
        QVERIFY(!estimator->sizeText().isEmpty());

        // An edit is measured again once the edits settle.
        QSignalSpy measured(estimator, &LWPackageSizeEstimator::measured);
        packs()->createFeatureToWorkSpaceEffect("LWFeatureTypeFilter");
        QTRY_VERIFY_WITH_TIMEOUT(!measured.isEmpty(), 20000);
        QVERIFY(qint64(estimator->bytes()) > QFileInfo(exported).size());
    }

    // Parts imported from a package are named as their author named them,
    // not by the library's generated stem the package keys carry.
    void importedPartsKeepTheirNames_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("generated stems") << QStringList{"tnfqlffp_1796886851.ears", "hyzqwbva_1796886851.whiskers"}
                                         << QStringList{"ears", "whiskers"};
        QTest::newRow("same name twice") << QStringList{"abcdefgh_1.ears", "ijklmnop_2.ears"}
                                         << QStringList{"ears", "ears_2"};
        QTest::newRow("plain keys") << QStringList{"blush", "Abcdefgh_1.x", "abcdefg_1.short", "abcdefgh_1."}
                                    << QStringList{"blush", "Abcdefgh_1.x", "abcdefg_1.short", "abcdefgh_1."};
    }
    void importedPartsKeepTheirNames()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, names);
        QTemporaryDir dir;
        const QString package = dir.filePath("package");
        QJsonObject parts;
        for (int i = 0; i < keys.size(); ++i)
            parts.insert(keys.at(i), part(5000 - i, {{"frameCount", 1}, {"width", 8.0}, {"height", 8.0}}));
        writePackage(package, parts);
        for (const QString &key : keys)
            QVERIFY(writeFrames(package + "/2DSticker", key, 1, QSize(8, 8)));
        QVERIFY(packs()->importEffect(package));
        QCOMPARE(titles(stickerAt(0)->sticker()), names);
        for (const LW2DStickerPart *p : stickerAt(0)->sticker()->models())
            QVERIFY(p->hasResolvedTexture());
    }

    void packageRoundTrip()
    {
        QTemporaryDir dir;
        const QString package = dir.filePath("package");
        const QJsonObject parts{
            {"ears", part(5000, {{"blendMode", 1005}, {"frameCount", 3}, {"width", 64.0}, {"height", 32.0},
                                 {"triggerType", 2}, {"triggerLoop", 4}, {"alphaFactor", 0.5},
                                 {"messageInfo", QJsonArray{QJsonObject{{"key", "k"}, {"role", 1}, {"operation", 0}, {"action", 2}}}}})},
            {"blush", part(4999, {{"frameCount", 2}, {"width", 20.0}, {"height", 20.0}, {"positionType", 512},
                                  {"triggerType", 53}, {"triggerStop", true}, {"triggerRestart", true}})},
            {"frame", part(4998, {{"frameCount", 1}, {"width", 16.0}, {"height", 16.0},
                                  {"position", QJsonObject{{"positionX", QJsonArray{anchor(1000, 0, 0), anchor(1001, 16, 0)}},
                                                           {"positionY", QJsonArray()}}}})}};
        writePackage(package, parts, {{"faceIndex", QJsonArray{0, 1}}});
        QVERIFY(writeFrames(package + "/2DSticker", "ears", 3, QSize(64, 32)));
        QVERIFY(writeFrames(package + "/2DSticker", "blush", 2, QSize(20, 20), Qt::magenta));
        QVERIFY(writeFrames(package + "/2DSticker", "frame", 1, QSize(16, 16), Qt::blue));

        QVERIFY(packs()->importEffect(package));
        LW2DStickerFeatureModel *feature = stickerAt(0);
        QVERIFY(feature);
        QCOMPARE(titles(feature->sticker()), (QStringList{"ears", "blush", "frame"}));
        QCOMPARE(feature->faceIndexes(), (QList<int>{0, 1}));
        QCOMPARE(feature->sticker()->modelAt(2)->listTracePoint(), (QList<int>{82, 83}));
        for (const LW2DStickerPart *p : feature->sticker()->models()) {
            QVERIFY(p->hasResolvedTexture());
            QCOMPARE(library()->frameCount(p->partData().resourceId), p->frameCount());
            // The frames went into the library; the feature folder keeps none.
            QVERIFY(!QFileInfo::exists(feature->localAbsolutePath() + p->title()));
        }
        QVERIFY(treeMatches());

        const QString first = dir.filePath("first");
        const QJsonObject config = exportInto(first);
        const QJsonObject link = config.value("effect").toObject().value("Link").toArray().at(0).toObject();
        QCOMPARE(link.value("type").toString(), QString("2DSticker"));
        QCOMPARE(link.value("faceIndex").toArray(), (QJsonArray{0, 1}));
        const QJsonObject content = LWJsonFile::read(first + "/2DSticker/content.json");
        QCOMPARE(content.value("requirement").toObject(),
                 (QJsonObject{{"matting", false}, {"faceDetect", true}, {"handDetect", true}}));
        QVERIFY(content.value("tag").toString().startsWith("2DSticker_"));
        const QJsonObject written = stickerDocument(first);
        QList<QJsonObject> expected = partsByZ(QJsonObject{{"parts", parts}});
        // Corner ids come back as the editor's points; the rest as stored.
        QJsonObject corners = expected[2].value("position").toObject();
        corners.insert("positionX", QJsonArray{anchor(82, 0, 0), anchor(83, 16, 0)});
        expected[2].insert("position", corners);
        QCOMPARE(partsByZ(written), expected);
        verifyFrames(first + "/2DSticker", written);

        // Into a new project and out again: nothing moves.
        newProject();
        QVERIFY(packs()->importEffect(first));
        const QString second = dir.filePath("second");
        exportInto(second);
        QCOMPARE(partsByZ(stickerDocument(second)), partsByZ(written));
        verifyFrames(second + "/2DSticker", stickerDocument(second));
        QVERIFY(LWPackageCheck::checkFolder(second).problems.isEmpty());
    }

    // Two parts on one texture get a frame folder each; a part without
    // texture exports the placeholder; an unchecked part is left out.
    void exportedFrameFolders()
    {
        QTemporaryDir dir;
        const QString package = dir.filePath("package");
        writePackage(package, {{"ears", part(5000, {{"frameCount", 2}, {"width", 8.0}, {"height", 8.0}})}});
        QVERIFY(writeFrames(package + "/2DSticker", "ears", 2, QSize(8, 8)));
        QVERIFY(packs()->importEffect(package));
        LW2DStickerFeatureModel *feature = stickerAt(0);
        LW2DSticker *sticker = feature->sticker();
        const QString texture = sticker->modelAt(0)->partData().resourceId;
        feature->addComponent();
        feature->addComponent();
        feature->addComponent();
        sticker->modelAt(0)->replaceTexture(texture);
        sticker->modelAt(2)->setChecked(false);
        // Rows: textured Untitled_3, Untitled_2 (none), Untitled (unchecked), ears.
        QCOMPARE(sticker->modelAt(0)->frameCount(), 2);

        const QString out = dir.filePath("out");
        exportInto(out);
        QStringList keys;
        const QList<QJsonObject> parts = partsByZ(stickerDocument(out), &keys);
        const QString name = library()->recordName(texture);
        QCOMPARE(keys, (QStringList{name, "__LWOptionNone", name + "1"}));
        QCOMPARE(parts.at(0).value("zPosition").toInt(), 5000);
        QCOMPARE(parts.at(1).value("zPosition").toInt(), 4999);
        QCOMPARE(parts.at(2).value("zPosition").toInt(), 4997);
        QCOMPARE(parts.at(1).value("frameCount").toInt(), 1);
        QVERIFY(QFileInfo(out + "/2DSticker/__LWOptionNone/__LWOptionNone_000.png").isFile());
        QVERIFY(QFileInfo(out + "/2DSticker/" + name + "1/" + name + "1_001.png").isFile());
        verifyFrames(out + "/2DSticker", stickerDocument(out));
        // The placeholder in the library of the part shows no texture.
        QVERIFY(sticker->modelAt(1)->stickerPartPath().isEmpty());
        QCOMPARE(sticker->modelAt(1)->frameFolderName(), QString("__LWOptionNone"));
    }

    // Frame folders that give nothing leave parts without texture, which
    // export the placeholder.
    void unusableFrameFoldersExportPlaceholders()
    {
        QTemporaryDir dir;
        const QString package = dir.filePath("package");
        writePackage(package, {{"empty", part(5000, {{"frameCount", 4}})},
                               {"notes", part(4999, {{"frameCount", 2}})},
                               {"absent", part(4998)}});
        QDir().mkpath(package + "/2DSticker/empty");
        QVERIFY(writeFrames(package + "/2DSticker", "notes", 0, QSize(1, 1)));
        QFile text(package + "/2DSticker/notes/notes_000.txt");
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.close();
        QVERIFY(packs()->importEffect(package));
        LW2DSticker *sticker = stickerAt(0)->sticker();
        QCOMPARE(titles(sticker), (QStringList{"empty", "notes", "absent"}));
        for (const LW2DStickerPart *p : sticker->models())
            QVERIFY(!p->hasResolvedTexture());
        const QString out = dir.filePath("out");
        exportInto(out);
        QStringList keys;
        const QList<QJsonObject> parts = partsByZ(stickerDocument(out), &keys);
        QCOMPARE(keys, (QStringList{"__LWOptionNone", "__LWOptionNone1", "__LWOptionNone2"}));
        for (const QJsonObject &p : parts)
            QCOMPARE(p.value("frameCount").toInt(), 1);
        verifyFrames(out + "/2DSticker", stickerDocument(out));
    }

    void requirementFollowsTriggers_data()
    {
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<QList<bool>>("checked");
        QTest::addColumn<QJsonObject>("requirement");
        QTest::newRow("no parts") << QList<int>{} << QList<bool>{} << QJsonObject{{"matting", false}};
        QTest::newRow("hand only") << QList<int>{53} << QList<bool>{true}
                                   << QJsonObject{{"matting", false}, {"handDetect", true}};
        QTest::newRow("hand and none") << QList<int>{53, 0} << QList<bool>{true, true}
                                       << QJsonObject{{"matting", false}, {"handDetect", true}, {"faceDetect", true}};
        QTest::newRow("blink") << QList<int>{2} << QList<bool>{true} << QJsonObject{{"matting", false}, {"faceDetect", true}};
        QTest::newRow("unchecked face part") << QList<int>{53, 4} << QList<bool>{true, false}
                                             << QJsonObject{{"matting", false}, {"handDetect", true}};
    }
    void requirementFollowsTriggers()
    {
        QFETCH(QList<int>, types);
        QFETCH(QList<bool>, checked);
        QFETCH(QJsonObject, requirement);
        QTemporaryDir dir;
        QJsonObject parts;
        for (int i = 0; i < types.size(); ++i)
            parts.insert(QStringLiteral("p%1").arg(i), part(5000 - i, {{"triggerType", types.at(i)}}));
        writePackage(dir.filePath("package"), parts);
        QVERIFY(packs()->importEffect(dir.filePath("package")));
        for (int i = 0; i < checked.size(); ++i)
            stickerAt(0)->sticker()->modelAt(i)->setChecked(checked.at(i));
        exportInto(dir.filePath("out"));
        QCOMPARE(LWJsonFile::read(dir.filePath("out/2DSticker/content.json")).value("requirement").toObject(), requirement);
    }

    // A package must not reach outside its feature folder.
    void unsafeNamesStayInside()
    {
        QTemporaryDir dir;
        const QString package = dir.filePath("package");
        writePackage(package, {{"../victim", part(5000)}}, {}, "sticker.json");
        // The document names itself with a path that climbs out.
        LWJsonFile::write(package + "/2DSticker/content.json",
                          {{"tag", "t"}, {"content", QJsonObject{{"path", "../../sticker.json"}}}});
        const QString victim = packs()->effect()->folder() + "/victim";
        QVERIFY(writeFrames(packs()->effect()->folder(), "victim", 2, QSize(4, 4)));
        QVERIFY(packs()->importEffect(package));
        LW2DStickerFeatureModel *feature = stickerAt(0);
        QCOMPARE(feature->stickerFileName(), QString("sticker.json"));
        QCOMPARE(titles(feature->sticker()), QStringList{"../victim"});
        QVERIFY(!feature->sticker()->modelAt(0)->hasResolvedTexture());
        QCOMPARE(LW2DStickerFrames::pngFiles(victim).size(), 2);
        const QString out = dir.filePath("out");
        exportInto(out);
        QCOMPARE(LWJsonFile::read(out + "/2DSticker/content.json").value("content").toObject().value("path").toString(),
                 QString("sticker.json"));
        QVERIFY(QFileInfo(out + "/2DSticker/sticker.json").isFile());
        QVERIFY(!QFileInfo::exists(dir.filePath("sticker.json")));
    }

    void packageChecksFindBrokenFrames_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("clean") << "" << "";
        QTest::newRow("frame missing") << "missing" << "has frameCount 3 but its folder holds 2 numbered frames";
        QTest::newRow("folder missing") << "folder" << "frame folder ears is missing";
        QTest::newRow("wrong size") << "size" << "frame ears_001.png is 9 x 9 but part ears is 12 x 10";
        QTest::newRow("name outside") << "outside" << "part \"../ears\" does not name a folder inside the feature";
    }
    void packageChecksFindBrokenFrames()
    {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString package = dir.filePath("package");
        const QString key = damage == "outside" ? "../ears" : "ears";
        writePackage(package, {{key, part(5000, {{"frameCount", 3}, {"width", 12.0}, {"height", 10.0}})}});
        QVERIFY(writeFrames(package + "/2DSticker", "ears", 3, QSize(12, 10)));
        if (damage == "missing")
            QFile::remove(package + "/2DSticker/ears/ears_002.png");
        else if (damage == "folder")
            QDir(package + "/2DSticker/ears").removeRecursively();
        else if (damage == "size")
            QImage(9, 9, QImage::Format_RGB32).save(package + "/2DSticker/ears/ears_001.png");
        const QStringList problems = LWPackageCheck::checkFolder(package).problems;
        if (message.isEmpty()) {
            QCOMPARE(problems, QStringList());
            return;
        }
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().contains(message), qPrintable(problems.first()));
        QVERIFY(problems.first().startsWith("feature 2DSticker: "));
    }

    // --- projects ------------------------------------------------------------------------

    void projectSaveAndReopen()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("hearts");
        QVERIFY(writeFrames(dir.path(), "hearts", 4, QSize(24, 24)));
        LW2DStickerFeatureModel *feature = createSticker("LWFeatureType2DStickerV2");
        feature->importTextureFrom(source);
        feature->addComponent();
        feature->addComponent();
        LW2DSticker *sticker = feature->sticker();
        sticker->modelAt(1)->naviTreeItemRename("Left cheek");
        sticker->modelAt(2)->setChecked(false);
        sticker->modelAt(0)->setFramePos(QPointF(12.5, 40.25));
        auto *faces = qobject_cast<LWFaceIndexModel *>(node(feature->inspectorViewModel().get(), "faceIndexArray"));
        faces->setFaceIndexs({1});
        feature->naviTreeItemInspectorDataChanged();
        feature->setTitle("Hearts");

        struct Saved
        {
            QString title;
            bool checked;
            QString resourceId;
            LW2DStickerAnchors anchors;
            int frameCount;
        };
        QList<Saved> saved;
        for (const LW2DStickerPart *p : sticker->models())
            saved.append({p->title(), p->checked(), p->partData().resourceId, p->anchors(), p->frameCount()});
        QCOMPARE(saved.size(), 3);
        QCOMPARE(saved.at(2).title, QString("hearts"));
        QVERIFY(!saved.at(2).resourceId.isEmpty());

        const QString project = dir.filePath("Project");
        packs()->saveProjAs(project);
        QVERIFY(packs()->isSaved());
        const QJsonObject record =
            LWJsonFile::read(project + "/effect/effect.json").value("effect").toObject().value("Link").toArray().at(0).toObject();
        QCOMPARE(record.value("type").toString(), QString("2DStickerV2"));
        QCOMPARE(record.value("faceIndex").toArray(), QJsonArray{1});
        QVERIFY(record.value("substance").toObject().value("parts").isObject());

        packs()->openProj(project + "/Project.lwproj");
        LW2DStickerFeatureModel *reopened = stickerAt(0);
        QVERIFY(reopened && reopened != feature);
        QCOMPARE(reopened->stickerKind(), 0);
        QCOMPARE(reopened->title(), QString("Hearts"));
        QCOMPARE(reopened->faceIndexes(), QList<int>{1});
        QCOMPARE(reopened->sticker()->modelCount(), 3);
        for (int row = 0; row < saved.size(); ++row) {
            const LW2DStickerPart *p = reopened->sticker()->modelAt(row);
            QCOMPARE(p->title(), saved.at(row).title);
            QCOMPARE(p->checked(), saved.at(row).checked);
            QCOMPARE(p->partData().resourceId, saved.at(row).resourceId);
            QCOMPARE(p->anchors(), saved.at(row).anchors);
            QCOMPARE(p->frameCount(), saved.at(row).frameCount);
        }
        QVERIFY(reopened->sticker()->modelAt(2)->hasResolvedTexture());
        QVERIFY(treeMatches());
        QVERIFY(packs()->isSaved());
    }

private:
    QQmlEngine m_engine;
    PickedDialogs *m_dialogs = nullptr; // owned by the inspector hub
};

LW_TEST_MAIN(TstSticker2DPackage)
#include "tst_sticker2dpackage.moc"
