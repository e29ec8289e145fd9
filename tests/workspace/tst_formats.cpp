#include "LWTestMain.h"
#include "common/LWDataPaths.h"
#include "common/LWJsonFile.h"
#include "package/LWPackageConfig.h"
#include "workspace/LWProjectFile.h"
#include "workspace/LWRecentProjects.h"

#include <QDateTime>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A project folder named like its project file, as save-as leaves it.
QString makeProject(const QString &parent, const QString &name)
{
    const QString folder = parent + "/" + name;
    QDir().mkpath(folder);
    writeRaw(folder + "/" + name + ".lwproj", "{}");
    return folder;
}

QJsonArray recentEntries()
{
    return LWJsonFile::read(LWDataPaths::recentProjectsPath()).value("projs").toArray();
}
} // namespace

class TstFormats : public QObject
{
    Q_OBJECT
private slots:
    void init() { QFile::remove(LWDataPaths::recentProjectsPath()); }

    void projectFileDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("effect");
        QTest::newRow("complete") << QByteArray(R"({"name": "Cat", "effect": "fx"})") << "Cat" << "fx";
        QTest::newRow("empty object") << QByteArray("{}") << "Whiskers" << "effect";
        QTest::newRow("empty values") << QByteArray(R"({"name": "", "effect": ""})") << "Whiskers" << "effect";
        QTest::newRow("wrong types") << QByteArray(R"({"name": 5, "effect": ["x"]})") << "Whiskers" << "effect";
        QTest::newRow("not json") << QByteArray("garbage") << "Whiskers" << "effect";
        QTest::newRow("empty file") << QByteArray() << "Whiskers" << "effect";
    }
    void projectFileDefaults()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(QString, effect);
        QTemporaryDir dir;
        const QString path = dir.filePath("Whiskers.lwproj");
        writeRaw(path, content);
        const LWProjectFile project = LWProjectFile::read(path);
        QCOMPARE(project.name, name);
        QCOMPARE(project.effectFolderName, effect);
    }

    void projectFileWrite()
    {
        QTemporaryDir dir;
        LWProjectFile project;
        project.name = "Cat";
        const QString path = LWProjectFile::pathFor(dir.path(), project.name);
        QCOMPARE(path, dir.path() + "/Cat.lwproj");
        QVERIFY(project.write(path));
        QCOMPARE(LWJsonFile::read(path), (QJsonObject{{"name", "Cat"}, {"effect", "effect"}}));
    }

    void savingTwiceKeepsOneEntry()
    {
        QTemporaryDir dir;
        const QString a = makeProject(dir.path(), "A");
        const QString b = makeProject(dir.path(), "B");
        LWRecentProjects::record(a);
        LWRecentProjects::record(b);
        QJsonArray entries = recentEntries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(0).toObject().value("dir").toString(), b);
        const QString before = entries.at(1).toObject().value("at").toString();
        QVERIFY(!before.isEmpty());
        QTest::qWait(1100); // "at" counts whole seconds
        LWRecentProjects::record(a);
        entries = recentEntries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(0).toObject().value("dir").toString(), a);
        QVERIFY(entries.at(0).toObject().value("at").toString().toLongLong() > before.toLongLong());
    }

    void saveAsReplacesOldEntryKeepingMembers()
    {
        QTemporaryDir dir;
        const QString a = makeProject(dir.path(), "A");
        const QString b = makeProject(dir.path(), "B");
        const QString other = makeProject(dir.path(), "Other");
        LWJsonFile::write(LWDataPaths::recentProjectsPath(),
                          QJsonObject{{"projs", QJsonArray{QJsonObject{{"dir", other}, {"at", "1"}},
                                                           QJsonObject{{"dir", a}, {"at", "2"}, {"pinned", true}}}},
                                      {"extra", "kept"}});
        LWRecentProjects::record(b, a);
        const QJsonArray entries = recentEntries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(0).toObject().value("dir").toString(), b);
        QCOMPARE(entries.at(0).toObject().value("pinned").toBool(), true);
        QCOMPARE(entries.at(1).toObject().value("dir").toString(), other);
        QCOMPARE(LWJsonFile::read(LWDataPaths::recentProjectsPath()).value("extra").toString(), QString("kept"));
    }

    void readShowsTwelveExisting()
    {
        QTemporaryDir dir;
        QJsonArray entries;
        const qint64 at = QDateTime(QDate(2026, 3, 4), QTime(12, 0)).toSecsSinceEpoch();
        for (int i = 1; i <= 20; ++i) {
            const QString folder = dir.path() + QString("/P%1").arg(i);
            if (i > 3)
                makeProject(dir.path(), QString("P%1").arg(i));
            entries.append(QJsonObject{{"dir", folder}, {"at", QString::number(at)}});
        }
        LWJsonFile::write(LWDataPaths::recentProjectsPath(), QJsonObject{{"projs", entries}});
        const QList<LWProjectInfo> infos = LWRecentProjects::read();
        QCOMPARE(infos.size(), 12);
        QCOMPARE(infos.first().projName, QString("P4"));
        QCOMPARE(infos.last().projName, QString("P15"));
        QCOMPARE(infos.first().projFilePath, dir.path() + "/P4/P4.lwproj");
        QCOMPARE(infos.first().projTime, QString("2026.03.04"));
        // Vanished projects stay in the file.
        QCOMPARE(recentEntries().size(), 20);
    }

    void readSurvivesBadLists_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not json") << QByteArray("{{{");
        QTest::newRow("projs not array") << QByteArray(R"({"projs": {"dir": "/x"}})");
        QTest::newRow("entries of wrong type") << QByteArray(R"({"projs": [1, "two", null, {"dir": 3}, {"at": "5"}]})");
    }
    void readSurvivesBadLists()
    {
        QFETCH(QByteArray, content);
        writeRaw(LWDataPaths::recentProjectsPath(), content);
        QVERIFY(LWRecentProjects::read().isEmpty());
        // Recording still works and starts a sound list.
        QTemporaryDir dir;
        const QString a = makeProject(dir.path(), "A");
        LWRecentProjects::record(a);
        QCOMPARE(LWRecentProjects::read().size(), 1);
    }

    void versions_data()
    {
        QTest::addColumn<QStringList>("versions");
        QTest::addColumn<QString>("highest");
        QTest::newRow("none") << QStringList() << "0.0.0";
        QTest::newRow("numeric not text order") << QStringList{"2.7.0", "2.10.0", "2.8.0"} << "2.10.0";
        QTest::newRow("shorter equal keeps first") << QStringList{"1.2", "1.2.0"} << "1.2";
        QTest::newRow("longer wins") << QStringList{"1.2", "1.2.1"} << "1.2.1";
        QTest::newRow("empty ignored") << QStringList{"", "1.1"} << "1.1";
    }
    void versions()
    {
        QFETCH(QStringList, versions);
        QFETCH(QString, highest);
        QCOMPARE(LWPackageConfig::highestVersion(versions), highest);
    }

    void configDocument()
    {
        const QJsonArray links{QJsonObject{{"type", "2DSticker"}, {"zorder", 10000}, {"path", "2DSticker_stcat/"}}};
        const QJsonObject config = LWPackageConfig::build("LW", {"1.1"}, links, {});
        QVERIFY(QRegularExpression("^LW_[0-9a-f]{32}$").match(config.value("name").toString()).hasMatch());
        QCOMPARE(config.value("version").toString(), QString("1.1"));
        QCOMPARE(config.value("effect").toObject(), (QJsonObject{{"Link", links}}));

        const QJsonObject withBgm = LWPackageConfig::build("Cat_ears_old", {}, {}, QJsonObject{{"type", "BGM"}});
        QVERIFY(withBgm.value("name").toString().startsWith("Cat_"));
        QVERIFY(!withBgm.value("name").toString().contains("ears"));
        QCOMPARE(withBgm.value("effect").toObject().value("bgm").toObject().value("type").toString(), QString("BGM"));
        // Every build gets a new identity.
        QVERIFY(LWPackageConfig::packageName("LW") != LWPackageConfig::packageName("LW"));
    }

    void templatesShipped_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("effect") << ":/FeatureTemplates/Effect/effect.json" << "version" << "1.2";
        QTest::newRow("filter") << ":/FeatureTemplates/Filter/config.json" << "version" << "1.1";
        QTest::newRow("sticker") << ":/FeatureTemplates/2DSticker/content.json" << "tag" << "2DSticker_sticker";
        QTest::newRow("sticker v2") << ":/FeatureTemplates/2DStickerV2/content.json" << "tag" << "2DSticker_sticker";
        QTest::newRow("makeup") << ":/FeatureTemplates/FaceMakeupV2/content.json" << "tag" << "FaceMakeup_002";
        QTest::newRow("matting") << ":/FeatureTemplates/Matting/content.json" << "version" << "1.3";
        QTest::newRow("resources") << ":/ResourceTemplates/resourcemanager.json" << "" << "";
    }
    void templatesShipped()
    {
        QFETCH(QString, path);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QJsonObject object = LWJsonFile::read(path);
        QVERIFY2(!object.isEmpty(), qPrintable(path));
        if (!key.isEmpty())
            QCOMPARE(object.value(key).toString(), value);
    }
};

LW_TEST_MAIN(TstFormats)
#include "tst_formats.moc"
