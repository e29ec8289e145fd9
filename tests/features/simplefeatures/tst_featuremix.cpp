#include "features/LWFeatureKind.h"
#include "LWSimpleFeatureKit.h"
#include "LWTestMain.h"
#include "inspector/LWInspectorViewModel.h"

#include <QTemporaryDir>
#include <functional>

using namespace LWSimpleFeatureKit;

namespace {

QStringList linkTypes(const QJsonObject &document)
{
    QStringList types;
    const QJsonArray links = document.value("effect").toObject().value("Link").toArray();
    for (const QJsonValue &link : links)
        types << link.toObject().value("type").toString();
    return types;
}

QStringList featureTypes()
{
    QStringList types;
    for (LWFeatureModel *feature : effect()->models())
        types << LWEffectCommon::featurePackageName(feature->featureType());
    return types;
}

} // namespace

// An effect holding several kinds at once: the project file lists them in
// order with the music apart, the package's config.json names each folder
// once and asks for the highest engine version any of them needs.
class TstFeatureMix : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { wireApplication(m_engine); }
    void init() { newProject(); }
    void cleanup() { packs()->clearWorkspace(); }

    void mixedEffectSavesAndExports_data()
    {
        QTest::addColumn<QStringList>("kinds");
        QTest::addColumn<QString>("version");
        QTest::newRow("filter, hair, matting, music")
            << QStringList{"LWFeatureTypeFilter", "LWFeatureTypeHairColor", "LWFeatureTypeMatting", "LWFeatureTypeBGM"}
            << "2.2.0";
        QStringList every;
        for (const LWFeatureKind *kind : LWFeatureKinds::all())
            every << kind->typeKey();
        QTest::newRow("every kind") << every << "2.8.0";
    }
    void mixedEffectSavesAndExports()
    {
        QFETCH(QStringList, kinds);
        QFETCH(QString, version);
        for (const QString &kind : kinds) {
            const int before = effect()->modelCount();
            packs()->createFeatureToWorkSpaceEffect(kind);
            if (effect()->modelCount() == before)
                QSKIP(qPrintable(kind + " has no feature class yet"));
        }
        QVERIFY(treeMatchesEffect());
        // Newest first; the music has no Link entry.
        QStringList expected;
        for (const QString &kind : kinds) {
            const auto type = LWEffectCommon::LWFeatureType(LWEffectCommon::featureTypeFromKey(kind));
            if (LWFeatureKinds::find(type)->effectRecordKey.isEmpty())
                expected.prepend(LWEffectCommon::packageNameFromKey(kind));
        }

        QTemporaryDir out;
        const QJsonObject config = exportInto(out.path());
        QCOMPARE(linkTypes(config), expected);
        QCOMPARE(config.value("version").toString(), version);
        QVERIFY(config.value("effect").toObject().value("bgm").isObject());
        const QJsonArray links = config.value("effect").toObject().value("Link").toArray();
        for (const QJsonValue &link : links) {
            QCOMPARE(link.toObject().keys(), (QStringList{"path", "type", "zorder"}));
            QVERIFY(QFileInfo(out.filePath(link.toObject().value("path").toString())).isDir());
        }

        QTemporaryDir projects;
        const QStringList order = featureTypes();
        saveAndReopen(projects.filePath("Mix"));
        const QJsonObject saved = LWJsonFile::read(projects.filePath("Mix/effect/effect.json"));
        QCOMPARE(linkTypes(saved), expected);
        QVERIFY(saved.value("effect").toObject().value("bgm").isObject());
        // The music, made last, stands first; it is rebuilt after the Link
        // entries and so stands first again.
        QCOMPARE(featureTypes(), order);
        QVERIFY(treeMatchesEffect());

        QVERIFY(importIntoNewProject(out.path()));
        QCOMPARE(featureTypes().size(), order.size());
        QVERIFY(treeMatchesEffect());
    }

    // Every variant builds the same controls on the same data members as
    // the Chinese profile; only labels and label widths differ.
    void profilesInEveryLanguage_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("suffix");
        const QStringList profiles{":/LWFilter/LWFilterProfile", ":/LWHairColor/LWHairColorProfile",
                                   ":/LWMatting/LWMattingSegmentProfile", ":/LWMatting/LWMattingStealthProfile",
                                   ":/LWBGM/LWBGMProfile"};
        for (const QString &profile : profiles) {
            for (const char *suffix : {"_EN", "_JP", "_KR"})
                QTest::newRow(qPrintable(profile.section('/', -1) + suffix)) << profile << QString(suffix);
        }
    }
    void profilesInEveryLanguage()
    {
        QFETCH(QString, profile);
        QFETCH(QString, suffix);
        const QJsonObject chinese = LWJsonFile::read(profile + ".json");
        const QJsonObject variant = LWJsonFile::read(profile + suffix + ".json");
        QVERIFY(chinese.value("LWEntry").isObject());
        QCOMPARE(variant.keys(), chinese.keys());
        const auto shape = [](const QJsonObject &document) {
            const auto root = std::make_shared<LWInspectorViewModel>(document, QJsonObject());
            QStringList ids;
            std::function<void(const LWQmlViewModel *)> walk = [&](const LWQmlViewModel *node) {
                for (const LWQmlViewModel::Ptr &child : node->children()) {
                    ids << QString::fromLatin1(child->metaObject()->className()) + ":" + child->id();
                    walk(child.get());
                }
            };
            walk(root.get());
            return qMakePair(ids, root->value().toObject().keys());
        };
        QCOMPARE(shape(variant), shape(chinese));
        QVERIFY(QString::fromUtf8(QJsonDocument(variant).toJson()) != QString::fromUtf8(QJsonDocument(chinese).toJson()));
        const QString text = QString::fromUtf8(QJsonDocument(variant).toJson());
        QVERIFY2(!text.contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]")) || suffix == "_JP",
                 "Chinese labels left in a variant");
    }

private:
    QQmlEngine m_engine;
};

LW_TEST_MAIN(TstFeatureMix)
#include "tst_featuremix.moc"
