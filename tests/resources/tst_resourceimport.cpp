#include "LWOversizedImages.h"
#include "LWResourceTestKit.h"
#include "LWTestMain.h"
#include "app/LWAppHost.h"
#include "inspector/LWInspectorHub.h"
#include "inspector/LWInspectorResources.h"
#include "inspector/LWProp2DTextureButtonViewModel.h"
#include "common/LWDataPaths.h"
#include "common/LWJsonFile.h"
#include "navigation/LWNaviTreeSelModel.h"
#include "resources/LWPngCheckWindow.h"
#include "resources/LWResourceImportService.h"
#include "resources/LWResourceNaming.h"
#include "resources/LWTemplateResourceReceiver.h"
#include "undo/LWUndoStack.h"
#include "features/filter/LWFilterModel.h"
#include "features/sticker2d/LW2DSticker.h"
#include "features/sticker2d/LW2DStickerFeatureModel.h"
#include "features/sticker2d/LW2DStickerPart.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"

#include <QDateTime>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QWindow>
#include <functional>
#include <unistd.h>

using namespace LWResourceTestKit;

namespace {

LWEffectPackManager *packs()
{
    return LWEffectPackManager::instance();
}

ImportResourceParam withId(bool undo = true, bool tree = true)
{
    ImportResourceParam param;
    param.returnResourceId = true;
    param.withUndo = undo;
    param.addToTree = tree;
    return param;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList resourceEntries()
{
    QStringList entries;
    QDirIterator it(library()->resourcesFolder(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next();
    return entries;
}

int stackCount()
{
    return LWUndoStack::instance()->count();
}

QWindow *findWindow(const QString &name)
{
    for (QWindow *window : QGuiApplication::allWindows()) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

// The owner of a feature item that takes template resources.
class Taker : public QObject, public LWTemplateResourceReceiver
{
public:
    void receiveTemplateResources(const QStringList &ids) override { received += ids; }
    QStringList received;
};

class OwnedItem : public LWNaviTreeItem
{
public:
    explicit OwnedItem(QObject *owner) { setOwner(owner); }
    LWNaviTreeItem *parentItem() const override { return nullptr; }
    int columnCount() const override { return 1; }
    QVariant data(int) const override { return title(); }
    int row() const override { return 0; }
};

const QRegularExpression kStem(QStringLiteral("^[a-z]{8}_(\\d+)"));

} // namespace

class TstResourceImport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        LWMainWindowController::instance();
        LWAppHost::wireServices();
        QVERIFY(m_sources.isValid());
    }
    void init()
    {
        packs()->createProj();
        QVERIFY(library()->treeRoot());
    }
    void cleanup()
    {
        packs()->clearWorkspace();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // --- names ---------------------------------------------------------------

    void generatedNames_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("png") << "logo.png" << ".png";
        QTest::newRow("case kept") << "logo.PNG" << ".PNG";
        QTest::newRow("last part") << "a.tar.gz" << ".gz";
        QTest::newRow("no dot, letters") << "frames" << ".frames";
        QTest::newRow("space") << "New Folder" << "";
        QTest::newRow("digit in suffix") << "x.p1g" << "";
        QTest::newRow("non-ASCII name") << "bild-ä.png" << ".png";
        QTest::newRow("non-ASCII suffix") << "x.pñg" << "";
        QTest::newRow("empty") << "" << "";
    }
    void generatedNames()
    {
        QFETCH(QString, source);
        QFETCH(QString, suffix);
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        const QString name = LWResourceNaming::generatedName(source, m_sources.path());
        const QRegularExpressionMatch match = kStem.match(name);
        QVERIFY2(match.hasMatch(), qPrintable(name));
        QVERIFY(match.captured(1).toLongLong() >= before);
        QVERIFY(match.captured(1).toLongLong() <= QDateTime::currentSecsSinceEpoch());
        QCOMPARE(name.mid(match.capturedLength(0)), suffix);
    }

    void uniqueNames_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("unique");
        QTest::newRow("free") << QStringList() << "abc_7.png" << "abc_7.png";
        QTest::newRow("counts on") << QStringList{"abc_7.png"} << "abc_7.png" << "abc_8.png";
        QTest::newRow("from one") << QStringList{"abc.png", "abc_1.png"} << "abc.png" << "abc_2.png";
        QTest::newRow("folder") << QStringList{"seq"} << "seq" << "seq_1";
    }
    void uniqueNames()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, name);
        QFETCH(QString, unique);
        QTemporaryDir folder;
        for (const QString &entry : existing)
            QVERIFY(writeFile(folder.filePath(entry), "x"));
        QCOMPARE(LWResourceNaming::uniqueIn(name, folder.path()), unique);
    }

    void displayNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("frames") << "smile000" << "smile";
        QTest::newRow("down to one") << "a000" << "a";
        QTest::newRow("short stays") << "b00" << "b00";
        QTest::newRow("all zeros") << "0000" << "0";
        QTest::newRow("inner zero") << "frame10" << "frame1";
        QTest::newRow("plain") << "logo" << "logo";
    }
    void displayNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(LWResourceNaming::trimmedDisplayName(name), shown);
    }

    // --- single files -----------------------------------------------------------

    void singleFileKinds_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("subtype");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("icon");
        using C = LWEffectCommon;
        QTest::newRow("png") << "smile000.png" << int(C::LWResourceType2DTexture) << 2 << "png" << "resImage.png";
        QTest::newRow("PNG") << "logo.PNG" << int(C::LWResourceType2DTexture) << 2 << "png" << "resImage.png";
        QTest::newRow("jpg") << "photo.jpg" << int(C::LWResourceType2DTexture) << 4 << "jpeg" << "resImage.png";
        QTest::newRow("jpeg") << "photo.jpeg" << int(C::LWResourceType2DTexture) << 4 << "jpeg" << "resImage.png";
        QTest::newRow("mtl") << "skin.mtl" << int(C::LWResourceTypeMTL) << 0 << "mtl" << "resMtl.png";
        QTest::newRow("particle") << "snow.particle" << int(C::LWResourceTypeParticle) << 0 << "particle" << "resParticle.png";
        QTest::newRow("fbx") << "cat.fbx" << int(C::LWResourceType3DModel) << 0 << "model" << "";
        QTest::newRow("obj") << "cat.obj" << int(C::LWResourceType3DModel) << 0 << "model" << "";
        QTest::newRow("acmod") << "cat.acmod" << int(C::LWResourceType3DModel) << 0 << "model" << "";
        QTest::newRow("acanim") << "cat.acanim" << int(C::LWResourceType3DModel) << 0 << "model" << "";
        QTest::newRow("glsl") << "light.glsl" << int(C::LWResourceTypeShader) << 0 << "shader" << "";
        QTest::newRow("fs") << "light.fs" << int(C::LWResourceTypeShader) << 0 << "shader" << "";
        QTest::newRow("vs") << "light.vs" << int(C::LWResourceTypeShader) << 0 << "shader" << "";
        QTest::newRow("mp3") << "song.mp3" << int(C::LWResourceMusic) << 0 << "mp3" << "";
        QTest::newRow("spaces and letters") << "my photo ä.png" << int(C::LWResourceType2DTexture) << 2 << "png" << "resImage.png";
    }
    void singleFileKinds()
    {
        QFETCH(QString, fileName);
        QFETCH(int, type);
        QFETCH(int, subtype);
        QFETCH(QString, flags);
        QFETCH(QString, icon);
        const QString source = m_sources.filePath("kinds/" + fileName);
        QVERIFY(writeFile(source, "content of " + fileName.toUtf8()));
        const int steps = stackCount();
        const QString id = packs()->importFileToWorkSpaceResource(source, withId());
        QCOMPARE(id.size(), 32);
        const auto record = library()->findRecord(id);
        QVERIFY(record);
        QCOMPARE(record->type, type);
        QCOMPARE(record->subtype, subtype);
        QCOMPARE(record->flags, flags);
        QCOMPARE(record->uid, QString());
        QCOMPARE(record->compressType, 0);
        QCOMPARE(record->displayName, QFileInfo(fileName).baseName());
        QVERIFY(QRegularExpression("^[a-z]{8}$").match(record->name).hasMatch());
        // Stored under a generated name that keeps the suffix as written.
        const QString stored = record->sourceFilePath;
        QVERIFY2(kStem.match(stored).hasMatch(), qPrintable(stored));
        // The suffix survives only when it is letters only ("mp3" does not).
        const QString suffix = QFileInfo(fileName).suffix();
        QCOMPARE(stored.endsWith("." + suffix), QRegularExpression("^[A-Za-z]+$").match(suffix).hasMatch());
        QCOMPARE(record->plainFilePath, stored);
        QCOMPARE(bytesOf(library()->absolutePath(id)), bytesOf(source));

        LWResourceComponentView *item = componentOf(id);
        if (type == LWEffectCommon::LWResourceTypeShader) {
            QVERIFY(!item); // shaders get no tree item
            QCOMPARE(stackCount(), steps);
        } else {
            QVERIFY(item);
            QCOMPARE(item->title(), LWResourceNaming::trimmedDisplayName(QFileInfo(fileName).baseName()));
            QCOMPARE(item->naviItemIcon(), icon.isEmpty() ? QString() : "qrc:/LWViewCommon/images/" + icon);
            QCOMPARE(item->parentItem(), library()->treeRoot());
            QCOMPARE(stackCount(), steps + 1);
        }
        LW_VERIFY_LIBRARY();
    }

    void whatIsNotImported_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("unknown suffix") << "notes.txt";
        QTest::newRow("no suffix") << "README";
        QTest::newRow("gzip") << "a.tar.gz";
        QTest::newRow("missing") << "nothing-here.png";
        QTest::newRow("a folder") << "folder.png";
        QTest::newRow("empty path") << "";
    }
    void whatIsNotImported()
    {
        QFETCH(QString, path);
        QTemporaryDir sources;
        QVERIFY(writeFile(sources.filePath("notes.txt"), "x"));
        QVERIFY(writeFile(sources.filePath("README"), "x"));
        QVERIFY(writeFile(sources.filePath("a.tar.gz"), "x"));
        QVERIFY(QDir().mkpath(sources.filePath("folder.png")));
        const QStringList before = resourceEntries();
        const QString full = path.isEmpty() ? QString() : sources.filePath(path);
        QCOMPARE(packs()->importFileToWorkSpaceResource(full, withId()), QString());
        QCOMPARE(library()->recordCount(), 0);
        QCOMPARE(library()->treeRoot()->childCount(), 0);
        QCOMPARE(resourceEntries(), before); // no stray copy either
        QVERIFY(!LWUndoStack::instance()->canUndo());
    }

    void sameImageTwiceIsTwoResources()
    {
        const QString source = writePng(m_sources.filePath("twice.png"));
        const QString first = packs()->importFileToWorkSpaceResource(source, withId());
        const QString second = packs()->importFileToWorkSpaceResource(source, withId());
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        QVERIFY(first != second);
        QVERIFY(library()->sourceFilePath(first) != library()->sourceFilePath(second));
        QVERIFY(library()->recordName(first) != library()->recordName(second));
        LW_VERIFY_LIBRARY();
    }

    void parameters()
    {
        const QString source = writePng(m_sources.filePath("param.png"));
        // Without undo: in the tree, no step.
        int steps = stackCount();
        const QString direct = packs()->importFileToWorkSpaceResource(source, withId(false));
        QVERIFY(componentOf(direct));
        QCOMPARE(stackCount(), steps);
        // Without the tree: only the record and its file.
        const QString hidden = packs()->importFileToWorkSpaceResource(source, withId(true, false));
        QVERIFY(library()->findRecord(hidden));
        QVERIFY(!componentOf(hidden));
        QCOMPARE(stackCount(), steps);
        QCOMPARE(library()->treeRoot()->childCount(), 1);
        LW_VERIFY_LIBRARY();
    }

    void withoutReturnedIdEverythingAnswersEmpty_data()
    {
        QTest::addColumn<QString>("operation");
        for (const char *op : {"file", "multi", "frames", "folder", "folderAndChildren", "group", "unknown", "unknownFolder"})
            QTest::newRow(op) << op;
    }
    void withoutReturnedIdEverythingAnswersEmpty()
    {
        QFETCH(QString, operation);
        const QString png = writePng(m_sources.filePath("plain/one_0.png"));
        const QString folder = m_sources.filePath("plain");
        QVariant result;
        if (operation == "file") result = packs()->importFileToWorkSpaceResource(png);
        if (operation == "multi") result = packs()->importMultiFilesToWorkSpaceResource(QVariantList{png});
        if (operation == "frames") result = packs()->importMultiFilesAsTextureToWorkSpaceResource(QVariantList{png});
        if (operation == "folder") result = packs()->importTextureFolderToWorkSpaceResource(folder);
        if (operation == "folderAndChildren") result = packs()->importTextureFolderAndReadChildFolderToWorkSpace(folder);
        if (operation == "group") result = packs()->importGroupToWorkSpaceResource(folder);
        if (operation == "unknown") result = packs()->importUnknowFileToWorkSpaceResource(png);
        if (operation == "unknownFolder") result = packs()->importUnknowFileToWorkSpaceResource(folder);
        QVERIFY(result.isValid());
        if (result.userType() == QMetaType::QStringList)
            QCOMPARE(result.toStringList(), QStringList());
        else
            QCOMPARE(result.toString(), QString());
        QCOMPARE(library()->treeRoot()->childCount(), 1); // imported all the same
        LW_VERIFY_LIBRARY();
    }

    void multipleFiles()
    {
        const QString png = writePng(m_sources.filePath("multi/a.png"));
        QVERIFY(writeFile(m_sources.filePath("multi/b.txt"), "text"));
        const QString gif = writeGif(m_sources.filePath("multi/c.gif"), {Qt::red});
        const QStringList ids = packs()->importMultiFilesToWorkSpaceResource(
            QStringList{QUrl::fromLocalFile(png).toString(), m_sources.filePath("multi/b.txt"), gif}, withId());
        QCOMPARE(ids.size(), 2); // the text file adds nothing
        QCOMPARE(library()->type(ids.at(0)), int(LWEffectCommon::LWResourceType2DTexture));
        QCOMPARE(library()->type(ids.at(1)), int(LWEffectCommon::LWResourceType2DTextureFrame));
        QCOMPARE(library()->treeRoot()->childCount(), 2);
        // From the interface: URLs as url values.
        QCOMPARE(packs()->importMultiFilesToWorkSpaceResource(QVariantList{QUrl::fromLocalFile(png)}), QStringList());
        QCOMPARE(library()->treeRoot()->childCount(), 3);
        QCOMPARE(packs()->importMultiFilesToWorkSpaceResource(QStringList(), withId()), QStringList());
        LW_VERIFY_LIBRARY();
    }

    // --- the 8-bit check -----------------------------------------------------------

    void pngCheckWindowIsBuiltWhenTheInterfaceLacksIt()
    {
        QQmlApplicationEngine engine;
        engine.loadData("import QtQuick.Window 2.15\nWindow { objectName: \"mainStudioObj\" }");
        QCOMPARE(engine.rootObjects().size(), 1);
        QVERIFY(!findWindow(LWPngCheckWindow::objectName()));
        const QString wide = writePng(m_sources.filePath("wide.png"), QSize(4, 4), Qt::red, true);
        QCOMPARE(packs()->importMultiFilesToWorkSpaceResource(QStringList{wide}, withId()), QStringList());
        QWindow *window = findWindow(LWPngCheckWindow::objectName());
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->title(), QString("png check"));
        QCOMPARE(library()->recordCount(), 0);
    }

    void eightBitCheck_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("asFrames");
        QTest::addColumn<int>("imported");
        QTest::newRow("16-bit first") << "wide" << "plain" << false << 0;
        QTest::newRow("16-bit first as frames") << "wide" << "plain" << true << 0;
        QTest::newRow("16-bit second is not examined") << "plain" << "wide" << false << 2;
        QTest::newRow("8-bit") << "plain" << "plain" << true << 1;
        QTest::newRow("shorter than a header") << "short" << "plain" << false << 2;
        QTest::newRow("JPEG data named png") << "lying" << "plain" << false << 2;
        QTest::newRow("truncated 8-bit") << "truncated" << "plain" << false << 2;
    }
    void eightBitCheck()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, asFrames);
        QFETCH(int, imported);
        QQmlEngine engine;
        QQmlComponent component(&engine, QUrl(LWPngCheckWindow::documentUrl()));
        QScopedPointer<QObject> declared(component.create());
        QVERIFY2(declared, qPrintable(component.errorString()));
        auto *window = qobject_cast<QWindow *>(declared.data());
        QVERIFY(window && !window->isVisible());

        QTemporaryDir dir;
        auto make = [&dir](const QString &kind, const QString &name) {
            const QString path = dir.filePath(name + "_0.png");
            if (kind == "wide") {
                writePng(path, QSize(4, 4), Qt::red, true);
                return pngBitDepth(path) == 16 ? path : QString();
            }
            if (kind == "short")
                return writeFile(path, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)) ? path : QString();
            if (kind == "lying") {
                QImage image(8, 8, QImage::Format_RGB32);
                image.fill(Qt::green);
                return image.save(path, "JPG") ? path : QString();
            }
            if (kind == "truncated") {
                writePng(path, QSize(64, 64));
                QFile::resize(path, 40);
                return path;
            }
            return writePng(path);
        };
        const QStringList files{make(first, "first"), make(second, "second")};
        QVERIFY(!files.contains(QString()));
        const int records = asFrames ? (packs()->importMultiFilesAsTextureToWorkSpaceResource(files, withId()).isEmpty() ? 0 : 1)
                                     : packs()->importMultiFilesToWorkSpaceResource(files, withId()).size();
        QCOMPARE(records, imported);
        QCOMPARE(library()->recordCount(), imported);
        QCOMPARE(window->isVisible(), imported == 0);
        LW_VERIFY_LIBRARY();
    }

    // --- frame sequences ------------------------------------------------------------

    void framesFromChosenFiles()
    {
        const QString dir = m_sources.filePath("chosen");
        QVERIFY(QDir().mkpath(dir));
        QImage jpeg(8, 8, QImage::Format_RGB32);
        jpeg.fill(Qt::blue);
        QVERIFY(jpeg.save(dir + "/wave_1.jpg", "JPG"));
        const QStringList files{writePng(dir + "/wave_0.png", QSize(8, 8), Qt::red), dir + "/wave_1.jpg",
                                writePng(dir + "/logo.PNG"), dir + "/missing_9.png",
                                writeFile(dir + "/notes.txt", "x") ? dir + "/notes.txt" : QString(),
                                writePng(dir + "/wave_3.png", QSize(8, 8), Qt::green)};
        const QString id = packs()->importMultiFilesAsTextureToWorkSpaceResource(files, withId());
        QVERIFY(!id.isEmpty());
        const auto record = library()->findRecord(id);
        QCOMPARE(record->type, int(LWEffectCommon::LWResourceType2DTextureFrame));
        QCOMPARE(record->subtype, 1);
        QCOMPARE(record->flags, QString("folder"));
        QCOMPARE(record->displayName, QString("wave"));
        QCOMPARE(record->sourceFilePath, record->name);
        QVERIFY2(QRegularExpression("^[a-z]{8}_\\d+$").match(record->name).hasMatch(), qPrintable(record->name));
        QStringList frames = QDir(library()->absolutePath(id)).entryList(QDir::Files, QDir::Name);
        const QString n = record->name;
        QCOMPARE(frames, QStringList({n + "_000.png", n + "_001.jpg", n + "_002.png"}));
        QCOMPARE(bytesOf(library()->absolutePath(id) + "/" + n + "_002.png"), bytesOf(dir + "/wave_3.png"));
        QCOMPARE(library()->frameCount(id), 3);
        QCOMPARE(componentOf(id)->title(), QString("wave"));
        QCOMPARE(componentOf(id)->naviItemIcon(), QString("qrc:/LWViewCommon/images/resTexture.png"));
        LW_VERIFY_LIBRARY();

        // Nothing to take: no record (the first file must exist).
        QCOMPARE(packs()->importMultiFilesAsTextureToWorkSpaceResource(QStringList{dir + "/missing_9.png", files.first()}, withId()), QString());
        QCOMPARE(packs()->importMultiFilesAsTextureToWorkSpaceResource(QStringList{dir + "/logo.PNG", dir + "/notes.txt"}, withId()), QString());
        QCOMPARE(packs()->importMultiFilesAsTextureToWorkSpaceResource(QStringList(), withId()), QString());
        QCOMPARE(library()->recordCount(), 1);
        LW_VERIFY_LIBRARY();
    }

    void framesFromFolder()
    {
        const QString dir = m_sources.filePath("smile000");
        writePng(dir + "/frame_2.png", QSize(2, 2));
        writePng(dir + "/frame_10.png", QSize(10, 10));
        writePng(dir + "/Frame_1.PNG", QSize(1, 1));
        QVERIFY(writeFile(dir + "/notes.txt", "x"));
        writePng(dir + "/sub/ignored.png");
        const QString id = packs()->importTextureFolderToWorkSpaceResource(QUrl::fromLocalFile(dir + "/").toString(), withId());
        QVERIFY(!id.isEmpty());
        const auto record = library()->findRecord(id);
        QCOMPARE(record->subtype, 3);
        QCOMPARE(record->displayName, QString("smile000"));
        QVERIFY2(QRegularExpression("^[a-z]{8}_\\d+$").match(record->name).hasMatch(), qPrintable(record->name));
        QCOMPARE(componentOf(id)->title(), QString("smile"));
        // Name order, ignoring case: frame_10 before frame_2.
        const QString folder = library()->absolutePath(id);
        const QString n = record->name;
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), QStringList({n + "_000.png", n + "_001.png", n + "_002.png"}));
        QCOMPARE(QImage(folder + "/" + n + "_000.png").width(), 1);
        QCOMPARE(QImage(folder + "/" + n + "_001.png").width(), 10);
        QCOMPARE(QImage(folder + "/" + n + "_002.png").width(), 2);
        LW_VERIFY_LIBRARY();

        // A letters-only folder name survives as a suffix of the storage name.
        writePng(m_sources.filePath("frames/a.png"));
        const QString letters = packs()->importTextureFolderToWorkSpaceResource(m_sources.filePath("frames"), withId());
        QVERIFY(library()->recordName(letters).endsWith(".frames"));
        QVERIFY(QFile::exists(library()->absolutePath(letters) + "/" + library()->recordName(letters) + "_000.png"));

        // Folders with nothing to take, and what is no folder.
        QVERIFY(QDir().mkpath(m_sources.filePath("empty")));
        QCOMPARE(packs()->importTextureFolderToWorkSpaceResource(m_sources.filePath("empty"), withId()), QString());
        QCOMPARE(packs()->importTextureFolderToWorkSpaceResource(dir + "/sub/ignored.png", withId()), QString());
        QCOMPARE(packs()->importTextureFolderToWorkSpaceResource(m_sources.filePath("no such folder"), withId()), QString());
        QCOMPARE(library()->recordCount(), 2);
        LW_VERIFY_LIBRARY();
    }

    void unreadableFolder()
    {
        if (::geteuid() == 0)
            QSKIP("permissions do not bind the super-user");
        const QString dir = m_sources.filePath("locked");
        writePng(dir + "/a.png");
        QVERIFY(QFile::setPermissions(dir, QFileDevice::WriteOwner));
        QCOMPARE(packs()->importTextureFolderToWorkSpaceResource(dir, withId()), QString());
        QCOMPARE(packs()->importGroupToWorkSpaceResource(dir, withId()), QStringList());
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(library()->recordCount(), 0);
        LW_VERIFY_LIBRARY();
    }

    void thousandsOfFrames()
    {
        const QString dir = m_sources.filePath("many");
        const QString first = writePng(dir + "/f_0000.png", QSize(2, 2));
        for (int i = 1; i < 1050; ++i)
            QVERIFY(QFile::copy(first, dir + QString("/f_%1.png").arg(i, 4, 10, QLatin1Char('0'))));
        const QString id = packs()->importTextureFolderToWorkSpaceResource(dir, withId());
        QCOMPARE(library()->frameCount(id), 1050);
        const QString folder = library()->absolutePath(id) + "/" + library()->recordName(id);
        QVERIFY(QFile::exists(folder + "_999.png"));
        QVERIFY(QFile::exists(folder + "_1000.png"));
        QVERIFY(QFile::exists(folder + "_1049.png"));
        LW_VERIFY_LIBRARY();
    }

    void folderWithSubFolders()
    {
        const QString dir = m_sources.filePath("tree");
        writePng(dir + "/a.png");
        writePng(dir + "/sub1/x.png");
        QVERIFY(writeFile(dir + "/sub2/notes.txt", "no frames here"));
        writePng(dir + "/sub3/y.png");
        const int steps = stackCount();
        const QString id = packs()->importUnknowFileToWorkSpaceResource(QUrl::fromLocalFile(dir).toString(), withId());
        QCOMPARE(library()->treeRoot()->childCount(), 3);
        QCOMPARE(library()->treeRoot()->child(0)->title(), QString("sub1"));
        QCOMPARE(library()->treeRoot()->child(1)->title(), QString("sub3"));
        QCOMPARE(componentOf(id), library()->treeRoot()->child(2));
        QCOMPARE(stackCount(), steps + 3); // one step per sequence
        LWMainWindowController::instance()->onActionUndo();
        QCOMPARE(library()->treeRoot()->childCount(), 2);
        LW_VERIFY_LIBRARY();
    }

    // --- GIF -------------------------------------------------------------------------

    void gifFrames()
    {
        const QString gif = writeGif(m_sources.filePath("gifs/spin0.gif"), {Qt::red, Qt::green, Qt::blue});
        const QString id = packs()->importFileToWorkSpaceResource(QUrl::fromLocalFile(gif).toString(), withId());
        QVERIFY(!id.isEmpty());
        QCOMPARE(library()->frameCount(id), 3);
        QCOMPARE(library()->record(id)->subtype, 1);
        QCOMPARE(componentOf(id)->title(), QString("spin")); // "spin0" trimmed
        const QString folder = library()->absolutePath(id);
        const QString n = library()->recordName(id);
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue};
        for (int i = 0; i < 3; ++i) {
            const QImage frame(QString("%1/%2_%3.png").arg(folder, n).arg(i, 3, 10, QLatin1Char('0')));
            QCOMPARE(frame.size(), QSize(4, 4));
            QCOMPARE(frame.pixelColor(1, 1), colours.at(i));
        }
        // The extracted frames do not outlive the import.
        const QString scratch = LWDataPaths::dataFolder() + "/gifTemp";
        QVERIFY(QDir(scratch).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
        LW_VERIFY_LIBRARY();
    }

    // A picture past the camera's limit is refused from its header alone:
    // the files declare gigapixels but hold one pixel.
    void oversizedPicturesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("size");
        QTest::newRow("PNG 30000 x 30000") << "huge.png" << LWOversizedImages::png(30000, 30000) << "30000 x 30000";
        QTest::newRow("PNG one side too long") << "strip.png" << LWOversizedImages::png(4097, 16) << "4097 x 16";
        QTest::newRow("GIF canvas 11390 x 12595") << "huge.gif" << LWOversizedImages::gif(11390, 12595)
                                                  << "11390 x 12595";
        // Checked by what the file holds, not by its name.
        QTest::newRow("GIF named .png") << "canvas.png" << LWOversizedImages::gif(5000, 20) << "5000 x 20";
    }
    void oversizedPicturesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, size);
        const QString path = m_sources.filePath("oversized/" + name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(LWOversizedImages::write(path, bytes));
        qRegisterMetaType<LWResourceImportService::Refusal>();
        QSignalSpy refused(LWResourceImportService::instance(), &LWResourceImportService::importRefused);
        const QString url = QUrl::fromLocalFile(path).toString();

        QVERIFY(packs()->importFileToWorkSpaceResource(url, withId()).isEmpty());
        QVERIFY(packs()->importMultiFilesToWorkSpaceResource(QStringList{url}, withId()).isEmpty());
        QVERIFY(packs()->importMultiFilesAsTextureToWorkSpaceResource(QStringList{url}, withId()).isEmpty());
        QVERIFY(packs()->importTextureFolderToWorkSpaceResource(QFileInfo(path).absolutePath(), withId()).isEmpty());
        QCOMPARE(refused.size(), 4);
        const auto refusal = refused.at(0).at(0).value<LWResourceImportService::Refusal>();
        QCOMPARE(refusal, LWResourceImportService::Refusal::ImageTooLarge);
        const QString message = LWResourceImportService::refusalMessage(refusal, refused.at(0).at(1).toString());
        QVERIFY2(message.contains(name) && message.contains(size) && message.contains("4096 x 4096"),
                 qPrintable(message));
        QCOMPARE(library()->recordCount(), 0);
        QVERIFY(resourceEntries().isEmpty());
        QVERIFY(QDir(LWDataPaths::dataFolder() + "/gifTemp").entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
        QFile::remove(path);
    }

    void pictureAtTheLimitIsImported()
    {
        QImage image(4096, 2, QImage::Format_ARGB32);
        image.fill(Qt::red);
        const QString path = m_sources.filePath("limit.png");
        QVERIFY(image.save(path));
        QVERIFY(!packs()->importFileToWorkSpaceResource(path, withId()).isEmpty());
    }

    void gifEdgeCases_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("frames");
        QTest::newRow("one frame") << gifBytes({Qt::yellow}) << 1;
        QTest::newRow("garbage") << QByteArray("GIF89a this is not an image") << 0;
        QTest::newRow("header only") << gifBytes({Qt::red}).left(13) << 0;
        QTest::newRow("empty") << QByteArray() << 0;
    }
    void gifEdgeCases()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, frames);
        const QString gif = m_sources.filePath(QStringLiteral("gifs/%1.gif").arg(QTest::currentDataTag()));
        QVERIFY(writeFile(gif, bytes) || bytes.isEmpty());
        const QString id = packs()->importFileToWorkSpaceResource(gif, withId());
        QCOMPARE(library()->frameCount(id), frames);
        QCOMPARE(library()->recordCount(), frames ? 1 : 0);
        QCOMPARE(library()->treeRoot()->childCount(), frames ? 1 : 0);
        LW_VERIFY_LIBRARY();
    }

    // --- groups ------------------------------------------------------------------------

    void groupImport()
    {
        const QString dir = m_sources.filePath("props");
        writePng(dir + "/hat.png");
        QVERIFY(writeFile(dir + "/notes.txt", "x"));
        QVERIFY(writeFile(dir + "/song.mp3", "ID3"));
        QVERIFY(writeFile(dir + "/light.glsl", "x"));
        writePng(dir + "/inner/scarf.png");
        QVERIFY(QDir().mkpath(dir + "/empty"));
        QVERIFY(QFile::link(dir, dir + "/loop")); // a link back up must not recurse
        const int steps = stackCount();
        const QStringList ids = packs()->importGroupToWorkSpaceResource(dir, withId());
        QCOMPARE(ids.size(), 4); // hat, scarf, shader, song (name order)
        QCOMPARE(stackCount(), steps + 1);
        auto *group = qobject_cast<LWResourceGroupsView *>(library()->treeRoot()->child(0));
        QVERIFY(group);
        QCOMPARE(group->title(), QString("props"));
        QVERIFY(kStem.match(group->path()).hasMatch());
        const QJsonObject node = group->toJson();
        QCOMPARE(node.value("resources").toArray().size(), 2); // no text, no shader
        QCOMPARE(node.value("groups").toArray().size(), 2);
        for (const QString &id : ids)
            QVERIFY2(library()->sourceFilePath(id).startsWith(group->path() + "/"), qPrintable(library()->sourceFilePath(id)));
        // A group lists its resources first, then its groups.
        QCOMPARE(group->child(0)->title(), QString("hat"));
        QCOMPARE(group->child(1)->title(), QString("song"));
        QCOMPARE(group->child(2)->title(), QString("empty"));
        auto *inner = qobject_cast<LWResourceGroupsView *>(group->child(3));
        QVERIFY(inner);
        QCOMPARE(inner->title(), QString("inner"));
        QVERIFY(inner->path().startsWith(group->path() + "/"));
        auto *scarf = qobject_cast<LWResourceComponentView *>(inner->child(0));
        QVERIFY(scarf);
        QCOMPARE(library()->sourceFilePath(scarf->resourceId()).section('/', 0, -2), inner->path());
        LW_VERIFY_LIBRARY();

        LWMainWindowController::instance()->onActionUndo();
        QCOMPARE(library()->treeRoot()->childCount(), 0);
        LW_VERIFY_LIBRARY();
        LWMainWindowController::instance()->onActionRedo();
        QCOMPARE(library()->treeRoot()->child(0), group);
        LW_VERIFY_LIBRARY();

        // A missing folder: nothing; an empty path: nothing.
        QCOMPARE(packs()->importGroupToWorkSpaceResource(m_sources.filePath("absent"), withId()), QStringList());
        QCOMPARE(library()->treeRoot()->childCount(), 1);
    }

    void emptyGroup()
    {
        packs()->importFileToWorkSpaceResource(writePng(m_sources.filePath("first.png")));
        const int steps = stackCount();
        packs()->addEmptyGroup();
        QCOMPARE(stackCount(), steps + 1);
        auto *group = qobject_cast<LWResourceGroupsView *>(library()->treeRoot()->child(0));
        QVERIFY(group);
        QCOMPARE(group->title(), group->path());
        QVERIFY2(QRegularExpression("^[a-z]{8}_\\d+$").match(group->path()).hasMatch(), qPrintable(group->path()));
        QCOMPARE(group->childCount(), 0);
        ImportResourceParam direct;
        direct.withUndo = false;
        packs()->addEmptyGroup(direct);
        QCOMPARE(stackCount(), steps + 1);
        QCOMPARE(library()->treeRoot()->childCount(), 3);
        LW_VERIFY_LIBRARY();
    }

    // --- where imports come from and go to -----------------------------------------

    void sourceForms_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("form");
        QTest::newRow("file URL, spaces and letters") << "mein Bild ä#1.png" << "url";
        QTest::newRow("plain path, same name") << "mein Bild ä#1.png" << "path";
        QTest::newRow("plain path with an escape") << "a%20b?.png" << "path";
        QTest::newRow("program resource") << "" << "qrc";
    }
    void sourceForms()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, form);
        const QString path = fileName.isEmpty() ? QString() : writePng(m_sources.filePath("forms/" + fileName));
        const QString given = form == "url" ? QUrl::fromLocalFile(path).toString()
                              : form == "qrc" ? QStringLiteral("qrc:/LWViewCommon/images/group.png")
                                              : path;
        const QString id = packs()->importFileToWorkSpaceResource(given, withId());
        QVERIFY2(!id.isEmpty(), qPrintable(given));
        const QString source = form == "qrc" ? QStringLiteral(":/LWViewCommon/images/group.png") : path;
        QCOMPARE(bytesOf(library()->absolutePath(id)), bytesOf(source));
        QVERIFY(QFileInfo(library()->absolutePath(id)).isWritable());
        LW_VERIFY_LIBRARY();
    }

    void firstImportMakesTheWorkspace()
    {
        packs()->clearWorkspace();
        QVERIFY(!packs()->effect());
        QSignalSpy libraries(packs(), &LWEffectPackManager::resourceInWorkspaceChanged);
        const QString id = packs()->importFileToWorkSpaceResource(writePng(m_sources.filePath("ready.png")), withId());
        QVERIFY(!id.isEmpty());
        QVERIFY(packs()->effect());
        const QString folder = packs()->effect()->folder();
        QVERIFY(folder.startsWith(LWDataPaths::dataFolder() + "/tmp/"));
        QVERIFY(library()->isLoadedFor(folder));
        QVERIFY(QFile::exists(folder + "/resourcemanager.json"));
        QCOMPARE(libraries.size(), 1);
        QCOMPARE(libraries.at(0).at(0).value<LWNaviTreeItem *>(), library()->treeRoot());
        QVERIFY(componentOf(id));
        LW_VERIFY_LIBRARY();
    }

    void everyImportUndoesAndRedoes_data()
    {
        QTest::addColumn<QString>("operation");
        for (const char *op : {"file", "gif", "frames", "folder", "group", "emptyGroup"})
            QTest::newRow(op) << op;
    }
    void everyImportUndoesAndRedoes()
    {
        QFETCH(QString, operation);
        const QString dir = m_sources.filePath("undo");
        const QString png = writePng(dir + "/p_0.png");
        const QString gif = writeGif(dir + "/g.gif", {Qt::red, Qt::blue});
        if (operation == "file") packs()->importFileToWorkSpaceResource(png);
        if (operation == "gif") packs()->importFileToWorkSpaceResource(gif);
        if (operation == "frames") packs()->importMultiFilesAsTextureToWorkSpaceResource(QVariantList{png, png});
        if (operation == "folder") packs()->importTextureFolderToWorkSpaceResource(dir);
        if (operation == "group") packs()->importGroupToWorkSpaceResource(dir);
        if (operation == "emptyGroup") packs()->addEmptyGroup();
        QCOMPARE(library()->treeRoot()->childCount(), 1);
        QPointer<LWNaviTreeItem> item = library()->treeRoot()->child(0);
        const QStringList files = resourceEntries();
        LW_VERIFY_LIBRARY();
        for (int round = 0; round < 2; ++round) {
            LWMainWindowController::instance()->onActionUndo();
            QCOMPARE(library()->treeRoot()->childCount(), 0);
            QCOMPARE(resourceEntries(), files); // undone, not deleted
            LW_VERIFY_LIBRARY();
            LWMainWindowController::instance()->onActionRedo();
            QCOMPARE(library()->treeRoot()->child(0), item.data());
            LW_VERIFY_LIBRARY();
        }
    }

    void templateResourcesGoToTheSelectedOwner()
    {
        Taker taker;
        OwnedItem item(&taker);
        auto *controller = LWMainWindowController::instance();
        controller->onNaviTreeSelChanged(&item, LWEffectCommon::LWNaviTreeTypeEffect);
        const QString png = writePng(m_sources.filePath("template.png"));
        controller->importTemplateResource(QUrl::fromLocalFile(png).toString());
        QCOMPARE(taker.received.size(), 1);
        QVERIFY(componentOf(taker.received.first()));
        controller->onNaviTreeSelChanged(nullptr, LWEffectCommon::LWNaviTreeTypeEffect);
        controller->importTemplateResource(png); // no owner: nothing
        QCOMPARE(library()->recordCount(), 1);
        LW_VERIFY_LIBRARY();
    }

    // Pictures dropped on a feature reach it through the selection: the
    // filter takes a lookup table, a sticker a new part, a part its frames.
    void templateResourcesReachTheFeature()
    {
        QQmlEngine engine;
        LWAppHost::publishServices(engine);
        auto *controller = LWMainWindowController::instance();
        const QString dir = m_sources.filePath("dropped");
        packs()->createFeatureToWorkSpaceEffect("LWFeatureTypeFilter");
        auto *filter = dynamic_cast<LWFilterModel *>(packs()->effect()->featureAt(0));
        QVERIFY(filter);
        controller->onNaviTreeSelChanged(filter, LWEffectCommon::LWNaviTreeTypeEffect);
        const QString lut = writePng(dir + "/lut.png", QSize(512, 512));
        controller->importTemplateResource(QUrl::fromLocalFile(lut).toString());
        QCOMPARE(library()->type(filter->textureId()), int(LWEffectCommon::LWResourceType2DTexture));

        packs()->createFeatureToWorkSpaceEffect("LWFeatureType2DSticker");
        LW2DStickerFeatureModel *sticker = nullptr;
        for (int i = 0; i < packs()->effect()->modelCount() && !sticker; ++i)
            sticker = dynamic_cast<LW2DStickerFeatureModel *>(packs()->effect()->featureAt(i));
        QVERIFY(sticker);
        const int parts = sticker->sticker()->modelCount();
        controller->onNaviTreeSelChanged(sticker, LWEffectCommon::LWNaviTreeTypeEffect);
        writePng(dir + "/stars/s_0.png", QSize(20, 10));
        writePng(dir + "/stars/s_1.png", QSize(20, 10));
        controller->importTemplateResource(QUrl::fromLocalFile(dir + "/stars").toString());
        QCOMPARE(sticker->sticker()->modelCount(), parts + 1);
        LW2DStickerPart *part = sticker->sticker()->modelAt(0);
        QCOMPARE(library()->frameCount(part->partData().resourceId), 2);
        QCOMPARE(part->frameWidth(), 20.0);

        // The selected part takes the next sequence itself.
        controller->onNaviTreeSelChanged(part, LWEffectCommon::LWNaviTreeTypeEffect);
        writePng(dir + "/moons/m_0.png", QSize(30, 30));
        controller->importTemplateResource(QUrl::fromLocalFile(dir + "/moons").toString());
        QCOMPARE(sticker->sticker()->modelCount(), parts + 1);
        QCOMPARE(part->frameWidth(), 30.0);
        controller->onNaviTreeSelChanged(nullptr, LWEffectCommon::LWNaviTreeTypeEffect);
        LW_VERIFY_LIBRARY();
    }

    void inspectorSeesTheLibrary()
    {
        QQmlEngine engine;
        LWAppHost::publishServices(engine); // installs the library on the inspector's hub
        LWInspectorResources *resources = LWInspectorHub::instance()->resources();
        const QString dir = m_sources.filePath("inspector");
        const QString big = packs()->importFileToWorkSpaceResource(writePng(dir + "/big.png", QSize(512, 512)), withId());
        packs()->importFileToWorkSpaceResource(writePng(dir + "/small.png", QSize(8, 8)));
        QVERIFY(writeFile(dir + "/song.mp3", "ID3"));
        const QString song = packs()->importFileToWorkSpaceResource(dir + "/song.mp3", withId());

        const auto fitting = resources->collectByType(LWEffectCommon::LWResourceType2DTexture,
                                                      LWEffectCommon::LWConstrainTypeTextureSizeFix512x512);
        QCOMPARE(fitting.size(), 1);
        QCOMPARE(fitting.first().resourceId, big);
        QCOMPARE(fitting.first().title, QString("big"));
        QCOMPARE(fitting.first().thumbnailPath, library()->absolutePath(big));
        const auto music = resources->collectByType(LWEffectCommon::LWResourceMusic, 0);
        QCOMPARE(music.size(), 1);
        QCOMPARE(music.first().thumbnailPath, QString());
        QCOMPARE(resources->type(song), int(LWEffectCommon::LWResourceMusic));
        QString error;
        QVERIFY(!resources->qualifies(song, LWEffectCommon::LWConstrainTypeTextureSizeFix150x150, &error));

        // What the author picks in a control: a folder or files of frames, or one file.
        writePng(dir + "/seq/a.png");
        writePng(dir + "/seq/b.png");
        const QString folder = resources->importPicked(LWEffectCommon::LWResourceType2DTextureFrame,
                                                       {QUrl::fromLocalFile(dir + "/seq")});
        QCOMPARE(library()->frameCount(folder), 2);
        const QString files = resources->importPicked(LWEffectCommon::LWResourceType2DTextureFrame,
                                                      {QUrl::fromLocalFile(dir + "/seq/a.png"), QUrl::fromLocalFile(dir + "/seq/b.png")});
        QCOMPARE(library()->record(files)->subtype, 1);
        const QString single = resources->importPicked(LWEffectCommon::LWResourceType2DTexture, {QUrl::fromLocalFile(dir + "/small.png")});
        QCOMPARE(library()->type(single), int(LWEffectCommon::LWResourceType2DTexture));
        QCOMPARE(resources->importPicked(LWEffectCommon::LWResourceType2DTexture, {}), QString());
        LW_VERIFY_LIBRARY();
    }

    // Pictures dropped on a resource's preview become its pictures in the
    // library, as one undo step; the files a saved manifest names stay.
    void droppedPicturesReplaceTheResource_data()
    {
        QTest::addColumn<bool>("frames");
        QTest::newRow("frame sequence") << true;
        QTest::newRow("image") << false;
    }
    void droppedPicturesReplaceTheResource()
    {
        QFETCH(bool, frames);
        QQmlEngine engine;
        LWAppHost::publishServices(engine);
        const QString dir = m_sources.filePath(frames ? "replace-frames" : "replace-image");
        QString id;
        if (frames) {
            writePng(dir + "/old/a_0.png", QSize(16, 16), Qt::red);
            writePng(dir + "/old/a_1.png", QSize(16, 16), Qt::red);
            writePng(dir + "/old/a_2.png", QSize(16, 16), Qt::red);
            id = packs()->importTextureFolderToWorkSpaceResource(dir + "/old", withId());
        } else {
            id = packs()->importFileToWorkSpaceResource(writePng(dir + "/old.png", QSize(16, 16), Qt::red), withId());
        }
        QVERIFY(!id.isEmpty());
        const QString oldPath = library()->sourceFilePath(id);
        const QList<QUrl> dropped{QUrl::fromLocalFile(writePng(dir + "/new_0.png", QSize(16, 16), Qt::blue)),
                                  QUrl::fromLocalFile(writePng(dir + "/new_1.png", QSize(16, 16), Qt::blue))};
        auto *button = findNode<LWProp2DTextureButtonViewModel>(library()->inspectorModel(id).get());
        QVERIFY(button);
        const int steps = stackCount();

        button->changeTextures(frames ? dropped : dropped.mid(0, 1));
        QCOMPARE(stackCount(), steps + 1);
        QCOMPARE(library()->frameCount(id), frames ? 2 : 1);
        QCOMPARE(QImage(library()->firstImage(id)).pixelColor(8, 8), QColor(Qt::blue));
        QCOMPARE(button->strTexurePath(), QUrl::fromLocalFile(library()->firstImage(id)).toString());
        QVERIFY(library()->sourceFilePath(id) != oldPath);
        QVERIFY(QFileInfo::exists(library()->resourcesFolder() + oldPath)); // undo and the saved project need it
        LW_VERIFY_LIBRARY();

        LWUndoStack::instance()->undo();
        QCOMPARE(library()->sourceFilePath(id), oldPath);
        QCOMPARE(library()->frameCount(id), frames ? 3 : 1);
        QCOMPARE(QImage(library()->firstImage(id)).pixelColor(8, 8), QColor(Qt::red));
        QCOMPARE(button->strTexurePath(), QUrl::fromLocalFile(library()->firstImage(id)).toString());
        LWUndoStack::instance()->redo();
        QCOMPARE(QImage(library()->firstImage(id)).pixelColor(8, 8), QColor(Qt::blue));

        // A picture of another size is refused; nothing changes.
        const QString before = library()->sourceFilePath(id);
        button->changeTextures({QUrl::fromLocalFile(writePng(dir + "/wrong.png", QSize(8, 8), Qt::green))});
        QCOMPARE(library()->sourceFilePath(id), before);
        QCOMPARE(stackCount(), steps + 1);
    }

    // A pick that fails the control's size rule is judged before anything
    // is imported.
    void pickIsJudgedBeforeImport()
    {
        QQmlEngine engine;
        LWAppHost::publishServices(engine);
        LWInspectorResources *resources = LWInspectorHub::instance()->resources();
        const QString dir = m_sources.filePath("judged");
        const QString small = writePng(dir + "/small.png", QSize(8, 8));
        const QString pupil = writePng(dir + "/pupil.png", QSize(150, 150));
        writePng(dir + "/frames/f_0.png", QSize(150, 150));
        QString error;
        QVERIFY(!resources->pickQualifies(LWEffectCommon::LWResourceType2DTexture, {QUrl::fromLocalFile(small)},
                                          LWEffectCommon::LWConstrainTypeTextureSizeFix150x150, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(resources->pickQualifies(LWEffectCommon::LWResourceType2DTexture, {QUrl::fromLocalFile(pupil)},
                                         LWEffectCommon::LWConstrainTypeTextureSizeFix150x150, &error));
        QVERIFY(resources->pickQualifies(LWEffectCommon::LWResourceType2DTextureFrame,
                                         {QUrl::fromLocalFile(dir + "/frames")},
                                         LWEffectCommon::LWConstrainTypeTextureSizeFix150x150, &error));
        QCOMPARE(library()->recordCount(), 0);
    }

private:
    template <typename T>
    static T *findNode(LWQmlViewModel *node)
    {
        if (!node)
            return nullptr;
        if (auto *found = qobject_cast<T *>(node))
            return found;
        for (const auto &child : node->children()) {
            if (T *found = findNode<T>(child.get()))
                return found;
        }
        return nullptr;
    }

    QTemporaryDir m_sources;
};

LW_TEST_MAIN(TstResourceImport)
#include "tst_resourceimport.moc"
