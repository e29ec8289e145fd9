#pragma once

#include <QString>

// Catches fatal signals and writes a crash report ("<folder>/<dump id>.dmp":
// signal, time and backtrace as text), then calls back with the folder, the
// dump id and whether the report was written.
//
// Everything the handler needs is computed at install time; inside the
// signal handler only async-signal-safe calls run, on an alternate stack so
// that a stack overflow can still be reported. After the callback the signal
// is raised again with its default action, so the process still dies the
// way it would have.
class LWCrashHandler
{
public:
    using Callback = bool (*)(const char *dumpFolder, const char *dumpId, void *context, bool succeeded);

    LWCrashHandler(const QString &dumpFolder, Callback callback, void *context);
    ~LWCrashHandler();

    LWCrashHandler(const LWCrashHandler &) = delete;
    LWCrashHandler &operator=(const LWCrashHandler &) = delete;

    // The id the next report will carry; handy for tests and logs.
    static QString pendingDumpId();
};

// Starts a program detached with async-signal-safe calls only (fork, setsid,
// execv). argv is null-terminated. Returns whether the program was started.
bool lwSpawnDetached(const char *path, char *const argv[]);
