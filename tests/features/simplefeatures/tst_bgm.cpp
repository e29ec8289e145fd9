#include "LWSimpleFeatureKit.h"
#include "LWTestMain.h"
#include "common/LWLanguage.h"
#include "common/LWSettings.h"
#include "features/bgm/LWBGMFeatureModel.h"
#include "inspector/LWPropBoolViewModel.h"
#include "inspector/LWPropOptionViewModel.h"
#include "inspector/LWSecOptionViewModel.h"
#include "package/LWPackageCheck.h"

#include <QTemporaryDir>

using namespace LWSimpleFeatureKit;

namespace {

const QByteArray kSong("ID3\x03\x00 a short tune", 19);

LWBGMFeatureModel *newMusic()
{
    return create<LWBGMFeatureModel>("LWFeatureTypeBGM");
}

QJsonObject bgmOf(const QJsonObject &document)
{
    return document.value("effect").toObject().value("bgm").toObject();
}

QString importSong(const QString &path)
{
    if (!writeBytes(path, kSong))
        return QString();
    ImportResourceParam param;
    param.returnResourceId = true;
    param.withUndo = false; // leaves the undo history to the panel's edits
    return packs()->importFileToWorkSpaceResource(path, param);
}

// Chooses the music in the panel's first row, as the author does.
bool chooseMusic(LWBGMFeatureModel *music, const QString &resourceId)
{
    auto *choice = node<LWPropOptionViewModel>(panelOf(music), "resId");
    if (!choice)
        return false;
    for (int i = 0; i < choice->entryCount(); ++i) {
        if (choice->entry(i).value.toString() == resourceId) {
            choice->setOptionIndex(i);
            return music->musicResourceId() == resourceId;
        }
    }
    return false;
}

const QJsonObject kDefaultAction{{"triggerType", 4}, {"triggerDelay", 0}, {"triggerLoop", 0},
                                 {"triggerStop", true}, {"triggerDisappear", false}};

} // namespace

class TstBGM : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The labels below are the Chinese profile's, whatever the machine's language.
        LWSettings::instance()->setLanguageType(LWLanguage::Chinese);
        QCOMPARE(LWLanguage::instance()->startupLanguage(), int(LWLanguage::Chinese));
        wireApplication(m_engine);
    }
    void init() { newProject(); }
    void cleanup() { packs()->clearWorkspace(); }

    void newFeatureCarriesTheDefaults()
    {
        const QJsonObject defaults = LWBGMFeatureModel::defaultData();
        QCOMPARE(defaults.value("actiontype").toInt(), 0);
        QCOMPARE(defaults.value("action").toObject().value("triggerType").toInt(), 4);
        QCOMPARE(defaults.value("action").toObject().value("triggerStop"), QJsonValue(true));
        QCOMPARE(defaults.value("action").toObject().value("triggerDisapper"), QJsonValue(false));
        QCOMPARE(defaults.value("music_path").toString(), QString(""));

        LWBGMFeatureModel *music = newMusic();
        QVERIFY(music);
        QVERIFY(treeMatchesEffect());
        QCOMPARE(music->title(), QString("BGM"));
        QCOMPARE(QImage(music->naviItemIcon().mid(3)).size(), QSize(32, 32));
        QVERIFY(music->path().isEmpty());
        QVERIFY(music->contentJson().isEmpty());
        QVERIFY(music->toConfigLinkValue().isNull());
        LW_COMPARE_JSON(music->data(), (QJsonObject{{"resId", ""}, {"actiontype", 0}, {"action", kDefaultAction},
                                                    {"music_path", ""}}));
        auto *action = node<LWPropOptionViewModel>(panelOf(music), "triggerType");
        QVERIFY(action);
        QCOMPARE(action->comboDisplayText(), QString("张嘴"));
        music->menuItemAction("menuItemRemove");
        QCOMPARE(effect()->modelCount(), 0);
        QVERIFY(treeMatchesEffect());
    }

    void exportWithoutMusic()
    {
        newMusic();
        QTemporaryDir out;
        const QJsonObject config = exportInto(out.path());
        QVERIFY(config.value("effect").toObject().value("Link").toArray().isEmpty());
        LW_COMPARE_JSON(bgmOf(config), (QJsonObject{{"actiontype", 0}, {"action", kDefaultAction}, {"music_path", ""}}));
        QVERIFY(!QFileInfo::exists(out.filePath("bgm")));
        QVERIFY(LWPackageCheck::checkFolder(out.path()).problems.isEmpty());
    }

    void uncheckedMusicIsNotExported()
    {
        newMusic()->setChecked(false);
        QTemporaryDir out;
        QVERIFY(!exportInto(out.path()).value("effect").toObject().contains("bgm"));
    }

    // The chosen music travels into "bgm/" and comes back from the package
    // as a music resource of the library.
    void musicTravelsWithThePackage()
    {
        QTemporaryDir sources;
        LWBGMFeatureModel *music = newMusic();
        select(music);
        const QString song = importSong(sources.filePath("tune.mp3"));
        QVERIFY(!song.isEmpty());
        QVERIFY(chooseMusic(music, song));
        QTemporaryDir out;
        const QJsonObject bgm = bgmOf(exportInto(out.path()));
        const QString musicPath = bgm.value("music_path").toString();
        // The library keeps its MP3s without a suffix; the package names
        // its music as what it is.
        QCOMPARE(musicPath, "bgm/" + library()->fileName(song) + ".mp3");
        QVERIFY(!bgm.contains("resId"));
        QCOMPARE(bytesOf(out.filePath(musicPath)), kSong);
        QVERIFY(LWPackageCheck::checkFolder(out.path()).problems.isEmpty());

        QVERIFY(importIntoNewProject(out.path()));
        music = featureAt<LWBGMFeatureModel>(0);
        QVERIFY(music);
        const QString imported = music->musicResourceId();
        QVERIFY(!imported.isEmpty());
        QCOMPARE(library()->type(imported), int(LWEffectCommon::LWResourceMusic));
        QCOMPARE(bytesOf(library()->absolutePath(imported)), kSong);
        QCOMPARE(music->data().value("action").toObject(), kDefaultAction);
        QVERIFY(treeMatchesEffect());
    }

    // A record whose music cannot be music of this package adds nothing to
    // the library and exports without music.
    void unusableMusicIsLeftOut_data()
    {
        QTest::addColumn<QString>("musicPath");
        QTest::addColumn<QString>("file");
        QTest::newRow("missing file") << "bgm/missing.mp3" << "";
        QTest::newRow("not mp3") << "bgm/tune.wav" << "bgm/tune.wav";
        QTest::newRow("a picture") << "bgm/cover.png" << "bgm/cover.png";
        QTest::newRow("outside the package") << "../outside.mp3" << "../outside.mp3";
    }
    void unusableMusicIsLeftOut()
    {
        QFETCH(QString, musicPath);
        QFETCH(QString, file);
        QTemporaryDir root;
        const QString package = root.filePath("package");
        QJsonObject record = LWBGMFeatureModel::defaultData();
        record.insert("music_path", musicPath);
        writePackage(package, QString(), "bgm", QString(), {}, record);
        if (file.endsWith(".png"))
            QVERIFY(!writeImage(package + "/" + file, QSize(4, 4), "PNG").isEmpty());
        else if (!file.isEmpty())
            QVERIFY(writeBytes(package + "/" + file, kSong));
        newProject();
        const int resources = library()->recordCount();
        QVERIFY(packs()->importEffect(package));
        auto *music = featureAt<LWBGMFeatureModel>(0);
        QVERIFY(music);
        QCOMPARE(library()->recordCount(), resources);
        QVERIFY(music->musicResourceId().isEmpty());
        QTemporaryDir out;
        QCOMPARE(bgmOf(exportInto(out.path())).value("music_path").toString(), QString(""));
        QVERIFY(!QFileInfo::exists(out.filePath("bgm")));
    }

    // Face and cat face share one action section, hand gestures have their
    // own; the record holds the chosen page's section only.
    void actionPages()
    {
        LWBGMFeatureModel *music = newMusic();
        select(music);
        auto *detector = firstOfType<LWSecOptionViewModel>(panelOf(music));
        QVERIFY(detector);
        QCOMPARE(detector->options().size(), 3);
        auto *faceStop = node<LWPropBoolViewModel>(panelOf(music), "triggerStop");
        QVERIFY(faceStop);
        faceStop->setChecked(false);
        QCOMPARE(music->data().value("action").toObject().value("triggerStop"), QJsonValue(false));

        detector->setOptionIndex(2);
        QJsonObject data = music->data();
        QCOMPARE(data.value("actiontype").toInt(), 2);
        // The hand section starts from the record's values, not from the
        // face section's edits.
        QCOMPARE(data.value("action").toObject().value("triggerStop"), QJsonValue(true));
        auto *gesture = qobject_cast<LWPropOptionViewModel *>(detector->page(2).first()->children().first().get());
        QVERIFY(gesture);
        gesture->setOptionIndex(1);
        QCOMPARE(gesture->comboDisplayText(), QString("HAND_GESTURE_OK"));
        QCOMPARE(music->data().value("action").toObject().value("triggerType").toInt(), 2);

        detector->setOptionIndex(1);
        data = music->data();
        QCOMPARE(data.value("actiontype").toInt(), 1);
        QCOMPARE(data.value("action").toObject().value("triggerStop"), QJsonValue(false));
        QCOMPARE(data.value("action").toObject().value("triggerType").toInt(), 4);
        QVERIFY(treeMatchesEffect());
    }

    void projectSaveAndReopen()
    {
        QTemporaryDir sources;
        LWBGMFeatureModel *music = newMusic();
        select(music);
        const QString song = importSong(sources.filePath("tune.mp3"));
        QVERIFY(chooseMusic(music, song));
        firstOfType<LWSecOptionViewModel>(panelOf(music))->setOptionIndex(1);
        music->setTitle("Theme");
        music->setChecked(false);
        const QJsonObject data = music->data();
        const int resources = library()->recordCount();

        QTemporaryDir projects;
        saveAndReopen(projects.filePath("Tune"));
        const QJsonObject saved = LWJsonFile::read(projects.filePath("Tune/effect/effect.json"));
        QVERIFY(saved.value("effect").toObject().value("Link").toArray().isEmpty());
        const QJsonObject record = bgmOf(saved);
        QCOMPARE(record.value("resId").toString(), song);
        QCOMPARE(record.value("name").toString(), QString("Theme"));
        QCOMPARE(record.value("checked"), QJsonValue(false));

        music = featureAt<LWBGMFeatureModel>(0);
        QVERIFY(music);
        QCOMPARE(library()->recordCount(), resources);
        QCOMPARE(music->title(), QString("Theme"));
        QVERIFY(!music->checked());
        QCOMPARE(music->musicResourceId(), song);
        LW_COMPARE_JSON(music->data(), data);
        QVERIFY(treeMatchesEffect());
    }

private:
    QQmlEngine m_engine;
};

LW_TEST_MAIN(TstBGM)
#include "tst_bgm.moc"
