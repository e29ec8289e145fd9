// The window's controls reach their models: context menus with sub-menus,
// renames, the add menu, the resource navigator's entries, drags and keys,
// size rules told to the author, the export notice. Each case is driven
// through the real main window, and what must last is checked in the saved
// project or the exported package. Screenshots go to LW_SHOT_DIR when set.
#include "LWEditorDriver.h"
#include "LWTestMain.h"
#include "app/CustomFileDialogAdapter.h"
#include "app/LWAppHost.h"
#include "app/LWGuiApplication.h"
#include "app/LWMainWindowController.h"
#include "common/LWJsonFile.h"
#include "features/LWMenuItemModel.h"
#include "navigation/LWNaviTreeModel.h"
#include "navigation/LWNaviTreeSelModel.h"
#include "package/LWZipUtil.h"
#include "resources/LWResourceManager.h"
#include "resources/LWResouceTreeViewModel.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"

#include <QImage>
#include <QtWebEngine>

using namespace LWEditorDriver;

namespace {

QString ui(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}

QString writePng(const QString &path, QSize size, QColor color = Qt::red)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return image.save(path) ? path : QString();
}

void pointer(QQuickWindow *window, QEvent::Type type, QPointF p, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, p, window->mapToGlobal(p.toPoint()), button, buttons, Qt::NoModifier);
    QGuiApplication::sendEvent(window, &event);
}

QPointF centreOf(QQuickItem *item, qreal fraction = 0.5)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() * fraction));
}

QStringList titlesUnder(LWNaviTreeItem *item)
{
    QStringList titles;
    for (int i = 0; item && i < item->childCount(); ++i)
        titles << item->child(i)->title();
    return titles;
}

} // namespace

class TstWindowControls : public QObject
{
    Q_OBJECT

    QQmlApplicationEngine *m_engine = nullptr; // owned
    QTemporaryDir m_dir;
    QStringList m_openedFolders;

    LWEffectPackManager *packs() const { return LWEffectPackManager::instance(); }
    LWMainWindowController *ctrl() const { return LWMainWindowController::instance(); }
    QQuickWindow *home() const { return window(*m_engine, QStringLiteral("homeWinObj")); }
    QQuickWindow *editor() const { return window(*m_engine, QStringLiteral("mainStudioObj")); }
    QObject *inEditor(const char *name) const { return editor()->findChild<QObject *>(QLatin1String(name)); }
    QQuickItem *shown(const QString &text) const { return itemWithText(editor()->contentItem(), text); }

    void shoot(const QString &name)
    {
        const QString folder = qEnvironmentVariable("LW_SHOT_DIR");
        if (!folder.isEmpty())
            editor()->grabWindow().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    void newProject()
    {
        if (!showing(home()))
            ctrl()->showHomeWindow();
        QTRY_VERIFY(showing(home()));
        call(home(), "newProject");
        QTRY_VERIFY(showing(editor()));
        QVERIFY(activate(editor()));
    }

    void rightClick(QQuickItem *item)
    {
        QTest::mouseClick(editor(), Qt::RightButton, Qt::NoModifier, centreOf(item).toPoint());
    }

    QString saveAs(const QString &name)
    {
        const QString folder = m_dir.filePath(name);
        call(editor(), "saveAsTo", QUrl::fromLocalFile(folder).toString());
        return folder + QLatin1Char('/') + name + QStringLiteral(".lwproj");
    }

    void reopen(const QString &project)
    {
        ctrl()->clearProjOnWorkspace();
        packs()->openProj(QUrl::fromLocalFile(project).toString());
        QTRY_VERIFY(packs()->isSaved());
        QCOMPARE(QFileInfo(project).completeBaseName(), packs()->projName());
    }

    LWNaviTreeItem *featureRow(int row) const
    {
        return LWNaviTreeModel::itemFromIndex(ctrl()->effectNaviTreeModel()->index(row, 0));
    }

    // What a row's drop handler does with the dragged row and the row it
    // was dropped on (its lower half: into it).
    void dropRow(const char *treeName, const QModelIndex &source, const QModelIndex &target, bool into)
    {
        QObject *tree = inEditor(treeName);
        QVERIFY(tree);
        QVariantMap dragged;
        dragged.insert(QStringLiteral("sourceIndex"), QVariant::fromValue(source));
        QVariant moved;
        QMetaObject::invokeMethod(tree, "dropRow", Q_RETURN_ARG(QVariant, moved), Q_ARG(QVariant, dragged),
                                  Q_ARG(QVariant, QVariant::fromValue(target)), Q_ARG(QVariant, into));
        QVERIFY2(moved.toBool(), treeName);
    }

    // Ctrl+N after an edit must ask; Cancel keeps everything.
    void newAsksToSave()
    {
        QVERIFY(activate(editor()));
        QTest::keyClick(editor(), Qt::Key_N, Qt::ControlModifier);
        QObject *guard = inEditor("saveGuard");
        QTRY_VERIFY(opened(guard));
        QVERIFY(clickText(editor(), ui("LWSaveGuard", "Cancle")));
        QTRY_VERIFY(!opened(guard));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_engine = loadEditor(this);
        LWMainWindowController::setFolderOpener([this](const QString &folder) {
            m_openedFolders << folder;
            return true;
        });
        ctrl()->showHomeWindow();
        QTRY_VERIFY(showing(home()));
    }

    // "Rename" from each node's context menu keeps the typed title, and the
    // saved project gives it back after reopening.
    void renameFromTheContextMenu_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("choice");
        QTest::newRow("filter") << "LWFeatureTypeFilter" << "";
        QTest::newRow("hair colour") << "LWFeatureTypeHairColor" << "";
        QTest::newRow("matting") << "LWFeatureTypeMatting" << "";
        QTest::newRow("makeup") << "LWFeatureTypeFaceMakeupV2" << "lips_v2";
    }
    void renameFromTheContextMenu()
    {
        QFETCH(QString, key);
        QFETCH(QString, choice);
        newProject();
        if (choice.isEmpty())
            packs()->createFeatureToWorkSpaceEffect(key);
        else
            packs()->createFeatureToWorkSpaceEffectWithChoice(key, choice);
        QTRY_VERIFY(featureRow(0));
        const QString project = saveAs(QStringLiteral("Rename") + QString::number(qHash(key)));
        QTRY_VERIFY(packs()->isSaved());

        QQuickItem *title = nullptr;
        QTRY_VERIFY((title = shown(featureRow(0)->title())));
        rightClick(title);
        // The entry's title as the item's own menu model gives it.
        QString renameTitle;
        for (const QVariant &entry : featureRow(0)->subItems()) {
            auto *item = qobject_cast<LWMenuItemModel *>(entry.value<QObject *>());
            if (item && item->itemId().contains(QLatin1String("ename")))
                renameTitle = item->itemTitle();
        }
        QVERIFY(!renameTitle.isEmpty());
        QTRY_VERIFY(shown(renameTitle));
        QVERIFY(clickText(editor(), renameTitle));
        QTRY_VERIFY(featureRow(0)->naviItemEditing());
        // The title editor takes the keys once it has the focus.
        QTRY_VERIFY(editor()->activeFocusItem() && editor()->activeFocusItem()->inherits("QQuickTextInput"));
        for (const QChar c : QStringLiteral("Evening glow"))
            QTest::keyClick(editor(), c.toLatin1());
        QTest::keyClick(editor(), Qt::Key_Return);
        QTRY_COMPARE(featureRow(0)->title(), QStringLiteral("Evening glow"));
        QVERIFY(!packs()->isSaved());
        newAsksToSave();

        packs()->saveProj();
        QVERIFY(packs()->isSaved());
        reopen(project);
        QCOMPARE(featureRow(0)->title(), QStringLiteral("Evening glow"));
    }

    // The makeup's "Add Effect" opens its sub-menu, and an entry there adds
    // that layer.
    void makeupAddEffectSubMenu()
    {
        newProject();
        packs()->createFeatureToWorkSpaceEffectWithChoice(QStringLiteral("LWFeatureTypeFaceMakeupV2"),
                                                          QStringLiteral("lips_v2"));
        QTRY_VERIFY(featureRow(0));
        LWNaviTreeItem *makeup = featureRow(0);
        const int layers = makeup->childCount();
        auto *add = qobject_cast<LWMenuItemModel *>(makeup->subItems().first().value<QObject *>());
        QVERIFY(add && add->subItemCount() > 0);
        const auto *brow = qobject_cast<LWMenuItemModel *>(add->subItems().at(0));
        QVERIFY(brow);

        QQuickItem *title = nullptr;
        QTRY_VERIFY((title = shown(makeup->title())));
        rightClick(title);
        QTRY_VERIFY(shown(add->itemTitle()));
        QVERIFY(clickText(editor(), add->itemTitle()));
        QTRY_VERIFY(shown(brow->itemTitle()));
        shoot(QStringLiteral("context-submenu"));
        // Into the sub-menu as a pointer goes, then the click.
        QQuickItem *entry = shown(brow->itemTitle());
        QVERIFY(entry);
        pointer(editor(), QEvent::MouseMove, centreOf(entry), Qt::NoButton);
        QTest::qWait(100);
        QVERIFY(click(editor(), entry));
        QTRY_COMPARE(makeup->childCount(), layers + 1);
        QVERIFY(!packs()->isSaved());
    }

    // The add menu offers music, and the new feature is selected at once;
    // a reorder of the features is a change the save question knows, and
    // the saved project keeps it. (The music is an effect record of its own
    // and is read back at the top.)
    void addMenuMusicAndReorder()
    {
        newProject();
        packs()->createFeatureToWorkSpaceEffect(QStringLiteral("LWFeatureTypeFilter"));
        packs()->createFeatureToWorkSpaceEffect(QStringLiteral("LWFeatureTypeMatting"));
        QVERIFY(clickText(editor(), "+ " + ui("LWEffectNavigator", "Add")));
        QTRY_VERIFY(shown(ui("LWEffectNavigator", "Background Music")));
        QVERIFY(clickText(editor(), ui("LWEffectNavigator", "Background Music")));
        QTRY_COMPARE(packs()->getFeatureCount(), 3);
        QTRY_VERIFY(ctrl()->inspectorViewModel());
        LWNaviTreeItem *selected = LWNaviTreeModel::itemFromIndex(ctrl()->effectNaviTreeSelModel()->currentIndex());
        QVERIFY(selected);
        QVERIFY2(selected->title().contains(QLatin1String("BGM")), qPrintable(selected->title()));
        QCOMPARE(featureRow(0), selected);
        const QString project = saveAs(QStringLiteral("Reorder"));
        QTRY_VERIFY(packs()->isSaved());
        const QStringList before{featureRow(1)->title(), featureRow(2)->title()};

        // The lower row dropped on the upper half of the one above it: the
        // call the row's drop handler makes.
        LWNaviTreeModel *effectTree = ctrl()->effectNaviTreeModel();
        dropRow("effectTree", effectTree->index(2, 0), effectTree->index(1, 0), false);
        const QStringList after{before.at(1), before.at(0)};
        QTRY_COMPARE((QStringList{featureRow(1)->title(), featureRow(2)->title()}), after);
        QVERIFY(!packs()->isSaved());
        newAsksToSave();
        packs()->saveProj();
        reopen(project);
        QCOMPARE(packs()->getFeatureCount(), 3);
        QCOMPARE((QStringList{featureRow(1)->title(), featureRow(2)->title()}), after);
    }

    // The resource navigator's menu: a new group, a resource dragged into
    // it while empty, two resources deleted together with the Delete key;
    // what remains is what the saved library holds after reopening.
    void resourceNavigator()
    {
        newProject();
        QObject *navigator = inEditor("resourceNavigator");
        QVERIFY(navigator);
        const QString dir = m_dir.filePath(QStringLiteral("pictures"));
        // What the "Import File" dialog hands over once the author picked.
        const QVariantList picked{QUrl::fromLocalFile(writePng(dir + "/sun.png", QSize(8, 8))).toString(),
                                  QUrl::fromLocalFile(writePng(dir + "/moon.png", QSize(8, 8))).toString(),
                                  QUrl::fromLocalFile(writePng(dir + "/star.png", QSize(8, 8))).toString()};
        QVariant done;
        QMetaObject::invokeMethod(navigator, "importFiles", Q_RETURN_ARG(QVariant, done), Q_ARG(QVariant, picked),
                                  Q_ARG(QVariant, QStringLiteral("gsClickImportResourceFile")));
        LWNaviTreeItem *root = LWResourceManager::instance()->treeRoot();
        QTRY_COMPARE(root->childCount(), 3);

        QVERIFY(clickText(editor(), "+ " + ui("LWResourceNavigator", "Import")));
        QTRY_VERIFY(shown(ui("LWResourceNavigator", "Import GIF")));
        QVERIFY(shown(ui("LWResourceNavigator", "Import Texture Folder")));
        shoot(QStringLiteral("resource-menu"));
        QVERIFY(clickText(editor(), ui("LWResourceNavigator", "New Group")));
        QTRY_COMPARE(root->childCount(), 4);
        const QString group = root->child(0)->title();

        // "sun" onto the lower half of the empty group goes into it.
        LWNaviTreeModel *resources = ctrl()->resourceNaviTreeModel();
        int sunRow = -1;
        for (int i = 0; i < root->childCount(); ++i) {
            if (root->child(i)->title() == QLatin1String("sun"))
                sunRow = i;
        }
        QVERIFY(sunRow > 0);
        dropRow("resourceTree", resources->index(sunRow, 0), resources->index(0, 0), true);
        QTRY_COMPARE(root->child(0)->childCount(), 1);
        QCOMPARE(root->child(0)->child(0)->title(), QStringLiteral("sun"));

        // "moon" and "star" chosen with Ctrl and deleted together.
        QVERIFY(clickText(editor(), QStringLiteral("moon")));
        QQuickItem *star = shown(QStringLiteral("star"));
        QVERIFY(star);
        QTest::mouseClick(editor(), Qt::LeftButton, Qt::ControlModifier, centreOf(star).toPoint());
        QTest::keyClick(editor(), Qt::Key_Delete);
        QTRY_COMPARE(root->childCount(), 1);
        shoot(QStringLiteral("resource-tree"));

        const QString project = saveAs(QStringLiteral("Library"));
        QTRY_VERIFY(packs()->isSaved());
        reopen(project);
        root = LWResourceManager::instance()->treeRoot();
        QCOMPARE(root->childCount(), 1);
        QCOMPARE(titlesUnder(root->child(0)), QStringList{QStringLiteral("sun")});
    }

    // A template's resources are listed by the names the package carries.
    void templateResourcesReadable()
    {
        if (!showing(home()))
            ctrl()->showHomeWindow();
        QTRY_VERIFY(showing(home()));
        QVERIFY(clickText(home(), ui("LWTemplateCatalogue", "White Cat")));
        QTRY_VERIFY(showing(editor()));
        QTRY_VERIFY(shown(QStringLiteral("ears")));
        QVERIFY(shown(QStringLiteral("whiskers")));
        QTest::qWait(500);
        shoot(QStringLiteral("resource-names"));
    }

    // "+" beside a pupil texture list: a picture of the wrong size is not
    // imported, and the main window says why.
    void sizeRuleIsTold()
    {
        newProject();
        packs()->createFeatureToWorkSpaceEffectWithChoice(QStringLiteral("LWFeatureTypeFaceMakeupV2"),
                                                          QStringLiteral("pupil"));
        QTRY_VERIFY(featureRow(0) && featureRow(0)->childCount() > 0);
        LWNaviTreeItem *pupil = featureRow(0)->child(0);
        QTRY_VERIFY(shown(pupil->title()));
        QVERIFY(clickText(editor(), pupil->title()));
        QTRY_VERIFY(ctrl()->inspectorViewModel());
        QTest::qWait(300);
        const int records = LWResourceManager::instance()->recordCount();

        // The first "+" of the panel is the blend texture's.
        QQuickItem *plus = shown(QStringLiteral("+"));
        QList<QQuickItem *> pluses;
        std::function<void(QQuickItem *)> collect = [&](QQuickItem *item) {
            if (!item->isVisible())
                return;
            if (item->property("text").toString() == QLatin1String("+") && item->metaObject()->indexOfSignal("clicked()") >= 0)
                pluses << item;
            for (QQuickItem *child : item->childItems())
                collect(child);
        };
        collect(editor()->contentItem());
        shoot(QStringLiteral("pupil-panel"));
        QVERIFY2(!pluses.isEmpty(), "no import button in the panel");
        plus = pluses.last();
        QObject *adapter = ctrl()->fileDialogAdapter();
        QSignalSpy asked(adapter, SIGNAL(openDialog()));
        QVERIFY(click(editor(), plus));
        QTRY_COMPARE(asked.size(), 1);
        // The author picks a 20 x 20 picture.
        QObject answer;
        answer.setProperty("fileUrl", QUrl::fromLocalFile(writePng(m_dir.filePath("wrong.png"), QSize(20, 20))));
        answer.setProperty("fileUrls", QVariant::fromValue(QList<QUrl>{answer.property("fileUrl").toUrl()}));
        answer.setProperty("folder", QUrl());
        // The platform dialog stands for the author's pick: it is closed and
        // its answer handed over as the dialog itself would.
        QObject *platformDialog = inEditor("adapterFileDialog");
        QVERIFY(platformDialog);
        QTRY_VERIFY(platformDialog->property("visible").toBool());
        QMetaObject::invokeMethod(platformDialog, "close");
        QMetaObject::invokeMethod(adapter, "accepted", Q_ARG(QObject *, &answer));
        QObject *box = inEditor("messageBox");
        QTRY_VERIFY(opened(box));
        QVERIFY(!box->property("text").toString().isEmpty());
        shoot(QStringLiteral("constraint-message"));
        QCOMPARE(LWResourceManager::instance()->recordCount(), records);
        QMetaObject::invokeMethod(box, "close");
    }

    // A finished export names its place without a modal box and shows it
    // in its folder on request; the package holds the effect.
    void exportNotice()
    {
        newProject();
        packs()->createFeatureToWorkSpaceEffect(QStringLiteral("LWFeatureTypeFilter"));
        const QString zip = m_dir.filePath(QStringLiteral("out/glow.zip"));
        QDir().mkpath(QFileInfo(zip).absolutePath());
        call(editor(), "exportTo", QUrl::fromLocalFile(zip).toString());
        QTRY_VERIFY(QFileInfo::exists(zip));
        QObject *notice = inEditor("exportNotice");
        QTRY_VERIFY(notice && notice->property("visible").toBool());
        QVERIFY(!opened(inEditor("messageBox")));
        QTRY_VERIFY(shown(ui("LWExportNotice", "Show in Folder")));
        shoot(QStringLiteral("export-notice"));
        QQuickItem *show = shown(ui("LWExportNotice", "Show in Folder"));
        pointer(editor(), QEvent::MouseMove, centreOf(show), Qt::NoButton);
        QTest::qWait(100);
        QVERIFY(click(editor(), show));
        QTRY_COMPARE(m_openedFolders, QStringList{QFileInfo(zip).absolutePath()});
        QVERIFY(!notice->property("visible").toBool());
        const QString unpacked = m_dir.filePath(QStringLiteral("out/glow"));
        QVERIFY(LWZipUtil::unzip(zip, unpacked));
        QCOMPARE(LWJsonFile::read(unpacked + QStringLiteral("/config.json")).value("effect").toObject().value("Link").toArray().size(), 1);
    }
};

int main(int argc, char **argv)
{
    LWTest::isolate();
    QtWebEngine::initialize();
    LWGuiApplication app(argc, argv);
    TstWindowControls test;
    return LWTest::run(argc, argv, &test);
}
#include "tst_windowcontrols.moc"
