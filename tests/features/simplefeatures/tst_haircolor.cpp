#include "LWSimpleFeatureKit.h"
#include "LWTestMain.h"
#include "features/haircolor/LWHairColorFeature.h"
#include "inspector/LWPropColorViewModel.h"
#include "inspector/LWPropFloatRangeViewModel.h"
#include "package/LWPackageCheck.h"

#include <QTemporaryDir>

using namespace LWSimpleFeatureKit;

namespace {

LWHairColorFeature *newHairColor()
{
    return create<LWHairColorFeature>("LWFeatureTypeHairColor");
}

QJsonObject fillOf(const QJsonObject &content)
{
    return content.value("content").toObject().value("fill").toObject();
}

const QJsonObject kRequirement{{"faceDetect", false}, {"matting", false}, {"hairColor", true}};

} // namespace

class TstHairColor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { wireApplication(m_engine); }
    void init() { newProject(); }
    void cleanup() { packs()->clearWorkspace(); }

    void newFeatureExportsItsDefaults()
    {
        LWHairColorFeature *hair = newHairColor();
        QVERIFY(hair);
        QVERIFY(treeMatchesEffect());
        QCOMPARE(hair->title(), QString("HairColor"));
        QCOMPARE(hair->naviItemIcon(), QString("qrc:/LWViewCommon/images/featurehaircolor.png"));
        QCOMPARE(hair->sdkVersion(), QString("2.0.0"));
        QCOMPARE(hair->colorTemplate(), QString("qrc:/LWHairColor/template.png"));
        QVERIFY(QFileInfo(hair->colorTemplatePath()).isFile());
        QCOMPARE(hair->sceneViewModel()->property("qmlPath").toString(),
                 QString("qrc:/LWHairColor/LWHairColorSceneView.qml"));
        LW_COMPARE_JSON(hair->getFeatureRequirements(), kRequirement);

        QTemporaryDir out;
        const QJsonObject config = exportInto(out.path());
        LW_COMPARE_JSON(config.value("effect").toObject().value("Link").toArray(),
                        (QJsonArray{QJsonObject{{"type", "HairColor"}, {"zorder", 5000}, {"path", "HairColor/"}}}));
        QCOMPARE(config.value("version").toString(), QString("2.0.0"));
        const QJsonObject content = LWJsonFile::read(out.filePath("HairColor/content.json"));
        QVERIFY(isFreshTag(content.value("tag").toString(), "HairColor"));
        QCOMPARE(content.value("version").toString(), QString("1.1"));
        LW_COMPARE_JSON(content.value("requirement"), kRequirement);
        LW_COMPARE_JSON(fillOf(content), (QJsonObject{{"type", 0}, {"color", QJsonArray{"FFFFFF"}}, {"strength", 1.0}}));
        QCOMPARE(QDir(out.filePath("HairColor")).entryList(QDir::Files), QStringList{"content.json"});
    }

    // Fill records as packages bring them; whatever is unusable falls back
    // to white, a missing strength to 0.
    void fillRecordsOfPackages_data()
    {
        QTest::addColumn<QJsonObject>("fill");
        QTest::addColumn<QString>("color");
        QTest::addColumn<double>("strength");
        QTest::addColumn<int>("type");
        QTest::newRow("complete") << QJsonObject{{"type", 0}, {"color", QJsonArray{"8A2BE2"}}, {"strength", 0.7}}
                                  << "8A2BE2" << 0.7 << 0;
        QTest::newRow("no strength") << QJsonObject{{"type", 0}, {"color", QJsonArray{"8A2BE2"}}} << "8A2BE2" << 0.0 << 0;
        QTest::newRow("several colours") << QJsonObject{{"color", QJsonArray{"112233", "445566"}}, {"strength", 1}}
                                         << "112233" << 1.0 << 0;
        QTest::newRow("lower case with #") << QJsonObject{{"color", QJsonArray{"#a0b1c2"}}, {"strength", 1}}
                                           << "A0B1C2" << 1.0 << 0;
        QTest::newRow("empty colours") << QJsonObject{{"color", QJsonArray{}}, {"strength", 0.5}} << "FFFFFF" << 0.5 << 0;
        QTest::newRow("colour not a string") << QJsonObject{{"color", QJsonArray{255, "112233"}}, {"strength", 0.5}}
                                             << "FFFFFF" << 0.5 << 0;
        QTest::newRow("colour not hex") << QJsonObject{{"color", QJsonArray{"purple"}}} << "FFFFFF" << 0.0 << 0;
        QTest::newRow("type as text") << QJsonObject{{"type", "1"}, {"color", QJsonArray{"112233"}}} << "112233" << 0.0 << 0;
    }
    void fillRecordsOfPackages()
    {
        QFETCH(QJsonObject, fill);
        QFETCH(QString, color);
        QFETCH(double, strength);
        QFETCH(int, type);
        QTemporaryDir package;
        writePackage(package.path(), "HairColor", "HairColor_byTool", "content.json",
                     {{"tag", "HairColor_x"}, {"version", "1.1"}, {"content", QJsonObject{{"fill", fill}}}});
        QVERIFY(importIntoNewProject(package.path()));
        auto *hair = featureAt<LWHairColorFeature>(0);
        QVERIFY(hair);
        QCOMPARE(hair->color(), color);
        QCOMPARE(hair->strength(), strength);
        QCOMPARE(hair->colorType(), type);
        LW_COMPARE_JSON(panelOf(hair)->value(), (QJsonObject{{"color", color.toLower()}, {"intensity", strength}}));
        QTemporaryDir out;
        exportInto(out.path());
        LW_COMPARE_JSON(fillOf(LWJsonFile::read(out.filePath("HairColor_byTool/content.json"))),
                        (QJsonObject{{"type", type}, {"color", QJsonArray{color}}, {"strength", strength}}));
    }

    void editsThroughThePanel()
    {
        LWHairColorFeature *hair = newHairColor();
        select(hair);
        auto *color = node<LWPropColorViewModel>(panelOf(hair), "color");
        auto *strength = node<LWPropFloatRangeViewModel>(panelOf(hair), "intensity");
        QVERIFY(color && strength);
        color->setColorValue(QColor(0x8a, 0x2b, 0xe2));
        QCOMPARE(hair->color(), QString("8A2BE2"));
        strength->setFloatValue(0.5);
        QCOMPARE(hair->strength(), 0.5);
        LWUndoStack::instance()->undo();
        QCOMPARE(hair->strength(), 1.0);
        QCOMPARE(hair->color(), QString("8A2BE2"));
        LWUndoStack::instance()->undo();
        QCOMPARE(hair->color(), QString("FFFFFF"));
        LWUndoStack::instance()->redo();
        LWUndoStack::instance()->redo();
        QCOMPARE(hair->color(), QString("8A2BE2"));
        QCOMPARE(hair->strength(), 0.5);
        QVERIFY(treeMatchesEffect());

        QTemporaryDir projects;
        saveAndReopen(projects.filePath("Violet"));
        hair = featureAt<LWHairColorFeature>(0);
        QVERIFY(hair);
        QCOMPARE(hair->color(), QString("8A2BE2"));
        QCOMPARE(hair->strength(), 0.5);
        const QJsonObject record = LWJsonFile::read(projects.filePath("Violet/effect/effect.json"))
                                       .value("effect").toObject().value("Link").toArray().first().toObject();
        QCOMPARE(record.value("type").toString(), QString("HairColor"));
        LW_COMPARE_JSON(fillOf(record.value("contentFile").toObject()),
                        (QJsonObject{{"type", 0}, {"color", QJsonArray{"8A2BE2"}}, {"strength", 0.5}}));
        QVERIFY(treeMatchesEffect());
    }

    // A templated fill from a package keeps its type through panel edits,
    // and its template image travels with every export under the name the
    // content file gives it.
    void templatedFillSurvivesEditsAndExports()
    {
        QTemporaryDir package;
        const QJsonObject fill{{"type", 1}, {"colorTemplate", "tex/hair.png"}, {"color", QJsonArray{"112233"}}, {"strength", 0.8}};
        writePackage(package.path(), "HairColor", "HairColor_byTool", "content.json",
                     {{"tag", "t"}, {"version", "1.1"}, {"content", QJsonObject{{"fill", fill}}}});
        const QString image = writeImage(package.filePath("HairColor_byTool/tex/hair.png"), QSize(256, 16), "PNG", Qt::magenta);
        QVERIFY(importIntoNewProject(package.path()));
        auto *hair = featureAt<LWHairColorFeature>(0);
        QVERIFY(hair);
        QCOMPARE(hair->colorType(), 1);
        QCOMPARE(bytesOf(hair->colorTemplatePath()), bytesOf(image));
        select(hair);
        node<LWPropFloatRangeViewModel>(panelOf(hair), "intensity")->setFloatValue(0.3);
        QCOMPARE(hair->colorType(), 1);

        for (int round = 0; round < 2; ++round) {
            QTemporaryDir out;
            exportInto(out.path());
            const QJsonObject exported = fillOf(LWJsonFile::read(out.filePath("HairColor_byTool/content.json")));
            QCOMPARE(exported.value("type").toInt(), 1);
            QCOMPARE(exported.value("colorTemplate").toString(), QString("tex/hair.png"));
            QCOMPARE(bytesOf(out.filePath("HairColor_byTool/tex/hair.png")), bytesOf(image));
            QVERIFY(LWPackageCheck::checkFolder(out.path()).problems.isEmpty());
            // The exported package reads back the same way.
            QVERIFY(importIntoNewProject(out.path()));
            hair = featureAt<LWHairColorFeature>(0);
            QCOMPARE(hair->colorType(), 1);
            QCOMPARE(hair->strength(), double(0.3f));
            QCOMPARE(bytesOf(hair->colorTemplatePath()), bytesOf(image));
        }
    }

    void templateOutsideTheFolderStaysBehind()
    {
        QTemporaryDir package;
        const QJsonObject fill{{"type", 1}, {"colorTemplate", "../secret.png"}, {"color", QJsonArray{"112233"}}};
        writePackage(package.path(), "HairColor", "HairColor_byTool", "content.json",
                     {{"content", QJsonObject{{"fill", fill}}}});
        QVERIFY(importIntoNewProject(package.path()));
        writeImage(effect()->folder() + "/secret.png", QSize(4, 4), "PNG");
        QTemporaryDir out;
        exportInto(out.path());
        QCOMPARE(fillOf(LWJsonFile::read(out.filePath("HairColor_byTool/content.json"))).value("colorTemplate").toString(),
                 QString("../secret.png"));
        QVERIFY(!QFile::exists(out.filePath("secret.png")));
    }

    void packageCheckReportsBadFills_data()
    {
        QTest::addColumn<QJsonObject>("fill");
        QTest::addColumn<QString>("problem");
        QTest::newRow("good") << QJsonObject{{"type", 0}, {"color", QJsonArray{"FFFFFF"}}, {"strength", 1}} << "";
        QTest::newRow("no colour") << QJsonObject{{"type", 0}, {"color", QJsonArray{}}} << "six hexadecimal digits";
        QTest::newRow("template missing") << QJsonObject{{"type", 1}, {"colorTemplate", "t.png"}, {"color", QJsonArray{"FFFFFF"}}}
                                          << "colour template";
    }
    void packageCheckReportsBadFills()
    {
        QFETCH(QJsonObject, fill);
        QFETCH(QString, problem);
        QTemporaryDir package;
        writePackage(package.path(), "HairColor", "HairColor_a", "content.json", {{"content", QJsonObject{{"fill", fill}}}});
        const QStringList problems = LWPackageCheck::checkFolder(package.path()).problems;
        if (problem.isEmpty())
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        else
            QVERIFY2(problems.size() == 1 && problems.first().contains(problem), qPrintable(problems.join('\n')));
    }

private:
    QQmlEngine m_engine;
};

LW_TEST_MAIN(TstHairColor)
#include "tst_haircolor.moc"
