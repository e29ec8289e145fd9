#include "LWSimpleFeatureKit.h"
#include "LWTestMain.h"
#include "features/matting/LWMattingFeatureModel.h"
#include "features/matting/LWMattingSegmentModel.h"
#include "features/matting/LWMattingStealthModel.h"
#include "inspector/LWPropBoolViewModel.h"
#include "inspector/LWPropColorViewModel.h"
#include "inspector/LWPropFloatViewModel.h"
#include "inspector/LWPropIntViewModel.h"
#include "inspector/LWPropOptionViewModel.h"
#include "inspector/LWSecOptionViewModel.h"
#include "package/LWPackageCheck.h"

#include <QTemporaryDir>

using namespace LWSimpleFeatureKit;

namespace {

QJsonObject contentOf(const QJsonObject &contentFile)
{
    return contentFile.value("content").toObject();
}

// The content the feature exports into its package folder.
QJsonObject exportedContent(LWFeatureModel *feature)
{
    QTemporaryDir out;
    exportInto(out.path());
    return LWJsonFile::read(out.filePath(feature->path() + "content.json"));
}

LWMattingFeatureModel *importMatting(const QJsonObject &content, const QString &choice = QString())
{
    QTemporaryDir package;
    QJsonObject file = LWJsonFile::read(":/FeatureTemplates/Matting/content.json");
    if (!content.isEmpty())
        file.insert("content", content);
    writePackage(package.path(), "Matting", "Matting_byTool", "content.json", file);
    newProject();
    // A choice left over from the add menu must not decide a stored mode.
    if (!choice.isEmpty())
        effect()->setPendingMakeupChoice(choice);
    if (!packs()->importEffect(package.path()))
        return nullptr;
    return featureAt<LWMattingFeatureModel>(0);
}

const QJsonObject kDefaultBorder{{"type", 0}, {"fps", 0.6}, {"color", QJsonArray{"FFFFFF"}}};

} // namespace

class TstMatting : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { wireApplication(m_engine); }
    void init() { newProject(); }
    void cleanup() { packs()->clearWorkspace(); }

    void modeFromTheAddMenu_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("stealth");
        QTest::addColumn<QString>("title");
        QTest::newRow("segment body") << "addSegmentBody" << false << "SegmentBody";
        QTest::newRow("invisible human") << "addMatting" << true << "InvisiableHuman";
        QTest::newRow("no choice") << "" << false << "SegmentBody";
    }
    void modeFromTheAddMenu()
    {
        QFETCH(QString, choice);
        QFETCH(bool, stealth);
        QFETCH(QString, title);
        auto *matting = create<LWMattingFeatureModel>("LWFeatureTypeMatting", choice);
        QVERIFY(matting);
        QVERIFY(treeMatchesEffect());
        QCOMPARE(matting->isStealth(), stealth);
        QCOMPARE(matting->title(), title);
        QCOMPARE(matting->path(), QString("Matting/"));
        QCOMPARE(matting->naviItemIcon(), QString("qrc:/LWViewCommon/images/featuresegbody.png"));
        QCOMPARE(matting->sdkVersion(), QString("2.2.0"));
        QCOMPARE(matting->tag(), QString("Matting"));
        QVERIFY(panelOf(matting));
        QCOMPARE(bool(firstOfType<LWSecOptionViewModel>(panelOf(matting))), !stealth);

        const QJsonObject file = exportedContent(matting);
        QVERIFY(isFreshTag(file.value("tag").toString(), "Matting"));
        QCOMPARE(file.value("version").toString(), QString("1.3"));
        LW_COMPARE_JSON(file.value("requirement"), (QJsonObject{{"matting", true}, {"faceDetect", false}, {"hairColor", false}}));
        const QJsonObject content = contentOf(file);
        LW_COMPARE_JSON(content.value("border"), kDefaultBorder);
        QJsonObject trigger = LWMattingPartBase::defaultTrigger();
        if (stealth) {
            trigger.insert("animationKeyValues", QJsonArray{0.0, 1.0});
            trigger.insert("animationKeyTimes", QJsonArray{0, 30});
            trigger.insert("animationEnabale", true);
            QCOMPARE(content.value("mattingType").toString(), QString("MattingTypeInvisibleHuman"));
            QCOMPARE(content.value("defaultInVisible"), QJsonValue(false));
        } else {
            QVERIFY(!content.contains("mattingType"));
        }
        LW_COMPARE_JSON(content.value("trigger"), trigger);
    }

    void modeFromStoredContent_data()
    {
        QTest::addColumn<QJsonObject>("content");
        QTest::addColumn<bool>("stealth");
        QTest::newRow("no content") << QJsonObject{} << false;
        QTest::newRow("no mattingType") << QJsonObject{{"border", kDefaultBorder}} << false;
        QTest::newRow("segment") << QJsonObject{{"mattingType", "MattingTypeSegmentBody"}} << false;
        QTest::newRow("stealth") << QJsonObject{{"mattingType", "MattingTypeInvisibleHuman"}} << true;
        QTest::newRow("unknown type") << QJsonObject{{"mattingType", "MattingTypeSomethingElse"}} << false;
    }
    void modeFromStoredContent()
    {
        QFETCH(QJsonObject, content);
        QFETCH(bool, stealth);
        for (const QString &choice : {QString(), QString("addMatting"), QString("addSegmentBody")}) {
            LWMattingFeatureModel *matting = importMatting(content, choice);
            QVERIFY(matting);
            QCOMPARE(matting->isStealth(), stealth);
            QCOMPARE(matting->title(), QString("Matting_byTool"));
            QVERIFY(treeMatchesEffect());
        }
    }

    // Border records read from packages and written back: as many colours
    // as the type uses, white for what is missing, no border for a type
    // the engine does not know.
    void borderRecords_data()
    {
        QTest::addColumn<QJsonObject>("border");
        QTest::addColumn<QJsonObject>("exported");
        QTest::newRow("none") << kDefaultBorder << kDefaultBorder;
        QTest::newRow("one colour")
            << QJsonObject{{"type", 1}, {"fps", 2.0}, {"color", QJsonArray{"FF0000", "00FF00"}}}
            << QJsonObject{{"type", 1}, {"fps", 2.0}, {"color", QJsonArray{"FF0000"}}};
        QTest::newRow("two colours")
            << QJsonObject{{"type", 2}, {"fps", 1.5}, {"color", QJsonArray{"FF0000", "00FF00"}}}
            << QJsonObject{{"type", 2}, {"fps", 1.5}, {"color", QJsonArray{"FF0000", "00FF00"}}};
        QTest::newRow("two colours, one given")
            << QJsonObject{{"type", 2}, {"color", QJsonArray{"ff0000"}}}
            << QJsonObject{{"type", 2}, {"fps", 0.6}, {"color", QJsonArray{"FF0000", "FFFFFF"}}};
        QTest::newRow("type 3") << QJsonObject{{"type", 3}, {"fps", 1.0}, {"color", QJsonArray{"FF0000"}}}
                                << QJsonObject{{"type", 0}, {"fps", 1.0}, {"color", QJsonArray{"FFFFFF"}}};
        QTest::newRow("negative type") << QJsonObject{{"type", -1}} << kDefaultBorder;
        QTest::newRow("colours not text") << QJsonObject{{"type", 1}, {"color", QJsonArray{12, true}}}
                                          << QJsonObject{{"type", 1}, {"fps", 0.6}, {"color", QJsonArray{"FFFFFF"}}};
    }
    void borderRecords()
    {
        QFETCH(QJsonObject, border);
        QFETCH(QJsonObject, exported);
        for (const QString &type : {QString(), QString("MattingTypeInvisibleHuman")}) {
            QJsonObject content{{"border", border}};
            if (!type.isEmpty())
                content.insert("mattingType", type);
            LWMattingFeatureModel *matting = importMatting(content);
            QVERIFY(matting);
            LW_COMPARE_JSON(contentOf(exportedContent(matting)).value("border"), exported);
        }
    }

    // The segment panel: the border type chooses the page; colours and
    // rate come back by type; undo and redo reach the feature.
    void segmentPanelEditsTheBorder()
    {
        auto *matting = create<LWMattingFeatureModel>("LWFeatureTypeMatting", "addSegmentBody");
        select(matting);
        auto *mode = firstOfType<LWSecOptionViewModel>(panelOf(matting));
        QVERIFY(mode);
        QCOMPARE(mode->options().size(), 3);
        QCOMPARE(mode->optionIndex(), 0);
        mode->setOptionIndex(2);
        QCOMPARE(matting->part()->border().type, 2);
        auto *second = node<LWPropColorViewModel>(panelOf(matting), "color2");
        auto *rate = node<LWPropFloatViewModel>(panelOf(matting), "fps");
        QVERIFY(second && rate);
        second->setColorValue(QColor(0, 0x80, 0xff));
        rate->setFloatValue(1.5);
        LW_COMPARE_JSON(contentOf(exportedContent(matting)).value("border"),
                        (QJsonObject{{"type", 2}, {"fps", 1.5}, {"color", QJsonArray{"FFFFFF", "0080FF"}}}));
        LWUndoStack::instance()->undo();
        LWUndoStack::instance()->undo();
        QCOMPARE(matting->part()->border().color2, QString("FFFFFF"));
        QCOMPARE(matting->part()->border().fps, double(0.6f)); // undo keeps single precision
        LWUndoStack::instance()->redo();
        QCOMPARE(matting->part()->border().color2, QString("0080FF"));
        mode->setOptionIndex(1);
        LW_COMPARE_JSON(contentOf(exportedContent(matting)).value("border"),
                        (QJsonObject{{"type", 1}, {"fps", double(0.6f)}, {"color", QJsonArray{"FFFFFF"}}}));
        mode->setOptionIndex(2);
        QCOMPARE(matting->part()->border().color2, QString("0080FF"));
        QVERIFY(treeMatchesEffect());
    }

    // The stealth panel: trigger fields beside "defaultInVisible", the
    // fade keys following the duration, "Trigger Multiple Times" as the
    // negation of "disableOnceTrigger".
    void stealthPanelEditsTheTrigger()
    {
        auto *matting = create<LWMattingFeatureModel>("LWFeatureTypeMatting", "addMatting");
        select(matting);
        auto *multiple = node<LWPropBoolViewModel>(panelOf(matting), "disableOnceTrigger");
        auto *invisible = node<LWPropBoolViewModel>(panelOf(matting), "defaultInVisible");
        auto *duration = node<LWPropIntViewModel>(panelOf(matting), "animationDuration");
        auto *action = node<LWPropOptionViewModel>(panelOf(matting), "triggerType");
        QVERIFY(multiple && invisible && duration && action);
        QVERIFY(multiple->checked());
        multiple->setChecked(false);
        invisible->setChecked(true);
        duration->setIntValue(12);
        action->setOptionIndex(2); // open mouth
        const QJsonObject content = contentOf(exportedContent(matting));
        const QJsonObject trigger = content.value("trigger").toObject();
        QCOMPARE(trigger.value("disableOnceTrigger"), QJsonValue(true));
        QCOMPARE(trigger.value("animationDuration").toInt(), 12);
        LW_COMPARE_JSON(trigger.value("animationKeyTimes"), (QJsonArray{0, 12}));
        LW_COMPARE_JSON(trigger.value("animationKeyValues"), (QJsonArray{0.0, 1.0}));
        QCOMPARE(trigger.value("animationEnabale"), QJsonValue(true));
        QCOMPARE(trigger.value("triggerType").toInt(), 4);
        QVERIFY(!trigger.contains("defaultInVisible"));
        QCOMPARE(content.value("defaultInVisible"), QJsonValue(true));
        QCOMPARE(content.value("mattingType").toString(), QString("MattingTypeInvisibleHuman"));

        LWUndoStack::instance()->undo(); // action
        LWUndoStack::instance()->undo(); // duration
        LW_COMPARE_JSON(static_cast<LWMattingStealthModel *>(matting->part())->trigger().value("animationKeyTimes"),
                        (QJsonArray{0, 30}));
        LWUndoStack::instance()->redo();
        QCOMPARE(matting->part()->trigger().value("animationDuration").toInt(), 12);
        QVERIFY(treeMatchesEffect());
    }

    void projectRecordsKeepTheMode_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("mattingType");
        QTest::newRow("segment") << "addSegmentBody" << "MattingTypeSegmentBody";
        QTest::newRow("stealth") << "addMatting" << "MattingTypeInvisibleHuman";
    }
    void projectRecordsKeepTheMode()
    {
        QFETCH(QString, choice);
        QFETCH(QString, mattingType);
        auto *matting = create<LWMattingFeatureModel>("LWFeatureTypeMatting", choice);
        select(matting);
        if (auto *mode = firstOfType<LWSecOptionViewModel>(panelOf(matting))) {
            mode->setOptionIndex(1);
            node<LWPropColorViewModel>(panelOf(matting), "color1")->setColorValue(Qt::red);
        } else {
            node<LWPropIntViewModel>(panelOf(matting), "triggerDelay")->setIntValue(5);
        }
        const QJsonObject before = contentOf(exportedContent(matting));
        QVERIFY(!before.isEmpty());
        matting->setChecked(false);
        QTemporaryDir projects;
        saveAndReopen(projects.filePath("Cut"));
        const QJsonObject record = LWJsonFile::read(projects.filePath("Cut/effect/effect.json"))
                                       .value("effect").toObject().value("Link").toArray().first().toObject();
        QCOMPARE(record.value("type").toString(), QString("Matting"));
        QCOMPARE(contentOf(record.value("contentFile").toObject()).value("mattingType").toString(), mattingType);

        matting = featureAt<LWMattingFeatureModel>(0);
        QVERIFY(matting);
        QCOMPARE(matting->part()->mattingType(), mattingType);
        QCOMPARE(matting->title(), choice == "addMatting" ? QString("InvisiableHuman") : QString("SegmentBody"));
        QVERIFY(!matting->checked());
        matting->setChecked(true);
        LW_COMPARE_JSON(contentOf(exportedContent(matting)), before);
        QVERIFY(treeMatchesEffect());
    }

    void packageCheckReportsBadBorders_data()
    {
        QTest::addColumn<QJsonObject>("border");
        QTest::addColumn<QString>("problem");
        QTest::newRow("good") << QJsonObject{{"type", 2}, {"color", QJsonArray{"FF0000", "00FF00"}}} << "";
        QTest::newRow("type 7") << QJsonObject{{"type", 7}} << "border type 7";
        QTest::newRow("second colour missing") << QJsonObject{{"type", 2}, {"color", QJsonArray{"FF0000"}}}
                                               << "border colour 2";
    }
    void packageCheckReportsBadBorders()
    {
        QFETCH(QJsonObject, border);
        QFETCH(QString, problem);
        QTemporaryDir package;
        writePackage(package.path(), "Matting", "Matting_a", "content.json", {{"content", QJsonObject{{"border", border}}}});
        const QStringList problems = LWPackageCheck::checkFolder(package.path()).problems;
        if (problem.isEmpty())
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        else
            QVERIFY2(problems.size() == 1 && problems.first().contains(problem), qPrintable(problems.join('\n')));
    }

private:
    QQmlEngine m_engine;
};

LW_TEST_MAIN(TstMatting)
#include "tst_matting.moc"
