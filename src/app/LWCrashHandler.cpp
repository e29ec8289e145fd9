#include "LWCrashHandler.h"

#include <QDir>
#include <QFile>
#include <QUuid>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT, SIGTRAP, SIGSYS};
constexpr size_t kPathMax = 4096;

struct HandlerState
{
    char folder[kPathMax] = {};
    char dumpId[40] = {};
    char dumpPath[kPathMax] = {};
    LWCrashHandler::Callback callback = nullptr;
    void *context = nullptr;
    struct sigaction previous[sizeof kSignals / sizeof kSignals[0]];
    stack_t altStack{};
    bool installed = false;
};

HandlerState g_state;
std::atomic<bool> g_handling{false};

// Async-signal-safe text helpers: no allocation, no locale.
void writeAll(int fd, const char *text, size_t length)
{
    while (length > 0) {
        const ssize_t n = ::write(fd, text, length);
        if (n <= 0)
            return;
        text += n;
        length -= size_t(n);
    }
}

void writeText(int fd, const char *text)
{
    writeAll(fd, text, std::strlen(text));
}

void writeNumber(int fd, long long value)
{
    char digits[24];
    int i = sizeof digits;
    const bool negative = value < 0;
    unsigned long long v = negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    do {
        digits[--i] = char('0' + v % 10);
        v /= 10;
    } while (v && i > 1);
    if (negative)
        digits[--i] = '-';
    writeAll(fd, digits + i, sizeof digits - size_t(i));
}

bool writeReport(int signal)
{
    const int fd = ::open(g_state.dumpPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    writeText(fd, "Glowsmith crash report\nversion: " LW_VERSION "\nsignal: ");
    writeNumber(fd, signal);
    writeText(fd, "\ntime: ");
    writeNumber(fd, static_cast<long long>(::time(nullptr)));
    writeText(fd, "\npid: ");
    writeNumber(fd, ::getpid());
    writeText(fd, "\nbacktrace:\n");
    void *frames[128];
    const int count = ::backtrace(frames, 128);
    ::backtrace_symbols_fd(frames, count, fd);
    ::fsync(fd);
    ::close(fd);
    return true;
}

void restoreHandlers()
{
    for (size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i)
        ::sigaction(kSignals[i], &g_state.previous[i], nullptr);
}

void onFatalSignal(int signal, siginfo_t *, void *)
{
    if (g_handling.exchange(true)) {
        // A second fault while handling the first: give up at once.
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    const bool written = writeReport(signal);
    if (g_state.callback)
        g_state.callback(g_state.folder, g_state.dumpId, g_state.context, written);
    restoreHandlers();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

bool copyInto(char *target, size_t size, const QByteArray &source)
{
    if (size_t(source.size()) + 1 > size)
        return false;
    std::memcpy(target, source.constData(), size_t(source.size()));
    target[source.size()] = '\0';
    return true;
}

} // namespace

LWCrashHandler::LWCrashHandler(const QString &dumpFolder, Callback callback, void *context)
{
    if (g_state.installed)
        return;
    QDir().mkpath(dumpFolder);
    const QByteArray folder = QFile::encodeName(dumpFolder);
    const QByteArray id = QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1();
    if (!copyInto(g_state.folder, sizeof g_state.folder, folder)
        || !copyInto(g_state.dumpId, sizeof g_state.dumpId, id)
        || !copyInto(g_state.dumpPath, sizeof g_state.dumpPath, folder + '/' + id + ".dmp"))
        return;
    g_state.callback = callback;
    g_state.context = context;

    // backtrace() loads its unwinder lazily, which may allocate; do it now.
    void *warmUp[4];
    ::backtrace(warmUp, 4);

    g_state.altStack.ss_size = size_t(SIGSTKSZ) * 4 + 65536;
    g_state.altStack.ss_sp = std::malloc(g_state.altStack.ss_size);
    g_state.altStack.ss_flags = 0;
    if (g_state.altStack.ss_sp)
        ::sigaltstack(&g_state.altStack, nullptr);

    struct sigaction action {};
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i)
        ::sigaction(kSignals[i], &action, &g_state.previous[i]);
    g_state.installed = true;
}

LWCrashHandler::~LWCrashHandler()
{
    if (!g_state.installed)
        return;
    restoreHandlers();
    g_state.installed = false;
    g_state.callback = nullptr;
    // The alternate stack stays allocated: another thread may still be on it.
}

QString LWCrashHandler::pendingDumpId()
{
    return QString::fromLatin1(g_state.dumpId);
}

bool lwSpawnDetached(const char *path, char *const argv[])
{
    int status[2];
    if (::pipe2(status, O_CLOEXEC) != 0)
        return false;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(status[0]);
        ::close(status[1]);
        return false;
    }
    if (child == 0) {
        // Fork again so the program is nobody's child and never a zombie.
        ::close(status[0]);
        if (::fork() != 0)
            ::_exit(0);
        ::setsid();
        ::execv(path, argv);
        const int error = errno;
        writeAll(status[1], reinterpret_cast<const char *>(&error), sizeof error);
        ::_exit(127);
    }
    ::close(status[1]);
    int childStatus = 0;
    ::waitpid(child, &childStatus, 0);
    int error = 0;
    ssize_t n;
    do {
        n = ::read(status[0], &error, sizeof error);
    } while (n < 0 && errno == EINTR);
    ::close(status[0]);
    // The pipe closes on a successful exec without a word written.
    return n == 0;
}
