#include "LWFuzzSupport.h"

#include "common/LWFolderUtil.h"
#include "common/LWResources.h"
#include "common/LWSettings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace LWFuzz {

namespace {

QTemporaryDir *g_home = nullptr; // owned for the run

void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{
}

} // namespace

void init(int *argc, char ***argv)
{
    if (g_home)
        return;
    g_home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/glowsmith-fuzz-XXXXXX"));
    const QByteArray home = QFile::encodeName(g_home->path());
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
    qputenv("XDG_RUNTIME_DIR", home + "/.runtime");
    QDir().mkpath(g_home->path() + QStringLiteral("/.runtime"));
    QFile::setPermissions(g_home->path() + QStringLiteral("/.runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, g_home->path() + QStringLiteral("/.config"));
    LWSettings::applyIdentity();
    if (!qEnvironmentVariableIsSet("LW_FUZZ_VERBOSE"))
        qInstallMessageHandler(quiet);
    // Lives for the whole run: the fuzzer never returns to us.
    new QGuiApplication(*argc, *argv);
    lwInitResources();
    std::atexit([] {
        delete g_home;
        g_home = nullptr;
    });
}

QString home()
{
    return g_home ? g_home->path() : QString();
}

QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "fuzz check failed: %s %s\n", what, qPrintable(detail));
    std::abort();
}

QStringList tree(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext())
        entries << base.relativeFilePath(it.next());
    entries.sort();
    return entries;
}

QStringList treeOutside(const QString &folder)
{
    const QString relative = QDir(home()).relativeFilePath(folder);
    QStringList entries = tree(home());
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const QString &entry) {
                                     return entry == relative || entry.startsWith(relative + QLatin1Char('/'));
                                 }),
                  entries.end());
    return entries;
}

void drain()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Scratch::Scratch()
    : m_path(LWFolderUtil::makeScratchFolder(home() + QStringLiteral("/scratch")))
{
}

Scratch::~Scratch()
{
    LWFolderUtil::removeFolder(m_path);
}

} // namespace LWFuzz

LWFuzzParts LWFuzzParts::split(const QByteArray &input)
{
    static const QByteArray separator("\n---\n");
    const int at = input.indexOf(separator);
    if (at < 0)
        return {input, QByteArray()};
    return {input.left(at), input.mid(at + separator.size())};
}
