// The editor as an author uses it: the home and main windows loaded from
// their documents with every service behind them, driven with keys and
// clicks. Screenshots go to LW_SHOT_DIR when it is set.
#include "LWEditorDriver.h"
#include "LWTestMain.h"
#include "app/LWAppHost.h"
#include "app/LWGuiApplication.h"
#include "app/LWMainWindowController.h"
#include "common/LWJsonFile.h"
#include "common/LWLanguage.h"
#include "features/sticker2d/LW2DStickerPart.h"
#include "inspector/LWQmlViewModel.h"
#include "inspector/LWSecOptionViewModel.h"
#include "undo/LWUndoStack.h"
#include "package/LWZipUtil.h"
#include "navigation/LWNaviTreeModel.h"
#include "navigation/LWNaviTreeSelModel.h"
#include "common/LWResources.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWPackageSizeEstimator.h"
#include "workspace/LWRecentProjects.h"

#include <QTranslator>
#include <QtWebEngine>

using namespace LWEditorDriver;

namespace {

// A text as the interface shows it in the language the test runs in.
QString ui(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}

// The panel node editing a member; trigger pages are searched too.
LWQmlViewModel *panelNode(LWQmlViewModel *root, const QString &id)
{
    if (!root)
        return nullptr;
    if (root->id() == id)
        return root;
    for (const auto &child : root->children()) {
        if (LWQmlViewModel *found = panelNode(child.get(), id))
            return found;
    }
    if (auto *options = qobject_cast<LWSecOptionViewModel *>(root)) {
        for (int page = 0; page < options->pageCount(); ++page) {
            for (const auto &child : options->page(page)) {
                if (LWQmlViewModel *found = panelNode(child.get(), id))
                    return found;
            }
        }
    }
    return nullptr;
}

LWSecOptionViewModel *triggerPages(LWQmlViewModel *root)
{
    if (auto *options = qobject_cast<LWSecOptionViewModel *>(root))
        return options;
    for (const auto &child : root->children()) {
        if (auto *found = triggerPages(child.get()))
            return found;
    }
    return nullptr;
}

// The drawn item of a sticker part in the scene.
QQuickItem *partItem(QQuickItem *from, QObject *part)
{
    const QList<QQuickItem *> children = from->childItems();
    for (QQuickItem *child : children) {
        if (child->isVisible() && child->property("part").value<QObject *>() == part)
            return child;
        if (QQuickItem *found = partItem(child, part))
            return found;
    }
    return nullptr;
}

void mouse(QQuickWindow *window, QEvent::Type type, QPointF p, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, p, window->mapToGlobal(p.toPoint()), button, buttons, Qt::NoModifier);
    QGuiApplication::sendEvent(window, &event);
}

void drag(QQuickWindow *window, QPointF from, QPointF to)
{
    mouse(window, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int i = 1; i <= 10; ++i) {
        mouse(window, QEvent::MouseMove, from + (to - from) * (i / 10.0), Qt::LeftButton);
        QTest::qWait(10);
    }
    mouse(window, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

} // namespace

class TstEditorFlow : public QObject
{
    Q_OBJECT

    QQmlApplicationEngine *m_engine = nullptr; // owned
    QTemporaryDir m_dir;

    LWEffectPackManager *packs() const { return LWEffectPackManager::instance(); }
    QQuickWindow *home() const { return window(*m_engine, QStringLiteral("homeWinObj")); }
    QQuickWindow *editor() const { return window(*m_engine, QStringLiteral("mainStudioObj")); }
    QObject *inEditor(const char *name) const { return editor()->findChild<QObject *>(QLatin1String(name)); }

    void shoot(QQuickWindow *w, const QString &name)
    {
        const QString folder = qEnvironmentVariable("LW_SHOT_DIR");
        if (!folder.isEmpty() && w)
            w->grabWindow().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    // A new project from the home window with one feature in it, in the
    // editor, with the keyboard focus there.
    void startProjectWithFeature()
    {
        if (!showing(home()))
            LWMainWindowController::instance()->showHomeWindow();
        QTRY_VERIFY(showing(home()));
        call(home(), "newProject");
        QTRY_VERIFY(showing(editor()));
        packs()->createFeatureToWorkSpaceEffect(QStringLiteral("LWFeatureTypeFilter"));
        QCOMPARE(packs()->getFeatureCount(), 1);
        QVERIFY(!packs()->isSaved());
        QVERIFY(activate(editor()));
    }

    QString saveAs(const QString &name)
    {
        const QString folder = m_dir.filePath(name);
        call(editor(), "saveAsTo", QUrl::fromLocalFile(folder).toString());
        return folder;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_engine = loadEditor(this);
        LWMainWindowController::instance()->showHomeWindow();
        QVERIFY(home());
        QVERIFY(editor());
        QTRY_VERIFY(showing(home()));
    }

    // Ctrl+N on a project whose work is saved starts the new one at once.
    void newOnSavedProjectDoesNotAsk()
    {
        startProjectWithFeature();
        const QString folder = saveAs(QStringLiteral("Saved"));
        QTRY_VERIFY(packs()->isSaved());
        QCOMPARE(packs()->projName(), QStringLiteral("Saved"));

        QTest::keyClick(editor(), Qt::Key_N, Qt::ControlModifier);
        QTRY_VERIFY(packs()->isTmpProj());
        QVERIFY(!opened(inEditor("saveGuard")));
        QCOMPARE(packs()->getFeatureCount(), 0);
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/Saved.lwproj")));
    }

    // With unsaved work the guard asks; "Cancle" leaves the project, its
    // features and its unsaved state as they were.
    void cancelLeavesEverything()
    {
        startProjectWithFeature();
        const QString name = packs()->projName();
        QTest::keyClick(editor(), Qt::Key_N, Qt::ControlModifier);
        QObject *guard = inEditor("saveGuard");
        QTRY_VERIFY(opened(guard));
        shoot(editor(), QStringLiteral("guard"));
        QVERIFY(clickText(editor(), ui("LWSaveGuard", "Cancle")));
        QTRY_VERIFY(!opened(guard));
        QCOMPARE(packs()->projName(), name);
        QCOMPARE(packs()->getFeatureCount(), 1);
        QVERIFY(!packs()->isSaved());
        QVERIFY(packs()->isTmpProj());
    }

    // "Save" in the guard on a project that was never saved asks where to
    // save it first, and so does Ctrl+S.
    void saveOfTemporaryProjectAsksWhere()
    {
        startProjectWithFeature();
        QObject *dialog = inEditor("saveAsDialog");
        QVERIFY(dialog);
        QTest::keyClick(editor(), Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(dialog->property("visible").toBool());
        QMetaObject::invokeMethod(dialog, "close");
        QTRY_VERIFY(!dialog->property("visible").toBool());
        QVERIFY(activate(editor()));

        QTest::keyClick(editor(), Qt::Key_N, Qt::ControlModifier);
        QTRY_VERIFY(opened(inEditor("saveGuard")));
        QVERIFY(clickText(editor(), ui("LWSaveGuard", "Save")));
        QTRY_VERIFY(dialog->property("visible").toBool());
        QVERIFY(packs()->isTmpProj());
        // Picking the folder finishes the save and then the pending new project.
        const QString folder = saveAs(QStringLiteral("FromGuard"));
        QMetaObject::invokeMethod(dialog, "close");
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/FromGuard.lwproj")));
        QTRY_COMPARE(packs()->getFeatureCount(), 0);
        QVERIFY(packs()->isTmpProj());
    }

    // The menu bar's menus open in the editor's palette with their entries
    // and shortcuts.
    void menusOpen()
    {
        startProjectWithFeature();
        QVERIFY(clickText(editor(), ui("LWMainMenuBar", "File")));
        QTRY_VERIFY(itemWithText(editor()->contentItem(), QString(ui("LWMainMenuBar", "Open") + "\tCtrl+O")));
        QQuickItem *entry = itemWithText(editor()->contentItem(), QString(ui("LWMainMenuBar", "Open") + "\tCtrl+O"));
        QCOMPARE(entry->property("shortcutText").toString(), QStringLiteral("Ctrl+O"));
        shoot(editor(), QStringLiteral("menu-file"));
        QVERIFY2(entry->width() >= entry->implicitWidth(),
                 qPrintable(QString("%1 < %2").arg(entry->width()).arg(entry->implicitWidth())));
        QTest::keyClick(editor(), Qt::Key_Escape);
        QTRY_VERIFY(!itemWithText(editor()->contentItem(), QString(ui("LWMainMenuBar", "Open") + "\tCtrl+O")));

        QVERIFY(clickText(editor(), "+ " + ui("LWEffectNavigator", "Add")));
        QTRY_VERIFY(itemWithText(editor()->contentItem(), ui("LWEffectNavigator", "Makeup V2")));
        shoot(editor(), QStringLiteral("menu-add"));
        QTest::keyClick(editor(), Qt::Key_Escape);
    }

    // File > New > "Create a new project from the template" lists the
    // templates under their groups; choosing one over unsaved work asks
    // first, and "Not Save" goes on to the template's project.
    void templateMenuStartsFromTemplate()
    {
        startProjectWithFeature();
        const QString sweet = ui("LWTemplateCatalogue", "Filter") + QStringLiteral(" \u203A ")
                              + ui("LWTemplateCatalogue", "Sweet Filter");
        QVERIFY(clickText(editor(), ui("LWMainMenuBar", "File")));
        QTRY_VERIFY(itemWithText(editor()->contentItem(), ui("LWMainMenuBar", "New")));
        QVERIFY(clickText(editor(), ui("LWMainMenuBar", "New")));
        QTRY_VERIFY(itemWithText(editor()->contentItem(), ui("LWMainMenuBar", "Create a new project from the template")));
        QVERIFY(clickText(editor(), ui("LWMainMenuBar", "Create a new project from the template")));
        QTRY_VERIFY(itemWithText(editor()->contentItem(), sweet));
        QVERIFY(itemWithText(editor()->contentItem(), ui("LWTemplateCatalogue", "2D Sticker") + QStringLiteral(" \u203A ")
                                                          + ui("LWTemplateCatalogue", "White Cat")));
        shoot(editor(), QStringLiteral("menu-templates"));
        QVERIFY(clickText(editor(), sweet));
        QObject *guard = inEditor("saveGuard");
        QTRY_VERIFY(opened(guard));
        QVERIFY(clickText(editor(), ui("LWSaveGuard", "Not Save")));
        QTRY_VERIFY(!opened(guard));
        QTRY_COMPARE(packs()->getFeatureCount(), 1);
        QVERIFY(packs()->isTmpProj());
        QTRY_VERIFY(LWMainWindowController::instance()->sceneViewModel());
        QTRY_VERIFY(LWMainWindowController::instance()->sceneViewModel()->property("qmlPath").toString().endsWith(
            QLatin1String("LWFilterSceneView.qml")));
    }

    // Each feature kind, selected in the tree, brings its panel into the
    // inspector (and its scene where it has one).
    void eachFeatureKindShows_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("choice");
        QTest::newRow("2d-sticker") << "LWFeatureType2DSticker" << "";
        QTest::newRow("filter") << "LWFeatureTypeFilter" << "";
        QTest::newRow("makeup-lips") << "LWFeatureTypeFaceMakeupV2" << "lips_v2";
        QTest::newRow("hair-colour") << "LWFeatureTypeHairColor" << "";
        QTest::newRow("matting") << "LWFeatureTypeMatting" << "";
    }
    void eachFeatureKindShows()
    {
        QFETCH(QString, key);
        QFETCH(QString, choice);
        LWMainWindowController *ctrl = LWMainWindowController::instance();
        if (!showing(home()))
            ctrl->showHomeWindow();
        QTRY_VERIFY(showing(home()));
        call(home(), "newProject");
        QTRY_VERIFY(showing(editor()));
        if (choice.isEmpty())
            packs()->createFeatureToWorkSpaceEffect(key);
        else
            packs()->createFeatureToWorkSpaceEffectWithChoice(key, choice);
        QCOMPARE(packs()->getFeatureCount(), 1);
        ctrl->effectNaviTreeSelModel()->setCurrentIndex(ctrl->effectNaviTreeModel()->index(0, 0),
                                                        QItemSelectionModel::ClearAndSelect);
        QTRY_VERIFY(ctrl->inspectorViewModel());
        QTest::qWait(1500); // the package size settles, pictures load
        shoot(editor(), QStringLiteral("feature-") + QString::fromLatin1(QTest::currentDataTag()));
    }

    // An author's session on the "White Cat" template: open it from the
    // home window, pick a part in the tree, give it a trigger in the
    // inspector, drag it in the scene, undo both with the keyboard, save it
    // as a project of their own, reopen that from the recent list and
    // export the package.
    void whiteCatSession()
    {
        LWMainWindowController *ctrl = LWMainWindowController::instance();
        if (!showing(home()))
            ctrl->showHomeWindow();
        QTRY_VERIFY(showing(home()));
        QVERIFY(activate(home()));
        QTest::qWait(300);
        shoot(home(), QStringLiteral("home-templates"));
        QVERIFY(clickText(home(), ui("LWTemplateCatalogue", "White Cat")));
        QTRY_VERIFY(showing(editor()));
        QTRY_COMPARE(packs()->getFeatureCount(), 1);
        shoot(editor(), QStringLiteral("white-cat-opened"));

        // The part, chosen in the tree by its title.
        LWNaviTreeModel *tree = ctrl->effectNaviTreeModel();
        const QModelIndex partIndex = tree->index(0, 0, tree->index(0, 0));
        auto *part = dynamic_cast<LW2DStickerPart *>(LWNaviTreeModel::itemFromIndex(partIndex));
        QVERIFY(part);
        QVERIFY(activate(editor()));
        QVERIFY(clickText(editor(), part->title()));
        QTRY_COMPARE(ctrl->effectNaviTreeSelModel()->currentIndex(), partIndex);
        QTRY_VERIFY(ctrl->sceneViewModel() && ctrl->sceneViewModel()->property("qmlPath").toString().endsWith(
                                                  QLatin1String("LW2DStickerPartSceneView.qml")));
        QTRY_VERIFY(ctrl->inspectorViewModel());
        QTest::qWait(300);

        // The trigger mode combo opens the page of actions (switching pages
        // is no edit of its own), whose combo then picks "nod".
        LWQmlViewModel *panel = ctrl->inspectorViewModel();
        LWSecOptionViewModel *pages = triggerPages(panel);
        QVERIFY(pages);
        pages->setOptionIndex(1);
        LWUndoStack *stack = LWUndoStack::instance();
        const int before = stack->index();
        const int triggerBefore = part->partData().triggerType;
        const QPointF positionBefore = part->framePos();
        LWQmlViewModel *action = panelNode(panel, QStringLiteral("triggerAction"));
        QVERIFY(action);
        QVERIFY(action->setProperty("optionIndex", 3));
        QCOMPARE(part->partData().triggerType, 16);
        QCOMPARE(stack->index(), before + 1);

        // The part dragged in the scene, one step.
        QQuickItem *drawn = nullptr;
        QTRY_VERIFY((drawn = partItem(editor()->contentItem(), part)));
        const QPointF centre = drawn->mapToScene(QPointF(drawn->width() / 2, drawn->height() / 2));
        const int stepsBeforeDrag = stack->index();
        drag(editor(), centre, centre + QPointF(40, 30));
        QTRY_VERIFY(part->framePos() != positionBefore);
        QCOMPARE(stack->index(), stepsBeforeDrag + 1);
        shoot(editor(), QStringLiteral("white-cat-dragged"));

        // Undo both from the keyboard.
        QVERIFY(activate(editor()));
        for (int guard = 0; stack->index() > before && guard < 10; ++guard)
            QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(stack->index(), before);
        QCOMPARE(part->framePos(), positionBefore);
        QCOMPARE(part->partData().triggerType, triggerBefore);

        // Save as the author's own project.
        const QString folder = saveAs(QStringLiteral("MyWhiteCat"));
        QTRY_VERIFY(packs()->isSaved());
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/MyWhiteCat.lwproj")));

        // Reopen it from the home window's recent list.
        ctrl->showHomeWindow();
        QTRY_VERIFY(showing(home()));
        QVERIFY(activate(home()));
        QVERIFY(clickText(home(), ui("LWHomeWindow", "Recent projects")));
        QTRY_VERIFY(itemWithText(home()->contentItem(), QStringLiteral("MyWhiteCat")));
        shoot(home(), QStringLiteral("home-recent"));
        QVERIFY(clickText(home(), QStringLiteral("MyWhiteCat")));
        QTRY_VERIFY(showing(editor()));
        QTRY_COMPARE(packs()->projName(), QStringLiteral("MyWhiteCat"));
        QCOMPARE(packs()->getFeatureCount(), 1);

        // Export the package and look inside.
        const QString zip = m_dir.filePath(QStringLiteral("white-cat.zip"));
        call(editor(), "exportTo", QUrl::fromLocalFile(zip).toString());
        QTRY_VERIFY(QFileInfo::exists(zip));
        const QString unpacked = m_dir.filePath(QStringLiteral("white-cat"));
        QVERIFY(LWZipUtil::unzip(zip, unpacked));
        const QJsonObject config = LWJsonFile::read(unpacked + QStringLiteral("/config.json"));
        QCOMPARE(config.value("effect").toObject().value("Link").toArray().size(), 1);
        const QJsonObject sticker = LWJsonFile::read(unpacked + QStringLiteral("/2DSticker/sticker.json"));
        const QJsonObject parts = sticker.value("parts").toObject();
        QVERIFY(!parts.isEmpty());
        for (auto it = parts.begin(); it != parts.end(); ++it) {
            const int frames = it.value().toObject().value("frameCount").toInt();
            QVERIFY(frames > 0);
            QCOMPARE(QDir(unpacked + QStringLiteral("/2DSticker/") + it.key()).entryList({"*.png"}).size(), frames);
        }
    }

    // The "Sweet Filter" template's lookup table swapped for the identity
    // table in its drop-down: a resource pick makes no undo step, but the
    // project is unsaved and the package size follows.
    void lookupTableChoiceReachesThePackage()
    {
        LWMainWindowController *ctrl = LWMainWindowController::instance();
        ctrl->clearProjOnWorkspace();
        ctrl->showHomeWindow();
        QTRY_VERIFY(showing(home()));
        QVERIFY(activate(home()));
        // The home window's own way into a template; its last tile may be
        // scrolled out of the window.
        QVariant done;
        QVERIFY(QMetaObject::invokeMethod(home(), "fromTemplate", Q_RETURN_ARG(QVariant, done),
                                          Q_ARG(QVariant, QStringLiteral("qrc:/LWHome/templates/tempFilter1.zip")),
                                          Q_ARG(QVariant, QStringLiteral("gsTemplateSweetyFilter"))));
        QTRY_VERIFY(showing(editor()));
        QTRY_COMPARE(packs()->getFeatureCount(), 1);
        packs()->saveProjAs(m_dir.filePath(QStringLiteral("Sweet")));
        QTRY_VERIFY(packs()->isSaved());
        LWNaviTreeModel *tree = ctrl->effectNaviTreeModel();
        const QModelIndex filterIndex = tree->index(0, 0);
        ctrl->effectNaviTreeSelModel()->setCurrentIndex(filterIndex, QItemSelectionModel::ClearAndSelect);
        QTRY_VERIFY(ctrl->inspectorViewModel());
        QObject *estimator = LWPackageSizeEstimator::instance();
        QTRY_VERIFY(estimator->property("bytes").toDouble() > 40000);

        LWQmlViewModel *lookup = panelNode(ctrl->inspectorViewModel(), QStringLiteral("filter_resources"));
        QVERIFY(lookup);
        QStringList choices;
        const QList<QObject *> options = lookup->property("options").value<QList<QObject *>>();
        for (QObject *option : options)
            choices << option->property("title").toString();
        const int identity = choices.indexOf(QStringLiteral("default"));
        QVERIFY2(identity > 0, qPrintable(choices.join(", ")));
        QVERIFY(lookup->setProperty("optionIndex", identity));
        QCOMPARE(lookup->property("optionIndex").toInt(), identity);
        QVERIFY(!packs()->isSaved());
        // The identity table deflates to a few kilobytes.
        QTRY_VERIFY_WITH_TIMEOUT(estimator->property("bytes").toDouble() < 20000, 10000);
    }

    // A recent project whose folder has gone is not opened; the author is
    // told, and the editor is not entered.
    void vanishedRecentProjectWarns()
    {
        startProjectWithFeature();
        const QString folder = saveAs(QStringLiteral("Vanishing"));
        const QString project = folder + QStringLiteral("/Vanishing.lwproj");
        QTRY_VERIFY(QFileInfo::exists(project));
        QVERIFY(QDir(folder).removeRecursively());

        LWMainWindowController::instance()->showHomeWindow();
        QTRY_VERIFY(showing(home()));
        QVERIFY(!showing(editor()));
        call(home(), "openProject", project);
        QObject *missing = home()->findChild<QObject *>(QStringLiteral("missingProject"));
        QTRY_VERIFY(opened(missing));
        shoot(home(), QStringLiteral("missing-project"));
        QVERIFY(showing(home()));
        QVERIFY(!showing(editor()));
        QMetaObject::invokeMethod(missing, "close");
    }
};

int main(int argc, char **argv)
{
    LWTest::isolate();
    QtWebEngine::initialize();
    LWGuiApplication app(argc, argv);
    QTranslator translator;
    LWEditorDriver::useShotLanguage(app, translator);
    TstEditorFlow test;
    return LWTest::run(argc, argv, &test);
}
#include "tst_editorflow.moc"
