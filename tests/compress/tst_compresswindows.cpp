// The compression as the author meets it, drawn under Xvfb: a frame
// sequence chosen in the resource navigator shows its inspector in the
// editor, its level is switched there (controls off and the bar moving
// while the quantiser runs), and an oversized package opens the batch
// window "Compressed file". Screenshots go to LW_SHOT_DIR when it is set.
#include "LWCompressTestKit.h"
#include "LWTestMain.h"
#include "app/LWAppHost.h"
#include "app/LWGuiApplication.h"
#include "app/LWMainWindowController.h"
#include "windows/LWCompressFilesViewModel.h"
#include "inspector/LWInspectorViewModel.h"
#include "inspector/LWPropOptionViewModel.h"
#include "navigation/LWNaviTreeModel.h"
#include "navigation/LWNaviTreeSelModel.h"
#include "online/LWUploadPackage.h"
#include "resources/LWResource2DTextureFrameModel.h"
#include "resources/LWResourceComponentView.h"
#include "resources/LWResourceManager.h"
#include "workspace/LWEffectPackManager.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtWebEngine>

using namespace LWCompressTestKit;

namespace {

LWEffectPackManager *packs()
{
    return LWEffectPackManager::instance();
}

LWResourceManager *library()
{
    return LWResourceManager::instance();
}

QQuickItem *childNamed(QQuickWindow *window, const QString &name)
{
    return window ? window->findChild<QQuickItem *>(name) : nullptr;
}

void click(QQuickWindow *window, QQuickItem *item)
{
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

} // namespace

class TstCompressWindows : public QObject
{
    Q_OBJECT

    QQmlApplicationEngine *m_engine = nullptr; // owned
    QTemporaryDir m_dir;

    QQuickWindow *window(const QString &objectName) const
    {
        for (QObject *root : m_engine->rootObjects()) {
            if (root->objectName() == objectName)
                return qobject_cast<QQuickWindow *>(root);
        }
        return nullptr;
    }

    void shoot(QQuickWindow *w, const QString &name)
    {
        const QString folder = qEnvironmentVariable("LW_SHOT_DIR");
        if (!folder.isEmpty() && w)
            w->grabWindow().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    QString importSequence(const QString &name, int count, int size)
    {
        const QString folder = m_dir.filePath(name);
        if (writeFrames(folder, name, count, size).size() != count)
            return {};
        ImportResourceParam param;
        param.returnResourceId = true;
        return packs()->importTextureFolderToWorkSpaceResource(folder, param);
    }

    void selectInNavigator(const QString &id)
    {
        auto *controller = LWMainWindowController::instance();
        for (LWResourceViewBase *item : library()->collectByType(library()->type(id))) {
            auto *component = qobject_cast<LWResourceComponentView *>(item);
            if (component && component->resourceId() == id) {
                const QModelIndex index = controller->resourceNaviTreeModel()->indexOfItem(component);
                controller->resourceNaviTreeSelModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            }
        }
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
        QVERIFY(window("mainStudioObj"));
        QVERIFY(window(LWCompressFilesViewModel::windowObjectName()));
        // The real quantiser, slowed down so that the running compression
        // can be seen.
        const QString pngquant = QStandardPaths::findExecutable("pngquant");
        QVERIFY(!pngquant.isEmpty());
        QVERIFY(installStandIn("sleep 0.15; exec " + pngquant + " \"$@\""));
    }
    void cleanupTestCase()
    {
        LWTextureCompess::stopAll();
        removeInstalledQuantiser();
    }

    // Chosen in the navigator, the sequence's panel is the editor's
    // inspector; a level chosen there turns the controls off and moves the
    // bar while the frames are quantised, then shows the compressed frames.
    void inspectorDuringAndAfterCompression()
    {
        packs()->createProj();
        LWMainWindowController::instance()->showMainWindow();
        QQuickWindow *editor = window("mainStudioObj");
        QTRY_VERIFY(editor->isVisible());
        const QString walk = importSequence("walk", 16, 256);
        QVERIFY(!importSequence("blink", 6, 128).isEmpty());
        QVERIFY(!walk.isEmpty());
        const QString still = m_dir.filePath("still.png");
        QVERIFY(artwork(320, 3).save(still));
        ImportResourceParam param;
        param.returnResourceId = true;
        const QString image = packs()->importFileToWorkSpaceResource(still, param);

        // An image shows its own panel: the large preview alone.
        selectInNavigator(image);
        QCOMPARE(LWMainWindowController::instance()->inspectorViewModel(),
                 static_cast<LWQmlViewModel *>(library()->resourceModel(image)->inspector().get()));
        QTest::qWait(500);
        shoot(editor, "inspector-image");

        selectInNavigator(walk);
        auto model = std::dynamic_pointer_cast<LWResource2DTextureFrameModel>(library()->resourceModel(walk));
        QVERIFY(model);
        QCOMPARE(LWMainWindowController::instance()->inspectorViewModel(), static_cast<LWQmlViewModel *>(model->inspector().get()));
        QTest::qWait(500);
        shoot(editor, "inspector-before");

        auto *level = qobject_cast<LWPropOptionViewModel *>(findNode(model->inspector().get(), "compressType"));
        QVERIFY(level);
        level->setOptionIndex(2);
        QTRY_VERIFY_WITH_TIMEOUT(model->progressValue() >= 0.3f, 60000);
        QVERIFY(model->compressing());
        QVERIFY(!level->enabled());
        QTest::qWait(200);
        shoot(editor, "inspector-during");

        QTRY_VERIFY_WITH_TIMEOUT(!model->compressing(), 60000);
        QCOMPARE(library()->compressType(walk), 2);
        QVERIFY(level->enabled());
        QTest::qWait(500);
        shoot(editor, "inspector-after");
    }

    // An upload whose package is over the limit opens the batch window with
    // the project's sequences; a level chosen there compresses the chosen
    // one; "Finish" closes the window.
    void oversizedPackageOpensTheBatchWindow()
    {
        const QString package = m_dir.filePath("big.zip");
        QVERIFY(writeBytes(package, QByteArray(6 * 1024 * 1024, 'x')));
        LWUploadPackage::setBuilder([package] { return package; });
        LWMainWindowController::instance()->showLoginWindow(QStringLiteral("upload"));
        LWUploadPackage::setBuilder(nullptr);
        QQuickWindow *batch = window(LWCompressFilesViewModel::windowObjectName());
        QTRY_VERIFY(batch->isVisible());
        auto *model = LWCompressFilesViewModel::instance();
        QCOMPARE(model->getFileList().size(), 2);
        QTest::qWait(500);
        shoot(batch, "batch-first");

        model->onFileListClick(1);
        model->onCompressTypeListClick(3);
        QVERIFY(!model->getCompressTypeEnable());
        QTRY_VERIFY_WITH_TIMEOUT(model->getProcessValue() >= 0.3f, 60000);
        shoot(batch, "batch-during");
        QTRY_VERIFY_WITH_TIMEOUT(model->getCompressTypeEnable(), 60000);
        QCOMPARE(model->getCompressType(), 3);
        QTest::qWait(500);
        shoot(batch, "batch-after");

        QQuickItem *finish = childNamed(batch, "compressFinishButton");
        QVERIFY(finish);
        click(batch, finish);
        QTRY_VERIFY(!batch->isVisible());
    }
};

int main(int argc, char **argv)
{
    LWTest::isolate();
    QtWebEngine::initialize();
    LWGuiApplication app(argc, argv);
    TstCompressWindows test;
    return LWTest::run(argc, argv, &test);
}
#include "tst_compresswindows.moc"
