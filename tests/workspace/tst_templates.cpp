// The shipped templates: each opens as the effect its name promises, with
// its tile for the home window, survives import and export unchanged, and
// a second import of the same template sits beside the first.

#include "LWTestMain.h"
#include "app/LWMainWindowController.h"
#include "common/LWJsonFile.h"
#include "features/makeup/LWFaceMakeUpV2Model.h"
#include "features/makeup/LWFaceMakeupV2FilterBase.h"
#include "features/sticker2d/LW2DSticker.h"
#include "features/sticker2d/LW2DStickerFeatureModel.h"
#include "features/sticker2d/LW2DStickerPart.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "package/LWZipUtil.h"
#include "resources/LWResourceManager.h"
#include "resources/LWResouceTreeViewModel.h"

#include <QCryptographicHash>
#include <QImage>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>

namespace {

LWEffectPackManager *packs()
{
    return LWEffectPackManager::instance();
}

QStringList resourceTitles(LWNaviTreeItem *item)
{
    QStringList titles;
    for (int i = 0; item && i < item->childCount(); ++i)
        titles << item->child(i)->title() << resourceTitles(item->child(i));
    return titles;
}

QString templateUrl(const QString &name)
{
    return QStringLiteral("qrc:/LWHome/templates/%1.zip").arg(name);
}

// Pixels, not file bytes: the same picture may be encoded differently.
QString pictureHash(const QString &path)
{
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return QStringLiteral("unreadable ") + QFileInfo(path).fileName();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < image.height(); ++y)
        hash.addData(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    return QStringLiteral("%1x%2 ").arg(image.width()).arg(image.height()) + hash.result().toHex();
}

QJsonArray framesOf(const QString &folder)
{
    QJsonArray frames;
    const QStringList files = QDir(folder).entryList({"*.png"}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        frames.append(pictureHash(folder + "/" + file));
    return frames;
}

// A sticker document with its parts in drawing order and their frames in
// place of the generated folder names.
QJsonObject stickerFingerprint(QJsonObject document, const QString &featureFolder)
{
    QList<QPair<int, QJsonObject>> parts;
    const QJsonObject stored = document.take("parts").toObject();
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        QJsonObject part = it.value().toObject();
        part.insert("frames", framesOf(featureFolder + "/" + it.key()));
        parts.append({part.value("zPosition").toInt(), part});
    }
    std::sort(parts.begin(), parts.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QJsonArray ordered;
    for (const auto &part : parts)
        ordered.append(part.second);
    document.insert("parts", ordered);
    return document;
}

// A makeup document whose resource records show their frames instead of
// the generated folder and file names.
QJsonObject makeupFingerprint(QJsonObject document, const QString &featureFolder)
{
    QJsonArray filters;
    for (const QJsonValue &value : document.value("filters").toArray()) {
        QJsonObject filter = value.toObject();
        for (const QString &key : filter.keys()) {
            QJsonObject record = filter.value(key).toObject();
            if (!record.contains("imageCount"))
                continue;
            record.insert("frames", framesOf(featureFolder + "/" + record.take("path").toString()));
            record.remove("name");
            filter.insert(key, record);
        }
        filters.append(filter);
    }
    document.insert("filters", filters);
    return document;
}

// Everything a package says, without what every export makes anew (tags,
// the effect's name, the library's generated names).
QJsonObject fingerprint(const QString &package)
{
    QJsonObject config = LWJsonFile::read(package + "/config.json");
    config.remove("name");
    QJsonObject result{{"config", config}};
    const QJsonArray links = config.value("effect").toObject().value("Link").toArray();
    for (const QJsonValue &link : links) {
        const QString path = link.toObject().value("path").toString();
        const QString folder = package + "/" + path;
        const bool filter = link.toObject().value("type").toString() == "Filter";
        QJsonObject content = LWJsonFile::read(folder + (filter ? "config.json" : "content.json"));
        content.remove("tag");
        QJsonObject feature{{"content", content}};
        const QString documentName = content.value("content").toObject().value("path").toString();
        const QJsonObject document = documentName.isEmpty() ? QJsonObject() : LWJsonFile::read(folder + documentName);
        if (document.contains("parts"))
            feature.insert("document", stickerFingerprint(document, folder));
        else if (document.contains("filters"))
            feature.insert("document", makeupFingerprint(document, folder));
        if (filter)
            feature.insert("lookup", framesOf(folder + "filter"));
        result.insert(path, feature);
    }
    return result;
}

QString unpack(const QString &zip, const QString &folder)
{
    return LWZipUtil::unzip(zip, folder) ? folder : QString();
}

// What the open effect shows: per feature its kind and, top first, its
// sticker components ("<name> x<frames>") or makeup layers.
QStringList effectOutline()
{
    QStringList outline;
    for (LWFeatureModel *feature : packs()->effect()->models()) {
        QString line = LWEffectCommon::featurePackageName(feature->featureType());
        QStringList children;
        if (auto *sticker = dynamic_cast<LW2DStickerFeatureModel *>(feature)) {
            for (const LW2DStickerPart *part : sticker->sticker()->models())
                children << QStringLiteral("%1 x%2").arg(part->title().section('.', -1)).arg(part->frameCount());
        }
        if (auto *makeup = dynamic_cast<LWFaceMakeUpV2Model *>(feature)) {
            for (const LWFaceMakeupV2FilterBase *filter : makeup->models())
                children << filter->typeKey();
        }
        if (!children.isEmpty())
            line += ": " + children.join(", ");
        outline << line;
    }
    return outline;
}

} // namespace

class TstTemplates : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { LWMainWindowController::instance(); }
    void cleanup() { packs()->clearWorkspace(); }

    void templates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("outline");
        QTest::newRow("White Cat") << "temp2DSticker1"
                                   << QStringList{"2DSticker: ears x12, whiskers x8, tail x12"};
        QTest::newRow("FileMovie") << "temp2DSticker2"
                                   << QStringList{"2DSticker: glasses x10, clapper x10, filmstrip x12"};
        QTest::newRow("I'm DJ") << "temp2DSticker3"
                                << QStringList{"2DSticker: headphones x8, notes x12, equalizer x12"};
        QTest::newRow("Cat And Bear") << "temp2DSticker4"
                                      << QStringList{"2DSticker: teddy x12, kitty x12, blush x6"};
        QTest::newRow("Orange eye shadow and tear mole")
            << "tempMakeup1" << QStringList{"FaceMakeupV2: mask, eye_part, lips_v2"};
        QTest::newRow("Ex Machina") << "tempMakeup2"
                                    << QStringList{"FaceMakeupV2: eye_part, pupil, mask, lips_v2"};
        QTest::newRow("Capsule") << "tempSegmentBody1" << QStringList{"Matting", "2DSticker: capsule x8"};
        QTest::newRow("Sweet Filter") << "tempFilter1" << QStringList{"Filter"};
    }

    // A project from the template holds what its name promises, the tile
    // fits the home window's card, and export and import change nothing.
    void templates()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, outline);
        const QImage tile(":/LWHome/templates/" + name + ".png");
        QCOMPARE(tile.size(), QSize(368, 400));

        QSignalSpy selectFirst(packs(), &LWEffectPackManager::selectFirstItemRequested);
        packs()->createProjFromTemp(templateUrl(name));
        QCOMPARE(selectFirst.size(), 1);
        QVERIFY(packs()->isTmpProj());
        QCOMPARE(effectOutline(), outline);
        QVERIFY(!LWUndoStack::instance()->canUndo());
        // The library lists the names the package carries, not its stored stems.
        const QStringList titles = resourceTitles(LWResourceManager::instance()->treeRoot());
        QVERIFY(!titles.isEmpty());
        for (const QString &title : titles)
            QVERIFY2(!QRegularExpression("^[a-z]{8}_\\d+").match(title).hasMatch(), qPrintable(titles.join(", ")));

        QTemporaryDir dir;
        QVERIFY(QFile::copy(":/LWHome/templates/" + name + ".zip", dir.filePath("shipped.zip")));
        QVERIFY(packs()->exportEffect(dir.filePath("first.zip")));
        packs()->createProj();
        QVERIFY(packs()->importEffectZipPack(dir.filePath("first.zip")));
        QCOMPARE(effectOutline(), outline);
        QVERIFY(packs()->exportEffect(dir.filePath("second.zip")));

        const QJsonObject shipped = fingerprint(unpack(dir.filePath("shipped.zip"), dir.filePath("shipped")));
        QVERIFY(!shipped.value("config").toObject().isEmpty());
        QCOMPARE(fingerprint(unpack(dir.filePath("first.zip"), dir.filePath("first"))), shipped);
        QCOMPARE(fingerprint(unpack(dir.filePath("second.zip"), dir.filePath("second"))), shipped);
    }

    // Each import of a template adds its features anew, beside the others.
    void templateTwiceIntoOneEffect()
    {
        packs()->createProjFromTemp(templateUrl("temp2DSticker1"));
        QVERIFY(packs()->importEffectZipPack(templateUrl("temp2DSticker1")));
        QStringList folders;
        for (LWFeatureModel *feature : packs()->effect()->models())
            folders << feature->path();
        QCOMPARE(folders, (QStringList{"2DSticker_1/", "2DSticker/"}));
        const QString whiteCat = "2DSticker: ears x12, whiskers x8, tail x12";
        QCOMPARE(effectOutline(), (QStringList{whiteCat, whiteCat}));
        QVERIFY(QFile::exists(packs()->effect()->folder() + "/2DSticker_1/content.json"));
    }
};

LW_TEST_MAIN(TstTemplates)
#include "tst_templates.moc"
