#include "LWTestMain.h"
#include "common/LWEffectCommon.h"

class TstVocabulary : public QObject
{
    Q_OBJECT
private slots:
    void featureKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("packageName");
        QTest::newRow("first") << "LWFeatureTypeModel" << 0 << "Model";
        QTest::newRow("leading digit") << "LWFeatureType3DStickerV3" << 7 << "3DStickerV3";
        QTest::newRow("makeup") << "LWFeatureTypeFaceMakeupV2" << 9 << "FaceMakeupV2";
        QTest::newRow("sticker") << "LWFeatureType2DSticker" << 13 << "2DSticker";
        QTest::newRow("multi viewer") << "LWFeatureTypeMultiViewer" << 15 << "MultiViewer";
        QTest::newRow("bgm") << "LWFeatureTypeBGM" << 18 << "BGM";
        QTest::newRow("unknown kind") << "LWFeatureTypeUnknow" << 20 << "Unknow";
    }
    void featureKeys()
    {
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(QString, packageName);
        QCOMPARE(LWEffectCommon::featureTypeFromKey(key), value);
        const auto type = LWEffectCommon::LWFeatureType(value);
        QCOMPARE(LWEffectCommon::featureTypeKey(type), key);
        QCOMPARE(LWEffectCommon::featurePackageName(type), packageName);
        QCOMPARE(LWEffectCommon::featureTypeFromPackageName(packageName), value);
    }

    void notKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("without prefix") << "2DSticker";
        QTest::newRow("empty") << "";
        QTest::newRow("number") << "13";
        QTest::newRow("scoped") << "LWEffectCommon::LWFeatureType2DSticker";
        QTest::newRow("wrong case") << "lwfeaturetype2dsticker";
        QTest::newRow("prefix only") << "LWFeatureType";
    }
    void notKeys()
    {
        QFETCH(QString, key);
        QCOMPARE(LWEffectCommon::featureTypeFromKey(key), -1);
    }

    void storedTypeNames()
    {
        QCOMPARE(LWEffectCommon::featureTypeFromPackageName("multi_view"), int(LWEffectCommon::LWFeatureTypeMultiViewer));
        QCOMPARE(LWEffectCommon::featureTypeFromPackageName("Sticker2D"), -1);
        // The prefix is replaced wherever it is, case-sensitively.
        QCOMPARE(LWEffectCommon::packageNameFromKey("LWFeatureTypeFilter"), QString("Filter"));
        QCOMPARE(LWEffectCommon::packageNameFromKey("lwfeaturetypeFilter"), QString("lwfeaturetypeFilter"));
    }

    void otherEnumerations()
    {
        QCOMPARE(LWEffectCommon::resourceTypeFromKey("LWResourceType2DTextureFrame"), 6);
        QCOMPARE(LWEffectCommon::resourceTypeFromKey("LWResourceMusic"), 7);
        QCOMPARE(LWEffectCommon::resourceTypeKey(LWEffectCommon::LWResourceTypeAll), QString("LWResourceTypeAll"));
        QCOMPARE(LWEffectCommon::constraintTypeFromKey("LWConstrainTypeTextureSizeFix512x512"), 6);
        QCOMPARE(LWEffectCommon::constraintTypeFromKey("LWConstraintTypeTextureSizeFix512x512"), -1);
    }

    void importDefaults()
    {
        const ImportResourceParam param;
        QCOMPARE(param.returnResourceId, false);
        QCOMPARE(param.withUndo, true);
        QCOMPARE(param.addToTree, true);
    }
};

LW_TEST_MAIN(TstVocabulary)
#include "tst_vocabulary.moc"
