#include "LWSimpleFeatureKit.h"
#include "LWTestMain.h"
#include "features/filter/LWFilterModel.h"
#include "inspector/LWPropFloatRangeViewModel.h"
#include "inspector/LWPropImageButtonViewModel.h"
#include "package/LWPackageCheck.h"

#include <QTemporaryDir>

using namespace LWSimpleFeatureKit;

namespace {

const QString kTemplateLut = ":/FeatureTemplates/Filter/default.png";
const QString kBuiltInLut = ":/LWViewCommon/images/default_lut.png";

LWFilterModel *newFilter()
{
    return create<LWFilterModel>("LWFeatureTypeFilter");
}

QJsonObject filterRecord(const QJsonObject &config)
{
    return config.value("content").toObject().value("filter").toObject();
}

// The bytes of the file behind the filter's current lookup image.
QByteArray currentLut(const LWFilterModel *filter)
{
    return bytesOf(library()->absolutePath(filter->textureId()));
}

// Picks the resource in the panel's image button, as the author does.
bool pickLut(LWFilterModel *filter, const QString &resourceId)
{
    auto *button = node<LWPropImageButtonViewModel>(panelOf(filter), "filter_resources");
    if (!button)
        return false;
    for (int i = 0; i < button->entryCount(); ++i) {
        if (button->entry(i).value.toString() == resourceId) {
            button->setOptionIndex(i);
            return filter->textureId() == resourceId;
        }
    }
    return false;
}

QString importLut(const QString &path)
{
    ImportResourceParam param;
    param.returnResourceId = true;
    param.withUndo = false; // leaves the undo history to the panel's edits
    return packs()->importFileToWorkSpaceResource(path, param);
}

// One lookup image of a package: "png", "jpg" or "jpeg", optionally with
// ":corrupt", ":empty" or a side length ("png:256").
void writeLookup(const QString &featureFolder, const QString &spec)
{
    const QString suffix = spec.section(':', 0, 0);
    const QString variant = spec.section(':', 1, 1);
    const QString path = featureFolder + "/filter/filter." + suffix;
    if (variant == "corrupt")
        QVERIFY(writeBytes(path, QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, 'x')));
    else if (variant == "empty")
        QVERIFY(writeBytes(path, QByteArray()));
    else {
        const int side = variant.isEmpty() ? 512 : variant.toInt();
        QVERIFY(!writeImage(path, QSize(side, side), suffix == "png" ? "PNG" : "JPG").isEmpty());
    }
}

} // namespace

class TstFilter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { wireApplication(m_engine); }
    void init() { newProject(); }
    void cleanup() { packs()->clearWorkspace(); }

    void newFilterStartsFromTheTemplate()
    {
        const int before = library()->recordCount();
        LWFilterModel *filter = newFilter();
        QVERIFY(filter);
        QVERIFY(treeMatchesEffect());
        QCOMPARE(filter->title(), QString("Filter"));
        QCOMPARE(filter->naviItemIcon(), QString("qrc:/LWViewCommon/images/featureFilter.png"));
        QCOMPARE(filter->sdkVersion(), QString("1.1.0"));
        QCOMPARE(filter->tag(), QString("Filter"));
        QVERIFY(filter->sceneViewModel());
        QCOMPARE(filter->sceneViewModel()->property("qmlPath").toString(), QString("qrc:/LWFilter/LWFilterSceneView.qml"));
        // The template's lookup image joins the library and is the current one.
        QCOMPARE(library()->recordCount(), before + 1);
        QCOMPARE(filter->textureIds(), QStringList{filter->textureId()});
        QCOMPARE(library()->type(filter->textureId()), int(LWEffectCommon::LWResourceType2DTexture));
        QCOMPARE(currentLut(filter), bytesOf(kTemplateLut));
        LW_COMPARE_JSON(panelOf(filter)->value(),
                        (QJsonObject{{"intensity", 1}, {"filter_resources", filter->textureId()}}));
        LW_COMPARE_JSON(filter->toConfigLinkValue(), (QJsonObject{{"type", "Filter"}, {"zorder", 5000}, {"path", "Filter/"}}));
    }

    void menuRenamesAndRemoves()
    {
        LWFilterModel *filter = newFilter();
        filter->menuItemAction("menuItemRename");
        QVERIFY(filter->naviItemEditing());
        filter->menuItemAction("menuItemRemove");
        QCOMPARE(effect()->modelCount(), 0);
        QVERIFY(treeMatchesEffect());
        LWUndoStack::instance()->undo();
        QCOMPARE(effect()->featureAt(0), static_cast<LWFeatureModel *>(filter));
        QVERIFY(treeMatchesEffect());
    }

    // Edits reach the feature through the controller, once per step, and
    // undo and redo bring the model along.
    void editsThroughThePanel()
    {
        QTemporaryDir sources;
        LWFilterModel *filter = newFilter();
        select(filter);
        const QString original = filter->textureId();
        const QString lut = importLut(writeImage(sources.filePath("warm.png"), QSize(512, 512), "PNG", Qt::yellow));
        QVERIFY(!lut.isEmpty());

        auto *strength = node<LWPropFloatRangeViewModel>(panelOf(filter), "intensity");
        QVERIFY(strength);
        strength->setFloatValue(0.25);
        QCOMPARE(filter->intensity(), 0.25f);
        QVERIFY(pickLut(filter, lut));
        QCOMPARE(filter->textureId(), lut);
        LW_COMPARE_JSON(panelOf(filter)->value(), (QJsonObject{{"intensity", 0.25}, {"filter_resources", lut}}));

        // A lookup image of another size is refused by the panel.
        const QString small = importLut(writeImage(sources.filePath("small.png"), QSize(64, 64), "PNG"));
        QVERIFY(!pickLut(filter, small));
        QCOMPARE(filter->textureId(), lut);

        LWUndoStack::instance()->undo();
        QCOMPARE(filter->intensity(), 1.0f);
        QCOMPARE(filter->textureId(), lut); // picking an image is not an undo step
        LWUndoStack::instance()->redo();
        QCOMPARE(filter->intensity(), 0.25f);
        QVERIFY(original != lut);
        QVERIFY(treeMatchesEffect());
    }

    // Package folders: PNG before JPG before JPEG; an image that does not
    // decode is passed over; one of the wrong size is still the author's
    // choice (the panel and the package check say what is wrong with it).
    void lookupSearchOrder_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("imported");
        QTest::newRow("png") << QStringList{"png"} << "png" << 2;
        QTest::newRow("jpg") << QStringList{"jpg"} << "jpg" << 2;
        QTest::newRow("jpeg") << QStringList{"jpeg"} << "jpeg" << 2;
        QTest::newRow("png before jpg") << QStringList{"jpg", "png"} << "png" << 2;
        QTest::newRow("jpg before jpeg") << QStringList{"jpeg", "jpg"} << "jpg" << 2;
        QTest::newRow("corrupt png, then jpg") << QStringList{"png:corrupt", "jpg"} << "jpg" << 2;
        QTest::newRow("zero-byte png only") << QStringList{"png:empty"} << "default" << 1;
        QTest::newRow("wrong size") << QStringList{"png:256"} << "png" << 2;
        QTest::newRow("empty filter folder") << QStringList{} << "default" << 1;
    }
    void lookupSearchOrder()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        QFETCH(int, imported);
        QTemporaryDir package;
        const QJsonObject config = LWJsonFile::read(":/FeatureTemplates/Filter/config.json");
        writePackage(package.path(), "Filter", "Filter_byTool", "config.json", config);
        QDir().mkpath(package.filePath("Filter_byTool/filter"));
        for (const QString &file : files)
            writeLookup(package.filePath("Filter_byTool"), file);

        QVERIFY(importIntoNewProject(package.path()));
        auto *filter = featureAt<LWFilterModel>(0);
        QVERIFY(filter);
        QCOMPARE(filter->path(), QString("Filter_byTool/"));
        QCOMPARE(filter->textureIds().size(), imported);
        QCOMPARE(filter->textureIds().first().isEmpty(), false);
        if (expected == "default")
            QCOMPARE(currentLut(filter), bytesOf(kTemplateLut));
        else
            QCOMPARE(currentLut(filter), bytesOf(package.filePath("Filter_byTool/filter/filter." + expected)));
        QVERIFY(treeMatchesEffect());
    }

    // A lookup image of the wrong size survives export as it is, the panel
    // tells the author what is wrong, and the package check names it.
    void wrongSizeLookupStaysAndIsReported()
    {
        QTemporaryDir package;
        writePackage(package.path(), "Filter", "Filter_byTool", "config.json",
                     LWJsonFile::read(":/FeatureTemplates/Filter/config.json"));
        QDir().mkpath(package.filePath("Filter_byTool/filter"));
        writeLookup(package.filePath("Filter_byTool"), "png:256");
        QVERIFY(importIntoNewProject(package.path()));
        auto *filter = featureAt<LWFilterModel>(0);
        QVERIFY(filter);
        select(filter);
        auto *button = node<LWPropImageButtonViewModel>(panelOf(filter), "filter_resources");
        QVERIFY(button);
        QCOMPARE(button->value().toString(), filter->textureId());
        QVERIFY2(!button->sizeProblem().isEmpty(), "the panel says nothing of the size");

        QTemporaryDir out;
        exportInto(out.path());
        QCOMPARE(QImage(out.filePath("Filter_byTool/filter/filter.png")).size(), QSize(256, 256));
        const QStringList problems = LWPackageCheck::checkFolder(out.path()).problems;
        QVERIFY2(problems.filter("must be 512 x 512").size() == 1, qPrintable(problems.join('\n')));
    }

    // What the package gets: the image under "filter/" with the type the
    // engine decodes it as, the built-in table when the chosen one is gone.
    void exportWritesLookupAndFileType_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("fileType");
        QTest::newRow("unchanged template") << "" << "filter/filter.png" << 0;
        QTest::newRow("png") << "lut.png" << "filter/filter.png" << 0;
        QTest::newRow("jpg") << "lut.jpg" << "filter/filter.jpg" << 1;
        QTest::newRow("jpeg") << "lut.jpeg" << "filter/filter.jpeg" << 1;
        QTest::newRow("upper-case png") << "lut.PNG" << "filter/filter.png" << 0;
        QTest::newRow("removed from library") << "removed" << "filter/filter.png" << 0;
    }
    void exportWritesLookupAndFileType()
    {
        QFETCH(QString, source);
        QFETCH(QString, written);
        QFETCH(int, fileType);
        QTemporaryDir sources;
        LWFilterModel *filter = newFilter();
        select(filter);
        QByteArray expectedBytes = bytesOf(kTemplateLut);
        if (!source.isEmpty()) {
            const QString name = source == "removed" ? "lut.png" : source;
            const QString file = writeImage(sources.filePath(name), QSize(512, 512),
                                            QFileInfo(name).suffix().toLower() == "png" ? "PNG" : "JPG", Qt::cyan);
            const QString id = importLut(file);
            QVERIFY(pickLut(filter, id));
            expectedBytes = bytesOf(file);
            if (source == "removed") {
                library()->remove(id);
                expectedBytes = bytesOf(kBuiltInLut);
            }
        }
        QTemporaryDir out;
        exportInto(out.path());
        const QJsonObject config = LWJsonFile::read(out.filePath("Filter/config.json"));
        LW_COMPARE_JSON(filterRecord(config), (QJsonObject{{"type", 0}, {"file_type", fileType}, {"intensity", 1}}));
        QVERIFY(isFreshTag(config.value("tag").toString(), "Filter"));
        QCOMPARE(config.value("version").toString(), QString("1.1"));
        QVERIFY(!config.contains("requirement"));
        QCOMPARE(bytesOf(out.filePath("Filter/" + written)), expectedBytes);
        QCOMPARE(QDir(out.filePath("Filter/filter")).entryList(QDir::Files).size(), 1);
        QVERIFY(LWPackageCheck::checkFolder(out.path()).problems.isEmpty());
    }

    void exportImportAndReopenReproduce()
    {
        QTemporaryDir sources;
        LWFilterModel *filter = newFilter();
        select(filter);
        node<LWPropFloatRangeViewModel>(panelOf(filter), "intensity")->setFloatValue(0.4);
        const QString jpg = writeImage(sources.filePath("cool.jpg"), QSize(512, 512), "JPG", Qt::blue);
        QVERIFY(pickLut(filter, importLut(jpg)));
        QTemporaryDir out;
        const QJsonObject config = exportInto(out.path());
        QCOMPARE(config.value("version").toString(), QString("1.1.0"));

        QVERIFY(importIntoNewProject(out.path()));
        filter = featureAt<LWFilterModel>(0);
        QVERIFY(filter);
        QCOMPARE(filter->intensity(), 0.4f);
        QCOMPARE(currentLut(filter), bytesOf(jpg));
        QCOMPARE(filter->textureIds().size(), 2);
        LW_COMPARE_JSON(panelOf(filter)->value(),
                        (QJsonObject{{"intensity", double(0.4f)}, {"filter_resources", filter->textureId()}}));

        // Save and reopen: the record brings everything back and imports nothing.
        filter->setTitle("Night");
        filter->setChecked(false);
        const QString texture = filter->textureId();
        const int resources = library()->recordCount();
        QTemporaryDir projects;
        saveAndReopen(projects.filePath("Night"));
        const QJsonObject saved = LWJsonFile::read(projects.filePath("Night/effect/effect.json"));
        const QJsonObject record = saved.value("effect").toObject().value("Link").toArray().first().toObject();
        QCOMPARE(record.value("type").toString(), QString("Filter"));
        QCOMPARE(record.value("texture2d").toString(), texture);
        QCOMPARE(record.value("version").toString(), QString("1.1"));
        QCOMPARE(filterRecord(record.value("contentFile").toObject()).value("intensity").toDouble(), double(0.4f));

        filter = featureAt<LWFilterModel>(0);
        QVERIFY(filter);
        QCOMPARE(library()->recordCount(), resources);
        QCOMPARE(filter->textureId(), texture);
        QCOMPARE(filter->intensity(), 0.4f);
        QCOMPARE(filter->title(), QString("Night"));
        QVERIFY(!filter->checked());
        QCOMPARE(currentLut(filter), bytesOf(jpg));
        QVERIFY(treeMatchesEffect());
    }

    void packageCheckReportsBadLookups_data()
    {
        QTest::addColumn<QString>("lookup");
        QTest::addColumn<int>("fileType");
        QTest::addColumn<QString>("problem");
        QTest::newRow("good png") << "png" << 0 << "";
        QTest::newRow("wrong size") << "png:256" << 0 << "must be 512 x 512";
        QTest::newRow("unreadable") << "png:corrupt" << 0 << "not a readable image";
        QTest::newRow("jpg marked png") << "jpg" << 0 << "\"file_type\" is 0";
    }
    void packageCheckReportsBadLookups()
    {
        QFETCH(QString, lookup);
        QFETCH(int, fileType);
        QFETCH(QString, problem);
        QTemporaryDir package;
        QJsonObject config = LWJsonFile::read(":/FeatureTemplates/Filter/config.json");
        config.insert("content", QJsonObject{{"filter", QJsonObject{{"type", 0}, {"file_type", fileType}, {"intensity", 1}}}});
        writePackage(package.path(), "Filter", "Filter_byTool", "config.json", config);
        writeLookup(package.filePath("Filter_byTool"), lookup);
        const QStringList problems = LWPackageCheck::checkFolder(package.path()).problems;
        if (problem.isEmpty()) {
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        } else {
            QVERIFY2(!problems.filter(problem).isEmpty(), qPrintable(problems.join('\n')));
        }
    }

private:
    QQmlEngine m_engine;
};

LW_TEST_MAIN(TstFilter)
#include "tst_filter.moc"
