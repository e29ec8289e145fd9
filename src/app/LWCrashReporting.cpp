#include "LWCrashReporting.h"

#include "LWCrashHandler.h"
#include "common/LWCrashFlagSink.h"
#include "common/LWDataPaths.h"

#include <QFile>

#include <cstring>
#include <unistd.h>

namespace {

constexpr size_t kPathMax = 4096;
char g_helperPath[kPathMax];
char g_dumpPath[kPathMax];
char g_updmp[] = "-updmp";
char g_version[] = "1.0.0";

void say(int fd, const char *text)
{
    size_t length = std::strlen(text);
    while (length > 0) {
        const ssize_t n = ::write(fd, text, length);
        if (n <= 0)
            return;
        text += n;
        length -= size_t(n);
    }
}

bool append(char *target, size_t &used, const char *text)
{
    const size_t length = std::strlen(text);
    if (used + length + 1 > kPathMax)
        return false;
    std::memcpy(target + used, text, length);
    used += length;
    target[used] = '\0';
    return true;
}

} // namespace

bool lwMinidumpCallback(const char *dumpFolder, const char *dumpId, void *, bool succeeded)
{
    say(STDERR_FILENO, "enter upload minidump\n");
    if (succeeded) {
        size_t used = 0;
        g_dumpPath[0] = '\0';
        if (append(g_dumpPath, used, dumpFolder) && append(g_dumpPath, used, "/")
            && append(g_dumpPath, used, dumpId) && append(g_dumpPath, used, ".dmp")) {
            char *argv[] = {g_helperPath, g_updmp, g_dumpPath, g_version, nullptr};
            const bool started = g_helperPath[0] && lwSpawnDetached(g_helperPath, argv);
            say(STDOUT_FILENO, started ? "start lwhelper sucss\n" : "start lwhelper failed\n");
            say(STDERR_FILENO, "dmpPath: ");
            say(STDERR_FILENO, g_dumpPath);
            say(STDERR_FILENO, "\n");
        }
    }
    LWCrashFlagSink::writeFromSignalHandler();
    return succeeded;
}

std::unique_ptr<LWCrashHandler> lwInstallCrashReporting()
{
    const QByteArray helper = QFile::encodeName(LWDataPaths::helperPath());
    if (size_t(helper.size()) < kPathMax) {
        std::memcpy(g_helperPath, helper.constData(), size_t(helper.size()));
        g_helperPath[helper.size()] = '\0';
    }
    LWCrashFlagSink::arm();
    return std::make_unique<LWCrashHandler>(LWDataPaths::crashFolder(), &lwMinidumpCallback, nullptr);
}
