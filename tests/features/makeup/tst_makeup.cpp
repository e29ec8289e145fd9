#include "LWMakeupTestKit.h"
#include "LWTestMain.h"
#include "common/LWUsageEvents.h"
#include "features/LWMenuItemModel.h"
#include "inspector/LWFaceIndexModel.h"
#include "inspector/LWPropBoolViewModel.h"
#include "inspector/LWPropFloatRangeViewModel.h"
#include "inspector/LWPropIntViewModel.h"
#include "inspector/LWPropOptionViewModel.h"
#include "navigation/LWEffectNaviTreeModel.h"
#include "package/LWPackageCheck.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace LWMakeupTestKit;

namespace {

const QString kRes = QStringLiteral(":/LWFaceMakeUpV2/res/");

// Chooses the resource in a filter's drop-down, as the author would.
bool choose(LWFaceMakeupV2FilterBase *filter, const QString &key, const QString &resourceId)
{
    auto *option = node<LWPropOptionViewModel>(filter, key);
    if (!option)
        return false;
    for (int i = 0; i < option->entryCount(); ++i) {
        if (LWPropChoiceViewModel::keyOf(option->entry(i).value) == resourceId) {
            option->setOptionIndex(i);
            return true;
        }
    }
    return false;
}

QString importPicture(const QImage &image, const QString &path)
{
    save(image, path);
    ImportResourceParam param;
    param.returnResourceId = true;
    param.withUndo = false;
    return packs()->importFileToWorkSpaceResource(path, param);
}

QStringList titles(LWFaceMakeUpV2Model *makeup)
{
    QStringList list;
    for (LWFaceMakeupV2FilterBase *filter : makeup->models())
        list << filter->title();
    return list;
}

} // namespace

class TstMakeup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { wireApplication(m_engine); }
    void init() { newProject(); }
    void cleanup() { packs()->clearWorkspace(); }

    // --- the eleven kinds -----------------------------------------------------

    void filterKinds_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("filterType");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("blendMode"); // -1: not written
        QTest::addColumn<QString>("extraKey");
        QTest::addColumn<QString>("cutKey");
        QTest::addColumn<QString>("profile");

        const QString seq = "2d_sequence_resources", blend = "blend_resources", mask = "mask_resources",
                      lookup = "lookup_resources";
        QTest::newRow("mask") << "mask" << "LWFaceMakeUpV2FilterMask" << "mask" << 0 << QStringList{seq} << 0 << ""
                              << seq << "LWFaceMakeUpV2MaskProfile.json";
        QTest::newRow("lips_keypoint") << "lips_keypoint" << "LWFaceMakeUpV2FilterLipsKeyPoint" << "Lips(Keypoint)" << 1
                                       << QStringList{lookup, mask} << -1 << "" << mask
                                       << "LWFaceMakeUpV2LipsKeyPointProfile.json";
        QTest::newRow("teeth") << "teeth" << "LWFaceMakeUpV2FilterTeethWhiten" << "Teeth" << 2
                               << QStringList{lookup, mask} << -1 << "" << mask << "LWFaceMakeUpV2TeethProfile.json";
        QTest::newRow("lips_seg") << "lips_seg" << "LWFaceMakeUpV2FilterLipSeg" << "Lips(Segment)" << 3
                                  << QStringList{lookup} << -1 << "" << "" << "LWFaceMakeUpV2LipsSegProfile.json";
        QTest::newRow("brow") << "brow" << "LWFaceMakeUpV2FilterBrow" << "Brow" << 4 << QStringList{blend, mask} << 1
                              << "browV2Param" << "" << "LWFaceMakeUpV2BrowProfile.json";
        QTest::newRow("eye_part") << "eye_part" << "LWFaceMakeUpV2FilterEyePart" << "Eye" << 6 << QStringList{seq} << 0
                                  << "" << seq << "LWFaceMakeUpV2EyePartProfile.json";
        QTest::newRow("mouth_part") << "mouth_part" << "LWFaceMakeUpV2FilterMouthPart" << "Mouth" << 7
                                    << QStringList{blend} << 0 << "" << blend << "LWFaceMakeUpV2MouthPart.json";
        QTest::newRow("pupil") << "pupil" << "LWFaceMakeUpV2FilterPupil" << "Pupil" << 8 << QStringList{blend, mask}
                               << 0 << "pupilV2Param" << mask << "LWFaceMakeUpV2PupilProfile.json";
        QTest::newRow("lips_v2") << "lips_v2" << "LWFaceMakeUpV2FilterLipsV2" << "Lip V2" << 9 << QStringList{blend}
                                 << -1 << "lipV2Param" << "" << "LWFaceMakeUpV2Lipsv2Profile.json";
        QTest::newRow("jiemao_v2") << "jiemao_v2" << "LWFaceMakeUpV2FilterJieMao" << "Eyelash" << 10
                                   << QStringList{seq} << 15 << "" << "" << "LWFaceMakeUpV2JiemaoV2.json";
        QTest::newRow("lips_v3") << "lips_v3" << "LWFaceMakeUpV2FilterLipV3" << "lips(V3)" << 11
                                 << QStringList{blend, seq, lookup} << -1 << "lipV2Param" << ""
                                 << "LWFaceMakeUpV2Lipsv3Profile.json";
    }

    // Each kind: created with its defaults, edited in its panel, exported,
    // and read back from the package to the same document and pictures.
    void filterKinds()
    {
        QFETCH(QString, type);
        QFETCH(QString, className);
        QFETCH(QString, title);
        QFETCH(int, filterType);
        QFETCH(QStringList, keys);
        QFETCH(int, blendMode);
        QFETCH(QString, extraKey);
        QFETCH(QString, cutKey);
        QFETCH(QString, profile);

        for (const char *suffix : {"", "_EN", "_JP", "_KR"}) {
            const QString file = ":/LWFaceMakeUpV2/profile/" + QString(profile).replace(".json", QString(suffix) + ".json");
            QVERIFY2(!LWJsonFile::read(file).value("LWEntry").isUndefined(), qPrintable(file));
        }

        LWFaceMakeUpV2Model *makeup = newMakeup();
        QVERIFY(makeup);
        LWFaceMakeupV2FilterBase *filter = addFilter(makeup, type);
        QVERIFY(filter);
        QCOMPARE(filter->metaObject()->className(), qPrintable(className));
        QCOMPARE(filter->title(), title);
        QCOMPARE(int(filter->filterType()), filterType);
        QVERIFY(treeMatches(makeup));
        for (const QString &key : keys)
            QVERIFY2(LWResourceManager::instance()->findRecord(filter->resourceId(key)), qPrintable(key));

        // Edits reach the filter through the controller.
        select(filter);
        auto *intensity = node<LWPropFloatRangeViewModel>(filter, "intensity");
        QVERIFY(intensity);
        intensity->setFloatValue(0.25);
        QCOMPARE(filter->intensity(), 0.25);
        if (blendMode >= 0) {
            auto *blend = node<LWPropIntViewModel>(filter, "blendMode");
            QVERIFY(blend);
            QCOMPARE(blend->intValue(), blendMode);
            blend->setIntValue(7);
            QCOMPARE(filter->blendMode(), 7);
        } else {
            QVERIFY(!node<LWPropIntViewModel>(filter, "blendMode"));
        }

        QTemporaryDir first;
        const QJsonObject exported = exportMakeup(makeup, first.path());
        const QString featureFolder = first.path() + "/" + makeup->path();
        QCOMPARE(exported.value("filters").toArray().size(), 1);
        const QJsonObject written = filterAt(exported, 0);
        QCOMPARE(written.value("filterType").toString(), type);
        QCOMPARE(written.value("zPosition").toInt(), 5000);
        QCOMPARE(written.value("intensity").toDouble(), 0.25);
        QCOMPARE(written.contains("blendMode"), blendMode >= 0);
        if (blendMode >= 0)
            QCOMPARE(written.value("blendMode").toInt(), 7);
        QCOMPARE(written.contains(extraKey), !extraKey.isEmpty());
        QVERIFY(!written.contains("reflect_resources"));
        QVERIFY(!written.contains("name") && !written.contains("checked"));
        for (const QString &key : keys) {
            const QJsonObject record = written.value(key).toObject();
            QVERIFY2(record.value("imageCount").toInt() >= 1, qPrintable(key));
            QVERIFY(record.value("path").toString().endsWith("/"));
            for (const QString &frame : framesOf(featureFolder, record))
                QVERIFY2(QFileInfo(frame).isFile(), qPrintable(frame));
        }

        const QRect rect = rectOf(written);
        if (type == "lips_v2" || type == "lips_v3") {
            QCOMPARE(rect, QRect(215, 665, 291, 132));
        } else if (type == "teeth") {
            QCOMPARE(rect, QRect(488, 722, 260, 130));
        } else if (!cutKey.isEmpty()) {
            // Cut to the visible part of the default picture, in the face.
            const QJsonObject record = written.value(cutKey).toObject();
            const QImage cut = argb(framesOf(featureFolder, record).first());
            QCOMPARE(cut.size(), rect.size());
            QVERIFY(QRect(0, 0, 1280, 1280).contains(rect));
            QCOMPARE(visibleRect(cut), QRect(QPoint(0, 0), rect.size()));
        } else {
            QCOMPARE(rect, QRect(0, 0, 1280, 1280));
        }

        // Read back from the package: the same makeup comes out again.
        LWFaceMakeUpV2Model *imported = importIntoNewProject(first.path());
        QVERIFY(imported);
        QCOMPARE(imported->modelCount(), 1);
        QCOMPARE(imported->modelAt(0)->typeKey(), type);
        QVERIFY(treeMatches(imported));
        QTemporaryDir second;
        const QJsonObject again = exportMakeup(imported, second.path());
        QCOMPARE(withoutNames(again), withoutNames(exported));
        QVERIFY(samePictures(featureFolder, exported, second.path() + "/" + imported->path(), again));
    }

    // --- the makeup document ---------------------------------------------------

    void standardFace_data()
    {
        QTest::addColumn<QJsonValue>("size");
        QTest::addColumn<QRect>("defaultRect");
        QTest::addColumn<int>("standardType");
        QTest::newRow("1280") << QJsonValue(QJsonObject{{"width", 1280}, {"height", 1280}}) << QRect(0, 0, 1280, 1280)
                              << 2;
        QTest::newRow("1200") << QJsonValue(QJsonObject{{"width", 1200}, {"height", 1200}}) << QRect(0, 0, 1200, 1200)
                              << 1;
        QTest::newRow("1200 x 1000") << QJsonValue(QJsonObject{{"width", 1200}, {"height", 1000}})
                                     << QRect(0, 0, 720, 900) << 0;
        QTest::newRow("zero") << QJsonValue(QJsonObject{{"width", 0}, {"height", 0}}) << QRect(0, 0, 720, 900) << 0;
        QTest::newRow("width only") << QJsonValue(QJsonObject{{"width", 1280}}) << QRect(0, 0, 720, 900) << 0;
        QTest::newRow("not an object") << QJsonValue(QJsonArray{1280, 1280}) << QRect(0, 0, 1200, 1200) << 1;
    }
    void standardFace()
    {
        QFETCH(QJsonValue, size);
        QFETCH(QRect, defaultRect);
        QFETCH(int, standardType);
        QTemporaryDir package;
        QJsonObject doc = document({QJsonObject{{"filterType", "lips_seg"}}}, {{"faceSDKType", 1}});
        doc.insert("standardFaceSize", size);
        writePackage(package.path(), doc);
        LWFaceMakeUpV2Model *makeup = importIntoNewProject(package.path());
        QVERIFY(makeup);
        QCOMPARE(makeup->getDefaultSize(), defaultRect);
        QCOMPARE(int(makeup->standardType()), standardType);
        QCOMPARE(makeup->faceSDK(), 2);
        QCOMPARE(makeup->makeupScene()->standardFaceWidth(), defaultRect.width());
        QCOMPARE(makeup->modelAt(0)->standardFaceWidth(), defaultRect.width());
        QTemporaryDir out;
        QCOMPARE(exportMakeup(makeup, out.path()).value("faceSDKType").toInt(), 2);
        QCOMPARE(makeup->storeDocument().value("faceSDKType").toInt(), 2);
    }

    // Faces: none chosen exports every face and saves none; chosen faces go
    // both ways.
    void faceIdRules()
    {
        LWFaceMakeUpV2Model *makeup = newMakeup("mask");
        QTemporaryDir out;
        QCOMPARE(exportMakeup(makeup, out.path()).value("faceID").toArray(), (QJsonArray{0, 1, 2, 3, 4, 5}));
        QVERIFY(!makeup->storeDocument().contains("faceID"));

        select(makeup);
        auto *faces = node<LWFaceIndexModel>(makeup, "faceIndexArray");
        QVERIFY(faces);
        faces->setFaceIndexs({1, 3});
        QCOMPARE(exportMakeup(makeup, out.path()).value("faceID").toArray(), (QJsonArray{1, 3}));
        QCOMPARE(makeup->storeDocument().value("faceID").toArray(), (QJsonArray{1, 3}));

        // And they come back from a package.
        LWFaceMakeUpV2Model *imported = importIntoNewProject(out.path());
        QCOMPARE(imported->faceList(), (QList<int>{1, 3}));
    }

    void uncheckedFiltersLeftOut()
    {
        LWFaceMakeUpV2Model *makeup = newMakeup("mask");
        LWFaceMakeupV2FilterBase *brow = addFilter(makeup, "brow");
        LWFaceMakeupV2FilterBase *lips = addFilter(makeup, "lips_v3");
        lips->setChecked(false);
        QTemporaryDir out;
        QJsonArray filters = exportMakeup(makeup, out.path()).value("filters").toArray();
        QCOMPARE(filters.size(), 2);
        QCOMPARE(filters.at(1).toObject().value("filterType").toString(), QString("brow"));
        // The engine version follows what is exported, not what once was.
        QCOMPARE(makeup->sdkVersion(), QString("2.8.0"));
        lips->setChecked(true);
        exportMakeup(makeup, out.path());
        QCOMPARE(makeup->sdkVersion(), QString("2.9.0"));
        QCOMPARE(LWJsonFile::read(out.path() + "/config.json").value("version").toString(), QString("2.9.0"));

        makeup->modelAt(0)->setChecked(false);
        brow->setChecked(false);
        lips->setChecked(false);
        QCOMPARE(exportMakeup(makeup, out.path()).value("filters").toArray(), QJsonArray());
        QCOMPARE(makeup->sdkVersion(), QString("2.8.0"));
        // The project keeps every filter with its box.
        const QJsonArray stored = makeup->storeDocument().value("filters").toArray();
        QCOMPARE(stored.size(), 3);
        QCOMPARE(stored.at(0).toObject().value("checked").toBool(true), false);
    }

    // The top of the tree is drawn last: 5000 down; a document read in
    // another array order follows its z-positions.
    void zPositions()
    {
        LWFaceMakeUpV2Model *makeup = newMakeup("mask");
        for (const char *type : {"brow", "eye_part", "pupil"})
            addFilter(makeup, type);
        QTemporaryDir out;
        const QJsonArray filters = exportMakeup(makeup, out.path()).value("filters").toArray();
        QCOMPARE(filters.size(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(filters.at(i).toObject().value("zPosition").toInt(), 5000 - i);

        QTemporaryDir package;
        writePackage(package.path(), document({QJsonObject{{"filterType", "lips_seg"}, {"zPosition", 4998}},
                                               QJsonObject{{"filterType", "teeth"}, {"zPosition", 5000}},
                                               QJsonObject{{"filterType", "lips_v2"}, {"zPosition", 4999}}}));
        LWFaceMakeUpV2Model *imported = importIntoNewProject(package.path());
        QCOMPARE(titles(imported), (QStringList{"Teeth", "Lip V2", "Lips(Segment)"}));
    }

    // --- textures ---------------------------------------------------------------

    void emptySlots_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("defaultPicture");
        QTest::newRow("mask") << "mask" << "2d_sequence_resources" << true;
        QTest::newRow("eye") << "eye_part" << "2d_sequence_resources" << true;
        QTest::newRow("brow texture") << "brow" << "blend_resources" << true;
        QTest::newRow("brow mask") << "brow" << "mask_resources" << true;
        QTest::newRow("mouth") << "mouth_part" << "blend_resources" << false;
        QTest::newRow("lips lookup") << "lips_seg" << "lookup_resources" << false;
    }
    // A slot set to "None": the engine still gets a transparent picture
    // where it needs one.
    void emptySlots()
    {
        QFETCH(QString, type);
        QFETCH(QString, key);
        QFETCH(bool, defaultPicture);
        LWFaceMakeUpV2Model *makeup = newMakeup();
        LWFaceMakeupV2FilterBase *filter = addFilter(makeup, type);
        select(filter);
        auto *option = node<LWPropOptionViewModel>(filter, key);
        QVERIFY(option);
        option->setOptionIndex(0);
        QCOMPARE(filter->resourceId(key), QString());
        QTemporaryDir out;
        const QJsonObject record = filterAt(exportMakeup(makeup, out.path()), 0).value(key).toObject();
        if (!defaultPicture) {
            QCOMPARE(record.value("imageCount").toInt(), 0);
            return;
        }
        QCOMPARE(record, (QJsonObject{{"imageCount", 1},
                                      {"imageInterval", 0.05},
                                      {"name", "default_brow_pic"},
                                      {"path", "default_brow_pic/"}}));
        const QImage picture = argb(out.path() + "/" + makeup->path() + "default_brow_pic/default_brow_pic000.png");
        QCOMPARE(picture, argb(kRes + "tranw-brow.png"));
        QVERIFY(visibleRect(picture).isNull());
    }

    // The pupil's folder holds the pupil as 000 and the reflection as 002;
    // without a pupil the eyes are masked out black.
    void pupilExport()
    {
        LWFaceMakeUpV2Model *makeup = newMakeup("pupil");
        LWFaceMakeupV2FilterBase *pupil = makeup->modelAt(0);
        QTemporaryDir scratch;
        const QImage shine = faceFrame(QRect(40, 40, 30, 30), Qt::white, QSize(150, 150));
        const QString shineId = importPicture(shine, scratch.path() + "/shine.png");
        QVERIFY(!shineId.isEmpty());
        select(pupil);

        QTemporaryDir out;
        QJsonObject picture = filterAt(exportMakeup(makeup, out.path()), 0).value("blend_resources").toObject();
        QCOMPARE(picture.value("imageCount").toInt(), 1);
        QString folder = out.path() + "/" + makeup->path() + picture.value("path").toString();
        const QString name = picture.value("name").toString();
        QCOMPARE(argb(folder + name + "000.png"), argb(kRes + "pupilBlend/pupilBlend000.png"));
        // No reflection chosen: a transparent one.
        QCOMPARE(argb(folder + name + "002.png"), argb(kRes + "tranw-brow.png"));

        QVERIFY(choose(pupil, "reflect_resources", shineId));
        QCOMPARE(pupil->resourceId("reflect_resources"), shineId);
        QTemporaryDir withShine;
        picture = filterAt(exportMakeup(makeup, withShine.path()), 0).value("blend_resources").toObject();
        folder = withShine.path() + "/" + makeup->path() + picture.value("path").toString();
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
        QCOMPARE(argb(folder + picture.value("name").toString() + "002.png"), argb(scratch.path() + "/shine.png"));
        QCOMPARE(picture.value("imageCount").toInt(), 1);
        QCOMPARE(makeup->storeDocument().value("filters").toArray().at(0).toObject().value("reflect_resources").toString(),
                 shineId);

        // The reflection comes back from the package as the second picture.
        LWFaceMakeUpV2Model *imported = importIntoNewProject(withShine.path());
        const QString reflection = imported->modelAt(0)->resourceId("reflect_resources");
        QVERIFY(!reflection.isEmpty());
        QCOMPARE(argb(LWResourceManager::instance()->absolutePath(reflection)), argb(scratch.path() + "/shine.png"));

        select(imported->modelAt(0));
        node<LWPropOptionViewModel>(imported->modelAt(0), "blend_resources")->setOptionIndex(0);
        QTemporaryDir blind;
        const QJsonObject filter = filterAt(exportMakeup(imported, blind.path()), 0);
        QCOMPARE(filter.value("blend_resources").toObject().value("imageCount").toInt(), 0);
        const QStringList mask = framesOf(blind.path() + "/" + imported->path(), filter.value("mask_resources").toObject());
        QCOMPARE(mask.size(), 1);
        QCOMPARE(argb(mask.first()), argb(kRes + "blackmask.png"));
    }

    // An eye sequence with transparent margins is cut to the margins of its
    // first frame; every frame is cut alike and the rectangle lands in
    // makeup.json. A picture with nothing visible is copied whole.
    void cropping_data()
    {
        QTest::addColumn<QRect>("visible");
        QTest::addColumn<QRect>("written");
        QTest::newRow("margins") << QRect(400, 500, 300, 120) << QRect(400, 500, 300, 120);
        QTest::newRow("corner") << QRect(0, 0, 10, 1280) << QRect(0, 0, 10, 1280);
        QTest::newRow("nothing visible") << QRect() << QRect(0, 0, 1280, 1280);
    }
    void cropping()
    {
        QFETCH(QRect, visible);
        QFETCH(QRect, written);
        QTemporaryDir package;
        const QString feature = writePackage(package.path(),
                                             document({QJsonObject{{"filterType", "eye_part"},
                                                                   {"2d_sequence_resources", record("shadow/", "shadow_", 3)},
                                                                   {"rect", QJsonObject{{"x", 0}, {"y", 0}}}}}));
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue};
        for (int i = 0; i < 3; ++i)
            save(faceFrame(visible, colours.at(i)), feature + QString("/shadow/shadow_%1.png").arg(i, 3, 10, QChar('0')));

        LWFaceMakeUpV2Model *makeup = importIntoNewProject(package.path());
        QVERIFY(makeup);
        // The imported frames now live in the library; their folder is gone.
        QVERIFY(!QFileInfo::exists(makeup->localAbsolutePath() + "shadow"));
        QTemporaryDir out;
        const QJsonObject filter = filterAt(exportMakeup(makeup, out.path()), 0);
        QCOMPARE(rectOf(filter), written);
        const QStringList frames = framesOf(out.path() + "/" + makeup->path(), filter.value("2d_sequence_resources").toObject());
        QCOMPARE(frames.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QImage frame = argb(frames.at(i));
            QCOMPARE(frame.size(), written.size());
            if (visible.isValid())
                QCOMPARE(frame.pixel(0, 0), colours.at(i).rgba());
        }

        // Cut pictures stay cut: a second round keeps rectangle and pictures.
        LWFaceMakeUpV2Model *again = importIntoNewProject(out.path());
        QCOMPARE(again->modelAt(0)->filterWidth(), written.width());
        QCOMPARE(again->modelAt(0)->filterPos(), QPointF(written.topLeft()));
        QTemporaryDir second;
        const QJsonObject filter2 = filterAt(exportMakeup(again, second.path()), 0);
        QCOMPARE(rectOf(filter2), written);
        QCOMPARE(argb(framesOf(second.path() + "/" + again->path(), filter2.value("2d_sequence_resources").toObject()).at(2)),
                 argb(frames.at(2)));
    }

    void clipedImage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("frame.png");
        save(faceFrame(QRect(10, 20, 30, 40), Qt::red, QSize(100, 100)), path);
        QRect rect;
        QVERIFY(LWFaceMakeUpV2Model::clipedImage(path, rect));
        QCOMPARE(rect, QRect(10, 20, 30, 40));
        QCOMPARE(QImage(path).size(), QSize(30, 40));

        save(faceFrame(QRect(), Qt::red, QSize(100, 100)), path);
        QVERIFY(!LWFaceMakeUpV2Model::clipedImage(path, rect));
        QCOMPARE(QImage(path).size(), QSize(100, 100));
        QVERIFY(!LWFaceMakeUpV2Model::clipedImage(dir.filePath("missing.png"), rect));
    }

    // The brow's intensity and thickness are two values, in the package and
    // in the panel.
    void browKeepsIntensityAndThickness()
    {
        QTemporaryDir package;
        writePackage(package.path(), document({QJsonObject{{"filterType", "brow"},
                                                           {"intensity", 0.3},
                                                           {"browV2Param", QJsonObject{{"thinIntensity", 0.7}}}}}));
        LWFaceMakeUpV2Model *makeup = importIntoNewProject(package.path());
        LWFaceMakeupV2FilterBase *brow = makeup->modelAt(0);
        QCOMPARE(brow->intensity(), 0.3);
        QCOMPARE(brow->extraValues().value("thinIntensity").toDouble(), 0.7);
        QCOMPARE(brow->blendMode(), 1);

        select(brow);
        node<LWPropFloatRangeViewModel>(brow, "browV2Param")->setFloatValue(0.25);
        QTemporaryDir out;
        const QJsonObject filter = filterAt(exportMakeup(makeup, out.path()), 0);
        QCOMPARE(filter.value("intensity").toDouble(), 0.3);
        QCOMPARE(filter.value("browV2Param").toObject(), (QJsonObject{{"thinIntensity", 0.25}}));
        // No picture chosen in the package: both slots get the default.
        QCOMPARE(filter.value("blend_resources").toObject().value("name").toString(), QString("default_brow_pic"));
    }

    // --- bad input ---------------------------------------------------------------

    void badDocuments_data()
    {
        QTest::addColumn<QJsonObject>("doc");
        QTest::addColumn<bool>("withDocument");
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<int>("faceSDK");
        QTest::addColumn<QString>("version");

        QTest::newRow("no makeup.json") << QJsonObject() << false << QStringList() << 2 << "1.1";
        QTest::newRow("empty object") << QJsonObject() << true << QStringList() << 2 << "1.1";
        QTest::newRow("wrong types") << QJsonObject{{"faceSDKType", "3"}, {"standardFaceSize", 1280}, {"filters", QJsonObject()},
                                                    {"version", 2}, {"faceID", "all"}, {"standardFaceKeyPoints", 5}}
                                     << true << QStringList() << 2 << "1.1";
        QTest::newRow("unknown filters")
            << document({QJsonObject{{"filterType", "sparkle"}}, QJsonObject{{"filterType", 5}}, QJsonObject{{"zPosition", 3}},
                         QJsonValue("mask"), QJsonObject{{"filterType", "mask"}}},
                        {{"faceSDKType", 3}, {"version", "1.2"}})
            << true << QStringList{"mask"} << 3 << "1.2";
        // Found by fuzzing: numbers beyond an int (converting them was
        // undefined), and a rectangle whose far edge passed the int range.
        QTest::newRow("numbers beyond int") << QJsonDocument::fromJson(R"({
            "filters": [{"filterType": "pupil", "rect": {"width": 11111111111, "y": 1e30}, "zPosition": -1e308}]})")
                                                   .object()
                                            << true << QStringList{"pupil"} << 2 << "1.1";
    }
    void badDocuments()
    {
        QFETCH(QJsonObject, doc);
        QFETCH(bool, withDocument);
        QFETCH(QStringList, types);
        QFETCH(int, faceSDK);
        QFETCH(QString, version);
        QTemporaryDir package;
        writePackage(package.path(), doc, withDocument);
        LWFaceMakeUpV2Model *makeup = importIntoNewProject(package.path());
        QVERIFY(makeup);
        QStringList read;
        for (LWFaceMakeupV2FilterBase *filter : makeup->models())
            read << filter->typeKey();
        QCOMPARE(read, types);
        QCOMPARE(makeup->faceSDK(), faceSDK);
        QCOMPARE(makeup->version(), version);
        QCOMPARE(makeup->standardFaceKeyPointsPath(), QString("mask/texcoord.txt"));
        QVERIFY(makeup->faceList().isEmpty());
        QTemporaryDir out;
        const QJsonObject exported = exportMakeup(makeup, out.path());
        QCOMPARE(exported.value("filters").toArray().size(), types.size());
        QVERIFY(QFileInfo(out.path() + "/" + makeup->path() + "mask/texcoord.txt").isFile());
    }

    // Texture folders that are missing, empty, hold no PNG, or lie outside
    // the feature folder import nothing, and nothing outside is deleted.
    void badTextureFolders()
    {
        QTemporaryDir package;
        const QString feature = writePackage(
            package.path(),
            document({QJsonObject{{"filterType", "brow"},
                                  {"blend_resources", record("empty/", "empty")},
                                  {"mask_resources", record("jpegs/", "jpegs")}},
                      QJsonObject{{"filterType", "mask"}, {"2d_sequence_resources", record("../outside/", "outside_")}},
                      QJsonObject{{"filterType", "mouth_part"}, {"blend_resources", record("missing/", "missing")}},
                      QJsonObject{{"filterType", "teeth"}, {"mask_resources", record("", "makeup")}},
                      QJsonObject{{"filterType", "lips_seg"}, {"lookup_resources", "not a record"}}}));
        QDir().mkpath(feature + "/empty");
        save(faceFrame(QRect(0, 0, 5, 5), Qt::red, QSize(8, 8)), feature + "/jpegs/jpegs000.jpg");
        QFile::rename(feature + "/jpegs/jpegs000.jpg", feature + "/jpegs/jpegs000.jpeg");
        // A picture in the feature folder itself must not make the folder
        // count as imported (it would be deleted).
        save(faceFrame(QRect(0, 0, 5, 5), Qt::red, QSize(8, 8)), feature + "/makeup000.png");

        newProject();
        const QString outside = effect()->folder() + "/outside";
        save(faceFrame(QRect(0, 0, 5, 5), Qt::red, QSize(8, 8)), outside + "/outside_000.png");
        QVERIFY(packs()->importEffect(package.path()));
        LWFaceMakeUpV2Model *makeup = makeupAt(0);
        QCOMPARE(makeup->modelCount(), 5);
        for (LWFaceMakeupV2FilterBase *filter : makeup->models()) {
            for (const char *key : {"blend_resources", "mask_resources", "2d_sequence_resources", "lookup_resources"})
                QVERIFY2(filter->resourceId(key).isEmpty(), qPrintable(filter->typeKey() + " " + QString(key)));
        }
        QVERIFY(QFileInfo(outside + "/outside_000.png").isFile());
        QVERIFY(QFileInfo(makeup->localAbsolutePath() + "makeup.json").isFile());
        QVERIFY(QFileInfo(makeup->localAbsolutePath() + "jpegs").isDir());
        QTemporaryDir out;
        const QJsonObject exported = exportMakeup(makeup, out.path());
        QCOMPARE(filterAt(exported, 1).value("2d_sequence_resources").toObject().value("name").toString(),
                 QString("default_brow_pic"));
        QCOMPARE(filterAt(exported, 2).value("blend_resources").toObject().value("imageCount").toInt(), 0);
    }

    // A layer without a cut texture is written over the engine's standard
    // face, whatever face size the makeup document names.
    void uncutLayerCoversTheStandardFace_data()
    {
        QTest::addColumn<int>("side");
        QTest::newRow("1280") << 1280;
        QTest::newRow("1200") << 1200;
        QTest::newRow("other (720 x 900)") << 1000;
    }
    void uncutLayerCoversTheStandardFace()
    {
        QFETCH(int, side);
        QTemporaryDir package;
        writePackage(package.path(),
                     document({}, {{"standardFaceSize", QJsonObject{{"width", side}, {"height", side}}}}));
        LWFaceMakeUpV2Model *makeup = importIntoNewProject(package.path());
        QVERIFY(makeup);
        QVERIFY(addFilter(makeup, "brow")); // its textures are not cut
        QTemporaryDir out;
        QCOMPARE(rectOf(filterAt(exportMakeup(makeup, out.path()), 0)), QRect(0, 0, 1280, 1280));
    }

    // --- the feature ---------------------------------------------------------------

    void choiceMakesFirstFilter()
    {
        auto *tree = qobject_cast<LWEffectNaviTreeModel *>(LWMainWindowController::instance()->effectNaviTreeModel());
        QVERIFY(tree);
        QCoreApplication::processEvents(); // requests of earlier makeups
        QSignalSpy expanded(tree, &LWEffectNaviTreeModel::expandRequest);
        LWFaceMakeUpV2Model *makeup = newMakeup("pupil");
        // The tree shows the new makeup opened, its first filter in view.
        QCOMPARE(expanded.size(), 1);
        QCOMPARE(LWNaviTreeModel::itemFromIndex(expanded.first().first().value<QModelIndex>()), makeup);
        QCOMPARE(makeup->modelCount(), 1);
        QCOMPARE(makeup->modelAt(0)->typeKey(), QString("pupil"));
        QCOMPARE(makeup->sdkVersion(), QString("2.8.0"));
        QVERIFY(treeMatches(makeup));

        // The choice is for the menu's new makeup, not for a package read
        // into the same effect afterwards.
        QTemporaryDir package;
        writePackage(package.path(), document({QJsonObject{{"filterType", "mask"}}}));
        QVERIFY(packs()->importEffect(package.path()));
        QCOMPARE(titles(makeupAt(0)), QStringList{"mask"});
    }

    // Without a choice a new makeup starts from the template: no filter.
    void templateMakesEmptyMakeup()
    {
        packs()->createFeatureToWorkSpaceEffect("LWFeatureTypeFaceMakeupV2");
        LWFaceMakeUpV2Model *makeup = makeupAt(0);
        QCOMPARE(makeup->modelCount(), 0);
        QCOMPARE(makeup->getDefaultSize(), QRect(0, 0, 1280, 1280));
        QCOMPARE(makeup->makeupJsonPath(), QString("makeup.json"));
        QCOMPARE(makeup->version(), QString("1.1"));
        QTemporaryDir out;
        const QJsonObject exported = exportMakeup(makeup, out.path());
        QCOMPARE(exported.value("filters").toArray(), QJsonArray());
        QCOMPARE(effect()->featureAt(0)->toConfigLinkValue().toObject(),
                 (QJsonObject{{"type", "FaceMakeupV2"}, {"zorder", 5000}, {"path", makeup->path()}}));
        const QJsonObject content = LWJsonFile::read(out.path() + "/" + makeup->path() + "content.json");
        QVERIFY(content.value("tag").toString().startsWith(makeup->name() + "_"));
        QCOMPARE(content.value("content").toObject().value("path").toString(), QString("makeup.json"));
    }

    void menus()
    {
        LWFaceMakeUpV2Model *makeup = newMakeup();
        QStringList ids, subIds, addIds;
        for (const QVariant &item : makeup->subItems())
            ids << qobject_cast<LWMenuItemModel *>(item.value<QObject *>())->itemId();
        QCOMPARE(ids, (QStringList{"menuItemAdd", "menuItemRename", "menuItemDelete"}));
        auto *add = qobject_cast<LWMenuItemModel *>(makeup->subItems().first().value<QObject *>());
        for (QObject *item : add->subItems())
            subIds << qobject_cast<LWMenuItemModel *>(item)->itemId();
        QCOMPARE(subIds, (QStringList{"menuItemBrow", "menuItemAddMask", "menuItemAddEye", "menuItemAddPupil",
                                      "menuItemAddLipV2"}));
        for (const QVariant &item : makeup->addNaviItems())
            addIds << qobject_cast<LWMenuItemModel *>(item.value<QObject *>())->itemId();
        QCOMPARE(addIds, (QStringList{"menuItemAddEye", "menuItemAddMask", "menuItemAddPupil", "menuItemAddLipV2",
                                      "menuItemBrow"}));
        QVERIFY(makeup->canAddNaviItem());
        QCOMPARE(makeup->addNaviItemAction(), QString("menuItemAdd"));
        QCOMPARE(makeup->naviItemIcon(), QString("qrc:/LWViewCommon/images/meizhuang.png"));

        const int steps = LWUndoStack::instance()->count();
        makeup->menuItemAction("menuItemAdd");
        makeup->addPart("sparkle");
        QCOMPARE(makeup->modelCount(), 0);
        QCOMPARE(LWUndoStack::instance()->count(), steps);
        QList<int> usage;
        LWUsageEvents::setSink([&usage](int value, int) { usage << value; });
        for (const QString &id : subIds)
            makeup->onResponseContextMenu(id);
        LWUsageEvents::setSink(nullptr);
        QCOMPARE(usage, (QList<int>{3501, 3500, 3502, 3506, 3503}));
        QStringList types;
        for (LWFaceMakeupV2FilterBase *filter : makeup->models())
            types << filter->typeKey();
        QCOMPARE(types, (QStringList{"brow", "mask", "eye_part", "pupil", "lips_v2"}));
        QVERIFY(treeMatches(makeup));

        LWFaceMakeupV2FilterBase *filter = makeup->modelAt(0);
        QStringList filterIds;
        for (const QVariant &item : filter->subItems())
            filterIds << qobject_cast<LWMenuItemModel *>(item.value<QObject *>())->itemId();
        QCOMPARE(filterIds, (QStringList{"ItemRename", "ItemRemove"}));
        QCOMPARE(filter->naviItemIcon(), QString("qrc:/LWViewCommon/images/2dFeaturePart.png"));
        filter->menuItemAction("ItemRename");
        QVERIFY(filter->naviItemEditing());

        makeup->menuItemAction("menuItemRename");
        QVERIFY(makeup->naviItemEditing());
        makeup->menuItemAction("menuItemDelete");
        QCOMPARE(effect()->modelCount(), 0);
        LWUndoStack::instance()->undo();
        QCOMPARE(makeupAt(0), makeup);
    }

    // Add and remove are undone and redone with the same objects, and the
    // exported document follows exactly.
    void addRemoveUndoRedo()
    {
        LWFaceMakeUpV2Model *makeup = newMakeup("mask");
        addFilter(makeup, "brow");
        QTemporaryDir out;
        const QJsonObject twoFilters = withoutNames(exportMakeup(makeup, out.path()));
        LWUndoStack::instance()->clear();

        LWFaceMakeupV2FilterBase *eye = addFilter(makeup, "eye_part");
        QVERIFY(treeMatches(makeup));
        const QJsonObject threeFilters = withoutNames(exportMakeup(makeup, out.path()));
        LWUndoStack::instance()->undo();
        QCOMPARE(makeup->modelCount(), 2);
        QVERIFY(treeMatches(makeup));
        QCOMPARE(withoutNames(exportMakeup(makeup, out.path())), twoFilters);
        LWUndoStack::instance()->redo();
        QCOMPARE(makeup->modelAt(2), eye);
        QVERIFY(treeMatches(makeup));
        QCOMPARE(withoutNames(exportMakeup(makeup, out.path())), threeFilters);

        LWFaceMakeupV2FilterBase *brow = makeup->modelAt(1);
        brow->menuItemAction("ItemRemove");
        QCOMPARE(makeup->indexOfModel(brow), -1);
        QVERIFY(treeMatches(makeup));
        QCOMPARE(exportMakeup(makeup, out.path()).value("filters").toArray().size(), 2);
        LWUndoStack::instance()->undo();
        QCOMPARE(makeup->modelAt(1), brow);
        QVERIFY(treeMatches(makeup));
        QCOMPARE(withoutNames(exportMakeup(makeup, out.path())), threeFilters);
        LWUndoStack::instance()->redo();
        QCOMPARE(makeup->modelCount(), 2);
        QVERIFY(treeMatches(makeup));
        brow->naviTreeItemRemove(); // gone already: nothing happens
        QCOMPARE(makeup->modelCount(), 2);
    }

    // Filters move only among themselves; moving back gives the document
    // back.
    void treeMoves()
    {
        LWFaceMakeUpV2Model *other = newMakeup("mask");
        LWFaceMakeUpV2Model *makeup = newMakeup("mask");
        addFilter(makeup, "brow");
        addFilter(makeup, "pupil");
        LWNaviTreeModel *tree = LWMainWindowController::instance()->effectNaviTreeModel();
        const QModelIndex parent = tree->indexOfItem(makeup);
        QTemporaryDir out;
        const QJsonObject before = withoutNames(exportMakeup(makeup, out.path()));

        QSignalSpy sceneSpy(makeup->makeupScene(), &LWMakeupV2SceneViewModel::listFilterObjectChanged);
        QVERIFY(tree->moveRow(tree->index(0, 0, parent), tree->index(2, 0, parent), 1));
        QCOMPARE(titles(makeup), (QStringList{"Brow", "Pupil", "mask"}));
        QVERIFY(treeMatches(makeup));
        QVERIFY(!sceneSpy.isEmpty());
        const QJsonArray moved = exportMakeup(makeup, out.path()).value("filters").toArray();
        QCOMPARE(moved.at(2).toObject().value("filterType").toString(), QString("mask"));
        QCOMPARE(moved.at(2).toObject().value("zPosition").toInt(), 4998);

        QVERIFY(tree->moveRow(tree->index(2, 0, parent), tree->index(0, 0, parent), 0));
        QCOMPARE(withoutNames(exportMakeup(makeup, out.path())), before);

        // Not into another makeup, not among the features, and no feature
        // into the makeup.
        const QModelIndex otherIndex = tree->indexOfItem(other);
        QVERIFY(!tree->moveIn(tree->index(0, 0, parent), otherIndex));
        QVERIFY(!tree->moveRow(tree->index(0, 0, parent), otherIndex, 0));
        QVERIFY(!tree->moveIn(otherIndex, parent));
        QCOMPARE(makeup->modelCount(), 3);
        QCOMPARE(other->modelCount(), 1);
        QVERIFY(treeMatches(makeup));
        QVERIFY(treeMatches(other));
    }

    // A saved project opens with the same filters: titles, boxes, resource
    // ids, rectangles, values and order.
    void projectSaveAndReopen()
    {
        QTemporaryDir package;
        const QString feature = writePackage(
            package.path(), document({QJsonObject{{"filterType", "eye_part"},
                                                  {"2d_sequence_resources", record("shadow/", "shadow_")},
                                                  {"rect", QJsonObject{{"x", 100}, {"y", 200}, {"width", 300}, {"height", 80}}}}}));
        save(faceFrame(QRect(0, 0, 300, 80), Qt::red, QSize(300, 80)), feature + "/shadow/shadow_000.png");
        LWFaceMakeUpV2Model *makeup = importIntoNewProject(package.path());
        addFilter(makeup, "brow")->setTitle("Arch");
        LWFaceMakeupV2FilterBase *mask = addFilter(makeup, "mask");
        mask->setTitle("Blush");
        mask->setChecked(false);
        LWFaceMakeupV2FilterBase *lips = addFilter(makeup, "lips_v2");
        lips->setChecked(false);
        select(lips);
        node<LWPropBoolViewModel>(lips, "uLightMode")->setChecked(true);
        select(makeup);
        node<LWFaceIndexModel>(makeup, "faceIndexArray")->setFaceIndexs({2});

        struct Seen { QString type, title; bool checked; QStringList ids; QRect rect; QJsonObject extra; };
        auto seen = [](LWFaceMakeUpV2Model *m) {
            QList<Seen> list;
            for (LWFaceMakeupV2FilterBase *f : m->models()) {
                QStringList ids;
                for (const char *key : {"blend_resources", "mask_resources", "2d_sequence_resources"})
                    ids << f->resourceId(key);
                list.append({f->typeKey(), f->title(), f->checked(), ids, f->writtenRect(), f->extraValues()});
            }
            return list;
        };
        const QList<Seen> saved = seen(makeup);
        QCOMPARE(saved.at(0).rect, QRect(100, 200, 300, 80));

        QTemporaryDir projects;
        const QString folder = projects.path() + "/reopen";
        packs()->saveProjAs(folder);
        packs()->openProj(folder + "/reopen.lwproj");
        LWFaceMakeUpV2Model *reopened = makeupAt(0);
        QVERIFY(reopened && reopened != makeup);
        QVERIFY(treeMatches(reopened));
        const QList<Seen> read = seen(reopened);
        QCOMPARE(read.size(), saved.size());
        for (int i = 0; i < read.size(); ++i) {
            QCOMPARE(read.at(i).type, saved.at(i).type);
            QCOMPARE(read.at(i).ids, saved.at(i).ids);
            QCOMPARE(read.at(i).rect, saved.at(i).rect);
            QCOMPARE(read.at(i).extra, saved.at(i).extra);
            QCOMPARE(read.at(i).checked, saved.at(i).checked);
        }
        // Every filter keeps its title and check box, the brow and the lips
        // too (their renames and unchecks would be lost otherwise).
        QCOMPARE(titles(reopened), (QStringList{"Eye", "Arch", "Blush", "Lip V2"}));
        QVERIFY(!read.at(3).checked);
        QCOMPARE(read.at(3).extra.value("uLightMode").toBool(), true);
        QCOMPARE(reopened->faceList(), QList<int>{2});
        QTemporaryDir out;
        QCOMPARE(rectOf(filterAt(exportMakeup(reopened, out.path()), 0)), QRect(100, 200, 300, 80));
    }

    // The scene lists the filters bottom first without the pupil, which it
    // draws apart.
    void scene()
    {
        LWFaceMakeUpV2Model *makeup = newMakeup("mask");
        LWMakeupV2SceneViewModel *scene = makeup->makeupScene();
        QCOMPARE(makeup->sceneViewModel(), scene);
        QSignalSpy listSpy(scene, &LWMakeupV2SceneViewModel::listFilterObjectChanged);
        LWFaceMakeupV2FilterBase *pupil = addFilter(makeup, "pupil");
        LWFaceMakeupV2FilterBase *brow = addFilter(makeup, "brow");
        QVERIFY(!listSpy.isEmpty());
        QCOMPARE(scene->listFilterObject(), (QObjectList{brow, makeup->modelAt(0)}));
        QCOMPARE(scene->pupilFilterPath(), pupil->filterImgPath());
        QVERIFY(QFileInfo(pupil->filterImgPath()).isFile());
        QCOMPARE(scene->backgroundImage(), QString("qrc:/LWFaceMakeUpV2/res/meanface.png"));

        LWFaceMakeupV2FilterBase *mask = makeup->modelAt(0);
        QVERIFY(mask->filterImgPath().endsWith("_000.png"));
        QVERIFY(QFileInfo(mask->filterImgPath()).isFile());
        QCOMPARE(mask->filterWidth(), 1280);
        select(mask);
        QSignalSpy pathSpy(mask, &LWFaceMakeupV2FilterBase::filterImgPathChanged);
        node<LWPropOptionViewModel>(mask, "2d_sequence_resources")->setOptionIndex(0);
        QCOMPARE(pathSpy.count(), 1);
        QCOMPARE(mask->filterImgPath(), QString());

        pupil->setChecked(false);
        QVERIFY(!scene->filterChecked());
        pupil->setChecked(true);
        QVERIFY(scene->filterChecked());
    }

    // --- package checks ------------------------------------------------------------

    void packageCheck()
    {
        LWFaceMakeUpV2Model *makeup = newMakeup("eye_part");
        addFilter(makeup, "jiemao_v2");
        addFilter(makeup, "pupil");
        QTemporaryDir out;
        const QJsonObject exported = exportMakeup(makeup, out.path());
        auto makeupProblems = [&out] {
            return LWPackageCheck::checkFolder(out.path()).problems.filter("makeup");
        };
        QCOMPARE(makeupProblems(), QStringList());

        const QString feature = out.path() + "/" + makeup->path();
        const QString eyeFrame = framesOf(feature, filterAt(exported, 0).value("2d_sequence_resources").toObject()).first();
        QFile::remove(eyeFrame);
        const QString lash = framesOf(feature, filterAt(exported, 1).value("2d_sequence_resources").toObject()).first();
        save(faceFrame(QRect(0, 0, 10, 10), Qt::black, QSize(100, 100)), lash);
        QFile::remove(feature + "mask/texcoord.txt");
        const QStringList problems = makeupProblems();
        QCOMPARE(problems.size(), 3);
        QVERIFY(problems.filter("is missing").size() == 2);
        QVERIFY(problems.filter("174 x 89").size() == 1);
    }

private:
    QQmlEngine m_engine;
};

LW_TEST_MAIN(TstMakeup)
#include "tst_makeup.moc"
