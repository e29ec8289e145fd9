// The editor as an author uses it: the home and main windows loaded from
// their documents with every service behind them, driven with keys and
// clicks. Screenshots go to LW_SHOT_DIR when it is set.
#include "LWEditorDriver.h"
#include "LWTestMain.h"
#include "app/LWAppHost.h"
#include "app/LWGuiApplication.h"
#include "app/LWMainWindowController.h"
#include "navigation/LWNaviTreeModel.h"
#include "navigation/LWNaviTreeSelModel.h"
#include "common/LWResources.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWRecentProjects.h"

#include <QtWebEngine>

using namespace LWEditorDriver;

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
        LWAppHost::registerTypes();
        m_engine = new QQmlApplicationEngine(this);
        LWAppHost::publishServices(*m_engine);
        for (const QString &document : LWAppHost::windowDocuments())
            m_engine->load(QUrl(document));
        LWMainWindowController::instance()->attachEngine(m_engine);
        LWMainWindowController::instance()->setNeedShowTutorial(false);
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
        QVERIFY(clickText(editor(), QStringLiteral("Cancle")));
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
        QVERIFY(clickText(editor(), QStringLiteral("Save")));
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
        QVERIFY(clickText(editor(), QStringLiteral("File")));
        QTRY_VERIFY(itemWithText(editor()->contentItem(), QStringLiteral("Open\tCtrl+O")));
        QQuickItem *entry = itemWithText(editor()->contentItem(), QStringLiteral("Open\tCtrl+O"));
        QCOMPARE(entry->property("shortcutText").toString(), QStringLiteral("Ctrl+O"));
        shoot(editor(), QStringLiteral("menu-file"));
        QVERIFY2(entry->width() >= entry->implicitWidth(),
                 qPrintable(QString("%1 < %2").arg(entry->width()).arg(entry->implicitWidth())));
        QTest::keyClick(editor(), Qt::Key_Escape);
        QTRY_VERIFY(!itemWithText(editor()->contentItem(), QStringLiteral("Open\tCtrl+O")));

        QVERIFY(clickText(editor(), QStringLiteral("+ Add")));
        QTRY_VERIFY(itemWithText(editor()->contentItem(), QStringLiteral("Makeup V2")));
        shoot(editor(), QStringLiteral("menu-add"));
        QTest::keyClick(editor(), Qt::Key_Escape);
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
    TstEditorFlow test;
    return LWTest::run(argc, argv, &test);
}
#include "tst_editorflow.moc"
