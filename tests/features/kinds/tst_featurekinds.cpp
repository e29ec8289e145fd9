#include "LWSimpleFeatureKit.h"
#include "LWTestMain.h"
#include "common/LWUsageEvents.h"
#include "features/LWFeatureCatalogue.h"
#include "features/LWFeatureKind.h"
#include "features/LWMenuItemModel.h"
#include "package/LWPackageCheck.h"
#include "package/LWPackageConfig.h"
#include "scene/LWSceneViewModel.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QQmlComponent>
#include <QQmlEngine>

using namespace LWSimpleFeatureKit;

Q_DECLARE_METATYPE(const LWFeatureKind *)

namespace {

const LWFeatureKind *kindOf(int type)
{
    return LWFeatureKinds::find(LWEffectCommon::LWFeatureType(type));
}

// The kind a feature is written as. (Both sticker kinds share the class
// and its feature type; their packages tell them apart.)
QString linkType(LWFeatureModel *feature)
{
    const QJsonObject link = feature->toConfigLinkValue().toObject();
    return link.isEmpty() ? LWEffectCommon::featurePackageName(feature->featureType())
                          : link.value(QStringLiteral("type")).toString();
}

// The id of a node's "Rename" entry, empty when its menu has none.
QString renameId(LWNaviTreeItem *node)
{
    for (const QVariant &entry : node->subItems()) {
        if (auto *item = qobject_cast<LWMenuItemModel *>(entry.value<QObject *>())) {
            if (item->itemId().contains(QLatin1String("ename")))
                return item->itemId();
        }
    }
    return QString();
}

bool offersRename(LWNaviTreeItem *node)
{
    return !renameId(node).isEmpty();
}

bool resourceExists(const QString &url)
{
    return QFile::exists(url.startsWith(QLatin1String("qrc:")) ? url.mid(3) : url);
}

} // namespace

// What every feature kind must do, walked from the kind registry: a new kind
// is tested here the moment its folder registers it.
class TstFeatureKinds : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        wireApplication(m_engine);
        LWUsageEvents::setSink([this](int value, int) { m_usage.append(value); });
        QVERIFY(!LWFeatureKinds::all().isEmpty());
    }
    void init()
    {
        newProject();
        m_usage.clear();
    }
    void cleanup() { packs()->clearWorkspace(); }

    void kinds_data()
    {
        QTest::addColumn<int>("type");
        for (const LWFeatureKind *kind : LWFeatureKinds::all())
            QTest::newRow(qPrintable(kind->packageName)) << int(kind->type);
    }

    // The record names the type it is registered for, and what it names is
    // shipped: templates, profiles in every language, scene documents.
    void recordIsWhole_data() { kinds_data(); }
    void recordIsWhole()
    {
        QFETCH(int, type);
        const LWFeatureKind *kind = kindOf(type);
        QCOMPARE(LWEffectCommon::featureTypeFromKey(kind->typeKey()), type);
        QCOMPARE(kind->packageName, LWEffectCommon::featurePackageName(kind->type));
        QVERIFY(kind->create);
        QVERIFY(kind->usageEvent > 0);
        if (!kind->templateFolder.isEmpty()) {
            const QString content = ":/FeatureTemplates/" + kind->templateFolder + kind->contentFileName();
            QVERIFY2(QFile::exists(content), qPrintable(content));
        }
        if (!kind->profile.isEmpty()) {
            for (const char *language : {"", "_EN", "_JP", "_KR"}) {
                QString profile = kind->profile;
                profile.insert(profile.lastIndexOf(".json"), QLatin1String(language));
                QVERIFY2(QFile::exists(profile), qPrintable(profile));
                QVERIFY(!LWJsonFile::read(profile).isEmpty());
            }
        }
        if (!kind->sceneDocument.isEmpty()) {
            QVERIFY2(resourceExists(kind->sceneDocument), qPrintable(kind->sceneDocument));
            QQmlComponent document(&m_engine, QUrl(kind->sceneDocument));
            QVERIFY2(!document.isError(), qPrintable(document.errorString()));
        }
        if (kind->menu.label) {
            QVERIFY(!kind->menu.icon.isEmpty() && resourceExists(kind->menu.icon));
            const QVariantList entries = LWFeatureCatalogue::instance()->entries();
            const bool offered = std::any_of(entries.cbegin(), entries.cend(), [kind](const QVariant &entry) {
                return entry.toMap().value("key").toString() == kind->typeKey();
            });
            QVERIFY(offered);
        }
    }

    // Created as the add menu creates it: first in the effect and the tree,
    // with the kind's usage event, inspector and scene; one undo step, and
    // undo and redo take it out and put the same feature back.
    void createsThroughTheEffect_data() { kinds_data(); }
    void createsThroughTheEffect()
    {
        QFETCH(int, type);
        const LWFeatureKind *kind = kindOf(type);
        const QString choice = kind->menu.choices.isEmpty() ? QString() : kind->menu.choices.first().value;
        auto *feature = create<LWFeatureModel>(kind->typeKey(), choice);
        QVERIFY(feature);
        QCOMPARE(linkType(feature), kind->packageName);
        QCOMPARE(effect()->modelCount(), 1);
        QVERIFY(m_usage.contains(kind->usageEvent));
        QVERIFY(treeMatchesEffect());
        LWNaviTreeItem *item = feature->asNaviTreeItem();
        QVERIFY(item);
        QCOMPARE(kind->effectRecordKey.isEmpty(), !feature->path().isEmpty());
        QCOMPARE(!kind->profile.isEmpty(), bool(item->inspectorViewModel()));
        if (kind->sceneDocument.isEmpty())
            QVERIFY(!item->sceneViewModel());
        else
            QCOMPARE(item->sceneViewModel() ? item->sceneViewModel()->qmlPath() : QString(), kind->sceneDocument);

        QCOMPARE(LWUndoStack::instance()->count(), 1);
        LWUndoStack::instance()->undo();
        QCOMPARE(effect()->modelCount(), 0);
        QVERIFY(treeMatchesEffect());
        LWUndoStack::instance()->redo();
        QCOMPARE(effect()->featureAt(0), feature);
        QVERIFY(treeMatchesEffect());
    }

    // Exported, the package holds the kind's record where the engine looks
    // for it and passes the package check; imported into a new project, it
    // gives a feature of the same kind that exports the same package.
    void exportsAndImportsBack_data() { kinds_data(); }
    void exportsAndImportsBack()
    {
        QFETCH(int, type);
        const LWFeatureKind *kind = kindOf(type);
        const QString choice = kind->menu.choices.isEmpty() ? QString() : kind->menu.choices.first().value;
        QVERIFY(create<LWFeatureModel>(kind->typeKey(), choice));
        QTemporaryDir first;
        const QJsonObject config = exportInto(first.path());
        const QJsonObject effectConfig = config.value("effect").toObject();
        if (kind->effectRecordKey.isEmpty()) {
            const QJsonArray links = effectConfig.value("Link").toArray();
            QCOMPARE(links.size(), 1);
            const QJsonObject link = links.first().toObject();
            QCOMPARE(link.value("type").toString(), kind->packageName);
            const QString folder = first.filePath(link.value("path").toString().section('/', 0, 0));
            QVERIFY2(QFileInfo::exists(folder + "/" + LWPackageConfig::contentFileName(kind->packageName))
                         || QFileInfo(folder).isDir(),
                     qPrintable(folder));
        } else {
            QVERIFY(effectConfig.value(kind->effectRecordKey).isObject());
        }
        const LWPackageCheck::Report report = LWPackageCheck::checkFolder(first.path());
        QVERIFY2(report.usable && report.problems.isEmpty(), qPrintable(report.problems.join('\n')));

        QVERIFY(importIntoNewProject(first.path()));
        QCOMPARE(effect()->modelCount(), 1);
        QCOMPARE(linkType(effect()->featureAt(0)), kind->packageName);
        QTemporaryDir second;
        const QJsonObject again = exportInto(second.path());
        QCOMPARE(LWTest::withoutTags(again.value("effect")), LWTest::withoutTags(effectConfig));
    }

    // Whatever a node's context menu offers "Rename" for keeps the new
    // title, counts as a change, and the next save writes it; the reopened
    // project shows it. The feature and, where it has them, its first child.
    void renameIsKept_data() { kinds_data(); }
    void renameIsKept()
    {
        QFETCH(int, type);
        const LWFeatureKind *kind = kindOf(type);
        const QString choice = kind->menu.choices.isEmpty() ? QString() : kind->menu.choices.first().value;
        auto *feature = create<LWFeatureModel>(kind->typeKey(), choice);
        QVERIFY(feature);
        QList<LWNaviTreeItem *> nodes{feature->asNaviTreeItem()};
        if (nodes.first()->childCount() > 0)
            nodes << nodes.first()->child(0);
        QStringList renamed;
        for (LWNaviTreeItem *node : nodes) {
            if (!offersRename(node))
                continue;
            packs()->setSaved(true);
            const QString title = QStringLiteral("Renamed %1").arg(renamed.size());
            node->menuItemAction(renameId(node));
            QVERIFY(node->naviItemEditing());
            QVERIFY(node->naviTreeItemRename("  " + title + " "));
            QCOMPARE(node->title(), title);
            QVERIFY(!node->naviItemEditing());
            QVERIFY(!packs()->isSaved());
            renamed << title;
        }
        if (renamed.isEmpty())
            QSKIP("nothing of this kind offers a rename");
        QTemporaryDir projects;
        saveAndReopen(projects.filePath("Renamed"));
        LWNaviTreeItem *reopened = effect()->featureAt(0)->asNaviTreeItem();
        QStringList titles{reopened->title()};
        if (reopened->childCount() > 0)
            titles << reopened->child(0)->title();
        for (const QString &title : renamed)
            QVERIFY2(titles.contains(title), qPrintable(titles.join(", ")));
    }

    // Every control that opens a file picker for a sticker, the filter or a
    // makeup layer first offers the tutorial on that topic, in every
    // language the profiles come in.
    void filePickersOfferTheTutorial_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("topic");
        QTest::newRow("sticker") << ":/LW2DSticker" << "sticker";
        QTest::newRow("filter") << ":/LWFilter" << "filter";
        QTest::newRow("makeup") << ":/LWFaceMakeUpV2/profile" << "makeups";
    }
    void filePickersOfferTheTutorial()
    {
        QFETCH(QString, folder);
        QFETCH(QString, topic);
        int pickers = 0;
        QDirIterator files(folder, {"*.json"}, QDir::Files);
        while (files.hasNext()) {
            const QString file = files.next();
            const QJsonObject profile = LWJsonFile::read(file);
            for (const QJsonValue &section : profile) {
                for (const QJsonValue &value : section.toObject().value("components").toArray()) {
                    const QJsonObject component = value.toObject();
                    const QString type = component.value("type").toString();
                    const bool picker = type == "LWPropTypeImageViewButton"
                                        || (type == "LWPropTypeOption" && component.value("showClickButton").toBool());
                    if (!picker)
                        continue;
                    ++pickers;
                    const QString where = file + " " + component.value("id").toString();
                    const QJsonObject tutorial = component.value("tutorial").toObject();
                    QVERIFY2(!tutorial.value("title").toString().isEmpty(), qPrintable(where));
                    QVERIFY2(!tutorial.value("content").toString().isEmpty(), qPrintable(where));
                    QCOMPARE(tutorial.value("url_tutorial").toString(), "/site/tutorial#" + topic);
                    QCOMPARE(tutorial.value("url_download").toString(), "/site/tutorial#" + topic);
                }
            }
        }
        QVERIFY2(pickers >= 4, qPrintable(QString::number(pickers)));
    }

private:
    QQmlEngine m_engine;
    QList<int> m_usage;
};

LW_TEST_MAIN(TstFeatureKinds)
#include "tst_featurekinds.moc"
