#pragma once

#include <memory>

class LWCrashHandler;

// Installs the crash handler on "<data>/crash". After a crash the report is
// handed to the helper program ("-updmp <dump> 1.0.0") and "lastCrashed" is
// set in setting.json, even when the helper cannot be started.
// The returned handler must live as long as crashes should be caught.
std::unique_ptr<LWCrashHandler> lwInstallCrashReporting();

// The callback itself, exposed for tests.
bool lwMinidumpCallback(const char *dumpFolder, const char *dumpId, void *context, bool succeeded);
