#include "LWQuitSignals.h"

#include "workspace/LWEffectPackManager.h"
#include "workspace/LWRecoveryPoint.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace LWQuitSignals {

namespace {

int g_pipe[2] = {-1, -1}; // [0] written by the handler, [1] read by the notifier

void onSignal(int signal)
{
    // Only async-signal-safe calls here: one write, errno kept for the code
    // the signal interrupted.
    const int saved = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[0], &byte, 1);
    errno = saved;
}

} // namespace

bool install(std::function<void()> onQuit)
{
    if (g_pipe[0] >= 0)
        return false;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0) {
        qWarning() << "quit signals: no socket pair";
        g_pipe[0] = g_pipe[1] = -1;
        return false;
    }
    auto *notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [onQuit = std::move(onQuit)] {
        char bytes[16];
        bool any = false;
        while (::read(g_pipe[1], bytes, sizeof bytes) > 0)
            any = true;
        if (any)
            onQuit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    bool ok = true;
    for (const int signal : {SIGTERM, SIGHUP})
        ok = ::sigaction(signal, &action, nullptr) == 0 && ok;
    return ok;
}

bool installForEditor()
{
    return install([] {
        LWEffectPackManager::instance()->recoveryPoint()->flush();
        QCoreApplication::quit();
    });
}

} // namespace LWQuitSignals
