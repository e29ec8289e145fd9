#include "LWTestMain.h"

#include "common/LWResources.h"
#include "common/LWSettings.h"
#include "online/LWWebCookieModule.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>

namespace LWTest {

namespace {
QTemporaryDir *g_home = nullptr; // owned for the run, removed at exit
}

QString isolate()
{
    if (g_home)
        return g_home->path();
    g_home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/glowsmith-test-XXXXXX"));
    const QByteArray home = QFile::encodeName(g_home->path());
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
    qputenv("XDG_RUNTIME_DIR", home + "/.runtime");
    QDir().mkpath(g_home->path() + QStringLiteral("/.runtime"));
    QFile::setPermissions(g_home->path() + QStringLiteral("/.runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, g_home->path() + QStringLiteral("/.config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, g_home->path() + QStringLiteral("/.config"));
    LWSettings::applyIdentity();
    LWWebCookieModule::setSearchFolder(QStringLiteral(LW_TEST_WEB_MODULE_DIR));
    std::atexit([] { delete g_home; g_home = nullptr; });
    return g_home->path();
}

QString homeFolder()
{
    return g_home ? g_home->path() : QString();
}

int run(int argc, char **argv, QObject *testObject)
{
    lwInitResources();
    return QTest::qExec(testObject, argc, argv);
}

} // namespace LWTest
