#include "LWWebCookieModule.h"

#include "LWWebCookieAccess.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace LWWebCookieModule {

namespace {

QString &extraFolder()
{
    static QString folder;
    return folder;
}

} // namespace

void setSearchFolder(const QString &folder)
{
    extraFolder() = folder;
}

QStringList searchFolders()
{
    QStringList folders;
    if (!extraFolder().isEmpty())
        folders << extraFolder();
    // From the program's folder to the module's, as the build installs them.
    folders << QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                               + QStringLiteral(LW_WEB_MODULE_RELATIVE_DIR));
    return folders;
}

LWWebCookieAccess *access()
{
    static bool tried = false;
    static LWWebCookieAccess *module = nullptr;
    if (tried)
        return module;
    tried = true;
    QStringList failures;
    for (const QString &folder : searchFolders()) {
        const QString path = folder + QLatin1Char('/') + QStringLiteral(LW_WEB_MODULE_FILE);
        if (!QFileInfo::exists(path)) {
            failures << path + QStringLiteral(": missing");
            continue;
        }
        // Never unloaded: the connections it made live as long as the program.
        auto *loader = new QPluginLoader(path, QCoreApplication::instance());
        module = qobject_cast<LWWebCookieAccess *>(loader->instance());
        if (module)
            return module;
        failures << path + QStringLiteral(": ") + loader->errorString();
        delete loader;
    }
    qWarning().noquote() << "web cookie module not loaded; the web views' sign-in is not shared with the editor:"
                         << failures.join(QStringLiteral("; "));
    return nullptr;
}

} // namespace LWWebCookieModule
