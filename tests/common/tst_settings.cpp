#include "LWTestMain.h"
#include "common/LWDataPaths.h"
#include "common/LWJsonFile.h"
#include "common/LWLanguage.h"
#include "common/LWSettingFlags.h"
#include "common/LWSettings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {
void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

class TstSettings : public QObject
{
    Q_OBJECT
private slots:
    // A password that an earlier version kept in clear is gone from the
    // file once the store is first opened.
    void initTestCase()
    {
        {
            QSettings old(QSettings::NativeFormat, QSettings::UserScope, "Brightfold", "Lumeworks");
            old.setValue("defaultUserPassword", "hunter2-in-clear");
            old.setValue("defaultuserId", "author");
            old.sync();
        }
        auto *settings = LWSettings::instance();
        QCOMPARE(settings->defaultUserId(), QString("author"));
        QSettings other(QSettings::NativeFormat, QSettings::UserScope, "Brightfold", "Lumeworks");
        QFile file(other.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("hunter2-in-clear"));
        QVERIFY(!other.contains("defaultUserPassword"));
    }

    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        LWSettings::instance()->setLanguageType(0);
    }

    void storeDefaultsAndPersistence()
    {
        auto *settings = LWSettings::instance();
        QCOMPARE(settings->languageType(), 0);
        QCOMPARE(settings->autoCheckUpdate(), true);
        QCOMPARE(settings->lwhelperVersion(), 0);
        QVERIFY(!settings->autoLogin().has_value());

        settings->setLoginRecord("author", true, 2, true, "pw");
        settings->setAutoCheckUpdate(false);
        // Written through: a fresh reader of the same store sees the values.
        QSettings other(QSettings::NativeFormat, QSettings::UserScope, "Brightfold", "Lumeworks");
        QCOMPARE(other.value("defaultuserId").toString(), QString("author"));
        QCOMPARE(other.value("defaultRemeber").toBool(), true);
        QCOMPARE(other.value("loginType").toInt(), 2);
        QCOMPARE(other.value("autoCheckUpdate").toBool(), false);
        QCOMPARE(other.value("defaultSessionToken").toString(), QString("pw"));
        QCOMPARE(QFile::permissions(other.fileName()) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ReadOwner | QFile::WriteOwner),
                 QFile::Permissions());
        QVERIFY(other.fileName().startsWith(LWTest::homeFolder()));
        settings->setAutoLogin(false, 0);
        QCOMPARE(settings->autoLogin(), std::optional<bool>(false));
        settings->setAutoCheckUpdate(true);
    }

    void resolution_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QLocale::Language>("system");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("translation");
        QTest::newRow("follow Chinese") << 0 << QLocale::Chinese << 2 << ":/toChinese.qm";
        QTest::newRow("follow English") << 0 << QLocale::English << 1 << "";
        QTest::newRow("follow Japanese") << 0 << QLocale::Japanese << 3 << ":/toJapanese.qm";
        QTest::newRow("follow Korean") << 0 << QLocale::Korean << 4 << ":/toKorean.qm";
        QTest::newRow("follow French") << 0 << QLocale::French << 0 << "";
        QTest::newRow("English chosen") << 1 << QLocale::Chinese << 1 << "";
        QTest::newRow("Korean chosen") << 4 << QLocale::English << 4 << ":/toKorean.qm";
        QTest::newRow("bad stored value") << 9 << QLocale::Japanese << 0 << "";
    }
    void resolution()
    {
        QFETCH(int, stored);
        QFETCH(QLocale::Language, system);
        QFETCH(int, expected);
        QFETCH(QString, translation);
        LWSettings::instance()->setLanguageType(stored);
        QLocale::setDefault(QLocale(system));
        LWLanguage language;
        QCOMPARE(language.currentLanguage(), expected);
        QCOMPARE(language.translatorPath(), translation);
        if (!translation.isEmpty())
            QVERIFY2(QFile::exists(translation), "translation missing from the resources");
    }

    void translationsLoad()
    {
        for (const char *path : {":/toChinese.qm", ":/toJapanese.qm", ":/toKorean.qm"}) {
            QTranslator translator;
            QVERIFY2(translator.load(QString::fromLatin1(path)), path);
            QVERIFY(!translator.isEmpty());
        }
    }

    void setLanguageClamps()
    {
        LWLanguage language;
        language.setLanguage(3);
        QCOMPARE(LWSettings::instance()->languageType(), 3);
        language.setLanguage(7);
        QCOMPARE(LWSettings::instance()->languageType(), 1);
        language.setLanguage(5);
        QCOMPARE(LWSettings::instance()->languageType(), 1);
    }

    void startupLanguageSticks()
    {
        LWSettings::instance()->setLanguageType(3);
        LWLanguage language;
        QCOMPARE(language.currentLanguage(), 3);
        language.setLanguage(1);
        QCOMPARE(language.currentLanguage(), 1);
        QCOMPARE(language.startupLanguage(), 3);
    }

    void localizedPath_data()
    {
        QTest::addColumn<int>("startup");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("expected");
        const QString p = "@/Prof/LW2DStickerProfile.json";
        QTest::newRow("Chinese keeps path") << 2 << p << QStringList{"LW2DStickerProfile_EN.json"} << p;
        QTest::newRow("English variant") << 1 << p << QStringList{"LW2DStickerProfile_EN.json"}
                                         << "@/Prof/LW2DStickerProfile_EN.json";
        QTest::newRow("Japanese missing") << 3 << p << QStringList{"LW2DStickerProfile_EN.json"} << p;
        QTest::newRow("Korean variant") << 4 << p << QStringList{"LW2DStickerProfile_KR.json"}
                                        << "@/Prof/LW2DStickerProfile_KR.json";
        // An unsupported system language shows English texts, so English profiles.
        QTest::newRow("unresolved takes English") << 0 << p << QStringList{"LW2DStickerProfile_EN.json"}
                                                  << "@/Prof/LW2DStickerProfile_EN.json";
        QTest::newRow("unresolved, English missing") << 0 << p << QStringList{} << p;
        QTest::newRow("two dots") << 1 << "@/Prof/view.v2.json" << QStringList{"view_EN.json"} << "@/Prof/view_EN.json";
        QTest::newRow("two dots, middle kept missing") << 1 << "@/Prof/view.v2.json" << QStringList{"view.v2_EN.json"}
                                                       << "@/Prof/view.v2.json";
    }
    void localizedPath()
    {
        QFETCH(int, startup);
        QFETCH(QString, path);
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("Prof"));
        for (const QString &name : present)
            writeRaw(dir.filePath("Prof/" + name), "{}");
        path.replace("@", dir.path());
        expected.replace("@", dir.path());

        LWSettings::instance()->setLanguageType(startup);
        QLocale::setDefault(QLocale(QLocale::French));
        LWLanguage language;
        QCOMPARE(language.localizedPath(path), expected);
    }

    void settingFlags()
    {
        const QString path = LWDataPaths::settingFlagsPath();
        QFile::remove(path);
        QVERIFY(!LWSettingFlags::read("tutorial").has_value());
        QVERIFY(LWSettingFlags::write("tutorial", false));
        QCOMPARE(LWSettingFlags::read("tutorial"), std::optional<bool>(false));
        // Other members, ours or not, survive a write.
        QJsonObject flags = LWJsonFile::read(path);
        flags.insert("somethingElse", "kept");
        LWJsonFile::write(path, flags);
        QVERIFY(LWSettingFlags::write("lastCrashed", true));
        QCOMPARE(LWJsonFile::read(path).value("somethingElse").toString(), QString("kept"));
        QCOMPARE(LWSettingFlags::read("tutorial"), std::optional<bool>(false));

        QVERIFY(LWSettingFlags::takeLastCrashed());
        QVERIFY(!LWSettingFlags::takeLastCrashed());
        // A non-boolean member reads as absent.
        flags = LWJsonFile::read(path);
        flags.insert("tutorial", "yes");
        LWJsonFile::write(path, flags);
        QVERIFY(!LWSettingFlags::read("tutorial").has_value());
    }

    void unreadableFlagFileIsSetAside()
    {
        const QString path = LWDataPaths::settingFlagsPath();
        writeRaw(path, "not json at all");
        QVERIFY(!LWSettingFlags::read("tutorial").has_value());
        QVERIFY(!LWSettingFlags::takeLastCrashed());
        QVERIFY(LWSettingFlags::write("tutorial", true));
        QCOMPARE(LWSettingFlags::read("tutorial"), std::optional<bool>(true));
        QFile aside(path + ".unreadable");
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), QByteArray("not json at all"));
    }
};

LW_TEST_MAIN(TstSettings)
#include "tst_settings.moc"
