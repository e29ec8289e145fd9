#pragma once

#include <QString>
#include <QStringList>

class LWWebCookieAccess;

// Finds and loads the module that reaches the web engine's cookie store (see
// LWWebCookieAccess). It is looked for relative to the running program, so
// an installed editor finds the module installed beside it (bin/glowsmith
// and lib/glowsmith/plugins/), and the build tree mirrors that layout for the
// editor it builds.
namespace LWWebCookieModule {

// The loaded module, loading it on the first call; null, with a warning in
// the log, when it is missing or cannot be loaded. Later calls do not try
// again.
LWWebCookieAccess *access();

// Where access() looks, in order.
QStringList searchFolders();
// A folder looked in before the program's own (tests, whose executables are
// elsewhere in the build tree).
void setSearchFolder(const QString &folder);

} // namespace LWWebCookieModule
