// The scene view-models without a window: the part editor's selection in
// both directions, moves and scales as undo steps and the numbers they
// refuse, the whole-sticker scene, the documents every scene names, and the
// image providers.

#include "LWStickerTestKit.h"
#include "LWTestMain.h"
#include "app/LWAppHost.h"
#include "app/LWMainWindowController.h"
#include "features/sticker2d/LW2DStickerFeatureModel.h"
#include "features/sticker2d/NS2DStickerParameter.h"
#include "features/sticker2d/LW2DStickerPartSceneViewModel.h"
#include "features/sticker2d/LW2DStickerSceneViewModel.h"
#include "scene/LWAPPViewImageProvider.h"
#include "scene/LWConstructDynamicImage.h"
#include "features/filter/LWFilterSceneViewModel.h"
#include "features/haircolor/LWHairColorSceneViewModel.h"
#include "scene/LWImageProvider.h"
#include "features/makeup/LWMakeupV2SceneViewModel.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickImageProvider>
#include <QSignalSpy>
#include <cmath>
#include <memory>

using namespace LWStickerTestKit;

namespace {

LWUndoStack *stack()
{
    return LWUndoStack::instance();
}

// A sticker of the human face without a project: parts "p0" (row 0, drawn
// on top) to "p<n-1>".
struct Fixture
{
    LW2DStickerPartSceneViewModel scene;
    LW2DSticker sticker{nullptr};

    explicit Fixture(int parts = 3, const QJsonObject &overrides = {})
    {
        sticker.setScene(&scene);
        QJsonObject stored;
        for (int i = 0; i < parts; ++i)
            stored.insert(QStringLiteral("p%1").arg(i), part(5000 - i, overrides));
        sticker.load(QJsonObject{{"version", "1.1"}, {"parts", stored}}, {});
    }
};

// A part whose scale anchors sit at image x ax and bx (y 120) on the key
// points a and b.
QJsonObject scaleAnchors(int a, double ax, int b, double bx)
{
    const QJsonObject scaleX{{"pointA", QJsonArray{anchor(a, ax, 120)}}, {"pointB", QJsonArray{anchor(b, bx, 120)}}};
    return {{"scale", QJsonObject{{"scaleX", scaleX}}}};
}

bool near(QPointF a, QPointF b)
{
    return std::abs(a.x() - b.x()) < 1e-9 && std::abs(a.y() - b.y()) < 1e-9;
}

bool allFinite(const LW2DStickerAnchors &anchors)
{
    QVector<LW2DStickerAnchor> all = anchors.positionX + anchors.positionY;
    all << anchors.rotateCenter << anchors.scaleA << anchors.scaleB;
    return std::all_of(all.cbegin(), all.cend(),
                       [](const LW2DStickerAnchor &a) { return std::isfinite(a.x) && std::isfinite(a.y); });
}

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TstScene : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { LWAppHost::registerTypes(); }
    void cleanup() { stack()->clear(); }

    // Every scene names a document the program carries.
    void documents_data()
    {
        QTest::addColumn<QString>("path");
        LW2DSticker sticker(nullptr);
        QTest::newRow("part editor") << LW2DStickerPartSceneViewModel().qmlPath();
        QTest::newRow("whole sticker") << LW2DStickerSceneViewModel(&sticker).qmlPath();
        QTest::newRow("makeup") << LWMakeupV2SceneViewModel(nullptr).qmlPath();
        QTest::newRow("filter") << LWFilterSceneViewModel().qmlPath();
        QTest::newRow("hair colour") << LWHairColorSceneViewModel().qmlPath();
    }
    void documents()
    {
        QFETCH(QString, path);
        QVERIFY2(path.startsWith("qrc:/") && QFile::exists(path.mid(3)), qPrintable(path));
        // What the interface reads through the base class.
        LWFilterSceneViewModel filter;
        LWSceneViewModel *base = &filter;
        QCOMPARE(base->property("qmlPath").toString(), filter.qmlPath());
        QCOMPARE(base->property("is3DScene").toBool(), false);
    }

    // --- selection ----------------------------------------------------------------------

    // The view counts from the bottom of the drawing, the sticker from the
    // top: view index i is sticker row (count - i - 1).
    void selectIndexConverts_data()
    {
        QTest::addColumn<int>("qmlIndex");
        QTest::addColumn<int>("row"); // -1: nothing selected
        QTest::addColumn<int>("readBack");
        QTest::newRow("first drawn is the last part") << 0 << 2 << 0;
        QTest::newRow("middle") << 1 << 1 << 1;
        QTest::newRow("last drawn is the first part") << 2 << 0 << 2;
        QTest::newRow("past the end: none") << 3 << -1 << 3;
        QTest::newRow("negative: none") << -1 << -1 << 3;
    }
    void selectIndexConverts()
    {
        QFETCH(int, qmlIndex);
        QFETCH(int, row);
        QFETCH(int, readBack);
        Fixture f;
        QCOMPARE(f.scene.qmlSelectIndex(), 3); // nothing selected yet
        QSignalSpy changed(&f.scene, &LW2DStickerPartSceneViewModel::qmlSelectIndexChanged);
        // Start from another selection so that "none" is a change too.
        f.scene.setQmlSelectIndex(qmlIndex == 1 ? 0 : 1);
        changed.clear();
        f.scene.setQmlSelectIndex(qmlIndex);
        QCOMPARE(f.scene.selectedPart(), row < 0 ? nullptr : f.sticker.modelAt(row));
        QCOMPARE(f.scene.qmlSelectIndex(), readBack);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().toInt(), readBack);
        // The same index again is no change.
        f.scene.setQmlSelectIndex(qmlIndex);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(f.scene.partAt(readBack), f.scene.selectedPart());
    }

    // A part chosen in the tree becomes the scene's selection; the
    // selection stays on its part while the list changes around it.
    void selectionFollowsTreeAndList()
    {
        Fixture f;
        QSignalSpy changed(&f.scene, &LW2DStickerPartSceneViewModel::qmlSelectIndexChanged);
        LW2DStickerPart *first = f.sticker.modelAt(0);
        f.scene.focusItem(first);
        QCOMPARE(f.scene.selectedPart(), first);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.last().first().toInt(), 2);
        f.scene.focusItem(first);
        QCOMPARE(changed.size(), 1);

        // A part of another sticker, or no part at all, is not ours.
        Fixture other(1);
        f.scene.focusItem(other.sticker.modelAt(0));
        f.scene.focusItem(nullptr);
        QCOMPARE(f.scene.selectedPart(), first);

        // Appended at the end (drawn first): the selected part moves up in
        // the view's list.
        f.sticker.insertPart(3, f.sticker.modelAt(2)->partData());
        QCOMPARE(f.scene.selectedPart(), first);
        QCOMPARE(f.scene.qmlSelectIndex(), 3);
        QCOMPARE(changed.last().first().toInt(), 3);
        QCOMPARE(f.scene.listPartObject().value(3), first);

        // Removed: nothing is selected any more.
        f.sticker.removeModel(first);
        delete first;
        QCOMPARE(f.scene.selectedPart(), nullptr);
        QCOMPARE(f.scene.qmlSelectIndex(), 3);
    }

    // Choosing a part in the scene selects it in the effect tree, and the
    // tree's selection comes back to the scene without a loop.
    void sceneSelectionReachesTheTree()
    {
        QQmlEngine engine;
        LWMainWindowController *controller = LWMainWindowController::instance();
        LWAppHost::publishServices(engine);
        auto *packs = LWEffectPackManager::instance();
        packs->createProj();
        packs->createFeatureToWorkSpaceEffect("LWFeatureType2DSticker");
        auto *feature = dynamic_cast<LW2DStickerFeatureModel *>(packs->effect()->featureAt(0));
        QVERIFY(feature);
        feature->addComponent();
        feature->addComponent();
        LW2DSticker *sticker = feature->sticker();
        QCOMPARE(sticker->modelCount(), 2);
        LW2DStickerPartSceneViewModel *scene = feature->partScene();

        // The feature shows the whole sticker; its parts the part editor.
        QVERIFY(qobject_cast<LW2DStickerSceneViewModel *>(feature->sceneViewModel()));
        QCOMPARE(sticker->modelAt(0)->sceneViewModel(), scene);

        QSignalSpy changed(scene, &LW2DStickerPartSceneViewModel::qmlSelectIndexChanged);
        scene->setQmlSelectIndex(0);
        QCOMPARE(controller->selectedEffectItem(), sticker->modelAt(1));
        QCOMPARE(controller->sceneViewModel(), scene);
        QCOMPARE(changed.size(), 1);

        // What a scene reports reaches the controller while it is shown.
        QSignalSpy reported(controller, &LWMainWindowController::sceneViewDataChanged);
        emit scene->sceneViewDataChanged(QJsonValue(7), QStringLiteral("probe"));
        QCOMPARE(reported.size(), 1);
        packs->clearWorkspace();
    }

    // --- moving and scaling --------------------------------------------------------------

    void moveIsOneStepUndoneAndRedone()
    {
        Fixture f;
        LW2DStickerPart *p = f.scene.partAt(0);
        const QPointF before = p->framePos();
        const QPointF target = before + QPointF(37.25, -12.5);
        f.scene.movePart(0, target);
        QCOMPARE(stack()->count(), 1);
        QVERIFY(near(p->framePos(), target));
        stack()->undo();
        QVERIFY(near(p->framePos(), before));
        stack()->redo();
        QVERIFY(near(p->framePos(), target));

        // Where it already is, or closer than a millionth: no step.
        f.scene.movePart(0, p->framePos());
        f.scene.movePart(0, p->framePos() + QPointF(1e-7, -1e-7));
        QCOMPARE(stack()->count(), 1);
        // Past the end of the list: no part, no step.
        f.scene.movePart(3, target);
        QCOMPARE(stack()->count(), 1);
    }

    // The handle's factor multiplies the scale about the top-left corner,
    // never below 0.05 unless the part was already smaller.
    void scaleIsOneStepWithAFloor_data()
    {
        QTest::addColumn<double>("imageDistance"); // between the scale anchors
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("expectedFactor"); // 0: no step
        // The eyes lie some 240 face pixels apart on the human face.
        QTest::newRow("doubled") << 120.0 << 2.0 << 2.0;
        QTest::newRow("halved") << 120.0 << 0.5 << 0.5;
        QTest::newRow("stops at 0.05") << 120.0 << 0.001 << -1.0;
        QTest::newRow("small part grows") << 12000.0 << 3.0 << 3.0;
        QTest::newRow("small part held") << 12000.0 << 0.5 << 0.0;
    }
    void scaleIsOneStepWithAFloor()
    {
        QFETCH(double, imageDistance);
        QFETCH(double, factor);
        QFETCH(double, expectedFactor);
        Fixture f(1, scaleAnchors(74, 100, 77, 100 + imageDistance));
        LW2DStickerPart *p = f.scene.partAt(0);
        const double scale = p->partScale();
        const QPointF corner = p->framePos();
        f.scene.scalePart(0, factor);
        if (expectedFactor == 0.0) {
            QCOMPARE(stack()->count(), 0);
            QCOMPARE(p->partScale(), scale);
            return;
        }
        QCOMPARE(stack()->count(), 1);
        const double expected = expectedFactor < 0 ? LW2DStickerPartSceneViewModel::kMinScale : scale * expectedFactor;
        QVERIFY2(std::abs(p->partScale() - expected) < 1e-9, qPrintable(QString::number(p->partScale())));
        QVERIFY(near(p->framePos(), corner));
        stack()->undo();
        QVERIFY(std::abs(p->partScale() - scale) < 1e-12);
        stack()->redo();
        QVERIFY(std::abs(p->partScale() - expected) < 1e-9);
    }

    // Numbers that are not finite, or a part whose scale does not compute,
    // never reach the part's anchors.
    void badNumbersAreRefused_data()
    {
        QTest::addColumn<bool>("flatScale"); // both scale anchors on one key point: scale 0
        QTest::addColumn<QPointF>("position");
        QTest::addColumn<double>("factor");
        const double nan = qQNaN();
        const double inf = qInf();
        QTest::newRow("NaN position") << false << QPointF(nan, 10) << 1.0;
        QTest::newRow("infinite position") << false << QPointF(10, -inf) << 1.0;
        QTest::newRow("NaN factor") << false << QPointF(nan, nan) << nan;
        QTest::newRow("zero factor") << false << QPointF(nan, nan) << 0.0;
        QTest::newRow("negative factor") << false << QPointF(nan, nan) << -2.0;
        QTest::newRow("infinite factor") << false << QPointF(nan, nan) << inf;
        QTest::newRow("scale 0: move") << true << QPointF(40, 40) << 1.0;
        QTest::newRow("scale 0: scale") << true << QPointF(nan, nan) << 2.0;
    }
    void badNumbersAreRefused()
    {
        QFETCH(bool, flatScale);
        QFETCH(QPointF, position);
        QFETCH(double, factor);
        Fixture f(1, flatScale ? scaleAnchors(74, 100, 74, 220) : QJsonObject());
        LW2DStickerPart *p = f.scene.partAt(0);
        QCOMPARE(p->partScale() == 0.0, flatScale);
        const LW2DStickerAnchors before = p->anchors();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("2D sticker scene: part .* not (moved|scaled)"));
        if (factor == 1.0)
            f.scene.movePart(0, position);
        else
            f.scene.scalePart(0, factor);
        // The part's own property refuses the same.
        p->setProperty("framePos", QPointF(qQNaN(), 1));
        QCOMPARE(stack()->count(), 0);
        QCOMPARE(p->anchors(), before);
        QVERIFY(allFinite(p->anchors()));
    }

    // --- the whole sticker ----------------------------------------------------------------

    void wholeStickerScene()
    {
        Fixture f;
        LW2DStickerSceneViewModel whole(&f.sticker);
        QObjectList expected;
        for (int row = 2; row >= 0; --row)
            expected << f.sticker.modelAt(row);
        QCOMPARE(whole.listPartObject(), expected);
        QCOMPARE(f.scene.listPartObject(), expected);

        QSignalSpy parts(&whole, &LW2DStickerSceneViewModel::listPartObjectChanged);
        f.sticker.movePart(0, 2);
        QCOMPARE(parts.size(), 1);
        QCOMPARE(whole.listPartObject().first(), f.sticker.modelAt(2));

        QSignalSpy background(&whole, &LW2DStickerSceneViewModel::backgroundImageChanged);
        QCOMPARE(whole.backgroundImage(), QString("qrc:/LW2DSticker/imgStandardFaceHuman.png"));
        QCOMPARE(whole.backgroundSize(), QSizeF(720, 1280));
        f.scene.setFaceType(NS2DStickerParameter::FaceTypeCat);
        QCOMPARE(background.size(), 1);
        QCOMPARE(whole.backgroundImage(), QString("qrc:/LW2DSticker/imgStandardFaceCat.jpg"));
        QCOMPARE(whole.backgroundSize(), QSizeF(520, 924));
        // A face without picture still gives the views a size to divide by.
        f.scene.setFaceType(2);
        QVERIFY(whole.backgroundImage().isEmpty());
        QCOMPARE(f.scene.backgroundSize(), QSizeF(720, 1280));
    }

    // --- image providers -------------------------------------------------------------------

    void imageProviderTable()
    {
        LWImageProvider *provider = LWImageProvider::instance();
        const int before = provider->count();
        provider->insert("scene_a", filled(QSize(40, 20), Qt::red));
        provider->insert("scene_a", filled(QSize(40, 20), Qt::blue)); // replaces
        provider->insert("", filled(QSize(4, 4), Qt::red));
        provider->insert("scene_null", QImage());
        QCOMPARE(provider->count(), before + 1);

        QSize size;
        QImage image = provider->requestImage("scene_a", &size, QSize());
        QCOMPARE(size, QSize(40, 20));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::blue));
        image = provider->requestImage("scene_a", &size, QSize(10, 10));
        QCOMPARE(size, QSize(40, 20));
        QCOMPARE(image.size(), QSize(10, 5));
        // Never inserted: a null image, not a stand-in.
        QVERIFY(provider->requestImage("scene_none", &size, QSize()).isNull());
        QCOMPARE(size, QSize(0, 0));

        // The engines own their providers and delete them with themselves;
        // the pictures belong to the process and outlive every engine.
        for (int round = 0; round < 2; ++round) {
            QQmlEngine engine;
            LWAppHost::publishServices(engine);
            auto *served = dynamic_cast<QQuickImageProvider *>(engine.imageProvider("imageProvider"));
            QVERIFY(served);
            QVERIFY(served != provider);
            QCOMPARE(served->requestImage("scene_a", &size, QSize()).pixelColor(0, 0), QColor(Qt::blue));
            QVERIFY(engine.imageProvider("appImgFolder"));
            QCOMPARE(engine.rootContext()->contextProperty("dynamicImgUpdate").value<QObject *>(),
                     LWConstructDynamicImage::instance());
        }
        provider->insert("scene_b", filled(QSize(2, 2), Qt::green));
        QCOMPARE(provider->count(), before + 2);
    }

    void appViewImageFallsBackToTheMeanFace()
    {
        LWConstructDynamicImage *owner = LWConstructDynamicImage::instance();
        QCOMPARE(owner->imageMode(), 2);
        QCOMPARE(owner->imageStep(), 1);
        std::unique_ptr<LWAPPViewImageProvider> provider(owner->imageProvider());
        QSize size;
        // The id is ignored; until a picture is set the mean face answers.
        QImage image = provider->requestImage("anything", &size, QSize());
        QCOMPARE(size, QSize(720, 1280));
        QCOMPARE(image.size(), QSize(720, 1280));
        QCOMPARE(provider->requestImage("", &size, QSize(90, 90)).size(), QSize(50, 90));

        QSignalSpy changed(owner, &LWConstructDynamicImage::callMakeupImageChanged);
        const QString firstSource = owner->imageSource();
        owner->setImage(filled(QSize(30, 60), Qt::yellow));
        QCOMPARE(changed.size(), 1);
        QVERIFY(owner->imageSource() != firstSource);
        QVERIFY(owner->imageSource().startsWith("image://appImgFolder/"));
        image = provider->requestImage("x", &size, QSize());
        QCOMPARE(size, QSize(30, 60));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::yellow));
        // A picture of no size brings the mean face back.
        owner->setImage(QImage(QSize(0, 5), QImage::Format_ARGB32));
        QCOMPARE(provider->requestImage("x", &size, QSize()).size(), QSize(720, 1280));
    }
};

LW_TEST_MAIN(TstScene)
#include "tst_scene.moc"
