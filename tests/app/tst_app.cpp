#include "LWTestMain.h"
#include "LWTinyHttp.h"
#include "app/LWAppHost.h"
#include "app/LWCheckHelper.h"
#include "app/LWGuiApplication.h"
#include "app/LWMainWindowController.h"
#include "app/LWTemplateCatalogue.h"
#include "common/LWDataPaths.h"
#include "common/LWJsonFile.h"
#include "common/LWResources.h"
#include "common/LWRunMarker.h"
#include "common/LWSettingFlags.h"
#include "common/LWSettings.h"
#include "workspace/LWEffectPackManager.h"

#include <QFileOpenEvent>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTranslator>
#include <QWindow>

namespace {

void writeFile(const QString &path, const QByteArray &bytes, QFileDevice::Permissions extra = {})
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    if (extra)
        file.setPermissions(file.permissions() | extra);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The address sanitizer installs its own crash signal handling, which the
// crash tests cannot share.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

void startCrashChild(QProcess &child, const QStringList &arguments = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    child.setProcessEnvironment(environment);
    child.start(LW_CRASH_CHILD, arguments);
}

void pointServicesAt(int port)
{
    LWJsonFile::write(LWDataPaths::dataFolder() + "/services.json",
                      QJsonObject{{"crash", QStringLiteral("http://127.0.0.1:%1").arg(port)}});
}

} // namespace

class TstApp : public QObject
{
    Q_OBJECT
private slots:
    void helperCheckDecides_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("storedVersion");
        QTest::addColumn<bool>("work");
        QTest::newRow("present and current") << true << 1 << false;
        QTest::newRow("present and newer") << true << 2 << false;
        QTest::newRow("present but old") << true << 0 << true;
        QTest::newRow("missing though recorded") << false << 1 << true;
        QTest::newRow("first start") << false << 0 << true;
    }
    void helperCheckDecides()
    {
        QFETCH(bool, present);
        QFETCH(int, storedVersion);
        QFETCH(bool, work);
        QFile::remove(LWDataPaths::helperPath());
        if (present)
            writeFile(LWDataPaths::helperPath(), "old helper");
        LWSettings::instance()->setLwhelperVersion(storedVersion);
        QCOMPARE(LWCheckHelper().needsWork(), work);
    }

    void helperInstallOnWorkerThread()
    {
        writeFile(LWDataPaths::helperPath(), "stale helper");
        LWSettings::instance()->setLwhelperVersion(0);
        QVERIFY(LWCheckHelper::startCheck());
        QTRY_COMPARE(LWSettings::instance()->lwhelperVersion(), 1);
        const QFileInfo installed(LWDataPaths::helperPath());
        QVERIFY(installed.isExecutable());
        QCOMPARE(readFile(installed.filePath()), readFile(":/LWHelper/LWHelper.exe"));
        QVERIFY(!QFile::exists(installed.filePath() + ".part"));
        // Nothing to do the second time.
        QVERIFY(!LWCheckHelper::startCheck());
    }

    // The crash of a child process: a report named by its id, the helper
    // started with "-updmp", the report path and "1.0.0", and the crash flag
    // reported exactly once.
    void crashLeavesReportAndFlag()
    {
        if (kSanitized)
            QSKIP("the sanitizer build handles crash signals itself");
        const QString argsFile = LWTest::homeFolder() + "/helper-args.txt";
        QFile::remove(argsFile);
        writeFile(LWDataPaths::helperPath(),
                  "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + argsFile.toUtf8() + "'\n", QFileDevice::ExeOwner);
        LWSettingFlags::write("tutorial", false);

        QProcess child;
        startCrashChild(child);
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        const QString dumpId = output.section('\n', 0, 0).trimmed();
        QVERIFY(!dumpId.isEmpty());
        QVERIFY2(output.contains("start lwhelper sucss"), qPrintable(output));

        const QString dump = LWDataPaths::crashFolder() + "/" + dumpId + ".dmp";
        QVERIFY(QFile::exists(dump));
        QVERIFY(readFile(dump).contains("signal: 11"));
        QTRY_VERIFY(QFile::exists(argsFile));
        QTRY_COMPARE(QString::fromUtf8(readFile(argsFile)), "-updmp\n" + dump + "\n1.0.0\n");

        QVERIFY(LWSettingFlags::takeLastCrashed());
        QVERIFY(!LWSettingFlags::takeLastCrashed());
        // The flag written from the signal handler kept the other flags.
        QCOMPARE(LWSettingFlags::read("tutorial"), std::optional<bool>(false));
    }

    void crashFlagSetEvenWithoutHelper()
    {
        if (kSanitized)
            QSKIP("the sanitizer build handles crash signals itself");
        QFile::remove(LWDataPaths::helperPath());
        QProcess child;
        startCrashChild(child);
        QVERIFY(child.waitForFinished(30000));
        QVERIFY(child.readAllStandardOutput().contains("start lwhelper failed"));
        QVERIFY(LWSettingFlags::takeLastCrashed());
    }

    // An editor that is killed or loses power leaves its run marker behind;
    // the next start raises the crash flag so recovery is offered. A clean
    // exit leaves nothing, and a marker held by a running editor is not
    // mistaken for a dead one.
    void runMarkerDetectsUncleanExit_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("unclean");
        QTest::newRow("killed") << "--killed" << true;
        QTest::newRow("clean exit") << "--clean" << false;
    }
    void runMarkerDetectsUncleanExit()
    {
        QFETCH(QString, mode);
        QFETCH(bool, unclean);
        LWSettingFlags::write("lastCrashed", false);
        QProcess child;
        startCrashChild(child, {mode});
        QVERIFY(child.waitForFinished(30000));
        QVERIFY(child.readAllStandardOutput().contains("marked"));
        QCOMPARE(LWRunMarker::begin(), unclean);
        QCOMPARE(LWSettingFlags::takeLastCrashed(), unclean);
        LWRunMarker::end();
        QVERIFY(!QFile::exists(LWDataPaths::dataFolder() + "/running.lock"));
    }

    void runMarkerOfLiveEditorIsRespected()
    {
        LWSettingFlags::write("lastCrashed", false);
        QProcess child;
        startCrashChild(child, {"--hold"});
        QVERIFY(child.waitForReadyRead(30000));
        QVERIFY(child.readAllStandardOutput().contains("marked"));
        QVERIFY(!LWRunMarker::begin());
        QVERIFY(!LWSettingFlags::takeLastCrashed());
        LWRunMarker::end();
        // Our end() must not have removed the other editor's marker.
        QVERIFY(QFile::exists(LWDataPaths::dataFolder() + "/running.lock"));
        child.kill();
        QVERIFY(child.waitForFinished(30000));
        QVERIFY(LWRunMarker::begin());
        QVERIFY(LWSettingFlags::takeLastCrashed());
        LWRunMarker::end();
    }

    void helperDeliversOrKeepsDump()
    {
        LWSettings::instance()->setLwhelperVersion(0);
        QFile::remove(LWDataPaths::helperPath());
        LWCheckHelper().process();
        const QString dump = LWDataPaths::crashFolder() + "/deadbeef.dmp";
        writeFile(dump, "Glowsmith crash report\nsignal: 11\n");

        // Nobody listening: the dump stays for a later try.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const int closedPort = probe.serverPort();
        probe.close();
        pointServicesAt(closedPort);
        QCOMPARE(QProcess::execute(LWDataPaths::helperPath(), {"-updmp", dump, "1.0.0"}), 1);
        QVERIFY(QFile::exists(dump));

        LWTinyHttp server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        pointServicesAt(server.serverPort());
        QProcess helper;
        helper.start(LWDataPaths::helperPath(), {"-updmp", dump, "1.0.0"});
        QTRY_VERIFY_WITH_TIMEOUT(helper.state() == QProcess::NotRunning, 20000);
        QCOMPARE(helper.exitCode(), 0);
        QVERIFY(!QFile::exists(dump));
        QVERIFY(server.request.startsWith("POST /api/crash/upload "));
        QVERIFY(server.request.contains("name=\"version\"\r\n\r\n1.0.0"));
        QVERIFY(server.request.contains("signal: 11"));
        QFile::remove(LWDataPaths::dataFolder() + "/services.json");
    }

    void fileOpenAndCloseEvents()
    {
        auto *controller = LWMainWindowController::instance();
        QFileOpenEvent open(QStringLiteral("/somewhere/proj.lwproj"));
        QCoreApplication::sendEvent(qApp, &open);
        QCOMPARE(controller->defaultProjPath(), QString("/somewhere/proj.lwproj"));
        controller->setDefaultProjPath(QString());

        QCloseEvent close;
        QCoreApplication::sendEvent(qApp, &close);
        QVERIFY(controller->forceClose());
        controller->setForceClose(false);
    }

    void keyStateFollowsEvents()
    {
        auto *controller = LWMainWindowController::instance();
        QWindow window;
        window.show();
        QTest::keyPress(&window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(controller->hasKeyPressed());
        QCOMPARE(controller->currentPressKey(), int(Qt::Key_Z));
        QCOMPARE(controller->currentKeyPressEvent().modifiers(), Qt::ControlModifier);
        QTest::keyRelease(&window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!controller->hasKeyPressed());
        QCOMPARE(controller->currentPressKey(), 0x01ffffff);
        QCOMPARE(controller->currentKeyPressEvent().modifiers(), Qt::NoModifier);
        QVERIFY(controller->currentKeyPressEvent().text().isEmpty());
    }

    void projectFileArgument()
    {
        auto *controller = LWMainWindowController::instance();
        const QString project = LWTest::homeFolder() + "/Demo.lwproj";
        writeFile(project, "{}");
        LWAppHost::takeArguments({"glowsmith", project, "extra"});
        QVERIFY(controller->defaultProjPath().isEmpty());
        LWAppHost::takeArguments({"glowsmith", LWTest::homeFolder() + "/missing.lwproj"});
        QVERIFY(controller->defaultProjPath().isEmpty());
        LWAppHost::takeArguments({"glowsmith", project});
        QCOMPARE(controller->defaultProjPath(), project);
        controller->setDefaultProjPath(QString());
    }

    // The six window documents load, the home window is the one shown, and a
    // project handed to the program opens the editor window instead.
    void windowsLoadAndSwitch()
    {
        LWAppHost::registerTypes();
        QQmlApplicationEngine engine;
        LWAppHost::publishServices(engine);
        for (const QString &document : LWAppHost::windowDocuments())
            engine.load(QUrl(document));
        QCOMPARE(engine.rootObjects().size(), 6);
        auto *controller = LWMainWindowController::instance();
        controller->attachEngine(&engine);

        auto visibleNames = [&] {
            QStringList names;
            for (QObject *root : engine.rootObjects())
                if (qobject_cast<QWindow *>(root)->isVisible())
                    names << root->objectName();
            return names;
        };
        controller->showHomeWindow();
        QCOMPARE(visibleNames(), QStringList{"homeWinObj"});
        controller->showUpdateWindow(true);
        QCOMPARE(visibleNames(), (QStringList{"homeWinObj", "checkUpdateWindow"}));
        controller->showUpdateWindow(false);

        const QString project = LWTest::homeFolder() + "/Handed/Handed.lwproj";
        QDir().mkpath(LWTest::homeFolder() + "/Handed");
        writeFile(project, "{}");
        controller->setDefaultProjPath(project);
        controller->showHomeWindow();
        QCOMPARE(visibleNames(), QStringList{"mainStudioObj"});
        QCOMPARE(LWEffectPackManager::instance()->projName(), QString("Handed"));
        LWEffectPackManager::instance()->clearWorkspace();
        QVERIFY(controller->defaultProjPath().isEmpty());

        // Closing the only window shown ends the program.
        controller->showHomeWindow();
        QSignalSpy quit(&engine, &QQmlEngine::quit);
        for (QObject *root : engine.rootObjects())
            if (root->objectName() == "homeWinObj")
                qobject_cast<QWindow *>(root)->close();
        QCOMPARE(quit.size(), 1);
        controller->attachEngine(nullptr);
    }

    // Only the home window stands before the first frame; the other five
    // follow in their order once it has drawn, and one asked for sooner is
    // there at once.
    void windowsFollowTheFirstFrame_data()
    {
        QTest::addColumn<bool>("askedEarly");
        QTest::newRow("after the first frame") << false;
        QTest::newRow("asked for before it") << true;
    }
    void windowsFollowTheFirstFrame()
    {
        QFETCH(bool, askedEarly);
        LWAppHost::registerTypes();
        QQmlApplicationEngine engine;
        LWAppHost::publishServices(engine);
        QStringList documents = LWAppHost::windowDocuments();
        engine.load(QUrl(documents.takeFirst()));
        QCOMPARE(engine.rootObjects().size(), 1);
        auto *home = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
        QVERIFY(home);
        auto *controller = LWMainWindowController::instance();
        controller->attachEngine(&engine);
        controller->deferWindowDocuments(documents, home);
        controller->showHomeWindow();
        QCOMPARE(engine.rootObjects().size(), 1);
        if (askedEarly) {
            controller->showUpdateWindow(true);
            QCOMPARE(engine.rootObjects().size(), 6);
            QVERIFY(qobject_cast<QWindow *>(engine.rootObjects().at(3))->isVisible());
            controller->showUpdateWindow(false);
        } else {
            QTRY_COMPARE(engine.rootObjects().size(), 6);
        }
        QStringList names;
        for (QObject *root : engine.rootObjects())
            names << root->objectName();
        QCOMPARE(names.mid(2, 2), (QStringList{"mainStudioObj", "checkUpdateWindow"}));
        QCOMPARE(names.first(), QString("homeWinObj"));
        home->hide();
        controller->attachEngine(nullptr);
    }

    void tutorialFlagPersists()
    {
        auto *controller = LWMainWindowController::instance();
        controller->setNeedShowTutorial(false);
        QCOMPARE(LWSettingFlags::read("tutorial"), std::optional<bool>(false));
        controller->setNeedShowTutorial(true);
        QCOMPARE(LWSettingFlags::read("tutorial"), std::optional<bool>(true));
    }

    void panelWidthsFollowLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("inspector");
        QTest::addColumn<int>("homeTab");
        QTest::newRow("English") << 1 << 340 << 140;
        QTest::newRow("Chinese") << 2 << 320 << 120;
        QTest::newRow("Japanese") << 3 << 380 << 180;
        QTest::newRow("Korean") << 4 << 320 << 120;
    }
    void panelWidthsFollowLanguage()
    {
        QFETCH(int, language);
        QFETCH(int, inspector);
        QFETCH(int, homeTab);
        auto *controller = LWMainWindowController::instance();
        controller->setCurrentLanguageType(language);
        QCOMPARE(controller->currentLanguageType(), language);
        QCOMPARE(controller->getInspectorWidth(), inspector);
        QCOMPARE(controller->getHomeTabWidth(), homeTab);
    }

    // The shipped templates in menu order, read through the roles the home
    // tiles and the template menu use.
    void templateCatalogueRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("usageEvent");
        QTest::newRow("0") << 0 << "2D Sticker" << "White Cat" << "temp2DSticker1" << "gsTemplateWhiteCat";
        QTest::newRow("1") << 1 << "2D Sticker" << "FileMovie" << "temp2DSticker2" << "gsTemplateLittleBeauty";
        QTest::newRow("2") << 2 << "2D Sticker" << "I'm DJ" << "temp2DSticker3" << "gsTemplateTidewaveDJ";
        QTest::newRow("3") << 3 << "2D Sticker" << "Cat And Bear" << "temp2DSticker4" << "gsTemplateCatAndBear";
        QTest::newRow("4") << 4 << "FaceMakeUp" << "Orange eye shadow and tear mole" << "tempMakeup1"
                           << "gsTemplateMakeupEyeTear";
        QTest::newRow("5") << 5 << "FaceMakeUp" << "Ex Machina" << "tempMakeup2" << "gsTemplateMakeupRobot";
        QTest::newRow("6") << 6 << "Cut out human image" << "Capsule" << "tempSegmentBody1" << "gsTemplateSpaceCapsule";
        QTest::newRow("7") << 7 << "Filter" << "Sweet Filter" << "tempFilter1" << "gsTemplateSweetyFilter";
    }
    void templateCatalogueRows()
    {
        QFETCH(int, row);
        QFETCH(QString, group);
        QFETCH(QString, title);
        QFETCH(QString, name);
        QFETCH(QString, usageEvent);
        LWTemplateCatalogue catalogue;
        QCOMPARE(catalogue.rowCount(), 8);
        const QModelIndex index = catalogue.index(row);
        const QHash<int, QByteArray> roles = catalogue.roleNames();
        auto read = [&](const char *role) { return catalogue.data(index, roles.key(role)).toString(); };
        QCOMPARE(read("group"), group);
        QCOMPARE(read("title"), title);
        QCOMPARE(read("zip"), "qrc:/LWHome/templates/" + name + ".zip");
        QCOMPARE(read("picture"), "qrc:/LWHome/templates/" + name + ".png");
        QCOMPARE(read("usageEvent"), usageEvent);
        QVERIFY(QFile::exists(":/LWHome/templates/" + name + ".zip"));
    }

    // Titles and groups follow the translator installed when they are read.
    void templateCatalogueSpeaksTheInterfaceLanguage()
    {
        LWTemplateCatalogue catalogue;
        QTranslator chinese;
        QVERIFY(chinese.load(QStringLiteral(":/toChinese.qm")));
        QVERIFY(QCoreApplication::installTranslator(&chinese));
        const QModelIndex first = catalogue.index(0);
        const QString title = catalogue.data(first, LWTemplateCatalogue::TitleRole).toString();
        const QString group = catalogue.data(first, LWTemplateCatalogue::GroupRole).toString();
        QCoreApplication::removeTranslator(&chinese);
        QCOMPARE(title, QStringLiteral("白猫"));
        QCOMPARE(group, QStringLiteral("2D贴纸"));
        QCOMPARE(catalogue.data(first, LWTemplateCatalogue::TitleRole).toString(), QStringLiteral("White Cat"));
    }
};

int main(int argc, char **argv)
{
    LWTest::isolate();
    LWGuiApplication app(argc, argv);
    TstApp test;
    return LWTest::run(argc, argv, &test);
}
#include "tst_app.moc"
